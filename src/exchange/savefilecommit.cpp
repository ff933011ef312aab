#include "exchange/savefilecommit.h"

#include <cerrno>

#include "exchange/failuretext.h"

namespace tavrolin::exchange {

model::Outcome commitSaveFile(const QString& path, QSaveFile& file) {
    // commit() writes out what is still buffered without noticing when that write
    // stops short (a full disk, a file size limit), and would put the cut-short file in
    // place. The explicit flush notices; the uncommitted file is removed with `file`.
    if (!file.flush()) {
        const bool diskFull = errno == ENOSPC || errno == EDQUOT;
        return model::Failure{
            diskFull ? model::FailureReason::NoSpace : model::FailureReason::WriteCutShort, 0, {}};
    }
    if (!file.commit()) {
        return fileFailure(path, file, FileUse::Write);
    }
    return model::Done{};
}

model::Outcome saveBytes(const QString& path, std::string_view bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        return fileFailure(path, file, FileUse::Write);
    }
    return commitSaveFile(path, file);
}

}  // namespace tavrolin::exchange
