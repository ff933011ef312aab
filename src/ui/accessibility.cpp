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
#include <utility>
#include <vector>

#include "model/palette.h"
#include "tools/tooltable.h"
#include "ui/editorcontext.h"
#include "ui/shortcuts.h"
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

// By colour code.
constexpr const char* kColourWords[] = {
    QT_TRANSLATE_NOOP("Accessibility", "biela"),   QT_TRANSLATE_NOOP("Accessibility", "čierna"),
    QT_TRANSLATE_NOOP("Accessibility", "červená"), QT_TRANSLATE_NOOP("Accessibility", "modrá"),
    QT_TRANSLATE_NOOP("Accessibility", "zelená"),
};

constexpr const char* colourWord(model::ColorCode code) {
    return code >= 0 && code < model::ColorCode(std::size(kColourWords)) ? kColourWords[code]
                                                                         : nullptr;
}

// What every control of every window is called. Buttons, check boxes, options and
// frames with a caption are called by it and are not listed; labels that show a value
// keep that value as their name, so a reader can read it, and say what it is. The
// canvas, the colour indicator and the thickness marker also tell the drawing state
// (showState). The tool buttons are named by the tool table.
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

// A control this table names must exist: a renamed or removed control would
// otherwise lose its name to readers without a word.
QWidget& requireControl(QWidget& window, const char* name) {
    auto* control = window.findChild<QWidget*>(QLatin1StringView(name));
    if (control == nullptr) {
        qFatal("%s has no control named %s", qPrintable(window.objectName()), name);
    }
    return *control;
}

QWidget& controlOf(QWidget& window, const AccessibleText& text) {
    return text.control == nullptr ? window : requireControl(window, text.control);
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
void setDescription(QWidget& control, const QString& description) {
    if (control.accessibleDescription() != description) {
        control.setAccessibleDescription(description);
    }
}

void setName(QWidget& control, const QString& name) {
    if (control.accessibleName() != name) {
        control.setAccessibleName(name);
    }
}

// The drawing state in words, as the canvas tells it to a reader:
// "nástroj: pero, farba: čierna, hrúbka: 1".
QString canvasDescription(const model::EditorState& state) {
    return QCoreApplication::translate("Accessibility", "nástroj: %1, farba: %2, hrúbka: %3")
        .arg(tools::describeTool(state.currentTool).wordShown(),
             spoken(colourWord(state.currentColor)))
        .arg(state.penWidth);
}

// The controls of the main window that tell the drawing state, found once.
struct StateControls {
    QWidget* canvas;
    QWidget* indicator;
    QWidget* marker;
    std::vector<std::pair<ColourSwatch*, model::ColorCode>> swatches;
};

StateControls findStateControls(QWidget& window) {
    StateControls controls{&requireControl(window, "Picture1"),
                           &requireControl(window, "Shape1"),
                           &requireControl(window, "Label16"),
                           {}};
    for (const AccessibleText& text : kTexts) {
        if (text.kind == Kind::kSwatch && window.objectName() == QLatin1StringView(text.window)) {
            auto* swatch = qobject_cast<ColourSwatch*>(&controlOf(window, text));
            const QColor colour = swatch->colour();
            const auto code =
                model::colorCodeFromRgb({std::uint8_t(colour.red()), std::uint8_t(colour.green()),
                                         std::uint8_t(colour.blue())});
            controls.swatches.emplace_back(swatch, code.value_or(model::kWhite));
        }
    }
    return controls;
}

void showState(const StateControls& controls, const model::EditorState& state) {
    for (const auto& [swatch, code] : controls.swatches) {
        swatch->setChecked(code == state.currentColor);
    }
    setDescription(*controls.canvas, canvasDescription(state));
    setDescription(*controls.indicator, spoken(colourWord(state.currentColor)));
    // The marker ">" beside the samples says nothing read aloud; its place does.
    setName(*controls.marker,
            QCoreApplication::translate("Accessibility", "vybraná hrúbka: %1").arg(state.penWidth));
}

}  // namespace

void makeAccessible(QWidget& window) {
    for (const AccessibleText& text : kTexts) {
        if (window.objectName() != QLatin1StringView(text.window)) {
            continue;
        }
        QWidget* control = &controlOf(window, text);
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
            showShortcutInToolTip(*control);
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
    StateControls controls = findStateControls(window);
    showState(controls, context.state);
    QObject::connect(
        &context, &EditorContext::stateChanged, &window,
        [controls = std::move(controls), &context] { showState(controls, context.state); });
}

}  // namespace tavrolin::ui
