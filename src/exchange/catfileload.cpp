#include "exchange/catfileload.h"

#include "catfile/catheader.h"
#include "catfile/catlayout.h"
#include "catfile/catrecords.h"
#include "exchange/picturefilebytes.h"
#include "model/canvas.h"
#include "model/newpicture.h"

namespace tavrolin::exchange {

void CatFileLoad::start(model::EditorState& state, const QString& path) {
    before_ = {state.picture, state.undoHistory, state.currentTool, state.shape,
               state.currentColor};
    model::clearForNewPicture(state);

    pending_ = true;
    loadFormat_ = catfile::LoadFormat::None;
    planes_.reset();
    failure_.reset();
    fileEnd_.reset();
    read(state, path);
}

void CatFileLoad::read(model::EditorState& state, const QString& path) {
    model::Result<std::string> bytes = readPictureFileBytes(path, catfile::kMaxCatFileBytes);
    if (!bytes) {
        failure_ = bytes.failure();
        return;
    }
    text_ = std::move(bytes).value();
    const model::Result<catfile::CatRecord> record = catfile::pictureRecord(text_);
    if (!record) {
        failure_ = record.failure();
        return;
    }
    catfile::CatItemReader reader(record.value().text, record.value().firstLine);
    const catfile::CatHeader header = catfile::checkCatHeader(reader);
    loadFormat_ = header.loadFormat;
    if (!header.loadValid) {
        failure_ = header.failure;
        return;
    }
    if (loadFormat_ == catfile::LoadFormat::Monochrome) {
        fileEnd_ = catfile::applyMonochromePlanes(reader, state.picture);
        return;
    }
    planes_ = reader;
}

void CatFileLoad::finish(model::EditorState& state, catfile::LoadColours colours) {
    if (planes_) {
        fileEnd_ = catfile::applyColourPlanes(*planes_, state.picture, colours);
    }
    release();
    if (loadValid()) {
        state.markSaved();
    }
    model::repaintCanvas(state);
    model::setCurrentColor(state, model::kBlack);
}

void CatFileLoad::cancel(model::EditorState& state) {
    release();
    state.picture = before_.picture;
    state.undoHistory = before_.undoHistory;
    state.currentTool = before_.currentTool;
    state.shape = before_.shape;
    model::repaintCanvas(state);
    model::setCurrentColor(state, before_.currentColor);
}

void CatFileLoad::release() {
    planes_.reset();
    text_ = std::string();
    pending_ = false;
}

}  // namespace tavrolin::exchange
