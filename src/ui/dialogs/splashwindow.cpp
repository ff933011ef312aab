#include "ui/dialogs/splashwindow.h"

#include <QPainter>
#include <QTimer>

#include "ui/accessibility.h"
#include "ui/icons.h"
#include "ui/taborder.h"

namespace tavrolin::ui {

SplashWindow::SplashWindow(std::function<void()> openMainWindow, QWidget* parent)
    : QWidget(parent), openMainWindow_(std::move(openMainWindow)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Tavrolin"));
    setFixedSize(399, 300);
    closeTimer_ = new QTimer(this);
    closeTimer_->setObjectName(QStringLiteral("Timer1"));
    closeTimer_->setSingleShot(true);
    connect(closeTimer_, &QTimer::timeout, this, &SplashWindow::closeSplash);
    closeTimer_->start(2000);
    // Naming it for screen readers wakes the accessibility bridge, which takes longer
    // than showing the window: done just after.
    QTimer::singleShot(0, this, [this] {
        giveRole(*this, QAccessible::Window);
        setAccessibleDescription(tr("úvodné okno"));
        orderTabStops(*this);
    });
}

void SplashWindow::mousePressEvent(QMouseEvent*) {
    closeSplash();
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, icons::titlePicture());
}

void SplashWindow::closeSplash() {
    // A click and the timer may both come; only the first opens the main window.
    if (closing_) {
        return;
    }
    closing_ = true;
    closeTimer_->stop();
    openMainWindow_();
    hide();
    deleteLater();
}

}  // namespace tavrolin::ui
