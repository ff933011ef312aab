#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "exchange/failuretext.h"
#include "exchange/fitsource.h"
#include "exchange/imagefit.h"
#include "exchange/imagescan.h"
#include "pictureart.h"

using namespace tavrolin;
using namespace tavrolin::exchange;
using enum FitColours;
using enum FitDither;
using enum FitMode;

Q_DECLARE_METATYPE(tavrolin::exchange::FitOptions)

namespace {

QImage drawn(int width, int height, const std::function<QRgb(int, int)>& colour) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, colour(x, y));
        }
    }
    return image;
}

QImage screenSized(const std::function<QRgb(int, int)>& colour) {
    return drawn(model::kColumns, model::kRows, colour);
}

QImage plain(QRgb colour) {
    return screenSized([=](int, int) { return colour; });
}

QRgb grey(int level) {
    return qRgb(level, level, level);
}

FitOptions fit(FitDither dither, int threshold = 128, FitColours colours = BlackWhite,
               FitMode mode = Contain, bool invert = false) {
    return {mode, dither, threshold, invert, colours};
}

}  // namespace

class TestImageFit : public QObject {
    Q_OBJECT

  private slots:
    // Palette colours in the screen's size are a calculator picture already.
    void needsFitting_data() {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<bool>("needed");
        const auto palette = [](int x, int y) { return pictureart::paletteQRgb((x * y) % 5); };
        QTest::newRow("palette, screen-sized") << screenSized(palette) << false;
        QTest::newRow("transparent") << drawn(10, 5, [](int, int) { return 0u; }) << false;
        QTest::newRow("a column more") << drawn(129, 64, palette) << true;
        QTest::newRow("a row more") << drawn(128, 65, palette) << true;
        QTest::newRow("one grey pixel") << screenSized([&](int x, int y) {
            return x == 127 && y == 63 ? grey(128) : palette(x, y);
        }) << true;
    }
    void needsFitting() {
        QFETCH(QImage, image);
        QFETCH(bool, needed);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("image.png"));
        QVERIFY(image.save(path));
        QCOMPARE(exchange::imageNeedsFitting(path), needed);
    }

    // A calculator picture saved as a JPEG at the usual quality 75 is one still, and
    // imports as drawn; a grey one is more.
    void jpegPicture() {
        model::PictureGrid drawnCells;
        const QImage lines = screenSized([&](int x, int y) {
            const bool ink = x % 7 == 0 || y % 5 == 0 || (x - 64) * (x - 64) + y * y == 900;
            drawnCells.at(x + 1, y + 1) = ink ? model::kBlack : model::kWhite;
            return grey(ink ? 0 : 255);
        });
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("picture.jpg"));
        QVERIFY(lines.save(path, "JPEG", 75));
        QVERIFY(!exchange::imageNeedsFitting(path));
        QVERIFY(exchange::scanImageFile(path, {}).value().usedCellsEqual(drawnCells));
        QVERIFY(plain(grey(128)).save(path, "JPEG", 75));
        QVERIFY(exchange::imageNeedsFitting(path));
    }

    // An image that must be decoded whole to be scaled (a grey PNG) is read up to the
    // limit, and beyond it refused with its size; here with a limit of 2 MB, 1024 × 512
    // at the four bytes a pixel Qt decodes it in.
    void sizeLimit_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("read");
        QTest::newRow("at the limit") << 512 << true;
        QTest::newRow("a row more") << 513 << false;
    }
    void sizeLimit() {
        QFETCH(int, height);
        QFETCH(bool, read);
        QImage image(1024, height, QImage::Format_Grayscale8);
        image.fill(0);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("grey.png"));
        QVERIFY(image.save(path));
        const model::Result<QImage> fitted = exchange::readImageToFit(path, 2);
        QCOMPARE(fitted.ok(), read);
        if (!read) {
            QCOMPARE(fitted.failure().reason, model::FailureReason::ImageTooLarge);
            QCOMPARE(exchange::failureText(fitted.failure()),
                     QStringLiteral("obrázok má 1024 × 513 bodov, to je priveľa"));
        }
    }

    void fitsAsDrawn_data() {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<FitOptions>("options");
        QTest::addColumn<QRect>("cells");
        QTest::addColumn<QString>("art");
        // Grey 0, 2, 4, ... from left to right.
        const QImage gradient = screenSized([](int x, int) { return grey(2 * x); });
        // Dark red, navy, dark green, black and light grey columns, again and again.
        const QImage chart = screenSized([](int x, int) {
            const QRgb colours[] = {qRgb(160, 0, 0), qRgb(0, 0, 140), qRgb(0, 90, 0), grey(0),
                                    grey(210)};
            return colours[x % 5];
        });
        // Black above, white below.
        const QImage tall = drawn(64, 128, [](int, int y) { return grey(y < 64 ? 0 : 255); });
        const QImage wide = drawn(256, 64, [](int, int) { return grey(0); });
        QTest::newRow("threshold 100")
            << gradient << fit(Threshold, 100) << QRect(49, 1, 4, 1) << "##..";
        QTest::newRow("inverted") << gradient << fit(Threshold, 100, BlackWhite, Contain, true)
                                  << QRect(77, 1, 4, 1) << "..##";
        // A quarter of the way to black: the pattern's first four cells of sixteen.
        QTest::newRow("ordered") << plain(grey(191)) << fit(Ordered) << QRect(1, 1, 4, 4)
                                 << "....\n.#.#\n....\n.#.#";
        // Half way: the errors of one row shape the next.
        QTest::newRow("diffused") << plain(grey(128)) << fit(Diffuse) << QRect(1, 1, 8, 3)
                                  << ".#.#.#.#\n#.#.#.#.\n.#.#.#.#";
        // Bright as the eye sees it: a pure green looks light, a pure blue dark.
        QTest::newRow("green, threshold 150")
            << plain(qRgb(0, 255, 0)) << fit(Threshold, 150) << QRect(1, 1, 1, 1) << ".";
        QTest::newRow("blue, threshold 30")
            << plain(qRgb(0, 0, 255)) << fit(Threshold, 30) << QRect(1, 1, 1, 1) << "#";
        QTest::newRow("chart, colour threshold")
            << chart << fit(Threshold, 128, RedBlueGreen) << QRect(1, 1, 5, 1) << "rbgg.";
        // Seven sixteenths of the way from white to red.
        QTest::newRow("pale red, colour ordered")
            << plain(qRgb(255, 144, 144)) << fit(Ordered, 128, RedBlueGreen) << QRect(1, 1, 4, 4)
            << "r.r.\n.r.r\n..r.\n.r.r";
        QTest::newRow("wide, margins") << wide << fit(Threshold) << QRect(1, 16, 2, 2) << "..\n##";
        QTest::newRow("tall, whole") << tall << fit(Threshold) << QRect(47, 1, 4, 1) << "..##";
        QTest::newRow("tall, cut")
            << tall << fit(Threshold, 128, BlackWhite, Cover) << QRect(1, 32, 1, 2) << "#\n.";
    }
    void fitsAsDrawn() {
        QFETCH(QImage, image);
        QFETCH(FitOptions, options);
        QFETCH(QRect, cells);
        QFETCH(QString, art);
        QCOMPARE(pictureart::art(exchange::fitImage(image, options), cells.left(), cells.top(),
                                 cells.right(), cells.bottom()),
                 art);
    }

    // A cell whose source is white or a colour of the calculator's screen is that colour
    // under every way of dithering: no dots on white, no holes in a flat ink, white margins.
    void exactColoursStayExact_data() {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<FitOptions>("options");
        QTest::addColumn<QRect>("inkCells");  // the rest white
        QTest::addColumn<model::ColorCode>("ink");
        const QList<model::ColorCode> colourInks{model::kRed, model::kBlue, model::kGreen};
        for (const FitColours colours : {BlackWhite, RedBlueGreen}) {
            const auto inks = colours == BlackWhite ? QList{model::kBlack} : colourInks;
            for (const FitDither dither : {Diffuse, Ordered, Threshold}) {
                const FitOptions options = fit(dither, 128, colours);
                const auto row = [&](const char* name, model::ColorCode ink) -> QTestData& {
                    return QTest::addRow("%s, %d %d %d", name, int(colours), int(dither), int(ink));
                };
                const QRect screen(1, 1, model::kColumns, model::kRows);
                row("white", 0) << plain(grey(255)) << options << QRect() << model::kBlack;
                row("white shade", 0)
                    << plain(qRgb(255, 252, 255)) << options << QRect() << model::kBlack;
                for (const model::ColorCode ink : inks) {
                    const QRgb shown = pictureart::paletteQRgb(ink);
                    row("flat", ink) << plain(shown) << options << screen << ink;
                    row("margins", ink) << drawn(256, 64, [=](int, int) { return shown; })
                                        << options << QRect(1, 17, 128, 32) << ink;
                    row("edge", ink)
                        << screenSized([=](int x, int) { return x < 64 ? grey(255) : shown; })
                        << options << QRect(65, 1, 64, 64) << ink;
                }
            }
        }
        QTest::newRow("green shade") << plain(qRgb(0, 132, 0)) << fit(Ordered, 128, RedBlueGreen)
                                     << QRect(1, 1, model::kColumns, model::kRows) << model::kGreen;
        // Transparency shows the white it stands on, and inverting applies to that.
        QTest::newRow("transparent, inverted")
            << drawn(256, 64, [](int, int) { return qRgba(0, 0, 0, 0); })
            << fit(Threshold, 128, BlackWhite, Contain, true) << QRect(1, 17, 128, 32)
            << model::kBlack;
    }
    void exactColoursStayExact() {
        QFETCH(QImage, image);
        QFETCH(FitOptions, options);
        QFETCH(QRect, inkCells);
        QFETCH(model::ColorCode, ink);
        const model::PictureGrid picture = exchange::fitImage(image, options);
        int wrong = 0;
        model::PictureGrid::forEachUsedCell([&](int x, int y) {
            wrong += picture.at(x, y) != (inkCells.contains(x, y) ? ink : model::kWhite);
        });
        QCOMPARE(wrong, 0);
    }

    // Both dithers keep an image's brightness: the share of ink cells follows it.
    void ditherKeepsTheBrightness_data() {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<FitOptions>("options");
        QTest::addColumn<double>("inkShare");
        for (const int level : {40, 128, 220}) {
            QTest::addRow("grey %d", level)
                << plain(grey(level)) << fit(Diffuse) << 1 - level / 255.0;
        }
        // A pure green is as bright as a grey of 182.
        QTest::newRow("green") << plain(qRgb(0, 255, 0)) << fit(Diffuse) << 1 - 182 / 255.0;
        QTest::newRow("dark grey, ordered") << plain(grey(64)) << fit(Ordered) << 0.75;
        QTest::newRow("green, ordered") << plain(qRgb(0, 255, 0)) << fit(Ordered) << 5 / 16.0;
        // A quarter of the way from white to an ink.
        QTest::newRow("pink") << plain(qRgb(255, 192, 192)) << fit(Diffuse, 128, RedBlueGreen)
                              << 0.25;
        QTest::newRow("pink, ordered")
            << plain(qRgb(255, 192, 192)) << fit(Ordered, 128, RedBlueGreen) << 0.25;
    }
    void ditherKeepsTheBrightness() {
        QFETCH(QImage, image);
        QFETCH(FitOptions, options);
        QFETCH(double, inkShare);
        const model::PictureGrid picture = exchange::fitImage(image, options);
        int inkCells = 0;
        model::PictureGrid::forEachUsedCell(
            [&](int x, int y) { inkCells += picture.at(x, y) != model::kWhite; });
        const double share = double(inkCells) / (model::kColumns * model::kRows);
        QVERIFY2(qAbs(share - inkShare) <= 0.02, qPrintable(QString::number(share)));
    }
};

QTEST_MAIN(TestImageFit)
#include "test_image_fit.moc"
