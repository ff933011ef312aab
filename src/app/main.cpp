#include <QApplication>
#include <QStyleFactory>
#include <memory>

#include "ui/form1.h"
#include "ui/form4.h"
#include "ui/icons.h"
#include "ui/qtprompts.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrolin"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(tavrolin::ui::icons::programIcon());

    tavrolin::ui::QtPrompts prompts;
    std::unique_ptr<tavrolin::ui::Form1> mainWindow;
    auto* splash = new tavrolin::ui::Form4([&] {
        mainWindow = std::make_unique<tavrolin::ui::Form1>(prompts);
        prompts.setParent(mainWindow.get());
        mainWindow->show();
    });
    splash->show();
    return QApplication::exec();
}
