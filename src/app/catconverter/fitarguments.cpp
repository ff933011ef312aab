#include "catconverter/fitarguments.h"

#include <QCoreApplication>

namespace tavrolin::catconverter {

namespace {

bool isFitMode(const QString& word) {
    return word == u"contain" || word == u"cover";
}

}  // namespace

void FitArguments::addTo(QCommandLineParser& parser) const {
    parser.addOptions({fit_, dither_, threshold_, invert_});
}

QStringList FitArguments::withModeJoined(const QStringList& arguments) {
    QStringList joined;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != u"--fit") {
            joined << arguments[i];
        } else if (isFitMode(arguments.value(i + 1))) {
            joined << QStringLiteral("--fit=") + arguments[++i];
        } else {
            joined << QStringLiteral("--fit=");
        }
    }
    return joined;
}

std::optional<QString> FitArguments::strayMode(const QStringList& arguments) {
    const qsizetype fit = arguments.indexOf(QStringLiteral("--fit"));
    const QString next = fit < 0 ? QString() : arguments.value(fit + 1);
    if (next.isEmpty() || next.startsWith(u'-') || isFitMode(next)) {
        return std::nullopt;
    }
    return next;
}

bool FitArguments::given(const QCommandLineParser& parser) const {
    return parser.isSet(fit_) || parser.isSet(dither_) || parser.isSet(threshold_) ||
           parser.isSet(invert_);
}

std::variant<std::optional<exchange::FitOptions>, QString> FitArguments::options(
    const QCommandLineParser& parser, exchange::FitColours colours) const {
    using Failure = QString;
    if (!parser.isSet(fit_)) {
        if (given(parser)) {
            return Failure(QCoreApplication::translate(
                "tavrolin-cat", "--dither, --threshold a --invert patria k --fit"));
        }
        return std::nullopt;
    }
    exchange::FitOptions options;
    options.colours = colours;
    options.invert = parser.isSet(invert_);
    const QString mode = parser.value(fit_);
    if (!mode.isEmpty() && !isFitMode(mode)) {
        return Failure(
            QCoreApplication::translate("tavrolin-cat", "--fit je contain alebo cover, nie %1")
                .arg(mode));
    }
    options.mode = mode == u"cover" ? exchange::FitMode::Cover : exchange::FitMode::Contain;
    // A threshold alone means no dithering.
    const QString dither =
        parser.isSet(dither_)
            ? parser.value(dither_)
            : (parser.isSet(threshold_) ? QStringLiteral("none") : QStringLiteral("diffuse"));
    if (dither == u"diffuse") {
        options.dither = exchange::FitDither::Diffuse;
    } else if (dither == u"ordered") {
        options.dither = exchange::FitDither::Ordered;
    } else if (dither == u"none") {
        options.dither = exchange::FitDither::Threshold;
    } else {
        return Failure(QCoreApplication::translate(
                           "tavrolin-cat", "--dither je diffuse, ordered alebo none, nie %1")
                           .arg(dither));
    }
    if (parser.isSet(threshold_)) {
        bool number = false;
        options.threshold = parser.value(threshold_).toInt(&number);
        if (!number || options.threshold < 0 || options.threshold > 255) {
            return Failure(
                QCoreApplication::translate("tavrolin-cat", "--threshold je číslo od 0 do 255"));
        }
        if (options.dither != exchange::FitDither::Threshold) {
            return Failure(
                QCoreApplication::translate("tavrolin-cat", "--threshold patrí k --dither none"));
        }
    }
    return options;
}

}  // namespace tavrolin::catconverter
