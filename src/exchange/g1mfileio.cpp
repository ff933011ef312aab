#include "exchange/g1mfileio.h"

#include <optional>
#include <string>

#include "exchange/picturefilebytes.h"
#include "exchange/savefilecommit.h"
#include "g1mfile/g1mgroups.h"
#include "g1mfile/g1mlayout.h"
#include "g1mfile/g1mwriter.h"

namespace tavrolin::exchange {

namespace {

// The bytes of the file at the path; nothing for a missing or empty file.
model::Result<std::optional<std::string>> existingBytes(const QString& path) {
    model::Result<std::string> bytes = readPictureFileBytes(path, g1mfile::kMaxG1mFileBytes);
    if (!bytes) {
        if (bytes.failure().reason == model::FailureReason::NotFound) {
            return std::optional<std::string>();
        }
        return bytes.failure();
    }
    if (bytes.value().empty()) {
        return std::optional<std::string>();
    }
    return std::optional(std::move(bytes).value());
}

// The file to write: the archive at the path with the pictures in it, or a new one.
model::Result<std::string> fileToWrite(const QString& path,
                                       std::span<const model::PictureGrid> pictures,
                                       int firstNumber, G1mWrite mode) {
    std::optional<std::string> existing;
    if (mode == G1mWrite::Merge) {
        model::Result<std::optional<std::string>> read = existingBytes(path);
        if (!read) {
            return read.failure();
        }
        existing = std::move(read).value();
    }
    std::size_t next = existing ? 0 : 1;
    std::string bytes =
        existing ? std::move(*existing) : g1mfile::g1mPictureFile(pictures.front(), firstNumber);
    for (; next < pictures.size(); ++next) {
        model::Result<std::string> merged =
            g1mfile::g1mWithPicture(bytes, pictures[next], firstNumber + static_cast<int>(next));
        if (!merged) {
            return merged.failure();
        }
        bytes = std::move(merged).value();
    }
    return bytes;
}

}  // namespace

model::Result<std::vector<g1mfile::G1mEntry>> readG1mFile(const QString& path) {
    const model::Result<std::string> bytes = readPictureFileBytes(path, g1mfile::kMaxG1mFileBytes);
    if (!bytes) {
        return bytes.failure();
    }
    return g1mfile::readG1mFile(bytes.value());
}

G1mTarget inspectG1mTarget(const QString& path, int number, int count) {
    const model::Result<std::optional<std::string>> existing = existingBytes(path);
    if (!existing) {
        return {G1mTarget::Kind::Unreadable, {}, existing.failure()};
    }
    if (!existing.value()) {
        return {};
    }
    const auto groups = g1mfile::readG1mGroups(*existing.value());
    if (!groups) {
        return {G1mTarget::Kind::Unreadable, {}, groups.failure()};
    }
    G1mTarget target;
    target.kind = G1mTarget::Kind::Archive;
    target.others = g1mfile::itemsBesidePicture(groups.value(), number, count);
    std::size_t files = 0;
    for (const g1mfile::G1mGroup& group : groups.value()) {
        files += group.files.size();
    }
    target.replacesPicture = files > target.others.size();
    return target;
}

model::Outcome writeG1mFile(const QString& path, std::span<const model::PictureGrid> pictures,
                            int firstNumber, G1mWrite mode) {
    const model::Result<std::string> bytes = fileToWrite(path, pictures, firstNumber, mode);
    if (!bytes) {
        return bytes.failure();
    }
    return saveBytes(path, bytes.value());
}

}  // namespace tavrolin::exchange
