#include "ui/icons.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "tools/toolpicture.h"
#include "version/version.h"

namespace tavrolin::ui::icons {

namespace {

// Rows of '#' (ink) and '+' (the second colour) as a picture.
QPixmap fromRows(std::initializer_list<const char*> rows, const QColor& ink = tools::kButtonInk,
                 const QColor& second = {}) {
    return QPixmap::fromImage(tools::pictureFromRows(rows, ink, second));
}

}  // namespace

QPixmap minus() {
    return fromRows({".............", ".............", ".............", ".............",
                     ".............", "..#########..", "..#########..", ".............",
                     ".............", ".............", ".............", ".............",
                     "............."});
}

QPixmap plus() {
    return fromRows({".............", ".............", "......#......", "......#......",
                     "......#......", "......#......", "..#########..", "......#......",
                     "......#......", "......#......", "......#......", ".............",
                     "............."});
}

QPixmap arrow(Qt::ArrowType direction) {
    const QPixmap left = fromRows({"...#....", "..##....", ".#######", "########", ".#######",
                                   "..##....", "...#....", "........"},
                                  tools::kButtonInk);
    QTransform turn;
    switch (direction) {
        case Qt::RightArrow:
            turn.scale(-1, 1);
            break;
        case Qt::UpArrow:
            turn.rotate(90);
            break;
        case Qt::DownArrow:
            turn.rotate(-90);
            break;
        default:
            break;
    }
    return left.transformed(turn);
}

QPixmap undoArrow() {
    return fromRows(
        {"........................", "........................", "........................",
         ".......#................", "......##................", ".....#+#######..........",
         "....#++++++++##.........", "...#++++++++++##........", "....#++++++++++##.......",
         ".....#+#######++#.......", "......##......#++#......", ".......#.......#+#......",
         "...............#+#......", "...............#+#......", "..............#++#......",
         ".............#++#.......", "...........##++#........", ".........##+++#.........",
         "........#++##...........", "........###.............", "........................",
         "........................", "........................"},
        QColor(0, 0, 140), QColor(90, 140, 255));
}

QPixmap redoArrow() {
    return QPixmap::fromImage(undoArrow().toImage().mirrored(true, false));
}

QImage calculator(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, size > 24);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(QPen(QColor(20, 20, 30), 1.5));
    p.setBrush(QColor(60, 64, 80));
    p.drawRoundedRect(QRectF(10, 2, 44, 60), 5, 5);
    p.setBrush(QColor(196, 212, 180));
    p.drawRect(QRectF(15, 7, 34, 18));
    // A tiny picture on the screen: a hill and a sun, as drawn in the editor.
    p.setPen(QPen(QColor(0, 128, 0), 2));
    p.drawLine(QPointF(17, 23), QPointF(26, 14));
    p.drawLine(QPointF(26, 14), QPointF(33, 20));
    p.setPen(QPen(QColor(255, 0, 0), 2));
    p.drawEllipse(QPointF(42, 12), 3, 3);
    p.setPen(Qt::NoPen);
    const QColor keys[] = {QColor(230, 230, 235), QColor(240, 170, 60), QColor(90, 150, 230)};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            p.setBrush(keys[(row + column * 2) % 3]);
            p.drawRoundedRect(QRectF(15 + column * 9, 31 + row * 7.5, 7, 5), 1, 1);
        }
    }
    p.end();
    return image;
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(QPixmap::fromImage(calculator(size)));
    }
    return icon;
}

QPixmap titlePicture() {
    QImage image(400, 300, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0, QColor(235, 240, 250));
    sky.setColorAt(1, QColor(200, 212, 235));
    p.fillRect(image.rect(), sky);
    // The faded calculator behind the name.
    p.setOpacity(0.25);
    p.drawImage(170, 20, calculator(260));
    p.setOpacity(1);
    QFont name(QStringLiteral("DejaVu Sans"));
    name.setPixelSize(64);
    name.setBold(true);
    p.setFont(name);
    p.setPen(QColor(30, 40, 90));
    p.drawText(QRect(24, 70, 360, 80), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Tavrolin"));
    QFont version = name;
    version.setPixelSize(40);
    p.setFont(version);
    p.setPen(QColor(200, 30, 30));
    p.drawText(QRect(28, 150, 200, 50), Qt::AlignLeft | Qt::AlignVCenter, QLatin1String(kVersion));
    QFont small = name;
    small.setPixelSize(14);
    small.setBold(false);
    p.setFont(small);
    p.setPen(QColor(40, 40, 60));
    // Left of the calculator drawing, ending where the drawing does.
    p.drawText(
        QRect(28, 205, 172, 70), Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap,
        QCoreApplication::translate("tavrolin::ui::icons",
                                    "Obrázky pre kalkulačky Casio Algebra FX 2.0 a CFX-9850"));
    p.end();
    return QPixmap::fromImage(image);
}

}  // namespace tavrolin::ui::icons
