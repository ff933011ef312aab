#include <QLine>
#include <QTest>
#include <set>
#include <utility>

#include "model/palette.h"
#include "model/picturegrid.h"
#include "model/raster.h"

using namespace tavrolin::model;

using Pixels = std::set<std::pair<int, int>>;
Q_DECLARE_METATYPE(Pixels)

class TestModelCore : public QObject {
    Q_OBJECT

  private slots:
    void colourReadBack_data() {
        QTest::addColumn<int>("rgb");
        QTest::addColumn<int>("code");  // -1: no code
        QTest::newRow("white") << 0xFFFFFF << 0;
        QTest::newRow("near white") << 0xFFFCFF << 0;
        QTest::newRow("black") << 0x000000 << 1;
        QTest::newRow("red") << 0xFF0000 << 2;
        QTest::newRow("blue") << 0x0000FF << 3;
        QTest::newRow("green") << 0x008000 << 4;
        QTest::newRow("near green") << 0x008400 << 4;
        QTest::newRow("bright green") << 0x00FF00 << -1;
        QTest::newRow("almost white") << 0xFFFFFE << -1;
        QTest::newRow("almost green") << 0x008200 << -1;
        QTest::newRow("near white swapped") << 0xFCFFFF << -1;
    }
    void colourReadBack() {
        QFETCH(int, rgb);
        QFETCH(int, code);
        const auto got = colorCodeFromRgb(Rgb{static_cast<std::uint8_t>(rgb >> 16),
                                              static_cast<std::uint8_t>(rgb >> 8),
                                              static_cast<std::uint8_t>(rgb)});
        QCOMPARE(got.has_value() ? *got : -1, code);
    }

    void codesBeyondThePaletteHaveNoColour() {
        QVERIFY(!paletteRgb(-1));
        QVERIFY(!paletteRgb(5));
    }

    void gridKeepsRowAndColumnZero() {
        PictureGrid grid;
        grid.at(0, 5) = grid.at(5, 0) = 7;
        grid.at(128, 64) = kRed;
        grid.clearUsedCells();
        QCOMPARE(grid.at(128, 64), kWhite);
        QCOMPARE(grid.at(0, 5), std::int16_t{7});
        QCOMPARE(grid.at(5, 0), std::int16_t{7});
        PictureGrid copy;
        grid.at(1, 1) = kBlue;
        copy.copyUsedCellsFrom(grid);
        QVERIFY(copy.usedCellsEqual(grid));
        QCOMPARE(copy.at(0, 5), std::int16_t{0});
        QVERIFY(!copy.usedCellsEqual(PictureGrid{}));
    }

    void linePlotsStartAndLeavesOutEnd_data() {
        QTest::addColumn<QLine>("line");
        QTest::addColumn<Pixels>("expected");
        QTest::newRow("right") << QLine(0, 0, 4, 0) << Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 0}};
        QTest::newRow("left") << QLine(4, 0, 0, 0) << Pixels{{4, 0}, {3, 0}, {2, 0}, {1, 0}};
        QTest::newRow("down") << QLine(2, 1, 2, 4) << Pixels{{2, 1}, {2, 2}, {2, 3}};
        QTest::newRow("diagonal") << QLine(0, 0, 3, 3) << Pixels{{0, 0}, {1, 1}, {2, 2}};
        QTest::newRow("anti-diagonal") << QLine(3, 0, 0, 3) << Pixels{{3, 0}, {2, 1}, {1, 2}};
        QTest::newRow("shallow") << QLine(0, 0, 4, 2) << Pixels{{0, 0}, {1, 0}, {2, 1}, {3, 1}};
        QTest::newRow("steep back")
            << QLine(0, 0, -2, -4) << Pixels{{0, 0}, {0, -1}, {-1, -2}, {-1, -3}};
        QTest::newRow("single point") << QLine(5, 5, 5, 5) << Pixels{};
    }
    void linePlotsStartAndLeavesOutEnd() {
        QFETCH(QLine, line);
        QFETCH(Pixels, expected);
        Pixels plotted;
        forEachLinePixel(line.x1(), line.y1(), line.x2(), line.y2(), [&](int x, int y) {
            plotted.insert({x, y});
        });
        QCOMPARE(plotted, expected);
    }

    // The midpoint circle's own pixels around (10, 20), as rows separated by '/'.
    void circlePixels_data() {
        QTest::addColumn<int>("radius");
        QTest::addColumn<QString>("art");
        QTest::newRow("0") << 0 << QStringLiteral("#");
        QTest::newRow("1") << 1 << QStringLiteral(".#./#.#/.#.");
        QTest::newRow("3") << 3
                           << QStringLiteral(
                                  "..###../.#...#./#.....#/#.....#/#.....#/.#...#./..###..");
    }
    void circlePixels() {
        QFETCH(int, radius);
        QFETCH(QString, art);
        Pixels plotted;
        forEachCirclePixel(10, 20, radius, [&](int x, int y) { plotted.insert({x, y}); });
        QStringList rows;
        for (int y = 20 - radius; y <= 20 + radius; ++y) {
            QString row;
            for (int x = 10 - radius; x <= 10 + radius; ++x) {
                row += QLatin1Char(plotted.contains({x, y}) ? '#' : '.');
            }
            rows << row;
        }
        QCOMPARE(rows.join(u'/'), art);
    }
};

QTEST_GUILESS_MAIN(TestModelCore)
#include "test_model_core.moc"
