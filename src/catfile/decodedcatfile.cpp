#include "catfile/decodedcatfile.h"

#include "catfile/catheader.h"
#include "catfile/catitemreader.h"
#include "catfile/planeapplier.h"

namespace tavrolin::catfile {

DecodedCatFile decodeCatFile(std::string_view bytes, LoadColours colours) {
    DecodedCatFile result;
    CatItemReader reader(bytes);
    const CatHeader header = checkCatHeader(reader);
    result.loadFormat = header.loadFormat;
    result.valid = header.loadValid;
    if (!result.valid) {
        return result;
    }
    if (header.loadFormat == LoadFormat::Monochrome) {
        result.valid = applyMonochromePlanes(reader, result.picture);
    } else if (header.loadFormat == LoadFormat::Colour) {
        result.valid = applyColourPlanes(reader, result.picture, colours);
    }
    return result;
}

}  // namespace tavrolin::catfile
