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

// Every memory file of the archive but "Pict n" to "Pict n + count - 1", in file order:
// what pictures written as those leave beside themselves.
std::vector<G1mItem> itemsBesidePicture(const std::vector<G1mGroup>& groups, int number,
                                        int count = 1);

}  // namespace tavrolin::g1mfile
