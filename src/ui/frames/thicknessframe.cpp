#include "ui/frames/thicknessframe.h"

#include <QPainter>

#include "tools/pen.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/icons.h"
#include "ui/shortcuts.h"

namespace tavrolin::ui {

namespace {

constexpr int kMarkerTops[] = {52, 69, 89};
constexpr int kSamplesTop = 48;

// Picture3: the three sample lines, 1, 2 and 3 pixels thick, each level with the
// marker position of its thickness.
class ThicknessSamples : public QWidget {
  public:
    explicit ThicknessSamples(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("Picture3"));
        setGeometry(22, kSamplesTop, 47, 60);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        for (int width = 1; width <= 3; ++width) {
            const int middle = kMarkerTops[width - 1] - kSamplesTop + 6;
            painter.fillRect(QRect(5, middle - width / 2, 37, width), Qt::black);
        }
    }
};

// The marker's top in the frame for each thickness.
int markerTop(int penWidth) {
    return kMarkerTops[penWidth - 1];
}

}  // namespace

ThicknessFrame::ThicknessFrame(EditorContext& context, QWidget* parent)
    : QGroupBox(tr("Hrúbka:"), parent), context_(context) {
    setObjectName(QStringLiteral("Frame8"));
    // Thinner and thicker.
    auto* thinnerButton = makePictureButton(this, "Command6", icons::minus(), QRect(8, 16, 29, 25));
    auto* thickerButton = makePictureButton(this, "Command7", icons::plus(), QRect(40, 16, 29, 25));
    namePictureButton(*thinnerButton, tr("Tenšie"));
    namePictureButton(*thickerButton, tr("Hrubšie"));
    clickOnKeys(*thinnerButton, {Qt::Key_Minus});
    // + without Shift on many keyboards is =.
    clickOnKeys(*thickerButton, {Qt::Key_Plus, Qt::Key_Equal});
    namePicture(*new ThicknessSamples(this), tr("Ukážky hrúbky"));
    marker_ = makeLabel(this, "Label16", QStringLiteral(">"), QRect(10, markerTop(1), 10, 13));
    connect(thinnerButton, &QPushButton::clicked, this, &ThicknessFrame::thinner);
    connect(thickerButton, &QPushButton::clicked, this, &ThicknessFrame::thicker);
    connect(&context_, &EditorContext::stateChanged, this, &ThicknessFrame::reflect);
}

void ThicknessFrame::thinner() {
    tools::makePenThinner(context_.state);
    context_.changed();
}

void ThicknessFrame::thicker() {
    tools::makePenThicker(context_.state);
    context_.changed();
}

void ThicknessFrame::reflect() {
    marker_->move(marker_->x(), markerTop(context_.state.penWidth));
    // The marker ">" says nothing read aloud; its place does.
    setSpokenName(*marker_, tr("vybraná hrúbka: %1").arg(context_.state.penWidth));
}

}  // namespace tavrolin::ui
