#include <QBuffer>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <cmath>
#include <optional>

#include "catfile/catwriter.h"
#include "g1mfile/g1mwriter.h"
#include "model/palette.h"
#include "pictureart.h"
#include "testfiles.h"
#include "windowdriver.h"

using namespace tavrolin;
using pictureart::paletteQRgb;
using pictureart::patternCode;
using namespace Qt::StringLiterals;
using model::PictureGrid;

namespace {

// A picture for the fx-9860G: black in cell (1, 1).
QByteArray g1mFile() {
    PictureGrid picture;
    picture.at(1, 1) = model::kBlack;
    return QByteArray::fromStdString(g1mfile::g1mPictureFile(picture, 1));
}

// Black, red and blue in cells (1..3, 1): a monochrome file keeps the black, a colour
// file the red and blue, an image all three.
QByteArray catFile(bool colour) {
    PictureGrid picture;
    pictureart::draw(picture, 1, 1, {u"#rb"_s});
    return QByteArray::fromStdString(colour ? catfile::colourFile(picture, {})
                                            : catfile::monochromeFile(picture));
}

// The same three cells in an image.
QByteArray pngFile() {
    QImage image(3, 1, QImage::Format_RGB32);
    for (int x = 0; x < 3; ++x) {
        image.setPixel(x, 0, paletteQRgb(x + 1));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

class TestDesktop : public QObject {
    Q_OBJECT

    model::EditorState& state() { return ui_.state(); }
    QString path(const QString& name) { return folder_->filePath(name); }

    // A drop as the desktop sends it: whether the window took it.
    bool drop(const QMimeData& data) {
        QDragEnterEvent enter(QPoint(300, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&ui_.window(), &enter);
        QDropEvent drop(QPointF(300, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&ui_.window(), &drop);
        // The file is taken once the drop has ended.
        QCoreApplication::processEvents();
        return enter.isAccepted() && drop.isAccepted();
    }

  private slots:
    void init() {
        folder_.emplace();
        prompts_ = ScriptedPrompts();
        QVERIFY(ui_.open(prompts_));
        QVERIFY(QTest::qWaitForWindowActive(&ui_.window()));
    }
    void cleanup() {
        QCOMPARE(state().canvas.image(), pictureart::repainted(state()));
        ui_.close();
        folder_.reset();
    }

    void fileFromOutside_data() {
        QTest::addColumn<bool>("dropped");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");  // null: no such file
        QTest::addColumn<QString>("said");      // the message's start, %1 the file; "-" none
        QTest::addColumn<QString>("cells");     // (1..3, 1) afterwards
        const QByteArray broken("%Header Record\r\nFormat:BMP\r\n");
        const QString load = u"Súbor nemôžem načítať! Skontrolujte prosím formát súboru"_s;
        const QString image = u"Súbor „%1“ nemôžem načítať ako obrázok!"_s;
        const auto row = [](const char* tag, bool dropped) -> QTestData& {
            return QTest::addRow("%s%s", dropped ? "dropped: " : "", tag) << dropped;
        };
        row("monochrome .cat", false) << u"mono.cat"_s << catFile(false) << u"-"_s << u"#.."_s;
        row("colour .cat", false) << u"colour.CAT"_s << catFile(true) << u"-"_s << u".rb"_s;
        row("colour .cat", true) << u"colour.cat"_s << catFile(true) << u"-"_s << u".rb"_s;
        row("header, other name", false)
            << u"picture.txt"_s << catFile(false) << u"-"_s << u"#.."_s;
        row(".g1m, other name", false) << u"calc.png"_s << g1mFile() << u"-"_s << u"#.."_s;
        row("unreadable .cat", false) << u"broken.cat"_s << broken << load << u"..."_s;
        row("missing .cat", false) << u"missing.cat"_s << QByteArray() << load << u"..."_s;
        row("image", false) << u"picture.png"_s << pngFile() << u"-"_s << u"#rb"_s;
        row("image", true) << u"picture.png"_s << pngFile() << u"-"_s << u"#rb"_s;
        row("unsupported", false)
            << u"notes.txt"_s << QByteArray("words\n")
            << image + u" Skontrolujte prosím, či je to obrázok bmp, jpg, gif alebo png."_s
            << u"..."_s;
        row("missing image", false)
            << u"missing.png"_s << QByteArray() << image + u"\n\nsúbor neexistuje"_s << u"..."_s;
    }
    // As "Otvor" or "Importuj obrázok" with the file chosen: no file dialog, and where
    // nothing could be read, the picture drawn before is kept or given back by "Naspäť".
    void fileFromOutside() {
        QFETCH(bool, dropped);
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        QFETCH(QString, cells);
        if (!bytes.isNull()) {
            writeBytes(path(name), bytes);
        }
        ui_.run(u"click Image3 | dab 9,9 | is undo=0"_s);
        // A file given on the command line reaches the window as openPath.
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path(name))});
        if (dropped) {
            QVERIFY(drop(data));
        } else {
            ui_.window().openPath(path(name));
        }
        // A colour file asks which colours to load; an image that cannot be read changes
        // nothing, anything else can be undone.
        const bool kept = said.startsWith(u"Súbor „"_s);
        ui_.run((name.startsWith(u"colour"_s) ? u"click Form2.Command1"_s : u"shown Form2 0"_s) +
                u" | settled | asked 0 | said "_s + QString(said).replace(u"%1"_s, path(name)) +
                u" | art 1,1 "_s + cells +
                (kept ? u" | art 9,9 r | is undo=0 colour=2"_s
                      : u" | art 9,9 . | click Command11 | art 9,9 r"_s));
        QCOMPARE(state().fileName, path(name));
    }

    void dropsOfNoSingleFileAreRefused_data() {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<QString>("text");
        const QUrl file = QUrl::fromLocalFile(u"/tmp/picture.cat"_s);
        QTest::newRow("two files")
            << QList<QUrl>{file, QUrl::fromLocalFile(u"/tmp/b.png"_s)} << QString();
        QTest::newRow("web address")
            << QList<QUrl>{QUrl(u"https://example.com/a.cat"_s)} << QString();
        QTest::newRow("text") << QList<QUrl>() << u"/tmp/picture.cat"_s;
    }
    void dropsOfNoSingleFileAreRefused() {
        QFETCH(QList<QUrl>, urls);
        QFETCH(QString, text);
        QMimeData data;
        data.setUrls(urls);
        if (!text.isEmpty()) {
            data.setText(text);
        }
        QVERIFY(!drop(data));
        ui_.run(u"said - | is undo=0"_s);
    }

    // Drawn into an image of each scale: the canvas keeps equal grid lines and every
    // cell on the device pixels whose logical position lies in it; nothing is blended.
    void canvasStaysAGridWhenScaled_data() {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("lineWidth");
        QTest::newRow("1.25") << 1.25 << 1;
        QTest::newRow("1.5") << 1.5 << 1;
        QTest::newRow("2") << 2.0 << 2;
    }
    void canvasStaysAGridWhenScaled() {
        QFETCH(double, ratio);
        QFETCH(int, lineWidth);
        state().picture = pictureart::patternPicture();
        model::repaintCanvas(state());
        const auto device = [ratio](int logical) {
            return static_cast<int>(std::ceil(logical * ratio - 1e-6));
        };
        QImage image(device(model::kCanvasWidth), device(model::kCanvasHeight),
                     QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::magenta);
        ui_.control("Picture1")->render(&image);

        int wrong = 0;
        PictureGrid::forEachUsedCell([&](int cx, int cy) {
            const int left = device(5 * cx - 5);
            const int right = device(5 * cx);
            const int top = device(5 * cy - 5);
            const int bottom = device(5 * cy);
            for (int y = top; y < bottom; ++y) {
                for (int x = left; x < right; ++x) {
                    // The last column and row have no grid line after them.
                    const bool line = (x >= right - lineWidth && cx < model::kColumns) ||
                                      (y >= bottom - lineWidth && cy < model::kRows);
                    const bool edge = x >= right - lineWidth || y >= bottom - lineWidth;
                    const QRgb expected = line   ? qRgb(0, 0, 0)
                                          : edge ? qRgb(255, 255, 255)
                                                 : paletteQRgb(patternCode(cx, cy));
                    wrong += image.pixel(x, y) != expected;
                }
            }
        });
        QCOMPARE(wrong, 0);
    }

    // A scaled border need not meet the image exactly; no device pixel stays unpainted.
    void previewPaintsEveryDevicePixel() {
        const double ratio = 1.5;
        QWidget* preview = ui_.control("Picture2");
        // Whole device pixels only: a pixel the widget covers in part may stay as it was.
        QImage image(int(preview->width() * ratio), int(preview->height() * ratio),
                     QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::magenta);
        preview->render(&image);
        int unpainted = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                unpainted += image.pixel(x, y) == QColor(Qt::magenta).rgb();
            }
        }
        QCOMPARE(unpainted, 0);
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("display");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");       // the start of standard output
        QTest::addColumn<QString>("err");       // the start of standard error
        QTest::addColumn<QString>("language");  // the desktop's
        const QString usage =
            u"usage: tavrolin [--lang sk|en|fr] [FILE]\n       tavrolin --help | --version\n"_s;
        QTest::newRow("--help") << QStringList{u"--help"_s} << false << 0 << usage << QString()
                                << QString();
        QTest::newRow("--version") << QStringList{u"--version"_s} << false << 0
                                   << u"tavrolin 2.0\n"_s << QString() << QString();
        QTest::newRow("two files")
            << QStringList{u"a.cat"_s, u"b.png"_s} << false << 2 << QString()
            << u"tavrolin: one file at most, 2 given\n"_s + usage << QString();
        QTest::newRow("unknown option")
            << QStringList{u"--colour"_s, u"a.cat"_s} << true << 2 << QString()
            << u"tavrolin: unknown option --colour\n"_s + usage << QString();
        QTest::newRow("Qt's option taken, two files")
            << QStringList{u"-platform"_s, u"offscreen"_s, u"a.cat"_s, u"b.cat"_s} << true << 2
            << QString() << u"tavrolin: one file at most, 2 given\n"_s + usage << QString();
        QTest::newRow("French desktop")
            << QStringList{u"--help"_s} << false << 0 << u"utilisation\u00a0: tavrolin"_s
            << QString() << u"fr_FR"_s;
        QTest::newRow("--lang over the desktop") << QStringList{u"--lang"_s, u"en"_s, u"--help"_s}
                                                 << false << 0 << usage << QString() << u"fr"_s;
        QTest::newRow("--lang unknown")
            << QStringList{u"--lang=de"_s} << false << 2 << QString()
            << u"tavrolin: --lang takes sk, en or fr\n"_s + usage << QString();
    }

    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, display);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        // Without a display to reach, a run that starts Qt's windowing fails.
        QFETCH(QString, language);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"LANGUAGE"_s, language);
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);
        environment.insert(u"QT_QPA_PLATFORM"_s, display ? u"offscreen"_s : u"xcb"_s);
        QProcess editor;
        editor.setProcessEnvironment(environment);
        editor.start(QString::fromUtf8(TAVROLIN), arguments);
        QVERIFY(editor.waitForFinished(30000));
        QCOMPARE(editor.exitStatus() == QProcess::NormalExit ? editor.exitCode() : -1, exitCode);
        const QString shown = QString::fromUtf8(editor.readAllStandardOutput());
        const QString errors = QString::fromUtf8(editor.readAllStandardError());
        QVERIFY2(shown.startsWith(out), qPrintable(shown));
        QVERIFY2(err.isEmpty() ? errors.isEmpty() : errors.contains(err), qPrintable(errors));
    }

  private:
    ScriptedPrompts prompts_;
    windowdriver::MainWindow ui_;
    std::optional<QTemporaryDir> folder_;
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
