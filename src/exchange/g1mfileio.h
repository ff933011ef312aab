#pragma once

#include <QString>
#include <span>
#include <vector>

#include "g1mfile/g1mitems.h"
#include "g1mfile/g1mreader.h"
#include "model/failure.h"
#include "model/picturegrid.h"

namespace tavrolin::exchange {

// The pictures and captures of a .g1m or .g1r file on disk, or why there are none. No
// more than a few megabytes are read: a calculator's whole memory is smaller, and a huge
// file picked by mistake must not fill the memory (it then fails its size check).
model::Result<std::vector<g1mfile::G1mEntry>> readG1mFile(const QString& path);

// What pictures written as "Pict n", n + 1, … (count of them) would meet at a path.
struct G1mTarget {
    enum class Kind {
        Absent,      // no file, or an empty one: nothing to keep
        Archive,     // a .g1m or .g1r archive; `others` is what it keeps beside "Pict n"
        Unreadable,  // a file that cannot be read as an archive; `failure` says why
    };
    Kind kind = Kind::Absent;
    std::vector<g1mfile::G1mItem> others;
    model::Failure failure;
    bool replacesPicture = false;  // an Archive that holds one of the pictures already
};
G1mTarget inspectG1mTarget(const QString& path, int number, int count = 1);

enum class G1mWrite {
    Merge,    // into the archive at the path, if there is one; never over another file
    Replace,  // a new file of the one picture in place of whatever is there
};

// Writes the pictures as "Pict n", n + 1, … (one at least) through a temporary file in
// one go, so a failed save leaves any file of that name as it was. Merge keeps every
// other memory file of the archive and fails, writing nothing, where inspectG1mTarget()
// finds it Unreadable.
model::Outcome writeG1mFile(const QString& path, std::span<const model::PictureGrid> pictures,
                            int firstNumber, G1mWrite mode);

}  // namespace tavrolin::exchange
