#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <optional>

#include "catfile/catwriter.h"
#include "model/canvas.h"
#include "pictureart.h"
#include "testfiles.h"
#include "ui/views/colourswatch.h"
#include "windowdriver.h"
#include "withoutroot.h"

using namespace tavrolin;
using namespace Qt::StringLiterals;
using model::EditorState;

namespace {

const QString kFilter = u"(súbory *.cat)|*.cat|(súbory *.g1m)|*.g1m|(všetky súbory)|*.*"_s;
const QString kMonochromeWarning =
    u"Dôležité upozornenie: Obrázok ukladáte vo formáte pre čiernobiele kalkulačky. V prípade, "
    u"že ste použili aj iné farby ako čiernu a bielu, tieto farby sa neuložia. Uloží sa len "
    u"čierna a biela farba!"_s;
QByteArray colourFile(const model::PictureGrid& picture, catfile::SaveColours colours = {}) {
    return QByteArray::fromStdString(catfile::colourFile(picture, colours));
}

// Ticks as bits in the order of the dialog's boxes: Check1 1, Check2 2, Check3 4, Check4 8.
void setTicks(QDialog& dialog, int ticks, int boxes) {
    for (int i = 0; i < boxes; ++i) {
        const QByteArray name = "Check" + QByteArray::number(i + 1);
        windowdriver::control<QCheckBox>(dialog, name)->setChecked((ticks >> i & 1) != 0);
    }
}

}  // namespace

class TestFilesWindow : public QObject {
    Q_OBJECT

    // One cell with the pen in the given swatch's colour.
    void dab(const char* swatch, int cx, int cy) {
        ui_.click(swatch);
        ui_.dab(cx, cy);
    }
    EditorState& state() { return ui_.state(); }
    // The colour dialogs are windows of their own.
    static QDialog& form(const char* name) { return windowdriver::topLevel(name); }
    bool timerActive(const char* name) { return ui_.control<QTimer>(name)->isActive(); }
    QString path(const QString& name) { return folder_->filePath(name); }

    // "Ulož" into `name`; for a colour save, then OK in Form3 with the given ticks.
    void save(const QString& name, bool colour, int ticks = 7) {
        ui_.click(colour ? "Option2" : "Option1");
        prompts_.fileNames = QStringList{path(name)};
        ui_.click("Command2");
        if (colour) {
            QVERIFY(form("Form3").isVisible());
            setTicks(form("Form3"), ticks, 3);
            windowdriver::click(form("Form3"), "Command1");
            QVERIFY(!form("Form3").isVisible());
        }
        QVERIFY(ui_.filesSettled());
    }
  private slots:
    void init() {
        folder_.emplace();
        QVERIFY(folder_->isValid());
        prompts_ = ScriptedPrompts();
        QVERIFY(ui_.open(prompts_));
    }
    void cleanup() {
        if (ui_.isOpen()) {
            // Once the files are done with, the canvas shows the picture.
            QCOMPARE(state().canvas.image(), ui_.repaintedCanvas());
        }
        ui_.close();
        folder_.reset();
    }

