#include "catfile/catitemreader.h"

#include "catfile/delimiterscan.h"

namespace tavrolin::catfile {

std::optional<std::string_view> CatItemReader::next(std::size_t clean) {
    if (atEnd()) {
        return std::nullopt;
    }
    const std::size_t start = position_;
    // A line's end right after the clean bytes, as after a plane line's digits, needs no
    // search.
    std::size_t end = start + clean;
    if (end < bytes_.size() && !endsItem(bytes_[end])) {
        end = findItemEnd(bytes_, end);
    }
    itemLine_ = line_;
    position_ = end;
    if (end < bytes_.size()) {
        const char delimiter = bytes_[end];
        ++position_;
        if (delimiter != ',') {
            ++line_;
            // CR LF is one line end, not an empty item between two.
            if (delimiter == '\r' && position_ < bytes_.size() && bytes_[position_] == '\n') {
                ++position_;
            }
        }
    }
    return std::string_view(bytes_.data() + start, end - start);
}

}  // namespace tavrolin::catfile
