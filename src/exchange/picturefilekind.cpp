#include "exchange/picturefilekind.h"

#include <QFile>
#include <string_view>

#include "catfile/asciitext.h"
#include "catfile/catitemreader.h"

namespace tavrolin::exchange {

namespace {

// The first item the header check reads, no longer than this, is all that is needed.
constexpr qint64 kFirstLineBytes = 64;

}  // namespace

bool isPictureFile(const QString& path) {
    if (path.endsWith(QStringLiteral(".cat"), Qt::CaseInsensitive)) {
        return true;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray start = file.read(kFirstLineBytes);
    catfile::CatItemReader reader(std::string_view(start.constData(), start.size()));
    const auto first = reader.next();
    return first && catfile::startsWithKey(*first, "%HEADER RECORD");
}

}  // namespace tavrolin::exchange
