#include "exchange/failuretext.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cerrno>
#include <optional>

namespace tavrolin::exchange {

namespace {

// The reasons in the user's language.
class Reasons {
    Q_DECLARE_TR_FUNCTIONS(tavrolin::exchange::Reasons)
};

QString reasonText(const model::Failure& failure) {
    QString detail = QString::fromStdString(failure.detail);
    switch (failure.reason) {
        case model::FailureReason::SystemError:
            return Reasons::tr("systém odmietol prácu so súborom (%1)").arg(detail);
        case model::FailureReason::NoPermission:
            return Reasons::tr("nemáte povolenie");
        case model::FailureReason::IsFolder:
            return Reasons::tr("je to priečinok, nie súbor");
        case model::FailureReason::NotRegularFile:
            return Reasons::tr("nie je to obyčajný súbor");
        case model::FailureReason::NotFound:
            return Reasons::tr("súbor neexistuje");
        case model::FailureReason::EmptyFile:
            return Reasons::tr("súbor je prázdny");
        case model::FailureReason::TooLarge:
            return Reasons::tr("súbor je priveľký (%1 bajtov)").arg(detail);
        case model::FailureReason::HeaderCutShort:
            return Reasons::tr("súbor končí v hlavičke");
        case model::FailureReason::HeaderKeyMismatch:
            return Reasons::tr("čakal som „%1“").arg(detail);
        case model::FailureReason::NoPictureFormat:
            return Reasons::tr("neuvádza formát obrázka");
        case model::FailureReason::NotAnImage:
            return Reasons::tr("nie je to obrázok bmp, jpg, gif ani png");
        case model::FailureReason::ImageTooLarge:
            return Reasons::tr("obrázok má %1 × %2 bodov, to je priveľa")
                .arg(detail.section(u'x', 0, 0), detail.section(u'x', 1, 1));
        case model::FailureReason::WrongSizeField:
            return Reasons::tr("veľkosť v hlavičke nesedí s dĺžkou súboru");
        case model::FailureReason::WrongControlBytes:
            return Reasons::tr("kontrolné bajty hlavičky nesedia");
        case model::FailureReason::NotG1mFile:
            return Reasons::tr("nie je to súbor .g1m ani .g1r");
        case model::FailureReason::BinaryCutShort:
            return Reasons::tr("súbor je skrátený");
        case model::FailureReason::NoPictureInside:
            return Reasons::tr("súbor neobsahuje žiaden obrázok");
        case model::FailureReason::ProgramInside:
            return Reasons::tr("súbor obsahuje program, nie obrázok");
        case model::FailureReason::PictureMissing:
            return Reasons::tr("súbor neobsahuje obrázok „%1“").arg(detail);
        case model::FailureReason::WriteCutShort:
            return Reasons::tr("súbor sa nepodarilo zapísať celý");
        case model::FailureReason::FolderMissing:
            return Reasons::tr("priečinok neexistuje");
        case model::FailureReason::NotAFolderOnPath:
            return Reasons::tr("cesta k súboru vedie cez súbor, nie cez priečinok");
        case model::FailureReason::NameTooLong:
            return Reasons::tr("meno súboru je pridlhé");
        case model::FailureReason::NoSpace:
            return Reasons::tr("na disku už nie je miesto");
        case model::FailureReason::ReadOnlyDisk:
            return Reasons::tr("disk je len na čítanie");
    }
    return detail;
}

// Our own reason for what the system said, where we know it.
std::optional<model::FailureReason> reasonOfSystemError(int error, FileUse use) {
    switch (error) {
        case EACCES:
        case EPERM:
            return model::FailureReason::NoPermission;
        case ENOENT:
            return use == FileUse::Read ? model::FailureReason::NotFound
                                        : model::FailureReason::FolderMissing;
        case ENOTDIR:
            return model::FailureReason::NotAFolderOnPath;
        case ENAMETOOLONG:
            return model::FailureReason::NameTooLong;
        case ENOSPC:
        case EDQUOT:
            return model::FailureReason::NoSpace;
        case EROFS:
            return model::FailureReason::ReadOnlyDisk;
        case EFBIG:
            return model::FailureReason::WriteCutShort;
        // A pipe without a writer, a socket, or a kernel file with nothing to read yet.
        case ENXIO:
        case EAGAIN:
            return model::FailureReason::NotRegularFile;
        default:
            return std::nullopt;
    }
}

}  // namespace

QString failureText(const model::Failure& failure) {
    QString reason = reasonText(failure);
    if (failure.line > 0) {
        return Reasons::tr("riadok %1: %2").arg(failure.line).arg(reason);
    }
    return reason;
}

QString failureAt(const QString& path, const model::Failure& failure) {
    const QString place =
        failure.line > 0 ? QStringLiteral("%1:%2").arg(path).arg(failure.line) : path;
    return place + QStringLiteral(": ") + reasonText(failure);
}

model::Failure readFailure(int systemError) {
    if (systemError == EISDIR) {
        return {model::FailureReason::IsFolder, 0, {}};
    }
    if (const auto known = reasonOfSystemError(systemError, FileUse::Read)) {
        return {*known, 0, {}};
    }
    return {model::FailureReason::SystemError, 0, qt_error_string(systemError).toStdString()};
}

model::Failure fileFailure(const QString& path, const QFileDevice& file, FileUse use) {
    // Taken first: the checks below ask the system again.
    const int systemError = file.error() == QFileDevice::NoError ? 0 : errno;
    const QFileInfo info(path);
    if (info.isDir() || systemError == EISDIR) {
        return {model::FailureReason::IsFolder, 0, {}};
    }
    // A file is written beside itself and put in place, so its folder must be writable.
    const QFileInfo folder(info.absolutePath());
    if (const auto known = reasonOfSystemError(systemError, use)) {
        // A folder that is there yet makes no file (/proc, even for root) refuses it.
        const bool refused = *known == model::FailureReason::FolderMissing && folder.isDir();
        return {refused ? model::FailureReason::NoPermission : *known, 0, {}};
    }
    const bool refused = use == FileUse::Read ? info.exists() && !info.isReadable()
                                              : folder.isDir() && !folder.isWritable();
    if (file.error() == QFileDevice::PermissionsError || refused) {
        return {model::FailureReason::NoPermission, 0, {}};
    }
    if (!info.exists()) {
        return {use == FileUse::Read || folder.isDir() ? model::FailureReason::NotFound
                                                       : model::FailureReason::FolderMissing,
                0,
                {}};
    }
    return {model::FailureReason::SystemError, 0, file.errorString().toStdString()};
}

}  // namespace tavrolin::exchange
