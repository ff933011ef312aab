#include "catfile/decodedcatfile.h"

#include "catfile/catheader.h"
#include "catfile/catitemreader.h"
#include "catfile/catrecords.h"

namespace tavrolin::catfile {

model::Result<DecodedCatFile> decodeCatFile(std::string_view bytes, LoadColours colours,
                                            int record) {
    const model::Result<CatRecord> chosen = pictureRecord(bytes, record);
    if (!chosen) {
        return chosen.failure();
    }
    CatItemReader reader(chosen.value().text, chosen.value().firstLine);
    const CatHeader header = checkCatHeader(reader);
    if (!header.loadValid) {
        return header.failure;
    }
    DecodedCatFile decoded;
    decoded.loadFormat = header.loadFormat;
    decoded.end = header.loadFormat == LoadFormat::Monochrome
                      ? applyMonochromePlanes(reader, decoded.picture)
                      : applyColourPlanes(reader, decoded.picture, colours);
    return decoded;
}

}  // namespace tavrolin::catfile
