// The yardstick of the editor's start-up: a bare Qt main window of the splash's size.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setFixedSize(399, 300);
    window.show();
    return QApplication::exec();
}
