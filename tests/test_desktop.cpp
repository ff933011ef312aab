// The editor as the desktop starts it: its command line and exit codes, the language it
// speaks, captions that fit in every language, and files that do not depend on it.
#include <QGroupBox>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>

#include "catfile/catwriter.h"
#include "language/uilanguage.h"
#include "ui/dialogs/fitdialog.h"
#include "ui/dialogs/loadcoloursdialog.h"
#include "ui/dialogs/picturechoicedialog.h"
#include "ui/dialogs/picturenumberdialog.h"
#include "ui/dialogs/savecoloursdialog.h"
#include "windowdriver.h"

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// A control's caption and the room it gives it; none for a control without one.
std::pair<QString, QRect> captionAndRoom(const QWidget& control) {
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.subControls = QStyle::SC_GroupBoxLabel;
        // Fusion puts the title at the left; the frame's border ends the room.
        return {frame->title(), option.rect.adjusted(0, 0, -6, 0)};
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return {label->text(), control.contentsRect()};
    }
    const auto* button = qobject_cast<const QAbstractButton*>(&control);
    if (button == nullptr) {
        return {};
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const auto element = qobject_cast<const QPushButton*>(button) ? QStyle::SE_PushButtonContents
                         : qobject_cast<const QRadioButton*>(button)
                             ? QStyle::SE_RadioButtonContents
                             : QStyle::SE_CheckBoxContents;
    return {button->text(), button->style()->subElementRect(element, &option, button)};
}

// Every caption of the window that its control cuts off, by the control's name.
QStringList clippedCaptions(const QWidget& window) {
    QStringList clipped;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const auto [text, room] = captionAndRoom(*control);
        // Only labels and the window's push buttons wrap their captions.
        const auto* label = qobject_cast<const QLabel*>(control);
        const bool wraps =
            (label && label->wordWrap()) || qobject_cast<const QPushButton*>(control);
        const QRect needed =
            QFontMetrics(control->font()).boundingRect(room, wraps ? Qt::TextWordWrap : 0, text);
        if (control->isVisibleTo(&window) && !text.isEmpty() &&
            (needed.width() > room.width() || needed.height() > room.height())) {
            clipped << control->objectName() + u": "_s + text;
        }
    }
    return clipped;
}

}  // namespace

