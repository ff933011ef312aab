#pragma once

#include <QObject>

#include "model/editorstate.h"
#include "ui/dialogs/prompts.h"

namespace tavrolin::ui {

// The main window's state and dialogs, shared by its frames. Every handler that
// changes the state calls changed(), and each frame then shows the new state in its
// own controls.
class EditorContext : public QObject {
    Q_OBJECT

  public:
    explicit EditorContext(Prompts& dialogs) : prompts(dialogs) {}

    model::EditorState state;
    Prompts& prompts;

    void changed() { emit stateChanged(); }

  signals:
    void stateChanged();
};

}  // namespace tavrolin::ui
