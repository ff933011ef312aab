#pragma once

#include <QObject>

#include "exchange/imagefit.h"
#include "ui/editorcontext.h"

namespace tavrolin::ui {

class ImportFrame;
class ToolboxFrame;

// "Importuj obrázok": the file dialog, the offer to fit an image that is more than a
// calculator picture, and the import itself.
class ImportSession : public QObject {
    Q_OBJECT

  public:
    // The import keeps the colours ticked in importFrame, and fits an image to the
    // colours of the calculator the toolbox has chosen.
    ImportSession(EditorContext& context, const ImportFrame& importFrame,
                  const ToolboxFrame& toolbox, QObject* parent);

    // Asks for the file, then imports it as importFile does.
    void import();
    // "Importuj obrázok" with the file already chosen.
    void importFile(const QString& path);

  private:
    // Offers to fit an image that is more than a calculator picture, and fits it when
    // the user asks; "as is" for any other file.
    FitAnswer::Choice offerFit(const QString& path);
    void importAsIs();
    // "Súbor „…“ nemôžem načítať ako obrázok!" and why.
    void tellUnreadableImage(const model::Failure& failure);

    EditorContext& context_;
    const ImportFrame& importFrame_;
    const ToolboxFrame& toolbox_;
    // The fit chosen last, offered again for the next image.
    exchange::FitOptions lastFit_;
};

}  // namespace tavrolin::ui
