#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/editorrequest.h"
#include "app/qttexts.h"
#include "language/uilanguage.h"
#include "ui/dialogs/qtprompts.h"
#include "ui/dialogs/splashwindow.h"
#include "ui/icons.h"
#include "ui/mainwindow.h"
#include "version/version.h"

using tavrolin::app::EditorRequest;
using tavrolin::language::LanguageChoice;

namespace {

int refuse(const QString& problem) {
    std::fprintf(stderr, "tavrolin: %s\n%s\n", qUtf8Printable(problem),
                 qUtf8Printable(tavrolin::app::editorUsage()));
    return 2;
}

// What is answered without a window, in the language chosen: the help, the version
// and arguments that make no sense.
int answerOnCommandLine(const EditorRequest& request, const LanguageChoice& language) {
    if (!language.understood) {
        return refuse(tavrolin::language::languageOptionProblem());
    }
    if (request.kind == EditorRequest::Kind::Help) {
        std::fputs(qUtf8Printable(tavrolin::app::editorHelp()), stdout);
        return 0;
    }
    if (request.kind == EditorRequest::Kind::Version) {
        std::printf("tavrolin %s\n", tavrolin::kVersion);
        return 0;
    }
    return refuse(request.problem);
}

// The style, the program's icon and Qt's own texts in the editor's language.
void prepareForMainWindow(tavrolin::app::QtTexts& qtTexts, const QString& language) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(tavrolin::ui::icons::programIcon());
    // Qt's own dialogs speak the window's language, the names of file types in them
    // included, whatever the system's formats.
    QLocale::setDefault(QLocale(language));
    if (qtTexts.load(language)) {
        QApplication::installTranslator(&qtTexts);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const LanguageChoice language =
        tavrolin::language::takeLanguageOption(arguments, QLocale::system().uiLanguages());
    // Everything but the window is answered before Qt's windowing starts, so --help,
    // --version and wrong arguments need no display.
    const EditorRequest request = tavrolin::app::parseEditorArguments(arguments);
    if (!language.understood || request.kind != EditorRequest::Kind::Edit) {
        QCoreApplication commandLine(argc, argv);
        tavrolin::language::useLanguage(language.language);
        // Parsed once more, so that its problem is told in the language now in use.
        return answerOnCommandLine(tavrolin::app::parseEditorArguments(arguments), language);
    }

    QApplication application(argc, argv);
    // The splash's own texts too are in the language: ours load in well under a
    // millisecond, Qt's wait until the splash is up.
    tavrolin::language::useLanguage(language.language);
    // The file dialogs remember their folders under these names.
    QApplication::setOrganizationName(QStringLiteral("Tavrolin"));
    QApplication::setApplicationName(QStringLiteral("Tavrolin"));
    QApplication::setApplicationVersion(QString::fromLatin1(tavrolin::kVersion));
    tavrolin::ui::QtPrompts prompts;
    std::unique_ptr<tavrolin::ui::MainWindow> mainWindow;
    const QString path =
        request.path.isEmpty() ? QString() : QFileInfo(request.path).absoluteFilePath();
    auto* splash = new tavrolin::ui::SplashWindow([&] {
        mainWindow = std::make_unique<tavrolin::ui::MainWindow>(prompts);
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
    tavrolin::app::QtTexts qtTexts;
    QTimer::singleShot(0, &application, [&] { prepareForMainWindow(qtTexts, language.language); });
    return QApplication::exec();
}
