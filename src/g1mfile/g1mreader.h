#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/failure.h"
#include "model/picturegrid.h"

namespace tavrolin::g1mfile {

// One picture of an archive: a stored picture ("Pict 3") or a screen capture
// ("Capture 1"), black and white.
struct G1mEntry {
    enum class Kind { Picture, Capture };
    Kind kind = Kind::Picture;
    int number = 0;    // from the memory file's name, 0 when it carries none
    std::string name;  // for lists: "Pict 3", "Capture 1"
    model::PictureGrid picture;
};

// The name of a picture or capture for lists, from its memory file's name: "PICT3"
// gives "Pict 3", "CAPT 1" "Capture 1".
std::string entryName(G1mEntry::Kind kind, std::string_view itemName);

// Every picture and capture of a .g1m or .g1r archive in file order; other memory files
// (programs, lists, ...) are passed over by their length. Fails for a damaged file and
// for one that holds no picture.
model::Result<std::vector<G1mEntry>> readG1mFile(std::string_view bytes);

}  // namespace tavrolin::g1mfile
