#include "ui/dialogs/form4.h"

#include <QPainter>
#include <QTimer>

#include "ui/accessibility.h"
#include "ui/icons.h"

namespace tavrolin::ui {

Form4::Form4(std::function<void()> openMainWindow, QWidget* parent)
    : QWidget(parent), openMainWindow_(std::move(openMainWindow)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Tavrolin"));
    setFixedSize(399, 300);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &Form4::closeSplash);
    Timer1->start(2000);
    // Naming it for screen readers wakes the accessibility bridge, which takes longer
    // than showing the window: done just after.
    QTimer::singleShot(0, this, [this] { makeAccessible(*this); });
}

void Form4::mousePressEvent(QMouseEvent*) {
    closeSplash();
}

void Form4::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, icons::titlePicture());
}

void Form4::closeSplash() {
    // A click and the timer may both come; only the first opens the main window.
    if (closing_) {
        return;
    }
    closing_ = true;
    Timer1->stop();
    openMainWindow_();
    hide();
    deleteLater();
}

}  // namespace tavrolin::ui
