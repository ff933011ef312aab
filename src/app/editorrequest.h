#pragma once

#include <QString>
#include <QStringList>

namespace tavrolin::app {

// What the editor's command line asks for: the window with an optional file to open
// once it shows, a text to print, or nothing sensible.
struct EditorRequest {
    enum class Kind { Edit, Help, Version, WrongArguments };
    Kind kind = Kind::Edit;
    QString path;     // Edit: the file given, "" for none
    QString problem;  // WrongArguments: what is wrong
};

// The request that the arguments (the program name and --lang left out) make, Qt's own
// options (-platform, -style, ...) passed over. --help and --version win wherever they
// stand before "--"; after "--" every argument is a file.
EditorRequest parseEditorArguments(const QStringList& arguments);

QString editorUsage();
QString editorHelp();

}  // namespace tavrolin::app
