#pragma once

#include <string_view>

namespace tavrolin::catfile {

// Files may hold any bytes, so letter case is folded for ASCII only: no locale, and
// no lookup with a negative char.
constexpr char toUpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// True when the item begins with the key, in any letter case; whatever follows the key
// is ignored.
constexpr bool startsWithKey(std::string_view item, std::string_view key) {
    if (item.size() < key.size()) {
        return false;
    }
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (toUpperAscii(item[i]) != toUpperAscii(key[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace tavrolin::catfile
