#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
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

// Where `control` has no room for all of its text, what is cut off; "" where it fits.
QString clipped(const QWidget& control) {
    const QFontMetrics metrics(control.font());
    const auto overflow = [&](const QRect& room, const QString& text, int flags) {
        const QRect needed = metrics.boundingRect(room, flags, text);
        return needed.width() > room.width() || needed.height() > room.height() ? text : QString();
    };
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                           QStyle::SC_GroupBoxLabel, frame);
        return label.right() < frame->width() - 4 ? QString() : frame->title();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
        return overflow(label->contentsRect(), label->text(), int(label->alignment()) | wrap);
    }
    if (const auto* box = qobject_cast<const QAbstractButton*>(&control)) {
        if (box->text().isEmpty()) {
            return {};
        }
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const auto element = qobject_cast<const QPushButton*>(box) ? QStyle::SE_PushButtonContents
                             : qobject_cast<const QRadioButton*>(box)
                                 ? QStyle::SE_RadioButtonContents
                                 : QStyle::SE_CheckBoxContents;
        const QRect room = box->style()->subElementRect(element, &option, box);
        return overflow(room, box->text(), Qt::AlignCenter | Qt::TextWordWrap);
    }
    // Lists of the editor's own words carry what each word means; a list of the
    // system's font names does not.
    if (const auto* list = qobject_cast<const QComboBox*>(&control);
        list && list->itemData(0).isValid()) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = list->isEditable();
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, list);
        for (int i = 0; i < list->count(); ++i) {
            if (metrics.horizontalAdvance(list->itemText(i)) > field.width()) {
                return list->itemText(i);
            }
        }
    }
    return {};
}

// Every captioned control of the window whose text does not fit, by name.
QStringList clippedCaptions(const QWidget& window) {
    QStringList found;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const QString text = control->isVisibleTo(&window) ? clipped(*control) : QString();
        if (!text.isEmpty()) {
            found << control->objectName() + u": "_s + text;
        }
    }
    return found;
}

// Draws in every colour, turns black into green through the lists, saves it as a colour
// file through Form3 and opens it again through Form2, all in `language`: the file's
// bytes, and the picture opened from them.
std::pair<QByteArray, model::PictureGrid> drawSaveAndOpen(const QString& language) {
    language::useLanguage(language);
    ScriptedPrompts prompts;
    windowdriver::MainWindow ui;
    if (!ui.open(prompts)) {
        return {};
    }
    for (const char* swatch : {"Image1", "Image3", "Image4", "Image5"}) {
        ui.click(swatch);
        const int column = swatch[5] - '0';
        ui.drag(ui.cell(column, 2), {ui.cell(column, 3)});
        ui.park();
    }
    ui.control<QComboBox>(u"Combo3")->setCurrentIndex(0);  // black
    ui.control<QComboBox>(u"Combo4")->setCurrentIndex(3);  // green
    ui.click(u"Command16");
    const QTemporaryDir folder;
    const QString path = folder.filePath(u"picture.cat"_s);
    ui.click(u"Option2");
    prompts.fileNames = QStringList{path, path};
    ui.click(u"Command2");
    windowdriver::click(windowdriver::topLevel(u"Form3"), u"Command1");
    ui.filesSettled();
    ui.click(u"Command3");
    ui.click(u"Command1");
    windowdriver::click(windowdriver::topLevel(u"Form2"), u"Command1");
    ui.filesSettled();
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return {file.readAll(), ui.state().picture};
}

}  // namespace

class TestLanguage : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { language::useLanguage(language::kSlovak); }

    void desktopLanguage_data() {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("language");
        QTest::newRow("Slovak") << QStringList{u"sk-SK"_s} << u"sk"_s;
        QTest::newRow("English") << QStringList{u"en-GB"_s, u"en"_s} << u"en"_s;
        QTest::newRow("French of Canada") << QStringList{u"fr_CA"_s} << u"fr"_s;
        QTest::newRow("German, then French") << QStringList{u"de-DE"_s, u"fr"_s} << u"fr"_s;
        QTest::newRow("German only") << QStringList{u"de-DE"_s, u"de"_s} << u"en"_s;
        QTest::newRow("C, then German") << QStringList{u"C"_s, u"de"_s} << u"en"_s;
        QTest::newRow("C") << QStringList{u"C"_s} << u"sk"_s;
        QTest::newRow("POSIX") << QStringList{u"POSIX"_s} << u"sk"_s;
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
        QTest::newRow("none: the desktop's") << u"a.cat"_s << u"fr"_s << u"a.cat"_s;
        QTest::newRow("separate") << u"--lang en a.cat"_s << u"en"_s << u"a.cat"_s;
        QTest::newRow("joined") << u"a.cat --lang=sk -x"_s << u"sk"_s << u"a.cat -x"_s;
        QTest::newRow("last wins") << u"--lang=sk --lang fr"_s << u"fr"_s << QString();
        QTest::newRow("unknown") << u"--lang de a.cat"_s << QString() << u"a.cat"_s;
        QTest::newRow("missing") << u"a.cat --lang"_s << QString() << u"a.cat"_s;
        QTest::newRow("after --: a file") << u"-- --lang en"_s << u"fr"_s << u"-- --lang en"_s;
    }
    void languageOption() {
        QFETCH(QString, arguments);
        QFETCH(QString, language);
        QFETCH(QString, left);
        QStringList list = arguments.split(u' ', Qt::SkipEmptyParts);
        const language::LanguageChoice choice = language::takeLanguageOption(list, {u"fr"_s});
        QCOMPARE(choice.understood ? choice.language : QString(), language);
        QCOMPARE(list, left.split(u' ', Qt::SkipEmptyParts));
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
        QImage photo(640, 480, QImage::Format_RGB32);
        photo.fill(Qt::gray);
        const std::vector<QWidget*> windows = {
            &window,
            new ui::Form2(&window),
            new ui::Form3(&window),
            new ui::PictureChoiceDialog({u"Pict 1"_s, u"Capture 1"_s}, &window),
            new ui::PictureNumberDialog(1, &window),
            new ui::FitDialog(photo, {}, &window),
        };
        for (QWidget* shown : windows) {
            shown->show();
            const QStringList clipped = clippedCaptions(*shown);
            QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u"\n"_s)));
        }
    }

    // Only the words change: the same steps in English give the very file and picture
    // they give in Slovak.
    void englishGivesTheSameFile() {
        const auto [slovakFile, slovakPicture] = drawSaveAndOpen(u"sk"_s);
        const auto [englishFile, englishPicture] = drawSaveAndOpen(u"en"_s);
        QVERIFY(slovakFile.contains("%Header Record"));
        QCOMPARE(englishFile, slovakFile);
        QVERIFY(englishPicture.usedCellsEqual(slovakPicture));
        QCOMPARE(slovakPicture.at(1, 3), model::kGreen);  // black, replaced
    }
};

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
