#pragma once

#include <QString>

namespace tavrolin::ui {

// The caption of every message box.
inline QString applicationTitle() {
    return QStringLiteral("Tavrolin");
}

}  // namespace tavrolin::ui
