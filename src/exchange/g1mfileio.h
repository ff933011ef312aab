#pragma once

#include <QString>
#include <vector>

#include "g1mfile/g1mreader.h"
#include "model/failure.h"
#include "model/picturegrid.h"

namespace tavrolin::exchange {

// The pictures and captures of a .g1m or .g1r file on disk, or why there are none. No
// more than a few megabytes are read: a calculator's whole memory is smaller, and a huge
// file picked by mistake must not fill the memory (it then fails its size check).
model::Result<std::vector<g1mfile::G1mEntry>> readG1mFile(const QString& path);

// Writes the picture as "Pict n" through a temporary file, so a failed save leaves any
// file of that name as it was.
model::Outcome writeG1mFile(const QString& path, const model::PictureGrid& picture, int number);

}  // namespace tavrolin::exchange
