#include <QTest>
#include <set>
#include <utility>

#include "model/palette.h"
#include "model/picturegrid.h"
#include "model/raster.h"

using namespace tavrolin::model;

using Pixels = std::set<std::pair<int, int>>;
Q_DECLARE_METATYPE(Pixels)

namespace {

Pixels linePixels(int x1, int y1, int x2, int y2) {
    Pixels plotted;
    forEachLinePixel(x1, y1, x2, y2, [&](int x, int y) { plotted.insert({x, y}); });
    return plotted;
}

}  // namespace

class TestModelCore : public QObject {
    Q_OBJECT

  private slots:
    void colourReadBack_data() {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<int>("code");  // -1: no code
        QTest::newRow("white") << 255 << 255 << 255 << 0;
        QTest::newRow("near white") << 255 << 252 << 255 << 0;
        QTest::newRow("black") << 0 << 0 << 0 << 1;
        QTest::newRow("red") << 255 << 0 << 0 << 2;
        QTest::newRow("blue") << 0 << 0 << 255 << 3;
        QTest::newRow("green") << 0 << 128 << 0 << 4;
        QTest::newRow("near green") << 0 << 132 << 0 << 4;
        QTest::newRow("bright green") << 0 << 255 << 0 << -1;
        QTest::newRow("almost white") << 255 << 255 << 254 << -1;
        QTest::newRow("almost green") << 0 << 130 << 0 << -1;
        QTest::newRow("near white swapped") << 252 << 255 << 255 << -1;
    }
    void colourReadBack() {
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(int, code);
        const auto got =
            colorCodeFromRgb(Rgb{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                                 static_cast<std::uint8_t>(blue)});
        QCOMPARE(got.has_value() ? *got : -1, code);
    }

    void gridKeepsRowAndColumnZero() {
        PictureGrid grid;
        grid.at(0, 0) = 7;
        grid.at(0, 5) = 7;
        grid.at(5, 0) = 7;
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
        QTest::addColumn<int>("x1");
        QTest::addColumn<int>("y1");
        QTest::addColumn<int>("x2");
        QTest::addColumn<int>("y2");
        QTest::addColumn<Pixels>("expected");
        QTest::newRow("right") << 0 << 0 << 4 << 0 << Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 0}};
        QTest::newRow("left") << 4 << 0 << 0 << 0 << Pixels{{4, 0}, {3, 0}, {2, 0}, {1, 0}};
        QTest::newRow("down") << 2 << 1 << 2 << 4 << Pixels{{2, 1}, {2, 2}, {2, 3}};
        QTest::newRow("diagonal") << 0 << 0 << 3 << 3 << Pixels{{0, 0}, {1, 1}, {2, 2}};
        QTest::newRow("anti-diagonal") << 3 << 0 << 0 << 3 << Pixels{{3, 0}, {2, 1}, {1, 2}};
        QTest::newRow("shallow") << 0 << 0 << 4 << 2 << Pixels{{0, 0}, {1, 0}, {2, 1}, {3, 1}};
        QTest::newRow("steep back")
            << 0 << 0 << -2 << -4 << Pixels{{0, 0}, {0, -1}, {-1, -2}, {-1, -3}};
        QTest::newRow("single point") << 5 << 5 << 5 << 5 << Pixels{};
    }
    void linePlotsStartAndLeavesOutEnd() {
        QFETCH(int, x1);
        QFETCH(int, y1);
        QFETCH(int, x2);
        QFETCH(int, y2);
        QFETCH(Pixels, expected);
        QCOMPARE(linePixels(x1, y1, x2, y2), expected);
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
                row += QLatin1Char(plotted.count({x, y}) ? '#' : '.');
            }
            rows << row;
        }
        QCOMPARE(rows.join(u'/'), art);
    }
};

QTEST_GUILESS_MAIN(TestModelCore)
#include "test_model_core.moc"
