// The main window's wiring, as rows of user steps: each click, key or drag reaches its
// operation, and the window shows the result to the eye and to a screen reader.
#include <QAbstractButton>
#include <QComboBox>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "exchange/pictureformats.h"
#include "model/canvas.h"
#include "ui/dialogs/qtprompts.h"
#include "ui/dialogs/splashwindow.h"
#include "windowdriver.h"

using namespace tavrolin;
using namespace Qt::StringLiterals;
using windowdriver::focusName;

namespace {

// Every control a reader can reach below `node` that it could not name: the path of
// object names and its role.
void collectNameless(QAccessibleInterface* node, const QString& path, QStringList& nameless) {
    if (node->state().invisible) {
        return;
    }
    const QString here = path + u'/' + (node->object() ? node->object()->objectName() : u"?"_s);
    if (!node->state().disabled && node->text(QAccessible::Name).trimmed().isEmpty()) {
        nameless << here + u' ' + QString::number(node->role(), 16);
    }
    for (int i = 0; i < node->childCount(); ++i) {
        collectNameless(node->child(i), here, nameless);
    }
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        prompts_ = ScriptedPrompts();
        QVERIFY(ui_.open(prompts_));
    }
    void cleanup() { ui_.close(); }

    void scenario_data() {
        QTest::addColumn<QString>("steps");
        const auto row = [](const char* name, const QString& steps) {
            QTest::newRow(name) << steps;
        };
        row("pen drag",
            u"press 10,10 | move 12,10 | label stĺpec 12 | label riadok 10 | release 12,10 | "
            u"art 10,10 ..# | is undo=0"_s);
        row("pen off the canvas", u"drag 127,1 129,1 | art 127,1 .."_s);
        row("pen width and colour",
            u"click Hrubšie | click Hrubšie | click Farba: červená | drag 9,10 10,10 14,10 | "
            u"art 8,9 .rrr.rrr./.rrr.rrr./.rrr.rrr."_s);
        row("line", u"click Čiara | cell 1,1 | cell 5,1 | art 1,1 ####. | is undo=1"_s);
        row("rectangle",
            u"click Obdĺžnik | cell 2,3 | move 6,8 | cell 6,8 | art 2,2 ./# | "
            u"art 1,7 .#...#./.#####./......."_s);
        row("circle", u"click Kruh | cell 2,3 | move 3,8 | cell 3,8 | art 1,4 ../.#/.."_s);
        // A shape left for another tool is given up: its tool starts afresh.
        row("shape left for another tool",
            u"click Obdĺžnik | cell 2,3 | click Čiara | cell 2,3 | click Pero | click Obdĺžnik | "
            u"cell 20,20 | is undo=0 | cell 22,21 | art 20,20 ###/### | click Čiara | cell 10,3 | "
            u"art 10,3 . | art 10,60 ."_s);
        row("fill",
            u"draw 1,1 #####/#...#/##### | click Farba: červená | click Vyplň | "
            u"label aktívny nástroj aktívne: vyplň | cell 3,2 | art 1,1 #####/#rrr#/##### | "
            u"is undo=1 | click Naspäť | art 2,2 . | key P | key F | is tool=5"_s);
        row("picker",
            u"draw 4,4 g | click Kvapkadlo | cell 4,4 | is colour=4 shape=4 marked=5 tool=6 | "
            u"spoken Plátno nástroj: kvapkadlo, farba: zelená, hrúbka: 1 | key P | key K | "
            u"is tool=6"_s);
        row("white rectangle",
            u"draw 1,1 ######/######/######/###### | click Obdĺžnik | click Farba: biela | "
            u"cell 2,2 | cell 5,4 | art 1,1 ######/#....#/#.##.#/#....#"_s);
        // "Naspäť" steps back through the operations, the pen strokes since the last one
        // first; "Znova" and its keys bring each back until the picture changes again.
        row("undo history and redo",
            u"click Čiara | cell 1,1 | cell 4,1 | cell 1,2 | cell 4,2 | click Pero | dab 5,1 | "
            u"click Naspäť | art 1,1 ###../..... | is undo=1 redo=1 | key Ctrl+Z | art 1,1 ... | "
            u"is undo=0 | click Znova | art 1,1 ###../..... | key Ctrl+Shift+Z | "
            u"art 1,1 ###.#/###.. | is redo=0 | key Ctrl+Z | key Ctrl+Y | art 1,1 ###.#/###.. | "
            u"key Ctrl+Z | dab 9,9 | is redo=0 undo=1"_s);
        row("flips",
            u"dab 2,2 | click Preklop vodorovne | art 126,2 .# | is undo=1 | "
            u"click Preklop zvislo | art 127,62 ./# | click Naspäť | art 127,2 # | "
            u"art 127,63 ."_s);
        row("replace with swap, then without",
            u"draw 1,1 .#r | choose Farba, ktorá sa zmení čiernu | choose Nová farba bielu | "
            u"click Invertuj farby | art 1,1 #.r | art 100,50 # | click Naspäť | art 1,1 .#r | "
            u"click a aj opačne | click Invertuj farby | art 1,1 ..r | art 100,50 ."_s);
        // Only an entry, exactly, names a colour; another text keeps the last (white).
        row("replace a typed text",
            u"draw 1,1 .#r | type Farba, ktorá sa zmení Červenú | choose Nová farba čiernu | "
            u"click a aj opačne | click Invertuj farby | art 1,1 ##r"_s);
        row("new picture",
            u"dab 3,4 | click Kruh | click Hrubšie | click Farba: modrá | key Ctrl+N | art 3,4 . | "
            u"is undo=1 colour=1 shape=1 marked=1 | "
            u"spoken Plátno nástroj: pero, farba: čierna, hrúbka: 2 | click Naspäť | "
            u"art 3,4 #"_s);
        // Closing asks only about changes not saved: a change undone is none.
        row("closing unchanged",
            u"click Obdĺžnik | cell 2,2 | cell 4,4 | is modified=1 | click Naspäť | "
            u"is modified=0 | close Form1 | shown Form1 0 | is questions=0"_s);
        row("closing with changes",
            u"dab 2,2 | reply cancel | close Form1 | shown Form1 1 | is questions=1 | "
            u"reply discard | key Ctrl+Q | shown Form1 0 | is questions=2"_s);
        // Colours, thickness and tools, as shown and as a reader hears them.
        row("swatch",
            u"spoken Aktuálna farba čierna | is marked=1 | click Farba: zelená | "
            u"is colour=4 shape=4 marked=5 | spoken Aktuálna farba zelená | click Farba: biela | "
            u"is colour=0 shape=0 | act Farba: červená | is colour=2 marked=3"_s);
        row("thickness",
            u"click Tenšie | is width=1 marker=52 | spoken Label16 vybraná hrúbka: 1 | "
            u"click Hrubšie | click Hrubšie | click Hrubšie | is width=3 marker=89 | "
            u"spoken Label16 vybraná hrúbka: 3 | click Tenšie | is width=2 marker=69"_s);
        row("tools",
            u"spoken Plátno nástroj: pero, farba: čierna, hrúbka: 1 | click Čiara | "
            u"label aktívny nástroj aktívne: čiara | is tool=2 | click Obdĺžnik | "
            u"label aktívny nástroj aktívne: obdĺžnik | click Kruh | "
            u"label aktívny nástroj aktívne: kruh | click Farba: modrá | "
            u"spoken Plátno nástroj: kruh, farba: modrá, hrúbka: 1 | click Pero | "
            u"label aktívny nástroj aktívne: pero"_s);
        row("text arrows",
            u"type Text H | click Doľava | is textx=-1 | click Doprava | click Doprava | "
            u"is textx=1 | click Hore | is texty=-1 | click Dole | click Dole | "
            u"is texty=1 undo=0 | art 1,1 ."_s);
        row("sizes listed", u"choose Veľkosť písma 6 | choose Veľkosť písma 72"_s);
        // The size typed is stamped; one that is no number keeps the last (8 at the start).
        row("text stamped in the size typed",
            u"type Veľkosť písma x | type Písmo DejaVu Sans Mono | type Text H | click Dole | "
            u"click Text: Vlož | art 1,3 ......../.#....#./.#....#./.#....#./.######./.#....#./"
            u".#....#./.#....#./.#....#./........ | is undo=1 | click Naspäť | art 1,4 ........ | "
            u"type Veľkosť písma 12 | click Text: Vlož | art 1,5 .#......#."_s);
        row("clear empties the text and its place",
            u"type Písmo DejaVu Sans Mono | type Text H | click Doprava | click Text: Vlož | "
            u"art 2,3 .# | click Zmaž | is textx=0 undo=1 | art 2,3 .# | type Text H | "
            u"click Text: Vlož | art 2,3 ##"_s);
        // Keys: one of each kind, shown in the tooltips, none while typing into a field.
        row("keys",
            u"click Čiara | key P | label aktívny nástroj aktívne: pero | key C | is tool=4 | "
            u"key 3 | is colour=2 | key 2 | is colour=0 | key Num+4 | is colour=3 | key + | key = "
            u"| "
            u"is width=3 | key - | is width=2"_s);
        row("file keys ask as their buttons",
            u"key Ctrl+O | asked 1 Otvoriť obrázok | key Ctrl+S | asked 2 Uložiť obrázok | "
            u"key Ctrl+E | asked 3 Exportuj obrázok | key Ctrl+I | asked 4 Importovať obrázok"_s);
        row("tooltips",
            u"tip Otvor Otvor (Ctrl+O) | tip Hrubšie Hrubšie (+) | "
            u"tip Farba: červená červená (3)"_s);
        row("typing in the text and a list",
            u"click Čiara | click Farba: modrá | focus Text | key P | key + | key Ctrl+O | "
            u"is colour=3 width=1 tool=2 | click Hrubšie | focus Farba, ktorá sa zmení | key C | "
            u"key 3 | key - | key Ctrl+I | is colour=3 width=2 tool=2"_s);
        row("tab order", u"focused Ulož | key Tab | focused Otvor"_s);
        // The hedgehog's spines from the clicked pixel, in the chosen colour over any
        // ground; a release that began elsewhere is no click.
        const QString fan =
            u"hrelease 30,30 | hmove 2,2 | hclick 2,2 | hdrag 6,2 | hdrag 2,6 | hdrag 6,6 | "
            u"hclick 2,2 | hmove 40,2 | click Ježko: Vlož | "_s;
        row("white erases black",
            u"draw 1,1 ########/########/########/########/########/########/######## | "
            u"click Farba: biela | "_s +
                fan + u"art 1,1 ########/########/##....##/##..####/##.#.###/##.##.##/########"_s);
        row("red on green",
            u"draw 1,1 gggggggg/gggggggg/gggggggg/gggggggg/gggggggg/gggggggg/gggggggg | "
            u"draw 100,50 b | click Farba: červená | "_s +
                fan +
                u"art 1,1 gggggggg/gggggggg/ggrrrrgg/ggrrgggg/ggrgrggg/ggrggrgg/gggggggg | "
                u"art 100,50 b | is undo=1 | click Naspäť | art 3,3 g"_s);
        row("inserted twice leaves white",
            u"hclick 0,0 | hdrag 10,0 | click Ježko: Vlož | art 1,1 ##########. | "
            u"click Ježko: Vlož | art 1,1 .. | click Naspäť | art 1,1 ##########."_s);
        // "Ukáž" lays the picture in afresh, "Vymaž" empties the box: drawing goes on.
        row("erased while drawing",
            u"draw 100,50 r | hclick 0,0 | hdrag 0,3 | click Ježko: Ukáž | click Vymaž | "
            u"hdrag 3,0 | click Ježko: Vlož | art 1,1 ###./.... | art 100,50 ."_s);
        row("new clears the box",
            u"hclick 5,5 | hdrag 20,20 | click Nový | click Ježko: Vlož | art 6,6 . | "
            u"art 21,21 ."_s);
        // The link underline follows the pointer; the text frame does not clear it.
        QString links =
            u"hover návod | is links=1 | hover text licencie | is links=2 | "
            u"hover Text: | is links=2"_s;
        for (const char* area : {"Plátno", "Invertuj farby:", "Importovaný obrázok", "Ježko",
                                 "Kontakt na autora:", "Tavrolin"}) {
            links += u" | hover návod | hover "_s + QString::fromUtf8(area) + u" | is links=0"_s;
        }
        row("link underlines", links);
    }
    void scenario() {
        QFETCH(QString, steps);
        ui_.run(steps);
        QVERIFY(steps.contains(u"asked"_s) || prompts_.dialogs.empty());
    }

