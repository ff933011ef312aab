#include "exchange/pictureformats.h"

#include <QFile>
#include <string_view>

#include "catfile/asciitext.h"
#include "catfile/catitemreader.h"
#include "g1mfile/g1mheader.h"
#include "g1mfile/g1mlayout.h"

namespace tavrolin::exchange {

namespace {

// The magic of a .g1m file and the first item of a .cat file both fit in this.
constexpr qint64 kFirstBytes = 64;

bool startsAsCatFile(std::string_view start) {
    catfile::CatItemReader reader(start);
    const auto first = reader.next();
    return first && catfile::startsWithKey(*first, "%HEADER RECORD");
}

// A file too short to say what it is, but named as a .g1m file: an empty or cut-short
// one, to be refused as such rather than read as something else.
bool isShortG1mFile(const QString& path, std::string_view start) {
    return start.size() < g1mfile::kMagic.size() &&
           (path.endsWith(QStringLiteral(".g1m"), Qt::CaseInsensitive) ||
            path.endsWith(QStringLiteral(".g1r"), Qt::CaseInsensitive));
}

}  // namespace

PictureFormat formatOfFile(const QString& path) {
    QFile file(path);
    QByteArray start;
    if (file.open(QIODevice::ReadOnly)) {
        start = file.read(kFirstBytes);
    }
    const std::string_view bytes(start.constData(), std::size_t(start.size()));
    if (g1mfile::startsAsG1mFile(bytes) || isShortG1mFile(path, bytes)) {
        return PictureFormat::G1m;
    }
    if (path.endsWith(QStringLiteral(".cat"), Qt::CaseInsensitive) || startsAsCatFile(bytes)) {
        return PictureFormat::Cat;
    }
    return PictureFormat::Image;
}

PictureFormat formatForSaving(const QString& path) {
    return path.endsWith(QStringLiteral(".g1m"), Qt::CaseInsensitive) ? PictureFormat::G1m
                                                                      : PictureFormat::Cat;
}

}  // namespace tavrolin::exchange
