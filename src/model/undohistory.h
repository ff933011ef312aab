#pragma once

#include <cstddef>
#include <deque>
#include <vector>

#include "model/picturegrid.h"

namespace tavrolin::model {

// The pictures "Naspäť" and "Znova" step through. Every undoable operation keeps the
// picture as it was before it; "Naspäť" puts the latest such copy back and keeps the
// picture it replaces, pen strokes and all, for "Znova", which puts that back in turn.
// What "Znova" could bring back holds only while the picture is the one the last step
// left: any change to it, a pen stroke included, gives those pictures up.
class UndoHistory {
  public:
    // Steps kept, "Naspäť" and "Znova" together. A step is a whole grid of about
    // 16 KiB, so the history never holds more than about 1.6 MiB; the oldest step goes
    // first.
    static constexpr std::size_t kDepth = 100;

    // An undoable operation is about to change `picture`.
    void keep(const PictureGrid& picture);

    bool canUndo() const { return !undoSteps_.empty(); }
    bool canRedo(const PictureGrid& picture) const;
    // What the next "Naspäť" restores; only while canUndo().
    const PictureGrid& latest() const { return undoSteps_.back(); }

    // Each does nothing when it cannot.
    void undo(PictureGrid& picture);
    void redo(PictureGrid& picture);

  private:
    std::deque<PictureGrid> undoSteps_;
    std::vector<PictureGrid> redoSteps_;
    PictureGrid leftByLastStep_;
};

}  // namespace tavrolin::model
