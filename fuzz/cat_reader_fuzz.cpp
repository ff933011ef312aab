#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catfile/catitemreader.h"
#include "catfile/catlayout.h"
#include "catfile/catwriter.h"
#include "catfile/decodedcatfile.h"
#include "catfile/loadformat.h"
#include "catfile/planedecoder.h"
#include "model/picturegrid.h"
#include "require.h"

// Input: one byte whose low four bits tick the colours to load (red, blue, green,
// white), then the file. Besides not crashing, the reader must keep its promises:
// codes only of the variant, and a readable file's picture written back and read
// again must come back whole, unchanged.

using namespace tavrolin::catfile;
using tavrolin::model::PictureGrid;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > kMaxCatFileBytes) {
        return 0;
    }
    const LoadColours colours{(data[0] & 1) != 0, (data[0] & 2) != 0, (data[0] & 4) != 0,
                              (data[0] & 8) != 0};
    const std::string_view file(reinterpret_cast<const char*>(data + 1), size - 1);
    // Every item as a plane line too: the last one ends where the input does, so a
    // read past a short line shows at once, without a whole valid file around it.
    CatItemReader items(file);
    for (int n = 1; n <= 300; ++n) {
        const std::optional<std::string_view> item = items.next();
        if (!item) {
            break;
        }
        decodePlaneLine(*item, n % 66).forEachCell([](int x, int y, bool) {
            require(x >= 1 && x <= tavrolin::model::kColumns && y >= 1 &&
                    y <= tavrolin::model::kRows);
        });
    }

    const tavrolin::model::Result<DecodedCatFile> read = decodeCatFile(file, colours);
    if (!read) {
        return 0;
    }
    const DecodedCatFile& decoded = read.value();
    require(decoded.loadFormat != LoadFormat::None);
    const bool colour = decoded.loadFormat == LoadFormat::Colour;
    PictureGrid::forEachUsedCell([&](int x, int y) {
        const int code = decoded.picture.at(x, y);
        require(colour ? (code == 0 || (code >= 2 && code <= 4)) : (code == 0 || code == 1));
    });
    const std::string again =
        colour ? colourFile(decoded.picture, {}) : monochromeFile(decoded.picture);
    const tavrolin::model::Result<DecodedCatFile> reread = decodeCatFile(again, {});
    require(reread && reread.value().loadFormat == decoded.loadFormat && !reread.value().end);
    require(reread.value().picture.usedCellsEqual(decoded.picture));
    return 0;
}
