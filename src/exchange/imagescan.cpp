#include "exchange/imagescan.h"

#include <QImageReader>
#include <algorithm>
#include <cstdlib>

#include "exchange/readablefile.h"
#include "model/picturebox.h"

namespace tavrolin::exchange {

model::KeptColours ImportColours::kept() const {
    // In the order of the colour codes: white, black, red, blue, green.
    return {white, black, red, blue, green};
}

namespace {

// The palette colour a pixel is near, or the pixel as it is.
QRgb nearPaletteColour(QRgb pixel) {
    for (int code = model::kWhite; code <= model::kGreen; ++code) {
        const QRgb colour = model::toQRgb(*model::paletteRgb(code));
        if (std::abs(qRed(pixel) - qRed(colour)) <= kJpegError &&
            std::abs(qGreen(pixel) - qGreen(colour)) <= kJpegError &&
            std::abs(qBlue(pixel) - qBlue(colour)) <= kJpegError) {
            return colour;
        }
    }
    return pixel;
}

}  // namespace

model::Outcome loadAsImported(model::PictureBox& box, const QString& path) {
    const model::Result<std::unique_ptr<QFile>> file = openReadableFile(path);
    if (!file) {
        return file.failure();
    }
    QImageReader reader(file.value().get());
    const bool jpeg = reader.format() == "jpeg";
    if (model::Outcome loaded = box.load(reader); !loaded) {
        return loaded;
    }
    if (jpeg) {
        box.editImage([](QImage& image) {
            for (int y = 0; y < image.height(); ++y) {
                auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
                std::transform(row, row + image.width(), row, nearPaletteColour);
            }
        });
    }
    return model::Done{};
}

model::Result<model::PictureGrid> scanImageFile(const QString& path, const ImportColours& colours) {
    model::PictureBox box(model::kColumns, model::kRows);
    if (const model::Outcome loaded = loadAsImported(box, path); !loaded) {
        return loaded.failure();
    }
    return model::pictureInBox(box, colours.kept());
}

}  // namespace tavrolin::exchange
