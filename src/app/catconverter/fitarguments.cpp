#include "catconverter/fitarguments.h"

#include <QCoreApplication>

namespace tavrolin::catconverter {

namespace {

// The value of "--name VALUE" or "--name=VALUE" at arguments[i], moving i past a value
// that stands on its own; "" when the value is missing.
std::optional<QString> valueOf(const QString& name, const QStringList& arguments, qsizetype& i) {
    const QString& argument = arguments[i];
    if (argument.startsWith(name + u'=')) {
        return argument.mid(name.size() + 1);
    }
    if (argument != name) {
        return std::nullopt;
    }
    return i + 1 < arguments.size() ? arguments[++i] : QString();
}

}  // namespace

bool FitArguments::take(const QStringList& arguments, qsizetype& i) {
    const QString& argument = arguments[i];
    if (argument == u"--invert") {
        invert_ = true;
    } else if (argument == u"--fit") {
        fit_ = true;
        // The way of fitting may be left out, so only a word of its own is taken.
        const QString next = arguments.value(i + 1);
        if (next == u"contain" || next == u"cover") {
            mode_ = arguments[++i];
        }
    } else if (argument.startsWith(u"--fit=")) {
        fit_ = true;
        mode_ = argument.mid(6);
    } else if (std::optional<QString> dither = valueOf(QStringLiteral("--dither"), arguments, i)) {
        dither_ = dither;
    } else if (std::optional<QString> level =
                   valueOf(QStringLiteral("--threshold"), arguments, i)) {
        threshold_ = level;
    } else {
        return false;
    }
    return true;
}

std::variant<std::optional<exchange::FitOptions>, QString> FitArguments::options(
    exchange::FitColours colours) const {
    using Failure = QString;
    if (!fit_) {
        if (given()) {
            return Failure(QCoreApplication::translate(
                "tavrolin-cat", "--dither, --threshold and --invert go with --fit"));
        }
        return std::nullopt;
    }
    exchange::FitOptions options;
    options.colours = colours;
    options.invert = invert_;
    if (mode_ && *mode_ != u"contain" && *mode_ != u"cover") {
        return Failure(
            QCoreApplication::translate("tavrolin-cat", "--fit is contain or cover, not %1")
                .arg(*mode_));
    }
    options.mode = mode_.value_or(QString()) == u"cover" ? exchange::FitMode::Cover
                                                         : exchange::FitMode::Contain;
    // A threshold alone means no dithering.
    const QString dither =
        dither_.value_or(threshold_ ? QStringLiteral("none") : QStringLiteral("diffuse"));
    if (dither == u"diffuse") {
        options.dither = exchange::FitDither::Diffuse;
    } else if (dither == u"ordered") {
        options.dither = exchange::FitDither::Ordered;
    } else if (dither == u"none") {
        options.dither = exchange::FitDither::Threshold;
    } else {
        return Failure(QCoreApplication::translate("tavrolin-cat",
                                                   "--dither is diffuse, ordered or none, not %1")
                           .arg(dither));
    }
    if (threshold_) {
        bool number = false;
        options.threshold = threshold_->toInt(&number);
        if (!number || options.threshold < 0 || options.threshold > 255) {
            return Failure(QCoreApplication::translate("tavrolin-cat",
                                                       "--threshold is a number from 0 to 255"));
        }
        if (options.dither != exchange::FitDither::Threshold) {
            return Failure(
                QCoreApplication::translate("tavrolin-cat", "--threshold goes with --dither none"));
        }
    }
    return options;
}

}  // namespace tavrolin::catconverter
