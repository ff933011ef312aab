#pragma once

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
    // Takes arguments[i], and the value after it, when it is one of them, moving i past
    // what it took; false for any other argument.
    bool take(const QStringList& arguments, qsizetype& i);

    bool given() const { return fit_ || dither_ || threshold_ || invert_; }

    // The options for a calculator's colours, none without --fit, or why the
    // arguments make none.
    std::variant<std::optional<exchange::FitOptions>, QString> options(
        exchange::FitColours colours) const;

  private:
    bool fit_ = false;
    std::optional<QString> mode_;
    std::optional<QString> dither_;
    std::optional<QString> threshold_;
    bool invert_ = false;
};

}  // namespace tavrolin::catconverter
