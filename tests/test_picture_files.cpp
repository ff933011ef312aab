#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "catfile/catwriter.h"
#include "exchange/picturefileload.h"
#include "exchange/picturefilesave.h"
#include "model/canvas.h"
#include "pictureart.h"
#include "withoutroot.h"

using namespace tavrolin;
using namespace Qt::StringLiterals;
using catfile::LoadColours;
using catfile::LoadFormat;
using catfile::SaveColours;
using exchange::SaveVariant;

namespace {

// Every colour in a few cells, and a white cell between them.
const QStringList kArt = {u"#rbg."_s, u".#rbg"_s, u"g.#rb"_s};

model::PictureGrid artPicture() {
    model::PictureGrid picture;
    pictureart::draw(picture, 1, 1, kArt);
    pictureart::draw(picture, 124, 62, kArt);
    return picture;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray bytesOf(const std::string& text) {
    return QByteArray::fromStdString(text);
}

bool saveWhole(const QString& path, SaveVariant variant, const model::PictureGrid& picture,
               SaveColours colours) {
    exchange::PictureFileSave save;
    return save.start(path, variant, picture) &&
           (variant == SaveVariant::Colour || save.writeMonochromeTrailer()) &&
           save.finish(picture, colours);
}

// The picture a user had before opening a file: red cells, the line tool half done,
// green as the colour.
void drawBeforeOpening(model::EditorState& state) {
    pictureart::draw(state.picture, 10, 10, {u"rrr"_s});
    model::repaintCanvas(state);
    state.currentTool = model::kLineTool;
    state.lineStarted = 1;
    model::setCurrentColor(state, model::kGreen);
}

QRgb canvasCell(const model::EditorState& state, int x, int y) {
    return state.canvas.image().pixel(5 * x - 3, 5 * y - 3);
}

}  // namespace

class TestPictureFiles : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        folder_.emplace();
        QVERIFY(folder_->isValid());
    }
    void cleanup() { folder_.reset(); }

    void savedFileRoundTrips_data() {
        QTest::addColumn<bool>("colour");
        QTest::addColumn<int>("saveTicks");  // red 1, blue 2, green 4
        QTest::addColumn<int>("loadTicks");  // red 1, blue 2, green 4, white 8
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("mono keeps black")
            << false << 7 << 15 << QStringList{u"#...."_s, u".#..."_s, u"..#.."_s};
        QTest::newRow("colour, all")
            << true << 7 << 15 << QStringList{u".rbg."_s, u"..rbg"_s, u"g..rb"_s};
        QTest::newRow("colour, blue saved")
            << true << 2 << 15 << QStringList{u"..b.."_s, u"...b."_s, u"....b"_s};
        QTest::newRow("colour, blue loaded")
            << true << 7 << 2 << QStringList{u"..b.."_s, u"...b."_s, u"....b"_s};
        QTest::newRow("colour, nothing saved")
            << true << 0 << 15 << QStringList{u"....."_s, u"....."_s, u"....."_s};
        QTest::newRow("colour, green not loaded")
            << true << 7 << 11 << QStringList{u".rb.."_s, u"..rb."_s, u"...rb"_s};
    }
    void savedFileRoundTrips() {
        QFETCH(bool, colour);
        QFETCH(int, saveTicks);
        QFETCH(int, loadTicks);
        QFETCH(QStringList, expected);
        const QString file = filePath(QStringLiteral("round.cat"));
        const model::PictureGrid picture = artPicture();
        const SaveColours saveColours{(saveTicks & 1) != 0, (saveTicks & 2) != 0,
                                      (saveTicks & 4) != 0};
        const SaveVariant variant = colour ? SaveVariant::Colour : SaveVariant::Monochrome;
        QVERIFY(saveWhole(file, variant, picture, saveColours));
        QCOMPARE(fileBytes(file), bytesOf(colour ? catfile::colourFile(picture, saveColours)
                                                 : catfile::monochromeFile(picture)));

        model::EditorState state;
        exchange::PictureFileLoad load;
        load.start(state, file);
        QVERIFY(load.loadValid());
        QCOMPARE(load.loadFormat(), colour ? LoadFormat::Colour : LoadFormat::Monochrome);
        QCOMPARE(load.waitsForColours(), colour);
        load.finish(state, {(loadTicks & 1) != 0, (loadTicks & 2) != 0, (loadTicks & 4) != 0,
                            (loadTicks & 8) != 0});
        QVERIFY(!load.pending());
        QCOMPARE(pictureart::art(state.picture, 1, 1, 5, 3), expected.join(u'\n'));
        QCOMPARE(pictureart::art(state.picture, 124, 62, 128, 64), expected.join(u'\n'));
        QCOMPARE(canvasCell(state, 1, 1), colour ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }

    // What the command does before the file is read, whatever the file holds.
    void openResetsThePictureAndTools_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("readable");
        QTest::newRow("monochrome") << bytesOf(catfile::monochromeFile(artPicture())) << true;
        QTest::newRow("colour") << bytesOf(catfile::colourFile(artPicture(), {})) << true;
        QTest::newRow("garbage") << QByteArray("\0\xff\x01garbage\r\n", 12) << false;
    }
    void openResetsThePictureAndTools() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, readable);
        const QString file = filePath(QStringLiteral("open.cat"));
        writeBytes(file, bytes);
        model::EditorState state;
        drawBeforeOpening(state);
        exchange::PictureFileLoad load;
        load.start(state, file);
        QCOMPARE(load.loadValid(), readable);
        QVERIFY(load.pending());
        QCOMPARE(pictureart::art(state.undoPicture, 10, 10, 12, 10), QStringLiteral("rrr"));
        QVERIFY(state.undoAvailable);
        QCOMPARE(state.currentTool, model::kPen);
        QCOMPARE(state.lineStarted, 0);
        QCOMPARE(state.currentColor, model::kBlack);
        QCOMPARE(state.picture.at(10, 10), model::kWhite);
        // The canvas goes on showing the old picture until the completion.
        QCOMPARE(canvasCell(state, 10, 10), qRgb(255, 0, 0));
        load.finish(state, {});
        QCOMPARE(canvasCell(state, 10, 10), qRgb(255, 255, 255));
        QCOMPARE(state.currentColor, model::kBlack);
        QVERIFY(state.canvas.drawingColor() == model::kBlackRgb);
    }

    // Files that cannot be loaded leave a blank picture, and the old one in the undo copy.
    void unreadableFilesLoadNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("format");
        const QByteArray mono = bytesOf(catfile::monochromeFile(artPicture()));
        const QByteArray colour = bytesOf(catfile::colourFile(artPicture(), {}));
        const auto lines = [](const QByteArray& text, int count) {
            qsizetype end = 0;
            for (int i = 0; i < count; ++i) {
                end = text.indexOf('\n', end) + 1;
            }
            return text.left(end);
        };
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << 0;
        QTest::newRow("second line other") << QByteArray("%Header Record\r\nFormat:TXT\r\n") << 0;
        QTest::newRow("mono header cut") << lines(mono, 5) << 1;
        QTest::newRow("mono plane cut") << lines(mono, 137) << 1;
        QTest::newRow("mono bad key")
            << QByteArray(mono).replace("Option Name:", "Optin Name:") << 1;
        QTest::newRow("colour header cut") << lines(colour, 20) << 2;
        QTest::newRow("colour last plane cut") << lines(colour, 282) << 2;
        QTest::newRow("colour bad key")
            << QByteArray(colour).replace("Direction:U", "Direction:D") << 2;
        QTest::newRow("one huge line") << QByteArray(6 * 1024 * 1024, 'F') << 0;
    }
    void unreadableFilesLoadNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, format);
        const QString file = filePath(QStringLiteral("bad.cat"));
        writeBytes(file, bytes);
        model::EditorState state;
        drawBeforeOpening(state);
        exchange::PictureFileLoad load;
        load.start(state, file);
        QVERIFY(!load.loadValid());
        QVERIFY(!load.waitsForColours());
        QCOMPARE(static_cast<int>(load.loadFormat()), format);
        load.finish(state, {});
        model::PictureGrid blank;
        QVERIFY(state.picture.usedCellsEqual(blank));
        QCOMPARE(canvasCell(state, 10, 10), qRgb(255, 255, 255));
        QCOMPARE(state.undoPicture.at(11, 10), model::kRed);
    }

    void missingFileIsUnreadable() {
        model::EditorState state;
        exchange::PictureFileLoad load;
        load.start(state, filePath(QStringLiteral("none.cat")));
        QVERIFY(!load.loadValid());
        QVERIFY(load.pending());
        load.finish(state, {});
        QVERIFY(!load.pending());
    }

    void looserFilesStillLoad_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray mono = bytesOf(catfile::monochromeFile(artPicture()));
        QTest::newRow("bare LF") << QByteArray(mono).replace("\r\n", "\n");
        QTest::newRow("lower case") << mono.toLower();
        QTest::newRow("no trailer") << mono.left(mono.indexOf("%End"));
        QTest::newRow("6 MB after the planes") << mono + QByteArray(6 * 1024 * 1024, 'x');
    }
    void looserFilesStillLoad() {
        QFETCH(QByteArray, bytes);
        const QString file = filePath(QStringLiteral("loose.cat"));
        writeBytes(file, bytes);
        model::EditorState state;
        exchange::PictureFileLoad load;
        load.start(state, file);
        QVERIFY(load.loadValid());
        load.finish(state, {});
        QCOMPARE(pictureart::art(state.picture, 1, 1, 5, 3), QStringLiteral("#....\n.#...\n..#.."));
    }

    // The planes of a colour file go over the picture as it is when the colours are chosen.
    void colourPlanesGoOverLaterEdits_data() {
        QTest::addColumn<bool>("red");
        QTest::addColumn<QString>("expected");  // cells (1..4, 1) after the load
        // The file: (1,1) red, (2,1) blue, (3,1) white, (4,1) white; all four drawn black.
        QTest::newRow("red ticked rewrites") << true << "rb..";
        QTest::newRow("red unticked keeps") << false << "#b##";
    }
    void colourPlanesGoOverLaterEdits() {
        QFETCH(bool, red);
        QFETCH(QString, expected);
        model::PictureGrid saved;
        pictureart::draw(saved, 1, 1, {u"rb.."_s});
        const QString file = filePath(QStringLiteral("edits.cat"));
        writeBytes(file, bytesOf(catfile::colourFile(saved, {})));
        model::EditorState state;
        exchange::PictureFileLoad load;
        load.start(state, file);
        pictureart::draw(state.picture, 1, 1, {u"####"_s});
        load.finish(state, {.red = red});
        QCOMPARE(pictureart::art(state.picture, 1, 1, 4, 1), expected);
    }

    // Nothing replaces the chosen file before the save is finished.
    void saveReplacesOnlyWhenFinished() {
        const QString file = filePath(QStringLiteral("old.cat"));
        writeBytes(file, "old picture");
        const model::PictureGrid picture = artPicture();
        exchange::PictureFileSave save;
        QVERIFY(save.start(file, SaveVariant::Colour, picture));
        QVERIFY(save.pending());
        QCOMPARE(fileBytes(file), QByteArray("old picture"));
        QVERIFY(save.finish(picture, {}));
        QVERIFY(!save.pending());
        QCOMPARE(fileBytes(file), bytesOf(catfile::colourFile(picture, {})));
    }

    void abandonedSaveLeavesTheOldFile() {
        const QString file = filePath(QStringLiteral("old.cat"));
        writeBytes(file, "old picture");
        {
            exchange::PictureFileSave save;
            QVERIFY(save.start(file, SaveVariant::Colour, artPicture()));
            save.abandon();
            QVERIFY(!save.pending());
        }
        QCOMPARE(fileBytes(file), QByteArray("old picture"));
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{u"old.cat"_s});
    }

    // Each fails at some step; the file that had the name, if any, stays as it was.
    void savesThatCannotBeWritten_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("kept");
        QTest::newRow("missing folder") << "missing/picture.cat"
                                        << "";
        QTest::newRow("read-only folder") << "readonly/picture.cat"
                                          << "readonly/picture.cat";
        QTest::newRow("file as a folder") << "readonly/picture.cat/x.cat"
                                          << "readonly/picture.cat";
        QTest::newRow("folder of that name") << "folder.cat"
                                             << "";
    }
    void savesThatCannotBeWritten() {
        QFETCH(QString, target);
        QFETCH(QString, kept);
        QDir folder(folder_->path());
        QVERIFY(folder.mkdir(QStringLiteral("readonly")));
        QVERIFY(folder.mkdir(QStringLiteral("folder.cat")));
        writeBytes(filePath(QStringLiteral("readonly/picture.cat")), "old picture");
        const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                              QFileDevice::ReadOther | QFileDevice::ExeOther;
        QVERIFY(QFile::setPermissions(filePath(QStringLiteral("readonly")), readOnly));
        QVERIFY(QFile::setPermissions(
            folder_->path(), readOnly | QFileDevice::WriteOwner | QFileDevice::WriteOther));
        bool saved = false;
        exchange::PictureFileSave save;
        {
            const WithoutRoot asUser;
            saved = save.start(filePath(target), SaveVariant::Monochrome, artPicture()) &&
                    save.writeMonochromeTrailer() && save.finish(artPicture(), {});
        }
        QVERIFY(!saved);
        QVERIFY(!save.pending());
        QVERIFY(!save.errorString().isEmpty());
        QFile::setPermissions(filePath(QStringLiteral("readonly")),
                              readOnly | QFileDevice::WriteOwner);
        QFile::setPermissions(folder_->path(), readOnly | QFileDevice::WriteOwner);
        if (!kept.isEmpty()) {
            QCOMPARE(fileBytes(filePath(kept)), QByteArray("old picture"));
        }
        // No temporary file is left behind either.
        QCOMPARE(folder.entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(filePath(QStringLiteral("readonly"))).entryList(QDir::Files),
                 QStringList{u"picture.cat"_s});
        QVERIFY(QFileInfo(filePath(QStringLiteral("folder.cat"))).isDir());
    }

  private:
    QString filePath(const QString& name) const { return folder_->filePath(name); }

    std::optional<QTemporaryDir> folder_;
};

QTEST_MAIN(TestPictureFiles)
#include "test_picture_files.moc"
