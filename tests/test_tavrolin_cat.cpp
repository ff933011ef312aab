#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "catfile/catwriter.h"
#include "exchange/bmpexport.h"
#include "exchange/imagefit.h"
#include "g1marchive.h"
#include "g1mfile/g1mwriter.h"
#include "pictureart.h"
#include "testfiles.h"

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The image whose cells (1..4, 1) the editor imports as black, red, blue and green.
QImage testImage() {
    QImage image(4, 1, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x) {
        image.setPixel(x, 0, pictureart::paletteQRgb(x + 1));
    }
    return image;
}

}  // namespace

class TestTavrolinCat : public QObject {
    Q_OBJECT

    QString filePath(const QString& name) const { return folder_->filePath(name); }
    // Runs the converter in the test's folder with the space-separated arguments, on a
    // desktop that names no language.
    Run run(const QString& arguments) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"LANGUAGE"_s);
        environment.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder_->path());
        process.start(QString::fromUtf8(TAVROLIN_CAT), arguments.split(u' ', Qt::SkipEmptyParts));
        if (!process.waitForFinished(30000)) {
            qFatal("tavrolin-cat did not finish");
        }
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

  private slots:
    void init() {
        folder_.emplace();
        QVERIFY(folder_->isValid());
        QVERIFY(testImage().save(filePath(u"in.png"_s)));
        QVERIFY(testImage().save(filePath(u"in.bmp"_s)));
    }
    void cleanup() { folder_.reset(); }

    // The files are the editor's files of the imported picture, byte for byte; with --fit,
    // of the picture the fit dialog gives with the same settings.
    void encodeWritesTheEditorsFile_data() {
        QTest::addColumn<QString>("arguments");  // writing out.cat
        QTest::addColumn<QByteArray>("expected");
        model::PictureGrid imported;
        pictureart::draw(imported, 1, 1, {u"#rbg"_s});
        const auto colour = [](const model::PictureGrid& picture, catfile::SaveColours chosen) {
            return QByteArray::fromStdString(catfile::colourFile(picture, chosen));
        };
        const exchange::FitOptions fit{exchange::FitMode::Cover, exchange::FitDither::Ordered, 128,
                                       true, exchange::FitColours::RedBlueGreen};
        QTest::newRow("png mono") << "in.png --mono"
                                  << QByteArray::fromStdString(catfile::monochromeFile(imported));
        QTest::newRow("bmp colour") << "in.bmp --colour" << colour(imported, {});
        QTest::newRow("red and green")
            << "in.png --colour --colours green,red" << colour(imported, {true, false, true});
        QTest::newRow("fit") << "in.png --colour --fit=cover --dither ordered --invert"
                             << colour(exchange::fitImage(testImage(), fit), {});
    }
    void encodeWritesTheEditorsFile() {
        QFETCH(QString, arguments);
        QFETCH(QByteArray, expected);
        const Run done = run(u"encode "_s + arguments + u" out.cat"_s);
        QCOMPARE(done.err, QByteArray());
        QCOMPARE(done.exitCode, 0);
        QCOMPARE(fileBytes(filePath(u"out.cat"_s)), expected);
    }

    void decodeWritesTheEditorsExport_data() {
        QTest::addColumn<QString>("options");
        QTest::addColumn<bool>("colour");
        QTest::addColumn<QString>("expected");  // cells (1..5, 1)
        QTest::newRow("mono") << QString() << false << "#....";
        QTest::newRow("colour, all") << QString() << true << ".rbgg";
        QTest::newRow("colour, blue") << " --colours blue" << true << "..b..";
    }
    void decodeWritesTheEditorsExport() {
        QFETCH(QString, options);
        QFETCH(bool, colour);
        QFETCH(QString, expected);
        model::PictureGrid picture;
        pictureart::draw(picture, 1, 1, {u"#rbgg"_s});
        writeBytes(filePath(u"in.cat"_s),
                   QByteArray::fromStdString(colour ? catfile::colourFile(picture, {})
                                                    : catfile::monochromeFile(picture)));
        QCOMPARE(run(u"decode in.cat out.bmp"_s + options).exitCode, 0);
        model::EditorState editor;
        pictureart::draw(editor.picture, 1, 1, {expected});
        QVERIFY(exchange::exportPicture(editor, filePath(u"editor.bmp"_s),
                                        exchange::SaveVariant::Monochrome));
        QCOMPARE(fileBytes(filePath(u"out.bmp"_s)), fileBytes(filePath(u"editor.bmp"_s)));
        QCOMPARE(run(u"decode in.cat out.PNG"_s + options).exitCode, 0);
        QCOMPARE(QImage(filePath(u"out.PNG"_s)).convertToFormat(QImage::Format_RGB32),
                 QImage(filePath(u"editor.bmp"_s)).convertToFormat(QImage::Format_RGB32));
        if (options.isEmpty()) {  // show prints the same cells, a line a row
            const QByteArray firstRow = expected.toUpper().toLatin1().leftJustified(128, '.');
            QCOMPARE(run(u"show in.cat"_s).out,
                     firstRow + '\n' + (QByteArray(128, '.') + '\n').repeated(63));
        }
    }

    // The format comes from the output's name, and back from the file's content.
    void g1mFilesAndListing() {
        QCOMPARE(run(u"encode in.png out.g1m --pict 20"_s).exitCode, 0);
        model::PictureGrid black;
        black.at(1, 1) = model::kBlack;
        QCOMPARE(fileBytes(filePath(u"out.g1m"_s)),
                 QByteArray::fromStdString(g1mfile::g1mPictureFile(black, 20)));
        QVERIFY(QFile::rename(filePath(u"out.g1m"_s), filePath(u"out.png"_s)));
        QCOMPARE(run(u"list out.png"_s).out, "Pict 20\n");
        QVERIFY(run(u"show out.png --pict 20"_s).out.startsWith("#.."));
        QCOMPARE(run(u"encode in.png out.cat --colour"_s).exitCode, 0);
        const QByteArray program =
            "%Header Record\r\nFormat:MCS1\r\nData Type:PG\r\nFile Name:PROG\r\n";
        writeBytes(filePath(u"archive.cat"_s), program + fileBytes(filePath(u"out.cat"_s)));
        QCOMPARE(run(u"list archive.cat"_s).out, "- MCS1 PG PROG\n1 IMG PC Picture6\n");
        QCOMPARE(run(u"show archive.cat --record 1"_s).out, run(u"show out.cat"_s).out);
        QCOMPARE(run(u"show archive.cat --record 2"_s).exitCode, 1);
    }

    // encode into an existing .g1m archive keeps its other items and says so; any other
    // file stays as it was unless --new asks for a new file.
    void encodeIntoAnExistingFile_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("message");
        model::PictureGrid black;
        black.at(1, 1) = model::kBlack;
        const QByteArray archive = g1marchive::archive(
            g1marchive::memoryFile("PROGRAM", "system", "DRAW", 0x01, "x") +
                QByteArray::fromStdString(g1mfile::g1mPictureFile({}, 3)).mid(0x20),
            2);
        const std::string view(archive.constData(), std::size_t(archive.size()));
        QTest::newRow("archive") << archive << "--pict 3" << 0
                                 << QByteArray::fromStdString(
                                        g1mfile::g1mWithPicture(view, black, 3).value())
                                 << "out.g1m: ponechané iné položky: 1";
        QTest::newRow("other file")
            << QByteArray("notes") << QString() << 1 << QByteArray("notes")
            << "out.g1m nie je súbor .g1m, do ktorého sa dá pridať obrázok; --new";
        QTest::newRow("--new") << archive << "--new" << 0
                               << QByteArray::fromStdString(g1mfile::g1mPictureFile(black, 1))
                               << QString();
    }
    void encodeIntoAnExistingFile() {
        QFETCH(QByteArray, before);
        QFETCH(QString, options);
        QFETCH(int, status);
        QFETCH(QByteArray, after);
        QFETCH(QString, message);
        writeBytes(filePath(u"out.g1m"_s), before);
        const Run done = run(u"encode in.png out.g1m "_s + options);
        QCOMPARE(done.exitCode, status);
        QVERIFY2(QString::fromUtf8(done.err).contains(message), done.err.constData());
        QCOMPARE(fileBytes(filePath(u"out.g1m"_s)), after);
    }

    void failuresGiveTheirStatus_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const auto usage = u"použitie: tavrolin-cat"_s;
        QTest::newRow("nothing") << QString() << 2 << usage;
        QTest::newRow("English asked") << "--lang en convert a b" << 2 << "usage: tavrolin-cat";
        QTest::newRow("French asked") << "list --lang=fr" << 2 << "utilisation\u00a0: tavrolin-cat";
        QTest::newRow("no value") << "show in.cat --record" << 2 << "za --record chýba hodnota";
        QTest::newRow("unknown command") << "convert a b" << 2 << usage;
        QTest::newRow("one file") << "decode in.cat" << 2 << usage;
        QTest::newRow("gif out") << "decode in.cat o.gif" << 2 << usage;
        QTest::newRow("no variant") << "encode in.png o.cat" << 2 << usage;
        QTest::newRow("both variants") << "encode in.png o.cat --mono --colour" << 2 << usage;
        QTest::newRow("colours with mono")
            << "encode in.png o.cat --mono --colours red" << 2 << usage;
        QTest::newRow("white is not saved")
            << "encode in.png o.cat --colour --colours=white" << 2 << "nie white";
        QTest::newRow("threshold too high")
            << "encode in.png o.cat --mono --fit --threshold 256" << 2 << "od 0 do 255";
        QTest::newRow("threshold with dithering")
            << "encode in.png o.cat --mono --fit --dither ordered --threshold 9" << 2
            << "patrí k --dither none";
        QTest::newRow("colours without list") << "decode in.cat o.bmp --colours" << 2 << usage;
        QTest::newRow("unknown option") << "show in.cat -x" << 2 << usage;
        QTest::newRow("missing cat") << "show none.cat" << 1 << "none.cat: súbor neexistuje";
        QTest::newRow("not a cat") << "show in.png" << 1 << "in.png:1: ";
        QTest::newRow("not an image")
            << "encode in.cat o.cat --mono" << 1 << "in.cat: nie je to obrázok";
        QTest::newRow("too large")
            << "encode huge.png o.cat --mono --fit" << 1 << "huge.png: obrázok má 30000 × 30000";
        QTest::newRow("missing folder")
            << "encode in.png no/o.cat --mono" << 1 << "no/o.cat: priečinok neexistuje";
        QTest::newRow("folder as output")
            << "encode in.png out.bmp --mono" << 1 << "out.bmp: je to priečinok";
        QTest::newRow("folder of no files")
            << "encode in.png /proc/o.cat --mono" << 1 << "/proc/o.cat: nemáte povolenie";
        QTest::newRow("pict 21") << "show in.g1m --pict 21" << 2 << usage;
        QTest::newRow("colour g1m") << "encode in.png o.g1m --colour" << 2 << usage;
        QTest::newRow("no such pict") << "show in.g1m --pict 2" << 1 << "„Pict 2“";
        QTest::newRow("list no picture file") << "list in.png" << 1 << "in.png:1: ";
        // Each option a command or its file has no use for is named.
        QTest::newRow("fit word") << "encode in.png o.cat --mono --fit foo" << 2 << "nie foo";
        QTest::newRow("three files") << "decode in.cat o.bmp o.png" << 2 << "dva názvy súborov";
        QTest::newRow("pict of cat") << "show in.cat --pict 1" << 2 << "--pict patrí k";
        QTest::newRow("record of g1m") << "decode in.g1m o.bmp --record 1" << 2 << "--record patrí";
        QTest::newRow("empty colours")
            << "encode in.png o.cat --colour --colours=" << 2 << "--colours potrebuje";
        QTest::newRow("mono g1m") << "encode in.png o.g1m --mono" << 2 << "--mono patrí k";
        QTest::newRow("g1m cut in its magic") << "show cut" << 1 << "cut: súbor je skrátený";
        QTest::newRow("empty g1m") << "list empty.G1R" << 1 << "empty.G1R: súbor je prázdny";
        QTest::newRow("--new for .cat") << "encode in.png o.cat --mono --new" << 2 << usage;
        QTest::newRow("past Pict 20")
            << "encode in.png in.bmp o.g1m --pict 20" << 2 << "presahuje Pict 20";
        QTest::newRow("several into .cat") << "encode in.png in.bmp o.cat --mono" << 2 << ".g1m";
        QTest::newRow("bad --name") << "decode in.cat o.c --name 1x" << 2 << "--name berie";
        QTest::newRow("--name for .png") << "decode in.cat o.png --name a" << 2 << "--name patrí";
        QTest::newRow("--format for a file") << "decode in.cat o.png --format c" << 2 << usage;
    }
    void failuresGiveTheirStatus() {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        writeBytes(filePath(u"in.cat"_s), QByteArray::fromStdString(catfile::monochromeFile({})));
        writeBytes(filePath(u"in.g1m"_s),
                   QByteArray::fromStdString(g1mfile::g1mPictureFile({}, 1)));
        writeBytes(filePath(u"cut"_s), fileBytes(filePath(u"in.g1m"_s)).first(5));
        writeBytes(filePath(u"empty.G1R"_s), {});
        writeBytes(filePath(u"huge.png"_s), kHugePng);
        QVERIFY(QDir(folder_->path()).mkdir(u"out.bmp"_s));
        const Run done = run(arguments);
        QCOMPARE(done.exitCode, status);
        QVERIFY2(QString::fromUtf8(done.err).contains(message), done.err.constData());
        QCOMPARE(done.out, QByteArray());
        QVERIFY(!QFile::exists(filePath(u"o.cat"_s)) && !QFile::exists(filePath(u"o.bmp"_s)) &&
                !QFile::exists(filePath(u"o.g1m"_s)));
    }

    // Several images become Pict n, n + 1, … in order; a file decodes into a folder, a
    // file a picture, and never over a file there unless --force.
    void batches() {
        QImage blank(128, 64, QImage::Format_RGB32);
        blank.fill(Qt::white);
        QVERIFY(blank.save(filePath(u"white.png"_s)));
        QCOMPARE(run(u"encode in.png white.png in.bmp out.g1m --pict 18"_s).exitCode, 0);
        const QByteArray white = (QByteArray(128, '.') + '\n').repeated(64);
        QVERIFY(run(u"show out.g1m --pict 18"_s).out != white);
        QCOMPARE(run(u"show out.g1m --pict 19"_s).out, white);
        QCOMPARE(run(u"show out.g1m --pict 20"_s).out, run(u"show out.g1m --pict 18"_s).out);
        const QString dir = filePath(u"d"_s);
        QCOMPARE(run(u"decode out.g1m d/"_s).out, "d/Pict18.png\nd/Pict19.png\nd/Pict20.png\n");
        QCOMPARE(run(u"decode out.g1m d --format bmp"_s).exitCode, 0);
        const Run refused = run(u"decode out.g1m d"_s);
        QCOMPARE(refused.exitCode, 1);
        QVERIFY(refused.err.contains("Pict18.png už existuje") && refused.out.isEmpty());
        QCOMPARE(run(u"decode out.g1m d --force"_s).exitCode, 0);
        QCOMPARE(run(u"decode out.g1m d --format c"_s).exitCode, 0);
        QVERIFY(fileBytes(dir + u"/Pict20.c"_s).contains("Pict20[1024]"));
        writeBytes(filePath(u"in.cat"_s), QByteArray::fromStdString(catfile::monochromeFile({})));
        QCOMPARE(run(u"decode in.cat d"_s).out, "d/record1.png\n");
        // Pict 17 and 18 written, 19 and 20 kept.
        QCOMPARE(run(u"encode white.png in.png out.g1m --pict 17"_s).err,
                 "tavrolin-cat: out.g1m: ponechané iné položky: 2\n");
    }

    void versionAsTheEditors() {
        const Run done = run(u"list x --version"_s);
        QCOMPARE(done.exitCode, 0);
        QCOMPARE(done.out, QByteArray("tavrolin-cat 2.0\n"));
    }

    // A name of the longest length leaves no room for the name of the file written beside
    // it: the write fails for any user, wherever the folder lies.
    void failedWriteKeepsTheOldFile() {
        const QString name = QString(251, u'a') + u".cat"_s;
        writeBytes(filePath(name), "old picture");
        const Run done = run(u"encode in.png "_s + name + u" --mono"_s);
        QCOMPARE(done.exitCode, 1);
        QVERIFY2(done.err.startsWith("tavrolin-cat: " + name.toUtf8() + ": "),
                 done.err.constData());
        QCOMPARE(fileBytes(filePath(name)), QByteArray("old picture"));
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files).size(), 3);  // no file left over
    }

  private:
    std::optional<QTemporaryDir> folder_;
};

QTEST_MAIN(TestTavrolinCat)
#include "test_tavrolin_cat.moc"
