#pragma once

#include <QTemporaryDir>
#include <optional>

#include "windowdriver.h"

// White, black, red, blue, green, a transparent black and a half-transparent red.
inline QImage mixedImage() {
    QImage image(7, 1, QImage::Format_ARGB32);
    for (int x = 0; x < 5; ++x) {
        image.setPixel(x, 0, pictureart::paletteQRgb(x));
    }
    image.setPixel(5, 0, qRgba(0, 0, 0, 0));
    image.setPixel(6, 0, qRgba(255, 0, 0, 128));
    return image;
}

// The window's files, as rows of user steps, and the dialogs they ask. How the files are
// read and written is tested where that is done.
class TestFilesWindow : public QObject {
    Q_OBJECT

    QString path(const QString& name) { return folder_->filePath(name); }

  private slots:
    // test_files_window.cpp: each test's files; .cat files, images, files from outside
    void init();
    void cleanup();
    void scenario_data();
    void scenario();
    // test_files_dialogs.cpp: .g1m files, the dialogs of fitting and replacing
    void g1mScenario_data();
    void g1mScenario() { scenario(); }
    void largeImageAsksHowToFit_data();
    void largeImageAsksHowToFit();
    void fitDialogAnswersAsChosen();
    void fileDialogListsFilesThatDoNotAnswer();
    void fileDialogNamesTypes();
    void replacementRefusedKeepsTheOldFile_data();
    void replacementRefusedKeepsTheOldFile();
    void saveDialogAsksBeforeReplacing_data();
    void saveDialogAsksBeforeReplacing();

  private:
    ScriptedPrompts prompts_;
    windowdriver::MainWindow ui_;
    std::optional<QTemporaryDir> folder_;
};
