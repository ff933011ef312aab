#pragma once

#include <QObject>
#include <memory>

#include "exchange/catfileload.h"
#include "exchange/catfilesave.h"
#include "ui/editorcontext.h"

class QTimer;
class QWidget;

namespace tavrolin::ui {

class LoadColoursDialog;
class SaveColoursDialog;
class ToolboxFrame;

// "Otvor" and "Ulož" with their colour dialogs and completion timers. The window holds
// one picture file at a time: while a load or save waits, either command only brings
// its colour dialog to the front. The dialogs are windows of their own, kept above the
// main window and closed with it.
class PictureFileSession : public QObject {
    Q_OBJECT

  public:
    // loadTimer and saveTimer ("Timer2", "Timer3") are the window's idle completion
    // timers; the toolbox tells which calculator a save writes for.
    PictureFileSession(EditorContext& context, QTimer& loadTimer, QTimer& saveTimer,
                       const ToolboxFrame& toolbox, QWidget* window);
    ~PictureFileSession() override;

    // "Otvor": asks for the file, then opens it as openFile does.
    void open();
    // "Otvor" with the file already chosen.
    void openFile(const QString& path);
    void save();

  signals:
    // A save asked for has ended: written whole (the picture then has no unsaved
    // changes), or cancelled, refused or failed.
    void saveEnded(bool saved);

  private:
    bool fileWaiting();
    bool chooseFile(const QString& title, bool forSaving);
    void startLoad();
    void bringToFront(QWidget& dialog);
    void showSaveFailure(const model::Failure& failure);
    void finishLoad();
    void finishSave();
    void loadColoursRefused();
    void saveColoursRefused();
    void endSave(bool saved);

    EditorContext& context_;
    QTimer& loadTimer_;  // "Timer2", completes a load
    QTimer& saveTimer_;  // "Timer3", completes a save
    const ToolboxFrame& toolbox_;
    QWidget& window_;
    std::unique_ptr<LoadColoursDialog> loadColours_;
    std::unique_ptr<SaveColoursDialog> saveColours_;
    exchange::CatFileLoad load_;
    exchange::CatFileSave save_;
};

}  // namespace tavrolin::ui
