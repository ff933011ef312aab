#pragma once

#include <QFileIconProvider>

namespace tavrolin::ui {

// The icons and type names a file dialog shows, told from the files' names alone. Qt's
// own guess reads a file's first bytes, on the user-interface thread as the dialog
// lists a folder, and some files never answer a read: /proc/kmsg, a link to it, a
// device. Folders and special files keep Qt's icons, which need no read; the
// calculators' picture files and folders are named by the editor.
class FileNameIconProvider : public QFileIconProvider {
  public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

}  // namespace tavrolin::ui
