#pragma once

#include <QSaveFile>
#include <QString>
#include <string_view>

#include "model/failure.h"

namespace tavrolin::exchange {

// Puts a file written through `file` in place of the old one at `path`, or leaves the
// old one as it was and says why.
model::Outcome commitSaveFile(const QString& path, QSaveFile& file);

// Writes the bytes as the file at `path` through a temporary file and puts it in place,
// or leaves the old one as it was and says why.
model::Outcome saveBytes(const QString& path, std::string_view bytes);

}  // namespace tavrolin::exchange
