#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "catfile/catwriter.h"
#include "g1marchive.h"
#include "g1mfile/g1mwriter.h"
#include "pictureart.h"
#include "testfiles.h"
#include "windowdriver.h"
#include "withoutroot.h"

using namespace tavrolin;
using namespace Qt::StringLiterals;
using model::EditorState;

namespace {

const QString kFilter = u"(súbory *.cat)|*.cat|(súbory *.g1m)|*.g1m|(všetky súbory)|*.*"_s;
QByteArray colourFile(const model::PictureGrid& picture) {
    return QByteArray::fromStdString(catfile::colourFile(picture, {}));
}

// A .g1m picture with black in the given cells of the first row.
QByteArray g1mFile(std::initializer_list<int> blackColumns, int number) {
    model::PictureGrid picture;
    for (int x : blackColumns) {
        picture.at(x, 1) = model::kBlack;
    }
    return QByteArray::fromStdString(g1mfile::g1mPictureFile(picture, number));
}

}  // namespace

class TestFilesWindow : public QObject {
    Q_OBJECT

    EditorState& state() { return ui_.state(); }
    QString path(const QString& name) { return folder_->filePath(name); }

  private slots:
    void init() {
        folder_.emplace();
        QVERIFY(folder_->isValid());
        prompts_ = ScriptedPrompts();
        QVERIFY(ui_.open(prompts_));
    }
    void cleanup() {
        // Once the files are done with, the canvas shows the picture.
        QCOMPARE(state().canvas.image(), pictureart::repainted(state()));
        ui_.close();
        folder_.reset();
    }

