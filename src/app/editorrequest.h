#pragma once

#include <QString>
#include <QStringList>

namespace tavrolin::app {

// What the editor's command line asks for: the window with an optional file to open
// once it shows, a text to print, or nothing sensible.
struct EditorRequest {
    // An unknown option may still be one of Qt's own, which Qt takes out of the
    // arguments when it starts.
    enum class Kind { Edit, Help, Version, UnknownOption, TooManyFiles };
    Kind kind = Kind::Edit;
    QString path;     // Edit: the file given, "" for none
    QString problem;  // UnknownOption, TooManyFiles: what is wrong
};

// The request that the arguments (the program name left out) make. --help and
// --version win wherever they stand before "--"; after "--" every argument is a file.
EditorRequest parseEditorArguments(const QStringList& arguments);

QString editorUsage();
QString editorHelp();

}  // namespace tavrolin::app
