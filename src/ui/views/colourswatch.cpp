#include "ui/views/colourswatch.h"

#include <QPainter>
#include <iterator>

#include "model/palette.h"
#include "model/picturebox.h"

namespace tavrolin::ui {

namespace {

// By colour code.
constexpr const char* kColourNames[] = {
    QT_TRANSLATE_NOOP("tavrolin::ui::ColourSwatch", "biela"),
    QT_TRANSLATE_NOOP("tavrolin::ui::ColourSwatch", "čierna"),
    QT_TRANSLATE_NOOP("tavrolin::ui::ColourSwatch", "červená"),
    QT_TRANSLATE_NOOP("tavrolin::ui::ColourSwatch", "modrá"),
    QT_TRANSLATE_NOOP("tavrolin::ui::ColourSwatch", "zelená"),
};

}  // namespace

ColourSwatch::ColourSwatch(model::ColorCode code, QWidget* parent)
    : QAbstractButton(parent), code_(code) {}

void ColourSwatch::setCode(model::ColorCode code) {
    code_ = code;
    update();
}

QString ColourSwatch::colourName(model::ColorCode code) {
    return code >= 0 && code < model::ColorCode(std::size(kColourNames)) ? tr(kColourNames[code])
                                                                         : QString();
}

void ColourSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(model::toQRgb(*model::paletteRgb(code_))));
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

}  // namespace tavrolin::ui
