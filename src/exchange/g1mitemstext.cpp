#include "exchange/g1mitemstext.h"

#include <QCoreApplication>
#include <QStringList>

namespace tavrolin::exchange {

namespace {

// More pictures than this are counted rather than named.
constexpr qsizetype kNamedPictures = 4;

class ItemsText {
    Q_DECLARE_TR_FUNCTIONS(tavrolin::exchange::ItemsText)
};

}  // namespace

QString g1mItemsText(const std::vector<g1mfile::G1mItem>& items) {
    QStringList pictures;
    int programs = 0;
    int others = 0;
    for (const g1mfile::G1mItem& item : items) {
        if (item.kind == g1mfile::G1mItem::Kind::Program) {
            ++programs;
        } else if (item.kind == g1mfile::G1mItem::Kind::Other) {
            ++others;
        } else {
            pictures << QString::fromStdString(item.name);
        }
    }
    QStringList parts;
    if (pictures.size() > kNamedPictures) {
        parts << ItemsText::tr("obrázky: %1").arg(pictures.size());
    } else {
        parts << pictures;
    }
    if (programs > 0) {
        parts << ItemsText::tr("programy: %1").arg(programs);
    }
    if (others > 0) {
        parts << ItemsText::tr("iné: %1").arg(others);
    }
    return parts.join(QStringLiteral(", "));
}

}  // namespace tavrolin::exchange
