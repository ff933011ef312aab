// The window's files, as rows of user steps: "Otvor", "Ulož", the image import and export,
// files given from outside, and the dialogs they ask. How the files are read and written
// is tested where that is done.
#include <sys/stat.h>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QTest>
#include <condition_variable>
#include <optional>
#include <thread>

#include "catfile/catwriter.h"
#include "exchange/fitsource.h"
#include "exchange/imagescan.h"
#include "g1marchive.h"
#include "g1mfile/g1mwriter.h"
#include "ui/dialogs/fitdialog.h"
#include "ui/dialogs/qtprompts.h"
#include "windowdriver.h"
#include "withoutroot.h"

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

// White, black, red, blue, green, a transparent black and a half-transparent red.
QImage mixedImage() {
    QImage image(7, 1, QImage::Format_ARGB32);
    for (int x = 0; x < 5; ++x) {
        image.setPixel(x, 0, pictureart::paletteQRgb(x));
    }
    image.setPixel(5, 0, qRgba(0, 0, 0, 0));
    image.setPixel(6, 0, qRgba(255, 0, 0, 128));
    return image;
}

}  // namespace

class TestFilesWindow : public QObject {
    Q_OBJECT

    QString path(const QString& name) { return folder_->filePath(name); }

  private slots:
    // Each test starts with these files: colour.cat holds "rbg#" from cell (1, 1) and
    // mono.txt its monochrome file, cut.cat the colour file's start, kept.CAT an old text
    // that no row may lose; one.g1m "##", two.g1m Pict 3 "#" and Pict 20 ".#"; images
    // mixed.png (mixedImage()), stripe.jpg (8 white and 8 black columns), small.gif (red,
    // blue, green, black over the reverse), huge.png (a header of 30000 × 30000) and
    // notes.txt, no image.
    void init() {
        folder_.emplace();
        QVERIFY(folder_->isValid());
        model::PictureGrid picture;
        pictureart::draw(picture, 1, 1, {u"rbg#"_s});
        const auto colourFile = QByteArray::fromStdString(catfile::colourFile(picture, {}));
        writeBytes(path(u"colour.cat"_s), colourFile);
        writeBytes(path(u"cut.cat"_s), colourFile.left(8000));
        writeBytes(path(u"mono.txt"_s),
                   QByteArray::fromStdString(catfile::monochromeFile(picture)));
        writeBytes(path(u"kept.CAT"_s), "old picture");
        writeBytes(path(u"one.g1m"_s), g1mFile({1, 2}, 1));
        writeBytes(path(u"cut.g1m"_s), g1mFile({1}, 1).chopped(1));
        writeBytes(path(u"seven.g1m"_s), g1mFile({1}, 7));
        const QByteArray program =
            g1marchive::memoryFile("PROGRAM", "system", "DRAW", 0x01, QByteArray(9, 'x'));
        writeBytes(path(u"two.g1m"_s),
                   g1marchive::archive(
                       g1mFile({1}, 3).mid(0x20) + program + g1mFile({2}, 20).mid(0x20), 3));
        writeBytes(path(u"twin.g1m"_s), fileBytes(path(u"two.g1m"_s)));
        QVERIFY(mixedImage().save(path(u"mixed.png"_s)));
        writeBytes(path(u"small.gif"_s),
                   QByteArray::fromHex("47494638396104000200810000ff00000000ff00800000"
                                       "00002c00000000040002000002070443711cc51005003b"));
        writeBytes(path(u"huge.png"_s),
                   QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200007530000075300802"
                                       "000000e9456fed000000004944415435af061e0000000049454e"
                                       "44ae426082"));
        writeBytes(path(u"notes.txt"_s), "words\n");
        QVERIFY(
            mixedImage().scaled(56, 8).copy(0, 0, 16, 8).save(path(u"stripe.jpg"_s), nullptr, 100));
        prompts_ = ScriptedPrompts();
        QVERIFY(ui_.open(prompts_));
        ui_.folder = folder_->path();
    }
    void cleanup() {
        ui_.close();
        folder_.reset();
    }

    void scenario_data() {
        QTest::addColumn<QString>("steps");
        const auto row = [](const char* name, const QString& steps) {
            QTest::newRow(name) << steps;
        };
        const QString mono = u"said Obrázok ukladáte vo formáte pre čiernobiele | "_s;
        const QString colour = u"said Obrázok ukladáte vo formáte pre farebné | "_s;
        const QString drawn = u"draw 1,1 #rbg | draw 127,64 r# | "_s;
        const QString saveColour = u"click CFX 9850 | answer p.cat | click Ulož | "_s;
        const QString reopen = u"click Nový | click Obdĺžnik | answer p.cat | click Otvor | "_s;
        const QString drawnRed = u"click Farba: červená | dab 9,9 | "_s;
        row("monochrome saved and opened",
            drawn + u"click Algebra FX 2.0 | answer p.cat | click Ulož | settled | "_s + mono +
                reopen +
                u"settled | art 1,1 #... | art 127,64 .# | label aktívny nástroj aktívne: pero | "
                u"is shape=1 undo=1 | asked 2"_s);
        row("colour saved and opened",
            drawn + saveColour +
                u"tick V akej farbe uložiť obrázok? 7 | click V akej farbe uložiť obrázok? OK | settled | "_s +
                colour + reopen +
                u"tick Ktoré farby načítať? 15 | click Ktoré farby načítať? OK | settled | art 1,1 "
                u".rbg | art 127,64 r. | "
                u"is tool=1"_s);
        // Form3 opens with the focus on its first tick, "červená", and Enter confirms.
        row("colours to save from the keyboard",
            drawn + saveColour +
                u"focused V akej farbe uložiť obrázok? červená | key Space | key Return | settled | "_s +
                reopen +
                u"click Ktoré farby načítať? OK | settled | art 1,1 ..bg | art 127,64 .."_s);
        row("colour, red not loaded",
            drawn + saveColour + u"click V akej farbe uložiť obrázok? OK | settled | "_s + reopen +
                u"tick Ktoré farby načítať? 14 | click Ktoré farby načítať? OK | settled | art 1,1 ..bg | ticked Ktoré farby načítať? 14"_s);
        row("open cancelled",
            u"draw 5,5 g | click Čiara | answer - | click Otvor | shown Ktoré farby načítať? 0 | "
            u"said - | art 5,5 g | is tool=2 undo=0"_s);
        row("colour save cancelled",
            u"click CFX 9850 | answer - | click Ulož | shown V akej farbe uložiť obrázok? 0 | "
            u"said - | asked 1"_s);
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
            u"answer cut.cat | click Otvor | click Ktoré farby načítať? OK | settled | "
            u"art 1,1 rbg | said Obrázok v súbore je neúplný: súbor „@cut.cat“"_s);
        row("save into a missing folder",
            u"dab 1,1 | click Algebra FX 2.0 | answer gone/p.cat | click Ulož | "
            u"said Obrázok nemôžem uložiť do súboru „@gone/p.cat“! Súbor sa nedá vytvoriť ("_s);
        // An opened or saved picture has no unsaved changes; "Uložiť" before closing runs
        // the save with its dialogs, and the window closes only once it is written.
        row("saved before closing",
            u"answer colour.cat | click Command1 | click Form2.Command1 | settled | "
            u"is modified=0 | dab 5,5 | is modified=1 | click Option2 | reply save | answer - | "
            u"close Form1 | reply save | answer p.cat | close Form1 | close Form3 | settled | "
            u"shown Form1 1 | is modified=1 | reply save | answer p.cat | close Form1 | "
            u"click Form3.Command1 | settled | shown Form1 0 | is modified=0 questions=3"_s);
        // While a colour dialog waits, "Otvor" and "Ulož" only bring it to the front.
        row("Ulož while loading",
            u"answer colour.cat | click Otvor | answer other.cat | click Ulož | asked 1 | "
            u"shown Ktoré farby načítať? 1 | shown V akej farbe uložiť obrázok? 0 | "
            u"click Ktoré farby načítať? OK | settled | art 1,1 rbg"_s);
        row("Otvor while saving",
            saveColour +
                u"answer colour.cat | click Otvor | asked 1 | shown Ktoré farby načítať? 0 | "
                u"click V akej farbe uložiť obrázok? OK | settled | art 1,1 ..."_s);
        // Planes go over the picture as it is when the colours are confirmed.
        row("drawn while Form2 waits, red unticked",
            u"answer colour.cat | click Otvor | dab 1,1 | dab 4,1 | tick Ktoré farby načítať? 14 | "
            u"click Ktoré farby načítať? OK | settled | art 1,1 #bg#"_s);
        // The sheets hold the picture as it is at OK, in the variant chosen at "Ulož".
        row("edits while Form3 waits",
            saveColour +
                u"draw 7,7 r | click Algebra FX 2.0 | click V akej farbe uložiť obrázok? OK | settled | "_s +
                colour + reopen + u"click Ktoré farby načítať? OK | settled | art 7,7 r"_s);
        // .g1m files: the pen goes back to black; a list of pictures asks which one.
        row(".g1m opened",
            u"click Farba: červená | dab 3,1 | answer one.g1m | click Otvor | settled | said - | "
            u"art 1,1 ##. | is undo=1 shape=1 | label aktívny nástroj aktívne: pero"_s);
        row(".g1m, second of two",
            u"answer two.g1m | pick 1 | click Otvor | settled | offered Pict 3/Pict 20 | "
            u"art 1,1 .#."_s);
        row(".g1m choice cancelled",
            u"draw 3,1 r | answer two.g1m | click Otvor | settled | offered Pict 3/Pict 20 | "
            u"art 1,1 ..r | is undo=0"_s);
        row(".g1m cut short",
            u"draw 3,1 r | answer cut.g1m | click Otvor | settled | "
            u"said kalkulačky radu fx-9860G! | said Dôvod: súbor je skrátený | art 1,1 ..r | "
            u"is undo=0"_s);
        row(".g1m saved without a number",
            u"dab 1,1 | answer p.g1m | click Ulož | said - | answer p.g1m | click Otvor | "
            u"settled | said kalkulačky radu fx-9860G!"_s);
        row(".g1m saved and opened",
            u"dab 1,1 | click Farba: červená | dab 2,1 | number 7 | answer p.g1m | click Ulož | "_s +
                mono +
                u"same p.g1m seven.g1m | click Nový | answer p.g1m | click Otvor | "
                u"settled | art 1,1 #.."_s);
        // Into an archive that holds other items: added to it, the others kept, or in place
        // of it; the number proposed is the picture's own. A cancel writes nothing.
        row(".g1m added into an archive",
            u"pick 0 | answer two.g1m | click Otvor | dab 5,1 | number 3 | button Pridať | "
            u"answer two.g1m | click Ulož | is proposed=3 modified=0 | "
            u"asks iné položky (Pict 20, programy: 1). Pridať do neho obrázok Pict 3 | pick 0 | "
            u"answer two.g1m | click Otvor | offered Pict 3/Pict 20 | art 1,1 #...# | number 9 | "
            u"answer two.g1m | click Ulož | "
            u"asks (Pict 3, Pict 20, programy: 1). Pridať do neho obrázok Pict 9"_s);
        row(".g1m replacing an archive",
            u"dab 1,1 | number 4 | button Nahradiť celý súbor | answer two.g1m | click Ulož | "
            u"is proposed=1 | click Nový | answer two.g1m | click Otvor | art 1,1 # | "
            u"answer two.g1m | click Ulož | is proposed=4"_s);
        row(".g1m archive kept by a cancel",
            u"dab 1,1 | reply save | number 1 | answer two.g1m | close Form1 | shown Form1 1 | "
            u"asks Pict 1 a ostatné ponechať? [Pridať/Nahradiť celý súbor/Zrušiť] | "
            u"same two.g1m twin.g1m | is modified=1"_s);
        row(".g1m unreadable, replaced when agreed",
            u"dab 1,1 | number 2 | answer cut.g1m | click Ulož | "
            u"asks „@cut.g1m“ nie je čitateľný | button Nahradiť | number 2 | answer cut.g1m | "
            u"click Ulož | answer cut.g1m | click Otvor | art 1,1 #"_s);
        // Nothing to save: no black cell for the black-and-white formats, none in the
        // ticked colours for the colour .cat.
        row("empty picture not saved",
            u"draw 1,1 r | answer p.g1m | click Ulož | asks žiadnu čiernu bunku | is proposed=0 | "
            u"click Algebra FX 2.0 | answer p.cat | click Ulož | said - | button Uložiť | "
            u"answer p.cat | click Ulož | settled | said čiernobiele | draw 1,1 # | "
            u"click CFX 9850 | answer c.cat | click Ulož | click Form3.Command1 | settled | "
            u"asks bunku vo farbách"_s);
        // Images: the ticks of "Import obrázka:" choose the colours kept (here all but
        // red), the pen goes back to black; the export, of the picture as it is, too.
        row("imported",
            u"tick Import obrázka: 23 | click Čiara | click Farba: červená | answer mixed.png | "
            u"click Importuj obrázok | art 1,1 .#.bg.. | label aktívny nástroj aktívne: pero | "
            u"is colour=1 shape=1 undo=1 | click Naspäť | art 1,1 ...."_s);
        row("jpeg imported",
            u"answer stripe.jpg | click Importuj obrázok | art 1,1 ........########."_s);
        row("image too large to read",
            u"draw 64,32 # | answer huge.png | click Importuj obrázok | "
            u"said Súbor „@huge.png“ nemôžem načítať ako obrázok!\n\nDôvod: obrázok má 30000 × "
            u"30000 bodov, to je priveľa | art 64,32 # | is undo=0"_s);
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
        row("opened from outside",
            drawnRed +
                u"open colour.cat | click Ktoré farby načítať? OK | settled | art 1,1 rbg | "
                u"art 9,9 . | click Naspäť | art 9,9 r"_s);
        row("found by its header",
            u"open mono.txt | shown Ktoré farby načítať? 0 | settled | art 1,1 ...#"_s);
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
    void scenario() {
        QFETCH(QString, steps);
        ui_.run(steps);
        QCOMPARE(fileBytes(path(u"kept.CAT"_s)), QByteArray("old picture"));
        QVERIFY(!QFile::exists(path(u"other.cat"_s)));
        const QString pictures = u"Súbory .cat|*.cat|Súbory .g1m|*.g1m *.g1r|Všetky súbory|*"_s;
        const QMap<QString, QString> filters{
            {u"Otvoriť obrázok"_s, u"Obrázky pre kalkulačky|*.cat *.g1m *.g1r|"_s + pictures},
            {u"Uložiť obrázok"_s, pictures},
            {u"Exportuj obrázok"_s, u"Súbory .bmp|*.bmp|Súbory .png|*.png|Súbory .c|*.c *.h"_s},
            {u"Importovať obrázok"_s,
             u"Súbory .bmp|*.bmp|Súbory .jpg|*.jpg *.jpeg|Súbory "
             u".gif|*.gif|Súbory .png|*.png"_s}};
        for (const ui::FileDialogRequest& dialog : prompts_.dialogs) {
            // The import's first entry is every image Qt reads here.
            const bool import = dialog.title == u"Importovať obrázok"_s;
            QCOMPARE(dialog.filter.section(u'|', import ? 2 : 0), filters.value(dialog.title));
        }
    }

    // An image that is more than a calculator picture asks how to import it, in the
    // colours of the calculator chosen; "Naspäť" brings back the picture before.
    void largeImageAsksHowToFit_data() {
        QTest::addColumn<ui::FitAnswer::Choice>("choice");
        QTest::addColumn<bool>("colourCalculator");
        QTest::newRow("fitted in colour") << ui::FitAnswer::Choice::Fit << true;
        QTest::newRow("as is") << ui::FitAnswer::Choice::AsIs << false;
        QTest::newRow("cancelled") << ui::FitAnswer::Choice::Cancel << false;
    }
    void largeImageAsksHowToFit() {
        QFETCH(ui::FitAnswer::Choice, choice);
        QFETCH(bool, colourCalculator);
        const QString file = path(u"wide.png"_s);
        QVERIFY(mixedImage().scaled(300, 200).save(file));
        const exchange::FitOptions options{exchange::FitMode::Cover, exchange::FitDither::Ordered,
                                           128, true,
                                           colourCalculator ? exchange::FitColours::RedBlueGreen
                                                            : exchange::FitColours::BlackWhite};
        prompts_.fitAnswer = {choice, options};
        ui_.run(u"draw 1,1 r | click "_s +
                (colourCalculator ? u"CFX 9850"_s : u"Algebra FX 2.0"_s) +
                u" | answer wide.png | click Importuj obrázok"_s);
        QCOMPARE(prompts_.fitQuestions.size(), std::size_t{1});
        QCOMPARE(prompts_.fitQuestions[0].colours, options.colours);
        const model::PictureGrid expected =
            choice == ui::FitAnswer::Choice::Fit
                ? exchange::fitImage(exchange::readImageToFit(file).value(), options)
                : exchange::scanImageFile(file, {}).value();
        QCOMPARE(ui_.state().picture.usedCellsEqual(expected),
                 choice != ui::FitAnswer::Choice::Cancel);
        ui_.run(choice == ui::FitAnswer::Choice::Cancel ? u"is undo=0 | art 1,1 r"_s
                                                        : u"click Naspäť | art 1,1 r"_s);
    }

    // The fit dialog's choices reach its preview and its answer.
    void fitDialogAnswersAsChosen() {
        ui::FitDialog dialog(mixedImage().scaled(256, 256), {}, nullptr);
        dialog.open();
        auto* preview = windowdriver::control<QLabel>(dialog, "fitPreview");
        const QImage before = preview->pixmap().toImage();
        for (const char* name : {"fitCover", "fitThreshold", "fitInvert"}) {
            // On the tick itself: a short caption leaves the middle of a wide button empty.
            auto* tick = windowdriver::control<QWidget>(dialog, name);
            QTest::mouseClick(tick, Qt::LeftButton, {}, QPoint(6, tick->height() / 2));
        }
        QVERIFY(preview->pixmap().toImage() != before);
        QVERIFY(windowdriver::control<QWidget>(dialog, "fitThresholdLevel")->isEnabled());
        QTest::mouseClick(windowdriver::control<QWidget>(dialog, "fitAsIs"), Qt::LeftButton);
        const ui::FitAnswer answer = dialog.answer();
        QCOMPARE(answer.choice, ui::FitAnswer::Choice::AsIs);
        QCOMPARE(answer.options.mode, exchange::FitMode::Cover);
        QCOMPARE(answer.options.dither, exchange::FitDither::Threshold);
        QVERIFY(answer.options.invert);
    }

    // The file dialog lists a folder of files that do not answer a read at once: a named
    // pipe, a device and a link to /proc/kmsg (whose read waits for the kernel's next
    // message when root reads it). The dialog keeps answering: a freeze ends the test
    // through the watchdog instead of hanging it.
    void fileDialogListsFilesThatDoNotAnswer() {
        QCOMPARE(::mkfifo(qPrintable(path(u"pipe"_s)), 0600), 0);
        QVERIFY(QFile::link(u"/dev/zero"_s, path(u"zero"_s)));
        QVERIFY(QFile::link(u"/proc/kmsg"_s, path(u"kmsg"_s)));
        std::mutex mutex;
        std::condition_variable finished;
        bool done = false;
        std::thread watchdog([&] {
            std::unique_lock lock(mutex);
            if (!finished.wait_for(lock, std::chrono::minutes(1), [&] { return done; })) {
                qFatal("the file dialog froze while listing %s", qPrintable(folder_->path()));
            }
        });
        bool listed = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->setDirectory(folder_->path());
            auto* files = dialog->findChild<QFileSystemModel*>();
            // The type shown is the last thing the dialog learns of a file.
            listed = QTest::qWaitFor(
                [&] { return !files->type(files->index(path(u"kmsg"_s))).isEmpty(); }, 30000);
            dialog->reject();
        });
        ui::QtPrompts().openFileName({u"Otvoriť obrázok"_s, u"(všetky súbory)|*.*"_s});
        {
            const std::lock_guard lock(mutex);
            done = true;
        }
        finished.notify_one();
        watchdog.join();
        QVERIFY(listed);
    }

    // A file written but not put in place of the old one: the old file stays, the user
    // is told. A .cat save's folder is made read-only while the colour dialog waits (and
    // the window's file is free again afterwards); an export's folder lets only the old
    // file's owner replace it, though anyone may write the file.
    void replacementRefusedKeepsTheOldFile_data() {
        QTest::addColumn<QString>("before");  // then the folder is locked
        QTest::addColumn<QString>("locked");  // by a user who may not replace the old file
        QTest::addColumn<QString>("after");
        QTest::newRow(".cat")
            << u"draw 3,3 r# | click CFX 9850 | answer locked/picture | "
               u"click Ulož | shown V akej farbe uložiť obrázok? 1"_s
            << u"click V akej farbe uložiť obrázok? OK | settled"_s
            << u"shown V akej farbe uložiť obrázok? 0 | asked 1 | said Obrázok nemôžem uložiť do "
               u"súboru „@locked/picture“! Zapísaný súbor sa nedá dať na "
               u"miesto | click Algebra FX 2.0 | answer p.cat | click Ulož | "
               u"settled | said Obrázok ukladáte vo formáte pre čiernobiele"_s;
        QTest::newRow(".bmp") << u"click Farba: modrá"_s
                              << u"answer locked/picture | click Exportuj obrázok"_s
                              << u"said Obrázok nemôžem zapísať do súboru „@locked/picture“! | "
                                 u"is colour=3"_s;
    }
    void replacementRefusedKeepsTheOldFile() {
        QFETCH(QString, before);
        QFETCH(QString, locked);
        QFETCH(QString, after);
        const bool shared = QTest::currentDataTag() == ".bmp"_ba;
        if (shared && geteuid() != 0) {
            QSKIP("only root can give the old file an owner other than the one who exports");
        }
        const QString old = path(u"locked/picture"_s);
        QVERIFY(QDir(folder_->path()).mkdir(u"locked"_s));
        writeBytes(old, "old picture");
        QVERIFY(QFile::setPermissions(old, QFile::ReadOther | QFile::WriteOther));
        // Whoever runs the test reaches the folders but may not write into them.
        QVERIFY(QFile::setPermissions(folder_->path(), kReadOnlyFolder | QFile::WriteOwner));
        ui_.run(before);
        QCOMPARE(::chmod(qPrintable(path(u"locked"_s)), shared ? 01777 : 0555), 0);
        {
            const WithoutRoot asUser;
            ui_.run(locked);
        }
        ::chmod(qPrintable(path(u"locked"_s)), 0755);
        ui_.run(after);
        QCOMPARE(fileBytes(old), QByteArray("old picture"));
    }

  private:
    ScriptedPrompts prompts_;
    windowdriver::MainWindow ui_;
    std::optional<QTemporaryDir> folder_;
};

QTEST_MAIN(TestFilesWindow)
#include "test_files_window.moc"
