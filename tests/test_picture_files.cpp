#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <optional>

#include <sys/resource.h>

#include "catfile/catwriter.h"
#include "exchange/failuretext.h"
#include "exchange/picturefileload.h"
#include "exchange/picturefilesave.h"
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
        exchange::PictureFileLoad load;
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

    // Each fails at some step; the file that had the name stays as it was.
    void savesThatCannotBeWritten_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");  // as the user reads it; empty: the system's own
        QTest::newRow("missing folder") << "missing/picture.cat" << QString();
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
            const model::Outcome saved = exchange::savePictureFile(
                filePath(target), SaveVariant::Monochrome, artPicture(), {});
            QVERIFY(!saved);
            failure = saved.failure();
        }
        const QString text = exchange::failureText(*failure);
        QVERIFY(!text.isEmpty());
        if (!reason.isEmpty()) {
            QCOMPARE(text, reason);
        }
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
            exchange::savePictureFile(path, SaveVariant::Colour, artPicture(), {});
        limit.rlim_cur = unlimited;
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, signalBefore);
        QVERIFY(!saved);
        QCOMPARE(exchange::failureText(saved.failure()), u"súbor sa nepodarilo zapísať celý"_s);
        QCOMPARE(fileBytes(path), QByteArray("old picture"));
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{u"picture.cat"_s});
    }

  private:
    QString filePath(const QString& name) const { return folder_->filePath(name); }

    std::optional<QTemporaryDir> folder_;
};

QTEST_MAIN(TestPictureFiles)
#include "test_picture_files.moc"
