// Reading picture files: items, the header check, data lines and planes.
#include "cattext.h"

class TestCatFileRead : public QObject {
    Q_OBJECT

  private slots:
    void itemReader_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArrayList>("items");
        QTest::addColumn<int>("lastLine");  // of the last item, counting from 7
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QByteArrayList{"a", "b"} << 8;
        QTest::newRow("bare LF") << QByteArray("a\nb\n") << QByteArrayList{"a", "b"} << 8;
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QByteArrayList{"a", "b"} << 8;
        QTest::newRow("no last line end") << QByteArray("a\r\nb") << QByteArrayList{"a", "b"} << 8;
        QTest::newRow("empty lines") << QByteArray("\r\n\n\r") << QByteArrayList{"", "", ""} << 9;
        QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QByteArrayList{"a", "", "b"} << 9;
        QTest::newRow("commas") << QByteArray(",a,,b,\r\n") << QByteArrayList{"", "a", "", "b", ""}
                                << 7;
        QTest::newRow("NUL kept") << QByteArray("a\0b\nc", 5)
                                  << QByteArrayList{QByteArray("a\0b", 3), "c"} << 8;
        QTest::newRow("empty") << QByteArray() << QByteArrayList{} << 6;
    }
    void itemReader() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArrayList, items);
        QFETCH(int, lastLine);
        CatItemReader reader(view(bytes), 7);
        for (const QByteArray& item : items) {
            const auto taken = reader.next();
            QVERIFY(taken);
            QCOMPARE(QByteArray(taken->data(), qsizetype(taken->size())), item);
        }
        QVERIFY(reader.atEnd());
        QVERIFY(!reader.next());
        QVERIFY(!reader.next());
        QCOMPARE(reader.line(), lastLine);
        QVERIFY(!CatItemReader(view(bytes)).skip(int(items.size()) + 1));
    }

    void headerCheck_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("failure");      // "" readable, else "reason@line"
        QTest::addColumn<QByteArray>("nextItem");  // the reader's item after the check
        const QByteArray mono = withLine(kMono, 10, "FIRST PLANE");
        const QByteArray colour = withLine(kColour, 22, "FIRST PLANE");
        const QByteArray plane = "FIRST PLANE";
        auto row = [](const char* name, const QByteArray& file, int format, const char* failure,
                      const QByteArray& next) {
            QTest::newRow(name) << file << format << QString::fromLatin1(failure) << next;
        };
        auto cut = [](const QByteArray& text, int lines) {
            return edited(text, [&](QByteArrayList& all) { all.resize(lines); });
        };
        auto mono1 = [&](int line, const QByteArray& content) {
            return withLine(mono, line, content);
        };
        auto colour1 = [&](int line, const QByteArray& content) {
            return withLine(colour, line, content);
        };

        row("mono as written", mono, 1, "", plane);
        row("colour as written", colour, 2, "", plane);
        row("mono upper case", caseFolded(mono, 9, true), 1, "", plane);
        row("colour lower case", caseFolded(colour, 21, false), 2, "", plane);
        row("mono bare LF", QByteArray(mono).replace("\r\n", "\n"), 1, "", plane);
        row("colour lone CR", QByteArray(colour).replace("\r\n", "\r"), 2, "", plane);
        row("comma joins lines 3, 4",
            edited(mono, [](QByteArrayList& l) { l[2] += "," + l.takeAt(3); }), 1, "", plane);
        row("comma splits line 3", mono1(3, "Type,Number:7"), 1, "key@4", "%Data Record");
        row("comma splits line 7", colour1(7, "Data Name:Picture,6"), 2, "key@8", "Color:1");
        row("HEIGHT:640", colour1(5, "HEIGHT:640"), 2, "", plane);
        row("Width:1280", colour1(6, "Width:1280"), 2, "", plane);
        row("Format:MCS12", mono1(2, "Format:MCS12"), 1, "", plane);
        row("text after keys",
            withLine(withLine(mono1(1, "%Header Records"), 5, "Option Name:s"), 9, "%Data Records"),
            1, "", plane);
        row("NUL after a key", mono1(1, QByteArray("%Header Record\0\xff", 16)), 1, "", plane);
        row("unexamined mono lines", withLines(mono, {3, 4, 6, 7, 8}, "?"), 1, "", plane);
        row("unexamined colour lines",
            withLines(colour, {3, 4, 7, 8, 13, 14, 15, 16, 17, 18, 20, 21}, "\x80?"), 2, "", plane);
        row("mono: line 1", mono1(1, "%Header Recor"), 1, "key@1", plane);
        row("mono: line 5", mono1(5, "Option Nam:"), 1, "key@5", plane);
        row("mono: line 9", mono1(9, "%Data"), 1, "key@9", plane);
        row("mono: colour key on line 5", mono1(5, "Height:64"), 1, "key@5", plane);
        row("colour: line 1", colour1(1, "Header Record"), 2, "key@1", plane);
        row("colour: HEIGHT:63", colour1(5, "Height:63"), 2, "key@5", plane);
        row("colour: HEIGHT:6", colour1(5, "Height:6"), 2, "key@5", plane);
        row("colour: WIDTH:127", colour1(6, "Width:127"), 2, "key@6", plane);
        row("colour: line 9", colour1(9, "Start Position:DL"), 2, "key@9", plane);
        row("colour: line 12", colour1(12, "Bit Weight:8"), 2, "key@12", plane);
        row("colour: line 19", colour1(19, "%Data Recor"), 2, "key@19", plane);
        row("Format:MCS", mono1(2, "Format:MCS"), 0, "format@2", "Type Number:7");
        row("Format: IMG", colour1(2, "Format: IMG"), 0, "format@2", "Communication SW:0");
        row("empty line 2", mono1(2, ""), 0, "format@2", "Type Number:7");
        row("empty file", QByteArray(), 0, "empty@0", kEnd);
        row("one line", cut(mono, 1), 0, "cut@1", kEnd);
        row("mono cut at 8", cut(mono, 8), 1, "cut@8", kEnd);
        row("mono cut at 9", cut(mono, 9), 1, "", kEnd);
        row("colour cut at 20", cut(colour, 20), 2, "cut@20", kEnd);
        row("colour cut at 21", cut(colour, 21), 2, "", kEnd);
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
            static const QMap<tavrolin::model::FailureReason, QString> kNames = {
                {tavrolin::model::FailureReason::HeaderKeyMismatch, QStringLiteral("key")},
                {tavrolin::model::FailureReason::NoPictureFormat, QStringLiteral("format")},
                {tavrolin::model::FailureReason::HeaderCutShort, QStringLiteral("cut")},
                {tavrolin::model::FailureReason::EmptyFile, QStringLiteral("empty")}};
            QCOMPARE(QStringLiteral("%1@%2")
                         .arg(kNames.value(header.failure.reason))
                         .arg(header.failure.line),
                     failure);
        }
        const auto next = reader.next();
        QCOMPARE(next ? QByteArray(next->data(), qsizetype(next->size())) : kEnd, nextItem);
    }

    void decodeLine_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("n");
        QTest::addColumn<Cells>("set");        // cells given a set bit, among others
        QTest::addColumn<int>("setCount");     // how many cells in all
        QTest::addColumn<int>("touched");      // cells given a value
        QTest::addColumn<Cells>("untouched");  // cells of the line given none
        const QByteArray z30(30, '0');
        QTest::newRow("a5 lower case")
            << "00a5" + QByteArray(28, '0') << 64 << Cells{{1, 15}, {3, 15}, {6, 15}, {8, 15}} << 4
            << 128 << Cells{};
        QTest::newRow("31 digits") << QByteArray(31, '0') << 64 << Cells{} << 0 << 124
                                   << Cells{{5, 1}, {6, 1}, {7, 1}, {8, 1}};
        QTest::newRow("31 digits, n=1") << QByteArray(31, 'F') << 1 << Cells{{121, 64}} << 124
                                        << 124 << Cells{{125, 49}, {126, 49}, {127, 49}, {128, 49}};
        QTest::newRow("G first") << "G1" + z30 << 1 << Cells{{128, 64}} << 1 << 124
                                 << Cells{{121, 64}, {122, 64}, {123, 64}, {124, 64}};
        QTest::newRow("byte 0xFF") << "0\xff" + z30 << 1 << Cells{} << 0 << 124
                                   << Cells{{125, 64}, {126, 64}, {127, 64}, {128, 64}};
        QTest::newRow("NUL last") << z30 + QByteArray("8\0", 2) << 64 << Cells{{1, 1}} << 1 << 124
                                  << Cells{{5, 1}, {6, 1}, {7, 1}, {8, 1}};
        QTest::newRow("after 32 ignored") << z30 + "00FFFF" << 64 << Cells{} << 0 << 128 << Cells{};
        QTest::newRow("all set") << QByteArray(32, 'f') << 35 << Cells{{57, 32}, {64, 17}} << 128
                                 << 128 << Cells{};
        QTest::newRow("empty") << QByteArray() << 64 << Cells{} << 0 << 0 << Cells{{1, 1}};
        QTest::newRow("n=0") << z30 + "FF" << 0 << Cells{} << 0 << 0 << Cells{};
        QTest::newRow("n=65") << z30 + "FF" << 65 << Cells{} << 0 << 0 << Cells{};
    }
    void decodeLine() {
        QFETCH(QByteArray, text);
        QFETCH(int, n);
        QFETCH(Cells, set);
        QFETCH(int, setCount);
        QFETCH(int, touched);
        QFETCH(Cells, untouched);
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
        for (const Cell& cell : untouched) {
            QVERIFY(!visited.contains({cell.x, cell.y}));
        }
    }

    void monochromePlanes_data() {
        QTest::addColumn<char>("first");    // digit of cells (1..4, 1) in the first plane
        QTest::addColumn<char>("picture");  // the same digit in the picture plane
        QTest::addColumn<QByteArray>("line74");
        QTest::addColumn<QByteArray>("cells");  // codes of (1..4, 1)
        QTest::newRow("picture plane") << '0' << '8' << QByteArray() << QByteArray("1000");
        QTest::newRow("first overwritten") << '8' << '0' << QByteArray() << QByteArray("0000");
        QTest::newRow("non-hex keeps first") << 'F' << 'X' << QByteArray() << QByteArray("1111");
        QTest::newRow("non-hex in both") << 'x' << ' ' << QByteArray() << QByteArray("0000");
        QTest::newRow("lower case") << '0' << 'a' << QByteArray() << QByteArray("1010");
        QTest::newRow("line 74 unread") << '0' << '0' << QByteArray(32, 'F') << QByteArray("0000");
    }
    void monochromePlanes() {
        QFETCH(char, first);
        QFETCH(char, picture);
        QFETCH(QByteArray, line74);
        QFETCH(QByteArray, cells);
        const QByteArray file = edited(kMono, [&](QByteArrayList& lines) {
            lines[72][30] = first;
            lines[137][30] = picture;
            lines[73] = line74;
            lines.resize(138);  // nothing after the picture plane is needed
        });
        const auto read = decodeCatFile(view(file), {});
        QVERIFY(read);
        const DecodedCatFile& decoded = read.value();
        int black = 0;
        PictureGrid::forEachUsedCell([&](int x, int y) { black += decoded.picture.at(x, y); });
        QCOMPARE(black, int(cells.count('1')));
        for (int x = 1; x <= 4; ++x) {
            QCOMPARE(decoded.picture.at(x, 1), cells[x - 1] - '0');
        }
    }

    void colourPlanes_data() {
        QTest::addColumn<int>("planes");     // bit of (1,1) set in Color:1 (1) ... Color:4 (8)
        QTest::addColumn<int>("ticks");      // 1 red, 2 blue, 4 green, 8 white
        QTest::addColumn<int>("before");     // code of (1,1) and (2,1) before loading
        QTest::addColumn<int>("cell");       // (1,1) after
        QTest::addColumn<int>("neighbour");  // (2,1) after: clear in every plane
        QTest::newRow("red clears to white") << 0 << 15 << 1 << 0 << 0;
        QTest::newRow("red") << 1 << 15 << 0 << 2 << 0;
        QTest::newRow("red, blue: blue") << 3 << 15 << 0 << 3 << 0;
        QTest::newRow("red, blue, green: green") << 7 << 15 << 0 << 4 << 0;
        QTest::newRow("green, white: white") << 12 << 15 << 1 << 0 << 0;
        QTest::newRow("blue only ticked") << 3 << 2 << 1 << 3 << 1;
        QTest::newRow("red unticked, set") << 1 << 14 << 1 << 1 << 1;
        QTest::newRow("white only ticked") << 15 << 8 << 4 << 0 << 4;
        QTest::newRow("green only ticked") << 5 << 4 << 3 << 4 << 3;
        QTest::newRow("nothing ticked") << 15 << 0 << 3 << 3 << 3;
    }
    void colourPlanes() {
        QFETCH(int, planes);
        QFETCH(int, ticks);
        QFETCH(int, before);
        QFETCH(int, cell);
        QFETCH(int, neighbour);
        const QByteArray file = edited(kColour, [&](QByteArrayList& lines) {
            for (int k = 0; k < 4; ++k) {
                if (planes & (1 << k)) {
                    lines[84 + 66 * k][30] = '8';
                }
            }
        });
        PictureGrid picture = pictureOf({{1, 1, before}, {2, 1, before}});
        CatItemReader reader(view(file));
        QVERIFY(checkCatHeader(reader).loadValid);
        QVERIFY(!applyColourPlanes(reader, picture, loadColours(ticks)));
        QCOMPARE(int(picture.at(1, 1)), cell);
        QCOMPARE(int(picture.at(2, 1)), neighbour);
    }

    // A file cut short keeps what it holds; the lines it lacks leave their cells.
    void truncatedPlanes_data() {
        QTest::addColumn<bool>("colour");
        QTest::addColumn<int>("keep");      // lines kept
        QTest::addColumn<bool>("lastEnd");  // last kept line ends in CR LF
        QTest::addColumn<int>("end");       // the file end reported; 0 for none
        QTest::addColumn<int>("cell");      // (64, 32): first plane line 44, picture 109
        QTest::newRow("mono, header only") << false << 9 << true << 9 << 9;
        QTest::newRow("mono, 43") << false << 43 << true << 43 << 9;
        QTest::newRow("mono, 44") << false << 44 << true << 44 << 1;
        QTest::newRow("mono, 137") << false << 137 << true << 137 << 1;
        QTest::newRow("mono, 138") << false << 138 << true << 0 << 1;
        QTest::newRow("mono, 138 unended") << false << 138 << false << 0 << 1;
        QTest::newRow("colour, first plane") << true << 85 << true << 85 << 2;
        QTest::newRow("colour, 282") << true << 282 << true << 282 << 4;
        QTest::newRow("colour, 283 unended") << true << 283 << false << 0 << 4;
    }
    void truncatedPlanes() {
        QFETCH(bool, colour);
        QFETCH(int, keep);
        QFETCH(bool, lastEnd);
        QFETCH(int, end);
        QFETCH(int, cell);
        QByteArray file = edited(colour ? kColour : kMono, [&](QByteArrayList& lines) {
            for (const int line : dataLines(colour)) {
                lines[line - 1] = QByteArray(32, 'F');
            }
            lines.resize(keep);
        });
        if (!lastEnd) {
            file.chop(2);
        }
        PictureGrid picture;
        PictureGrid::forEachUsedCell([&](int x, int y) { picture.at(x, y) = 9; });
        CatItemReader reader(view(file));
        QVERIFY(checkCatHeader(reader).loadValid);
        const FileEnd fileEnd = colour ? applyColourPlanes(reader, picture, loadColours(7))
                                       : applyMonochromePlanes(reader, picture);
        QCOMPARE(fileEnd.value_or(0), end);
        QCOMPARE(int(picture.at(64, 32)), cell);
    }

    // Archives: records from one "%Header Record" line to the next; the first picture
    // opens, and what goes wrong is told at its line in the whole file.
    void records_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("record");
        QTest::addColumn<QString>("expected");  // "names" of picture records, or the failure
        const QByteArray picture = withLine(kMono, 75, "01" + QByteArray(30, '0'));
        const QByteArray program =
            withLine(withLine(picture, 8, "Data Type:PG"), 4, "File Name:PROG");
        const QByteArray list = "%Header Record\r\nFormat:LIST\r\nData Type:LT\r\n1,2\r\n";
        const QByteArray colour = withLine(kColour, 7, "Data Name:Picture3");
        QTest::newRow("one record") << picture << 1 << QStringLiteral("PICT1");
        QTest::newRow("program, list, picture")
            << program + list + picture << 1 << QStringLiteral("PICT1");
        QTest::newRow("two pictures, second")
            << picture + colour << 2 << QStringLiteral("Picture3");
        QTest::newRow("lower-case header splits")
            << list + picture.toLower() << 1 << QStringLiteral("pict1");
        QTest::newRow("program only, two records")
            << program + list << 1 << QStringLiteral("none@0");
        QTest::newRow("one program record: its header decides")
            << program << 1 << QStringLiteral("PROG");
        QTest::newRow("no header line: one record")
            << "junk\r\n" + kMono << 1 << QStringLiteral("key@1");
        QTest::newRow("second picture damaged")
            << list + withLine(kColour, 6, "Width:12") << 1 << QStringLiteral("key@10");
        QTest::newRow("no third picture") << picture + colour << 3 << QStringLiteral("none@0");
    }
    void records() {
        QFETCH(QByteArray, file);
        QFETCH(int, record);
        QFETCH(QString, expected);
        const auto decoded = decodeCatFile(view(file), loadColours(15), record);
        if (!decoded) {
            const auto& failure = decoded.failure();
            const bool none = failure.reason == tavrolin::model::FailureReason::NoPictureInside;
            QCOMPARE(
                QStringLiteral("%1@%2").arg(QLatin1String(none ? "none" : "key")).arg(failure.line),
                expected);
            return;
        }
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
