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

const QString kLoadError =
    u"Súbor nemôžem načítať! Skontrolujte prosím formát súboru a tiež aj to, či tento súbor je "
    u"určený pre kalkulačky typu Algebra FX 2.0 alebo CFX 9850."_s;

QString importError(const QString& path) {
    return u"Súbor „%1“ nemôžem načítať ako obrázok! Skontrolujte prosím, či je to obrázok bmp, "
           u"jpg, gif alebo png."_s.arg(path);
}

// Black, red and blue in cells (1..3, 1): a monochrome file keeps the black, a colour
// file the red and blue, an image all three.
QByteArray catFile(bool colour) {
    PictureGrid picture;
    pictureart::draw(picture, 1, 1, {u"#rb"_s});
    return QByteArray::fromStdString(colour ? catfile::colourFile(picture, {})
                                            : catfile::monochromeFile(picture));
}

QByteArray pngFile() {
    QImage image(model::kColumns, model::kRows, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, paletteQRgb(model::kBlack));
    image.setPixel(1, 0, paletteQRgb(model::kRed));
    image.setPixel(2, 0, paletteQRgb(model::kBlue));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// What the editor prints and returns for `arguments`. Without `display` no display
// can be reached, so a run that starts Qt's windowing fails.
struct Run {
    int exitCode;
    QString out;
    QString err;
};
Run runEditor(const QStringList& arguments, bool display) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"WAYLAND_DISPLAY"_s);
    environment.insert(u"QT_QPA_PLATFORM"_s, display ? u"offscreen"_s : u"xcb"_s);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QString::fromUtf8(TAVROLIN), arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        qFatal("tavrolin did not finish");
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

class TestDesktop : public QObject {
    Q_OBJECT

    model::EditorState& state() { return ui_.state(); }
    QString path(const QString& name) { return folder_->filePath(name); }
    QString tool() { return ui_.text("Label18"); }

