#pragma once

namespace tavrolin::catfile {

// Which planes of a colour file are applied ("Color:1" to "Color:4"); the others are
// read past. All ticked by default, as the open dialog's boxes start ticked.
struct LoadColours {
    bool red = true;
    bool blue = true;
    bool green = true;
    bool white = true;
};

}  // namespace tavrolin::catfile
