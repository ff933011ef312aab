#pragma once

#include <QString>

#include "ui/editorcontext.h"

namespace tavrolin::ui {

// "Otvor" and "Ulož" for the .g1m files of the fx-9860G family. Nothing waits for a
// timer or a colour dialog: the file is read or written whole at the command.

// Opens the picture of the file, asking which one when it holds several. The picture
// changes as for a monochrome .cat file: the old one is kept for "Naspäť", the pen in
// black is the tool, and it has no unsaved changes; a "Pict n" keeps its n for saving. A damaged
// file or a cancelled choice changes nothing.
void openG1mFile(EditorContext& context, const QString& path);

// Saves the picture's black cells as "Pict n", the user choosing n (the picture's own
// number proposed, else 1), after the monochrome warning; true when the file was
// written. Asks first about a picture without black cells, and whether an archive that
// holds other items keeps them. Any answer that cancels writes nothing.
bool saveG1mFile(EditorContext& context, const QString& path);

}  // namespace tavrolin::ui
