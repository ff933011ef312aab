#include "language/commandlineproblem.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

namespace tavrolin::language {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("tavrolin::language", text);
}

}  // namespace

QString commandLineProblem(const QCommandLineParser& parser) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        // The parser keeps the name without its dashes: "-x", "--colour".
        const QString& name = unknown.first();
        return translated(QT_TRANSLATE_NOOP("tavrolin::language", "neznáma voľba %1"))
            .arg((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
    }
    // The parser's other two complaints, as Qt words them without a translation loaded.
    static const QRegularExpression missingValue(QStringLiteral("^Missing value after '(.*)'\\.$"));
    static const QRegularExpression unexpectedValue(
        QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    QString said = parser.errorText();
    if (const QRegularExpressionMatch match = missingValue.match(said); match.hasMatch()) {
        return translated(QT_TRANSLATE_NOOP("tavrolin::language", "za %1 chýba hodnota"))
            .arg(match.captured(1));
    }
    if (const QRegularExpressionMatch match = unexpectedValue.match(said); match.hasMatch()) {
        return translated(QT_TRANSLATE_NOOP("tavrolin::language", "%1 neberie hodnotu"))
            .arg(match.captured(1));
    }
    return said;
}

}  // namespace tavrolin::language
