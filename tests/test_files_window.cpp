// The window's .cat files, images and files given from outside, as rows of user steps.
#include <QTest>

#include "catfile/catwriter.h"
#include "g1marchive.h"
#include "g1mfile/g1mwriter.h"
#include "testfileswindow.h"

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// A .g1m picture with black in the given cells of the first row.
QByteArray g1mFile(std::initializer_list<int> blackColumns, int number) {
    model::PictureGrid picture;
    for (int x : blackColumns) {
        picture.at(x, 1) = model::kBlack;
    }
    return QByteArray::fromStdString(g1mfile::g1mPictureFile(picture, number));
}

}  // namespace

// Each test starts with these files: colour.cat holds "rbg#" from cell (1, 1), cut.cat
// its start, kept.CAT an old text that no row may lose; one.g1m "##", two.g1m Pict 3 "#"
// and Pict 20 ".#"; images mixed.png (mixedImage()), small.gif (red, blue, green, black
// over the reverse), huge.png (a header of 30000 × 30000) and notes.txt, no image.
void TestFilesWindow::init() {
    folder_.emplace();
    QVERIFY(folder_->isValid());
    model::PictureGrid picture;
    pictureart::draw(picture, 1, 1, {u"rbg#"_s});
    const auto colourFile = QByteArray::fromStdString(catfile::colourFile(picture, {}));
    writeBytes(path(u"colour.cat"_s), colourFile);
    writeBytes(path(u"cut.cat"_s), colourFile.left(8000));
    writeBytes(path(u"kept.CAT"_s), "old picture");
    writeBytes(path(u"one.g1m"_s), g1mFile({1, 2}, 1));
    writeBytes(path(u"cut.g1m"_s), g1mFile({1}, 1).chopped(1));
    writeBytes(path(u"seven.g1m"_s), g1mFile({1}, 7));
    const QByteArray program =
        g1marchive::memoryFile("PROGRAM", "system", "DRAW", 0x01, QByteArray(9, 'x'));
    writeBytes(
        path(u"two.g1m"_s),
        g1marchive::archive(g1mFile({1}, 3).mid(0x20) + program + g1mFile({2}, 20).mid(0x20), 3));
    writeBytes(path(u"twin.g1m"_s), fileBytes(path(u"two.g1m"_s)));
    QVERIFY(mixedImage().save(path(u"mixed.png"_s)));
    writeBytes(path(u"small.gif"_s),
               QByteArray::fromHex("47494638396104000200810000ff00000000ff00800000"
                                   "00002c00000000040002000002070443711cc51005003b"));
    writeBytes(path(u"huge.png"_s), kHugePng);
    writeBytes(path(u"notes.txt"_s), "words\n");
    prompts_ = ScriptedPrompts();
    QVERIFY(ui_.open(prompts_));
    ui_.folder = folder_->path();
}
void TestFilesWindow::cleanup() {
    ui_.close();
    folder_.reset();
}

