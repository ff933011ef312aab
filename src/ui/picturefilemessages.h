#pragma once

#include <QString>

#include "model/failure.h"

namespace tavrolin::ui {

// The messages of opening and saving picture files, shared by every format. Each is the
// program's sentence, then a paragraph "Dôvod: …" where the reason is known.

// "\n\nDôvod: …." for the failure.
QString reasonParagraph(const model::Failure& failure);

// The load error message, then why the file could not be read.
QString loadErrorMessage(const model::Failure& failure);
// A .g1m or .g1r file that could not be read, for the fx-9860G family, then why.
QString g1mLoadErrorMessage(const QString& path, const model::Failure& failure);
// A file cut short opened with what it holds: where it ended.
QString cutShortMessage(const QString& path, int lastLine);
QString monochromeWarning();
// A save that failed: the file's name, that any file of that name is unchanged, then
// why (`reason`, in words).
QString saveFailureMessage(const QString& path, const QString& reason);

}  // namespace tavrolin::ui
