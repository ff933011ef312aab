#include "exchange/picturefilesave.h"

#include <QSaveFile>

#include "catfile/catwriter.h"

namespace tavrolin::exchange {

PictureFileSave::PictureFileSave() = default;

// Destroying an uncommitted QSaveFile removes its temporary file.
PictureFileSave::~PictureFileSave() = default;

bool PictureFileSave::start(const QString& path, SaveVariant variant,
                            const model::PictureGrid& picture) {
    abandon();
    variant_ = variant;
    file_ = std::make_unique<QSaveFile>(path);
    if (!file_->open(QIODevice::WriteOnly)) {
        return fail(SaveStep::Create);
    }
    return write(variant == SaveVariant::Monochrome ? catfile::monochromeBody(picture)
                                                    : catfile::colourHeader());
}

bool PictureFileSave::writeMonochromeTrailer() {
    return write(catfile::fileTrailer());
}

bool PictureFileSave::finish(const model::PictureGrid& picture, catfile::SaveColours colours) {
    if (!file_) {
        return false;
    }
    if (variant_ == SaveVariant::Colour &&
        !write(catfile::colourSheets(picture, colours) + catfile::fileTrailer())) {
        return false;
    }
    if (!file_->commit()) {
        return fail(SaveStep::Replace);
    }
    file_.reset();
    return true;
}

void PictureFileSave::abandon() {
    file_.reset();
}

bool PictureFileSave::write(const std::string& text) {
    if (!file_) {
        return false;
    }
    const auto size = static_cast<qint64>(text.size());
    if (file_->write(text.data(), size) != size) {
        return fail(SaveStep::Write);
    }
    return true;
}

bool PictureFileSave::fail(SaveStep step) {
    failedStep_ = step;
    error_ = file_->errorString();
    abandon();
    return false;
}

}  // namespace tavrolin::exchange
