// The editor in each language it speaks: which one the desktop gets, captions that fit
// in every language, and files that do not depend on it.
#include <QFile>
#include <QGroupBox>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>

#include "language/uilanguage.h"
#include "ui/dialogs/fitdialog.h"
#include "ui/dialogs/form2.h"
#include "ui/dialogs/form3.h"
#include "ui/dialogs/picturechoicedialog.h"
#include "ui/dialogs/picturenumberdialog.h"
#include "windowdriver.h"

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// The room the control gives its text, or an empty rectangle for a control without
// a caption of its own.
QRect captionRoom(const QWidget& control) {
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.subControls = QStyle::SC_GroupBoxLabel;
        // Fusion puts the title at the left; the frame's border ends the room.
        return option.rect.adjusted(0, 0, -6, 0);
    }
    const auto* button = qobject_cast<const QAbstractButton*>(&control);
    if (button == nullptr) {
        return qobject_cast<const QLabel*>(&control) ? control.contentsRect() : QRect();
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const auto element = qobject_cast<const QPushButton*>(button) ? QStyle::SE_PushButtonContents
                         : qobject_cast<const QRadioButton*>(button)
                             ? QStyle::SE_RadioButtonContents
                             : QStyle::SE_CheckBoxContents;
    return button->style()->subElementRect(element, &option, button);
}

QString caption(const QWidget& control) {
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
        return frame->title();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        return button->text();
    }
    const auto* label = qobject_cast<const QLabel*>(&control);
    return label ? label->text() : QString();
}

// Every caption of the window that its control cuts off, by the control's name.
QStringList clippedCaptions(const QWidget& window) {
    QStringList clipped;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const QRect room = captionRoom(*control);
        const QString text = caption(*control);
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

// Draws in every colour, makes black green through the lists' entries, saves a colour
// file through Form3 and opens it through Form2, in `language`; the file's bytes.
QByteArray drawSaveAndOpen(const QString& language) {
    language::useLanguage(language);
    ScriptedPrompts prompts;
    windowdriver::MainWindow ui;
    const QTemporaryDir folder;
    ui.folder = folder.path();
    if (!ui.open(prompts)) {
        return {};
    }
    ui.run(u"click Image1 | dab 1,1 | click Image3 | dab 2,1 | click Image4 | dab 3,1"_s);
    ui.control<QComboBox>(u"Combo4")->setCurrentIndex(3);  // green
    ui.run(
        u"click Command16 | click Option2 | answer p.cat | click Command2 | "
        "click Form3.Command1 | settled | click Command3 | answer p.cat | click Command1 | "
        "click Form2.Command1 | settled | art 1,1 grb"_s);
    QFile file(folder.filePath(u"p.cat"_s));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestLanguage : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { language::useLanguage(language::kSlovak); }

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

    void everyCaptionFits_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"sk", "en", "fr"}) {
            QTest::newRow(language) << QString::fromLatin1(language);
        }
    }
    void everyCaptionFits() {
        QFETCH(QString, language);
        language::useLanguage(language);
        ScriptedPrompts prompts;
        ui::Form1 window(prompts);
        const QWidget* windows[] = {
            &window,
            new ui::Form2(&window),
            new ui::Form3(&window),
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

    void englishSavesTheSameFile() {
        const QByteArray slovak = drawSaveAndOpen(u"sk"_s);
        QVERIFY(slovak.startsWith("%Header Record"));
        QCOMPARE(drawSaveAndOpen(u"en"_s), slovak);
    }
};

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
