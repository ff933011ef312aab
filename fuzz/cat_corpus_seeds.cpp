#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>
#include <string>

#include "catfile/catwriter.h"
#include "model/picturegrid.h"

// Writes the fuzzer's seeds into the folder given: files as the editor writes them,
// one in lower case and one with bare LF line ends, each behind the byte that ticks
// the colours to load.

using namespace tavrolin::catfile;
using tavrolin::model::PictureGrid;

namespace {

PictureGrid seedPicture() {
    PictureGrid picture;
    PictureGrid::forEachUsedCell([&](int x, int y) {
        picture.at(x, y) = static_cast<std::int16_t>((x / 8 + y / 4 + x * y) % 5);
    });
    return picture;
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string bareLf(const std::string& text) {
    std::string out;
    std::copy_if(text.begin(), text.end(), std::back_inserter(out),
                 [](char c) { return c != '\r'; });
    return out;
}

bool writeSeed(const std::string& folder, const std::string& name, char ticks,
               const std::string& file) {
    std::ofstream out(folder + "/" + name, std::ios::binary);
    out << ticks << file;
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: cat_corpus_seeds FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    const PictureGrid picture = seedPicture();
    const bool written =
        writeSeed(folder, "monochrome.cat", 0x0F, monochromeFile(picture)) &&
        writeSeed(folder, "colour.cat", 0x0F, colourFile(picture, {})) &&
        writeSeed(folder, "colour-lower-case.cat", 0x05, lowerCase(colourFile(picture, {}))) &&
        writeSeed(folder, "monochrome-lf.cat", 0x0F, bareLf(monochromeFile(picture)));
    return written ? 0 : 1;
}
