#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "model/failure.h"

namespace tavrolin::g1mfile {

// One memory file of an archive: a program, a picture, a list, a capture, ...
struct G1mMemoryFile {
    std::string_view folder;  // "main", "system"
    std::string_view name;    // "PICT3", "DRAW"
    std::uint8_t type = 0;
    std::string_view data;    // what follows its header
    std::string_view stored;  // its header and data, byte for byte as in the file
};

// A group header ("PROGRAM", "PICTURE 3") and the memory files it counts.
struct G1mGroup {
    std::string_view storedName;  // the 16 bytes of the name field as in the file
    std::string_view name;        // up to its first NUL
    std::vector<G1mMemoryFile> files;
};

// Every group of a .g1m or .g1r archive in file order, after a valid standard header.
// Fails for a damaged file; a file without any picture is fine here.
model::Result<std::vector<G1mGroup>> readG1mGroups(std::string_view bytes);

}  // namespace tavrolin::g1mfile
