#include <sys/stat.h>
#include <unistd.h>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "exchange/fitsource.h"
#include "exchange/imagescan.h"
#include "model/canvas.h"
#include "pictureart.h"
#include "testfiles.h"
#include "ui/dialogs/fitdialog.h"
#include "windowdriver.h"
#include "withoutroot.h"

using namespace tavrolin;
using model::PictureGrid;
using pictureart::paletteQRgb;
using pictureart::patternCode;
using namespace Qt::StringLiterals;

namespace {

QImage patternImage() {
    QImage image(model::kColumns, model::kRows, QImage::Format_RGB32);
    PictureGrid::forEachUsedCell(
        [&](int x, int y) { image.setPixel(x - 1, y - 1, paletteQRgb(patternCode(x, y))); });
    return image;
}

QImage filled(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

}  // namespace

class TestImageExchange : public QObject {
    Q_OBJECT

    model::EditorState& state() { return ui_.state(); }
    QString path(const QString& name) { return folder_.filePath(name); }
    QString save(const QImage& image, const QString& name, int quality = -1) {
        if (!image.save(path(name), nullptr, quality)) {
            qFatal("cannot write the test image");
        }
        return path(name);
    }
    void importFile(const QString& file) {
        prompts_.fileNames << file;
        ui_.click("Command5");
    }
    QImage exportFile(const QString& file) {
        prompts_.fileNames << file;
        ui_.click("Command4");
        return QImage(file);
    }
    void drawPattern() {
        state().picture = pictureart::patternPicture();
        model::repaintCanvas(state());
    }
    void verifyPattern() {
        QVERIFY(state().picture.usedCellsEqual(pictureart::patternPicture()));
        QCOMPARE(state().preview.image(), patternImage());
    }

  private slots:
    void init() {
        QVERIFY(folder_.isValid());
        QVERIFY(ui_.open(prompts_));
    }
    void cleanup() {
        QCOMPARE(state().canvas.image(), pictureart::repainted(state()));
        ui_.close();
        prompts_ = ScriptedPrompts();
    }

