// The C source export: the bytes of its arrays, read back by a program the system's C
// and C++ compilers build from it, and the names it gives them.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "exchange/csourceexport.h"
#include "g1marchive.h"
#include "pictureart.h"

using namespace tavrolin;
using namespace Qt::StringLiterals;
using exchange::SaveVariant;

namespace {

QByteArray sheetHex(std::initializer_list<QPoint> cells) {
    return g1marchive::sheet(cells).toHex().toUpper();
}

// A program that prints the size and every array of the source in hex, a line each.
QByteArray readBackProgram(const QByteArray& id, SaveVariant variant) {
    QByteArray program =
        "#include <stdio.h>\n#include \"picture.c\"\n"
        "static void print(const unsigned char* bytes) {\n"
        "    for (int i = 0; i < 1024; ++i) printf(\"%02X\", bytes[i]);\n"
        "    printf(\"\\n\");\n}\n"
        "int main(void) {\n    printf(\"%d %d\\n\", @_WIDTH, @_HEIGHT);\n";
    const QByteArrayList names = variant == SaveVariant::Colour
                                     ? QByteArrayList{"@_red", "@_blue", "@_green"}
                                     : QByteArrayList{"@"};
    for (const QByteArray& name : names) {
        program += "    print(" + name + ");\n";
    }
    program += "    return 0;\n}\n";
    return program.replace('@', id);
}

}  // namespace

class TestCSource : public QObject {
    Q_OBJECT

  private slots:
    // Each variant through one compiler: C for the black-and-white arrays, C++ for colour.
    void compiledArraysHoldTheSheets_data() {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QByteArray>("expected");
        // Black at the first and last cell and on both sides of a byte boundary.
        QTest::newRow("black and white, C")
            << int(SaveVariant::Monochrome)
            << "128 64\n" + sheetHex({{1, 1}, {8, 1}, {9, 1}, {128, 64}, {16, 33}}) + "\n";
        QTest::newRow("colour, C++")
            << int(SaveVariant::Colour)
            << "128 64\n" + sheetHex({{1, 1}}) + "\n" + sheetHex({{128, 64}}) + "\n" +
                   sheetHex({{9, 2}}) + "\n";
    }

    void compiledArraysHoldTheSheets() {
        QFETCH(int, variant);
        QFETCH(QByteArray, expected);
        const bool colour = SaveVariant(variant) == SaveVariant::Colour;
        model::PictureGrid picture;
        pictureart::draw(picture, 1, 1, {u"r......##"_s, u"........g"_s});
        picture.at(128, 64) = model::kBlue;
        if (!colour) {
            picture.at(1, 1) = picture.at(128, 64) = picture.at(16, 33) = model::kBlack;
        }
        QTemporaryDir folder;
        QVERIFY(exchange::writeCSource(picture, folder.filePath(u"picture.c"_s), "sprite",
                                       SaveVariant(variant)));
        QFile main(folder.filePath(u"main.c"_s));
        QVERIFY(main.open(QIODevice::WriteOnly));
        main.write(readBackProgram("sprite", SaveVariant(variant)));
        main.close();
        QProcess build;
        build.setWorkingDirectory(folder.path());
        build.start(colour ? QStringLiteral(TAVROLIN_CXX) : u"cc"_s,
                    {colour ? u"-std=c++17"_s : u"-std=c99"_s, u"-x"_s, colour ? u"c++"_s : u"c"_s,
                     u"-Wall"_s, u"-Wextra"_s, u"-Wpedantic"_s, u"-Werror"_s, u"main.c"_s, u"-o"_s,
                     u"main"_s});
        QVERIFY(build.waitForFinished(60000));
        QVERIFY2(build.exitCode() == 0, build.readAllStandardError().constData());
        QProcess run;
        run.start(folder.filePath(u"main"_s), {});
        QVERIFY(run.waitForFinished(10000));
        QCOMPARE(run.readAllStandardOutput(), expected);
    }

    void identifiers_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("identifier");
        QTest::newRow("kept") << u"dir/Sprite_2.c"_s << u"Sprite_2"_s;
        QTest::newRow("others become underscores") << u"my-pict 1.h"_s << u"my_pict_1"_s;
        QTest::newRow("leading digit") << u"3d.c"_s << u"picture_3d"_s;
        QTest::newRow("keyword") << u"int.c"_s << u"int_picture"_s;
        QTest::newRow("reserved") << u"_Pict.c"_s << u"picture_Pict"_s;
        QTest::newRow("no name") << u".c"_s << u"picture"_s;
    }

    void identifiers() {
        QFETCH(QString, fileName);
        QFETCH(QString, identifier);
        const std::string made = exchange::identifierFromFileName(fileName);
        QCOMPARE(QString::fromStdString(made), identifier);
        QVERIFY(exchange::isCIdentifier(made));
    }

    void namesRefused_data() {
        QTest::addColumn<QByteArray>("name");
        for (const char* name : {"", "1a", "a-b", "static", "_Pict", "__pict"}) {
            QTest::newRow(name) << QByteArray(name);
        }
    }

    void namesRefused() {
        QFETCH(QByteArray, name);
        QVERIFY(!exchange::isCIdentifier(name.toStdString()));
    }
};

QTEST_MAIN(TestCSource)
#include "test_c_source.moc"
