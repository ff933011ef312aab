#pragma once

#include <QString>
#include <cstdint>
#include <variant>

#include "model/picturebox.h"
#include "model/picturegrid.h"
#include "model/tool.h"
#include "model/undohistory.h"

namespace tavrolin::model {

inline constexpr int kCellSize = 5;
inline constexpr int kCanvasWidth = kColumns * kCellSize;
inline constexpr int kCanvasHeight = kRows * kCellSize;

// The rubber band of the line tool, in canvas pixels.
struct LineOutline {
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
};

// The rubber band of the rectangle or circle tool, in canvas pixels.
struct BoxOutline {
    float left = 0;
    float top = 0;
    float width = 1;
    float height = 1;
};

// The shape the user is drawing with the current tool, between the click that places its
// first point and the click that commits it; its rubber band is shown while it is started.
// Choosing another tool, a new or opened picture give it up.
struct ShapeInProgress {
    bool started = false;
    std::variant<LineOutline, BoxOutline> outline;
};

// Everything the main window keeps between events. The window owns one and hands it
// by reference to the operations, so each of them can be tested without a window.
struct EditorState {
    PictureGrid picture;
    UndoHistory undoHistory;
    PictureGrid flipBuffer;
    // The picture as it was last opened, saved or made new: the picture has unsaved
    // changes while it differs, so a change undone counts as none.
    PictureGrid savedPicture;

    Tool currentTool = kPen;
    ShapeInProgress shape;
    ColorCode currentColor = kBlack;
    std::int16_t penWidth = 1;
    QString fileName;
    // The n of "Pict n" the picture was opened or last saved as in a .g1m file; 0 for
    // none. A save proposes it again.
    int pictNumber = 0;

    // The cell shown in the coordinate display: the cell of the last pointer move,
    // where a click on the canvas acts.
    int pointerCellX = 0;
    int pointerCellY = 0;

    // The enlarged canvas (kCellSize × kCellSize pixels a cell) and the 1:1 preview. The canvas's
    // drawing colour is the editor's drawing colour.
    PictureBox canvas{kCanvasWidth, kCanvasHeight};
    PictureBox preview{kColumns, kRows};
    // The text stamp's work box, the hedgehog box and the import box.
    PictureBox textBox{kColumns, kRows};
    PictureBox hedgehogBox{kColumns, kRows};
    PictureBox importBox{kColumns, kRows};

    std::int16_t textX = 0;
    std::int16_t textY = 0;

    bool hedgehogDrawing = false;
    float hedgehogAnchorX = 0;
    std::int16_t hedgehogAnchorY = 0;

    ColorCode replaceFrom = kWhite;
    ColorCode replaceTo = kWhite;

    bool hasUnsavedChanges() const { return !picture.usedCellsEqual(savedPicture); }
    // The picture is now as it was opened or saved.
    void markSaved() { savedPicture = picture; }
};

}  // namespace tavrolin::model
