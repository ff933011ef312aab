#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

#include "exchange/imagefit.h"

namespace tavrolin::catconverter {

// The options of encode that fit an image to the screen as the editor's fit dialog
// does: --fit [contain|cover], --dither diffuse|ordered|none, --threshold 0-255,
// --invert.
class FitArguments {
  public:
    void addTo(QCommandLineParser& parser) const;

    // The arguments with a way of fitting that stands on its own after --fit joined to
    // it ("--fit cover" as "--fit=cover"), and --fit alone given the empty way: the way
    // may be left out, so only a word of its own is taken.
    static QStringList withModeJoined(const QStringList& arguments);
    // The word after a bare --fit that is no way of fitting, when there is one: taken
    // for a file, it is the likely reason for one file too many.
    static std::optional<QString> strayMode(const QStringList& arguments);

    bool given(const QCommandLineParser& parser) const;

    // The options for a calculator's colours, none without --fit, or why the
    // arguments make none.
    std::variant<std::optional<exchange::FitOptions>, QString> options(
        const QCommandLineParser& parser, exchange::FitColours colours) const;

  private:
    QCommandLineOption fit_{QStringLiteral("fit"), QString(), QStringLiteral("way")};
    QCommandLineOption dither_{QStringLiteral("dither"), QString(), QStringLiteral("way")};
    QCommandLineOption threshold_{QStringLiteral("threshold"), QString(), QStringLiteral("level")};
    QCommandLineOption invert_{QStringLiteral("invert")};
};

}  // namespace tavrolin::catconverter
