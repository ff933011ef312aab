#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "exchange/catfilesave.h"
#include "model/failure.h"
#include "model/picturegrid.h"

namespace tavrolin::exchange {

// A picture as C source for calculator programs: each sheet a
// `const unsigned char ID[1024]`, 64 rows of 16 bytes, the leftmost cell in the highest
// bit and 1 for a set cell, the bytes of a .g1m picture sheet; with ID_WIDTH and
// ID_HEIGHT. Black and white gives one array of the black cells, colour one array a
// colour (ID_red, ID_blue, ID_green). The text compiles as C99 and as C++.
std::string pictureAsCSource(const model::PictureGrid& picture, std::string_view identifier,
                             SaveVariant variant);

// Whether the text can name the arrays: a C identifier that is no keyword of C or C++.
bool isCIdentifier(std::string_view text);

// The identifier a file's base name gives: every other character an underscore, a
// leading digit or keyword made safe by a prefix or suffix, "picture" for nothing.
std::string identifierFromFileName(const QString& path);

// Writes the C source through a temporary file, so a failure keeps the old file.
model::Outcome writeCSource(const model::PictureGrid& picture, const QString& path,
                            std::string_view identifier, SaveVariant variant);

}  // namespace tavrolin::exchange
