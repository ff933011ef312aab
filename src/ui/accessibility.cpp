#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>
#include <iterator>

#include "model/palette.h"
#include "ui/editorcontext.h"
#include "ui/taborder.h"
#include "ui/views/colourswatch.h"

namespace tavrolin::ui {

namespace {

enum class Kind {
    kNamed,          // named or described, nothing more
    kPictureButton,  // shows only a picture: its name is its tooltip too
    kSwatch,         // a picture button for a colour, checked while it is the current one
};

struct AccessibleText {
    const char* window;
    const char* control;                // null for the window itself
    const char* name = nullptr;         // none: its own caption or text stays its name
    const char* description = nullptr;  // none, or one that follows the drawing state
    Kind kind = Kind::kNamed;
    QAccessible::Role role = QAccessible::NoRole;  // NoRole: the one Qt gives it
};

// The texts below are read out in the user's language.
QString spoken(const char* text) {
    return text == nullptr ? QString() : QCoreApplication::translate("Accessibility", text);
}

// By colour code and by tool code.
constexpr const char* kColourWords[] = {
    QT_TRANSLATE_NOOP("Accessibility", "biela"),   QT_TRANSLATE_NOOP("Accessibility", "čierna"),
    QT_TRANSLATE_NOOP("Accessibility", "červená"), QT_TRANSLATE_NOOP("Accessibility", "modrá"),
    QT_TRANSLATE_NOOP("Accessibility", "zelená"),
};
constexpr const char* kToolWords[] = {
    QT_TRANSLATE_NOOP("Accessibility", "pero"),
    QT_TRANSLATE_NOOP("Accessibility", "čiara"),
    QT_TRANSLATE_NOOP("Accessibility", "obdĺžnik"),
    QT_TRANSLATE_NOOP("Accessibility", "kruh"),
};

constexpr const char* colourWord(model::ColorCode code) {
    return code >= 0 && code < model::ColorCode(std::size(kColourWords)) ? kColourWords[code]
                                                                         : nullptr;
}

// What every control of every window is called. Buttons, check boxes, options and
// frames with a caption are called by it and are not listed; labels that show a value
// keep that value as their name, so a reader can read it, and say what it is. The
// canvas, the colour indicator and the thickness marker also tell the drawing state
// (showState).
constexpr AccessibleText kTexts[] = {
    {"Form1", nullptr, nullptr, nullptr, Kind::kNamed, QAccessible::Window},
    {"Form1", "Picture2", QT_TRANSLATE_NOOP("Accessibility", "Náhľad"), nullptr, Kind::kNamed,
     QAccessible::Graphic},
    {"Form1", "Label3", nullptr, QT_TRANSLATE_NOOP("Accessibility", "stĺpec")},
    {"Form1", "Label4", nullptr, QT_TRANSLATE_NOOP("Accessibility", "riadok")},
    {"Form1", "pomocnaobr", QT_TRANSLATE_NOOP("Accessibility", "Importovaný obrázok"), nullptr,
     Kind::kNamed, QAccessible::Graphic},
    {"Form1", "Combo3", QT_TRANSLATE_NOOP("Accessibility", "Farba, ktorá sa zmení")},
    {"Form1", "Combo4", QT_TRANSLATE_NOOP("Accessibility", "Nová farba")},
    {"Form1", "Picture1", QT_TRANSLATE_NOOP("Accessibility", "Plátno"), nullptr, Kind::kNamed,
     QAccessible::Canvas},
    {"Form1", "Frame6", QT_TRANSLATE_NOOP("Accessibility", "Kreslenie")},
    {"Form1", "Image1", colourWord(model::kBlack), nullptr, Kind::kSwatch,
     QAccessible::RadioButton},
    {"Form1", "Image2", colourWord(model::kWhite), nullptr, Kind::kSwatch,
     QAccessible::RadioButton},
    {"Form1", "Image3", colourWord(model::kRed), nullptr, Kind::kSwatch, QAccessible::RadioButton},
    {"Form1", "Image4", colourWord(model::kBlue), nullptr, Kind::kSwatch, QAccessible::RadioButton},
    {"Form1", "Image5", colourWord(model::kGreen), nullptr, Kind::kSwatch,
     QAccessible::RadioButton},
    {"Form1", "Shape1", QT_TRANSLATE_NOOP("Accessibility", "Aktuálna farba"), nullptr, Kind::kNamed,
     QAccessible::Graphic},
    {"Form1", "Command6", QT_TRANSLATE_NOOP("Accessibility", "Tenšie"), nullptr,
     Kind::kPictureButton},
    {"Form1", "Command7", QT_TRANSLATE_NOOP("Accessibility", "Hrubšie"), nullptr,
     Kind::kPictureButton},
    {"Form1", "Picture3", QT_TRANSLATE_NOOP("Accessibility", "Ukážky hrúbky"), nullptr,
     Kind::kNamed, QAccessible::Graphic},
    {"Form1", "Text1", QT_TRANSLATE_NOOP("Accessibility", "Text")},
    {"Form1", "Combo1", QT_TRANSLATE_NOOP("Accessibility", "Písmo")},
    {"Form1", "Combo2", QT_TRANSLATE_NOOP("Accessibility", "Veľkosť písma")},
    {"Form1", "Command15", QT_TRANSLATE_NOOP("Accessibility", "Doľava"), nullptr,
     Kind::kPictureButton},
    {"Form1", "Command32", QT_TRANSLATE_NOOP("Accessibility", "Doprava"), nullptr,
     Kind::kPictureButton},
    {"Form1", "Command30", QT_TRANSLATE_NOOP("Accessibility", "Hore"), nullptr,
     Kind::kPictureButton},
    {"Form1", "Command31", QT_TRANSLATE_NOOP("Accessibility", "Dole"), nullptr,
     Kind::kPictureButton},
    {"Form1", "Picture5", QT_TRANSLATE_NOOP("Accessibility", "Text – náhľad"), nullptr,
     Kind::kNamed, QAccessible::Graphic},
    {"Form1", "Command26", QT_TRANSLATE_NOOP("Accessibility", "Pero"), nullptr,
     Kind::kPictureButton},
    {"Form1", "Command27", QT_TRANSLATE_NOOP("Accessibility", "Čiara"), nullptr,
     Kind::kPictureButton},
    {"Form1", "Command28", QT_TRANSLATE_NOOP("Accessibility", "Obdĺžnik"), nullptr,
     Kind::kPictureButton},
    {"Form1", "Command29", QT_TRANSLATE_NOOP("Accessibility", "Kruh"), nullptr,
     Kind::kPictureButton},
    {"Form1", "Label18", nullptr, QT_TRANSLATE_NOOP("Accessibility", "aktívny nástroj")},
    {"Form1", "Picture6", QT_TRANSLATE_NOOP("Accessibility", "Ježko"), nullptr, Kind::kNamed,
     QAccessible::Graphic},
    {"Form1", "Picture4", QT_TRANSLATE_NOOP("Accessibility", "Kalkulačka"), nullptr, Kind::kNamed,
     QAccessible::Graphic},
    {"Form4", nullptr, nullptr, QT_TRANSLATE_NOOP("Accessibility", "úvodné okno"), Kind::kNamed,
     QAccessible::Window},
};

const AccessibleText* textOf(const QWidget& widget) {
    const QString window = widget.window()->objectName();
    const bool isWindow = widget.isWindow();
    for (const AccessibleText& text : kTexts) {
        if (window == QLatin1StringView(text.window) &&
            (text.control == nullptr ? isWindow
                                     : widget.objectName() == QLatin1StringView(text.control))) {
            return &text;
        }
    }
    return nullptr;
}

QWidget* controlOf(QWidget& window, const AccessibleText& text) {
    return text.control == nullptr ? &window
                                   : window.findChild<QWidget*>(QLatin1StringView(text.control));
}

// A swatch is one of five choices to a reader: an option, selected while its colour is
// the current one, that is chosen by a click, as with the mouse. (A plain checkable
// button would offer to toggle its mark without choosing the colour.)
class SwatchAccessible : public QAccessibleWidget {
  public:
    explicit SwatchAccessible(QAbstractButton* swatch)
        : QAccessibleWidget(swatch, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = swatch()->isChecked();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            swatch()->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    QAbstractButton* swatch() const { return static_cast<QAbstractButton*>(widget()); }
};

// Picture boxes, samples, the colour indicator and the windows are pictures and
// windows to a reader, not the panes or buttons their classes would make them.
QAccessibleInterface* interfaceWithRole(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const AccessibleText* text = widget ? textOf(*widget) : nullptr;
    if (text == nullptr || text->role == QAccessible::NoRole) {
        return nullptr;
    }
    if (auto* swatch = qobject_cast<QAbstractButton*>(widget);
        swatch && text->kind == Kind::kSwatch) {
        return new SwatchAccessible(swatch);
    }
    return new QAccessibleWidget(widget, text->role);
}

// Qt asks the factory installed last first, so this one is installed after the
// application's own; an interface made before it, with another role, is made again.
void giveRole(QWidget& control, QAccessible::Role role) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(interfaceWithRole);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&control);
    if (accessible != nullptr && accessible->role() != role) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(accessible));
    }
}

