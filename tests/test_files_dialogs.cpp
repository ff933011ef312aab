// The window's .g1m files, whose lists, numbers and questions are dialogs, and the
// dialogs the files ask: how to fit an image, a file dialog, an old file not replaced.
#include <sys/stat.h>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "exchange/fitsource.h"
#include "exchange/imagescan.h"
#include "exchange/pictureformats.h"
#include "testfileswindow.h"
#include "ui/dialogs/filenameiconprovider.h"
#include "ui/dialogs/fitdialog.h"
#include "ui/dialogs/picturefiledialog.h"
#include "ui/dialogs/qtprompts.h"
#include "withoutroot.h"

using namespace tavrolin;
using namespace Qt::StringLiterals;

void TestFilesWindow::g1mScenario_data() {
    QTest::addColumn<QString>("steps");
    const auto row = [](const char* name, const QString& steps) { QTest::newRow(name) << steps; };
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
        u"draw 3,1 r | answer cut.g1m | click Otvor | settled | said kalkulačky radu fx-9860G! | "
        u"said Dôvod: súbor je skrátený | art 1,1 ..r | is undo=0"_s);
    row(".g1m saved without a number",
        u"dab 1,1 | answer p.g1m | click Ulož | said - | answer p.g1m | click Otvor | settled | "
        u"said kalkulačky radu fx-9860G!"_s);
    row(".g1m saved and opened",
        u"dab 1,1 | click Farba: červená | dab 2,1 | number 7 | answer p.g1m | click Ulož | "
        u"said Obrázok ukladáte vo formáte pre čiernobiele | same p.g1m seven.g1m | click Nový | "
        u"answer p.g1m | click Otvor | settled | art 1,1 #.."_s);
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
        u"is proposed=1 | click Nový | answer two.g1m | click Otvor | art 1,1 # | number 4 | "
        u"answer two.g1m | click Ulož | is proposed=4 | "
        u"asks „@two.g1m“ už obsahuje obrázok Pict 4. Nahradiť"_s);
    row(".g1m archive kept by a cancel",
        u"dab 1,1 | reply save | number 1 | answer two.g1m | close Form1 | shown Form1 1 | "
        u"asks Pict 1 a ostatné ponechať? [Pridať/Nahradiť celý súbor/Zrušiť] | "
        u"same two.g1m twin.g1m | is modified=1"_s);
    row(".g1m unreadable, replaced when agreed",
        u"dab 1,1 | number 2 | answer cut.g1m | click Ulož | asks „@cut.g1m“ nie je čitateľný | "
        u"button Nahradiť | number 2 | answer cut.g1m | click Ulož | answer cut.g1m | "
        u"click Otvor | art 1,1 #"_s);
}

// An image that is more than a calculator picture asks how to import it, in the
// colours of the calculator chosen; "Naspäť" brings back the picture before.
void TestFilesWindow::largeImageAsksHowToFit_data() {
    QTest::addColumn<ui::FitAnswer::Choice>("choice");
    QTest::addColumn<bool>("colourCalculator");
    QTest::newRow("fitted in colour") << ui::FitAnswer::Choice::Fit << true;
    QTest::newRow("as is") << ui::FitAnswer::Choice::AsIs << false;
    QTest::newRow("cancelled") << ui::FitAnswer::Choice::Cancel << false;
}
void TestFilesWindow::largeImageAsksHowToFit() {
    QFETCH(ui::FitAnswer::Choice, choice);
    QFETCH(bool, colourCalculator);
    const QString file = path(u"wide.png"_s);
    QVERIFY(mixedImage().scaled(300, 200).save(file));
    const exchange::FitOptions options{
        exchange::FitMode::Cover, exchange::FitDither::Ordered, 128, true,
        colourCalculator ? exchange::FitColours::RedBlueGreen : exchange::FitColours::BlackWhite};
    prompts_.fitAnswer = {choice, options};
    ui_.run(u"draw 1,1 r | click "_s + (colourCalculator ? u"CFX 9850"_s : u"Algebra FX 2.0"_s) +
            u" | answer wide.png | click Importuj obrázok"_s);
    QCOMPARE(prompts_.fitQuestions.size(), std::size_t{1});
    QCOMPARE(prompts_.fitQuestions[0].colours, options.colours);
    const model::PictureGrid expected =
        choice == ui::FitAnswer::Choice::Fit
            ? exchange::fitImage(exchange::readImageToFit(file).value(), options)
            : exchange::scanImageFile(file, {}).value();
    QCOMPARE(ui_.state().picture.usedCellsEqual(expected), choice != ui::FitAnswer::Choice::Cancel);
    ui_.run(choice == ui::FitAnswer::Choice::Cancel ? u"is undo=0 | art 1,1 r"_s
                                                    : u"click Naspäť | art 1,1 r"_s);
}

