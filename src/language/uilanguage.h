#pragma once

#include <QString>
#include <QStringList>

namespace tavrolin::language {

// The languages the editor speaks: Slovak, in which its texts are written, and the
// English and French translations of them.
inline constexpr QStringView kSlovak = u"sk";
inline constexpr QStringView kEnglish = u"en";
inline constexpr QStringView kFrench = u"fr";

// The language for the desktop's languages, most wanted first (as QLocale's
// uiLanguages() lists them): the first the editor speaks; English where the desktop
// names only others; Slovak where it names none (the C or POSIX locale).
QString languageForDesktop(const QStringList& uiLanguages);

// The language asked for with "--lang X" or "--lang=X", which is taken out of the
// arguments (those after "--" are files and stay); the desktop's one without it.
struct LanguageChoice {
    QString language;
    bool understood = true;  // false for a language it does not speak, or none after --lang
};
LanguageChoice takeLanguageOption(QStringList& arguments, const QStringList& uiLanguages);

// What a command line that was not understood is told about --lang.
QString languageOptionProblem();

// From now on, tr() and translate() give the editor's texts in the language: its own
// for Slovak, from the translations built into the program for the others. Needs the
// application object; a later call replaces the language of an earlier one.
void useLanguage(QStringView language);

// The language useLanguage() set last: Slovak before any.
QString languageInUse();

}  // namespace tavrolin::language
