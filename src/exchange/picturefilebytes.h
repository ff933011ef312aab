#pragma once

#include <QString>
#include <string>

#include "model/failure.h"

namespace tavrolin::exchange {

// The bytes of a picture file (.cat or .g1m), no more than the codecs' limit: a picture
// file is a few kilobytes, and a huge file picked by mistake must not fill the memory.
// A file that cannot be opened or read gives the reason.
model::Result<std::string> readPictureFileBytes(const QString& path);

}  // namespace tavrolin::exchange
