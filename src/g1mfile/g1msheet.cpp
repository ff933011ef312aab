#include "g1mfile/g1msheet.h"

#include "g1mfile/g1mlayout.h"

namespace tavrolin::g1mfile {

namespace {

std::size_t byteOf(int x, int y) {
    return static_cast<std::size_t>(y - 1) * kRowBytes + static_cast<std::size_t>(x - 1) / 8;
}

unsigned bitOf(int x) {
    return 0x80U >> ((x - 1) % 8);
}

}  // namespace

void overlaySheet(std::string_view sheet, model::PictureGrid& picture) {
    model::PictureGrid::forEachUsedCell([&](int x, int y) {
        if ((static_cast<unsigned char>(sheet[byteOf(x, y)]) & bitOf(x)) != 0) {
            picture.at(x, y) = model::kBlack;
        }
    });
}

std::string cellSheet(const model::PictureGrid& picture, model::ColorCode colour) {
    std::string sheet(kSheetBytes, '\0');
    model::PictureGrid::forEachUsedCell([&](int x, int y) {
        if (picture.at(x, y) == colour) {
            char& byte = sheet[byteOf(x, y)];
            byte = static_cast<char>(static_cast<unsigned char>(byte) | bitOf(x));
        }
    });
    return sheet;
}

}  // namespace tavrolin::g1mfile
