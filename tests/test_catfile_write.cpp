// Writing picture files: the planes, the layout of both variants, read back.
#include "cattext.h"
#include "pictureart.h"

class TestCatFileWrite : public QObject {
    Q_OBJECT

  private slots:
    void writtenDataLines_data() {
        QTest::addColumn<bool>("colour");
        QTest::addColumn<Cells>("cells");
        QTest::addColumn<int>("saved");           // colours chosen: 1 red, 2 blue, 4 green
        QTest::addColumn<LineTexts>("expected");  // lines not listed as in a blank picture's file
        const QByteArray z30(30, '0');
        QTest::newRow("(1,1)") << false << Cells{{1, 1}} << 7 << LineTexts{{138, z30 + "80"}};
        QTest::newRow("(128,64)") << false << Cells{{128, 64}} << 7 << LineTexts{{75, "01" + z30}};
        QTest::newRow("(121,48)") << false << Cells{{121, 48}} << 7 << LineTexts{{76, "80" + z30}};
        QTest::newRow("mono: colours")
            << false << Cells{{1, 1, 2}, {2, 1, 3}, {3, 1, 4}} << 7 << LineTexts{};
        QTest::newRow("red (1,1)") << true << Cells{{1, 1, 2}} << 7 << LineTexts{{85, z30 + "80"}};
        QTest::newRow("colour: black") << true << Cells{{1, 1, 1}} << 7 << LineTexts{};
        QTest::newRow("blue, green") << true << Cells{{1, 1, 3}, {128, 64, 4}} << 7
                                     << LineTexts{{151, z30 + "80"}, {154, "01" + z30}};
        QTest::newRow("only blue chosen")
            << true << Cells{{1, 1, 2}, {2, 1, 3}, {3, 1, 4}} << 2 << LineTexts{{151, z30 + "40"}};
    }
    void writtenDataLines() {
        QFETCH(bool, colour);
        QFETCH(Cells, cells);
        QFETCH(int, saved);
        QFETCH(LineTexts, expected);
        const PictureGrid picture = pictureOf(cells);
        const SaveColours chosen{(saved & 1) != 0, (saved & 2) != 0, (saved & 4) != 0};
        const QByteArray blankWithLines = edited(colour ? kColour : kMono, [&](QByteArrayList& l) {
            for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
                l[it.key() - 1] = it.value();
            }
        });
        QCOMPARE(crLfLines(bytes(colour ? colourFile(picture, chosen) : monochromeFile(picture))),
                 crLfLines(blankWithLines));
    }

    void fileLayout_data() {
        QTest::addColumn<QString>("header");   // lines from line 1, separated by '|'
        QTest::addColumn<LineTexts>("fixed");  // further lines
        QTest::addColumn<bool>("colour");
        const QByteArray note = "Tento subor bol vytvoreny programom Tavrolin.";
        QTest::newRow("monochrome")
            << "%Header Record|Format:MCS1|Type Number:7|File Name:PICT1|Option Name:|"
               "Communication SW:0|Capacity:2048|Data Type:PC|%Data Record"
            << LineTexts{{74, ""}, {139, "%End"}, {140, note}} << false;
        QTest::newRow("colour")
            << "%Header Record|Format:IMG|Communication SW:0|Data Type:PC|Height:64|"
               "Width:128|Data Name:Picture6|Group Name:|Start Position:DR|"
               "Direction:U|Byte Direction:W|Bit Weight:F|Colors:4|Sheets:1|Option1:|"
               "Option2:|Option3:|Option4:|%Data Record"
            << LineTexts{{20, "Sheet:1"},  {21, "Color:1"},  {86, "Sheet:1"},  {87, "Color:2"},
                         {152, "Sheet:1"}, {153, "Color:3"}, {218, "Sheet:1"}, {219, "Color:4"},
                         {284, "%End"},    {285, note}}
            << true;
    }
    void fileLayout() {
        QFETCH(QString, header);
        QFETCH(LineTexts, fixed);
        QFETCH(bool, colour);
        const PictureGrid picture = pictureart::patternPicture();
        const QByteArray file = bytes(colour ? colourFile(picture, {}) : monochromeFile(picture));
        const QByteArrayList lines = crLfLines(file);
        QCOMPARE(int(lines.size()), colour ? 285 : 140);
        QCOMPARE(lines.mid(0, header.count(u'|') + 1), header.toLatin1().split('|'));
        for (auto it = fixed.cbegin(); it != fixed.cend(); ++it) {
            QCOMPARE(lines[it.key() - 1], it.value());
        }

        // Read back, it gives the cells of the colours saved.
        const auto read = decodeCatFile(view(file), {});
        QVERIFY(read);
        QCOMPARE(int(read.value().loadFormat), colour ? 2 : 1);
        QVERIFY(!read.value().end);
        int lost = 0;
        PictureGrid::forEachUsedCell([&](int x, int y) {
            const int code = picture.at(x, y);
            const int kept = colour ? (code >= 2 ? code : 0) : (code == 1 ? 1 : 0);
            lost += read.value().picture.at(x, y) == kept ? 0 : 1;
        });
        QCOMPARE(lost, 0);
    }
};

QTEST_GUILESS_MAIN(TestCatFileWrite)
#include "test_catfile_write.moc"
