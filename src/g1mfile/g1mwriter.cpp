#include "g1mfile/g1mwriter.h"

#include <cstdint>

#include "g1mfile/g1mbytes.h"
#include "g1mfile/g1mlayout.h"
#include "g1mfile/g1msheet.h"

namespace tavrolin::g1mfile {

namespace {

constexpr std::uint32_t kPictureFileBytes =
    kStandardHeaderBytes + kGroupHeaderBytes + kFileHeaderBytes + kPictureDataBytes;

// The standard header before it is inverted.
std::string standardHeader(std::uint32_t size, std::uint16_t files) {
    std::string header(kMagic);
    header += static_cast<char>(kMemoryFileType);
    header += std::string_view("\x00\x10\x00\x10\x00", 5);
    header += static_cast<char>((size + kControl1Add) & 0xFF);
    header += '\x01';
    appendBigEndian(header, size, 4);
    header += static_cast<char>((size + kControl2Add) & 0xFF);
    header.append(9, '\xFF');
    appendBigEndian(header, files, 2);
    return header;
}

}  // namespace

std::string g1mPictureFile(const model::PictureGrid& picture, int number) {
    const std::string digits = std::to_string(number);
    std::string file = inverted(standardHeader(kPictureFileBytes, 1));
    appendName(file, "PICTURE " + digits, kGroupNameBytes);
    appendBigEndian(file, 1, 4);
    appendName(file, "main", kFolderBytes);
    appendName(file, "PICT" + digits, kItemNameBytes);
    file += static_cast<char>(kPictureType);
    appendBigEndian(file, kPictureDataBytes, 4);
    file.append(kFileHeaderBytes - kLengthOffset - 4, '\0');
    file += blackSheet(picture);
    file.append(kSheetBytes, '\0');
    return file;
}

}  // namespace tavrolin::g1mfile
