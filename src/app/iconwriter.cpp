// Writes the program's icon as PNG files into a hicolor theme folder, at install
// time: OUTDIR/<size>x<size>/apps/tavrolin.png for every size given.
#include <QDir>
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "ui/icons.h"

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: tavrolin-icons OUTDIR SIZE...\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        if (size <= 0 || !QDir().mkpath(folder) ||
            !tavrolin::ui::icons::calculator(size).save(folder + QStringLiteral("/tavrolin.png"))) {
            std::fprintf(stderr, "tavrolin-icons: cannot write the %s px icon\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
