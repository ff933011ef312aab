#include "exchange/imagescan.h"

#include "model/palette.h"

namespace tavrolin::exchange {

bool ImportColours::admits(model::ColorCode code) const {
    switch (code) {
        case model::kWhite:
            return white;
        case model::kBlack:
            return black;
        case model::kRed:
            return red;
        case model::kBlue:
            return blue;
        case model::kGreen:
            return green;
        default:
            return false;
    }
}

model::PictureGrid scanImage(const model::PictureBox& box, const ImportColours& colours) {
    model::PictureGrid picture;
    for (int y = 1; y <= model::kRows; ++y) {
        for (int x = 1; x <= model::kColumns; ++x) {
            const std::optional<model::ColorCode> code =
                model::colorCodeFromRgb(box.pixel(x - 1, y - 1));
            if (code && colours.admits(*code)) {
                picture.at(x, y) = *code;
            }
        }
    }
    return picture;
}

model::Result<model::PictureGrid> scanImageFile(const QString& path, const ImportColours& colours) {
    model::PictureBox box(model::kColumns, model::kRows);
    if (const model::Outcome loaded = box.load(path); !loaded) {
        return loaded.failure();
    }
    return scanImage(box, colours);
}

}  // namespace tavrolin::exchange
