// Build step: turns a PNG picture into the ready-to-draw pixel file that the program keeps among
// its built-in pictures, so that starting the program decodes nothing. Usage: mosaret-pixels
// <picture.png> <out.pixels>
#include "PixelFile.h"

#include <QImage>
#include <QSaveFile>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: mosaret-pixels <picture.png> <out.pixels>\n");
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]), "png");
    if (picture.isNull()) {
        std::fprintf(stderr, "mosaret-pixels: %s is not a readable PNG picture\n", argv[1]);
        return 1;
    }
    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(PixelFile::encode(picture)) < 0 ||
        !out.commit()) {
        std::fprintf(stderr, "mosaret-pixels: cannot write %s: %s\n", argv[2],
                     qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
