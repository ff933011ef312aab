#pragma once

#include <QString>
#include <memory>
#include <string>

#include "catfile/savecolours.h"
#include "model/failure.h"
#include "model/picturegrid.h"

class QSaveFile;

namespace tavrolin::exchange {

// The calculator a picture file is written for: "Algebra FX 2.0" or "CFX 9850".
enum class SaveVariant { Monochrome, Colour };

// Where a save failed: making the temporary file, writing it, or putting it in place.
enum class SaveStep { Create, Write, Replace };

// "Ulož" of a .cat file: the file being written. It goes to a temporary file beside the
// chosen one and replaces it only when finished, so a save that fails or is abandoned
// leaves any file of that name as it was. A step that fails gives the reason, and
// failedStep() says which step it was; the save is then over and nothing has been
// replaced.
class CatFileSave {
  public:
    CatFileSave();
    ~CatFileSave();

    // The command: creates the file and writes the monochrome body (lines 1..138) or the
    // colour header (lines 1..19). The variant stays the one chosen here to the end.
    model::Outcome start(const QString& path, SaveVariant variant,
                         const model::PictureGrid& picture);

    // Monochrome, after the warning: "%End" and the note line.
    model::Outcome writeMonochromeTrailer();

    // The completion: for a colour file the sheets from the picture as it is now, with
    // the chosen colours, and the trailer; then the file replaces any of its name.
    model::Outcome finish(const model::PictureGrid& picture, catfile::SaveColours colours);

    // Drops the file; whatever had the chosen name keeps it.
    void abandon();

    bool pending() const { return file_ != nullptr; }
    SaveVariant variant() const { return variant_; }
    SaveStep failedStep() const { return failedStep_; }

  private:
    model::Outcome write(const std::string& text);
    model::Failure fail(SaveStep step);

    std::unique_ptr<QSaveFile> file_;
    QString path_;
    SaveVariant variant_ = SaveVariant::Monochrome;
    SaveStep failedStep_ = SaveStep::Create;
};

// A whole .cat save at once, as the converter makes it: the file "Ulož" writes.
model::Outcome saveCatFile(const QString& path, SaveVariant variant,
                           const model::PictureGrid& picture, catfile::SaveColours colours);

}  // namespace tavrolin::exchange