    void previewFollowsThePictureWithinATick() {
        // As the pen paints: the cell and the canvas, not the preview.
        ui_.state().picture.at(1, 1) = model::kGreen;
        model::paintCell(ui_.state(), 1, 1);
        QTRY_COMPARE_WITH_TIMEOUT(ui_.state().preview.pixel(0, 0), (model::Rgb{0, 128, 0}), 1000);
    }

    // Two seconds unless clicked; a click and the timer together open the window once.
    void splashOpensTheMainWindowOnce_data() {
        QTest::addColumn<bool>("clickIt");
        QTest::newRow("by click") << true;
        QTest::newRow("by timer") << false;
    }
    void splashOpensTheMainWindowOnce() {
        QFETCH(bool, clickIt);
        int opened = 0;
        QPointer<ui::SplashWindow> splash = new ui::SplashWindow([&] { ++opened; });
        splash->show();
        auto* timer = windowdriver::control<QTimer>(*splash, u"Timer1");
        QVERIFY(timer->isActive() && timer->isSingleShot());
        QCOMPARE(timer->interval(), 2000);
        QCOMPARE(opened, 0);
        if (clickIt) {
            QTest::mouseClick(splash, Qt::LeftButton);
            QCOMPARE(opened, 1);
        }
        QMetaObject::invokeMethod(timer, "timeout");
        QTRY_VERIFY(splash.isNull());
        QCOMPARE(opened, 1);
    }

