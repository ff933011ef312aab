#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

#include "model/failure.h"
#include "model/palette.h"

namespace tavrolin::model {

// The boxes measure font sizes at 96 dots per inch, whatever the screen, so a size
// in points gives the same pixels everywhere; image files of the picture say so too.
inline constexpr int kDotsPerMeterAt96Dpi = 3780;

// A fixed-size picture that keeps what is drawn on it, with a drawing colour, a
// print position and a font, as every box of the editor needs: the canvas, the
// preview, the text and hedgehog boxes and the import box. Pixels are exact RGB and
// every primitive draws without smoothing, so what is read back is what was drawn.
class PictureBox {
  public:
    PictureBox(int width, int height, Rgb background = kWhiteRgb);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const QImage& image() const { return image_; }
    Rgb background() const { return background_; }

    // Told which area changed after every drawing call, so a view can repaint it.
    void setChangeListener(std::function<void(const QRect&)> listener);

    void clear();

    // Direct access to the pixels for routines that rewrite the whole picture at
    // once; the view is told afterwards.
    template <typename Edit>
    void editImage(Edit&& edit) {
        edit(image_);
        changed(image_.rect());
    }

    Rgb drawingColor() const { return drawingColor_; }
    void setDrawingColor(Rgb colour) { drawingColor_ = colour; }

    // Pixels outside the box are ignored when set and read as the background.
    void setPixel(int x, int y, Rgb colour);
    Rgb pixel(int x, int y) const;

    // One-pixel line in the drawing colour, from its start up to but not including
    // its end point.
    void line(int x1, int y1, int x2, int y2);
    // One-pixel circle outline in the drawing colour.
    void circle(int cx, int cy, int radius);
    // Fills a rectangle in the given colour: the fast way of painting whole cells.
    void fillRect(const QRect& area, Rgb colour);

    void setFontName(const QString& family) { font_.setFamily(family); }
    void setFontSize(double points) { font_.setPointSizeF(points); }
    const QFont& font() const { return font_; }
    void setPrintPosition(int x, int y) { printX_ = x, printY_ = y; }
    // Prints one line of text with the top of the line at the print position. Only
    // the glyphs are painted, each of their pixels exactly in the drawing colour.
    void print(const QString& text);

    // Replaces the picture by the reader's image drawn from the top-left corner,
    // unscaled, on the background. Only the part the box shows is decoded where the
    // format allows it, so a large photo loads at once. What is no readable image
    // changes nothing and gives the reason.
    Outcome load(QImageReader& reader);

  private:
    void changed(const QRect& area);

    QImage image_;
    Rgb background_;
    Rgb drawingColor_ = kBlackRgb;
    QFont font_;
    int printX_ = 0;
    int printY_ = 0;
    std::function<void(const QRect&)> listener_;
};

QRgb toQRgb(Rgb colour);
Rgb fromQRgb(QRgb pixel);

}  // namespace tavrolin::model
