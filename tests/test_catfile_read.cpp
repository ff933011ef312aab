// Reading picture files: items, the header check, data lines and planes.
#include <QPoint>
#include <set>
#include <vector>

#include "cattext.h"

class TestCatFileRead : public QObject {
    Q_OBJECT

  private slots:
    // Items long enough to be scanned a word at a time, in a buffer of their exact size
    // (a read past its end shows under AddressSanitizer).
    void itemReader_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArrayList>("items");
        QTest::addColumn<int>("lastLine");  // of the last item, counting from 7
        const QByteArrayList two = {"first item", "second item"};
        QTest::newRow("CR LF") << QByteArray("first item\r\nsecond item\r\n") << two << 8;
        QTest::newRow("bare LF") << QByteArray("first item\nsecond item\n") << two << 8;
        QTest::newRow("lone CR") << QByteArray("first item\rsecond item\r") << two << 8;
        QTest::newRow("no last line end") << QByteArray("a\r\nb") << QByteArrayList{"a", "b"} << 8;
        QTest::newRow("empty lines") << QByteArray("\r\n\n\r") << QByteArrayList{"", "", ""} << 9;
        QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QByteArrayList{"a", "", "b"} << 9;
        QTest::newRow("commas") << QByteArray("first item,,second item,\r\n")
                                << QByteArrayList{"first item", "", "second item", ""} << 7;
        QTest::newRow("NUL kept") << QByteArray("a\0b\nc", 5)
                                  << QByteArrayList{QByteArray("a\0b", 3), "c"} << 8;
        QTest::newRow("empty") << QByteArray() << QByteArrayList{} << 6;
    }
    void itemReader() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArrayList, items);
        QFETCH(int, lastLine);
        const std::vector<char> exact(bytes.begin(), bytes.end());
        CatItemReader reader(std::string_view(exact.data(), exact.size()), 7);
        for (const QByteArray& item : items) {
            const auto taken = reader.next();
            QVERIFY(taken);
            QCOMPARE(QByteArray(taken->data(), qsizetype(taken->size())), item);
        }
        QVERIFY(reader.atEnd());
        QVERIFY(!reader.next());
        QCOMPARE(reader.line(), lastLine);
    }

    void headerCheck_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("failure");      // "" readable, else "reason@line"
        QTest::addColumn<QByteArray>("nextItem");  // the reader's item after the check
        const QByteArray plane = "1234";
        const QByteArray mono = withLines(kMono, {10}, plane);
        const QByteArray colour = withLines(kColour, {22}, plane);
        auto row = [](const char* name, const QByteArray& file, int format, const char* failure,
                      const QByteArray& next) {
            QTest::newRow(name) << file << format << QString::fromLatin1(failure) << next;
        };
        auto cut = [](const QByteArray& text, int lines) {
            return edited(text, [&](QByteArrayList& all) { all.resize(lines); });
        };

        row("mono as written", mono, 1, "", plane);
        row("colour as written", colour, 2, "", plane);
        row("colour lower case", colour.toLower(), 2, "", plane);
        row("comma splits line 7", withLines(colour, {7}, "Data Name:Picture,6"), 2, "key@8",
            "Color:1");
        // Whatever follows a key is ignored, a NUL and a byte above 127 too.
        row("text after keys",
            QByteArray(mono)
                .replace("Record\r", QByteArray("Record\0\xff\r", 9))
                .replace("MCS1", "MCS12")
                .replace("Name:\r", "Name:s\r"),
            1, "", plane);
        row("unexamined mono lines", withLines(mono, {3, 4, 6, 7, 8}, "?"), 1, "", plane);
        row("unexamined colour lines",
            withLines(colour, {3, 4, 7, 8, 13, 14, 15, 16, 17, 18, 20, 21}, "\x80?"), 2, "", plane);
        row("mono: line 1", withLines(mono, {1}, "%Header Recor"), 1, "key@1", plane);
        row("mono: line 5", withLines(mono, {5}, "Option Nam:"), 1, "key@5", plane);
        row("mono: line 9", withLines(mono, {9}, "%Data"), 1, "key@9", plane);
        row("colour: line 1", withLines(colour, {1}, "Header Record"), 2, "key@1", plane);
        row("colour: HEIGHT:63", withLines(colour, {5}, "Height:63"), 2, "key@5", plane);
        row("colour: WIDTH:127", withLines(colour, {6}, "Width:127"), 2, "key@6", plane);
        row("colour: line 9", withLines(colour, {9}, "Start Position:DL"), 2, "key@9", plane);
        row("colour: line 12", withLines(colour, {12}, "Bit Weight:8"), 2, "key@12", plane);
        row("colour: line 19", withLines(colour, {19}, "%Data Recor"), 2, "key@19", plane);
        row("Format:MCS", withLines(mono, {2}, "Format:MCS"), 0, "format@2", "Type Number:7");
        row("empty file", QByteArray(), 0, "empty@0", "<end>");
        row("one line", cut(mono, 1), 0, "cut@1", "<end>");
        row("mono cut at 8", cut(mono, 8), 1, "cut@8", "<end>");
        row("mono cut at 9", cut(mono, 9), 1, "", "<end>");
    }
    void headerCheck() {
        QFETCH(QByteArray, file);
        QFETCH(int, format);
        QFETCH(QString, failure);
        QFETCH(QByteArray, nextItem);
        CatItemReader reader(view(file));
        const CatHeader header = checkCatHeader(reader);
        QCOMPARE(int(header.loadFormat), format);
        QCOMPARE(header.loadValid, failure.isEmpty());
        if (!header.loadValid) {
            QCOMPARE(failureAt(header.failure), failure);
        }
        const auto next = reader.next();
        QCOMPARE(next ? QByteArray(next->data(), qsizetype(next->size())) : "<end>", nextItem);
    }

    void decodeLine_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("n");
        QTest::addColumn<Cells>("set");       // cells given a set bit, among others
        QTest::addColumn<int>("setCount");    // how many cells in all
        QTest::addColumn<int>("touched");     // cells given a value
        QTest::addColumn<QPoint>("unknown");  // first of four cells given none; (0, 0): none
        const QByteArray z(30, '0');          // thirty zeros
        QTest::newRow("a5 lower case")
            << "00a5" + z.left(28) << 64 << Cells{{1, 15}, {3, 15}, {6, 15}, {8, 15}} << 4 << 128
            << QPoint();
        QTest::newRow("31 digits") << z + "0" << 64 << Cells{} << 0 << 124 << QPoint(5, 1);
        QTest::newRow("31 digits, n=1")
            << QByteArray(31, 'F') << 1 << Cells{{121, 64}} << 124 << 124 << QPoint(125, 49);
        QTest::newRow("G first") << "G1" + z << 1 << Cells{{128, 64}} << 1 << 124
                                 << QPoint(121, 64);
        QTest::newRow("byte 0xFF") << "0\xff" + z << 1 << Cells{} << 0 << 124 << QPoint(125, 64);
        QTest::newRow("NUL last") << z + QByteArray("8\0", 2) << 64 << Cells{{1, 1}} << 1 << 124
                                  << QPoint(5, 1);
        QTest::newRow("after 32 ignored") << z + "00FFFF" << 64 << Cells{} << 0 << 128 << QPoint();
        QTest::newRow("all set") << QByteArray(32, 'f') << 35 << Cells{{57, 32}, {64, 17}} << 128
                                 << 128 << QPoint();
        QTest::newRow("empty") << QByteArray() << 64 << Cells{} << 0 << 0 << QPoint(1, 1);
        QTest::newRow("n=0") << z + "FF" << 0 << Cells{} << 0 << 0 << QPoint();
        QTest::newRow("n=65") << z + "FF" << 65 << Cells{} << 0 << 0 << QPoint();
    }
    void decodeLine() {
        QFETCH(QByteArray, text);
        QFETCH(int, n);
        QFETCH(Cells, set);
        QFETCH(int, setCount);
        QFETCH(int, touched);
        QFETCH(QPoint, unknown);
        std::set<std::pair<int, int>> visited;
        std::set<std::pair<int, int>> setBits;
        bool inRange = true;
        decodePlaneLine(view(text), n).forEachCell([&](int x, int y, bool bit) {
            inRange = inRange && x >= 1 && x <= 128 && y >= 1 && y <= 64;
            visited.insert({x, y});
            if (bit) {
                setBits.insert({x, y});
            }
        });
        QVERIFY(inRange);
        QCOMPARE(int(visited.size()), touched);  // no cell visited twice
        QCOMPARE(int(setBits.size()), setCount);
        for (const Cell& cell : set) {
            QVERIFY(setBits.contains({cell.x, cell.y}));
        }
        for (int x = unknown.x(); x < unknown.x() + 4 && !unknown.isNull(); ++x) {
            QVERIFY(!visited.contains({x, unknown.y()}));
        }
    }

    // Cell (1,1) lies in the last line of every plane, as the highest bit of its byte 15;
    // (2,1), the next bit, is clear in every plane. A file cut short keeps what it holds,
    // and the lines it lacks leave their cells.
    void planes_data() {
        QTest::addColumn<bool>("colour");
        QTest::addColumn<QString>("digits");  // of (1..4, 1), plane by plane in file order
        QTest::addColumn<int>("ticks");       // 1 red, 2 blue, 4 green, 8 white
        QTest::addColumn<int>("before");      // code of (1,1) and (2,1) before loading
        QTest::addColumn<int>("keep");        // lines kept; 0 for all
        QTest::addColumn<QString>("after");   // codes of (1,1) and (2,1)
        QTest::addColumn<int>("end");         // the file end reported; 0 for none
        QTest::newRow("mono: picture plane") << false << "08" << 0 << 0 << 0 << "10" << 0;
        QTest::newRow("mono: picture plane clears") << false << "80" << 0 << 1 << 0 << "00" << 0;
        QTest::newRow("mono: cut at 72") << false << "88" << 0 << 4 << 72 << "44" << 72;
        QTest::newRow("mono: cut at 137") << false << "80" << 0 << 0 << 137 << "10" << 137;
        QTest::newRow("mono: 138 lines") << false << "08" << 0 << 0 << 138 << "10" << 0;
        QTest::newRow("red clears to white") << true << "0000" << 15 << 1 << 0 << "00" << 0;
        QTest::newRow("red") << true << "8000" << 15 << 0 << 0 << "20" << 0;
        QTest::newRow("red, blue, green: green") << true << "8880" << 15 << 0 << 0 << "40" << 0;
        QTest::newRow("green, white: white") << true << "0088" << 15 << 1 << 0 << "00" << 0;
        QTest::newRow("blue only ticked") << true << "8800" << 2 << 1 << 0 << "31" << 0;
        QTest::newRow("red unticked, set") << true << "8000" << 14 << 1 << 0 << "11" << 0;
        QTest::newRow("white only ticked") << true << "8888" << 8 << 4 << 0 << "04" << 0;
        QTest::newRow("green only ticked") << true << "8080" << 4 << 3 << 0 << "43" << 0;
        QTest::newRow("nothing ticked") << true << "8888" << 0 << 3 << 0 << "33" << 0;
        QTest::newRow("colour: cut at 282") << true << "8008" << 15 << 0 << 282 << "20" << 282;
        QTest::newRow("colour: 283 lines") << true << "8008" << 15 << 0 << 283 << "00" << 0;
    }
    void planes() {
        QFETCH(bool, colour);
        QFETCH(QString, digits);
        QFETCH(int, ticks);
        QFETCH(int, before);
        QFETCH(int, keep);
        QFETCH(QString, after);
        QFETCH(int, end);
        const QByteArray file = edited(colour ? kColour : kMono, [&](QByteArrayList& lines) {
            for (int k = 0; k < digits.size(); ++k) {
                lines[colour ? 84 + 66 * k : 72 + 65 * k][30] = digits[k].toLatin1();
            }
            lines.resize(keep > 0 ? keep : lines.size());
        });
        PictureGrid picture = pictureOf({{1, 1, before}, {2, 1, before}});
        CatItemReader reader(view(file));
        QVERIFY(checkCatHeader(reader).loadValid);
        const FileEnd fileEnd = colour ? applyColourPlanes(reader, picture, loadColours(ticks))
                                       : applyMonochromePlanes(reader, picture);
        QCOMPARE(fileEnd.value_or(0), end);
        QCOMPARE(QString::number(picture.at(1, 1)) + QString::number(picture.at(2, 1)), after);
    }

    // Archives: records from one "%Header Record" line to the next; the first picture
    // opens, and what goes wrong is told at its line in the whole file.
    void records_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("record");
        QTest::addColumn<QString>("expected");  // "names" of picture records, or the failure
        const QByteArray picture = withLines(kMono, {75}, "01" + QByteArray(30, '0'));
        const QByteArray program =
            withLines(withLines(picture, {8}, "Data Type:PG"), {4}, "File Name:PROG");
        const QByteArray list = "%Header Record\r\nFormat:LIST\r\nData Type:LT\r\n1,2\r\n";
        const QByteArray colour = withLines(kColour, {7}, "Data Name:Picture3");
        QTest::newRow("one record") << picture << 1 << "PICT1";
        QTest::newRow("program, list, picture") << program + list + picture << 1 << "PICT1";
        QTest::newRow("two pictures, second") << picture + colour << 2 << "Picture3";
        QTest::newRow("lower-case header splits") << list + picture.toLower() << 1 << "pict1";
        QTest::newRow("program only, two records") << program + list << 1 << "none@0";
        QTest::newRow("one program record") << program << 1 << "program@0";
        QTest::newRow("no header line: one record") << "junk\r\n" + kMono << 1 << "key@1";
        const QByteArray damaged = list + withLines(kColour, {6}, "Width:12");
        QTest::newRow("second picture damaged") << damaged << 1 << "key@10";
        // Plane lines are taken as they are decoded: their ends must be found all the same.
        QTest::newRow("archive, bare LF")
            << QByteArray(program + list + picture).replace("\r\n", "\n") << 1 << "PICT1";
        QTest::newRow("archive, lone CR, damaged")
            << QByteArray(damaged).replace("\r\n", "\r") << 1 << "key@10";
        QTest::newRow("last line without its end") << picture.chopped(2) << 1 << "PICT1";
        QTest::newRow("plane line of 20 digits")
            << withLines(picture, {11}, QByteArray(20, '0')) << 1 << "PICT1";
        QTest::newRow("header key inside a line")
            << withLines(picture, {4}, "File Name:%Header Record") << 1 << "%Header Record";
    }
    void records() {
        QFETCH(QByteArray, file);
        QFETCH(int, record);
        QFETCH(QString, expected);
        const auto decoded = decodeCatFile(view(file), loadColours(15), record);
        if (!decoded) {
            QCOMPARE(failureAt(decoded.failure()), expected);
            return;
        }
        QVERIFY(!decoded.value().end);
        const auto chosen = pictureRecord(view(file), record);
        QCOMPARE(
            QString::fromLatin1(chosen.value().name.data(), qsizetype(chosen.value().name.size())),
            expected);
        if (decoded.value().loadFormat == LoadFormat::Monochrome) {
            QCOMPARE(int(decoded.value().picture.at(128, 64)), 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestCatFileRead)
#include "test_catfile_read.moc"
