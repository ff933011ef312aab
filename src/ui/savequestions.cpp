#include "ui/savequestions.h"

#include <QCoreApplication>
#include <QStringList>

#include "exchange/failuretext.h"
#include "exchange/g1mitemstext.h"
#include "exchange/savedcells.h"

namespace tavrolin::ui {

namespace {

QString text(const char* source) {
    return QCoreApplication::translate("tavrolin::ui::savequestions", source);
}

}  // namespace

bool savedEvenIfEmpty(Prompts& prompts, const model::PictureGrid& picture,
                      exchange::SaveVariant variant, catfile::SaveColours colours) {
    if (exchange::hasCellsToSave(picture, variant, colours)) {
        return true;
    }
    const QString question =
        variant == exchange::SaveVariant::Monochrome
            ? text("Obrázok nemá žiadnu čiernu bunku, súbor by bol prázdny. Uložiť ho aj tak?")
            : text(
                  "Obrázok nemá žiadnu bunku vo farbách zvolených na uloženie, súbor by bol "
                  "prázdny. Uložiť ho aj tak?");
    // Enter keeps the file as it is.
    return prompts.ask(question, {text("Uložiť"), text("Zrušiť")}, 1, 1) == 0;
}

std::optional<exchange::G1mWrite> chosenG1mWrite(Prompts& prompts, const QString& path,
                                                 int number) {
    const exchange::G1mTarget target = exchange::inspectG1mTarget(path, number);
    if (target.kind == exchange::G1mTarget::Kind::Unreadable) {
        const QString question =
            text(
                "Súbor „%1“ nie je čitateľný súbor .g1m (Dôvod: %2). Ak ho nahradíte, bude "
                "obsahovať len tento obrázok. Nahradiť ho?")
                .arg(path, exchange::failureText(target.failure));
        if (prompts.ask(question, {text("Nahradiť"), text("Zrušiť")}, 1, 1) == 0) {
            return exchange::G1mWrite::Replace;
        }
        return std::nullopt;
    }
    if (target.others.empty()) {
        return exchange::G1mWrite::Merge;
    }
    const QString question = text(
                                 "Súbor obsahuje aj iné položky (%1). Pridať do neho obrázok "
                                 "Pict %2 a ostatné ponechať?")
                                 .arg(exchange::g1mItemsText(target.others))
                                 .arg(number);
    switch (prompts.ask(question, {text("Pridať"), text("Nahradiť celý súbor"), text("Zrušiť")}, 0,
                        2)) {
        case 0:
            return exchange::G1mWrite::Merge;
        case 1:
            return exchange::G1mWrite::Replace;
        default:
            return std::nullopt;
    }
}

}  // namespace tavrolin::ui
