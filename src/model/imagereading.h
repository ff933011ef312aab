#pragma once

#include <QImage>
#include <QImageReader>

#include "model/failure.h"

namespace tavrolin::model {

// The most memory, in megabytes, that one decoded image may take. A format that
// scales or clips while decoding (JPEG, 8-bit RGB PNG) needs only the small image; any
// other is decoded whole first, so this is the size of the whole image at its own
// depth: a 20000 × 20000 image at four bytes a pixel (1.6 GB) still fits, and a
// larger one is refused before its memory is taken.
inline constexpr int kDecodeLimitMegabytes = 2048;

// Reads the image as the reader is set up, with Qt's allocation limit (128 MB unless
// told) raised to the given one for this read only. When nothing can be read, why:
// the image is too large (its width × height) when decoding it whole passes the
// limit, else the file is missing, a folder, refused or no image.
Result<QImage> readImageWithin(QImageReader& reader, int limitMegabytes = kDecodeLimitMegabytes);

}  // namespace tavrolin::model
