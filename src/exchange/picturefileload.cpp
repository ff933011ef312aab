#include "exchange/picturefileload.h"

#include "catfile/catheader.h"
#include "catfile/catlayout.h"
#include "catfile/planeapplier.h"
#include "exchange/catfilebytes.h"
#include "model/canvas.h"
#include "model/newpicture.h"

namespace tavrolin::exchange {

namespace {

// Lines from the first colour plane to the end of the fourth.
constexpr int kColourPlaneLines =
    catfile::kPlaneLines +
    (catfile::kColourPlanes - 1) * (catfile::kColourSeparatorLines + catfile::kPlaneLines);

}  // namespace

void PictureFileLoad::start(model::EditorState& state, const QString& path) {
    model::takeUndoCopy(state);
    model::resetToPen(state);
    model::setCurrentColor(state, model::kBlack);
    state.picture.clearUsedCells();

    pending_ = true;
    loadFormat_ = catfile::LoadFormat::None;
    planes_.reset();
    std::optional<std::string> bytes = readCatFileBytes(path);
    loadValid_ = bytes.has_value();
    if (!loadValid_) {
        return;
    }
    text_ = std::move(*bytes);
    catfile::CatItemReader reader(text_);
    const catfile::CatHeader header = catfile::checkCatHeader(reader);
    loadFormat_ = header.loadFormat;
    loadValid_ = header.loadValid;
    if (!loadValid_) {
        return;
    }
    if (loadFormat_ == catfile::LoadFormat::Monochrome) {
        loadValid_ = catfile::applyMonochromePlanes(reader, state.picture);
        return;
    }
    // A colour file cut short is refused now, before the user is asked for colours.
    catfile::CatItemReader probe = reader;
    loadValid_ = probe.skip(kColourPlaneLines);
    if (loadValid_) {
        planes_ = reader;
    }
}

void PictureFileLoad::finish(model::EditorState& state, catfile::LoadColours colours) {
    if (planes_) {
        catfile::applyColourPlanes(*planes_, state.picture, colours);
    }
    planes_.reset();
    text_ = std::string();
    pending_ = false;
    model::repaintCanvas(state);
    model::setCurrentColor(state, model::kBlack);
}

}  // namespace tavrolin::exchange
