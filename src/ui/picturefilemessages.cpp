#include "ui/picturefilemessages.h"

#include <QCoreApplication>

#include "exchange/failuretext.h"

namespace tavrolin::ui {

namespace {

QString paragraphOfReason(const QString& reason) {
    return QCoreApplication::translate("tavrolin::ui::picturefilemessages", "\n\nDôvod: %1.")
        .arg(reason);
}

}  // namespace

QString reasonParagraph(const model::Failure& failure) {
    return paragraphOfReason(exchange::failureText(failure));
}

QString loadErrorMessage(const model::Failure& failure) {
    return QCoreApplication::translate(
               "tavrolin::ui::picturefilemessages",
               "Súbor nemôžem načítať! Skontrolujte prosím formát súboru a tiež aj to, či tento "
               "súbor je určený pre kalkulačky typu Algebra FX 2.0 alebo CFX 9850.") +
           reasonParagraph(failure);
}

QString g1mLoadErrorMessage(const QString& path, const model::Failure& failure) {
    return QCoreApplication::translate(
               "tavrolin::ui::picturefilemessages",
               "Súbor „%1“ nemôžem načítať ako obrázok pre kalkulačky radu fx-9860G!")
               .arg(path) +
           reasonParagraph(failure);
}

QString cutShortMessage(const QString& path, int lastLine) {
    return QCoreApplication::translate(
               "tavrolin::ui::picturefilemessages",
               "Obrázok v súbore je neúplný: súbor „%1“ končí na riadku %2. Zvyšok obrázka "
               "zostal biely.")
        .arg(path)
        .arg(lastLine);
}

QString monochromeWarning() {
    return QCoreApplication::translate(
        "tavrolin::ui::picturefilemessages",
        "Dôležité upozornenie: Obrázok ukladáte vo formáte pre čiernobiele kalkulačky. V "
        "prípade, že ste použili aj iné farby ako čiernu a bielu, tieto farby sa neuložia. "
        "Uloží sa len čierna a biela farba!");
}

QString saveFailureMessage(const QString& path, const QString& reason) {
    return QCoreApplication::translate("tavrolin::ui::picturefilemessages",
                                       "Obrázok nemôžem uložiť do súboru „%1“! Ak súbor s týmto "
                                       "menom už existoval, zostal nezmenený.")
               .arg(path) +
           paragraphOfReason(reason);
}

}  // namespace tavrolin::ui
