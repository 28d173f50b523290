// Tollvane: how much digitised audio fits on a drive.
#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "accessibility.h"
#include "frmsorvek.h"
#include "icon/tollvane_icon.h"

int main(int argc, char* argv[]) {
    // Qt's own platform options (-platform, -display, ...) are taken here; there are none of ours.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tollvane"));
    QApplication::setApplicationVersion(QStringLiteral(TOLLVANE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TOLLVANE_APP_ID));

    QIcon icon;
    for (int size : {16, 32}) icon.addPixmap(QPixmap::fromImage(DrawTollvaneIcon(size)));
    QApplication::setWindowIcon(icon);
    InstallAccessibility();

    frmSorvek window;
    window.show();
    return app.exec();  // ends as soon as the window closes
}
