#include "ui/views/captionbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tavrolin::ui {

void CaptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (!icon().isNull()) {
        const QRect iconArea(area.left() + 2, area.center().y() - iconSize().height() / 2,
                             iconSize().width(), iconSize().height());
        icon().paint(&painter, iconArea, Qt::AlignCenter,
                     isEnabled() ? QIcon::Normal : QIcon::Disabled);
        area.setLeft(iconArea.right() + 2);
    }
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption);
}

}  // namespace tavrolin::ui
