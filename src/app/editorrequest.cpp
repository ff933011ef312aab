#include "app/editorrequest.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <array>

#include "language/commandlineproblem.h"

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
        return {EditorRequest::Kind::WrongArguments, {}, language::commandLineProblem(parser)};
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return {EditorRequest::Kind::WrongArguments,
                {},
                QCoreApplication::translate("tavrolin::app::EditorRequest",
                                            "najviac jeden súbor, zadaných: %1")
                    .arg(files.size())};
    }
    return {EditorRequest::Kind::Edit, files.value(0), {}};
}

QString editorUsage() {
    return QCoreApplication::translate("tavrolin::app::EditorRequest",
                                       "použitie: tavrolin [--lang sk|en|fr] [SÚBOR]\n"
                                       "          tavrolin --help | --version");
}

QString editorHelp() {
    return editorUsage() + QCoreApplication::translate("tavrolin::app::EditorRequest", R"(

Spustí Tavrolin, editor obrázkov pre obrazovky grafických kalkulačiek Casio.
SÚBOR, ak je zadaný, sa otvorí, len čo sa ukáže hlavné okno: súbor obrázka .cat
(podľa mena alebo podľa prvého riadku „%Header Record“) alebo súbor .g1m/.g1r
kalkulačiek radu fx-9860G (podľa obsahu) tak, ako ho otvára „Otvor“; akýkoľvek
iný súbor sa importuje ako obrázok (bmp, jpg, gif, png) tak, ako ho importuje
„Importuj obrázok“.

  --lang JAZYK  jazyk okna: sk, en alebo fr (predvolene jazyk pracovného
                prostredia: slovenčina, angličtina alebo francúzština, ak žiada
                niektorý z nich, angličtina pri akomkoľvek inom jazyku,
                slovenčina, ak nie je nastavený žiadny)
  -h, --help    vypíše tento text a skončí
  --version     vypíše verziu a skončí
  --            každý argument za ním je súbor, aj keď začína znakom „-“

Prijímajú sa aj vlastné voľby Qt (-platform, -style, ...).
Návratový kód: 0, keď sa editor zatvorí, 2 pri chybných argumentoch.
)");
}

}  // namespace tavrolin::app
