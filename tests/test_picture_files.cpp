#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <optional>

#include <sys/resource.h>
#include <sys/stat.h>

#include "catfile/catwriter.h"
#include "exchange/catfileload.h"
#include "exchange/catfilesave.h"
#include "exchange/failuretext.h"
#include "exchange/g1mitemstext.h"
#include "exchange/imagescan.h"
#include "exchange/picturefilebytes.h"
#include "exchange/pictureformats.h"
#include "exchange/savedcells.h"
#include "g1mfile/g1mwriter.h"
#include "pictureart.h"
#include "testfiles.h"
#include "withoutroot.h"

using namespace tavrolin;
using namespace Qt::StringLiterals;
using exchange::SaveVariant;

namespace {

model::PictureGrid artPicture() {
    model::PictureGrid picture;
    pictureart::draw(picture, 1, 1, {u"#rbg"_s});
    return picture;
}

const QByteArray kMono = QByteArray::fromStdString(catfile::monochromeFile(artPicture()));
const QByteArray kColour = QByteArray::fromStdString(catfile::colourFile(artPicture(), {}));

}  // namespace

// The file edge of opening and saving; the window tests drive the rest.
class TestPictureFiles : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        folder_.emplace();
        QVERIFY(folder_->isValid());
    }
    void cleanup() { folder_.reset(); }

    // Which format a file is: by its first bytes, else by its name, else an image (the
    // first of them); "Otvor" reads an image as a .cat, whose reader says why it is none.
    void formatOfAFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("known");
        QTest::addColumn<QString>("opened");
        const QByteArray g1m = QByteArray::fromStdString(g1mfile::g1mPictureFile(artPicture(), 3));
        QTest::newRow(".cat by content") << "picture.txt" << kMono << "cat" << u"cat"_s;
        QTest::newRow(".cat by name") << "picture.CAT" << QByteArray("junk") << "cat" << u"cat"_s;
        QTest::newRow(".g1m by content") << "picture.cat" << g1m << "g1m" << u"g1m"_s;
        QTest::newRow(".g1m name, other content")
            << "picture.g1m" << QByteArray("a text, no picture") << "g1m" << u"g1m"_s;
        QTest::newRow(".g1r name, too short")
            << "picture.G1R" << QByteArray("USB") << "g1m" << u"g1m"_s;
        QTest::newRow("empty .g1m") << "picture.g1m" << QByteArray() << "g1m" << u"g1m"_s;
        QTest::newRow("missing") << "missing.png" << QByteArray("<none>") << "bmp" << u"cat"_s;
    }
    void formatOfAFile() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, known);
        QFETCH(QString, opened);
        if (bytes != "<none>") {
            writeBytes(filePath(name), bytes);
        }
        QCOMPARE(QString::fromLatin1(exchange::formatOfFile(filePath(name)).name), known);
        QCOMPARE(QString::fromLatin1(exchange::formatToOpen(filePath(name)).name), opened);
    }

    // A picture is written as the name chosen says, else as a .cat file.
    void formatForSaving_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("format");
        for (const QString& pair :
             u"a.g1m=g1m a.G1M=g1m a.cat=cat a=cat a.bmp=cat a.g1m.cat=cat "
             u"a.cat.g1m=g1m"_s.split(u' ')) {
            QTest::newRow(qPrintable(pair)) << pair.section(u'=', 0, 0) << pair.section(u'=', 1);
        }
    }
    void formatForSaving() {
        QFETCH(QString, name);
        QFETCH(QString, format);
        QCOMPARE(QString::fromLatin1(exchange::formatForSaving(name).name), format);
    }

    // What reaches the reader: the file's first 4 MB at most.
    void fileTextReachesTheReader_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("waits");
        QTest::addColumn<QString>("expected");  // cells (1..4, 1) after the completion
        QTest::addColumn<int>("end");           // where a file cut short ends; 0 for none
        const qsizetype data = kMono.indexOf("00000000");  // the first data line
        QTest::newRow("monochrome") << kMono << true << false << "#..." << 0;
        QTest::newRow("colour") << kColour << true << true << ".rbg" << 0;
        QTest::newRow("not a picture file") << QByteArray("junk") << false << false << "...." << 0;
        QTest::newRow("4 MB read") << kMono.left(data) + QByteArray(4 << 20, 'x') + kMono.mid(data)
                                   << true << false << "...." << 10;
        // Asks for the colours, then gives what is there.
        QTest::newRow("colour plane cut")
            << kColour.left(kColour.indexOf("%End") - 40) << true << true << ".rbg" << 282;
        QTest::newRow("monochrome plane cut")
            << kMono.left(kMono.indexOf("%End") - 200) << true << false << "...." << 133;
    }
    void fileTextReachesTheReader() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QFETCH(bool, waits);
        QFETCH(QString, expected);
        QFETCH(int, end);
        const QString path = folder_->filePath(u"picture.cat"_s);
        writeBytes(path, bytes);
        model::EditorState state;
        state.picture.at(9, 9) = model::kRed;
        exchange::CatFileLoad load;
        load.start(state, path);
        QCOMPARE(load.loadValid(), valid);
        QCOMPARE(load.waitsForColours(), waits);
        QVERIFY(load.pending());
        load.finish(state, {});
        QVERIFY(!load.pending());
        QCOMPARE(load.fileEnd().value_or(0), end);
        QCOMPARE(pictureart::art(state.picture, 1, 1, 4, 1), expected);
        QCOMPARE(state.picture.at(9, 9), model::kWhite);
        QCOMPARE(state.undoHistory.latest().at(9, 9), model::kRed);
    }

    // What is no ordinary file is refused at once, wherever a file is read: an alarm
    // ends a test that waits. Only root reads /proc/kmsg.
    void specialFilesAreRefusedAtOnce_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        const QString special = u"nie je to obyčajný súbor"_s;
        QTest::newRow("named pipe") << "pipe.cat" << special;
        QTest::newRow("endless device") << "/dev/zero" << special;
        QTest::newRow("kernel's text") << "/proc/cpuinfo" << special;
        QTest::newRow("folder") << "." << u"je to priečinok, nie súbor"_s;
        if (::access("/proc/kmsg", R_OK) == 0) {
            QTest::newRow("kernel messages") << "/proc/kmsg" << special;
        }
    }
    void specialFilesAreRefusedAtOnce() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QCOMPARE(::mkfifo(qPrintable(filePath(u"pipe.cat"_s)), 0600), 0);
        const QString path = QDir(folder_->path()).filePath(name);
        ::alarm(60);
        QCOMPARE(QString::fromLatin1(exchange::formatOfFile(path).name),
                 name.endsWith(u".cat"_s) ? u"cat"_s : u"bmp"_s);
        const auto bytes = exchange::readPictureFileBytes(path, 64);
        const auto image = exchange::scanImageFile(path, {});
        ::alarm(0);
        QCOMPARE(exchange::failureText(bytes.failure()), reason);
        QCOMPARE(exchange::failureText(image.failure()), reason);
    }

    // Each fails at some step; the file that had the name stays as it was.
    void savesThatCannotBeWritten_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");  // as the user reads it
        QTest::newRow("missing folder") << "missing/picture.cat" << u"priečinok neexistuje"_s;
        QTest::newRow("through a file") << "readonly/picture.cat/new.cat"
                                        << u"cesta k súboru vedie cez súbor, nie cez priečinok"_s;
        QTest::newRow("name too long")
            << QString(300, u'n') + u".cat"_s << u"meno súboru je pridlhé"_s;
        QTest::newRow("read-only folder") << "readonly/picture.cat" << u"nemáte povolenie"_s;
        QTest::newRow("folder of that name") << "folder.cat" << u"je to priečinok, nie súbor"_s;
    }
    void savesThatCannotBeWritten() {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QDir folder(folder_->path());
        QVERIFY(folder.mkdir(u"readonly"_s));
        QVERIFY(folder.mkdir(u"folder.cat"_s));
        writeBytes(filePath(u"readonly/picture.cat"_s), "old picture");
        QVERIFY(QFile::setPermissions(filePath(u"readonly"_s), kReadOnlyFolder));
        QVERIFY(QFile::setPermissions(
            folder_->path(), kReadOnlyFolder | QFileDevice::WriteOwner | QFileDevice::WriteOther));
        std::optional<model::Failure> failure;
        {
            const WithoutRoot asUser;
            const model::Outcome saved =
                exchange::saveCatFile(filePath(target), SaveVariant::Monochrome, artPicture(), {});
            QVERIFY(!saved);
            failure = saved.failure();
        }
        QCOMPARE(exchange::failureText(*failure), reason);
        QFile::setPermissions(filePath(u"readonly"_s), kReadOnlyFolder | QFileDevice::WriteOwner);
        QFile::setPermissions(folder_->path(), kReadOnlyFolder | QFileDevice::WriteOwner);
        QCOMPARE(fileBytes(filePath(u"readonly/picture.cat"_s)), QByteArray("old picture"));
        // No temporary file is left behind either.
        QCOMPARE(folder.entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(filePath(u"readonly"_s)).entryList(QDir::Files),
                 QStringList{u"picture.cat"_s});
        QVERIFY(QFileInfo(filePath(u"folder.cat"_s)).isDir());
    }

    // A disk that fills up or a file size limit stops the writing short: the old file
    // stays, and nothing is left beside it.
    void saveWrittenShortKeepsTheOldFile() {
        const QString path = filePath(u"picture.cat"_s);
        writeBytes(path, "old picture");
        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlim_t unlimited = limit.rlim_cur;
        limit.rlim_cur = 1024;
        const auto signalBefore = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const model::Outcome saved =
            exchange::saveCatFile(path, SaveVariant::Colour, artPicture(), {});
        limit.rlim_cur = unlimited;
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, signalBefore);
        QVERIFY(!saved);
        QCOMPARE(exchange::failureText(saved.failure()), u"súbor sa nepodarilo zapísať celý"_s);
        QCOMPARE(fileBytes(path), QByteArray("old picture"));
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{u"picture.cat"_s});
    }

    // A save keeps a cell only in a colour its file holds: black in the black-and-white
    // files, a chosen one of red, blue and green in the colour file.
    void cellsToSave_data() {
        QTest::addColumn<QString>("art");  // cells (1..3, 1)
        QTest::addColumn<bool>("colour");
        QTest::addColumn<int>("chosen");  // red 1, blue 2, green 4
        QTest::addColumn<bool>("any");
        QTest::newRow("black") << u"..#"_s << false << 7 << true;
        QTest::newRow("colours only") << u"rbg"_s << false << 7 << false;
        QTest::newRow("black in colour") << u"#.."_s << true << 7 << false;
        QTest::newRow("green") << u"..g"_s << true << 7 << true;
        QTest::newRow("red and blue, green chosen") << u"rb."_s << true << 4 << false;
        QTest::newRow("blue chosen") << u"r.b"_s << true << 2 << true;
    }
    void cellsToSave() {
        QFETCH(QString, art);
        QFETCH(bool, colour);
        QFETCH(int, chosen);
        QFETCH(bool, any);
        model::PictureGrid picture;
        pictureart::draw(picture, 1, 1, {art});
        const catfile::SaveColours colours{(chosen & 1) != 0, (chosen & 2) != 0, (chosen & 4) != 0};
        QCOMPARE(exchange::hasCellsToSave(
                     picture, colour ? SaveVariant::Colour : SaveVariant::Monochrome, colours),
                 any);
    }

    // What else a .g1m archive holds, for the question before a picture joins it.
    void itemsOfAnArchive_data() {
        QTest::addColumn<QString>("kinds");  // a letter an item: picture, capture, program, other
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << QString() << QString();
        QTest::newRow("named") << "cpror" << u"Snímka 1, Pict 2, programy: 2, iné: 1"_s;
        QTest::newRow("four named") << "pppp" << u"Pict 1, Pict 2, Pict 3, Pict 4"_s;
        QTest::newRow("five counted") << "ppcpp" << u"obrázky: 5"_s;
    }
    void itemsOfAnArchive() {
        QFETCH(QString, kinds);
        QFETCH(QString, text);
        std::vector<g1mfile::G1mItem> items;
        for (const QChar letter : kinds) {
            const auto kind = g1mfile::G1mItem::Kind(QStringLiteral("pcro").indexOf(letter));
            const int number = int(items.size()) + 1;
            items.push_back(
                {kind, (letter == u'c' ? "Capture " : "Pict ") + std::to_string(number)});
        }
        QCOMPARE(exchange::g1mItemsText(items), text);
    }

  private:
    QString filePath(const QString& name) const { return folder_->filePath(name); }

    std::optional<QTemporaryDir> folder_;
};

QTEST_MAIN(TestPictureFiles)
#include "test_picture_files.moc"
