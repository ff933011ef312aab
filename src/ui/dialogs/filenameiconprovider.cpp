#include "ui/dialogs/filenameiconprovider.h"

#include <QMimeDatabase>

namespace tavrolin::ui {

namespace {

QMimeType typeByName(const QFileInfo& info) {
    return QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
}

}  // namespace

QIcon FileNameIconProvider::icon(const QFileInfo& info) const {
    if (!info.isFile()) {
        return QFileIconProvider::icon(info);
    }
    const QIcon themed = QIcon::fromTheme(typeByName(info).iconName());
    return themed.isNull() ? QFileIconProvider::icon(QAbstractFileIconProvider::File) : themed;
}

QString FileNameIconProvider::type(const QFileInfo& info) const {
    if (!info.isFile()) {
        return QFileIconProvider::type(info);
    }
    const QMimeType type = typeByName(info);
    return type.comment().isEmpty() ? type.name() : type.comment();
}

}  // namespace tavrolin::ui
