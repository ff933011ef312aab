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

const QString kFilter = u"(súbory *.cat)|*.cat|(všetky súbory)|*.*"_s;
const QString kLoadError =
    u"Súbor nemôžem načítať! Skontrolujte prosím formát súboru a tiež aj to, či tento súbor je "
    u"určený pre kalkulačky typu Algebra FX 2.0 alebo CFX 9850."_s;
const QString kMonochromeWarning =
    u"Dôležité upozornenie: Obrázok ukladáte vo formáte pre čiernobiele kalkulačky. V prípade, "
    u"že ste použili aj iné farby ako čiernu a bielu, tieto farby sa neuložia. Uloží sa len "
    u"čierna a biela farba!"_s;
const QString kColourWarning =
    u"Dôležité upozornenie: Obrázok ukladáte vo formáte pre farebné kalkulačky. V prípade, že "
    u"ste použili čiernu farbu, tak táto sa neuloží, keďže farebné kalkulačky čiernu farbu "
    u"nepodporujú. Uloží sa len modrá, zelená, biela a červená farba!"_s;

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

    // The colours a user draws in: black, red, blue, green and white cells.
    void drawEveryColour() {
        dab("Image1", 1, 1);
        dab("Image3", 2, 1);
        dab("Image4", 3, 1);
        dab("Image5", 4, 1);
        dab("Image1", 128, 64);
        dab("Image3", 127, 64);
    }
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
    // "Otvor" on `name`; for a colour file, then OK in Form2 with the given ticks.
    void open(const QString& name, int ticks = 15) {
        prompts_.fileNames = QStringList{path(name)};
        ui_.click("Command1");
        if (form("Form2").isVisible()) {
            setTicks(form("Form2"), ticks, 4);
            windowdriver::click(form("Form2"), "Command1");
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

    void savedPictureOpensAgain_data() {
        QTest::addColumn<bool>("colour");
        QTest::addColumn<int>("saveTicks");
        QTest::addColumn<int>("loadTicks");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("expected");  // cells (1..4, 1) and (127..128, 64)
        QTest::newRow("monochrome") << false << 7 << 15 << 140 << "#...\n.#";
        QTest::newRow("colour") << true << 7 << 15 << 285 << ".rbg\nr.";
        QTest::newRow("colour, blue saved") << true << 2 << 15 << 285 << "..b.\n..";
        QTest::newRow("colour, red not loaded") << true << 7 << 14 << 285 << "..bg\n..";
    }
    void savedPictureOpensAgain() {
        QFETCH(bool, colour);
        QFETCH(int, saveTicks);
        QFETCH(int, loadTicks);
        QFETCH(int, lines);
        QFETCH(QString, expected);
        drawEveryColour();
        const model::PictureGrid drawn = state().picture;
        save(u"picture.cat"_s, colour, saveTicks);
        const catfile::SaveColours chosen{(saveTicks & 1) != 0, (saveTicks & 2) != 0,
                                          (saveTicks & 4) != 0};
        const QByteArray written = fileBytes(path(u"picture.cat"_s));
        QCOMPARE(written, QByteArray::fromStdString(colour ? catfile::colourFile(drawn, chosen)
                                                           : catfile::monochromeFile(drawn)));
        QCOMPARE(written.count("\r\n"), lines);
        QCOMPARE(prompts_.messages, QStringList{colour ? kColourWarning : kMonochromeWarning});
        QCOMPARE(prompts_.dialogs.back().title, u"Uložiť obrázok"_s);
        QCOMPARE(prompts_.dialogs.back().filter, kFilter);
        QVERIFY(state().picture.usedCellsEqual(drawn));

        ui_.click("Command3");
        ui_.click("Image4");
        ui_.click("Command28");
        open(u"picture.cat"_s, loadTicks);
        QCOMPARE(prompts_.dialogs.back().title, u"Otvoriť obrázok"_s);
        QCOMPARE(prompts_.dialogs.back().filter, kFilter);
        QCOMPARE(prompts_.messages.size(), 1);
        QCOMPARE(pictureart::art(state().picture, 1, 1, 4, 1) + u'\n' +
                     pictureart::art(state().picture, 127, 64, 128, 64),
                 expected);
        QCOMPARE(state().fileName, path(u"picture.cat"_s));
        QCOMPARE(ui_.text("Label18"), u"aktívne: pero"_s);
        QCOMPARE(ui_.control<ui::ColourSwatch>("Shape1")->colour(), QColor(0, 0, 0));
        QVERIFY(ui_.undoEnabled());
    }

    void cancelledDialogsChangeNothing_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("colour");
        QTest::newRow("open") << "Command1" << false;
        QTest::newRow("save mono") << "Command2" << false;
        QTest::newRow("save colour") << "Command2" << true;
    }
    void cancelledDialogsChangeNothing() {
        QFETCH(QString, command);
        QFETCH(bool, colour);
        dab("Image5", 5, 5);
        ui_.click("Command27");
        ui_.click(colour ? "Option2" : "Option1");
        prompts_.fileNames = QStringList{QString()};
        ui_.click(command);
        QCOMPARE(prompts_.dialogs.size(), std::size_t{1});
        QVERIFY(prompts_.messages.isEmpty());
        QVERIFY(!form("Form2").isVisible() && !form("Form3").isVisible());
        QVERIFY(!timerActive("Timer2") && !timerActive("Timer3"));
        QCOMPARE(state().picture.at(5, 5), model::kGreen);
        QCOMPARE(state().currentTool, model::kLineTool);
        QCOMPARE(state().currentColor, model::kGreen);
        QVERIFY(!ui_.undoEnabled());
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList());
    }

    // Whatever went wrong, the picture is blank, the canvas shows it and "Naspäť" restores.
    void unreadableFilesShowTheError_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray mono = QByteArray::fromStdString(catfile::monochromeFile({}));
        QTest::newRow("header cut short") << mono.left(60) << u"riadok 4: súbor končí v hlavičke"_s;
        QTest::newRow("no variant") << QByteArray("%Header Record\r\nFormat:BMP\r\n")
                                    << u"riadok 2: neuvádza formát obrázka"_s;
        QTest::newRow("missing") << QByteArray() << u"súbor neexistuje"_s;
    }
    void unreadableFilesShowTheError() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        if (!bytes.isEmpty()) {
            writeBytes(path(u"bad.cat"_s), bytes);
        }
        dab("Image3", 9, 9);
        open(u"bad.cat"_s);
        QCOMPARE(prompts_.messages, QStringList{kLoadError + u"\n\n"_s + reason});
        QVERIFY(!form("Form2").isVisible());
        QCOMPARE(state().picture.at(9, 9), model::kWhite);
        ui_.click("Command11");
        QCOMPARE(state().picture.at(9, 9), model::kRed);
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

    void form3ClosedByItsFrameAbandonsTheSave() {
        writeBytes(path(u"picture.cat"_s), "old picture");
        dab("Image3", 3, 3);
        ui_.click("Option2");
        prompts_.fileNames = QStringList{path(u"picture.cat"_s)};
        ui_.click("Command2");
        QVERIFY(form("Form3").isVisible());
        form("Form3").close();
        QTest::qWait(250);
        QVERIFY(!timerActive("Timer3"));
        QVERIFY(prompts_.messages.isEmpty());
        QCOMPARE(fileBytes(path(u"picture.cat"_s)), QByteArray("old picture"));
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{u"picture.cat"_s});
        save(u"picture.cat"_s, true);
        QCOMPARE(fileBytes(path(u"picture.cat"_s)), colourFile(state().picture));
    }

    // Closing the colour question cancels the Open: all is as it was before "Otvor".
    void form2ClosedByItsFrameCancelsTheOpen() {
        model::PictureGrid saved;
        saved.at(1, 1) = model::kBlue;
        writeBytes(path(u"picture.cat"_s), colourFile(saved));
        dab("Image3", 3, 3);
        ui_.click("Command27");
        prompts_.fileNames = QStringList{path(u"picture.cat"_s)};
        ui_.click("Command1");
        QVERIFY(form("Form2").isVisible());
        // Until the load ends the canvas shows the picture from before.
        QCOMPARE(state().canvas.image().pixel(12, 12), qRgb(255, 0, 0));
        form("Form2").close();
        QVERIFY(!timerActive("Timer2"));
        QCOMPARE(state().picture.at(3, 3), model::kRed);
        QCOMPARE(state().currentTool, model::kLineTool);
        QCOMPARE(state().currentColor, model::kRed);
        QVERIFY(!ui_.undoEnabled());
        open(u"picture.cat"_s);
        QCOMPARE(state().picture.at(1, 1), model::kBlue);
    }

    // While a colour dialog waits, "Otvor" and "Ulož" only bring it to the front.
    void commandsWaitForTheOpenDialog_data() {
        QTest::addColumn<bool>("loading");
        QTest::addColumn<QString>("command");
        QTest::newRow("loading, Otvor") << true << "Command1";
        QTest::newRow("loading, Ulož") << true << "Command2";
        QTest::newRow("saving, Otvor") << false << "Command1";
        QTest::newRow("saving, Ulož") << false << "Command2";
    }
    void commandsWaitForTheOpenDialog() {
        QFETCH(bool, loading);
        QFETCH(QString, command);
        model::PictureGrid saved;
        saved.at(2, 2) = model::kGreen;
        writeBytes(path(u"picture.cat"_s), colourFile(saved));
        ui_.click("Option2");
        prompts_.fileNames = QStringList{path(u"picture.cat"_s)};
        ui_.click(loading ? "Command1" : "Command2");
        QDialog& waiting = form(loading ? "Form2" : "Form3");
        QVERIFY(waiting.isVisible());
        prompts_.fileNames = QStringList{path(u"other.cat"_s)};
        ui_.click(command);
        QCOMPARE(prompts_.dialogs.size(), std::size_t{1});
        QVERIFY(waiting.isVisible());
        QVERIFY(!form(loading ? "Form3" : "Form2").isVisible());
        // Enter confirms the dialog, and the waiting file is finished as usual.
        QTest::keyClick(&waiting, Qt::Key_Return);
        QVERIFY(!waiting.isVisible());
        QVERIFY(ui_.filesSettled());
        QCOMPARE(state().picture.at(2, 2), loading ? model::kGreen : model::kWhite);
        QVERIFY(!QFile::exists(path(u"other.cat"_s)));
    }

    // Planes go over the picture as it is when the colours are confirmed.
    void cellsDrawnWhileForm2Waits_data() {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("expected");  // cells (1..3, 1)
        QTest::newRow("red ticked") << 15 << "rb.";
        QTest::newRow("red unticked") << 14 << "#b#";
    }
    void cellsDrawnWhileForm2Waits() {
        QFETCH(int, ticks);
        QFETCH(QString, expected);
        model::PictureGrid saved;
        pictureart::draw(saved, 1, 1, {u"rb."_s});
        writeBytes(path(u"picture.cat"_s), colourFile(saved));
        prompts_.fileNames = QStringList{path(u"picture.cat"_s)};
        ui_.click("Command1");
        dab("Image1", 1, 1);
        dab("Image1", 2, 1);
        dab("Image1", 3, 1);
        setTicks(form("Form2"), ticks, 4);
        windowdriver::click(form("Form2"), "Command1");
        QVERIFY(ui_.filesSettled());
        QCOMPARE(pictureart::art(state().picture, 1, 1, 3, 1), expected);
        // The ticks stay for the next colour file.
        QCOMPARE(windowdriver::control<QCheckBox>(form("Form2"), "Check1")->isChecked(),
                 (ticks & 1) != 0);
    }

    // The sheets hold the picture as it is at OK, in the variant chosen at "Ulož".
    void colourSaveTakesEditsMadeWhileForm3Waits() {
        ui_.click("Option2");
        prompts_.fileNames = QStringList{path(u"picture.cat"_s)};
        ui_.click("Command2");
        dab("Image3", 7, 7);
        ui_.click("Option1");
        windowdriver::click(form("Form3"), "Command1");
        QVERIFY(ui_.filesSettled());
        QCOMPARE(state().picture.at(7, 7), model::kRed);
        QCOMPARE(fileBytes(path(u"picture.cat"_s)), colourFile(state().picture));
        QCOMPARE(prompts_.messages, QStringList{kColourWarning});
    }

  private:
    ScriptedPrompts prompts_;
    windowdriver::MainWindow ui_;
    std::optional<QTemporaryDir> folder_;
};

QTEST_MAIN(TestFilesWindow)
#include "test_files_window.moc"
