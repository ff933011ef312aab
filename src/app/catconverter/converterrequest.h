#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

#include "catfile/loadcolours.h"
#include "catfile/savecolours.h"
#include "exchange/catfilesave.h"
#include "exchange/imagefit.h"
#include "exchange/pictureformat.h"

namespace tavrolin::catconverter {

enum class ConverterCommand { Help, Version, Decode, Encode, Show, List };

// What one run of the converter is asked to do.
struct ConverterRequest {
    ConverterCommand command = ConverterCommand::Help;
    QString input;
    QString output;
    // encode: every image, in order; `input` is the first.
    QStringList inputs;
    // decode: the format written; with `toFolder` every picture of the input, each into
    // a file of the folder `output` named after it.
    const exchange::PictureFormat* outputFormat = nullptr;
    bool toFolder = false;
    // decode into a folder: --force, files already there are replaced.
    bool force = false;
    // decode into C source: --name, the arrays' name; empty for the file's base name.
    QString identifier;
    // decode: the planes applied, as ticked in the editor's open dialog.
    catfile::LoadColours loadColours;
    // encode: the variant, and for a colour file the colours written.
    exchange::SaveVariant variant = exchange::SaveVariant::Monochrome;
    catfile::SaveColours saveColours;
    // encode: the image fitted to the screen, as the fit dialog does, instead of taken
    // as it is.
    std::optional<exchange::FitOptions> fit;
    // --pict: the picture of a .g1m file read or written, 0 when not told (read the
    // first, write "Pict 1").
    int pict = 0;
    // --record: the picture record of a .cat archive read (1-based, among its pictures),
    // 0 when not told (the first).
    int record = 0;
    // encode: a .g1m file is written rather than a .cat.
    bool g1mOutput = false;
    // --new: a new .g1m file of the one picture, instead of the picture added to the
    // archive already there.
    bool newG1mFile = false;
};

// The request that the arguments (the program name left out) make, or why they make
// none.
std::variant<ConverterRequest, QString> parseArguments(const QStringList& arguments);

}  // namespace tavrolin::catconverter
