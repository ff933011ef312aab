#pragma once

#include <QSaveFile>
#include <QString>

#include "model/failure.h"

namespace tavrolin::exchange {

// Puts a file written through `file` in place of the old one at `path`, or leaves the
// old one as it was and says why.
model::Outcome commitSaveFile(const QString& path, QSaveFile& file);

}  // namespace tavrolin::exchange
