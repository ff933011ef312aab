#include "g1mfile/g1mitems.h"

#include "g1mfile/g1mlayout.h"
#include "g1mfile/g1mreader.h"
#include "g1mfile/g1mwriter.h"

namespace tavrolin::g1mfile {

namespace {

constexpr std::uint8_t kProgramType = 0x01;

G1mItem itemOf(const G1mMemoryFile& file) {
    switch (file.type) {
        case kPictureType:
            return {G1mItem::Kind::Picture, entryName(G1mEntry::Kind::Picture, file.name)};
        case kCaptureType:
            return {G1mItem::Kind::Capture, entryName(G1mEntry::Kind::Capture, file.name)};
        case kProgramType:
            return {G1mItem::Kind::Program, std::string(file.name)};
        default:
            return {G1mItem::Kind::Other, std::string(file.name)};
    }
}

}  // namespace

std::vector<G1mItem> itemsBesidePicture(const std::vector<G1mGroup>& groups, int number,
                                        int count) {
    std::vector<G1mItem> items;
    for (const G1mGroup& group : groups) {
        for (const G1mMemoryFile& file : group.files) {
            bool written = false;
            for (int n = number; n < number + count; ++n) {
                written = written || file.name == pictureFileName(n);
            }
            if (!written) {
                items.push_back(itemOf(file));
            }
        }
    }
    return items;
}

}  // namespace tavrolin::g1mfile
