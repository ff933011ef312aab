#include "ui/dialogs/fitdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <utility>

#include "model/palette.h"
#include "model/picturebox.h"

namespace tavrolin::ui {

namespace {

constexpr int kZoom = 2;

QRadioButton* addChoice(QGroupBox* group, const char* name, const QString& caption, bool checked) {
    auto* choice = new QRadioButton(caption, group);
    choice->setObjectName(QString::fromLatin1(name));
    choice->setChecked(checked);
    group->layout()->addWidget(choice);
    return choice;
}

QGroupBox* choiceGroup(const QString& title, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setLayout(new QVBoxLayout);
    return group;
}

// The picture as the calculator shows it, each cell a square of kZoom pixels.
QPixmap enlarged(const model::PictureGrid& picture) {
    QImage image(model::kColumns, model::kRows, QImage::Format_RGB32);
    model::PictureGrid::forEachUsedCell([&](int x, int y) {
        image.setPixel(x - 1, y - 1, model::toQRgb(*model::paletteRgb(picture.at(x, y))));
    });
    return QPixmap::fromImage(image.scaled(image.size() * kZoom));
}

}  // namespace

FitDialog::FitDialog(QImage image, const exchange::FitOptions& initial, QWidget* parent)
    : QDialog(parent), image_(std::move(image)), colours_(initial.colours) {
    using exchange::FitDither;
    setObjectName(QStringLiteral("FitDialog"));
    setWindowTitle(tr("Prispôsobiť obrázok"));

    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("fitPreview"));
    preview_->setFrameStyle(QFrame::Box | QFrame::Plain);
    preview_->setFixedSize(model::kColumns * kZoom + 2, model::kRows * kZoom + 2);

    QGroupBox* size = choiceGroup(tr("Veľkosť:"), this);
    const bool cover = initial.mode == exchange::FitMode::Cover;
    contain_ = addChoice(size, "fitContain", tr("Celý obrázok"), !cover);
    cover_ = addChoice(size, "fitCover", tr("Vyplniť a orezať"), cover);
    QGroupBox* shades = choiceGroup(tr("Odtiene:"), this);
    diffuse_ =
        addChoice(shades, "fitDiffuse", tr("Rozptýlené"), initial.dither == FitDither::Diffuse);
    ordered_ =
        addChoice(shades, "fitOrdered", tr("Pravidelné"), initial.dither == FitDither::Ordered);
    threshold_ =
        addChoice(shades, "fitThreshold", tr("Prah"), initial.dither == FitDither::Threshold);

    thresholdSlider_ = new QSlider(Qt::Horizontal, this);
    thresholdSlider_->setObjectName(QStringLiteral("fitThresholdLevel"));
    thresholdSlider_->setRange(0, 255);
    thresholdSlider_->setValue(initial.threshold);
    thresholdValue_ = new QLabel(this);
    thresholdValue_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000")));
    auto* thresholdLabel = new QLabel(tr("Prah jasu:"), this);
    thresholdLabel->setBuddy(thresholdSlider_);
    invert_ = new QCheckBox(tr("Invertovať"), this);
    invert_->setObjectName(QStringLiteral("fitInvert"));
    invert_->setChecked(initial.invert);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Zrušiť"), QDialogButtonBox::RejectRole);
    QPushButton* asIs = buttons->addButton(tr("Ponechať tak, ako je"), QDialogButtonBox::ResetRole);
    asIs->setObjectName(QStringLiteral("fitAsIs"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(asIs, &QPushButton::clicked, this, [this] { done(kAsIs); });

    auto* choices = new QHBoxLayout;
    choices->addWidget(size);
    choices->addWidget(shades);
    auto* level = new QHBoxLayout;
    level->addWidget(thresholdLabel);
    level->addWidget(thresholdSlider_);
    level->addWidget(thresholdValue_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(preview_, 0, Qt::AlignHCenter);
    layout->addLayout(choices);
    layout->addLayout(level);
    layout->addWidget(invert_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QRadioButton* choice : {contain_, cover_, diffuse_, ordered_, threshold_}) {
        connect(choice, &QRadioButton::toggled, this, &FitDialog::showPreview);
    }
    connect(thresholdSlider_, &QSlider::valueChanged, this, &FitDialog::showPreview);
    connect(invert_, &QCheckBox::toggled, this, &FitDialog::showPreview);
    showPreview();
}

exchange::FitOptions FitDialog::options() const {
    exchange::FitOptions options;
    options.mode = cover_->isChecked() ? exchange::FitMode::Cover : exchange::FitMode::Contain;
    options.dither = diffuse_->isChecked()   ? exchange::FitDither::Diffuse
                     : ordered_->isChecked() ? exchange::FitDither::Ordered
                                             : exchange::FitDither::Threshold;
    options.threshold = thresholdSlider_->value();
    options.invert = invert_->isChecked();
    options.colours = colours_;
    return options;
}

FitAnswer FitDialog::answer() const {
    if (result() == QDialog::Accepted) {
        return {FitAnswer::Choice::Fit, options()};
    }
    return {result() == kAsIs ? FitAnswer::Choice::AsIs : FitAnswer::Choice::Cancel, options()};
}

void FitDialog::showPreview() {
    // The brightness threshold means nothing to the two ways of dithering.
    thresholdSlider_->setEnabled(threshold_->isChecked());
    thresholdValue_->setText(QString::number(thresholdSlider_->value()));
    preview_->setPixmap(enlarged(exchange::fitImage(image_, options())));
}

}  // namespace tavrolin::ui
