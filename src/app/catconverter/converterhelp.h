#pragma once

#include <QString>

namespace tavrolin::catconverter {

// The lines that show how the converter is called, printed with every usage error.
QString usageLine();
// The whole of --help: the usage lines, then what each command and option does.
QString helpText();

}  // namespace tavrolin::catconverter
