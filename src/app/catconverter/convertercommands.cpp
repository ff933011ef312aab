#include "catconverter/convertercommands.h"

#include <optional>
#include <string>
#include <string_view>

#include "catfile/decodedcatfile.h"
#include "exchange/bmpexport.h"
#include "exchange/catfilebytes.h"
#include "exchange/failuretext.h"
#include "exchange/imagescan.h"
#include "exchange/picturefilesave.h"

namespace tavrolin::catconverter {

namespace {

void report(std::FILE* err, const QString& path, const model::Failure& failure) {
    std::fprintf(err, "tavrolin-cat: %s\n", qUtf8Printable(exchange::failureAt(path, failure)));
}

// The picture of a .cat file as the editor opens it, or nothing when it cannot be read.
// A file cut short gives what it holds, and a note of where it ended.
std::optional<model::PictureGrid> readPicture(const QString& path, catfile::LoadColours colours,
                                              std::FILE* err) {
    const model::Result<std::string> bytes = exchange::readCatFileBytes(path);
    if (!bytes) {
        report(err, path, bytes.failure());
        return std::nullopt;
    }
    const model::Result<catfile::DecodedCatFile> decoded =
        catfile::decodeCatFile(bytes.value(), colours);
    if (!decoded) {
        report(err, path, decoded.failure());
        return std::nullopt;
    }
    if (const catfile::FileEnd end = decoded.value().end) {
        std::fprintf(err, "tavrolin-cat: %s:%d: the file ends here; the rest stayed white\n",
                     qUtf8Printable(path), *end);
    }
    return decoded.value().picture;
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

int encode(const ConverterRequest& request, std::FILE* err) {
    const model::Result<model::PictureGrid> picture =
        exchange::scanImageFile(request.input, exchange::ImportColours{});
    if (!picture) {
        report(err, request.input, picture.failure());
        return kFileFailed;
    }
    const model::Outcome written = exchange::savePictureFile(request.output, request.variant,
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
        case ConverterCommand::Encode:
            return encode(request, err);
        case ConverterCommand::Decode:
        case ConverterCommand::Show:
            break;
    }
    const std::optional<model::PictureGrid> picture =
        readPicture(request.input, request.loadColours, err);
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