// Readers are told about every change, so only real changes are made: the state is
// shown again after every pointer move.
void setDescription(QWidget* control, const QString& description) {
    if (control != nullptr && control->accessibleDescription() != description) {
        control->setAccessibleDescription(description);
    }
}

void setName(QWidget* control, const QString& name) {
    if (control != nullptr && control->accessibleName() != name) {
        control->setAccessibleName(name);
    }
}

void showState(QWidget& window, const model::EditorState& state) {
    for (const AccessibleText& text : kTexts) {
        if (text.kind != Kind::kSwatch) {
            continue;
        }
        if (auto* swatch = qobject_cast<ColourSwatch*>(controlOf(window, text))) {
            const QColor colour = swatch->colour();
            const auto code =
                model::colorCodeFromRgb({std::uint8_t(colour.red()), std::uint8_t(colour.green()),
                                         std::uint8_t(colour.blue())});
            swatch->setChecked(code == state.currentColor);
        }
    }
    setDescription(window.findChild<QWidget*>(QStringLiteral("Picture1")),
                   canvasDescription(state));
    setDescription(window.findChild<QWidget*>(QStringLiteral("Shape1")),
                   spoken(colourWord(state.currentColor)));
    // The marker ">" beside the samples says nothing read aloud; its place does.
    setName(window.findChild<QWidget*>(QStringLiteral("Label16")),
            QCoreApplication::translate("Accessibility", "vybraná hrúbka: %1").arg(state.penWidth));
}

}  // namespace

