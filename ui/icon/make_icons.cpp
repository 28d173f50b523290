// Writes the icon files for installing and for the Windows resource:
//   make_icons OUTPUT_DIR  ->  tollvane-16.png, tollvane-32.png, tollvane.ico
#include <QDir>
#include <QFile>
#include <cstdio>

#include "tollvane_icon.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QImage small = DrawTollvaneIcon(16);
    const QImage large = DrawTollvaneIcon(32);
    QFile ico(out.filePath(QStringLiteral("tollvane.ico")));
    const bool ok = small.save(out.filePath(QStringLiteral("tollvane-16.png"))) &&
                    large.save(out.filePath(QStringLiteral("tollvane-32.png"))) &&
                    ico.open(QIODevice::WriteOnly) && ico.write(EncodeIco({large, small})) > 0;
    if (!ok) std::fprintf(stderr, "make_icons: could not write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
