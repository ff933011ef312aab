#pragma once

#include <QString>

namespace tavrolin::exchange {

// The kinds of file the editor and the converter tell apart. Every rule of which file
// is which lives here.
enum class PictureFormat {
    Cat,    // the text picture file of the PC link software
    G1m,    // a main-memory file of the fx-9860G family (.g1m, .g1r backups)
    Image,  // anything else: an image for the import
};

// What an existing file is: a .g1m or .g1r by its content (the inverted "USBPower", or
// its start in a shorter file), whatever its name, or by its name when it is too short
// to hold that (an empty file named *.g1m); a .cat by its name or by a first line that
// starts as "Otvor" expects a picture file's header to; any other file, readable or
// not, an image.
PictureFormat formatOfFile(const QString& path);

// The format a picture is written in, by the name chosen: a .g1m file for a name
// ending in ".g1m", else a .cat file.
PictureFormat formatForSaving(const QString& path);

}  // namespace tavrolin::exchange
