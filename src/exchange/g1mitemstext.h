#pragma once

#include <QString>
#include <vector>

#include "g1mfile/g1mitems.h"

namespace tavrolin::exchange {

// What an archive holds besides a picture, shortly, in the user's language: pictures
// and captures by name while they are few, else counted with the programs and the rest:
// "Pict 2, Capture 1, programy: 3, iné: 2". Empty for no items.
QString g1mItemsText(const std::vector<g1mfile::G1mItem>& items);

}  // namespace tavrolin::exchange
