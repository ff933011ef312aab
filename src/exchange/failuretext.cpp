#include "exchange/failuretext.h"

#include <QFileInfo>

namespace tavrolin::exchange {

namespace {

QString reasonText(const model::Failure& failure) {
    QString detail = QString::fromStdString(failure.detail);
    switch (failure.reason) {
        case model::FailureReason::SystemError:
            return detail;
        case model::FailureReason::NoPermission:
            return QStringLiteral("nemáte povolenie");
        case model::FailureReason::IsFolder:
            return QStringLiteral("je to priečinok, nie súbor");
        case model::FailureReason::NotFound:
            return QStringLiteral("súbor neexistuje");
        case model::FailureReason::EmptyFile:
            return QStringLiteral("súbor je prázdny");
        case model::FailureReason::TooLarge:
            return QStringLiteral("súbor je priveľký (%1 bajtov)").arg(detail);
        case model::FailureReason::HeaderCutShort:
            return QStringLiteral("súbor končí v hlavičke");
        case model::FailureReason::HeaderKeyMismatch:
            return QStringLiteral("čakal som „%1“").arg(detail);
        case model::FailureReason::NoPictureFormat:
            return QStringLiteral("neuvádza formát obrázka");
        case model::FailureReason::NotAnImage:
            return QStringLiteral("nie je to obrázok bmp, jpg, gif ani png");
        case model::FailureReason::ImageTooLarge:
            return QStringLiteral("obrázok je priveľký na načítanie (%1)").arg(detail);
        case model::FailureReason::WrongSizeField:
            return QStringLiteral("veľkosť v hlavičke nesedí s dĺžkou súboru");
        case model::FailureReason::WrongControlBytes:
            return QStringLiteral("kontrolné bajty hlavičky nesedia");
        case model::FailureReason::BinaryCutShort:
            return QStringLiteral("súbor je skrátený");
        case model::FailureReason::NoPictureInside:
            return QStringLiteral("súbor neobsahuje žiaden obrázok");
        case model::FailureReason::PictureMissing:
            return QStringLiteral("súbor neobsahuje obrázok „%1“").arg(detail);
    }
    return detail;
}

}  // namespace

QString failureText(const model::Failure& failure) {
    QString reason = reasonText(failure);
    if (failure.line > 0) {
        return QStringLiteral("riadok %1: %2").arg(failure.line).arg(reason);
    }
    return reason;
}

QString failureAt(const QString& path, const model::Failure& failure) {
    const QString place =
        failure.line > 0 ? QStringLiteral("%1:%2").arg(path).arg(failure.line) : path;
    return place + QStringLiteral(": ") + reasonText(failure);
}

model::Failure fileFailure(const QString& path, const QFileDevice& file, FileUse use) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return {model::FailureReason::IsFolder, 0, {}};
    }
    // A file is written beside itself and put in place, so its folder must be writable.
    const QFileInfo folder(info.absolutePath());
    const bool refused = use == FileUse::Read ? info.exists() && !info.isReadable()
                                              : folder.isDir() && !folder.isWritable();
    if (file.error() == QFileDevice::PermissionsError || refused) {
        return {model::FailureReason::NoPermission, 0, {}};
    }
    if (use == FileUse::Read && !info.exists()) {
        return {model::FailureReason::NotFound, 0, {}};
    }
    return {model::FailureReason::SystemError, 0, file.errorString().toStdString()};
}

}  // namespace tavrolin::exchange
