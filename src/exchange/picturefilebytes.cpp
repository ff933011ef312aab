#include "exchange/picturefilebytes.h"

#include <QFile>

#include "exchange/failuretext.h"

namespace tavrolin::exchange {

model::Result<std::string> readPictureFileBytes(const QString& path, std::size_t limit) {
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) {
        bytes = file.read(static_cast<qint64>(limit));
    }
    if (file.error() != QFileDevice::NoError) {
        return fileFailure(path, file, FileUse::Read);
    }
    return bytes.toStdString();
}

}  // namespace tavrolin::exchange