    // An image that is more than a calculator picture asks how to import it, in the
    // colours of the calculator chosen; "Naspäť" brings back the picture before.
    void largeImageAsksHowToFit_data() {
        QTest::addColumn<ui::FitAnswer::Choice>("choice");
        QTest::addColumn<bool>("colourCalculator");
        QTest::newRow("fitted") << ui::FitAnswer::Choice::Fit << false;
        QTest::newRow("fitted in colour") << ui::FitAnswer::Choice::Fit << true;
        QTest::newRow("as is") << ui::FitAnswer::Choice::AsIs << false;
        QTest::newRow("cancelled") << ui::FitAnswer::Choice::Cancel << false;
    }
    void largeImageAsksHowToFit() {
        QFETCH(ui::FitAnswer::Choice, choice);
        QFETCH(bool, colourCalculator);
        ui_.click(colourCalculator ? "Option2" : "Option1");
        drawPattern();
        const QString file =
            save(patternImage().scaled(300, 200, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                 u"blurred.png"_s);
        const exchange::FitColours colours = colourCalculator ? exchange::FitColours::RedBlueGreen
                                                              : exchange::FitColours::BlackWhite;
        const exchange::FitOptions options{exchange::FitMode::Cover, exchange::FitDither::Ordered,
                                           128, true, colours};
        prompts_.fitAnswer = {choice, options};
        importFile(file);
        QCOMPARE(prompts_.fitQuestions.size(), std::size_t{1});
        QCOMPARE(prompts_.fitQuestions[0].colours, colours);
        const PictureGrid expected =
            choice == ui::FitAnswer::Choice::Fit
                ? exchange::fitImage(exchange::readImageToFit(file).value(), options)
            : choice == ui::FitAnswer::Choice::AsIs ? exchange::scanImageFile(file, {}).value()
                                                    : pictureart::patternPicture();
        QVERIFY(state().picture.usedCellsEqual(expected));
        QCOMPARE(ui_.undoEnabled(), choice != ui::FitAnswer::Choice::Cancel);
        ui_.click("Command11");
        verifyPattern();
    }

    // Unticked colours import as white (the colour dialogs have boxes of the same names);
    // the converter reads files through scanImageFile and sees what the editor sees,
    // transparency included.
    void untickedColoursImportWhite() {
        QImage image(7, 1, QImage::Format_ARGB32);
        for (int x = 0; x < 5; ++x) {
            image.setPixel(x, 0, paletteQRgb(x));
        }
        image.setPixel(5, 0, qRgba(0, 0, 0, 0));
        image.setPixel(6, 0, qRgba(255, 0, 0, 128));
        const QString file = save(image, u"mixed.png"_s);
        for (const char* box : {"Check5", "Check4", "Check3"}) {
            windowdriver::click(*ui_.control("Frame4"), box);
        }
        importFile(file);
        QCOMPARE(pictureart::art(state().picture, 1, 1, 5, 1), u"...b."_s);
        exchange::ImportColours colours;
        colours.black = colours.red = colours.green = false;
        QVERIFY(state().picture.usedCellsEqual(exchange::scanImageFile(file, colours).value()));
    }

    // The fit dialog's choices reach its preview and its answer.
    void fitDialogAnswersAsChosen() {
        ui::FitDialog dialog(patternImage().scaled(256, 256), {}, nullptr);
        dialog.open();
        auto* preview = windowdriver::control<QLabel>(dialog, "fitPreview");
        const QImage before = preview->pixmap().toImage();
        for (const char* name : {"fitCover", "fitThreshold", "fitInvert"}) {
            // On the tick itself: a short caption leaves the middle of a wide button empty.
            auto* tick = windowdriver::control<QWidget>(dialog, name);
            QTest::mouseClick(tick, Qt::LeftButton, {}, QPoint(6, tick->height() / 2));
        }
        QVERIFY(preview->pixmap().toImage() != before);
        QVERIFY(windowdriver::control<QWidget>(dialog, "fitThresholdLevel")->isEnabled());
        windowdriver::click(dialog, "fitAsIs");
        const ui::FitAnswer answer = dialog.answer();
        QCOMPARE(answer.choice, ui::FitAnswer::Choice::AsIs);
        QCOMPARE(answer.options.mode, exchange::FitMode::Cover);
        QCOMPARE(answer.options.dither, exchange::FitDither::Threshold);
        QVERIFY(answer.options.invert);
    }

    void importKeepsTheTopLeftCorner_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("larger") << QSize(300, 100);
        QTest::newRow("smaller") << QSize(100, 50);
        QTest::newRow("one pixel") << QSize(1, 1);
    }
    void importKeepsTheTopLeftCorner() {
        QFETCH(QSize, size);
        QImage image = filled(size.width(), size.height(), paletteQRgb(model::kRed));
        image.setPixel(0, 0, paletteQRgb(model::kBlue));
        for (int x = 128; x < size.width(); ++x) {
            image.setPixel(x, 0, paletteQRgb(model::kBlack));
        }
        importFile(save(image, u"sized.bmp"_s));
        int wrong = 0;
        PictureGrid::forEachUsedCell([&](int x, int y) {
            const bool inside = x <= size.width() && y <= size.height();
            wrong += state().picture.at(x, y) != (x == 1 && y == 1 ? model::kBlue
                                                  : inside         ? model::kRed
                                                                   : model::kWhite);
        });
        QCOMPARE(wrong, 0);
    }

    // A photo far larger than the screen imports its corner; one too large to decode
    // at all is refused with its size, before any memory is taken for it.
    void largeImages() {
        importFile(save(filled(3000, 2000, paletteQRgb(model::kBlack)), u"big.jpg"_s));
        QVERIFY(prompts_.messages.isEmpty());
        QCOMPARE(state().picture.at(64, 32), model::kBlack);
        // A png whose header alone says 30000 × 30000.
        QByteArray png;
        QBuffer buffer(&png);
        QVERIFY(filled(1, 1, 0).save(&buffer, "PNG"));
        png.replace(16, 8, QByteArray::fromHex("0000753000007530"));
        quint32 crc = 0xFFFFFFFF;
        for (const char byte : png.mid(12, 17)) {
            crc ^= quint8(byte);
            for (int bit = 0; bit < 8; ++bit) {
                crc = (crc >> 1) ^ (0xEDB88320U & (0U - (crc & 1U)));
            }
        }
        png.replace(29, 4,
                    QByteArray::fromHex(QByteArray::number(~crc, 16).rightJustified(8, '0')));
        writeBytes(path(u"huge.png"_s), png);
        importFile(path(u"huge.png"_s));
        QCOMPARE(prompts_.messages.value(0).section(u'\n', -1),
                 u"obrázok je priveľký na načítanie (30000 × 30000)"_s);
        QCOMPARE(state().picture.at(64, 32), model::kBlack);
    }

    // Qt reads gif but does not write it: four by two pixels of red, blue, green and
    // black, the second row reversed.
    void importsGif() {
        const QString gif = path(u"small.gif"_s);
        writeBytes(gif, QByteArray::fromHex("47494638396104000200810000ff00000000ff00800000"
                                            "00002c00000000040002000002070443711cc51005003b"));
        importFile(gif);
        QVERIFY(prompts_.messages.isEmpty());
        QCOMPARE(pictureart::art(state().picture, 1, 1, 5, 3), u"rbg#.\n#gbr.\n....."_s);
    }

