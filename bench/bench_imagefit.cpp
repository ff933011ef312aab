#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include "exchange/fitsource.h"
#include "exchange/imagefit.h"

// Goals: a 4000 × 3000 camera JPEG is read, fitted and dithered in under 300 ms; the fit
// dialog's preview follows a change of any of its choices within a frame, 16 ms. Qt
// decodes and scales on threads of its own, so the time is the wall clock's.

using namespace tavrolin;

namespace {

// A photo-like 4000 × 3000 JPEG, drawn once for the whole run: a sky, a sun, hills
// and noise, so the decoder and the dithering see real work.
const QString& photoJpeg() {
    static int argc = 1;
    static char name[] = "tavrolin-bench";
    static char* argv[] = {name, nullptr};
    // Image plugins, JPEG among them, are found through the application object.
    static QCoreApplication application(argc, argv);
    static QTemporaryDir folder;
    static const QString path = [] {
        QImage photo(4000, 3000, QImage::Format_RGB32);
        QPainter painter(&photo);
        QLinearGradient sky(0, 0, 0, 3000);
        sky.setColorAt(0, QColor(58, 111, 176));
        sky.setColorAt(1, QColor(243, 217, 164));
        painter.fillRect(photo.rect(), sky);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 230, 128));
        painter.drawEllipse(QPoint(3000, 700), 350, 350);
        painter.setBrush(QColor(75, 93, 58));
        painter.drawPolygon(QPolygon(QList<QPoint>{{0, 2100},
                                                   {800, 1200},
                                                   {1500, 1900},
                                                   {2300, 1100},
                                                   {4000, 2000},
                                                   {4000, 3000},
                                                   {0, 3000}}));
        painter.end();
        for (int y = 0; y < photo.height(); y += 3) {
            QRgb* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
            for (int x = (y * 7) % 5; x < photo.width(); x += 5) {
                row[x] ^= 0x00101010;
            }
        }
        QString file = folder.filePath(QStringLiteral("photo.jpg"));
        photo.save(file, "JPEG", 90);
        return file;
    }();
    return path;
}

exchange::FitOptions diffused(bool colourScreen) {
    exchange::FitOptions options;
    options.colours =
        colourScreen ? exchange::FitColours::RedBlueGreen : exchange::FitColours::BlackWhite;
    return options;
}

// The argument: 0 the black-and-white screen (Qt's dithering), 1 the colour screen.
void BM_FitPhotoJpeg(benchmark::State& run) {
    const QString& path = photoJpeg();
    const exchange::FitOptions options = diffused(run.range(0) != 0);
    for (auto _ : run) {
        const model::PictureGrid picture =
            exchange::fitImage(exchange::readImageToFit(path).value(), options);
        benchmark::DoNotOptimize(&picture);
    }
}
BENCHMARK(BM_FitPhotoJpeg)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// One redraw of the dialog's picture from the image it was given, decoded already, at
// every choice: the screen (0 black and white, 1 colour), the dither (0 diffused,
// 1 ordered, 2 threshold), the size (0 whole, 1 filled and cut) and "Invertovať".
void BM_FitPreviewUpdate(benchmark::State& run) {
    const QImage decoded = exchange::readImageToFit(photoJpeg()).value();
    exchange::FitOptions options = diffused(run.range(0) != 0);
    options.dither = static_cast<exchange::FitDither>(run.range(1));
    options.mode = static_cast<exchange::FitMode>(run.range(2));
    options.invert = run.range(3) != 0;
    for (auto _ : run) {
        const model::PictureGrid picture = exchange::fitImage(decoded, options);
        benchmark::DoNotOptimize(&picture);
    }
}
BENCHMARK(BM_FitPreviewUpdate)
    ->ArgsProduct({{0, 1}, {0, 1, 2}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
