#include "ui/frames/menuframe.h"

#include "exchange/bmpexport.h"
#include "exchange/pictureformats.h"
#include "model/newpicture.h"
#include "ui/controls.h"
#include "ui/frames/toolboxframe.h"
#include "ui/importsession.h"
#include "ui/picturefilemessages.h"
#include "ui/picturefilesession.h"
#include "ui/shortcuts.h"

namespace tavrolin::ui {

MenuFrame::MenuFrame(EditorContext& context, PictureFileSession& pictureFiles,
                     ImportSession& imports, const ToolboxFrame& toolbox, QWidget* parent)
    : QGroupBox(tr("Menu:"), parent),
      context_(context),
      pictureFiles_(pictureFiles),
      imports_(imports),
      toolbox_(toolbox) {
    setObjectName(QStringLiteral("Frame2"));
    auto* saveButton = makeButton(this, "Command2", tr("Ulož"), QRect(8, 16, 57, 25));
    auto* openButton = makeButton(this, "Command1", tr("Otvor"), QRect(64, 16, 57, 25));
    auto* newButton = makeButton(this, "Command3", tr("Nový"), QRect(8, 40, 113, 25));
    auto* exportButton = makeButton(this, "Command4", tr("Exportuj obrázok"), QRect(8, 64, 57, 33));
    auto* importButton =
        makeButton(this, "Command5", tr("Importuj obrázok"), QRect(64, 64, 57, 33));
    clickOnKeys(*newButton, {Qt::CTRL | Qt::Key_N});
    clickOnKeys(*openButton, {Qt::CTRL | Qt::Key_O});
    clickOnKeys(*saveButton, {Qt::CTRL | Qt::Key_S});
    clickOnKeys(*exportButton, {Qt::CTRL | Qt::Key_E});
    clickOnKeys(*importButton, {Qt::CTRL | Qt::Key_I});
    connect(openButton, &QPushButton::clicked, this, &MenuFrame::openPicture);
    connect(saveButton, &QPushButton::clicked, this, &MenuFrame::savePicture);
    connect(newButton, &QPushButton::clicked, this, &MenuFrame::newPicture);
    connect(exportButton, &QPushButton::clicked, this, &MenuFrame::exportPicture);
    connect(importButton, &QPushButton::clicked, this, &MenuFrame::importPicture);
}

void MenuFrame::openPicture() {
    pictureFiles_.open();
}

void MenuFrame::savePicture() {
    pictureFiles_.save();
}

void MenuFrame::newPicture() {
    model::newPicture(context_.state);
    context_.changed();
}

void MenuFrame::exportPicture() {
    model::EditorState& state = context_.state;
    state.fileName = context_.prompts.saveFileName(
        {tr("Exportuj obrázok"), exchange::exportFilter(), QStringLiteral("export"),
         exchange::extendingExportPatterns()});
    if (state.fileName.isEmpty()) {
        return;
    }
    if (const model::Outcome written =
            exchange::exportPicture(state, state.fileName, toolbox_.calculatorVariant());
        !written) {
        context_.prompts.message(
            tr("Obrázok nemôžem zapísať do súboru „%1“! Skontrolujte prosím, či "
               "priečinok existuje a či doň možno zapisovať.")
                .arg(state.fileName) +
            reasonParagraph(written.failure()));
    }
    context_.changed();
}

void MenuFrame::importPicture() {
    imports_.import();
}

}  // namespace tavrolin::ui
