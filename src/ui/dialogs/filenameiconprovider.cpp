#include "ui/dialogs/filenameiconprovider.h"

#include <QCoreApplication>
#include <QMimeDatabase>

#include "exchange/pictureformats.h"

namespace tavrolin::ui {

namespace {

// The type names the editor gives, in the user's language.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(tavrolin::ui::FileNameIconProvider)
};

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
    // Qt's own word for a folder is not in every language's catalogue.
    if (info.isDir()) {
        return Texts::tr("Priečinok");
    }
    if (!info.isFile()) {
        return QFileIconProvider::type(info);
    }
    if (exchange::hasPictureFileName(info.fileName())) {
        return Texts::tr("Obrázok pre kalkulačky (.%1)").arg(info.suffix().toLower());
    }
    const QMimeType type = typeByName(info);
    return type.comment().isEmpty() ? type.name() : type.comment();
}

}  // namespace tavrolin::ui
