#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/editorrequest.h"
#include "app/qtslovaktexts.h"
#include "ui/apptitle.h"
#include "ui/dialogs/form4.h"
#include "ui/dialogs/qtprompts.h"
#include "ui/form1.h"
#include "ui/icons.h"

using tavrolin::app::EditorRequest;

namespace {

int refuse(const EditorRequest& request) {
    std::fprintf(stderr, "tavrolin: %s\n%s\n", qUtf8Printable(request.problem),
                 qUtf8Printable(tavrolin::app::editorUsage()));
    return 2;
}

// The style, the program's icon and Qt's own texts in Slovak.
void prepareForMainWindow(tavrolin::app::QtSlovakTexts& qtTexts) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(tavrolin::ui::icons::programIcon());
    // The whole window speaks Slovak, so Qt's own dialogs do too, the names of file types
    // in them included, whatever the system's language.
    QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
    if (qtTexts.load()) {
        QApplication::installTranslator(&qtTexts);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    // What needs no display is answered before Qt starts: --help, --version and too
    // many files. An unknown option waits until Qt has taken out its own.
    EditorRequest request = tavrolin::app::parseEditorArguments(arguments);
    if (request.kind == EditorRequest::Kind::Help) {
        std::fputs(qUtf8Printable(tavrolin::app::editorHelp()), stdout);
        return 0;
    }
    if (request.kind == EditorRequest::Kind::Version) {
        std::printf("tavrolin %s\n", tavrolin::ui::kApplicationVersion);
        return 0;
    }
    if (request.kind == EditorRequest::Kind::TooManyFiles) {
        return refuse(request);
    }

    QApplication application(argc, argv);
    // Qt has taken its own options (-platform, -style, ...) out of the arguments now.
    request = tavrolin::app::parseEditorArguments(QApplication::arguments().mid(1));
    if (request.kind == EditorRequest::Kind::UnknownOption ||
        request.kind == EditorRequest::Kind::TooManyFiles) {
        return refuse(request);
    }
    QApplication::setApplicationName(QStringLiteral("Tavrolin"));
    QApplication::setApplicationVersion(QString::fromLatin1(tavrolin::ui::kApplicationVersion));
    tavrolin::ui::QtPrompts prompts;
    std::unique_ptr<tavrolin::ui::Form1> mainWindow;
    const QString path =
        request.path.isEmpty() ? QString() : QFileInfo(request.path).absoluteFilePath();
    auto* splash = new tavrolin::ui::Form4([&] {
        mainWindow = std::make_unique<tavrolin::ui::Form1>(prompts);
        prompts.setParent(mainWindow.get());
        mainWindow->show();
        // The splash had the focus; keys go to the main window from its first moment.
        mainWindow->activateWindow();
        if (!path.isEmpty()) {
            // After the splash has gone, over the main window.
            QMetaObject::invokeMethod(
                mainWindow.get(), [&] { mainWindow->openPath(path); }, Qt::QueuedConnection);
        }
    });
    splash->show();
    // What only the main window needs is done once the splash is up, so it shows as
    // soon as a bare window would.
    tavrolin::app::QtSlovakTexts qtTexts;
    QTimer::singleShot(0, &application, [&qtTexts] { prepareForMainWindow(qtTexts); });
    return QApplication::exec();
}
