#pragma once

#include <string>
#include <string_view>

#include "model/failure.h"
#include "model/picturegrid.h"

namespace tavrolin::g1mfile {

// The calculator keeps pictures "Pict 1" to "Pict 20".
inline constexpr int kFirstPictureNumber = 1;
inline constexpr int kLastPictureNumber = 20;

// The memory file name of "Pict n": "PICT3". Its group is "PICTURE 3".
std::string pictureFileName(int number);

// A .g1m file holding the picture as "Pict n" (n = 1..20): its black cells set in the
// first sheet, every other colour clear, the second sheet zero. 2124 bytes.
std::string g1mPictureFile(const model::PictureGrid& picture, int number);

// The archive with the picture written as "Pict n" in the same way: it replaces the
// memory file of that name in whatever group holds it, or joins the group "PICTURE n",
// or comes in a group of its own where the calculator keeps it (groups by name, their
// numbers by value). Every other group and memory file stays byte for byte; the
// standard header's size, control bytes and file count are made to fit. Fails, and
// gives nothing to write, for a damaged archive.
model::Result<std::string> g1mWithPicture(std::string_view archive,
                                          const model::PictureGrid& picture, int number);

}  // namespace tavrolin::g1mfile
