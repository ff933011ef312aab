#pragma once

#include <QString>
#include <QStringList>

#include "model/canvas.h"
#include "model/picturebox.h"
#include "model/picturegrid.h"

// Pictures in tests as small ASCII art, one text line per row of cells:
// '.' white, '#' black, 'r' red, 'b' blue, 'g' green, '?' anything else.
namespace pictureart {

// Every colour in every column and row, so a lost or shifted cell shows.
inline tavrolin::model::ColorCode patternCode(int x, int y) {
    return static_cast<tavrolin::model::ColorCode>((3 * x + 7 * y + x * y) % 5);
}

inline tavrolin::model::PictureGrid patternPicture() {
    tavrolin::model::PictureGrid picture;
    tavrolin::model::PictureGrid::forEachUsedCell(
        [&](int x, int y) { picture.at(x, y) = patternCode(x, y); });
    return picture;
}

// What the canvas would show if it were painted afresh from the picture.
inline QImage repainted(tavrolin::model::EditorState state) {
    tavrolin::model::repaintCanvas(state);
    return state.canvas.image();
}

inline QRgb paletteQRgb(int code) {
    return tavrolin::model::toQRgb(*tavrolin::model::paletteRgb(code));
}

inline const QString kLetters = QStringLiteral(".#rbg");  // of the codes 0 to 4

inline std::int16_t code(QChar letter) {
    return static_cast<std::int16_t>(kLetters.indexOf(letter));
}

// The cells of columns left..right and rows top..bottom.
inline QString art(const tavrolin::model::PictureGrid& grid, int left, int top, int right,
                   int bottom) {
    QStringList rows;
    for (int y = top; y <= bottom; ++y) {
        QString row;
        for (int x = left; x <= right; ++x) {
            const std::int16_t value = grid.at(x, y);
            row += value >= 0 && value < kLetters.size() ? kLetters[value] : QLatin1Char('?');
        }
        rows << row;
    }
    return rows.join(QLatin1Char('\n'));
}

// Writes the rows of art into the grid with their first letter at cell (left, top).
inline void draw(tavrolin::model::PictureGrid& grid, int left, int top, const QStringList& rows) {
    for (int dy = 0; dy < rows.size(); ++dy) {
        for (int dx = 0; dx < rows[dy].size(); ++dx) {
            grid.at(left + dx, top + dy) = code(rows[dy][dx]);
        }
    }
}

}  // namespace pictureart
