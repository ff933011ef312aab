#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "exchange/imagescan.h"
#include "model/canvas.h"
#include "pictureart.h"
#include "testfiles.h"
#include "ui/views/colourswatch.h"
#include "windowdriver.h"
#include "withoutroot.h"

using namespace tavrolin;
using model::PictureGrid;
using pictureart::paletteQRgb;
using pictureart::patternCode;

namespace {

PictureGrid gridOf(const std::function<int(int, int)>& code) {
    PictureGrid grid;
    PictureGrid::forEachUsedCell(
        [&](int x, int y) { grid.at(x, y) = model::ColorCode(code(x, y)); });
    return grid;
}

QImage patternImage() {
    QImage image(model::kColumns, model::kRows, QImage::Format_RGB32);
    for (int y = 1; y <= model::kRows; ++y) {
        for (int x = 1; x <= model::kColumns; ++x) {
            image.setPixel(x - 1, y - 1, paletteQRgb(patternCode(x, y)));
        }
    }
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
    void click(const char* name) { ui_.click(name); }
    QString path(const QString& name) { return folder_.filePath(name); }
    QString save(const QImage& image, const QString& name, int quality = -1) {
        if (!image.save(path(name), nullptr, quality)) {
            qFatal("cannot write the test image");
        }
        return path(name);
    }
    void importFile(const QString& file) {
        prompts_.fileNames << file;
        click("Command5");
    }
    QImage exportFile(const QString& file) {
        prompts_.fileNames << file;
        click("Command4");
        return QImage(file);
    }
    void drawPattern() {
        PictureGrid::forEachUsedCell(
            [&](int x, int y) { state().picture.at(x, y) = patternCode(x, y); });
        model::repaintCanvas(state());
    }
    void verifyPattern() {
        QVERIFY(state().picture.usedCellsEqual(gridOf(patternCode)));
        int wrongCells = 0;
        PictureGrid::forEachUsedCell([&](int x, int y) {
            const QRgb colour = paletteQRgb(patternCode(x, y));
            wrongCells += state().canvas.image().pixel(5 * x - 3, 5 * y - 2) != colour;
        });
        QCOMPARE(wrongCells, 0);
        QCOMPARE(state().preview.image(), patternImage());
    }

  private slots:
    void init() {
        QVERIFY(folder_.isValid());
        QVERIFY(ui_.open(prompts_));
    }
    void cleanup() {
        ui_.close();
        prompts_ = ScriptedPrompts();
    }

    void importsAPaletteBmpCellForCell() {
        click("Command27");
        click("Image3");
        importFile(save(
            patternImage().convertToFormat(
                QImage::Format_Indexed8,
                {paletteQRgb(0), paletteQRgb(1), paletteQRgb(2), paletteQRgb(3), paletteQRgb(4)}),
            QStringLiteral("palette.bmp")));
        QCOMPARE(prompts_.dialogs.size(), std::size_t{1});
        QCOMPARE(prompts_.dialogs[0].title, QStringLiteral("Importovať obrázok"));
        QCOMPARE(prompts_.dialogs[0].filter,
                 QStringLiteral("(súbory *.bmp)|*.bmp|(súbory *.jpg)|*.jpg|(súbory *.gif)|*.gif|"
                                "(súbory *.png)|*.png"));
        verifyPattern();
        QCOMPARE(state().importBox.image(), patternImage());
        QCOMPARE(ui_.text("Label18"), QStringLiteral("aktívne: pero"));
        QCOMPARE(state().canvas.drawingColor(), model::kBlackRgb);
        QCOMPARE(ui_.control<ui::ColourSwatch>("Shape1")->colour(), QColor(Qt::black));
        QCOMPARE(state().canvas.image().pixel(4, 0), qRgb(0, 0, 0));  // the grid
        QVERIFY(ui_.undoEnabled());
        QVERIFY(prompts_.messages.isEmpty());
    }

    void untickedColourImportsWhite_data() {
        QTest::addColumn<QString>("checkBox");
        QTest::addColumn<int>("code");
        QTest::newRow("biela") << "Check1" << 0;
        QTest::newRow("modrá") << "Check2" << 3;
        QTest::newRow("zelená") << "Check3" << 4;
        QTest::newRow("červená") << "Check4" << 2;
        QTest::newRow("čierna") << "Check5" << 1;
    }
    void untickedColourImportsWhite() {
        QFETCH(QString, checkBox);
        QFETCH(int, code);
        // The colour dialogs have check boxes of the same names.
        auto* tick = windowdriver::control<QCheckBox>(*ui_.control("Frame4"), checkBox);
        QTest::mouseClick(tick, Qt::LeftButton);
        QVERIFY(!tick->isChecked());
        importFile(save(patternImage(), QStringLiteral("pattern.png")));
        QVERIFY(state().picture.usedCellsEqual(gridOf([&](int x, int y) {
            const int pattern = patternCode(x, y);
            return pattern == code ? model::kWhite : pattern;
        })));
    }

    // The converter reads files through scanImageFile: it must see what the editor sees,
    // transparency and near colours included.
    void converterAgreesWithTheEditor() {
        QImage image(150, 80, QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb near[] = {qRgb(0, 132, 0), qRgb(255, 252, 255), qRgba(0, 0, 0, 0),
                                     qRgba(255, 0, 0, 128), qRgb(0, 255, 0)};
                image.setPixel(x, y, (x + y) % 3 ? paletteQRgb((x * y) % 5) : near[(x + y) % 5]);
            }
        }
        const QString file = save(image, QStringLiteral("mixed.png"));
        windowdriver::click(*ui_.control("Frame4"), "Check4");
        windowdriver::click(*ui_.control("Frame4"), "Check3");
        importFile(file);
        exchange::ImportColours colours;
        colours.red = colours.green = false;
        const auto converted = exchange::scanImageFile(file, colours);
        QVERIFY(converted);
        QVERIFY(state().picture.usedCellsEqual(converted.value()));
        QCOMPARE(state().picture.at(1, 1), model::kWhite);  // near green, not ticked
        QCOMPARE(state().picture.at(2, 2), model::kBlack);
        QCOMPARE(state().picture.at(2, 8), model::kWhite);  // red, not ticked
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
        importFile(save(image, QStringLiteral("sized.bmp")));
        QVERIFY(state().picture.usedCellsEqual(gridOf([&](int x, int y) {
            const bool inside = x <= size.width() && y <= size.height();
            return x == 1 && y == 1 ? model::kBlue : inside ? model::kRed : model::kWhite;
        })));
    }