void makeAccessible(QWidget& window) {
    for (const AccessibleText& text : kTexts) {
        if (window.objectName() != QLatin1StringView(text.window)) {
            continue;
        }
        QWidget* control = controlOf(window, text);
        if (control == nullptr) {
            continue;
        }
        if (text.name != nullptr) {
            control->setAccessibleName(spoken(text.name));
            // An editable list's text field is a control of its own to a reader.
            if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit()) {
                list->lineEdit()->setAccessibleName(spoken(text.name));
            }
        }
        if (text.description != nullptr) {
            control->setAccessibleDescription(spoken(text.description));
        }
        if (text.role != QAccessible::NoRole) {
            giveRole(*control, text.role);
        }
        if (text.kind != Kind::kNamed) {
            const auto* button = qobject_cast<QAbstractButton*>(control);
            showShortcutInToolTip(*control, button ? button->shortcut() : QKeySequence());
        }
        if (auto* swatch = qobject_cast<QAbstractButton*>(control);
            swatch && text.kind == Kind::kSwatch) {
            swatch->setCheckable(true);
        }
    }
    orderTabStops(window);
}

void makeAccessible(QWidget& window, EditorContext& context) {
    makeAccessible(window);
    showState(window, context.state);
    QObject::connect(&context, &EditorContext::stateChanged, &window,
                     [&window, &context] { showState(window, context.state); });
}

void showShortcutInToolTip(QWidget& control, const QKeySequence& shortcut) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&control);
    const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
    control.setToolTip(shortcut.isEmpty() ? name
                                          : QStringLiteral("%1 (%2)").arg(
                                                name, shortcut.toString(QKeySequence::NativeText)));
}

QString canvasDescription(const model::EditorState& state) {
    const int tool = std::clamp<int>(state.currentTool, model::kPen, model::kCircleTool);
    return QCoreApplication::translate("Accessibility", "nástroj: %1, farba: %2, hrúbka: %3")
        .arg(spoken(kToolWords[tool - model::kPen]), spoken(colourWord(state.currentColor)))
        .arg(state.penWidth);
}

}  // namespace tavrolin::ui
