#include "catconverter/convertercommands.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <optional>
#include <string>
#include <string_view>

#include "catfile/decodedcatfile.h"
#include "exchange/catfilebytes.h"
#include "exchange/failuretext.h"
#include "exchange/fitsource.h"
#include "exchange/imagescan.h"
#include "exchange/picturefilesave.h"
#include "model/canvas.h"

namespace tavrolin::catconverter {

namespace {

void report(std::FILE* err, const QString& path, const QString& reason) {
    std::fprintf(err, "tavrolin-cat: %s: %s\n", qUtf8Printable(path), qUtf8Printable(reason));
}

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
        std::fprintf(err, "tavrolin-cat: %s:%d: %s\n", qUtf8Printable(path), *end,
                     qUtf8Printable(QCoreApplication::translate(
                         "tavrolin-cat", "the file ends here; the rest stayed white")));
    }
    return decoded.value().picture;
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

int encode(const ConverterRequest& request, std::FILE* err) {
    const model::Result<model::PictureGrid> picture = importedPicture(request);
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
