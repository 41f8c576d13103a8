// Draws the program's icon as PNG files of the usual sizes, for the desktop's
// icon theme: FOLDER/NxN/apps/NAME.png. Run headless (QT_QPA_PLATFORM=offscreen).
#include "ui/look/Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: quillet_icons FOLDER NAME\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]), name = QString::fromLocal8Bit(argv[2]);
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(side);
        if (!QDir().mkpath(dir) || !pictures::program_icon(side).save(dir + u'/' + name + QStringLiteral(".png"))) {
            std::fprintf(stderr, "quillet_icons: cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
