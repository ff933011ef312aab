#include "exchange/bmpexport.h"

#include <QSaveFile>

#include "exchange/failuretext.h"
#include "exchange/savefilecommit.h"
#include "model/canvas.h"
#include "model/picturebox.h"

namespace tavrolin::exchange {

QImage pictureImage(const model::PictureGrid& picture) {
    QImage image(model::kColumns, model::kRows, QImage::Format_RGB32);
    image.setDotsPerMeterX(model::kDotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(model::kDotsPerMeterAt96Dpi);
    image.fill(model::toQRgb(model::kWhiteRgb));
    model::drawPicture(picture, image);
    return image;
}

model::Outcome writePictureImage(const model::PictureGrid& picture, const QString& path,
                                 const char* format) {
    QSaveFile file(path);
    // 24 bits a pixel: the palette needs no more, and every reader takes it.
    if (!file.open(QIODevice::WriteOnly) ||
        !pictureImage(picture).convertToFormat(QImage::Format_RGB888).save(&file, format)) {
        return fileFailure(path, file, FileUse::Write);
    }
    return commitSaveFile(path, file);
}

model::Outcome exportBmp(model::EditorState& state, const QString& path) {
    model::Outcome written = writePictureImage(state.picture, path, "BMP");
    if (written) {
        model::setCurrentColor(state, model::kBlack);
    }
    return written;
}

}  // namespace tavrolin::exchange
