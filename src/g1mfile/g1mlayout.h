#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tavrolin::g1mfile {

// A calculator's whole memory is smaller: the file-reading edge reads no more than this,
// so a huge file picked by mistake cannot exhaust memory.
inline constexpr std::size_t kMaxG1mFileBytes = std::size_t{4} * 1024 * 1024;

// The standard header: 32 bytes, each stored bit-inverted.
inline constexpr std::size_t kStandardHeaderBytes = 0x20;
inline constexpr std::string_view kMagic = "USBPower";
// Byte 8 after inverting: a main-memory file, or the older type some readers also take.
inline constexpr std::uint8_t kMemoryFileType = 0x31;
inline constexpr std::uint8_t kOlderMemoryFileType = 0x62;
inline constexpr std::size_t kControl1Offset = 0x0E;
inline constexpr std::size_t kSizeOffset = 0x10;
inline constexpr std::size_t kControl2Offset = 0x14;
inline constexpr std::uint32_t kControl1Add = 0x41;
inline constexpr std::uint32_t kControl2Add = 0xB8;

// A group header: its 16-byte name and the count of memory files that follow it.
inline constexpr std::size_t kGroupNameBytes = 16;
inline constexpr std::size_t kGroupHeaderBytes = kGroupNameBytes + 4;

// A memory file's header: folder, name, type, length of the data that follows, padding.
inline constexpr std::size_t kFolderBytes = 8;
inline constexpr std::size_t kItemNameBytes = 8;
inline constexpr std::size_t kTypeOffset = kFolderBytes + kItemNameBytes;
inline constexpr std::size_t kLengthOffset = kTypeOffset + 1;
inline constexpr std::size_t kFileHeaderBytes = 24;

inline constexpr std::uint8_t kPictureType = 0x07;
inline constexpr std::uint8_t kCaptureType = 0x0A;

// A sheet: 64 rows of 16 bytes, the leftmost pixel in the highest bit, 1 black.
inline constexpr std::size_t kRowBytes = 16;
inline constexpr std::size_t kSheetBytes = 1024;
// A picture holds two sheets shown overlaid; a capture its width, height and one sheet.
inline constexpr std::size_t kPictureDataBytes = 2 * kSheetBytes;
inline constexpr std::size_t kCaptureSizeBytes = 4;
inline constexpr std::size_t kCaptureDataBytes = kCaptureSizeBytes + kSheetBytes;

}  // namespace tavrolin::g1mfile
