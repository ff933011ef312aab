#include "exchange/bmpexport.h"

#include <QSaveFile>

#include "exchange/csourceexport.h"
#include "exchange/failuretext.h"
#include "exchange/pictureformats.h"
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

model::Outcome writeExport(const PictureFormat& format, const model::PictureGrid& picture,
                           const QString& path, SaveVariant variant) {
    if (format.writing == Writing::CSource) {
        return writeCSource(picture, path, identifierFromFileName(path), variant);
    }
    return writePictureImage(
        picture, path, QByteArray::fromStdString(std::string(format.name)).toUpper().constData());
}

model::Outcome exportPicture(model::EditorState& state, const QString& path, SaveVariant variant) {
    model::Outcome written = writeExport(formatForExport(path), state.picture, path, variant);
    if (written) {
        model::setCurrentColor(state, model::kBlack);
    }
    return written;
}

}  // namespace tavrolin::exchange