    // Before each row: colour.cat holds "rbg" from cell (1, 1), cut.cat its start, kept.cat
    // an old text that no row may lose; one.g1m "##" and two.g1m Pict 3 "#" and Pict 20 ".#".
    void scenario_data() {
        QTest::addColumn<QString>("steps");
        const auto row = [](const char* name, const QString& steps) {
            QTest::newRow(name) << steps;
        };
        const QString mono =
            u"said Dôležité upozornenie: Obrázok ukladáte vo formáte pre čiernobiele | "_s;
        const QString colour =
            u"said Dôležité upozornenie: Obrázok ukladáte vo formáte pre farebné | "_s;
        const QString drawn = u"draw 1,1 #rbg | draw 127,64 r# | "_s;
        const QString saveColour = u"click Option2 | answer p.cat | click Command2 | "_s;
        const QString reopen =
            u"click Command3 | click Command28 | answer p.cat | click Command1 | "_s;
        row("monochrome saved and opened",
            drawn + u"click Option1 | answer p.cat | click Command2 | settled | "_s + mono +
                reopen +
                u"settled | art 1,1 #... | art 127,64 .# | label Label18 aktívne: pero | "
                u"is shape=1 undo=1 | asked 2"_s);
        row("colour saved and opened",
            drawn + saveColour + u"tick Form3 7 | click Form3.Command1 | settled | "_s + colour +
                reopen +
                u"tick Form2 15 | click Form2.Command1 | settled | art 1,1 .rbg | art 127,64 r. | "
                u"is tool=1"_s);
        row("colour, blue saved",
            drawn + saveColour + u"tick Form3 2 | click Form3.Command1 | settled | "_s + reopen +
                u"click Form2.Command1 | settled | art 1,1 ..b. | art 127,64 .."_s);
        row("colour, red not loaded",
            drawn + saveColour + u"click Form3.Command1 | settled | "_s + reopen +
                u"tick Form2 14 | click Form2.Command1 | settled | art 1,1 ..bg | ticked Form2 14"_s);
        row("open cancelled",
            u"draw 5,5 g | click Command27 | answer - | click Command1 | shown Form2 0 | said - | "
            u"art 5,5 g | is tool=2 undo=0"_s);
        row("colour save cancelled",
            u"click Option2 | answer - | click Command2 | shown Form3 0 | said - | asked 1"_s);
        row("Form3 closed by its frame",
            u"draw 3,3 # | click Option2 | answer kept.cat | click Command2 | close Form3 | "
            u"settled | said - | click Option1 | answer p.cat | click Command2 | settled | "
            u"click Command3 | answer p.cat | click Command1 | settled | art 3,3 #"_s);
        // Closing the colour question cancels the Open: all is as before "Otvor".
        row("Form2 closed by its frame",
            u"draw 3,3 r | click Command27 | answer colour.cat | click Command1 | close Form2 | "
            u"settled | art 1,1 ... | art 3,3 r | is tool=2 undo=0 | answer colour.cat | "
            u"click Command1 | click Form2.Command1 | settled | art 1,1 rbg"_s);
        row("colour file cut short",
            u"answer cut.cat | click Command1 | click Form2.Command1 | settled | art 1,1 rbg | "
            u"said Obrázok v súbore je neúplný"_s);
        // While a colour dialog waits, "Otvor" and "Ulož" only bring it to the front.
        row("Ulož while loading",
            u"answer colour.cat | click Command1 | answer other.cat | click Command2 | asked 1 | "
            u"shown Form2 1 | shown Form3 0 | click Form2.Command1 | settled | art 1,1 rbg"_s);
        row("Otvor while saving",
            saveColour +
                u"answer colour.cat | click Command1 | asked 1 | shown Form2 0 | "
                u"click Form3.Command1 | settled | art 1,1 ..."_s);
        // Planes go over the picture as it is when the colours are confirmed.
        row("drawn while Form2 waits, red unticked",
            u"answer colour.cat | click Command1 | dab 1,1 | dab 4,1 | tick Form2 14 | "
            u"click Form2.Command1 | settled | art 1,1 #bg#"_s);
        // The sheets hold the picture as it is at OK, in the variant chosen at "Ulož".
        row("edits while Form3 waits",
            saveColour + u"draw 7,7 r | click Option1 | click Form3.Command1 | settled | "_s +
                colour + reopen + u"click Form2.Command1 | settled | art 7,7 r"_s);
        // .g1m files: the pen goes back to black; a list of pictures asks which one.
        row(".g1m opened",
            u"click Image3 | dab 3,1 | answer one.g1m | click Command1 | settled | said - | "
            u"art 1,1 ##. | is undo=1 shape=1 | label Label18 aktívne: pero"_s);
        row(".g1m, second of two",
            u"answer two.g1m | pick 1 | click Command1 | settled | offered Pict 3/Pict 20 | "
            u"art 1,1 .#."_s);
        row(".g1m choice cancelled",
            u"draw 3,1 r | answer two.g1m | click Command1 | settled | offered Pict 3/Pict 20 | "
            u"art 1,1 ..r | is undo=0"_s);
        row(".g1m cut short",
            u"draw 3,1 r | answer cut.g1m | click Command1 | settled | "
            u"said Súbor nemôžem načítať! | reason veľkosť v hlavičke nesedí s dĺžkou súboru | "
            u"art 1,1 ..r | is undo=0"_s);
        row(".g1m saved without a number",
            u"answer p.g1m | click Command2 | said - | answer p.g1m | click Command1 | settled | "
            u"said Súbor nemôžem načítať!"_s);
        row(".g1m saved and opened",
            u"dab 1,1 | click Image3 | dab 2,1 | number 7 | answer p.g1m | click Command2 | "_s +
                mono +
                u"same p.g1m seven.g1m | click Command3 | answer p.g1m | click Command1 | "
                u"settled | art 1,1 #.."_s);
    }
    void scenario() {
        QFETCH(QString, steps);
        model::PictureGrid picture;
        pictureart::draw(picture, 1, 1, {u"rbg"_s});
        writeBytes(path(u"colour.cat"_s), colourFile(picture));
        writeBytes(path(u"cut.cat"_s), colourFile(picture).left(8000));
        writeBytes(path(u"kept.cat"_s), "old picture");
        writeBytes(path(u"one.g1m"_s), g1mFile({1, 2}, 1));
        writeBytes(path(u"cut.g1m"_s), g1mFile({1}, 1).chopped(1));
        writeBytes(path(u"seven.g1m"_s), g1mFile({1}, 7));
        const QByteArray program =
            g1marchive::memoryFile("PROGRAM", "system", "DRAW", 0x01, QByteArray(9, 'x'));
        writeBytes(path(u"two.g1m"_s),
                   g1marchive::archive(
                       g1mFile({1}, 3).mid(0x20) + program + g1mFile({2}, 20).mid(0x20), 3));
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
        ui_.folder = folder_->path();
        ui_.run(u"dab 3,3 | answer locked/picture.cat | click Option"_s + (colour ? u'2' : u'1') +
                (lockedAtOk ? u" | click Command2 | shown Form3 1"_s : QString()));
        QFile::setPermissions(path(u"locked"_s), kReadOnlyFolder);
        {
            const WithoutRoot asUser;
            ui_.run(lockedAtOk ? u"click Form3.Command1 | settled"_s : u"click Command2"_s);
        }
        QFile::setPermissions(path(u"locked"_s), kReadOnlyFolder | QFileDevice::WriteOwner);
        ui_.run(u"shown Form3 0 | settled | asked 1 | said Obrázok nemôžem uložiť do súboru „"_s +
                old);
        const QString reason = lockedAtOk ? u"Zapísaný súbor sa nedá dať na miesto"_s
                                          : u"Súbor sa nedá vytvoriť (nemáte povolenie)"_s;
        QVERIFY2(prompts_.messages.join(u'|').contains(reason), qPrintable(prompts_.messages[0]));
        QCOMPARE(fileBytes(old), QByteArray("old picture"));
        // The window's file is free again: the next save goes through.
        ui_.run(
            u"click Option1 | answer picture.cat | click Command2 | settled | "
            u"said Dôležité upozornenie: Obrázok ukladáte vo formáte pre čiernobiele"_s);
        QCOMPARE(prompts_.messages.size(), 2);
    }

  private:
    ScriptedPrompts prompts_;
    windowdriver::MainWindow ui_;
    std::optional<QTemporaryDir> folder_;
};

QTEST_MAIN(TestFilesWindow)
#include "test_files_window.moc"
