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
    // `firstLine` is the number, in the whole file, of the bytes' first line.
    explicit CatItemReader(std::string_view bytes, int firstLine = 1)
        : bytes_(bytes), line_(firstLine), itemLine_(firstLine - 1) {}

    // The next item, or nothing once the bytes are used up.
    std::optional<std::string_view> next() { return next(0); }

    // The next item, whose first `clean` bytes the caller has seen to hold no delimiter
    // (they are among those ahead() gave): its end is searched for only after them.
    std::optional<std::string_view> next(std::size_t clean);

    // Up to `count` bytes after the last item taken, without taking them.
    std::string_view ahead(std::size_t count) const { return bytes_.substr(position_, count); }

    bool atEnd() const { return position_ >= bytes_.size(); }

    // The line of the last item taken, counting from `firstLine`; one less before any.
    int line() const { return itemLine_; }

  private:
    std::string_view bytes_;
    std::size_t position_ = 0;
    int line_;
    int itemLine_;
};

}  // namespace tavrolin::catfile
