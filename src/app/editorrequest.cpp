#include "app/editorrequest.h"

#include <QCoreApplication>

namespace tavrolin::app {

EditorRequest parseEditorArguments(const QStringList& arguments) {
    QStringList files;
    QString unknown;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        // After "--" every argument is a file, even one that starts with a dash.
        if (optionsEnded || !argument.startsWith(u'-')) {
            files << argument;
        } else if (argument == u"--") {
            optionsEnded = true;
        } else if (argument == u"--help" || argument == u"-h") {
            return {EditorRequest::Kind::Help, {}, {}};
        } else if (argument == u"--version") {
            return {EditorRequest::Kind::Version, {}, {}};
        } else if (unknown.isEmpty()) {
            unknown = argument;
        }
    }
    if (!unknown.isEmpty()) {
        return {EditorRequest::Kind::UnknownOption,
                {},
                QCoreApplication::translate("tavrolin::app::EditorRequest", "unknown option %1")
                    .arg(unknown)};
    }
    if (files.size() > 1) {
        return {EditorRequest::Kind::TooManyFiles,
                {},
                QCoreApplication::translate("tavrolin::app::EditorRequest",
                                            "one file at most, %1 given")
                    .arg(files.size())};
    }
    return {EditorRequest::Kind::Edit, files.value(0), {}};
}

QString editorUsage() {
    return QCoreApplication::translate("tavrolin::app::EditorRequest",
                                       "usage: tavrolin [--lang sk|en|fr] [FILE]\n"
                                       "       tavrolin --help | --version");
}

QString editorHelp() {
    return editorUsage() + QCoreApplication::translate("tavrolin::app::EditorRequest", R"(

Starts the Tavrolin picture editor for the screens of Casio graphing calculators.
FILE, if given, is opened once the main window shows: a .cat picture file (by its
name or its "%Header Record" first line) or a .g1m/.g1r file of the fx-9860G
family (by its content) as "Otvor" opens it, any other file imported as an image
(bmp, jpg, gif, png) as "Importuj obrázok" imports it.

  --lang LANG  the language of the window: sk, en or fr (by default the desktop's:
               Slovak, English or French where it asks for one of them, English
               for any other language, Slovak where none is set)
  -h, --help   print this text and exit
  --version    print the version and exit
  --           every argument after it is a file, even one starting with "-"

Qt's own options (-platform, -style, ...) are accepted too.
Exit status: 0 when the editor closes, 2 for wrong arguments.
)");
}

}  // namespace tavrolin::app
