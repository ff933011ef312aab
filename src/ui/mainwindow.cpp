#include "ui/mainwindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QShortcut>
#include <QTimer>
#include <utility>

#include "exchange/pictureformats.h"
#include "model/canvas.h"
#include "tools/pointermove.h"
#include "tools/shapetools.h"
#include "tools/tooltable.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/frames/contactframe.h"
#include "ui/frames/coordinatesframe.h"
#include "ui/frames/importframe.h"
#include "ui/frames/menuframe.h"
#include "ui/frames/replaceframe.h"
#include "ui/frames/toolboxframe.h"
#include "ui/icons.h"
#include "ui/importsession.h"
#include "ui/picturefilesession.h"
#include "ui/taborder.h"
#include "ui/views/canvasview.h"
#include "ui/views/colourswatch.h"
#include "ui/views/pictureboxview.h"
#include "version/version.h"

namespace tavrolin::ui {

namespace {

QTimer* makeTimer(QObject* parent, const char* name) {
    auto* timer = new QTimer(parent);
    timer->setObjectName(QString::fromLatin1(name));
    return timer;
}

// The one local file dropped, or "" for several files or anything that is no file.
QString droppedFile(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

}  // namespace

MainWindow::MainWindow(Prompts& prompts, QWidget* parent) : QWidget(parent), context_(prompts) {
    setObjectName(QStringLiteral("Form1"));
    // The desktop marks a window of unsaved changes by a star where "[*]" stands.
    setWindowTitle(
        QStringLiteral("[*]") +
        tr("Tavrolin v. %1 – obrázky pre kalkulačky Casio").arg(QLatin1String(kVersion)));
    setWindowIcon(icons::programIcon());
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    // Narrow letters let the captions fit the window's small, fixed frames.
    font.setStretch(QFont::SemiCondensed);
    setFont(font);
    setFixedSize(794, 575);
    setMouseTracking(true);

    // The 1:1 preview.
    auto* preview = new PictureBoxView(context_.state.preview, 1, this);
    preview->setObjectName(QStringLiteral("Picture2"));
    preview->move(8, 8);
    namePicture(*preview, tr("Náhľad"));
    (new CoordinatesFrame(context_, this))->setGeometry(8, 80, 129, 41);
    // previewTimer refreshes the preview twice a second; loadTimer and saveTimer complete the
    // loading and the saving of a picture file.
    auto* previewTimer = makeTimer(this, "Timer1");
    auto* loadTimer = makeTimer(this, "Timer2");
    auto* saveTimer = makeTimer(this, "Timer3");
    // Made before the file session, which asks it for the calculator chosen.
    auto* toolbox = new ToolboxFrame(context_, this);
    toolbox->setGeometry(144, 336, 505, 233);
    pictureFiles_ = new PictureFileSession(context_, *loadTimer, *saveTimer, *toolbox, this);
    auto* importFrame = new ImportFrame(context_, this);
    importFrame->setGeometry(8, 240, 129, 169);
    imports_ = new ImportSession(context_, *importFrame, *toolbox, this);
    (new MenuFrame(context_, *pictureFiles_, *imports_, *toolbox, this))
        ->setGeometry(8, 128, 129, 105);
    (new ReplaceFrame(context_, this))->setGeometry(8, 416, 129, 153);
    canvasView_ = new CanvasView(context_.state, this);
    canvasView_->setObjectName(QStringLiteral("Picture1"));
    canvasView_->move(144, 8);
    canvasView_->setAccessibleName(tr("Plátno"));
    giveRole(*canvasView_, QAccessible::Canvas);
    contactFrame_ = new ContactFrame(prompts, this);
    contactFrame_->setGeometry(656, 336, 129, 233);

    previewTimer->start(500);
    connect(previewTimer, &QTimer::timeout, this, &MainWindow::refreshPreview);
    connect(canvasView_, &PictureBoxView::mouseMoved, this, &MainWindow::canvasPointerMoved);
    connect(canvasView_, &PictureBoxView::clicked, this, &MainWindow::canvasClicked);
    connect(&context_, &EditorContext::stateChanged, canvasView_, qOverload<>(&QWidget::update));
    connect(&context_, &EditorContext::stateChanged, this, &MainWindow::reflect);
    connect(&context_, &EditorContext::stateChanged, this, &MainWindow::showUnsavedChanges);
    connect(pictureFiles_, &PictureFileSession::saveEnded, this,
            &MainWindow::closeIfSavedForClosing);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this,
            &QWidget::close);
    clearLinkUnderlinesOverTheirAreas();
    drawEmptyPicture();
    giveRole(*this, QAccessible::Window);
    orderTabStops(*this);
    setAcceptDrops(true);
}

void MainWindow::openPath(const QString& path) {
    if (exchange::formatOfFile(path).reading == exchange::Reading::Image) {
        imports_->importFile(path);
    } else {
        pictureFiles_->openFile(path);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    const CloseAnswer answer = context_.state.hasUnsavedChanges()
                                   ? context_.prompts.askSaveBeforeClosing()
                                   : CloseAnswer::Discard;
    if (answer == CloseAnswer::Discard) {
        event->accept();
        return;
    }
    event->ignore();
    if (answer == CloseAnswer::Save) {
        savingToClose_ = true;
        pictureFiles_->save();
    }
}

void MainWindow::closeIfSavedForClosing(bool saved) {
    if (std::exchange(savingToClose_, false) && saved) {
        // Not from inside the close that asked: a save can end before it returns.
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void MainWindow::showUnsavedChanges() {
    setWindowModified(context_.state.hasUnsavedChanges());
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // The drop ends first: a dialog or message shown inside it would keep the program
    // the file came from waiting.
    QMetaObject::invokeMethod(
        this, [this, path] { openPath(path); }, Qt::QueuedConnection);
}

void MainWindow::drawEmptyPicture() {
    model::drawGrid(context_.state);
    model::refreshPreview(context_.state);
    context_.changed();
}

void MainWindow::clearLinkUnderlinesOverTheirAreas() {
    contactFrame_->clearUnderlinesOnHover(this);
    clearLinkUnderlinesOver({canvasView_});
    for (QWidget* area : findChildren<QWidget*>()) {
        if (clearsLinkUnderlines(*area)) {
            contactFrame_->clearUnderlinesOnHover(area);
        }
    }
}

// The canvas tells a reader the drawing state: "nástroj: pero, farba: čierna, hrúbka: 1".
void MainWindow::reflect() {
    const model::EditorState& state = context_.state;
    setSpokenDescription(*canvasView_, tr("nástroj: %1, farba: %2, hrúbka: %3")
                                           .arg(tools::describeTool(state.currentTool).wordShown(),
                                                ColourSwatch::colourName(state.currentColor))
                                           .arg(state.penWidth));
}

void MainWindow::canvasPointerMoved(int buttons, QPointF position) {
    tools::pointerMoved(context_.state, buttons, static_cast<float>(position.x()),
                        static_cast<float>(position.y()));
    context_.changed();
}

void MainWindow::canvasClicked() {
    tools::canvasClicked(context_.state);
    context_.changed();
}

void MainWindow::refreshPreview() {
    model::refreshPreview(context_.state);
}

}  // namespace tavrolin::ui
