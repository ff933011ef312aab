#pragma once

#include <QWidget>
#include <functional>

class QTimer;

namespace tavrolin::ui {

// The splash window: the title picture for two seconds, or until it is clicked,
// then the main window.
class SplashWindow : public QWidget {
    Q_OBJECT

  public:
    explicit SplashWindow(std::function<void()> openMainWindow, QWidget* parent = nullptr);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void closeSplash();

    std::function<void()> openMainWindow_;
    QTimer* closeTimer_;  // "Timer1"
    bool closing_ = false;
};

}  // namespace tavrolin::ui
