#include "catfile/catheader.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "catfile/asciitext.h"
#include "catfile/catlayout.h"

namespace tavrolin::catfile {

namespace {

// The header lines after line 2, in file order; an empty key is a line that is taken
// but not examined.
constexpr std::array<std::string_view, 7> kMonochromeKeys = {
    "", "", "Option Name:", "", "", "", kDataRecordLine,  // lines 3..9
};

constexpr std::array<std::string_view, 19> kColourKeys = {
    "",                   // 3
    "",                   // 4
    "Height:64",          // 5
    "Width:128",          // 6
    "",                   // 7
    "",                   // 8
    "Start Position:DR",  // 9
    "Direction:U",        // 10
    "Byte Direction:W",   // 11
    "Bit Weight:F",       // 12
    "",                   // 13
    "",                   // 14
    "",                   // 15
    "",                   // 16
    "",                   // 17
    "",                   // 18
    kDataRecordLine,      // 19
    "",                   // 20, "Sheet:1"
    "",                   // 21, "Color:1"
};

bool itemHasKey(const std::optional<std::string_view>& item, std::string_view key) {
    return item && startsWithKey(*item, key);
}

// Marks the header unreadable; only the first failure is kept, as the one to report.
void fail(CatHeader& header, model::FailureReason reason, int line, std::string_view key = {}) {
    if (header.loadValid) {
        header.failure = {reason, line, std::string(key)};
    }
    header.loadValid = false;
}

}  // namespace

CatHeader checkCatHeader(CatItemReader& reader) {
    CatHeader header;
    header.loadValid = true;
    const std::optional<std::string_view> first = reader.next();
    if (!first) {
        fail(header, model::FailureReason::EmptyFile, 0);
        return header;
    }
    if (!startsWithKey(*first, kHeaderRecordLine)) {
        fail(header, model::FailureReason::HeaderKeyMismatch, reader.line(), kHeaderRecordLine);
    }

    // Monochrome is tested first.
    const std::optional<std::string_view> format = reader.next();
    std::span<const std::string_view> keys;
    if (itemHasKey(format, "Format:MCS1")) {
        header.loadFormat = LoadFormat::Monochrome;
        keys = kMonochromeKeys;
    } else if (itemHasKey(format, "Format:IMG")) {
        header.loadFormat = LoadFormat::Colour;
        keys = kColourKeys;
    } else {
        // No variant, so no layout to check the rest against.
        fail(header,
             format ? model::FailureReason::NoPictureFormat : model::FailureReason::HeaderCutShort,
             reader.line());
        return header;
    }

    for (const std::string_view key : keys) {
        const std::optional<std::string_view> item = reader.next();
        if (!item) {
            fail(header, model::FailureReason::HeaderCutShort, reader.line());
            break;
        }
        if (!key.empty() && !startsWithKey(*item, key)) {
            fail(header, model::FailureReason::HeaderKeyMismatch, reader.line(), key);
        }
    }
    return header;
}

}  // namespace tavrolin::catfile
