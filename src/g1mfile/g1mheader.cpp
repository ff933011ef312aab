#include "g1mfile/g1mheader.h"

#include <cstdint>

#include "g1mfile/g1mbytes.h"
#include "g1mfile/g1mlayout.h"

namespace tavrolin::g1mfile {

namespace {

model::Failure failure(model::FailureReason reason, std::string detail = {}) {
    return {reason, 0, std::move(detail)};
}

}  // namespace

bool startsAsG1mFile(std::string_view bytes) {
    const std::string start = inverted(bytes.substr(0, kMagic.size()));
    return !start.empty() && kMagic.starts_with(start);
}

model::Outcome checkStandardHeader(std::string_view bytes) {
    if (bytes.empty()) {
        return failure(model::FailureReason::EmptyFile);
    }
    if (!startsAsG1mFile(bytes)) {
        return failure(model::FailureReason::NotG1mFile);
    }
    if (bytes.size() < kStandardHeaderBytes) {
        return failure(model::FailureReason::BinaryCutShort);
    }
    const std::string header = inverted(bytes.substr(0, kStandardHeaderBytes));
    const auto type = static_cast<std::uint8_t>(header[kMagic.size()]);
    if (type != kMemoryFileType && type != kOlderMemoryFileType) {
        return failure(model::FailureReason::NoPictureInside);
    }
    const std::uint32_t size = readBigEndian(header, kSizeOffset, 4);
    // A file shorter than its header says was cut short; a longer one is not what the
    // header describes.
    if (size > bytes.size()) {
        return failure(model::FailureReason::BinaryCutShort);
    }
    if (size != bytes.size()) {
        return failure(model::FailureReason::WrongSizeField);
    }
    const auto control1 = static_cast<std::uint8_t>(header[kControl1Offset]);
    const auto control2 = static_cast<std::uint8_t>(header[kControl2Offset]);
    if (control1 != ((size + kControl1Add) & 0xFF) || control2 != ((size + kControl2Add) & 0xFF)) {
        return failure(model::FailureReason::WrongControlBytes);
    }
    return model::Done{};
}

}  // namespace tavrolin::g1mfile
