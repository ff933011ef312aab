#include "exchange/fitsource.h"

#include <QImageReader>
#include <algorithm>

#include "exchange/imagescan.h"
#include "exchange/readablefile.h"
#include "model/picturebox.h"

namespace tavrolin::exchange {

namespace {

// Twice the screen: enough for smooth scaling down, small enough to refit at once.
constexpr QSize kDetail(2 * model::kColumns, 2 * model::kRows);

}  // namespace

model::Result<QImage> readImageToFit(const QString& path, int limitMegabytes) {
    const model::Result<std::unique_ptr<QFile>> file = openReadableFile(path);
    if (!file) {
        return file.failure();
    }
    QImageReader reader(file.value().get());
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid()) {
        // Covering the detail size keeps enough for either way of fitting.
        const double scale = std::max(double(kDetail.width()) / size.width(),
                                      double(kDetail.height()) / size.height());
        if (scale < 1) {
            reader.setScaledSize((QSizeF(size) * scale).toSize().expandedTo(QSize(1, 1)));
        }
    }
    return model::readImageWithin(reader, limitMegabytes);
}

bool imageNeedsFitting(const QString& path) {
    const model::Result<std::unique_ptr<QFile>> file = openReadableFile(path);
    if (!file) {
        return false;
    }
    QImageReader reader(file.value().get());
    QSize size = reader.size();
    if (!size.isValid()) {
        size = reader.read().size();
    }
    if (size.width() > model::kColumns || size.height() > model::kRows) {
        return true;
    }
    // Loaded as the import loads it, so transparency counts as the white it shows and
    // a JPEG's pixels as the palette colours they are near.
    model::PictureBox box(std::max(size.width(), 1), std::max(size.height(), 1));
    if (size.isEmpty() || !loadAsImported(box, path)) {
        return false;
    }
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (!model::colorCodeFromRgb(box.pixel(x, y))) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace tavrolin::exchange
