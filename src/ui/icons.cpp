#include "ui/icons.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstring>

namespace tavrolin::ui::icons {

namespace {

const QColor kInk(32, 32, 32);
const QColor kBlue(0, 0, 255);

// A transparent image to draw on with crisp, unsmoothed strokes.
class Sketch {
  public:
    Sketch(int width, int height) : image_(width, height, QImage::Format_ARGB32) {
        image_.fill(Qt::transparent);
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing, false);
    }
    QPainter& painter() { return painter_; }
    QPixmap done() {
        painter_.end();
        return QPixmap::fromImage(image_);
    }

  private:
    QImage image_;
    QPainter painter_;
};

// Draws rows of '#' (ink) and '+' (second colour) as pixels.
QPixmap fromRows(std::initializer_list<const char*> rows, QColor ink, QColor second = {}) {
    const int width = static_cast<int>(std::strlen(*rows.begin()));
    QImage image(width, static_cast<int>(rows.size()), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; x < width; ++x) {
            if (row[x] == '#') {
                image.setPixelColor(x, y, ink);
            } else if (row[x] == '+') {
                image.setPixelColor(x, y, second);
            }
        }
        ++y;
    }
    return QPixmap::fromImage(image);
}

QPixmap brushPicture() {
    Sketch sketch(24, 23);
    QPainter& p = sketch.painter();
    // Handle from the top right down to the ferrule, then the bristles and a stroke.
    p.setPen(QPen(QColor(150, 90, 30), 2));
    p.drawLine(20, 2, 11, 11);
    p.setPen(QPen(QColor(160, 160, 170), 2));
    p.drawLine(11, 11, 9, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPolygon(QPolygon({QPoint(8, 13), QPoint(10, 15), QPoint(6, 19), QPoint(3, 19)}));
    p.setPen(QPen(kBlue, 1));
    p.drawLine(2, 21, 12, 21);
    return sketch.done();
}

QPixmap linePicture() {
    Sketch sketch(16, 16);
    sketch.painter().setPen(QPen(kInk, 1));
    sketch.painter().drawLine(2, 13, 13, 2);
    return sketch.done();
}

QPixmap rectanglePicture() {
    Sketch sketch(16, 16);
    sketch.painter().setPen(QPen(kInk, 1));
    sketch.painter().drawRect(2, 3, 11, 9);
    return sketch.done();
}

QPixmap ellipsePicture() {
    return fromRows(
        {"................", "................", ".....######.....", "...##......##...",
         "..#..........#..", ".#............#.", ".#............#.", ".#............#.",
         ".#............#.", ".#............#.", "..#..........#..", "...##......##...",
         ".....######.....", "................", "................", "................"},
        kInk);
}

}  // namespace

QPixmap toolPicture(model::Tool tool) {
    switch (tool) {
        case model::kPen:
            return brushPicture();
        case model::kLineTool:
            return linePicture();
        case model::kRectangleTool:
            return rectanglePicture();
        case model::kCircleTool:
            return ellipsePicture();
    }
    return {};
}

QPixmap minus() {
    return fromRows(
        {".............", ".............", ".............", ".............", ".............",
         "..#########..", "..#########..", ".............", ".............", ".............",
         ".............", ".............", "............."},
        kInk);
}

QPixmap plus() {
    return fromRows(
        {".............", ".............", "......#......", "......#......", "......#......",
         "......#......", "..#########..", "......#......", "......#......", "......#......",
         "......#......", ".............", "............."},
        kInk);
}

QPixmap arrow(Qt::ArrowType direction) {
    const QPixmap left = fromRows({"...#....", "..##....", ".#######", "########", ".#######",
                                   "..##....", "...#....", "........"},
                                  kInk);
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
    p.drawText(QRect(28, 150, 200, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("2.0"));
    QFont small = name;
    small.setPixelSize(14);
    small.setBold(false);
    p.setFont(small);
    p.setPen(QColor(40, 40, 60));
    p.drawText(
        QRect(28, 240, 360, 40), Qt::AlignLeft | Qt::TextWordWrap,
        QCoreApplication::translate("tavrolin::ui::icons",
                                    "Obrázky pre kalkulačky Casio Algebra FX 2.0 a CFX-9850"));
    p.end();
    return QPixmap::fromImage(image);
}

}  // namespace tavrolin::ui::icons
