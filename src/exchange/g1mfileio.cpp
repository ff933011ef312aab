#include "exchange/g1mfileio.h"

#include <QSaveFile>
#include <string>

#include "exchange/failuretext.h"
#include "exchange/picturefilebytes.h"
#include "exchange/savefilecommit.h"
#include "g1mfile/g1mlayout.h"
#include "g1mfile/g1mwriter.h"

namespace tavrolin::exchange {

model::Result<std::vector<g1mfile::G1mEntry>> readG1mFile(const QString& path) {
    const model::Result<std::string> bytes = readPictureFileBytes(path, g1mfile::kMaxG1mFileBytes);
    if (!bytes) {
        return bytes.failure();
    }
    return g1mfile::readG1mFile(bytes.value());
}

model::Outcome writeG1mFile(const QString& path, const model::PictureGrid& picture, int number) {
    const std::string bytes = g1mfile::g1mPictureFile(picture, number);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        return fileFailure(path, file, FileUse::Write);
    }
    return commitSaveFile(path, file);
}

}  // namespace tavrolin::exchange
