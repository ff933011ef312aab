#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

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

    // What reaches the reader: at most a few megabytes, with either line end.
    void fileTextReachesTheReader_data() {
        QTest::addColumn<QByteArray>("bytes");  // empty: no such file
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("waits");
        QTest::addColumn<QString>("expected");  // cells (1..4, 1) after the completion
        QTest::addColumn<int>("end");           // where a file cut short ends; 0 for none
        QTest::newRow("bare LF") << QByteArray(kMono).replace("\r\n", "\n") << true << false
                                 << u"#..."_s << 0;
        QTest::newRow("colour, bare LF")
            << QByteArray(kColour).replace("\r\n", "\n") << true << true << u".rbg"_s << 0;
        QTest::newRow("6 MB after the planes")
            << kMono + QByteArray(6 * 1024 * 1024, 'x') << true << false << u"#..."_s << 0;
        QTest::newRow("6 MB line")
            << QByteArray(6 * 1024 * 1024, 'F') << false << false << u"...."_s << 0;
        // Asks for the colours, then gives what is there.
        QTest::newRow("colour plane cut")
            << kColour.left(kColour.indexOf("%End") - 40) << true << true << u".rbg"_s << 282;
        QTest::newRow("monochrome plane cut")
            << kMono.left(kMono.indexOf("%End") - 200) << true << false << u"...."_s << 133;
    }
    void fileTextReachesTheReader() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QFETCH(bool, waits);
        QFETCH(QString, expected);
        QFETCH(int, end);
        const QString path = folder_->filePath(u"picture.cat"_s);
        if (!bytes.isEmpty()) {
            writeBytes(path, bytes);
        }
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
        QCOMPARE(state.undoPicture.at(9, 9), model::kRed);
    }

    // Each fails at some step; the file that had the name, if any, stays as it was.
    void savesThatCannotBeWritten_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("reason");  // as the user reads it
        QTest::newRow("missing folder") << u"missing/picture.cat"_s << QString() << QString();
        QTest::newRow("read-only folder")
            << u"readonly/picture.cat"_s << u"readonly/picture.cat"_s << u"nemáte povolenie"_s;
        QTest::newRow("file as a folder")
            << u"readonly/picture.cat/x.cat"_s << u"readonly/picture.cat"_s << QString();
        QTest::newRow("folder of that name")
            << u"folder.cat"_s << QString() << u"je to priečinok, nie súbor"_s;
    }
    void savesThatCannotBeWritten() {
        QFETCH(QString, target);
        QFETCH(QString, kept);
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
        if (!kept.isEmpty()) {
            QCOMPARE(fileBytes(filePath(kept)), QByteArray("old picture"));
        }
        // No temporary file is left behind either.
        QCOMPARE(folder.entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(filePath(u"readonly"_s)).entryList(QDir::Files),
                 QStringList{u"picture.cat"_s});
        QVERIFY(QFileInfo(filePath(u"folder.cat"_s)).isDir());
    }

  private:
    QString filePath(const QString& name) const { return folder_->filePath(name); }

    std::optional<QTemporaryDir> folder_;
};

QTEST_MAIN(TestPictureFiles)
#include "test_picture_files.moc"
