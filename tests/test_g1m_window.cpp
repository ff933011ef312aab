// "Otvor" and "Ulož" with .g1m files: the window's wiring, the codec's rules aside.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "g1marchive.h"
#include "g1mfile/g1mwriter.h"
#include "pictureart.h"
#include "testfiles.h"
#include "ui/views/colourswatch.h"
#include "windowdriver.h"

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

QByteArray pictureFile(std::initializer_list<int> blackColumns, int number) {
    model::PictureGrid picture;
    for (int x : blackColumns) {
        picture.at(x, 1) = model::kBlack;
    }
    return QByteArray::fromStdString(g1mfile::g1mPictureFile(picture, number));
}

// Two pictures with a program between them.
QByteArray twoPictures() {
    const QByteArray program =
        g1marchive::memoryFile("PROGRAM", "system", "DRAW", 0x01, QByteArray(9, 'x'));
    return g1marchive::archive(
        pictureFile({1}, 3).mid(0x20) + program + pictureFile({2}, 20).mid(0x20), 3);
}

}  // namespace

class TestG1mWindow : public QObject {
    Q_OBJECT

    model::EditorState& state() { return ui_.state(); }
    QString path(const QString& name) { return folder_->filePath(name); }
    QString cells() { return pictureart::art(state().picture, 1, 1, 3, 1); }
    bool penInBlack() {
        return ui_.text("Label18") == u"aktívne: pero"_s &&
               ui_.control<ui::ColourSwatch>("Shape1")->colour() == QColor(0, 0, 0);
    }

  private slots:
    void init() {
        folder_.emplace();
        prompts_ = ScriptedPrompts();
        QVERIFY(ui_.open(prompts_));
    }
    void cleanup() {
        QCOMPARE(state().canvas.image(), ui_.repaintedCanvas());
        ui_.close();
        folder_.reset();
    }

    void openG1m_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<int>>("choices");
        QTest::addColumn<QStringList>("list");  // the pictures offered, if asked
        QTest::addColumn<QString>("message");   // the reason after the load error
        QTest::addColumn<QString>("expected");  // cells (1..3, 1); "..#" unchanged
        QTest::newRow("one picture")
            << pictureFile({1, 2}, 1) << QList<int>{} << QStringList{} << QString() << u"##."_s;
        QTest::newRow("second of two")
            << twoPictures() << QList<int>{1} << QStringList{u"Pict 3"_s, u"Pict 20"_s} << QString()
            << u".#."_s;
        QTest::newRow("choice cancelled")
            << twoPictures() << QList<int>{} << QStringList{u"Pict 3"_s, u"Pict 20"_s} << QString()
            << u"..#"_s;
        QTest::newRow("cut short")
            << pictureFile({1}, 1).chopped(1) << QList<int>{} << QStringList{}
            << u"veľkosť v hlavičke nesedí s dĺžkou súboru"_s << u"..#"_s;
    }
    void openG1m() {
        QFETCH(QByteArray, file);
        QFETCH(QList<int>, choices);
        QFETCH(QStringList, list);
        QFETCH(QString, message);
        QFETCH(QString, expected);
        writeBytes(path(u"calc.g1m"_s), file);
        ui_.click("Image3");
        ui_.dab(3, 1);
        prompts_.fileNames = QStringList{path(u"calc.g1m"_s)};
        prompts_.pictureChoices = choices;
        ui_.click("Command1");
        QVERIFY(ui_.filesSettled());
        QCOMPARE(prompts_.pictureLists,
                 list.isEmpty() ? QList<QStringList>{} : QList<QStringList>{list});
        const QString shown = prompts_.messages.join(u'|');
        QVERIFY2(message.isEmpty() ? shown.isEmpty()
                                   : shown.startsWith(u"Súbor nemôžem načítať!"_s) &&
                                         shown.endsWith(u"\n\nDôvod: "_s + message + u'.'),
                 qPrintable(shown));
        const bool changed = expected != u"..#"_s;
        QCOMPARE(cells(), changed ? expected : u"..r"_s);
        QCOMPARE(ui_.undoEnabled(), changed);
        QCOMPARE(penInBlack(), changed);
    }

    void savedG1mOpensAgain() {
        ui_.dab(1, 1);
        ui_.click("Image3");
        ui_.dab(2, 1);
        const QString name = path(u"picture.g1m"_s);
        // No number chosen: no file.
        prompts_.fileNames = QStringList{name, name, name};
        ui_.click("Command2");
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList());
        QCOMPARE(prompts_.messages, QStringList());

        prompts_.pictureNumbers = {7};
        ui_.click("Command2");
        QCOMPARE(prompts_.dialogs.back().extendingPattern, u"*.g1m"_s);
        QCOMPARE(fileBytes(name), pictureFile({1}, 7));
        QCOMPARE(prompts_.messages.size(), 1);
        QVERIFY(prompts_.messages.front().contains(u"čiernobiele kalkulačky"_s));

        ui_.click("Command3");
        ui_.click("Command1");
        QVERIFY(ui_.filesSettled());
        QCOMPARE(cells(), u"#.."_s);
    }

  private:
    ScriptedPrompts prompts_;
    windowdriver::MainWindow ui_;
    std::optional<QTemporaryDir> folder_;
};

QTEST_MAIN(TestG1mWindow)
#include "test_g1m_window.moc"
