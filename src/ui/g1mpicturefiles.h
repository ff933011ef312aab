#pragma once

#include <QString>

#include "ui/editorcontext.h"

namespace tavrolin::ui {

// "Otvor" and "Ulož" for the .g1m files of the fx-9860G family. Nothing waits for a
// timer or a colour dialog: the file is read or written whole at the command.

// Opens the picture of the file, asking which one when it holds several. The picture
// changes as for a monochrome .cat file: the old one is kept for "Naspäť", the pen in
// black is the tool, and it has no unsaved changes. A damaged file or a cancelled choice
// changes nothing.
void openG1mFile(EditorContext& context, const QString& path);

// Saves the picture's black cells as "Pict n", the user choosing n, after the
// monochrome warning; true when the file was written. A cancelled choice writes nothing.
bool saveG1mFile(EditorContext& context, const QString& path);

}  // namespace tavrolin::ui
