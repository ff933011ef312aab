#pragma once

namespace tavrolin::catfile {

// Which colours a colour file carries; an unchosen colour is written as the zero plane.
// All chosen by default, as the save dialog's boxes start ticked.
struct SaveColours {
    bool red = true;
    bool blue = true;
    bool green = true;
};

}  // namespace tavrolin::catfile
