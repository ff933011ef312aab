#include "app/qtslovaktexts.h"

#include <QLibraryInfo>

namespace tavrolin::app {

bool QtSlovakTexts::load() {
    return QTranslator::load(QStringLiteral("qtbase_sk"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString QtSlovakTexts::translate(const char* context, const char* sourceText,
                                 const char* disambiguation, int n) const {
    QString text = QTranslator::translate(context, sourceText, disambiguation, n);
    if (text.isEmpty() && qstrcmp(context, "QPlatformTheme") == 0) {
        text = QTranslator::translate("QDialogButtonBox", sourceText, disambiguation, n);
    }
    return text;
}

}  // namespace tavrolin::app
