#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tavrolin::catfile {

// Takes a picture file item by item, as the calculators' link software reads it: an
// item ends at a line end and also at a comma, so a line holding a comma is two items.
// CR LF, a bare LF and a lone CR each end a line. Items are views into the bytes, which
// must outlive the reader; nothing is read past their end.
class CatItemReader {
  public:
    explicit CatItemReader(std::string_view bytes) : bytes_(bytes) {}

    // The next item, or nothing once the bytes are used up.
    std::optional<std::string_view> next();

    // Takes `count` items without looking at them; false if the bytes ran out first.
    bool skip(int count);

    bool atEnd() const { return position_ >= bytes_.size(); }

  private:
    std::string_view bytes_;
    std::size_t position_ = 0;
};

}  // namespace tavrolin::catfile
