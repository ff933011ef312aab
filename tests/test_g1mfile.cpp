// The .g1m codec: the bytes written for one picture, and what an archive reads as.
#include <QTest>
#include <string>

#include "g1marchive.h"
#include "g1mfile/g1mgroups.h"
#include "g1mfile/g1mitems.h"
#include "g1mfile/g1mreader.h"
#include "g1mfile/g1mwriter.h"
#include "testfiles.h"

using namespace tavrolin::g1mfile;
using namespace g1marchive;
using tavrolin::model::FailureReason;
using tavrolin::model::PictureGrid;

namespace {

PictureGrid blackAt(std::initializer_list<QPoint> cells) {
    PictureGrid picture;
    for (const QPoint& cell : cells) {
        picture.at(cell.x(), cell.y()) = tavrolin::model::kBlack;
    }
    return picture;
}

// The memory file "Pict n" as the writer makes it, black at (1, 1).
QByteArray pictFile(int n) {
    return file("main", "PICT" + QByteArray::number(n), 0x07, sheet({{1, 1}}) + sheet({}));
}

}  // namespace

class TestG1mFile : public QObject {
    Q_OBJECT

  private slots:
    // The bytes of a file of one picture, and the picture read back.
    void pictureFile_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QByteArray>("digits");  // of the names, in hexadecimal
        QTest::newRow("Pict 1") << 1 << QByteArray("31");
        QTest::newRow("Pict 20") << 20 << QByteArray("3230");
    }
    void pictureFile() {
        QFETCH(int, number);
        QFETCH(QByteArray, digits);
        PictureGrid picture;
        PictureGrid::forEachUsedCell(
            [&](int x, int y) { picture.at(x, y) = std::int16_t((3 * x + 7 * y + x * y) % 5); });
        const QByteArray file = QByteArray::fromStdString(g1mPictureFile(picture, number));
        QCOMPARE(file.size(), 0x84C);
        QCOMPARE(file.first(0x4C).toHex(' '),
                 QByteArray::fromHex("AAACBDAF90889A8D CEFFEFFFEFFF 72 FE FFFFF7B3 FB "
                                     "000000000000000000 FFFE 5049435455524520" +
                                     digits.leftJustified(16, '0') +
                                     "00000001 6D61696E00000000 50494354" +
                                     digits.leftJustified(8, '0') + "07 00000800 000000")
                     .toHex(' '));
        const auto read = readG1mFile(view(file));
        QVERIFY(read.ok());
        QCOMPARE(read.value().size(), 1U);
        QCOMPARE(read.value().front().name, "Pict " + std::to_string(number));
        PictureGrid::forEachUsedCell([&](int x, int y) {
            QCOMPARE(read.value().front().picture.at(x, y) == 1, picture.at(x, y) == 1);
        });
    }

    void archiveWithOtherFiles() {
        const QByteArray body =
            memoryFile("PICTURE 3", "main", "PICT3", 0x07,
                       sheet({{1, 1}, {5, 5}}) + sheet({{128, 64}, {5, 5}})) +
            memoryFile("PROGRAM", "system", "DRAW", 0x01, QByteArray(13, 'x')) +
            memoryFile("CAPT 1", "@REV2", "CAPT 1", 0x0A,
                       QByteArray("\0\x80\0\x40", 4) + sheet({{64, 32}})) +
            memoryFile("PICTURE 20", "main", "PICT20", 0x07, sheet({{2, 3}}) + sheet({}));
        const auto read = readG1mFile(view(archive(body, 4)));
        QVERIFY(read.ok());
        const auto& entries = read.value();
        QCOMPARE(entries.size(), 3U);
        QCOMPARE(entries[0].name + entries[1].name + entries[2].name, "Pict 3Capture 1Pict 20");
        QVERIFY(entries[0].picture.usedCellsEqual(blackAt({{1, 1}, {5, 5}, {128, 64}})));
        QVERIFY(entries[1].picture.usedCellsEqual(blackAt({{64, 32}})));
        QVERIFY(entries[2].picture.usedCellsEqual(blackAt({{2, 3}})));
    }

    // "Pict n" written into an archive: replaced where it is, else added in the
    // calculator's order; every other byte kept, the header's size, control bytes and
    // count made right. `others`: what the archive keeps beside "Pict n", by kind
    // (picture, capture, program, other).
    void pictureIntoArchive_data() {
        QTest::addColumn<QByteArray>("before");  // the archive's groups
        QTest::addColumn<int>("number");
        QTest::addColumn<QByteArray>("after");  // the groups written
        QTest::addColumn<QString>("others");
        const QByteArray old = file("main", "PICT3", 0x07, sheet({{9, 9}}));
        const QByteArray program = memoryFile("PROGRAM", "system", "DRAW", 0x01, "x");
        const QByteArray list = file("main", "1LIST1", 0x05, QByteArray(7, '\1'));
        const QByteArray capture = memoryFile("CAPT 1", "@REV2", "CAPT 1", 0x0A, "\0");
        const QByteArray twenty = group("PICTURE 20", {pictFile(20)});
        QTest::newRow("replaced in its group")
            << group("PICTURE 3", {old}) + program + twenty << 3
            << group("PICTURE 3", {pictFile(3)}) + program + twenty << "r DRAW, p Pict 20";
        QTest::newRow("replaced in any group")
            << group("MIXED", {list, old, list}) << 3 << group("MIXED", {list, pictFile(3), list})
            << "o 1LIST1, o 1LIST1";
        QTest::newRow("added between pictures by number")
            << capture + group("PICTURE 2", {}) + twenty + program << 10
            << capture + group("PICTURE 2", {}) + group("PICTURE 10", {pictFile(10)}) + twenty +
                   program
            << "c Capture 1, p Pict 20, r DRAW";
        QTest::newRow("added to its group, wherever it is")
            << program + group("PICTURE 4", {list}) << 4
            << program + group("PICTURE 4", {list, pictFile(4)}) << "r DRAW, o 1LIST1";
        QTest::newRow("added last")
            << capture << 1 << capture + group("PICTURE 1", {pictFile(1)}) << "c Capture 1";
        QTest::newRow("no group") << QByteArray() << 5 << group("PICTURE 5", {pictFile(5)})
                                  << QString();
    }
    void pictureIntoArchive() {
        QFETCH(QByteArray, before);
        QFETCH(int, number);
        QFETCH(QByteArray, after);
        QFETCH(QString, others);
        const auto files = [](const QByteArray& groups) {
            return int(groups.count("main") + groups.count("system") + groups.count("@REV2"));
        };
        const QByteArray file = archive(before, files(before), 0x62);
        const auto merged = g1mWithPicture(view(file), blackAt({{1, 1}}), number);
        QVERIFY(merged.ok());
        QCOMPARE(QByteArray::fromStdString(merged.value()).toHex(' '),
                 archive(after, files(after), 0x62).toHex(' '));
        QStringList kept;
        for (const G1mItem& item : itemsBesidePicture(readG1mGroups(view(file)).value(), number)) {
            kept << QString(QLatin1Char("pcro"[int(item.kind)])) + u' ' +
                        QString::fromStdString(item.name);
        }
        QCOMPARE(kept.join(u", "), others);
    }

    // -1: the file reads. A damaged file is never written into; one without a picture is.
    void damagedFiles_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("writable");
        const QByteArray good = QByteArray::fromStdString(g1mPictureFile(blackAt({{1, 1}}), 1));
        const QByteArray body = good.mid(0x20);
        const int cut = int(FailureReason::BinaryCutShort);
        const int noPicture = int(FailureReason::NoPictureInside);
        const auto changed = [&](int offset, int xorMask) {
            QByteArray file = good;
            file[offset] = char(file[offset] ^ xorMask);
            return file;
        };
        QTest::newRow("older type") << changed(8, 0x31 ^ 0x62) << -1 << true;
        QTest::newRow("empty") << QByteArray() << int(FailureReason::EmptyFile) << false;
        QTest::newRow("no USBPower")
            << QByteArray("%Header Record\r\n") << int(FailureReason::NotG1mFile) << false;
        QTest::newRow("magic cut") << good.first(5) << cut << false;
        QTest::newRow("header cut") << good.first(0x1F) << cut << false;
        QTest::newRow("add-in") << changed(8, 0x31 ^ 0xF3) << noPicture << false;
        QTest::newRow("size field") << good + '\0' << int(FailureReason::WrongSizeField) << false;
        QTest::newRow("cut after the header") << good.chopped(1) << cut << false;
        QTest::newRow("control 1")
            << changed(0x0E, 1) << int(FailureReason::WrongControlBytes) << false;
        QTest::newRow("control 2")
            << changed(0x14, 1) << int(FailureReason::WrongControlBytes) << false;
        QTest::newRow("data cut") << archive(body.chopped(1), 1) << cut << false;
        QTest::newRow("file header cut") << archive(body.first(0x20), 1) << cut << false;
        QTest::newRow("header alone") << archive({}, 0) << noPicture << true;
        QTest::newRow("empty group") << archive(body + QByteArray(0x14, '\0'), 2) << -1 << true;
        QTest::newRow("group header cut") << archive(body + body.first(0x13), 2) << cut << false;
        QTest::newRow("only a program")
            << archive(memoryFile("PROGRAM", "system", "A", 0x01, "x"), 1) << noPicture << true;
        QTest::newRow("capture not 128 x 64")
            << archive(memoryFile("CAPT 1", "@REV2", "CAPT 1", 0x0A,
                                  QByteArray("\0\x80\0\x20", 4) + sheet({})),
                       1)
            << noPicture << true;
    }
    void damagedFiles() {
        QFETCH(QByteArray, file);
        QFETCH(int, reason);
        QFETCH(bool, writable);
        const auto read = readG1mFile(view(file));
        QCOMPARE(read.ok() ? -1 : int(read.failure().reason), reason);
        const auto merged = g1mWithPicture(view(file), {}, 1);
        QCOMPARE(merged.ok(), writable);
        if (!writable) {
            QCOMPARE(int(merged.failure().reason), reason);
        }
    }
};

QTEST_APPLESS_MAIN(TestG1mFile)
#include "test_g1mfile.moc"
