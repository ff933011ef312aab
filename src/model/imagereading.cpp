#include "model/imagereading.h"

#include <algorithm>

namespace tavrolin::model {

namespace {

// What decoding the whole image takes, as Qt counts it: four bytes a pixel whatever
// the file's own depth (a grey PNG too), more for 16-bit channels.
qint64 wholeImageBytes(QSize size, QImage::Format format) {
    const int depth = std::max(32, int{QImage::toPixelFormat(format).bitsPerPixel()});
    return qint64{size.width()} * size.height() * depth / 8;
}

}  // namespace

Result<QImage> readImageWithin(QImageReader& reader, int limitMegabytes) {
    const int qtLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(limitMegabytes);
    const QSize size = reader.size();
    const QImage::Format format = reader.imageFormat();
    QImage image = reader.read();
    QImageReader::setAllocationLimit(qtLimit);
    if (!image.isNull()) {
        return image;
    }
    if (size.isValid() && wholeImageBytes(size, format) > qint64{limitMegabytes} << 20) {
        return Failure{FailureReason::ImageTooLarge, 0,
                       std::to_string(size.width()) + 'x' + std::to_string(size.height())};
    }
    return Failure{FailureReason::NotAnImage, 0, {}};
}

}  // namespace tavrolin::model
