#include <cstddef>
#include <cstdint>
#include <string_view>

#include "g1mfile/g1mgroups.h"
#include "g1mfile/g1mheader.h"
#include "g1mfile/g1mitems.h"
#include "g1mfile/g1mreader.h"
#include "g1mfile/g1mwriter.h"
#include "model/picturegrid.h"
#include "require.h"

// Input: the file. Besides not crashing, the reader must keep its promises: only files
// that start as one read, a readable file holds at least one picture of black and white
// cells, and each picture written back as "Pict 1" and read again comes back unchanged.
// Written into the file, a picture goes exactly into the archives whose groups read, and
// the result reads again with the same memory files beside it.

using namespace tavrolin::g1mfile;
using tavrolin::model::PictureGrid;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const auto groups = readG1mGroups(file);
    const auto merged = g1mWithPicture(file, PictureGrid{}, kLastPictureNumber);
    require(groups || !merged);
    if (merged) {
        const auto again = readG1mGroups(merged.value());
        require(again && itemsBesidePicture(again.value(), kLastPictureNumber).size() ==
                             itemsBesidePicture(groups.value(), kLastPictureNumber).size());
    }
    const auto read = readG1mFile(file);
    if (!read) {
        return 0;
    }
    require(startsAsG1mFile(file) && !read.value().empty());
    for (const G1mEntry& entry : read.value()) {
        PictureGrid::forEachUsedCell([&](int x, int y) {
            const int code = entry.picture.at(x, y);
            require(code == tavrolin::model::kWhite || code == tavrolin::model::kBlack);
        });
        const auto reread = readG1mFile(g1mPictureFile(entry.picture, kFirstPictureNumber));
        require(reread && reread.value().size() == 1);
        require(reread.value().front().picture.usedCellsEqual(entry.picture));
    }
    return 0;
}
