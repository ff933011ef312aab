#include "ui/views/captionbutton.h"

#include <QEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tavrolin::ui {

namespace {

// Letters are narrowed in these steps, down to two thirds of their width at most.
constexpr int kStretchStep = 5;
constexpr int kNarrowestStretch = 65;

}  // namespace

void CaptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect area = captionArea();
    if (!icon().isNull()) {
        const QRect iconArea(area.left() - iconSize().width() - 2,
                             area.center().y() - iconSize().height() / 2, iconSize().width(),
                             iconSize().height());
        icon().paint(&painter, iconArea, Qt::AlignCenter,
                     isEnabled() ? QIcon::Normal : QIcon::Disabled);
    }
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption);
}

QRect CaptionButton::captionArea() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (!icon().isNull()) {
        area.setLeft(area.left() + 2 + iconSize().width() + 2);
    }
    return area;
}

void CaptionButton::narrowCaptionToFit() {
    // Starts from the letters the button would have by itself, the window's.
    QFont narrowed = parentWidget() != nullptr ? parentWidget()->font() : font();
    const QRect area = captionArea();
    int stretch = narrowed.stretch() == QFont::AnyStretch ? QFont::Unstretched : narrowed.stretch();
    const auto fits = [&] {
        const QRect needed =
            QFontMetrics(narrowed).boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, text());
        return needed.width() <= area.width() && needed.height() <= area.height();
    };
    while (!fits() && stretch > kNarrowestStretch) {
        stretch -= kStretchStep;
        narrowed.setStretch(stretch);
    }
    if (narrowed != font()) {
        setFont(narrowed);
    }
}

void CaptionButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    narrowCaptionToFit();
}

void CaptionButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::ParentChange) {
        narrowCaptionToFit();
    }
}

}  // namespace tavrolin::ui
