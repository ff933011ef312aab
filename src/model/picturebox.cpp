#include "model/picturebox.h"

#include <QImageReader>
#include <QPainter>
#include <algorithm>

#include "model/imagereading.h"
#include "model/raster.h"

namespace tavrolin::model {

QRgb toQRgb(Rgb colour) {
    return qRgb(colour.red, colour.green, colour.blue);
}

Rgb fromQRgb(QRgb pixel) {
    return Rgb{static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
               static_cast<std::uint8_t>(qBlue(pixel))};
}

PictureBox::PictureBox(int width, int height, Rgb background)
    : image_(width, height, QImage::Format_RGB32), background_(background) {
    image_.setDotsPerMeterX(kDotsPerMeterAt96Dpi);
    image_.setDotsPerMeterY(kDotsPerMeterAt96Dpi);
    image_.fill(toQRgb(background_));
    font_.setStyleStrategy(QFont::NoAntialias);
}

void PictureBox::setChangeListener(std::function<void(const QRect&)> listener) {
    listener_ = std::move(listener);
}

void PictureBox::changed(const QRect& area) {
    if (listener_) {
        listener_(area);
    }
}

void PictureBox::clear() {
    image_.fill(toQRgb(background_));
    changed(image_.rect());
}

void PictureBox::setPixel(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= width() || y >= height()) {
        return;
    }
    reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = toQRgb(colour);
    changed(QRect(x, y, 1, 1));
}

Rgb PictureBox::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height()) {
        return background_;
    }
    return fromQRgb(reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x]);
}

void PictureBox::line(int x1, int y1, int x2, int y2) {
    const QRgb colour = toQRgb(drawingColor_);
    forEachLinePixel(x1, y1, x2, y2, [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < width() && y < height()) {
            reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = colour;
        }
    });
    changed(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                  QPoint(std::max(x1, x2), std::max(y1, y2))));
}

void PictureBox::circle(int cx, int cy, int radius) {
    const QRgb colour = toQRgb(drawingColor_);
    forEachCirclePixel(cx, cy, radius, [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < width() && y < height()) {
            reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = colour;
        }
    });
    changed(QRect(cx - radius, cy - radius, 2 * radius + 1, 2 * radius + 1));
}

void PictureBox::fillRect(const QRect& area, Rgb colour) {
    const QRect clipped = area.intersected(image_.rect());
    const QRgb value = toQRgb(colour);
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(row + clipped.left(), row + clipped.right() + 1, value);
    }
    changed(clipped);
}

void PictureBox::print(const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font_);
    painter.setPen(QColor(toQRgb(drawingColor_)));
    const QFontMetrics metrics(font_, &image_);
    painter.drawText(QPoint(printX_, printY_ + metrics.ascent()), text);
    changed(image_.rect());
}

Outcome PictureBox::load(QImageReader& reader) {
    const QSize size = reader.size();
    if (size.isValid() && reader.supportsOption(QImageIOHandler::ClipRect)) {
        reader.setClipRect(QRect(QPoint(0, 0), size).intersected(image_.rect()));
    }
    const Result<QImage> loaded = readImageWithin(reader);
    if (!loaded) {
        return loaded.failure();
    }
    image_.fill(toQRgb(background_));
    // Transparent parts of a gif or png show the background, as on any box.
    QPainter painter(&image_);
    painter.drawImage(QPoint(0, 0), loaded.value());
    painter.end();
    changed(image_.rect());
    return Done{};
}

}  // namespace tavrolin::model
