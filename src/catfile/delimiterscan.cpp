#include "catfile/delimiterscan.h"

#include <cstdint>
#include <cstring>

namespace tavrolin::catfile {

namespace {

// The first byte at or after `from` that `isDelimiter` accepts, or the end. Every
// delimiter lies below `Bound`: eight bytes a step are passed over while none of them
// does, so the digits and letters of a picture file go by at memchr's speed, and only
// a word that holds a low byte is looked at byte by byte.
template <unsigned char Bound, typename IsDelimiter>
std::size_t findDelimiter(std::string_view bytes, std::size_t from, IsDelimiter isDelimiter) {
    static_assert(Bound <= 0x80, "the word test below holds for bounds up to 0x80 only");
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::size_t at = from;
    while (at + sizeof(std::uint64_t) <= bytes.size()) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + at, sizeof word);
        // Whether any byte of the word is below Bound: exact as a yes or no, since a
        // borrow only runs on from a byte that is below it.
        if (((word - kOnes * Bound) & ~word & kHighBits) == 0) {
            at += sizeof word;
            continue;
        }
        for (const std::size_t end = at + sizeof word; at < end; ++at) {
            if (isDelimiter(bytes[at])) {
                return at;
            }
        }
    }
    while (at < bytes.size() && !isDelimiter(bytes[at])) {
        ++at;
    }
    return at;
}

}  // namespace

std::size_t findItemEnd(std::string_view bytes, std::size_t from) {
    return findDelimiter<',' + 1>(bytes, from, endsItem);
}

std::size_t findLineEnd(std::string_view bytes, std::size_t from) {
    return findDelimiter<'\r' + 1>(bytes, from, isLineEnd);
}

}  // namespace tavrolin::catfile