    // Drawn with the pen and exported at once (the preview not refreshed yet); the export
    // goes back to the black pen and leaves nothing to undo.
    void exportsRedDrawingAndResetsTheColour() {
        ui_.control<QTimer>("Timer1")->stop();
        ui_.run(u"click Image3 | drag 10,3 11,3 12,3 13,3 14,4 | art 10,3 .rrr."_s);
        const QImage exported =
            exportFile(path(u"red.bmp"_s)).convertToFormat(QImage::Format_RGB32);
        int wrong = 0;
        PictureGrid::forEachUsedCell([&](int x, int y) {
            wrong += exported.pixel(x - 1, y - 1) != paletteQRgb(state().picture.at(x, y));
        });
        QCOMPARE(wrong, 0);
        ui_.run(u"art 14,4 r | is colour=1 shape=1 undo=0"_s);
        QCOMPARE(state().canvas.drawingColor(), model::kBlackRgb);
    }

    // The export imports back cell for cell, and the import goes back to the black pen.
    void exportedBmpImportsBack() {
        drawPattern();
        exportFile(path(u"round.bmp"_s));
        QCOMPARE(state().fileName, path(u"round.bmp"_s));
        ui_.run(u"click Command3 | click Command27 | click Image3"_s);
        importFile(path(u"round.bmp"_s));
        verifyPattern();
        QCOMPARE(state().importBox.image(), patternImage());
        ui_.run(u"label Label18 aktívne: pero | is colour=1 shape=1 undo=1 | said - | asked 2"_s);
        QCOMPARE(state().canvas.drawingColor(), model::kBlackRgb);
        QVERIFY(prompts_.fitQuestions.empty());
        QCOMPARE(prompts_.dialogs[0].title, u"Exportuj obrázok"_s);
        QCOMPARE(prompts_.dialogs[0].filter, u"(obrázky *.bmp)|*.bmp"_s);
        QCOMPARE(prompts_.dialogs[1].title, u"Importovať obrázok"_s);
        QCOMPARE(prompts_.dialogs[1].filter,
                 u"(súbory *.bmp)|*.bmp|(súbory *.jpg)|*.jpg|(súbory *.gif)|*.gif|"
                 u"(súbory *.png)|*.png"_s);
    }

    // The open fails, or only the final replacement: the old file stays and the user is told.
    void unwritableExportChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kept");
        QTest::newRow("folder gone") << "gone/picture.bmp"
                                     << "";
        QTest::newRow("read-only folder") << "locked/picture.bmp"
                                          << "locked";
        // Anyone may write the old file, but a shared folder lets only its owner replace it.
        QTest::newRow("replacement refused") << "shared/picture.bmp"
                                             << "shared";
    }
    void unwritableExportChangesNothing() {
        QFETCH(QString, name);
        QFETCH(QString, kept);
        const QString target = path(name);
        const QByteArray old("an older picture");
        if (kept == u"shared" && geteuid() != 0) {
            QSKIP("only root can give the old file an owner other than the one who exports");
        }
        if (!kept.isEmpty()) {
            QVERIFY(QDir(folder_.path()).mkdir(kept));
            writeBytes(target, old);
            QVERIFY(QFile::setPermissions(target, QFile::ReadOther | QFile::WriteOther));
            QCOMPARE(::chmod(qPrintable(path(kept)), kept == u"shared" ? 01777 : 0555), 0);
        }
        ui_.click("Image4");
        // Whoever runs the test reaches the folders but may not write into them.
        QVERIFY(QFile::setPermissions(folder_.path(), kReadOnlyFolder | QFile::WriteOwner));
        {
            const WithoutRoot asUser;
            exportFile(target);
        }
        ::chmod(qPrintable(path(kept)), 0755);
        QCOMPARE(prompts_.messages.size(), 1);
        QVERIFY(prompts_.messages[0].contains(target));
        QCOMPARE(state().currentColor, model::kBlue);
        QCOMPARE(QFileInfo(target).dir().entryList(QDir::Files),
                 kept.isEmpty() ? QStringList{} : QStringList{u"picture.bmp"_s});
        QCOMPARE(fileBytes(target), kept.isEmpty() ? QByteArray("<missing>") : old);
    }

  private:
    QTemporaryDir folder_;
    ScriptedPrompts prompts_;
    windowdriver::MainWindow ui_;
};

QTEST_MAIN(TestImageExchange)
#include "test_image_exchange.moc"
