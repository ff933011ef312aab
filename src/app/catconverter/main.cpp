#include <QCoreApplication>
#include <QLocale>
#include <cstdio>

#include "catconverter/convertercommands.h"
#include "catconverter/converterhelp.h"
#include "language/uilanguage.h"

// tavrolin-cat: the editor's picture files in scripts. See --help.
int main(int argc, char* argv[]) {
    // Image plugins (gif, jpg) are found through the application object.
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    // Its messages and help are in the editor's language.
    const tavrolin::language::LanguageChoice language =
        tavrolin::language::takeLanguageOption(arguments, QLocale::system().uiLanguages());
    tavrolin::language::useLanguage(language.language);
    const auto parsed = language.understood
                            ? tavrolin::catconverter::parseArguments(arguments)
                            : std::variant<tavrolin::catconverter::ConverterRequest, QString>(
                                  tavrolin::language::languageOptionProblem());
    if (const auto* failure = std::get_if<QString>(&parsed)) {
        std::fprintf(stderr, "tavrolin-cat: %s\n%s\n", qUtf8Printable(*failure),
                     qUtf8Printable(tavrolin::catconverter::usageLine()));
        return tavrolin::catconverter::kWrongArguments;
    }
    return tavrolin::catconverter::runRequest(
        std::get<tavrolin::catconverter::ConverterRequest>(parsed), stdout, stderr);
}
