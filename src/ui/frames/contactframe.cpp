#include "ui/frames/contactframe.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>

#include "language/uilanguage.h"
#include "ui/accessibility.h"
#include "ui/apptitle.h"
#include "ui/controls.h"
#include "ui/dialogs/prompts.h"
#include "ui/icons.h"
#include "version/version.h"

namespace tavrolin::ui {

namespace {

void setUnderlined(QLabel* label, bool underlined) {
    QFont font = label->font();
    if (font.underline() != underlined) {
        font.setUnderline(underlined);
        label->setFont(font);
    }
}

// One of the program's documents, installed beside it (share/doc/tavrolin) or laid
// there by the build; an empty address when it is not on this computer.
QUrl localDocument(const QString& name) {
    const QString path =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/doc/tavrolin/") + name;
    return QFileInfo::exists(path) ? QUrl::fromLocalFile(QFileInfo(path).canonicalFilePath())
                                   : QUrl();
}

// The guide in the language of the window, else in English.
QUrl guideDocument() {
    const QUrl own = localDocument(QStringLiteral("guide/%1.html").arg(language::languageInUse()));
    return own.isEmpty() ? localDocument(QStringLiteral("guide/en.html")) : own;
}

// A label that opens its document when clicked and reports pointer moves; its tooltip
// says what it opens. Without a document, a click says that it is missing.
class LinkLabel : public QLabel {
  public:
    LinkLabel(const QString& text, QUrl url, const QString& tooltip, Prompts& prompts,
              QWidget* parent)
        : QLabel(text, parent), url_(std::move(url)), prompts_(prompts) {
        setMouseTracking(true);
        if (!url_.isEmpty()) {
            setCursor(Qt::PointingHandCursor);
            setToolTip(tooltip);
        }
    }

  protected:
    void mouseReleaseEvent(QMouseEvent*) override {
        if (url_.isEmpty()) {
            prompts_.message(
                ContactFrame::tr("Tento dokument sa s programom na tento počítač "
                                 "nenainštaloval."));
        } else if (!QDesktopServices::openUrl(url_)) {
            prompts_.message(ContactFrame::tr("Dokument „%1“ sa nepodarilo otvoriť: v počítači "
                                              "nie je program, ktorý by ho zobrazil.")
                                 .arg(url_.toLocalFile()));
        }
    }

  private:
    QUrl url_;
    Prompts& prompts_;
};

}  // namespace

ContactFrame::ContactFrame(Prompts& prompts, QWidget* parent)
    : QGroupBox(tr("Kontakt na autora:"), parent) {
    setObjectName(QStringLiteral("Frame3"));
    setMouseTracking(true);
    auto* photo = new QLabel(this);
    photo->setObjectName(QStringLiteral("Picture4"));
    photo->setGeometry(8, 18, 56, 84);
    photo->setAlignment(Qt::AlignCenter);
    photo->setPixmap(QPixmap::fromImage(icons::calculator(56)));
    namePicture(*photo, tr("Kalkulačka"));
    makeLabel(this, "Label8", QStringLiteral("Tavrolin"), QRect(68, 22, 58, 16));
    makeLabel(this, "Label6", tr("verzia %1").arg(QLatin1String(kVersion)), QRect(68, 42, 58, 16));
    makeLabel(this, "Label7", tr("editor obrázkov"), QRect(68, 58, 58, 30));
    makeLabel(this, "Label12", tr("Licencia:"), QRect(8, 110, 50, 16));
    makeLabel(this, "Label13", licenceName(), QRect(60, 110, 60, 16));
    makeLabel(this, "Label15", tr("slobodný softvér"), QRect(8, 126, 113, 16));
    makeLabel(this, "Label10", tr("Dokumenty:"), QRect(8, 148, 113, 16));
    guideLink_ = new LinkLabel(tr("návod"), guideDocument(),
                               tr("Otvorí návod k programu v prehliadači"), prompts, this);
    guideLink_->setObjectName(QStringLiteral("Label11"));
    guideLink_->setGeometry(8, 172, 113, 16);
    licenceLink_ = new LinkLabel(tr("text licencie"), localDocument(QStringLiteral("LICENSE")),
                                 tr("Otvorí text licencie"), prompts, this);
    licenceLink_->setObjectName(QStringLiteral("Label14"));
    licenceLink_->setGeometry(8, 192, 113, 16);
    for (QLabel* link : {guideLink_, licenceLink_}) {
        QPalette palette = link->palette();
        palette.setColor(QPalette::WindowText, kValueColour);
        link->setPalette(palette);
        link->installEventFilter(this);
    }
    for (QWidget* area : findChildren<QWidget*>()) {
        if (area != guideLink_ && area != licenceLink_) {
            clearUnderlinesOnHover(area);
        }
    }
    clearUnderlinesOnHover(this);
}

void ContactFrame::clearUnderlinesOnHover(QWidget* area) {
    areas_.insert(area);
    area->setMouseTracking(true);
    area->installEventFilter(this);
}

void ContactFrame::resetLinkUnderlines() {
    setUnderlined(guideLink_, false);
    setUnderlined(licenceLink_, false);
}

void ContactFrame::guideHovered() {
    setUnderlined(guideLink_, true);
    setUnderlined(licenceLink_, false);
}

void ContactFrame::licenceHovered() {
    setUnderlined(licenceLink_, true);
    setUnderlined(guideLink_, false);
}

bool ContactFrame::pointerIsOnAreaItself(QObject* watched, const QMouseEvent* event) const {
    // A move that a child did not take reaches its parents too; only the area under
    // the pointer counts (or a child that is such an area, disabled buttons included).
    const QWidget* child = static_cast<QWidget*>(watched)->childAt(event->position().toPoint());
    return child == nullptr || areas_.contains(child);
}

bool ContactFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == guideLink_) {
            guideHovered();
        } else if (watched == licenceLink_) {
            licenceHovered();
        } else if (pointerIsOnAreaItself(watched, static_cast<QMouseEvent*>(event))) {
            resetLinkUnderlines();
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace tavrolin::ui
