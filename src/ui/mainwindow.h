#pragma once

#include <QPointF>
#include <QWidget>

#include "ui/editorcontext.h"

class QTimer;

namespace tavrolin::ui {

class CanvasView;
class ContactFrame;
class ImportSession;
class PictureBoxView;
class PictureFileSession;

// The main window: the enlarged canvas, the 1:1 preview and the frames of commands
// around them. It owns the editor's state; each frame handles its own controls.
class MainWindow : public QWidget {
    Q_OBJECT

  public:
    explicit MainWindow(Prompts& prompts, QWidget* parent = nullptr);

    EditorContext& context() { return context_; }

    // A file given from outside, on the command line or dropped on the window: a
    // picture file is opened as "Otvor" opens the file chosen, anything else imported
    // as "Importuj obrázok" imports it.
    void openPath(const QString& path);

  protected:
    // With unsaved changes, asks whether to save them first: the window closes once they
    // are saved or given up, and stays after a cancel anywhere on the way.
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void drawEmptyPicture();
    void showUnsavedChanges();
    void closeIfSavedForClosing(bool saved);
    void canvasPointerMoved(int buttons, QPointF position);
    void canvasClicked();
    void refreshPreview();
    void clearLinkUnderlinesOverTheirAreas();
    void reflect();

    EditorContext context_;
    CanvasView* canvasView_;  // "Picture1", the enlarged canvas
    ContactFrame* contactFrame_;
    ImportSession* imports_;
    PictureFileSession* pictureFiles_;
    bool savingToClose_ = false;
};

}  // namespace tavrolin::ui
