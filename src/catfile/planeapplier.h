#pragma once

#include "catfile/catitemreader.h"
#include "catfile/loadcolours.h"
#include "model/picturegrid.h"

namespace tavrolin::catfile {

// The planes of a file whose header passed, read from a reader standing where
// checkCatHeader left it. Each first makes sure the file holds every line the layout
// needs; a file cut short is unreadable: false, and the picture is left untouched.

// Monochrome: the first plane, one line not looked at, the picture plane over it; a set
// bit makes the cell black, a clear bit white. Nothing after line 138 is read.
bool applyMonochromePlanes(CatItemReader& reader, model::PictureGrid& picture);

// Colour: the four planes in file order, two lines not looked at before each of the
// last three. Each ticked plane is applied to the picture as it is, so a later plane
// wins: "Color:1" sets red and clears to white, "Color:2" sets blue, "Color:3" green,
// "Color:4" white, and their clear bits leave the cell. Unticked planes are read past.
bool applyColourPlanes(CatItemReader& reader, model::PictureGrid& picture, LoadColours colours);

}  // namespace tavrolin::catfile
