#include "ui/savequestions.h"

#include <QCoreApplication>
#include <QStringList>

#include "exchange/failuretext.h"
#include "exchange/g1mitemstext.h"
#include "exchange/savedcells.h"

namespace tavrolin::ui {

namespace {

// The questions' texts, in the user's language.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(tavrolin::ui::SaveQuestions)
};

}  // namespace

bool savedEvenIfEmpty(Prompts& prompts, const model::PictureGrid& picture,
                      exchange::SaveVariant variant, catfile::SaveColours colours) {
    if (exchange::hasCellsToSave(picture, variant, colours)) {
        return true;
    }
    const QString question =
        variant == exchange::SaveVariant::Monochrome
            ? Texts::tr("Obrázok nemá žiadnu čiernu bunku, súbor by bol prázdny. Uložiť ho aj tak?")
            : Texts::tr(
                  "Obrázok nemá žiadnu bunku vo farbách zvolených na uloženie, súbor by bol "
                  "prázdny. Uložiť ho aj tak?");
    // Enter keeps the file as it is.
    return prompts.ask(question, {Texts::tr("Uložiť"), Texts::tr("Zrušiť")}, 1, 1) == 0;
}

std::optional<exchange::G1mWrite> chosenG1mWrite(Prompts& prompts, const QString& path,
                                                 int number) {
    const exchange::G1mTarget target = exchange::inspectG1mTarget(path, number);
    if (target.kind == exchange::G1mTarget::Kind::Unreadable) {
        const QString question =
            Texts::tr(
                "Súbor „%1“ nie je čitateľný súbor .g1m (Dôvod: %2). Ak ho nahradíte, bude "
                "obsahovať len tento obrázok. Nahradiť ho?")
                .arg(path, exchange::failureText(target.failure));
        if (prompts.ask(question, {Texts::tr("Nahradiť"), Texts::tr("Zrušiť")}, 1, 1) == 0) {
            return exchange::G1mWrite::Replace;
        }
        return std::nullopt;
    }
    if (target.others.empty() && !target.replacesPicture) {
        return exchange::G1mWrite::Merge;
    }
    if (target.others.empty()) {
        const QString question = Texts::tr("Súbor „%1“ už obsahuje obrázok Pict %2. Nahradiť ho?")
                                     .arg(path, QString::number(number));
        if (prompts.ask(question, {Texts::tr("Nahradiť"), Texts::tr("Zrušiť")}, 1, 1) == 0) {
            return exchange::G1mWrite::Merge;
        }
        return std::nullopt;
    }
    const QString question = Texts::tr(
                                 "Súbor obsahuje aj iné položky (%1). Pridať do neho obrázok "
                                 "Pict %2 a ostatné ponechať?")
                                 .arg(exchange::g1mItemsText(target.others))
                                 .arg(number);
    switch (prompts.ask(
        question, {Texts::tr("Pridať"), Texts::tr("Nahradiť celý súbor"), Texts::tr("Zrušiť")}, 0,
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
