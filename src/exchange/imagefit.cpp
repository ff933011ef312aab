#include "exchange/imagefit.h"

#include <QPainter>

#include "exchange/inkdither.h"

namespace tavrolin::exchange {

namespace {

constexpr QSize kScreen(model::kColumns, model::kRows);

// The image as it looks on white: what every later step, inverting included, works on.
QImage onWhite(const QImage& source) {
    if (!source.hasAlphaChannel()) {
        return source;
    }
    QImage flat(source.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(QPoint(0, 0), source);
    return flat;
}

}  // namespace

QImage fitToScreen(const QImage& image, FitMode mode, bool invert) {
    const QImage source = onWhite(image);
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
    switch (options.dither) {
        case FitDither::Diffuse:
            return diffuseToScreen(rgb, options.colours);
        case FitDither::Ordered:
            return orderToScreen(rgb, options.colours);
        case FitDither::Threshold:
            break;
    }
    return thresholdToScreen(rgb, options.colours, options.threshold);
}

model::PictureGrid fitImage(const QImage& source, const FitOptions& options) {
    return toCalculatorColours(fitToScreen(source, options.mode, options.invert), options);
}

}  // namespace tavrolin::exchange
