#include "exchange/g1mfileio.h"

#include <QFile>
#include <QSaveFile>
#include <cstddef>
#include <string>

#include "exchange/failuretext.h"
#include "g1mfile/g1mwriter.h"

namespace tavrolin::exchange {

namespace {

constexpr qint64 kMaxG1mFileBytes = qint64{4} * 1024 * 1024;

}  // namespace

model::Result<std::vector<g1mfile::G1mEntry>> readG1mFile(const QString& path) {
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) {
        bytes = file.read(kMaxG1mFileBytes);
    }
    if (file.error() != QFileDevice::NoError) {
        return fileFailure(path, file);
    }
    return g1mfile::readG1mFile(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

model::Outcome writeG1mFile(const QString& path, const model::PictureGrid& picture, int number) {
    const std::string bytes = g1mfile::g1mPictureFile(picture, number);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) || !file.commit()) {
        return fileFailure(path, file);
    }
    return model::Done{};
}

}  // namespace tavrolin::exchange
