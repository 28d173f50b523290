// The yardsticks for start-up time and memory: a bare Qt window of the same fixed size, empty,
// and (built as bare_label_window) the same window with one line of text, which is where Qt first
// loads the desktop's font configuration.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(540, 181);
#ifdef BARE_WITH_LABEL
    QLabel label(QStringLiteral("Number of Songs?"), &window);
#endif
    window.show();
    return app.exec();
}
