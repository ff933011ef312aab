#pragma once

#include <QString>
#include <optional>
#include <string>

#include "catfile/catitemreader.h"
#include "catfile/loadcolours.h"
#include "catfile/loadformat.h"
#include "catfile/planeapplier.h"
#include "model/editorstate.h"
#include "model/failure.h"

namespace tavrolin::exchange {

// "Otvor" of a .cat file: the file on its way into the picture. It is read whole at
// the command and released at once, so nothing stays open however the load ends; what
// waits for the completion is its text. A file of several records opens its first
// picture.
class CatFileLoad {
  public:
    CatFileLoad() = default;
    // The reader points into the held text.
    CatFileLoad(const CatFileLoad&) = delete;
    CatFileLoad& operator=(const CatFileLoad&) = delete;

    // The command, once a file is chosen: keeps the picture for "Naspäť", makes the pen
    // in black the tool, blanks the picture (the canvas keeps showing the old one until
    // the completion), reads the file and checks its header. A monochrome file is
    // decoded at once; a readable colour file then waits for its colours.
    void start(model::EditorState& state, const QString& path);

    // From the command to the completion.
    bool pending() const { return pending_; }
    catfile::LoadFormat loadFormat() const { return loadFormat_; }
    // False for a file that cannot be read or fails a header check; failure() says why.
    bool loadValid() const { return !failure_; }
    const model::Failure& failure() const { return *failure_; }
    // A readable colour file whose planes wait for the colours to load.
    bool waitsForColours() const { return planes_.has_value(); }
    // Where a file cut short ended, once its planes are read.
    catfile::FileEnd fileEnd() const { return fileEnd_; }

    // The completion: the colour planes that wait, as `colours` chooses, over the
    // picture as it is now (edits made meanwhile included); then the text is dropped,
    // the canvas repainted and black made the colour again. A file that could be read
    // counts as the picture opened, with no unsaved changes.
    void finish(model::EditorState& state, catfile::LoadColours colours);

    // The user closed the colour question: the picture, the undo copy, the tool and the
    // colour are as they were before the command, and the text is dropped.
    void cancel(model::EditorState& state);

  private:
    // What the command changes, kept for a cancel.
    struct Before {
        model::PictureGrid picture;
        model::UndoHistory undoHistory;
        model::Tool currentTool = model::kPen;
        model::ShapeInProgress shape;
        model::ColorCode currentColor = model::kBlack;
    };

    void read(model::EditorState& state, const QString& path);
    void release();

    std::string text_;
    std::optional<catfile::CatItemReader> planes_;
    catfile::LoadFormat loadFormat_ = catfile::LoadFormat::None;
    std::optional<model::Failure> failure_;
    catfile::FileEnd fileEnd_;
    Before before_;
    bool pending_ = false;
};

}  // namespace tavrolin::exchange
