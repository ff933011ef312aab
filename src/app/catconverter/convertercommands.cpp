#include "catconverter/convertercommands.h"

#include <QSaveFile>
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "catfile/decodedcatfile.h"
#include "exchange/catfilebytes.h"
#include "exchange/failuretext.h"
#include "exchange/g1mfileio.h"
#include "exchange/imagescan.h"
#include "exchange/picturefilesave.h"
#include "exchange/pictureformats.h"
#include "model/canvas.h"

namespace tavrolin::catconverter {

namespace {

void report(std::FILE* err, const QString& path, const QString& reason) {
    std::fprintf(err, "tavrolin-cat: %s: %s\n", qUtf8Printable(path), qUtf8Printable(reason));
}

void report(std::FILE* err, const QString& path, const model::Failure& failure) {
    report(err, path, exchange::failureText(failure));
}

// A .cat file as the editor opens it, or nothing when it cannot be read.
std::optional<catfile::DecodedCatFile> readCatFile(const QString& path,
                                                   catfile::LoadColours colours, std::FILE* err) {
    QString reason;
    const std::optional<std::string> bytes = exchange::readCatFileBytes(path, &reason);
    if (!bytes) {
        report(err, path, reason);
        return std::nullopt;
    }
    catfile::DecodedCatFile decoded = catfile::decodeCatFile(*bytes, colours);
    if (!decoded.valid) {
        report(err, path,
               QStringLiteral("not a picture file for the Algebra FX 2.0 or the CFX-9850"));
        return std::nullopt;
    }
    return decoded;
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
    if (exchange::formatOfFile(request.input) != exchange::PictureFormat::G1m) {
        auto decoded = readCatFile(request.input, request.loadColours, err);
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

// A .cat file holds one record.
int listCatFile(const QString& path, std::FILE* out, std::FILE* err) {
    const auto decoded = readCatFile(path, {}, err);
    if (!decoded) {
        return kFileFailed;
    }
    std::fprintf(out, "1 %s\n",
                 decoded->loadFormat == catfile::LoadFormat::Colour ? "IMG" : "MCS1");
    return kDone;
}

int list(const QString& path, std::FILE* out, std::FILE* err) {
    if (exchange::formatOfFile(path) != exchange::PictureFormat::G1m) {
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

// Writes the picture one pixel a cell through the editor's preview box, so a BMP is the
// very file "Exportuj obrázok" writes.
int writeImage(const model::PictureGrid& picture, const QString& path, std::FILE* err) {
    model::EditorState state;
    state.picture = picture;
    model::refreshPreview(state);
    QSaveFile file(path);
    const bool bmp = path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive);
    if (!file.open(QIODevice::WriteOnly) ||
        !(bmp ? state.preview.saveBmp(file) : state.preview.image().save(&file, "PNG")) ||
        !file.commit()) {
        report(err, path, file.errorString());
        return kFileFailed;
    }
    return kDone;
}

int encode(const ConverterRequest& request, std::FILE* err) {
    const std::optional<model::PictureGrid> picture =
        exchange::scanImageFile(request.input, exchange::ImportColours{});
    if (!picture) {
        report(err, request.input, QStringLiteral("not an image that can be read"));
        return kFileFailed;
    }
    if (request.g1mOutput) {
        const model::Outcome written =
            exchange::writeG1mFile(request.output, *picture, std::max(request.pict, 1));
        if (!written) {
            report(err, request.output, written.failure());
            return kFileFailed;
        }
        return kDone;
    }
    exchange::PictureFileSave save;
    const bool written =
        save.start(request.output, request.variant, *picture) &&
        (request.variant == exchange::SaveVariant::Colour || save.writeMonochromeTrailer()) &&
        save.finish(*picture, request.saveColours);
    if (!written) {
        report(err, request.output, save.errorString());
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
