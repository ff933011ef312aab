#pragma once

#include <QTranslator>

namespace tavrolin::app {

// Qt's own texts in Slovak, as the rest of the editor is: the file dialogs and the
// buttons of message boxes. Qt 6 looks the standard buttons' texts ("Cancel", "&Yes")
// up under a context that Qt's Slovak catalogue does not have; the catalogue still
// holds them under the one Qt used before, and they are taken from there.
class QtSlovakTexts : public QTranslator {
  public:
    // From Qt's translations folder; false when that catalogue is not installed.
    bool load();

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
};

}  // namespace tavrolin::app
