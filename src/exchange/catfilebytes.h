#pragma once

#include <QString>
#include <optional>
#include <string>

namespace tavrolin::exchange {

// The bytes of a picture file, no more than the codec's limit: a picture file is about
// 10 KB, and a huge file picked by mistake must not fill the memory. None when the file
// cannot be opened or read; `reason`, if given, then says why.
std::optional<std::string> readCatFileBytes(const QString& path, QString* reason = nullptr);

}  // namespace tavrolin::exchange
