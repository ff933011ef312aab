#include "g1mfile/g1mreader.h"

#include <cstdint>
#include <optional>

#include "g1mfile/g1mbytes.h"
#include "g1mfile/g1mgroups.h"
#include "g1mfile/g1mlayout.h"
#include "g1mfile/g1msheet.h"

namespace tavrolin::g1mfile {

namespace {

G1mEntry entry(G1mEntry::Kind kind, std::string_view itemName) {
    G1mEntry result;
    result.kind = kind;
    result.number = trailingNumber(itemName);
    result.name = entryName(kind, itemName);
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

}  // namespace

std::string entryName(G1mEntry::Kind kind, std::string_view itemName) {
    return (kind == G1mEntry::Kind::Picture ? "Pict " : "Capture ") +
           std::to_string(trailingNumber(itemName));
}

model::Result<std::vector<G1mEntry>> readG1mFile(std::string_view bytes) {
    const model::Result<std::vector<G1mGroup>> groups = readG1mGroups(bytes);
    if (!groups) {
        return groups.failure();
    }
    std::vector<G1mEntry> entries;
    for (const G1mGroup& group : groups.value()) {
        for (const G1mMemoryFile& file : group.files) {
            if (auto picture = pictureOf(file.type, file.name, file.data)) {
                entries.push_back(std::move(*picture));
            }
        }
    }
    if (entries.empty()) {
        return model::Failure{model::FailureReason::NoPictureInside, 0, {}};
    }
    return entries;
}

}  // namespace tavrolin::g1mfile
