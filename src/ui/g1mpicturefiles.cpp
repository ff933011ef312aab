#include "ui/g1mpicturefiles.h"

#include <QStringList>

#include "exchange/failuretext.h"
#include "exchange/g1mfileio.h"
#include "exchange/g1mitemstext.h"
#include "g1mfile/g1mwriter.h"
#include "model/newpicture.h"
#include "ui/picturefilemessages.h"
#include "ui/savequestions.h"

namespace tavrolin::ui {

namespace {

// The entry the user opens: the only one, or the one chosen from the list; -1 for none.
int chosenEntry(Prompts& prompts, const std::vector<g1mfile::G1mEntry>& entries) {
    if (entries.size() == 1) {
        return 0;
    }
    QStringList names;
    for (const g1mfile::G1mEntry& entry : entries) {
        names << exchange::g1mPictureName(entry.name);
    }
    return prompts.choosePicture(names);
}

}  // namespace

void openG1mFile(EditorContext& context, const QString& path) {
    const auto entries = exchange::readG1mFile(path);
    if (!entries) {
        context.prompts.message(g1mLoadErrorMessage(path, entries.failure()));
        return;
    }
    const int chosen = chosenEntry(context.prompts, entries.value());
    if (chosen < 0 || chosen >= int(entries.value().size())) {
        return;
    }
    const g1mfile::G1mEntry& entry = entries.value()[std::size_t(chosen)];
    model::adoptPicture(context.state, entry.picture);
    if (entry.kind == g1mfile::G1mEntry::Kind::Picture &&
        entry.number >= g1mfile::kFirstPictureNumber &&
        entry.number <= g1mfile::kLastPictureNumber) {
        context.state.pictNumber = entry.number;
    }
    context.state.markSaved();
    context.changed();
}

bool saveG1mFile(EditorContext& context, const QString& path) {
    model::EditorState& state = context.state;
    if (!savedEvenIfEmpty(context.prompts, state.picture, exchange::SaveVariant::Monochrome)) {
        return false;
    }
    const int number = context.prompts.choosePictureNumber(
        state.pictNumber > 0 ? state.pictNumber : g1mfile::kFirstPictureNumber);
    if (number < g1mfile::kFirstPictureNumber || number > g1mfile::kLastPictureNumber) {
        return false;
    }
    const std::optional<exchange::G1mWrite> mode = chosenG1mWrite(context.prompts, path, number);
    if (!mode) {
        return false;
    }
    context.prompts.message(monochromeWarning());
    const model::Outcome written =
        exchange::writeG1mFile(path, std::span(&state.picture, 1), number, *mode);
    if (!written) {
        context.prompts.message(saveFailureMessage(path, exchange::failureText(written.failure())));
        return false;
    }
    state.pictNumber = number;
    return true;
}

}  // namespace tavrolin::ui
