#pragma once

#include <QFile>
#include <QString>
#include <memory>

#include "model/failure.h"

namespace tavrolin::exchange {

// A file opened for reading that answers every read at once: an ordinary file, never a
// folder, named pipe, socket or device, whose open or read could wait for good (a pipe
// for its writer) or never end (/dev/zero). Such a name is refused before it is opened,
// as opening some devices does something of its own; so is a file of the kernel's that
// says it is empty and yet gives bytes or waits for them (/proc/kmsg). The descriptor
// stays non-blocking. Every picture and image is read through it.
model::Result<std::unique_ptr<QFile>> openReadableFile(const QString& path);

}  // namespace tavrolin::exchange
