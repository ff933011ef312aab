#pragma once

#include <QString>
#include <string_view>

namespace tavrolin::exchange {

// How a file of a format becomes the picture, and what the user is asked on the way.
enum class Reading {
    Records,  // the link software's picture records: a colour file asks which colours load
    Entries,  // a calculator's memory file: asks which picture when it holds several
    Image,    // any image, imported: asks how to fit one that is more than a picture
    None,     // never read
};

// How the picture is written in a format, and what the user is asked on the way.
enum class Writing {
    None,     // never written
    Records,  // for the calculator chosen; the colour one asks which colours to save
    Entries,  // asks the picture's number
    Bitmap,   // one pixel a cell in the palette colours ("Exportuj obrázok")
    CSource,  // C arrays of the calculator's 1-bit sheets ("Exportuj obrázok")
};

// One kind of file the editor and the converter know: a row of the format table.
struct PictureFormat {
    std::string_view name;  // for people and messages: "cat", "g1m", "bmp"
    // The names its files have, "*.g1m *.g1r": the first one for a name without any.
    std::string_view pattern;
    // Whether a file's first bytes show it is of the format; nullptr for a format told
    // by its name only.
    bool (*knownByContent)(std::string_view firstBytes);
    // Whether a file whose content shows no format is taken as this one when its name
    // matches `pattern`: a damaged .cat or .g1m is then refused by its own reader.
    bool knownByName;
    Reading reading;
    Writing writing;
    // Written only when the name chosen says so; choosing it in the save dialog adds its
    // extension to a name typed without one.
    bool savedByNameOnly;
    // Its entry in the file dialogs, translated; "Súbory .bmp" after its name without one.
    const char* label = nullptr;
};

}  // namespace tavrolin::exchange
