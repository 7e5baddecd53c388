// Build tool: writes the pictures the forms show into the folder given as argument.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "tools/pictures/scenes.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ombrix_pictures <folder>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "ombrix_pictures: cannot make the folder %s\n", argv[1]);
        return 1;
    }
    for (const pictures::Picture& picture : pictures::AllPictures()) {
        QString path = folder.filePath(picture.fileName);
        if (!picture.image.save(path, nullptr, 90)) {
            std::fprintf(stderr, "ombrix_pictures: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
