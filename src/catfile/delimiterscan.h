#pragma once

#include <cstddef>
#include <string_view>

namespace tavrolin::catfile {

// CR LF, a bare LF and a lone CR each end a line; a comma, or a line end, ends an item.
constexpr bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

constexpr bool endsItem(char c) {
    return c == ',' || isLineEnd(c);
}

// Where the item that goes on at `from` ends: the first comma, CR or LF at or after it,
// or the end of the bytes.
std::size_t findItemEnd(std::string_view bytes, std::size_t from);

// Where the line that goes on at `from` ends: the first CR or LF at or after it, or the
// end of the bytes.
std::size_t findLineEnd(std::string_view bytes, std::size_t from);

}  // namespace tavrolin::catfile