void TestFilesWindow::scenario_data() {
    QTest::addColumn<QString>("steps");
    const auto row = [](const char* name, const QString& steps) { QTest::newRow(name) << steps; };
    const QString mono = u"said Obrázok ukladáte vo formáte pre čiernobiele | "_s;
    const QString colour = u"said Obrázok ukladáte vo formáte pre farebné | "_s;
    const QString drawn = u"draw 1,1 #rbg | draw 127,64 r# | "_s;
    const QString saveColour = u"click CFX 9850 | answer p.cat | click Ulož | "_s;
    const QString reopen = u"click Nový | click Obdĺžnik | answer p.cat | click Otvor | "_s;
    const QString drawnRed = u"click Farba: červená | dab 9,9 | "_s;
    const QString saveOk = u"click V akej farbe uložiť obrázok? OK | settled | "_s;
    const QString loadOk = u"click Ktoré farby načítať? OK | settled | "_s;
    row("monochrome saved and opened",
        drawn + u"click Algebra FX 2.0 | answer p.cat | click Ulož | settled | "_s + mono + reopen +
            u"settled | art 1,1 #... | art 127,64 .# | label aktívny nástroj aktívne: pero | "
            u"is shape=1 undo=1 | asked 2"_s);
    row("colour saved and opened", drawn + saveColour +
                                       u"tick V akej farbe uložiť obrázok? 7 | "_s + saveOk +
                                       colour + reopen + u"tick Ktoré farby načítať? 15 | "_s +
                                       loadOk + u"art 1,1 .rbg | art 127,64 r. | is tool=1"_s);
    // Form3 opens with the focus on its first tick, "červená", and Enter confirms.
    row("colours to save from the keyboard",
        drawn + saveColour + u"focused V akej farbe uložiť obrázok? červená | key Space | "_s +
            u"key Return | settled | "_s + reopen + loadOk + u"art 1,1 ..bg | art 127,64 .."_s);
    row("open cancelled",
        u"draw 5,5 g | click Čiara | answer - | click Otvor | shown Ktoré farby načítať? 0 | "
        u"said - | art 5,5 g | is tool=2 undo=0"_s);
    row("colour save cancelled",
        u"click CFX 9850 | answer - | click Ulož | shown V akej farbe uložiť obrázok? 0 | said - | "
        u"asked 1"_s);
    row("Form3 closed by its frame",
        u"draw 3,3 # | click CFX 9850 | answer kept.CAT | click Ulož | "
        u"close V akej farbe uložiť obrázok? | settled | said - | click Algebra FX 2.0 | "
        u"answer p.cat | click Ulož | settled | click Nový | answer p.cat | click Otvor | "
        u"settled | art 3,3 #"_s);
    // Closing the colour question cancels the Open: all is as before "Otvor".
    row("Form2 closed by its frame",
        u"draw 3,3 r | click Čiara | answer colour.cat | click Otvor | "
        u"close Ktoré farby načítať? | settled | art 1,1 ... | art 3,3 r | is tool=2 undo=0 | "
        u"answer colour.cat | click Otvor | click Ktoré farby načítať? OK | settled | "
        u"art 1,1 rbg"_s);
    row("colour file cut short",
        u"answer cut.cat | click Otvor | click Ktoré farby načítať? OK | settled | art 1,1 rbg | "
        u"said Obrázok v súbore je neúplný: súbor „@cut.cat“"_s);
    row("save into a missing folder",
        u"dab 1,1 | click Algebra FX 2.0 | answer gone/p.cat | click Ulož | "
        u"said „@gone/p.cat“! Ak súbor s týmto menom už existoval, zostal nezmenený.\n\n"
        u"Dôvod: súbor sa nedá vytvoriť (priečinok neexistuje)."_s);
    // An opened or saved picture has no unsaved changes; "Uložiť" before closing runs
    // the save with its dialogs, and the window closes only once it is written.
    row("saved before closing",
        u"answer colour.cat | click Command1 | click Form2.Command1 | settled | is modified=0 | "
        u"dab 5,5 | is modified=1 | click Option2 | reply save | answer - | close Form1 | "
        u"reply save | answer p.cat | close Form1 | close Form3 | settled | shown Form1 1 | "
        u"is modified=1 | reply save | answer p.cat | close Form1 | click Form3.Command1 | "
        u"settled | shown Form1 0 | is modified=0 questions=3"_s);
    // While a colour dialog waits, "Otvor" and "Ulož" only bring it to the front.
    row("Ulož while loading",
        u"answer colour.cat | click Otvor | answer other.cat | click Ulož | asked 1 | "
        u"shown Ktoré farby načítať? 1 | shown V akej farbe uložiť obrázok? 0 | "
        u"click Ktoré farby načítať? OK | settled | art 1,1 rbg"_s);
    row("Otvor while saving",
        saveColour +
            u"answer colour.cat | click Otvor | asked 1 | shown Ktoré farby načítať? 0 | "_s +
            saveOk + u"art 1,1 ..."_s);
    // Planes go over the picture as it is when the colours are confirmed.
    row("drawn while Form2 waits, red unticked",
        u"answer colour.cat | click Otvor | dab 1,1 | dab 4,1 | tick Ktoré farby načítať? 14 | "
        u"click Ktoré farby načítať? OK | settled | art 1,1 #bg# | "
        u"ticked Ktoré farby načítať? 14"_s);
    // The sheets hold the picture as it is at OK, in the variant chosen at "Ulož".
    row("edits while Form3 waits", saveColour + u"draw 7,7 r | click Algebra FX 2.0 | "_s + saveOk +
                                       colour + reopen + loadOk + u"art 7,7 r"_s);
    // Nothing to save: no black cell for the black-and-white formats, none in the
    // ticked colours for the colour .cat.
    row("empty picture not saved",
        u"draw 1,1 r | answer p.g1m | click Ulož | asks žiadnu čiernu bunku | is proposed=0 | "
        u"click Algebra FX 2.0 | answer p.cat | click Ulož | said - | button Uložiť | "
        u"answer p.cat | click Ulož | settled | said čiernobiele | draw 1,1 # | click CFX 9850 | "
        u"answer c.cat | click Ulož | click Form3.Command1 | settled | asks bunku vo farbách"_s);
    // Images: the ticks of "Import obrázka:" choose the colours kept (here all but
    // red), the pen goes back to black; the export, of the picture as it is, too.
    row("imported",
        u"tick Import obrázka: 23 | click Čiara | click Farba: červená | answer mixed.png | "
        u"click Importuj obrázok | art 1,1 .#.bg.. | label aktívny nástroj aktívne: pero | "
        u"is colour=1 shape=1 undo=1 | click Naspäť | art 1,1 ...."_s);
    row("image too large to read",
        u"draw 64,32 # | answer huge.png | click Importuj obrázok | "
        u"said Súbor „@huge.png“ nemôžem načítať ako obrázok!\n\nDôvod: obrázok má 30000 × 30000 "
        u"bodov, to je priveľa | art 64,32 # | is undo=0"_s);
    row("exported and imported back",
        u"draw 1,1 #b/g. | draw 128,64 r | stop Timer1 | click Farba: červená | "
        u"drag 10,3 11,3 12,3 13,3 14,4 | answer p.bmp | click Exportuj obrázok | "
        u"is colour=1 shape=1 undo=0 | dab 20,20 | art 20,20 # | click Nový | "
        u"click Farba: červená | answer p.bmp | click Importuj obrázok | said - | "
        u"asked 2 Importovať obrázok | art 1,1 #b/g. | art 128,64 r | art 10,3 .rrr. | "
        u"art 14,4 r"_s);
    row("export into a missing folder",
        u"click Farba: modrá | answer gone/p.bmp | click Exportuj obrázok | "
        u"said Obrázok nemôžem zapísať do súboru „@gone/p.bmp“! | is colour=3"_s);
    // From outside: on the command line or dropped, no file dialog; where nothing
    // could be read, the picture drawn before is kept or given back by "Naspäť".
    row("opened from outside", drawnRed + u"open colour.cat | "_s + loadOk +
                                   u"art 1,1 rbg | art 9,9 . | click Naspäť | art 9,9 r"_s);
    row("unreadable from outside",
        drawnRed +
            u"open kept.CAT | settled | said Súbor nemôžem načítať! | art 9,9 . | "
            u"click Naspäť | art 9,9 r"_s);
    row("image from outside", u"open mixed.png | art 1,1 .#rbg.."_s);
    row("no image from outside",
        drawnRed +
            u"open notes.txt | said Súbor „@notes.txt“ nemôžem načítať ako obrázok! "
            u"Skontrolujte | art 9,9 r | is undo=0 colour=2"_s);
    row("dropped", u"drop small.gif | is dropped=1 | art 1,1 rbg#./#gbr./....."_s);
    row("dropped, no single file",
        u"drop small.gif colour.cat | is dropped=0 | drop https://example.com/a.cat | "
        u"is dropped=0 | said - | is undo=0 | art 1,1 ."_s);
}
void TestFilesWindow::scenario() {
    QFETCH(QString, steps);
    ui_.run(steps);
    QCOMPARE(fileBytes(path(u"kept.CAT"_s)), QByteArray("old picture"));
    QVERIFY(!QFile::exists(path(u"other.cat"_s)));
    const QString pictures = u"Súbory .cat|*.cat|Súbory .g1m|*.g1m *.g1r|Všetky súbory|*"_s;
    const QMap<QString, QString> filters{
        {u"Otvoriť obrázok"_s, u"Obrázky pre kalkulačky|*.cat *.g1m *.g1r|"_s + pictures},
        {u"Uložiť obrázok"_s, pictures},
        {u"Exportuj obrázok"_s, u"Súbory .bmp|*.bmp|Súbory .png|*.png|Zdrojový kód C|*.c *.h"_s},
        {u"Importovať obrázok"_s,
         u"Súbory .bmp|*.bmp|Súbory .jpg|*.jpg *.jpeg|Súbory "
         u".gif|*.gif|Súbory .png|*.png"_s}};
    for (const ui::FileDialogRequest& dialog : prompts_.dialogs) {
        // The import's first entry is every image Qt reads here.
        const bool import = dialog.title == u"Importovať obrázok"_s;
        QCOMPARE(dialog.filter.section(u'|', import ? 2 : 0), filters.value(dialog.title));
    }
}

QTEST_MAIN(TestFilesWindow)
