#include "exchange/picturefilebytes.h"

#include "exchange/failuretext.h"
#include "exchange/readablefile.h"

namespace tavrolin::exchange {

model::Result<std::string> readPictureFileBytes(const QString& path, std::size_t limit) {
    const model::Result<std::unique_ptr<QFile>> file = openReadableFile(path);
    if (!file) {
        return file.failure();
    }
    const QByteArray bytes = file.value()->read(static_cast<qint64>(limit));
    if (file.value()->error() != QFileDevice::NoError) {
        return fileFailure(path, *file.value(), FileUse::Read);
    }
    return bytes.toStdString();
}

}  // namespace tavrolin::exchange
