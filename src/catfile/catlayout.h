#pragma once

#include <cstddef>
#include <string_view>

namespace tavrolin::catfile {

// A bit plane: 64 lines of 32 hexadecimal digits, one bit for each cell.
inline constexpr int kPlaneLines = 64;
inline constexpr std::size_t kDigitsPerLine = 32;

// A colour file holds four planes, each behind a "Sheet:1" and a "Color:k" line.
inline constexpr int kColourPlanes = 4;
inline constexpr int kColourSeparatorLines = 2;

// A picture file is about 10 KB; the file-reading edge reads no more than this, so a
// huge file picked by mistake cannot exhaust memory.
inline constexpr std::size_t kMaxCatFileBytes = std::size_t{4} * 1024 * 1024;

inline constexpr std::string_view kLineEnd = "\r\n";
// The first line of a record and the last of its header, as written; read in any case.
inline constexpr std::string_view kHeaderRecordLine = "%Header Record";
inline constexpr std::string_view kDataRecordLine = "%Data Record";
inline constexpr std::string_view kZeroLine = "00000000000000000000000000000000";
inline constexpr std::string_view kNoteLine = "Tento subor bol vytvoreny programom Tavrolin.";

}  // namespace tavrolin::catfile
