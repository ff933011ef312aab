#include "catfile/catitemreader.h"

#include <cstdint>
#include <cstring>

namespace tavrolin::catfile {

namespace {

constexpr bool isDelimiter(char c) {
    return c == ',' || c == '\r' || c == '\n';
}

// Whether any byte of the word is `c`: the classic test for a zero byte, on word ^ c.
// Exact as a yes or no, whatever the byte order.
constexpr bool hasByte(std::uint64_t word, unsigned char c) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    const std::uint64_t x = word ^ (kOnes * c);
    return ((x - kOnes) & ~x & kHighBits) != 0;
}

}  // namespace

std::optional<std::string_view> CatItemReader::next() {
    if (atEnd()) {
        return std::nullopt;
    }
    const std::size_t start = position_;
    std::size_t end = start;
    // Eight bytes a step over the item's body (a data line is 32 digits), then byte by
    // byte through the word that holds the delimiter.
    while (end + sizeof(std::uint64_t) <= bytes_.size()) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes_.data() + end, sizeof word);
        if (hasByte(word, ',') || hasByte(word, '\r') || hasByte(word, '\n')) {
            break;
        }
        end += sizeof word;
    }
    while (end < bytes_.size() && !isDelimiter(bytes_[end])) {
        ++end;
    }
    position_ = end;
    itemLine_ = line_;
    if (end < bytes_.size()) {
        // CR LF is one line end, not an empty item between two.
        const bool crLf = bytes_[end] == '\r' && end + 1 < bytes_.size() && bytes_[end + 1] == '\n';
        position_ += crLf ? 2 : 1;
        if (bytes_[end] != ',') {
            ++line_;
        }
    }
    return bytes_.substr(start, end - start);
}

}  // namespace tavrolin::catfile