    // Before each row: mono.cat holds "#" and colour.cat "rbg" from cell (1, 1), and
    // kept.cat an old text that no row may lose.
    void scenario_data() {
        QTest::addColumn<QString>("steps");
        const auto row = [](const char* name, const char* steps) {
            QTest::newRow(name) << QString::fromUtf8(steps);
        };
        const char* mono = "said Dôležité upozornenie: Obrázok ukladáte vo formáte pre čiernobiele";
        const char* colour = "said Dôležité upozornenie: Obrázok ukladáte vo formáte pre farebné";
        const auto join = [](std::initializer_list<const char*> parts) {
            QByteArray steps;
            for (const char* part : parts) {
                steps += QByteArray(part) + " | ";
            }
            return steps;
        };
        const char* drawn = "draw 1,1 #rbg | draw 127,64 r# | ";
        const char* reopen = "click Command3 | click Command28 | answer p.cat | click Command1 | ";
        row("monochrome saved and opened",
            join({drawn, "click Option1 | answer p.cat | click Command2 | settled", mono, reopen,
                  "settled | art 1,1 #... | art 127,64 .# | label Label18 aktívne: pero | "
                  "is shape=1 undo=1 | asked 2"})
                .constData());
        row("colour saved and opened",
            join({drawn,
                  "click Option2 | answer p.cat | click Command2 | tick Form3 7 | "
                  "click Form3.Command1 | settled",
                  colour, reopen,
                  "tick Form2 15 | click Form2.Command1 | settled | "
                  "art 1,1 .rbg | art 127,64 r. | is tool=1"})
                .constData());
        row("colour, blue saved",
            join({drawn,
                  "click Option2 | answer p.cat | click Command2 | tick Form3 2 | "
                  "click Form3.Command1 | settled",
                  reopen, "click Form2.Command1 | settled | art 1,1 ..b. | art 127,64 .."})
                .constData());
        row("colour, red not loaded",
            join({drawn,
                  "click Option2 | answer p.cat | click Command2 | "
                  "click Form3.Command1 | settled",
                  reopen,
                  "tick Form2 14 | click Form2.Command1 | settled | art 1,1 ..bg | "
                  "ticked Form2 14"})
                .constData());
        row("open cancelled",
            "draw 5,5 g | click Command27 | answer - | click Command1 | "
            "shown Form2 0 | said - | art 5,5 g | is tool=2 undo=0");
        row("colour save cancelled",
            "click Option2 | answer - | click Command2 | shown Form3 0 | "
            "said - | asked 1");
        row("Form3 closed by its frame",
            "draw 3,3 # | click Option2 | answer kept.cat | click Command2 | close Form3 | "
            "settled | said - | click Option1 | answer p.cat | click Command2 | settled | "
            "click Command3 | answer p.cat | click Command1 | settled | art 3,3 #");
        // Closing the colour question cancels the Open: all is as before "Otvor".
        row("Form2 closed by its frame",
            "draw 3,3 r | click Command27 | answer colour.cat | click Command1 | "
            "close Form2 | settled | art 1,1 ... | art 3,3 r | is tool=2 undo=0 | "
            "answer colour.cat | click Command1 | click Form2.Command1 | settled | art 1,1 rbg");
        row("colour file cut short",
            "answer cut.cat | click Command1 | click Form2.Command1 | settled | art 1,1 rbg | "
            "said Obrázok v súbore je neúplný");
        // While a colour dialog waits, "Otvor" and "Ulož" only bring it to the front.
        row("Ulož while loading",
            "answer colour.cat | click Command1 | answer other.cat | "
            "click Command2 | asked 1 | shown Form2 1 | shown Form3 0 | "
            "click Form2.Command1 | settled | art 1,1 rbg");
        row("Otvor while saving",
            "click Option2 | answer p.cat | click Command2 | "
            "answer colour.cat | click Command1 | asked 1 | shown Form2 0 | "
            "click Form3.Command1 | settled | art 1,1 ...");
        // Planes go over the picture as it is when the colours are confirmed.
        row("drawn while Form2 waits",
            "answer colour.cat | click Command1 | dab 1,1 | dab 4,1 | "
            "click Form2.Command1 | settled | art 1,1 rbg.");
        row("drawn while Form2 waits, red unticked",
            "answer colour.cat | click Command1 | dab 1,1 | dab 4,1 | tick Form2 14 | "
            "click Form2.Command1 | settled | art 1,1 #bg#");
        // The sheets hold the picture as it is at OK, in the variant chosen at "Ulož".
        row("edits while Form3 waits",
            join({"click Option2 | answer p.cat | click Command2 | draw 7,7 r | click Option1 | "
                  "click Form3.Command1 | settled",
                  colour, reopen, "click Form2.Command1 | settled | art 7,7 r"})
                .constData());
    }
    void scenario() {
        QFETCH(QString, steps);
        model::PictureGrid picture;
        pictureart::draw(picture, 1, 1, {u"rbg"_s});
        writeBytes(path(u"colour.cat"_s), colourFile(picture));
        writeBytes(path(u"cut.cat"_s), colourFile(picture).left(8000));
        writeBytes(path(u"kept.cat"_s), "old picture");
        ui_.folder = folder_->path();
        ui_.run(steps);
        QCOMPARE(fileBytes(path(u"kept.cat"_s)), QByteArray("old picture"));
        QVERIFY(!QFile::exists(path(u"other.cat"_s)));
        for (const ui::FileDialogRequest& dialog : prompts_.dialogs) {
            QCOMPARE(dialog.filter, kFilter);
        }
    }

    // A save that cannot be written says why and leaves the old file; no warning is shown.
    void failedSaveKeepsTheOldFile_data() {
        QTest::addColumn<bool>("colour");
        QTest::addColumn<bool>("lockedAtOk");  // made read-only only while Form3 waits
        QTest::newRow("monochrome") << false << false;
        QTest::newRow("colour") << true << false;
        QTest::newRow("colour, locked while Form3 waits") << true << true;
    }
    void failedSaveKeepsTheOldFile() {
        QFETCH(bool, colour);
        QFETCH(bool, lockedAtOk);
        QVERIFY(QDir(folder_->path()).mkdir(u"locked"_s));
        const QString old = path(u"locked/picture.cat"_s);
        writeBytes(old, "old picture");
        QFile::setPermissions(folder_->path(), kReadOnlyFolder | QFileDevice::WriteOwner);
        dab("Image1", 3, 3);
        ui_.click(colour ? "Option2" : "Option1");
        prompts_.fileNames = QStringList{old};
        if (lockedAtOk) {
            ui_.click("Command2");
            QVERIFY(form("Form3").isVisible());
        }
        QFile::setPermissions(path(u"locked"_s), kReadOnlyFolder);
        {
            const WithoutRoot asUser;
            if (lockedAtOk) {
                windowdriver::click(form("Form3"), "Command1");
                QVERIFY(ui_.filesSettled());
            } else {
                ui_.click("Command2");
            }
        }
        QFile::setPermissions(path(u"locked"_s), kReadOnlyFolder | QFileDevice::WriteOwner);
        QVERIFY(!form("Form3").isVisible());
        QVERIFY(!timerActive("Timer3"));
        QCOMPARE(prompts_.messages.size(), 1);
        QVERIFY2(prompts_.messages[0].startsWith(u"Obrázok nemôžem uložiť do súboru „"_s + old),
                 qPrintable(prompts_.messages[0]));
        const QString reason = lockedAtOk ? u"Zapísaný súbor sa nedá dať na miesto"_s
                                          : u"Súbor sa nedá vytvoriť (nemáte povolenie)"_s;
        QVERIFY2(prompts_.messages[0].contains(reason), qPrintable(prompts_.messages[0]));
        QCOMPARE(fileBytes(old), QByteArray("old picture"));
        // The window's file is free again: the next save goes through.
        save(u"picture.cat"_s, false);
        QCOMPARE(prompts_.messages.last(), kMonochromeWarning);
    }

  private:
    ScriptedPrompts prompts_;
    windowdriver::MainWindow ui_;
    std::optional<QTemporaryDir> folder_;
};

QTEST_MAIN(TestFilesWindow)
#include "test_files_window.moc"
