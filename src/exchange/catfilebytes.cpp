#include "exchange/catfilebytes.h"

#include <QFile>

#include "catfile/catlayout.h"

namespace tavrolin::exchange {

std::optional<std::string> readCatFileBytes(const QString& path, QString* reason) {
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) {
        bytes = file.read(static_cast<qint64>(catfile::kMaxCatFileBytes));
    }
    if (file.error() != QFileDevice::NoError) {
        if (reason) {
            *reason = file.errorString();
        }
        return std::nullopt;
    }
    return bytes.toStdString();
}

}  // namespace tavrolin::exchange
