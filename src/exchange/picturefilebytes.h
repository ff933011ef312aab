#pragma once

#include <QString>
#include <cstddef>
#include <string>

#include "model/failure.h"

namespace tavrolin::exchange {

// The bytes of a picture file, no more than `limit`, its format's: a picture file is a
// few kilobytes, and a huge file picked by mistake must not fill the memory (it then
// fails its format's checks). A file that cannot be opened or read, or is no ordinary
// file, gives the reason.
model::Result<std::string> readPictureFileBytes(const QString& path, std::size_t limit);

}  // namespace tavrolin::exchange
