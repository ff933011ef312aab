#include "exchange/catfilebytes.h"

#include <QFile>

#include "catfile/catlayout.h"
#include "exchange/failuretext.h"

namespace tavrolin::exchange {

model::Result<std::string> readCatFileBytes(const QString& path) {
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) {
        bytes = file.read(static_cast<qint64>(catfile::kMaxCatFileBytes));
    }
    if (file.error() != QFileDevice::NoError) {
        return fileFailure(path, file, FileUse::Read);
    }
    return bytes.toStdString();
}

}  // namespace tavrolin::exchange
