#include "app/editorrequest.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <array>

using namespace Qt::StringLiterals;

namespace tavrolin::app {

namespace {

// Qt's own options, which QApplication takes out of the arguments: known here so that
// their values are not taken for files. Those of Qt's X11 plugin are among them.
constexpr std::array kQtOptionsWithValue{"platform",
                                         "platformpluginpath",
                                         "platformtheme",
                                         "plugin",
                                         "qmljsdebugger",
                                         "qwindowgeometry",
                                         "geometry",
                                         "qwindowtitle",
                                         "title",
                                         "qwindowicon",
                                         "icon",
                                         "session",
                                         "display",
                                         "name",
                                         "style",
                                         "stylesheet",
                                         "visual",
                                         "cmap",
                                         "im",
                                         "inputstyle"};
constexpr std::array kQtFlags{"reverse", "widgetcount", "sync", "nograb", "dograb"};

}  // namespace

EditorRequest parseEditorArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    // "-platform offscreen" as Qt writes its options; "-h" is then an option too.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({help, version});
    for (const char* name : kQtOptionsWithValue) {
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    }
    for (const char* name : kQtFlags) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    }
    const bool parsed = parser.parse(QStringList{QStringLiteral("tavrolin")} + arguments);
    // --help and --version win over any other mistake.
    if (parser.isSet(help)) {
        return {EditorRequest::Kind::Help, {}, {}};
    }
    if (parser.isSet(version)) {
        return {EditorRequest::Kind::Version, {}, {}};
    }
    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        return {
            EditorRequest::Kind::WrongArguments,
            {},
            unknown.isEmpty()
                ? parser.errorText()
                : QCoreApplication::translate("tavrolin::app::EditorRequest", "unknown option %1")
                      .arg((unknown.first().size() == 1 ? u"-"_s : u"--"_s) + unknown.first())};
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return {EditorRequest::Kind::WrongArguments,
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
