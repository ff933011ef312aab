#include "model/undohistory.h"

namespace tavrolin::model {

void UndoHistory::keep(const PictureGrid& picture) {
    redoSteps_.clear();
    if (undoSteps_.size() == kDepth) {
        undoSteps_.pop_front();
    }
    undoSteps_.push_back(picture);
}

bool UndoHistory::canRedo(const PictureGrid& picture) const {
    return !redoSteps_.empty() && picture.usedCellsEqual(leftByLastStep_);
}

void UndoHistory::undo(PictureGrid& picture) {
    if (!canUndo()) {
        return;
    }
    if (!canRedo(picture)) {
        redoSteps_.clear();
    }
    redoSteps_.push_back(picture);
    picture.copyUsedCellsFrom(undoSteps_.back());
    undoSteps_.pop_back();
    leftByLastStep_ = picture;
}

void UndoHistory::redo(PictureGrid& picture) {
    if (!canRedo(picture)) {
        return;
    }
    undoSteps_.push_back(picture);
    picture.copyUsedCellsFrom(redoSteps_.back());
    redoSteps_.pop_back();
    leftByLastStep_ = picture;
}

}  // namespace tavrolin::model
