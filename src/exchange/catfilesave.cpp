#include "exchange/catfilesave.h"

#include <QSaveFile>

#include "catfile/catwriter.h"
#include "exchange/failuretext.h"
#include "exchange/savefilecommit.h"

namespace tavrolin::exchange {

CatFileSave::CatFileSave() = default;

// Destroying an uncommitted QSaveFile removes its temporary file.
CatFileSave::~CatFileSave() = default;

model::Outcome CatFileSave::start(const QString& path, SaveVariant variant,
                                  const model::PictureGrid& picture) {
    abandon();
    variant_ = variant;
    path_ = path;
    file_ = std::make_unique<QSaveFile>(path);
    if (!file_->open(QIODevice::WriteOnly)) {
        return fail(SaveStep::Create);
    }
    return write(variant == SaveVariant::Monochrome ? catfile::monochromeBody(picture)
                                                    : catfile::colourHeader());
}

model::Outcome CatFileSave::writeMonochromeTrailer() {
    return write(catfile::fileTrailer());
}

model::Outcome CatFileSave::finish(const model::PictureGrid& picture,
                                   catfile::SaveColours colours) {
    if (variant_ == SaveVariant::Colour) {
        model::Outcome written =
            write(catfile::colourSheets(picture, colours) + catfile::fileTrailer());
        if (!written) {
            return written;
        }
    }
    if (!file_) {
        return fail(SaveStep::Replace);
    }
    model::Outcome committed = commitSaveFile(path_, *file_);
    if (!committed) {
        failedStep_ = SaveStep::Replace;
    }
    file_.reset();
    return committed;
}

void CatFileSave::abandon() {
    file_.reset();
}

model::Outcome CatFileSave::write(const std::string& text) {
    if (!file_) {
        return fail(SaveStep::Write);
    }
    const auto size = static_cast<qint64>(text.size());
    if (file_->write(text.data(), size) != size) {
        return fail(SaveStep::Write);
    }
    return model::Done{};
}

model::Failure CatFileSave::fail(SaveStep step) {
    failedStep_ = step;
    model::Failure failure = file_ ? fileFailure(path_, *file_, FileUse::Write)
                                   : model::Failure{model::FailureReason::SystemError, 0, {}};
    abandon();
    return failure;
}

model::Outcome saveCatFile(const QString& path, SaveVariant variant,
                           const model::PictureGrid& picture, catfile::SaveColours colours) {
    CatFileSave save;
    model::Outcome step = save.start(path, variant, picture);
    if (step && variant == SaveVariant::Monochrome) {
        step = save.writeMonochromeTrailer();
    }
    return step ? save.finish(picture, colours) : step;
}

}  // namespace tavrolin::exchange
