#include "g1mfile/g1mgroups.h"

#include "g1mfile/g1mbytes.h"
#include "g1mfile/g1mheader.h"
#include "g1mfile/g1mlayout.h"

namespace tavrolin::g1mfile {

namespace {

model::Failure cutShort() {
    return {model::FailureReason::BinaryCutShort, 0, {}};
}

}  // namespace

model::Result<std::vector<G1mGroup>> readG1mGroups(std::string_view bytes) {
    const model::Outcome header = checkStandardHeader(bytes);
    if (!header) {
        return header.failure();
    }
    std::vector<G1mGroup> groups;
    std::size_t offset = kStandardHeaderBytes;
    while (offset < bytes.size()) {
        if (bytes.size() - offset < kGroupHeaderBytes) {
            return cutShort();
        }
        G1mGroup& group = groups.emplace_back();
        group.storedName = bytes.substr(offset, kGroupNameBytes);
        group.name = readName(bytes, offset, kGroupNameBytes);
        const std::uint32_t files = readBigEndian(bytes, offset + kGroupNameBytes, 4);
        offset += kGroupHeaderBytes;
        for (std::uint32_t i = 0; i < files; ++i) {
            if (bytes.size() - offset < kFileHeaderBytes) {
                return cutShort();
            }
            const std::string_view fileHeader = bytes.substr(offset, kFileHeaderBytes);
            const std::uint32_t length = readBigEndian(fileHeader, kLengthOffset, 4);
            if (bytes.size() - offset - kFileHeaderBytes < length) {
                return cutShort();
            }
            group.files.push_back({readName(fileHeader, 0, kFolderBytes),
                                   readName(fileHeader, kFolderBytes, kItemNameBytes),
                                   static_cast<std::uint8_t>(fileHeader[kTypeOffset]),
                                   bytes.substr(offset + kFileHeaderBytes, length),
                                   bytes.substr(offset, kFileHeaderBytes + length)});
            offset += kFileHeaderBytes + length;
        }
    }
    return groups;
}

}  // namespace tavrolin::g1mfile
