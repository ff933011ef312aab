#include "ui/g1mpicturefiles.h"

#include <QStringList>

#include "exchange/failuretext.h"
#include "exchange/g1mfileio.h"
#include "exchange/g1mitemstext.h"
#include "g1mfile/g1mwriter.h"
#include "model/newpicture.h"
#include "ui/picturefilemessages.h"

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
        context.prompts.message(g1mLoadErrorMessage(entries.failure()));
        return;
    }
    const int chosen = chosenEntry(context.prompts, entries.value());
    if (chosen < 0 || chosen >= int(entries.value().size())) {
        return;
    }
    model::adoptPicture(context.state, entries.value()[std::size_t(chosen)].picture);
    context.state.markSaved();
    context.changed();
}

bool saveG1mFile(EditorContext& context, const QString& path) {
    const int number = context.prompts.choosePictureNumber(g1mfile::kFirstPictureNumber);
    if (number < g1mfile::kFirstPictureNumber || number > g1mfile::kLastPictureNumber) {
        return false;
    }
    context.prompts.message(monochromeWarning());
    const model::Outcome written = exchange::writeG1mFile(path, context.state.picture, number);
    if (!written) {
        context.prompts.message(saveFailureMessage(path, exchange::failureText(written.failure())));
    }
    return bool(written);
}

}  // namespace tavrolin::ui
