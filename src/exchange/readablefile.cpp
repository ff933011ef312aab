#include "exchange/readablefile.h"

#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "exchange/failuretext.h"

namespace tavrolin::exchange {

namespace {

// Why a file of this kind is not read, or nothing for an ordinary file.
std::optional<model::Failure> refusalOf(const struct stat& status) {
    if (S_ISDIR(status.st_mode)) {
        return model::Failure{model::FailureReason::IsFolder, 0, {}};
    }
    if (!S_ISREG(status.st_mode)) {
        return model::Failure{model::FailureReason::NotRegularFile, 0, {}};
    }
    return std::nullopt;
}

// The same for the file opened, which may not be the one looked at before: another may
// have taken its name since.
std::optional<model::Failure> refusalOfOpened(int descriptor) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        return readFailure(errno);
    }
    if (auto refused = refusalOf(status)) {
        return refused;
    }
    // Only the kernel's own files say they are empty and yet give bytes, or would wait
    // for them (/proc/cpuinfo, /proc/kmsg): no picture is among them.
    if (status.st_size == 0) {
        char byte = 0;
        const ssize_t got = ::read(descriptor, &byte, 1);
        if (got < 0) {
            return readFailure(errno);
        }
        if (got > 0) {
            return model::Failure{model::FailureReason::NotRegularFile, 0, {}};
        }
    }
    return std::nullopt;
}

}  // namespace

model::Result<std::unique_ptr<QFile>> openReadableFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0) {
        return readFailure(errno);
    }
    if (auto refused = refusalOf(status)) {
        return *refused;
    }
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        return readFailure(errno);
    }
    if (auto refused = refusalOfOpened(descriptor)) {
        ::close(descriptor);
        return *refused;
    }
    auto file = std::make_unique<QFile>(path);
    if (!file->open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return fileFailure(path, *file, FileUse::Read);
    }
    return file;
}

}  // namespace tavrolin::exchange
