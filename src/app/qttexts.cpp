#include "app/qttexts.h"

#include <QLibraryInfo>

#include "language/uilanguage.h"

namespace tavrolin::app {

bool QtTexts::load(const QString& language) {
    return language != language::kEnglish &&
           QTranslator::load(QStringLiteral("qtbase_") + language,
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString QtTexts::translate(const char* context, const char* sourceText, const char* disambiguation,
                           int n) const {
    QString text = QTranslator::translate(context, sourceText, disambiguation, n);
    if (text.isEmpty() && qstrcmp(context, "QPlatformTheme") == 0) {
        text = QTranslator::translate("QDialogButtonBox", sourceText, disambiguation, n);
    }
    return text;
}

}  // namespace tavrolin::app
