#pragma once

#include <QString>
#include <optional>
#include <string>

#include "catfile/catitemreader.h"
#include "catfile/loadcolours.h"
#include "catfile/loadformat.h"
#include "model/editorstate.h"

namespace tavrolin::exchange {

// "Otvor": one picture file on its way into the picture. The file is read whole at the
// command and released at once, so nothing stays open however the load ends; what
// waits for the completion is its text.
class PictureFileLoad {
  public:
    PictureFileLoad() = default;
    // The reader points into the held text.
    PictureFileLoad(const PictureFileLoad&) = delete;
    PictureFileLoad& operator=(const PictureFileLoad&) = delete;

    // The command, once a file is chosen: keeps the picture for "Naspäť", makes the pen
    // in black the tool, blanks the picture (the canvas keeps showing the old one until
    // the completion), reads the file and checks its header. A monochrome file is
    // decoded at once; a readable colour file then waits for its colours.
    void start(model::EditorState& state, const QString& path);

    // From the command to the completion.
    bool pending() const { return pending_; }
    catfile::LoadFormat loadFormat() const { return loadFormat_; }
    // False for a file that cannot be read, fails a header check or ends too early.
    bool loadValid() const { return loadValid_; }
    // A readable colour file whose planes wait for the colours to load.
    bool waitsForColours() const { return planes_.has_value(); }

    // The completion: the colour planes that wait, as `colours` chooses, over the
    // picture as it is now (edits made meanwhile included); then the text is dropped,
    // the canvas repainted and black made the colour again.
    void finish(model::EditorState& state, catfile::LoadColours colours);

  private:
    std::string text_;
    std::optional<catfile::CatItemReader> planes_;
    catfile::LoadFormat loadFormat_ = catfile::LoadFormat::None;
    bool loadValid_ = true;
    bool pending_ = false;
};

}  // namespace tavrolin::exchange
