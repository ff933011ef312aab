#pragma once

#include <QString>
#include <optional>

#include "catfile/savecolours.h"
#include "exchange/catfilesave.h"
#include "exchange/g1mfileio.h"
#include "model/picturegrid.h"
#include "ui/dialogs/prompts.h"

namespace tavrolin::ui {

// The questions a save asks before it writes anything.

// Whether to save a picture that has no cell the save keeps (no black one for the
// black-and-white formats, none in the ticked colours for the colour .cat): asks, since
// the file would hold an empty picture. True without asking when there are cells.
bool savedEvenIfEmpty(Prompts& prompts, const model::PictureGrid& picture,
                      exchange::SaveVariant variant, catfile::SaveColours colours = {});

// How "Pict n" goes into the file at `path`: added to an archive that holds other
// items, or written in place of the whole file, as the user answers; into a new file
// or an archive of that picture alone without asking. A file that is no readable
// archive is replaced only when the user agrees. None when the user cancelled.
std::optional<exchange::G1mWrite> chosenG1mWrite(Prompts& prompts, const QString& path, int number);

}  // namespace tavrolin::ui
