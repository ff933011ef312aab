#pragma once

#include <QFileDevice>
#include <QString>

#include "model/failure.h"

namespace tavrolin::exchange {

// The reason of a failure in the user's words, to stand after the program's own
// sentence: "riadok 7: ..." where the failure names a line.
QString failureText(const model::Failure& failure);

// The failure as tools print it: "FILE:LINE: reason", or "FILE: reason".
QString failureAt(const QString& path, const model::Failure& failure);

enum class FileUse { Read, Write };

// Why a file could not be opened or read, from what the system said (errno).
model::Failure readFailure(int systemError);

// What went wrong with a file the system would not open, read or write, in our own
// words where we know the cause (a missing file or folder, a folder, a refused
// permission, a full or read-only disk, a name too long), else the system's own text.
// Call it at once after the failing step: it reads what the system said last.
model::Failure fileFailure(const QString& path, const QFileDevice& file, FileUse use);

}  // namespace tavrolin::exchange
