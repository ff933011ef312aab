#pragma once

#include <cstdlib>

namespace tavrolin::model {

// The one-pixel line of every picture box: integer Bresenham, one pixel per step
// along the longer axis, plotting the start point and leaving out the end point,
// so lines laid end to end never plot their joint twice.
template <typename Plot>
void forEachLinePixel(int x1, int y1, int x2, int y2, Plot&& plot) {
    const int dx = std::abs(x2 - x1);
    const int dy = std::abs(y2 - y1);
    const int stepX = x1 < x2 ? 1 : -1;
    const int stepY = y1 < y2 ? 1 : -1;
    int x = x1;
    int y = y1;
    if (dx >= dy) {
        int error = 2 * dy - dx;
        for (int i = 0; i < dx; ++i) {
            plot(x, y);
            if (error > 0) {
                y += stepY;
                error -= 2 * dx;
            }
            error += 2 * dy;
            x += stepX;
        }
    } else {
        int error = 2 * dx - dy;
        for (int i = 0; i < dy; ++i) {
            plot(x, y);
            if (error > 0) {
                x += stepX;
                error -= 2 * dy;
            }
            error += 2 * dx;
            y += stepY;
        }
    }
}

// A one-pixel circle outline by the midpoint algorithm. It passes through
// (cx ± r, cy) and (cx, cy ± r); a radius of 0 plots the centre alone and a
// negative radius nothing. A pixel may be plotted more than once.
template <typename Plot>
void forEachCirclePixel(int cx, int cy, int r, Plot&& plot) {
    if (r < 0) {
        return;
    }
    int x = r;
    int y = 0;
    int decision = 1 - r;
    while (y <= x) {
        plot(cx + x, cy + y);
        plot(cx - x, cy + y);
        plot(cx + x, cy - y);
        plot(cx - x, cy - y);
        plot(cx + y, cy + x);
        plot(cx - y, cy + x);
        plot(cx + y, cy - x);
        plot(cx - y, cy - x);
        ++y;
        if (decision < 0) {
            decision += 2 * y + 1;
        } else {
            --x;
            decision += 2 * (y - x) + 1;
        }
    }
}

}  // namespace tavrolin::model
