#include "language/uilanguage.h"

#include <QCoreApplication>
#include <QTranslator>
#include <algorithm>

namespace tavrolin::language {

namespace {

constexpr QStringView kSpoken[] = {kSlovak, kEnglish, kFrench};

// The translator of the editor's texts, among the application's children.
constexpr QStringView kTranslatorName = u"tavrolinTexts";

// "fr-CA", "fr_CA.UTF-8" and "fr" all ask for French.
QString languagePart(const QString& uiLanguage) {
    return uiLanguage.section(u'-', 0, 0).section(u'_', 0, 0).section(u'.', 0, 0).toLower();
}

bool spoken(const QString& language) {
    return std::ranges::any_of(kSpoken,
                               [&language](QStringView known) { return language == known; });
}

}  // namespace

QString languageForDesktop(const QStringList& uiLanguages) {
    bool namesAnother = false;
    for (const QString& uiLanguage : uiLanguages) {
        QString language = languagePart(uiLanguage);
        if (spoken(language)) {
            return language;
        }
        namesAnother =
            namesAnother || !(language.isEmpty() || language == u"c" || language == u"posix");
    }
    return (namesAnother ? kEnglish : kSlovak).toString();
}

LanguageChoice takeLanguageOption(QStringList& arguments, const QStringList& uiLanguages) {
    LanguageChoice choice{languageForDesktop(uiLanguages)};
    for (qsizetype i = 0; i < arguments.size() && arguments[i] != u"--"; ++i) {
        QString asked;
        if (arguments[i] == u"--lang") {
            arguments.removeAt(i);
            asked = i < arguments.size() ? arguments.takeAt(i) : QString();
        } else if (arguments[i].startsWith(u"--lang=")) {
            asked = arguments.takeAt(i).mid(7);
        } else {
            continue;
        }
        --i;
        if (spoken(asked)) {
            choice.language = asked;
        } else {
            choice.understood = false;
        }
    }
    return choice;
}

QString languageOptionProblem() {
    return QCoreApplication::translate("tavrolin::language", "--lang berie sk, en alebo fr");
}

void useLanguage(QStringView language) {
    QCoreApplication* application = QCoreApplication::instance();
    const QString name = kTranslatorName.toString();
    delete application->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
    if (language == kSlovak) {
        return;
    }
    auto* texts = new QTranslator(application);
    texts->setObjectName(name);
    if (texts->load(QStringLiteral(":/translations/tavrolin_%1.qm").arg(language))) {
        QCoreApplication::installTranslator(texts);
    }
}

QString languageInUse() {
    const auto* texts = QCoreApplication::instance()->findChild<QTranslator*>(
        kTranslatorName.toString(), Qt::FindDirectChildrenOnly);
    return texts == nullptr ? kSlovak.toString() : texts->language().left(2);
}

}  // namespace tavrolin::language
