#include "catconverter/convertercommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "catconverter/converterhelp.h"
#include "catfile/catlayout.h"
#include "catfile/catrecords.h"
#include "catfile/decodedcatfile.h"
#include "exchange/bmpexport.h"
#include "exchange/catfilesave.h"
#include "exchange/csourceexport.h"
#include "exchange/failuretext.h"
#include "exchange/fitsource.h"
#include "exchange/g1mfileio.h"
#include "exchange/imagescan.h"
#include "exchange/picturefilebytes.h"
#include "exchange/pictureformats.h"
#include "version/version.h"

namespace tavrolin::catconverter {

namespace {

void report(std::FILE* err, const QString& path, const model::Failure& failure) {
    std::fprintf(err, "tavrolin-cat: %s\n", qUtf8Printable(exchange::failureAt(path, failure)));
}

// The bytes of a .cat file, or nothing when it cannot be read.
std::optional<std::string> readCatBytes(const QString& path, std::FILE* err) {
    model::Result<std::string> bytes =
        exchange::readPictureFileBytes(path, catfile::kMaxCatFileBytes);
    if (!bytes) {
        report(err, path, bytes.failure());
        return std::nullopt;
    }
    return std::move(bytes).value();
}

// The n-th picture record of a .cat file's bytes as the editor opens it, or nothing when
// it cannot be read. A file cut short gives what it holds, and a note of where it ended.
std::optional<catfile::DecodedCatFile> decodeCatBytes(const QString& path, const std::string& bytes,
                                                      catfile::LoadColours colours, int record,
                                                      std::FILE* err) {
    model::Result<catfile::DecodedCatFile> decoded = catfile::decodeCatFile(bytes, colours, record);
    if (!decoded) {
        report(err, path, decoded.failure());
        return std::nullopt;
    }
    if (const catfile::FileEnd end = decoded.value().end) {
        std::fprintf(err, "tavrolin-cat: %s:%d: %s\n", qUtf8Printable(path), *end,
                     qUtf8Printable(QCoreApplication::translate(
                         "tavrolin-cat", "súbor tu končí; zvyšok ostal biely")));
    }
    return std::move(decoded).value();
}

// The pictures of a .g1m file, or nothing when it cannot be read.
std::optional<std::vector<g1mfile::G1mEntry>> readG1mEntries(const QString& path, std::FILE* err) {
    auto entries = exchange::readG1mFile(path);
    if (!entries) {
        report(err, path, entries.failure());
        return std::nullopt;
    }
    return std::move(entries).value();
}

// A picture read, the name of the file it is written to in a folder ("Pict3",
// "record2"), and the calculator its colours are for.
struct FoundPicture {
    QString name;
    model::PictureGrid picture;
    exchange::SaveVariant variant = exchange::SaveVariant::Monochrome;
};

bool isG1mFile(const QString& path) {
    return exchange::formatToOpen(path).reading == exchange::Reading::Entries;
}

std::optional<FoundPicture> readCatPicture(const ConverterRequest& request,
                                           const std::string& bytes, int record, std::FILE* err) {
    auto decoded = decodeCatBytes(request.input, bytes, request.loadColours, record, err);
    if (!decoded) {
        return std::nullopt;
    }
    return FoundPicture{QStringLiteral("record%1").arg(record), decoded->picture,
                        decoded->loadFormat == catfile::LoadFormat::Colour
                            ? exchange::SaveVariant::Colour
                            : exchange::SaveVariant::Monochrome};
}

FoundPicture foundEntry(const g1mfile::G1mEntry& entry) {
    return {QString::fromStdString(entry.name).remove(u' '), entry.picture,
            exchange::SaveVariant::Monochrome};
}

// The picture asked for: "Pict n" of a .g1m file for --pict n, else its first picture;
// the one picture of a .cat file.
std::optional<FoundPicture> readPicture(const ConverterRequest& request, std::FILE* err) {
    if (!isG1mFile(request.input)) {
        const auto bytes = readCatBytes(request.input, err);
        return bytes ? readCatPicture(request, *bytes, std::max(request.record, 1), err)
                     : std::nullopt;
    }
    const auto entries = readG1mEntries(request.input, err);
    if (!entries) {
        return std::nullopt;
    }
    for (const g1mfile::G1mEntry& entry : *entries) {
        if (request.pict == 0 ||
            (entry.kind == g1mfile::G1mEntry::Kind::Picture && entry.number == request.pict)) {
            return foundEntry(entry);
        }
    }
    report(err, request.input,
           {model::FailureReason::PictureMissing, 0, "Pict " + std::to_string(request.pict)});
    return std::nullopt;
}

// Every picture of the file: each of a .g1m file, each record of a .cat archive.
std::optional<std::vector<FoundPicture>> readEveryPicture(const ConverterRequest& request,
                                                          std::FILE* err) {
    std::vector<FoundPicture> found;
    if (isG1mFile(request.input)) {
        const auto entries = readG1mEntries(request.input, err);
        if (!entries) {
            return std::nullopt;
        }
        std::ranges::transform(*entries, std::back_inserter(found), foundEntry);
        return found;
    }
    const auto bytes = readCatBytes(request.input, err);
    if (!bytes) {
        return std::nullopt;
    }
    const auto pictures =
        std::ranges::count_if(catfile::splitCatRecords(*bytes),
                              [](const catfile::CatRecord& record) { return record.isPicture(); });
    // A file of no picture record fails as its first record's decoding says.
    for (int record = 1; record <= std::max<std::ptrdiff_t>(pictures, 1); ++record) {
        auto picture = readCatPicture(request, *bytes, record, err);
        if (!picture) {
            return std::nullopt;
        }
        found.push_back(std::move(*picture));
    }
    return found;
}

// Every record of a .cat file: its number among the pictures ("-" for any other
// record), format, data type and name. A file none of whose records names a format is
// no picture file: it fails as decode fails on it.
int listCatFile(const QString& path, std::FILE* out, std::FILE* err) {
    const auto bytes = readCatBytes(path, err);
    if (!bytes) {
        return kFileFailed;
    }
    const std::vector<catfile::CatRecord> records = catfile::splitCatRecords(*bytes);
    if (std::ranges::all_of(
            records, [](const catfile::CatRecord& record) { return record.formatName.empty(); })) {
        const auto decoded = catfile::decodeCatFile(*bytes, {});
        report(err, path,
               decoded ? model::Failure{model::FailureReason::NoPictureFormat, 2, {}}
                       : decoded.failure());
        return kFileFailed;
    }
    int pictures = 0;
    for (const catfile::CatRecord& record : records) {
        const std::string number = record.isPicture() ? std::to_string(++pictures) : "-";
        std::fprintf(out, "%s %.*s %.*s %.*s\n", number.c_str(), int(record.formatName.size()),
                     record.formatName.data(), int(record.dataType.size()), record.dataType.data(),
                     int(record.name.size()), record.name.data());
    }
    return kDone;
}

int list(const QString& path, std::FILE* out, std::FILE* err) {
    if (!isG1mFile(path)) {
        return listCatFile(path, out, err);
    }
    const auto entries = readG1mEntries(path, err);
    if (!entries) {
        return kFileFailed;
    }
    for (const g1mfile::G1mEntry& entry : *entries) {
        std::fprintf(out, "%s\n", entry.name.c_str());
    }
    return kDone;
}

// Writes the picture as "Exportuj obrázok" does, so an image is the very file the editor
// writes; C source names its arrays after --name or the file.
int writeImage(const ConverterRequest& request, const FoundPicture& found, const QString& path,
               std::FILE* err) {
    const model::Outcome written =
        request.identifier.isEmpty()
            ? exchange::writeExport(*request.outputFormat, found.picture, path, found.variant)
            : exchange::writeCSource(found.picture, path, request.identifier.toStdString(),
                                     found.variant);
    if (!written) {
        report(err, path, written.failure());
        return kFileFailed;
    }
    return kDone;
}

// Every picture of the input into the folder, a file each; refused, writing nothing,
// when one of the files is there already and --force is not given.
int decodeToFolder(const ConverterRequest& request, std::FILE* out, std::FILE* err) {
    const auto pictures = readEveryPicture(request, err);
    if (!pictures) {
        return kFileFailed;
    }
    const QDir folder(request.output);
    const auto pathOf = [&](const FoundPicture& found) {
        return folder.filePath(found.name + exchange::extensionOf(*request.outputFormat));
    };
    for (const FoundPicture& found : *pictures) {
        if (!request.force && QFileInfo::exists(pathOf(found))) {
            std::fprintf(err, "tavrolin-cat: %s\n",
                         qUtf8Printable(QCoreApplication::translate(
                                            "tavrolin-cat", "%1 už existuje; --force ho nahradí")
                                            .arg(pathOf(found))));
            return kFileFailed;
        }
    }
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(err, "tavrolin-cat: %s\n",
                     qUtf8Printable(QCoreApplication::translate("tavrolin-cat",
                                                                "priečinok %1 sa nedá vytvoriť")
                                        .arg(request.output)));
        return kFileFailed;
    }
    for (const FoundPicture& found : *pictures) {
        if (writeImage(request, found, pathOf(found), err) != kDone) {
            return kFileFailed;
        }
        std::fprintf(out, "%s\n", qUtf8Printable(pathOf(found)));
    }
    return kDone;
}

// The image's picture as the editor imports it: taken as it is with every colour
// ticked, or fitted to the screen.
model::Result<model::PictureGrid> importedPicture(const ConverterRequest& request) {
    if (!request.fit) {
        return exchange::scanImageFile(request.input, exchange::ImportColours{});
    }
    const model::Result<QImage> image = exchange::readImageToFit(request.input);
    if (!image) {
        return image.failure();
    }
    return exchange::fitImage(image.value(), *request.fit);
}

// The pictures added to the .g1m archive at the output as "Pict n", n + 1, …, or with
// --new written as a new file; any other file there is kept.
int encodeG1m(const ConverterRequest& request, const std::vector<model::PictureGrid>& pictures,
              std::FILE* err) {
    const int first = std::max(request.pict, 1);
    const exchange::G1mWrite mode =
        request.newG1mFile ? exchange::G1mWrite::Replace : exchange::G1mWrite::Merge;
    const exchange::G1mTarget target =
        mode == exchange::G1mWrite::Merge
            ? exchange::inspectG1mTarget(request.output, first, static_cast<int>(pictures.size()))
            : exchange::G1mTarget{};
    if (target.kind == exchange::G1mTarget::Kind::Unreadable) {
        report(err, request.output, target.failure);
        std::fprintf(
            err, "tavrolin-cat: %s\n",
            qUtf8Printable(
                QCoreApplication::translate(
                    "tavrolin-cat",
                    "%1 nie je súbor .g1m, do ktorého sa dá pridať obrázok; --new ho nahradí")
                    .arg(request.output)));
        return kFileFailed;
    }
    const model::Outcome written = exchange::writeG1mFile(request.output, pictures, first, mode);
    if (!written) {
        report(err, request.output, written.failure());
        return kFileFailed;
    }
    if (!target.others.empty()) {
        std::fprintf(err, "tavrolin-cat: %s\n",
                     qUtf8Printable(QCoreApplication::translate("tavrolin-cat",
                                                                "%1: ponechané iné položky: %2")
                                        .arg(request.output)
                                        .arg(target.others.size())));
    }
    return kDone;
}

// Every image is read before anything is written, so a bad one leaves the output as it was.
int encode(const ConverterRequest& request, std::FILE* err) {
    std::vector<model::PictureGrid> pictures;
    for (const QString& input : request.inputs) {
        ConverterRequest one = request;
        one.input = input;
        const model::Result<model::PictureGrid> picture = importedPicture(one);
        if (!picture) {
            report(err, input, picture.failure());
            return kFileFailed;
        }
        pictures.push_back(picture.value());
    }
    if (request.g1mOutput) {
        return encodeG1m(request, pictures, err);
    }
    const model::Outcome written = exchange::saveCatFile(request.output, request.variant,
                                                         pictures.front(), request.saveColours);
    if (!written) {
        report(err, request.output, written.failure());
        return kFileFailed;
    }
    return kDone;
}

void show(const model::PictureGrid& picture, std::FILE* out) {
    static constexpr std::string_view kLetters = ".#RBG";
    for (int y = 1; y <= model::kRows; ++y) {
        std::string line;
        for (int x = 1; x <= model::kColumns; ++x) {
            const auto code = static_cast<std::size_t>(picture.at(x, y));
            line += code < kLetters.size() ? kLetters[code] : '?';
        }
        line += '\n';
        std::fputs(line.c_str(), out);
    }
}

}  // namespace

int runRequest(const ConverterRequest& request, std::FILE* out, std::FILE* err) {
    switch (request.command) {
        case ConverterCommand::Help:
            std::fprintf(out, "%s", qUtf8Printable(helpText()));
            return kDone;
        case ConverterCommand::Version:
            std::fprintf(out, "tavrolin-cat %s\n", kVersion);
            return kDone;
        case ConverterCommand::Encode:
            return encode(request, err);
        case ConverterCommand::List:
            return list(request.input, out, err);
        case ConverterCommand::Decode:
            if (request.toFolder) {
                return decodeToFolder(request, out, err);
            }
            break;
        case ConverterCommand::Show:
            break;
    }
    const std::optional<FoundPicture> found = readPicture(request, err);
    if (!found) {
        return kFileFailed;
    }
    if (request.command == ConverterCommand::Show) {
        show(found->picture, out);
        return kDone;
    }
    return writeImage(request, *found, request.output, err);
}

}  // namespace tavrolin::catconverter
