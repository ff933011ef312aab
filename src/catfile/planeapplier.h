#pragma once

#include <optional>

#include "catfile/catitemreader.h"
#include "catfile/loadcolours.h"
#include "model/picturegrid.h"

namespace tavrolin::catfile {

// Where a file ended before the last plane line: the number of its last line. Nothing
// when every line the planes need was there.
using FileEnd = std::optional<int>;

// The planes of a file whose header passed, read from a reader standing where
// checkCatHeader left it, at the fixed positions of the layout. Lines missing at the
// end of a file cut short are lines without values: they leave their cells as they
// are, and the file's end is given back.

// Monochrome: the first plane, one line not looked at, the picture plane over it; a set
// bit makes the cell black, a clear bit white. Nothing after line 138 is read.
FileEnd applyMonochromePlanes(CatItemReader& reader, model::PictureGrid& picture);

// Colour: the four planes in file order, two lines not looked at before each of the
// last three. Each ticked plane is applied to the picture as it is, so a later plane
// wins: "Color:1" sets red and clears to white, "Color:2" sets blue, "Color:3" green,
// "Color:4" white, and their clear bits leave the cell. Unticked planes are read past.
FileEnd applyColourPlanes(CatItemReader& reader, model::PictureGrid& picture, LoadColours colours);

}  // namespace tavrolin::catfile
