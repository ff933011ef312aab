#pragma once

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavrolin::g1mfile {

// Big-endian integers and fixed-width names as the .g1m headers hold them.

inline std::uint32_t readBigEndian(std::string_view bytes, std::size_t offset, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
    }
    return value;
}

inline void appendBigEndian(std::string& bytes, std::uint32_t value, std::size_t width) {
    for (std::size_t i = width; i-- > 0;) {
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// The standard header is stored with every bit inverted; inverting again reads it.
inline std::string inverted(std::string_view bytes) {
    std::string result(bytes);
    for (char& byte : result) {
        byte = static_cast<char>(~static_cast<unsigned char>(byte));
    }
    return result;
}

// The name up to its first NUL, at most `width` bytes.
inline std::string_view readName(std::string_view bytes, std::size_t offset, std::size_t width) {
    const std::string_view field = bytes.substr(offset, width);
    return field.substr(0, field.find('\0'));
}

inline void appendName(std::string& bytes, std::string_view name, std::size_t width) {
    bytes += name.substr(0, width);
    bytes.append(width - std::min(width, name.size()), '\0');
}

// The number at the end of a name: "PICT12" and "CAPT 3" give 12 and 3, "MAIN" 0.
inline int trailingNumber(std::string_view name) {
    const std::size_t start = name.find_last_not_of("0123456789") + 1;
    int number = 0;
    std::from_chars(name.data() + start, name.data() + name.size(), number);
    return number;
}

}  // namespace tavrolin::g1mfile
