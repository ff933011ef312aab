#pragma once

#include <QCoreApplication>

namespace tavrolin::catconverter {

// The words of the command line, in the editor's language: Words::tr("...").
class Words {
    Q_DECLARE_TR_FUNCTIONS(tavrolin::catconverter)
};

}  // namespace tavrolin::catconverter
