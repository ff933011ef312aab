#pragma once

#include <QString>

namespace tavrolin::exchange {

// Whether a file given from outside the editor (on the command line, dropped on the
// window) is a picture file for "Otvor" rather than an image to import: its name ends
// in ".cat", or its first line starts as "Otvor" expects a picture file's header to.
// Any other file, readable or not, is for the import.
bool isPictureFile(const QString& path);

}  // namespace tavrolin::exchange