    // A file dialog starts in the folder and on the filter it was last accepted with; its
    // filter then adds its extension to a bare name.
    void fileDialogStartsWhereItWasLeft() {
        const QTemporaryDir settingsFolder;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
        QSettings().setValue(u"fileDialogs/export/folder"_s, settingsFolder.path());
        QSettings().setValue(u"fileDialogs/export/filter"_s, u"*.bmp"_s);
        QFileDialog dialog;
        ui::QtPrompts::setUpFileDialog(
            dialog,
            {u"Exportuj"_s, u"Súbory .cat|*.cat|"_s + exchange::exportFilter(), u"export"_s,
             exchange::extendingExportPatterns()},
            QFileDialog::AcceptSave);
        QCOMPARE(dialog.directory().absolutePath(), settingsFolder.path());
        QCOMPARE(dialog.nameFilters(),
                 QStringList({u"Súbory .cat (*.cat)"_s, u"Súbory .bmp (*.bmp)"_s,
                              u"Súbory .png (*.png)"_s, u"Zdrojový kód C (*.c *.h)"_s}));
        QCOMPARE(dialog.selectedNameFilter(), u"Súbory .bmp (*.bmp)"_s);
        QCOMPARE(dialog.defaultSuffix(), u"bmp"_s);
    }

    // Each window is called by its caption, and so is every control in it that a
    // reader reaches.
    void everyControlHasAName() {
        ui::SplashWindow splash([] {});
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->objectName().startsWith(u"Form"_s)) {
                continue;
            }
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QStringList nameless;
            collectNameless(windowdriver::accessible(window), QString(), nameless);
            QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u", ")));
        }
    }

    // Tab reaches every control a user can operate; of a pair of options, the selected
    // one (the arrow keys move between them).
    void everyControlIsReachableFromTheKeyboard() {
        ui_.run(u"click Nový"_s);  // "Naspäť" becomes available
        QSet<QString> reached;
        ui_.control("Command2")->setFocus(Qt::TabFocusReason);
        for (int presses = 0; presses < 100 && !reached.contains(focusName()); ++presses) {
            reached << focusName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (QWidget* widget : ui_.window().findChildren<QWidget*>()) {
            const bool operable = qobject_cast<QAbstractButton*>(widget) ||
                                  qobject_cast<QComboBox*>(widget) ||
                                  (qobject_cast<QLineEdit*>(widget) &&
                                   !qobject_cast<QComboBox*>(widget->parentWidget()));
            auto* option = qobject_cast<QRadioButton*>(widget);
            if (!operable || !widget->isVisible() || !widget->isEnabled() ||
                widget->focusPolicy() == Qt::NoFocus || (option && !option->isChecked())) {
                continue;
            }
            QVERIFY2(reached.contains(widget->objectName()), qPrintable(widget->objectName()));
        }
        QVERIFY(reached.contains(u"Command11"_s));
        ui_.run(u"focus Algebra FX 2.0 | key Down | focused CFX 9850"_s);
        QVERIFY(ui_.control<QRadioButton>("Option2")->isChecked());
    }

    // Drawn into an image of each scale: the canvas keeps equal grid lines and every
    // cell on the device pixels whose logical position lies in it; nothing is blended.
    // The preview's border, scaled, leaves no device pixel unpainted either.
    void canvasStaysAGridWhenScaled_data() {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("lineWidth");
        QTest::newRow("1.25") << 1.25 << 1;
        QTest::newRow("2") << 2.0 << 2;
    }
    void canvasStaysAGridWhenScaled() {
        QFETCH(double, ratio);
        QFETCH(int, lineWidth);
        ui_.state().picture = pictureart::patternPicture();
        model::repaintCanvas(ui_.state());
        const auto device = [ratio](int logical) {
            return static_cast<int>(std::ceil(logical * ratio - 1e-6));
        };
        const auto render = [&](const char* name, QSize size) {
            QImage image(size, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::magenta);
            ui_.control(name)->render(&image);
            return image;
        };
        const QImage canvas =
            render("Picture1", {device(model::kCanvasWidth), device(model::kCanvasHeight)});
        int wrong = 0;
        model::PictureGrid::forEachUsedCell([&](int cx, int cy) {
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
                    const QRgb expected =
                        line   ? qRgb(0, 0, 0)
                        : edge ? qRgb(255, 255, 255)
                               : pictureart::paletteQRgb(pictureart::patternCode(cx, cy));
                    wrong += canvas.pixel(x, y) != expected;
                }
            }
        });
        // Whole device pixels only: a pixel the preview covers in part may stay as it was.
        const QSize box = ui_.control("Picture2")->size();
        const QImage preview =
            render("Picture2", {int(box.width() * ratio), int(box.height() * ratio)});
        for (int y = 0; y < preview.height(); ++y) {
            for (int x = 0; x < preview.width(); ++x) {
                wrong += preview.pixel(x, y) == QColor(Qt::magenta).rgb();
            }
        }
        QCOMPARE(wrong, 0);
    }

  private:
    ScriptedPrompts prompts_;
    windowdriver::MainWindow ui_;
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
