#include "catfile/decodedcatfile.h"

#include "catfile/catheader.h"
#include "catfile/catitemreader.h"
#include "catfile/catrecords.h"

namespace tavrolin::catfile {

namespace {

// The planes onto a white picture made in place: the picture is the bulk of the
// result, and one name returned is not copied again.
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