    // A photo far larger than the screen imports its corner; one too large to decode
    // at all is refused with its size, before any memory is taken for it.
    void largeImages() {
        importFile(save(filled(3000, 2000, paletteQRgb(model::kBlack)), QStringLiteral("big.jpg")));
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
        writeBytes(path(QStringLiteral("huge.png")), png);
        importFile(path(QStringLiteral("huge.png")));
        QCOMPARE(prompts_.messages.value(0).section(u'\n', -1),
                 QStringLiteral("obrázok je priveľký na načítanie (30000 × 30000)"));
        QCOMPARE(state().picture.at(64, 32), model::kBlack);
    }

    // Qt reads gif but does not write it: four by two pixels of red, blue, green and
    // black, the second row reversed.
    void importsGif() {
        const QString gif = path(QStringLiteral("small.gif"));
        writeBytes(gif, QByteArray::fromHex("47494638396104000200810000ff00000000ff00800000"
                                            "00002c00000000040002000002070443711cc51005003b"));
        importFile(gif);
        QVERIFY(prompts_.messages.isEmpty());
        QCOMPARE(pictureart::art(state().picture, 1, 1, 5, 3),
                 QStringLiteral("rbg#.\n#gbr.\n....."));
    }

    // Jpg is lossy: only the middle of large plain areas is sure to keep its colour.
    void importsJpg() {
        QImage image = filled(128, 64, paletteQRgb(model::kWhite));
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                image.setPixel(x, y, paletteQRgb(model::kBlack));
            }
        }
        importFile(save(image, QStringLiteral("halves.jpg"), 100));
        QVERIFY(prompts_.messages.isEmpty());
        for (int y = 8; y <= 56; ++y) {
            for (int x = 8; x <= 56; ++x) {
                QCOMPARE(state().picture.at(x, y), model::kBlack);
                QCOMPARE(state().picture.at(x + 64, y), model::kWhite);
            }
        }
    }

    void exportsANewPictureAllWhite() {
        const QImage exported = exportFile(path(QStringLiteral("new.bmp")));
        QCOMPARE(prompts_.dialogs.size(), std::size_t{1});
        QCOMPARE(prompts_.dialogs[0].title, QStringLiteral("Exportuj obrázok"));
        QCOMPARE(prompts_.dialogs[0].filter, QStringLiteral("(obrázky *.bmp)|*.bmp"));
        QCOMPARE(exported.convertToFormat(QImage::Format_RGB32),
                 filled(128, 64, paletteQRgb(model::kWhite)));
        QFile file(path(QStringLiteral("new.bmp")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(2), QByteArray("BM"));
        QVERIFY(file.seek(28));
        QCOMPARE(file.read(2), QByteArray("\x18\x00", 2));  // 24 bits a pixel
        QCOMPARE(state().fileName, file.fileName());
    }

    // Drawn with the pen and exported at once: the preview has not been refreshed yet.
    void exportsRedDrawingAndResetsTheColour() {
        ui_.control<QTimer>("Timer1")->stop();
        click("Image3");
        ui_.press(ui_.at(47, 47));
        for (int x = 48; x <= 300; x += 4) {
            ui_.move(ui_.at(x, x / 3));
        }
        ui_.release(ui_.at(300, 100));
        const QImage exported =
            exportFile(path(QStringLiteral("red.bmp"))).convertToFormat(QImage::Format_RGB32);
        int redCells = 0;
        int wrongPixels = 0;
        PictureGrid::forEachUsedCell([&](int x, int y) {
            redCells += state().picture.at(x, y) == model::kRed;
            wrongPixels += exported.pixel(x - 1, y - 1) != paletteQRgb(state().picture.at(x, y));
        });
        QCOMPARE(wrongPixels, 0);
        QVERIFY(redCells > 40);
        QCOMPARE(state().currentColor, model::kBlack);
        QCOMPARE(state().canvas.drawingColor(), model::kBlackRgb);
        QCOMPARE(ui_.control<ui::ColourSwatch>("Shape1")->colour(), QColor(Qt::black));
        QVERIFY(!ui_.undoEnabled());
    }

    void exportedBmpImportsBackCellForCell() {
        drawPattern();
        exportFile(path(QStringLiteral("round.bmp")));
        click("Command3");
        importFile(path(QStringLiteral("round.bmp")));
        verifyPattern();
    }

    void unreadableImportChangesNothing() {
        importFile(save(patternImage(), QStringLiteral("pattern.png")));
        state().picture.at(7, 9) = model::kGreen;
        model::repaintCanvas(state());
        click("Command28");
        click("Image4");
        const model::EditorState before = state();
        const QString text = path(QStringLiteral("notes.bmp"));
        writeBytes(text, "not a picture\r\n");
        importFile(text);
        QCOMPARE(prompts_.messages.size(), 1);
        QVERIFY(prompts_.messages[0].contains(text));
        QVERIFY(state().picture.usedCellsEqual(before.picture));
        QVERIFY(state().undoPicture.usedCellsEqual(before.undoPicture));
        QCOMPARE(state().currentTool, model::kRectangleTool);
        QCOMPARE(state().currentColor, model::kBlue);
        QCOMPARE(state().canvas.image(), before.canvas.image());
        QCOMPARE(state().importBox.image(), patternImage());
    }

    void unwritableExportChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("folder gone") << "gone/picture.bmp" << false;
        QTest::newRow("read-only folder") << "locked/picture.bmp" << true;
    }
    void unwritableExportChangesNothing() {
        QFETCH(QString, name);
        QFETCH(bool, readOnlyFolder);
        const QString target = path(name);
        const QByteArray old("an older picture");
        if (readOnlyFolder) {
            QVERIFY(QDir(folder_.path()).mkdir(QStringLiteral("locked")));
            writeBytes(target, old);
            QVERIFY(QFile::setPermissions(path(QStringLiteral("locked")), kReadOnlyFolder));
        }
        click("Image4");
        // Whoever runs the test reaches the folders but may not write into them.
        QVERIFY(QFile::setPermissions(folder_.path(), kReadOnlyFolder | QFile::WriteOwner));
        {
            const WithoutRoot asUser;
            exportFile(target);
        }
        QFile::setPermissions(path(QStringLiteral("locked")), kReadOnlyFolder | QFile::WriteOwner);
        QCOMPARE(prompts_.messages.size(), 1);
        QVERIFY(prompts_.messages[0].contains(target));
        QCOMPARE(state().currentColor, model::kBlue);
        const QDir folder = QFileInfo(target).dir();
        QCOMPARE(folder.entryList(QDir::Files),
                 readOnlyFolder ? QStringList{QStringLiteral("picture.bmp")} : QStringList{});
        QCOMPARE(fileBytes(target), readOnlyFolder ? old : QByteArray("<missing>"));
    }

  private:
    QTemporaryDir folder_;
    ScriptedPrompts prompts_;
    windowdriver::MainWindow ui_;
};

QTEST_MAIN(TestImageExchange)
#include "test_image_exchange.moc"
