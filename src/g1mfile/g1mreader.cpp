#include "g1mfile/g1mreader.h"

#include <charconv>
#include <cstdint>
#include <optional>

#include "g1mfile/g1mbytes.h"
#include "g1mfile/g1mheader.h"
#include "g1mfile/g1mlayout.h"
#include "g1mfile/g1msheet.h"

namespace tavrolin::g1mfile {

namespace {

// The number at the end of a memory file's name: "PICT12" and "CAPT 3" give 12 and 3.
int trailingNumber(std::string_view name) {
    const std::size_t start = name.find_last_not_of("0123456789") + 1;
    int number = 0;
    std::from_chars(name.data() + start, name.data() + name.size(), number);
    return number;
}

G1mEntry entry(G1mEntry::Kind kind, std::string_view itemName) {
    G1mEntry result;
    result.kind = kind;
    result.number = trailingNumber(itemName);
    result.name =
        (kind == G1mEntry::Kind::Picture ? "Pict " : "Capture ") + std::to_string(result.number);
    return result;
}

// The entry of one memory file, if it is a picture or a 128 × 64 capture.
std::optional<G1mEntry> pictureOf(std::uint8_t type, std::string_view itemName,
                                  std::string_view data) {
    if (type == kPictureType && data.size() >= kPictureDataBytes) {
        G1mEntry picture = entry(G1mEntry::Kind::Picture, itemName);
        overlaySheet(data.substr(0, kSheetBytes), picture.picture);
        overlaySheet(data.substr(kSheetBytes, kSheetBytes), picture.picture);
        return picture;
    }
    if (type == kCaptureType && data.size() >= kCaptureDataBytes &&
        readBigEndian(data, 0, 2) == model::kColumns && readBigEndian(data, 2, 2) == model::kRows) {
        G1mEntry capture = entry(G1mEntry::Kind::Capture, itemName);
        overlaySheet(data.substr(kCaptureSizeBytes, kSheetBytes), capture.picture);
        return capture;
    }
    return std::nullopt;
}

model::Failure cutShort() {
    return {model::FailureReason::BinaryCutShort, 0, {}};
}

}  // namespace

model::Result<std::vector<G1mEntry>> readG1mFile(std::string_view bytes) {
    const model::Outcome header = checkStandardHeader(bytes);
    if (!header) {
        return header.failure();
    }
    std::vector<G1mEntry> entries;
    std::size_t offset = kStandardHeaderBytes;
    while (offset < bytes.size()) {
        if (bytes.size() - offset < kGroupHeaderBytes) {
            return cutShort();
        }
        const std::uint32_t files = readBigEndian(bytes, offset + kGroupNameBytes, 4);
        offset += kGroupHeaderBytes;
        for (std::uint32_t i = 0; i < files; ++i) {
            if (bytes.size() - offset < kFileHeaderBytes) {
                return cutShort();
            }
            const std::string_view fileHeader = bytes.substr(offset, kFileHeaderBytes);
            const std::uint32_t length = readBigEndian(fileHeader, kLengthOffset, 4);
            offset += kFileHeaderBytes;
            if (bytes.size() - offset < length) {
                return cutShort();
            }
            const auto type = static_cast<std::uint8_t>(fileHeader[kTypeOffset]);
            if (auto picture = pictureOf(type, readName(fileHeader, kFolderBytes, kItemNameBytes),
                                         bytes.substr(offset, length))) {
                entries.push_back(std::move(*picture));
            }
            offset += length;
        }
    }
    if (entries.empty()) {
        return model::Failure{model::FailureReason::NoPictureInside, 0, {}};
    }
    return entries;
}

}  // namespace tavrolin::g1mfile