class TestDesktop : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { language::useLanguage(language::kSlovak); }

    void commandLine_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<bool>("display");
        QTest::addColumn<int>("exitCode");      // -1: it crashed
        QTest::addColumn<QString>("out");       // the start of standard output
        QTest::addColumn<QString>("err");       // part of standard error
        QTest::addColumn<QString>("language");  // the desktop's
        const QString usage =
            u"použitie: tavrolin [--lang sk|en|fr] [SÚBOR]\n"
            "          tavrolin --help | --version\n"_s;
        const QString englishUsage =
            u"usage: tavrolin [--lang sk|en|fr] [FILE]\n       tavrolin --help | --version\n"_s;
        const QString twoFiles = u"tavrolin: najviac jeden súbor, zadaných: 2\n"_s + usage;
        const QString none;
        QTest::newRow("--help") << u"--help"_s << false << 0 << usage << none << none;
        QTest::newRow("--version")
            << u"--version"_s << false << 0 << u"tavrolin 2.0\n"_s << none << none;
        // Without a display to reach, a run that starts Qt's windowing fails.
        QTest::newRow("one file: on to the window")
            << u"a.cat"_s << false << -1 << none << u"no Qt platform plugin could be initialized"_s
            << none;
        QTest::newRow("two files") << u"a.cat b.png"_s << false << 2 << none << twoFiles << none;
        QTest::newRow("unknown option, no display")
            << u"--colour a.cat"_s << false << 2 << none
            << u"tavrolin: neznáma voľba --colour\n"_s + usage << none;
        QTest::newRow("unknown option, English desktop")
            << u"-x"_s << false << 2 << none << u"tavrolin: unknown option -x\n"_s + englishUsage
            << u"en_GB"_s;
        QTest::newRow("no value") << u"-platform"_s << false << 2 << none
                                  << u"tavrolin: za -platform chýba hodnota\n"_s + usage << none;
        QTest::newRow("Qt's option taken, two files")
            << u"-platform offscreen a.cat b.cat"_s << true << 2 << none << twoFiles << none;
        QTest::newRow("French desktop")
            << u"--help"_s << false << 0 << u"utilisation\u00a0: tavrolin"_s << none << u"fr_FR"_s;
        QTest::newRow("--lang over the desktop")
            << u"--lang en --help"_s << false << 0 << englishUsage << none << u"fr"_s;
        QTest::newRow("--lang unknown")
            << u"--lang=de"_s << false << 2 << none
            << u"tavrolin: --lang berie sk, en alebo fr\n"_s + usage << none;
    }
    void commandLine() {
        QFETCH(QString, arguments);
        QFETCH(bool, display);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QString, language);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"LANGUAGE"_s, language);
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);
        environment.insert(u"QT_QPA_PLATFORM"_s, display ? u"offscreen"_s : u"xcb"_s);
        QProcess editor;
        editor.setProcessEnvironment(environment);
        editor.start(QString::fromUtf8(TAVROLIN), arguments.split(u' '));
        QVERIFY(editor.waitForFinished(30000));
        QCOMPARE(editor.exitStatus() == QProcess::NormalExit ? editor.exitCode() : -1, exitCode);
        const QString shown = QString::fromUtf8(editor.readAllStandardOutput());
        const QString errors = QString::fromUtf8(editor.readAllStandardError());
        QVERIFY2(shown.startsWith(out), qPrintable(shown));
        QVERIFY2(err.isEmpty() ? errors.isEmpty() : errors.contains(err), qPrintable(errors));
    }

    // The first language the desktop asks for that the editor speaks; English where it
    // asks only for others, Slovak where it names none.
    void desktopLanguage_data() {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("language");
        QTest::newRow("French of Canada") << QStringList{u"fr_CA"_s} << u"fr"_s;
        QTest::newRow("German, then Slovak") << QStringList{u"de-DE"_s, u"sk"_s} << u"sk"_s;
        QTest::newRow("German only") << QStringList{u"de-DE"_s, u"de"_s} << u"en"_s;
        QTest::newRow("C, then German") << QStringList{u"C"_s, u"de"_s} << u"en"_s;
        QTest::newRow("none") << QStringList{} << u"sk"_s;
        QTest::newRow("the tests' C locale") << QLocale::system().uiLanguages() << u"sk"_s;
    }
    void desktopLanguage() {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, language);
        QCOMPARE(language::languageForDesktop(uiLanguages), language);
    }

    void languageOption_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("language");  // "" where it is not understood
        QTest::addColumn<QString>("left");
        QTest::newRow("last wins") << u"--lang=sk a.cat --lang en"_s << u"en"_s << u"a.cat"_s;
        QTest::newRow("after --: a file") << u"-- --lang en"_s << u"fr"_s << u"-- --lang en"_s;
    }
    void languageOption() {
        QFETCH(QString, arguments);
        QFETCH(QString, language);
        QFETCH(QString, left);
        QStringList list = arguments.split(u' ');
        const language::LanguageChoice choice = language::takeLanguageOption(list, {u"fr"_s});
        QCOMPARE(choice.understood ? choice.language : QString(), language);
        QCOMPARE(list, left.split(u' '));
    }

    // In each language the window is translated, every caption of every window fits,
    // and a colour file drawn, its colours replaced through the lists' entries, saved
    // and opened again is the same file.
    void inEveryLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::newRow("sk") << u"sk"_s << u"Tavrolin v. 2.0 – obrázky pre kalkulačky Casio"_s;
        QTest::newRow("en") << u"en"_s << u"Tavrolin v. 2.0 – pictures for Casio calculators"_s;
        QTest::newRow("fr") << u"fr"_s << u"Tavrolin v. 2.0 – images pour calculatrices Casio"_s;
    }
    void inEveryLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, title);
        language::useLanguage(language);
        ScriptedPrompts prompts;
        windowdriver::MainWindow ui;
        const QTemporaryDir folder;
        ui.folder = folder.path();
        QVERIFY(ui.open(prompts));
        QCOMPARE(ui.window().windowHandle()->title(), title);  // as the desktop shows it
        // The same steps in every language: the controls by their design names.
        ui.run(u"click Image1 | dab 1,1 | click Image3 | dab 2,1 | click Image4 | dab 3,1"_s);
        ui.control<QComboBox>(u"Combo4")->setCurrentIndex(3);  // green
        ui.run(
            u"click Command16 | click Option2 | answer p.cat | click Command2 | "
            u"click Form3.Command1 | settled | click Command3 | answer p.cat | click Command1 | "
            u"click Form2.Command1 | settled | art 1,1 grb"_s);
        model::PictureGrid picture;
        pictureart::draw(picture, 1, 1, {u"grb"_s});
        QCOMPARE(fileBytes(folder.filePath(u"p.cat"_s)),
                 QByteArray::fromStdString(catfile::colourFile(picture, {})));
        QWidget& window = ui.window();
        const QWidget* windows[] = {
            &window,
            new ui::LoadColoursDialog(&window),
            new ui::SaveColoursDialog(&window),
            new ui::PictureChoiceDialog({u"Pict 1"_s}, &window),
            new ui::PictureNumberDialog(1, &window),
            new ui::FitDialog(QImage(400, 300, QImage::Format_RGB32), {}, &window),
        };
        for (const QWidget* shown : windows) {
            const_cast<QWidget*>(shown)->show();
            const QStringList clipped = clippedCaptions(*shown);
            QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
        }
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
