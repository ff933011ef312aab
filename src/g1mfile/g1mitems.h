#pragma once

#include <string>
#include <vector>

#include "g1mfile/g1mgroups.h"

namespace tavrolin::g1mfile {

// A memory file as the user knows it, to say what an archive holds.
struct G1mItem {
    enum class Kind { Picture, Capture, Program, Other };
    Kind kind = Kind::Other;
    std::string name;  // "Pict 2", "Capture 1"; a program's or any other file's own name
};

// Every memory file of the archive but "Pict n", in file order: what a picture written
// as "Pict n" leaves beside itself.
std::vector<G1mItem> itemsBesidePicture(const std::vector<G1mGroup>& groups, int number);

}  // namespace tavrolin::g1mfile