// The fit dialog's choices reach its preview and its answer.
void TestFilesWindow::fitDialogAnswersAsChosen() {
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
// through Qt Test's watchdog (QTEST_FUNCTION_TIMEOUT) instead of hanging it.
void TestFilesWindow::fileDialogListsFilesThatDoNotAnswer() {
    QCOMPARE(::mkfifo(qPrintable(path(u"pipe"_s)), 0600), 0);
    QVERIFY(QFile::link(u"/dev/zero"_s, path(u"zero"_s)));
    QVERIFY(QFile::link(u"/proc/kmsg"_s, path(u"kmsg"_s)));
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
    QVERIFY(listed);
}

// Folders and the calculators' files by the editor's own names.
void TestFilesWindow::fileDialogNamesTypes() {
    const ui::FileNameIconProvider names;
    writeBytes(path(u"a.G1R"_s), "x");
    QCOMPARE(names.type(QFileInfo(folder_->path())), u"Priečinok"_s);
    QCOMPARE(names.type(QFileInfo(path(u"a.G1R"_s))), u"Obrázok pre kalkulačky (.g1r)"_s);
}

// A file written but not put in place of the old one: the old file stays, the user
// is told. A .cat save's folder is made read-only while the colour dialog waits (and
// the window's file is free again afterwards); an export's folder lets only the old
// file's owner replace it, though anyone may write the file.
void TestFilesWindow::replacementRefusedKeepsTheOldFile_data() {
    QTest::addColumn<QString>("before");  // then the folder is locked
    QTest::addColumn<QString>("locked");  // by a user who may not replace the old file
    QTest::addColumn<QString>("after");
    QTest::newRow(".cat")
        << u"draw 3,3 r# | click CFX 9850 | answer locked/picture | click Ulož | "
           u"shown V akej farbe uložiť obrázok? 1"_s
        << u"click V akej farbe uložiť obrázok? OK | settled"_s
        << u"shown V akej farbe uložiť obrázok? 0 | asked 1 | said Dôvod: zapísaný súbor sa "
           u"nedá dať na miesto | "
           u"click Algebra FX 2.0 | answer p.cat | click Ulož | settled | "
           u"said Obrázok ukladáte vo formáte pre čiernobiele"_s;
    QTest::newRow(".bmp") << u"click Farba: modrá"_s
                          << u"answer locked/picture | click Exportuj obrázok"_s
                          << u"said Obrázok nemôžem zapísať do súboru „@locked/picture“! | "
                             u"is colour=3"_s;
}
void TestFilesWindow::replacementRefusedKeepsTheOldFile() {
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

// Qt's save dialog asks before a file is replaced, but not for a .g1m archive, which the
// editor asks about itself.
void TestFilesWindow::saveDialogAsksBeforeReplacing_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("asked") << u"old.cat"_s;
    QTest::newRow("not asked") << u"old.G1M"_s;
}
void TestFilesWindow::saveDialogAsksBeforeReplacing() {
    QFETCH(QString, name);
    writeBytes(path(name), "old");
    ui::PictureFileDialog dialog(nullptr, exchange::mergingSavePatterns());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDirectory(folder_->path());
    dialog.selectFile(name);
    bool asked = false;
    QTimer::singleShot(0, &dialog, [&] {  // gone with the dialog when nothing asks
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            asked = true;
            box->defaultButton()->click();  // "No"
        }
    });
    dialog.accept();
    QCOMPARE(asked, QTest::currentDataTag() == "asked"_ba);
    QCOMPARE(dialog.result() == QDialog::Accepted, !asked);
}