    // A file given on the command line reaches the window as openPath; a dropped one
    // through the drop events, as the desktop sends them.
    void bring(const QString& file, bool dropped) {
        if (!dropped) {
            ui_.window().openPath(file);
            return;
        }
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(300, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&ui_.window(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(300, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&ui_.window(), &drop);
        QVERIFY(drop.isAccepted());
        // The file is taken once the drop has ended.
        QCoreApplication::processEvents();
    }

  private slots:
    void init() {
        folder_.emplace();
        prompts_ = ScriptedPrompts();
        QVERIFY(ui_.open(prompts_));
        QVERIFY(QTest::qWaitForWindowActive(&ui_.window()));
    }
    void cleanup() {
        ui_.close();
        folder_.reset();
    }

    void fileFromOutside_data() {
        QTest::addColumn<bool>("dropped");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");  // null: no such file
        QTest::addColumn<QString>("message");   // "load", "import" or "missing" error, or none
        QTest::addColumn<QString>("expected");  // cells (1..3, 1) and (9, 9) afterwards
        const QByteArray broken("%Header Record\r\nFormat:BMP\r\n");
        for (const bool dropped : {false, true}) {
            const auto row = [dropped](const char* tag) -> QTestData& {
                return QTest::addRow("%s: %s", dropped ? "dropped" : "argument", tag) << dropped;
            };
            row("monochrome .cat") << u"mono.cat"_s << catFile(false) << "" << u"#..\n."_s;
            row("colour .cat") << u"colour.CAT"_s << catFile(true) << "" << u".rb\n."_s;
            row("header, other name") << u"picture.txt"_s << catFile(false) << "" << u"#..\n."_s;
            row("unreadable .cat") << u"broken.cat"_s << broken << "load" << u"...\n."_s;
            row("missing .cat") << u"missing.cat"_s << QByteArray() << "load" << u"...\n."_s;
            row("image") << u"picture.png"_s << pngFile() << "" << u"#rb\n."_s;
            row("unsupported") << u"notes.txt"_s << QByteArray("words\n") << "import"
                               << u"...\nr"_s;
            row("missing image") << u"missing.png"_s << QByteArray() << "missing" << u"...\nr"_s;
        }
    }
    // As "Otvor" or "Importuj obrázok" with the file chosen: no file dialog, and where
    // nothing could be read, the picture drawn before is kept or given back by "Naspäť".
    void fileFromOutside() {
        QFETCH(bool, dropped);
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(QString, expected);
        if (!bytes.isNull()) {
            writeBytes(path(name), bytes);
        }
        ui_.click("Image3");
        ui_.dab(9, 9);
        QVERIFY(!ui_.undoEnabled());

        bring(path(name), dropped);
        if (QTest::currentTestFailed()) {
            return;
        }
        auto& form2 = windowdriver::topLevel("Form2");
        // A colour file asks which colours to load.
        QCOMPARE(form2.isVisible(), name.startsWith(u"colour"));
        if (form2.isVisible()) {
            windowdriver::click(form2, "Command1");
        }
        QVERIFY(ui_.filesSettled());
        QVERIFY(prompts_.dialogs.empty());
        QStringList shown = prompts_.messages;
        if (message == u"load" && !shown.isEmpty()) {
            shown[0].truncate(kLoadError.size());  // the reason follows the sentence
        }
        const QString missing = u"Súbor „%1“ nemôžem načítať ako obrázok!\n\nsúbor neexistuje"_s;
        QCOMPARE(shown, message == u"import"    ? QStringList{importError(path(name))}
                        : message == u"missing" ? QStringList{missing.arg(path(name))}
                        : message == u"load"    ? QStringList{kLoadError}
                                                : QStringList());
        QCOMPARE(pictureart::art(state().picture, 1, 1, 3, 1) + u'\n' +
                     pictureart::art(state().picture, 9, 9, 9, 9),
                 expected);
        QCOMPARE(state().canvas.image(), ui_.repaintedCanvas());
        QCOMPARE(state().fileName, path(name));
        const bool imported = message != u"import" && message != u"missing";
        QCOMPARE(ui_.undoEnabled(), imported);
        if (imported) {
            ui_.click("Command11");
            QCOMPARE(state().picture.at(9, 9), model::kRed);
        }
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
        QDragEnterEvent enter(QPoint(300, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&ui_.window(), &enter);
        QVERIFY(!enter.isAccepted());
        QDropEvent drop(QPointF(300, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&ui_.window(), &drop);
        QCoreApplication::processEvents();
        QVERIFY(prompts_.messages.isEmpty());
        QVERIFY(!ui_.undoEnabled());
    }

    // Drawn into an image of each scale: the canvas keeps equal grid lines and every
    // cell on the device pixels whose logical position lies in it; nothing is blended.
    void canvasStaysAGridWhenScaled_data() {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("lineWidth");
        QTest::newRow("1.25") << 1.25 << 1;
        QTest::newRow("1.5") << 1.5 << 1;
        QTest::newRow("1.75") << 1.75 << 1;
        QTest::newRow("2") << 2.0 << 2;
    }
    void canvasStaysAGridWhenScaled() {
        QFETCH(double, ratio);
        QFETCH(int, lineWidth);
        PictureGrid::forEachUsedCell(
            [&](int x, int y) { state().picture.at(x, y) = patternCode(x, y); });
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
        QTest::addColumn<QString>("out");  // the start of standard output
        QTest::addColumn<QString>("err");  // the start of standard error
        const QString usage = u"usage: tavrolin [FILE]\n       tavrolin --help | --version\n"_s;
        QTest::newRow("--help") << QStringList{u"--help"_s} << false << 0 << usage << QString();
        QTest::newRow("--version")
            << QStringList{u"--version"_s} << false << 0 << u"tavrolin 2.0\n"_s << QString();
        QTest::newRow("two files") << QStringList{u"a.cat"_s, u"b.png"_s} << false << 2 << QString()
                                   << u"tavrolin: one file at most, 2 given\n"_s + usage;
        QTest::newRow("unknown option")
            << QStringList{u"--colour"_s, u"a.cat"_s} << true << 2 << QString()
            << u"tavrolin: unknown option --colour\n"_s + usage;
        QTest::newRow("Qt's option taken, two files")
            << QStringList{u"-platform"_s, u"offscreen"_s, u"a.cat"_s, u"b.cat"_s} << true << 2
            << QString() << u"tavrolin: one file at most, 2 given\n"_s + usage;
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, display);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = runEditor(arguments, display);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.out.startsWith(out), qPrintable(run.out));
        QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err), qPrintable(run.err));
    }

  private:
    ScriptedPrompts prompts_;
    windowdriver::MainWindow ui_;
    std::optional<QTemporaryDir> folder_;
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
