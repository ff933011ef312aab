#include "catconverter/convertercommands.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "catconverter/converterhelp.h"
#include "catfile/catlayout.h"
#include "catfile/catrecords.h"
#include "catfile/decodedcatfile.h"
#include "exchange/bmpexport.h"
#include "exchange/catfilesave.h"
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

// The n-th picture record of a .cat file as the editor opens it, or nothing when it
// cannot be read. A file cut short gives what it holds, and a note of where it ended.
std::optional<catfile::DecodedCatFile> readCatFile(const QString& path,
                                                   catfile::LoadColours colours, int record,
                                                   std::FILE* err) {
    const model::Result<std::string> bytes =
        exchange::readPictureFileBytes(path, catfile::kMaxCatFileBytes);
    if (!bytes) {
        report(err, path, bytes.failure());
        return std::nullopt;
    }
    model::Result<catfile::DecodedCatFile> decoded =
        catfile::decodeCatFile(bytes.value(), colours, record);
    if (!decoded) {
        report(err, path, decoded.failure());
        return std::nullopt;
    }
    if (const catfile::FileEnd end = decoded.value().end) {
        std::fprintf(err, "tavrolin-cat: %s:%d: %s\n", qUtf8Printable(path), *end,
                     qUtf8Printable(QCoreApplication::translate(
                         "tavrolin-cat", "the file ends here; the rest stayed white")));
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

// The picture asked for: "Pict n" of a .g1m file for --pict n, else its first picture;
// the one picture of a .cat file.
std::optional<model::PictureGrid> readPicture(const ConverterRequest& request, std::FILE* err) {
    if (exchange::formatToOpen(request.input).reading != exchange::Reading::Entries) {
        auto decoded =
            readCatFile(request.input, request.loadColours, std::max(request.record, 1), err);
        return decoded ? std::optional(decoded->picture) : std::nullopt;
    }
    const auto entries = readG1mEntries(request.input, err);
    if (!entries) {
        return std::nullopt;
    }
    for (const g1mfile::G1mEntry& entry : *entries) {
        if (request.pict == 0 ||
            (entry.kind == g1mfile::G1mEntry::Kind::Picture && entry.number == request.pict)) {
            return entry.picture;
        }
    }
    report(err, request.input,
           {model::FailureReason::PictureMissing, 0, "Pict " + std::to_string(request.pict)});
    return std::nullopt;
}

// Every record of a .cat file: its number among the pictures ("-" for any other
// record), format, data type and name. A file none of whose records names a format is
// no picture file: it fails as decode fails on it.
int listCatFile(const QString& path, std::FILE* out, std::FILE* err) {
    const model::Result<std::string> bytes =
        exchange::readPictureFileBytes(path, catfile::kMaxCatFileBytes);
    if (!bytes) {
        report(err, path, bytes.failure());
        return kFileFailed;
    }
    const std::vector<catfile::CatRecord> records = catfile::splitCatRecords(bytes.value());
    if (std::ranges::all_of(
            records, [](const catfile::CatRecord& record) { return record.formatName.empty(); })) {
        const auto decoded = catfile::decodeCatFile(bytes.value(), {});
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
    if (exchange::formatToOpen(path).reading != exchange::Reading::Entries) {
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

// Writes the picture as "Exportuj obrázok" does, so a BMP is the very file the editor
// writes.
int writeImage(const model::PictureGrid& picture, const QString& path, std::FILE* err) {
    const bool bmp = path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive);
    const model::Outcome written = exchange::writePictureImage(picture, path, bmp ? "BMP" : "PNG");
    if (!written) {
        report(err, path, written.failure());
        return kFileFailed;
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

// The picture added to the .g1m archive at the output, or with --new written as a new
// file; any other file there is kept.
int encodeG1m(const ConverterRequest& request, const model::PictureGrid& picture, std::FILE* err) {
    const int number = std::max(request.pict, 1);
    const exchange::G1mWrite mode =
        request.newG1mFile ? exchange::G1mWrite::Replace : exchange::G1mWrite::Merge;
    const exchange::G1mTarget target = mode == exchange::G1mWrite::Merge
                                           ? exchange::inspectG1mTarget(request.output, number)
                                           : exchange::G1mTarget{};
    if (target.kind == exchange::G1mTarget::Kind::Unreadable) {
        report(err, request.output, target.failure);
        std::fprintf(err, "tavrolin-cat: %s\n",
                     qUtf8Printable(QCoreApplication::translate(
                                        "tavrolin-cat",
                                        "%1 is no .g1m file to add the picture to; --new "
                                        "replaces it")
                                        .arg(request.output)));
        return kFileFailed;
    }
    const model::Outcome written = exchange::writeG1mFile(request.output, picture, number, mode);
    if (!written) {
        report(err, request.output, written.failure());
        return kFileFailed;
    }
    if (!target.others.empty()) {
        std::fprintf(
            err, "tavrolin-cat: %s\n",
            qUtf8Printable(QCoreApplication::translate("tavrolin-cat", "%1: other items kept: %2")
                               .arg(request.output)
                               .arg(target.others.size())));
    }
    return kDone;
}

int encode(const ConverterRequest& request, std::FILE* err) {
    const model::Result<model::PictureGrid> picture = importedPicture(request);
    if (!picture) {
        report(err, request.input, picture.failure());
        return kFileFailed;
    }
    if (request.g1mOutput) {
        return encodeG1m(request, picture.value(), err);
    }
    const model::Outcome written = exchange::saveCatFile(request.output, request.variant,
                                                         picture.value(), request.saveColours);
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
        case ConverterCommand::Show:
            break;
    }
    const std::optional<model::PictureGrid> picture = readPicture(request, err);
    if (!picture) {
        return kFileFailed;
    }
    if (request.command == ConverterCommand::Show) {
        show(*picture, out);
        return kDone;
    }
    return writeImage(*picture, request.output, err);
}

}  // namespace tavrolin::catconverter
