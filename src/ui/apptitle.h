#pragma once

#include <QString>

namespace tavrolin::ui {

// The caption of every message box.
inline QString applicationTitle() {
    return QStringLiteral("Tavrolin");
}

// The licence it is given under, as the LICENSE file beside the README says.
inline QString licenceName() {
    return QStringLiteral("MIT");
}

}  // namespace tavrolin::ui
