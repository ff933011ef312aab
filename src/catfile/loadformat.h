#pragma once

namespace tavrolin::catfile {

// The variant that line 2 of a file names; the values are those the editor keeps.
enum class LoadFormat : int {
    None = 0,
    Monochrome = 1,
    Colour = 2,
};

}  // namespace tavrolin::catfile
