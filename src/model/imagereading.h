#pragma once

#include <QImage>
#include <QImageReader>

#include "model/failure.h"

namespace tavrolin::model {

// The most memory, in megabytes, that one decoded image may take. A format that
// scales or clips while decoding (JPEG, 8-bit colour PNG) needs only the small image;
// any other is decoded whole first, at four bytes a pixel or eight for 16-bit
// channels. 20000 × 20000 still fits even at eight (3.0 GB); 30000 × 30000 at four
// (3.4 GB) is refused before its memory is taken.
inline constexpr int kDecodeLimitMegabytes = 3072;

// Reads the image as the reader is set up, with Qt's allocation limit (128 MB unless
// told) raised to the given one for this read only. When nothing can be read, why:
// the image is too large (its width × height) when decoding it whole passes the
// limit, else it is no image (whoever made the reader opened its file, and says why
// a file cannot be).
Result<QImage> readImageWithin(QImageReader& reader, int limitMegabytes = kDecodeLimitMegabytes);

}  // namespace tavrolin::model
