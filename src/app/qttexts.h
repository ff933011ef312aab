#pragma once

#include <QTranslator>

namespace tavrolin::app {

// Qt's own texts in the editor's language: the file dialogs and the buttons of message
// boxes. Qt 6 looks the standard buttons' texts ("Cancel", "&Yes") up under a context
// that Qt's older catalogues (the Slovak one among them) do not have; they still hold
// them under the one Qt used before, and they are taken from there.
class QtTexts : public QTranslator {
  public:
    // From Qt's translations folder; false when that catalogue is not installed, and
    // for English, in which Qt's texts are written.
    bool load(const QString& language);

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
};

}  // namespace tavrolin::app
