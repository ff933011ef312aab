#include "ui/form1.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>

#include "exchange/pictureformats.h"
#include "model/canvas.h"
#include "tools/pointermove.h"
#include "tools/shapetools.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/frames/contactframe.h"
#include "ui/frames/coordinatesframe.h"
#include "ui/frames/importframe.h"
#include "ui/frames/menuframe.h"
#include "ui/frames/replaceframe.h"
#include "ui/frames/toolboxframe.h"
#include "ui/icons.h"
#include "ui/picturefilesession.h"
#include "ui/views/canvasview.h"
#include "ui/views/pictureboxview.h"

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

Form1::Form1(Prompts& prompts, QWidget* parent) : QWidget(parent), context_(prompts) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Tavrolin v. 2.0 – obrázky pre kalkulačky Casio"));
    setWindowIcon(icons::programIcon());
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    // Narrow letters let the captions fit the window's small, fixed frames.
    font.setStretch(QFont::SemiCondensed);
    setFont(font);
    setFixedSize(794, 575);
    setMouseTracking(true);

    // The 1:1 preview.
    auto* Picture2 = new PictureBoxView(context_.state.preview, 1, this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->move(8, 8);
    (new CoordinatesFrame(context_, this))->setGeometry(8, 80, 129, 41);
    // Timer1 refreshes the preview twice a second; Timer2 and Timer3 complete the
    // loading and the saving of a picture file.
    auto* Timer1 = makeTimer(this, "Timer1");
    auto* Timer2 = makeTimer(this, "Timer2");
    auto* Timer3 = makeTimer(this, "Timer3");
    // Made before the file session, which asks it for the calculator chosen.
    auto* toolbox = new ToolboxFrame(context_, this);
    toolbox->setGeometry(144, 336, 505, 233);
    pictureFiles_ = new PictureFileSession(context_, *Timer2, *Timer3, *toolbox, this);
    auto* importFrame = new ImportFrame(context_, this);
    importFrame->setGeometry(8, 240, 129, 169);
    Frame2 = new MenuFrame(context_, *importFrame, *pictureFiles_, *toolbox, this);
    Frame2->setGeometry(8, 128, 129, 105);
    (new ReplaceFrame(context_, this))->setGeometry(8, 416, 129, 153);
    Picture1 = new CanvasView(context_.state, this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->move(144, 8);
    Frame3 = new ContactFrame(this);
    Frame3->setGeometry(656, 336, 129, 233);

    Timer1->start(500);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(Picture1, &PictureBoxView::mouseMoved, this, &Form1::Picture1_MouseMove);
    connect(Picture1, &PictureBoxView::clicked, this, &Form1::Picture1_Click);
    connect(&context_, &EditorContext::stateChanged, Picture1, qOverload<>(&QWidget::update));
    clearLinkUnderlinesOverTheirAreas();
    Form_Load();
    makeAccessible(*this, context_);
    setAcceptDrops(true);
}

void Form1::openPath(const QString& path) {
    if (exchange::formatOfFile(path) != exchange::PictureFormat::Image) {
        pictureFiles_->openFile(path);
    } else {
        Frame2->importFile(path);
    }
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void Form1::dropEvent(QDropEvent* event) {
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

void Form1::Form_Load() {
    model::drawGrid(context_.state);
    model::refreshPreview(context_.state);
    context_.changed();
}

void Form1::clearLinkUnderlinesOverTheirAreas() {
    Frame3->clearUnderlinesOnHover(this);
    clearLinkUnderlinesOver({Picture1});
    for (QWidget* area : findChildren<QWidget*>()) {
        if (clearsLinkUnderlines(*area)) {
            Frame3->clearUnderlinesOnHover(area);
        }
    }
}

void Form1::Picture1_MouseMove(int buttons, QPointF position) {
    tools::pointerMoved(context_.state, buttons, static_cast<float>(position.x()),
                        static_cast<float>(position.y()));
    context_.changed();
}

void Form1::Picture1_Click() {
    tools::canvasClicked(context_.state);
    context_.changed();
}

void Form1::Timer1_Timer() {
    model::refreshPreview(context_.state);
}

}  // namespace tavrolin::ui
