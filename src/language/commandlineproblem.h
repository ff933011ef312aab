#pragma once

#include <QString>

class QCommandLineParser;

namespace tavrolin::language {

// Why the parser refused a command line, in the language in use: an option it does not
// know, an option without the value it needs or with one it takes none of. Qt's own
// sentence only for what else it may say.
QString commandLineProblem(const QCommandLineParser& parser);

}  // namespace tavrolin::language
