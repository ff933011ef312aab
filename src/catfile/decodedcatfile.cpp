#include "catfile/decodedcatfile.h"

#include "catfile/catheader.h"
#include "catfile/catitemreader.h"
#include "catfile/catrecords.h"

namespace tavrolin::catfile {

namespace {

// The planes onto a white picture made inside the result itself: the picture is its
// bulk, and a result returned by its name is not copied again.
model::Result<DecodedCatFile> planesOf(CatItemReader& reader, LoadFormat format,
                                       LoadColours colours) {
    model::Result<DecodedCatFile> result = DecodedCatFile{};
    DecodedCatFile& decoded = result.value();
    decoded.loadFormat = format;
    decoded.end = format == LoadFormat::Monochrome
                      ? applyMonochromePlanes(reader, decoded.picture)
                      : applyColourPlanes(reader, decoded.picture, colours);
    return result;
}

}  // namespace

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
    return planesOf(reader, header.loadFormat, colours);
}

}  // namespace tavrolin::catfile
