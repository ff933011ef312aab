#pragma once

#include <QString>
#include <string>

#include "model/failure.h"

namespace tavrolin::exchange {

// The bytes of a picture file, no more than the codec's limit: a picture file is about
// 10 KB, and a huge file picked by mistake must not fill the memory. A file that cannot
// be opened or read gives the reason.
model::Result<std::string> readCatFileBytes(const QString& path);

}  // namespace tavrolin::exchange
