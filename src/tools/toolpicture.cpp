#include "tools/toolpicture.h"

#include <cstring>

namespace tavrolin::tools {

ToolPicture::ToolPicture(int width, int height) : image_(width, height, QImage::Format_ARGB32) {
    image_.fill(Qt::transparent);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

QImage ToolPicture::done() {
    painter_.end();
    return image_;
}

QImage pictureFromRows(std::initializer_list<const char*> rows, const QColor& ink,
                       const QColor& second) {
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
    return image;
}

}  // namespace tavrolin::tools
