#include "exchange/imagefit.h"

#include <QPainter>

#include "exchange/inkdither.h"

namespace tavrolin::exchange {

namespace {

constexpr QSize kScreen(model::kColumns, model::kRows);

// Calls visit(x, y, pixel) for every cell of a screen-sized 32-bit image.
template <typename Visit>
void forEachScreenPixel(const QImage& rgb, Visit&& visit) {
    model::PictureGrid::forEachUsedCell(
        [&](int x, int y) { visit(x, y, rgb.pixel(x - 1, y - 1)); });
}

// Ink where a pixel is darker than the threshold: black, or on the colour screen the
// nearest of red, blue and green. Qt's own threshold is fixed at the middle.
model::PictureGrid thresholdCells(const QImage& rgb, const FitOptions& options) {
    model::PictureGrid picture;
    forEachScreenPixel(rgb, [&](int x, int y, QRgb pixel) {
        if (qGray(pixel) < options.threshold) {
            picture.at(x, y) =
                options.colours == FitColours::BlackWhite ? model::kBlack : nearestInk(pixel);
        }
    });
    return picture;
}

model::PictureGrid blackCells(const QImage& mono) {
    model::PictureGrid picture;
    forEachScreenPixel(mono, [&](int x, int y, QRgb pixel) {
        if (qGray(pixel) < 128) {
            picture.at(x, y) = model::kBlack;
        }
    });
    return picture;
}

}  // namespace

QImage fitToScreen(const QImage& source, FitMode mode, bool invert) {
    QRect from = source.rect();
    QSize to = source.size().scaled(kScreen, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    if (mode == FitMode::Cover) {
        // The largest part of the source in the screen's proportions, from its middle.
        const QSize cut = kScreen.scaled(source.size(), Qt::KeepAspectRatio).expandedTo({1, 1});
        from = QRect(
            QPoint((source.width() - cut.width()) / 2, (source.height() - cut.height()) / 2), cut);
        to = kScreen;
    }
    QImage part = (from == source.rect() ? source : source.copy(from))
                      .scaled(to, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (invert) {
        part.invertPixels();
    }
    QImage screen(kScreen, QImage::Format_RGB32);
    screen.fill(Qt::white);
    QPainter painter(&screen);
    painter.drawImage(
        QPoint((kScreen.width() - to.width()) / 2, (kScreen.height() - to.height()) / 2), part);
    return screen;
}

model::PictureGrid toCalculatorColours(const QImage& screen, const FitOptions& options) {
    const QImage rgb = screen.convertToFormat(QImage::Format_RGB32);
    if (options.dither == FitDither::Threshold) {
        return thresholdCells(rgb, options);
    }
    const bool diffuse = options.dither == FitDither::Diffuse;
    if (options.colours == FitColours::RedBlueGreen) {
        return diffuse ? diffuseToInks(rgb) : orderToInks(rgb);
    }
    return blackCells(rgb.convertToFormat(
        QImage::Format_Mono, Qt::MonoOnly | (diffuse ? Qt::DiffuseDither : Qt::OrderedDither)));
}

model::PictureGrid fitImage(const QImage& source, const FitOptions& options) {
    return toCalculatorColours(fitToScreen(source, options.mode, options.invert), options);
}

}  // namespace tavrolin::exchange
