// The window's cost per keystroke, in an offscreen application:
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_window
//
// One key through Qt's key event path into HDSizeGB, its refresh of all twenty cells, and a full
// synchronous repaint of the window; the refresh after a pasted megabyte of digits; the paste.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "accessibility.h"
#include "frmsorvek.h"

namespace {

QLineEdit* ShowWindowAndFocusDriveBox(frmSorvek& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) std::abort();
    auto* drive = window.findChild<QLineEdit*>(QStringLiteral("HDSizeGB"));
    drive->setFocus();
    drive->end(false);
    return drive;
}

void BM_KeystrokeToRepaint(benchmark::State& state) {
    frmSorvek window;
    QLineEdit* drive = ShowWindowAndFocusDriveBox(window);
    bool typed = false;
    for (auto _ : state) {
        // Alternately type a digit and take it back: "20" -> "201" -> "20".
        QTest::keyClick(drive, typed ? Qt::Key_Backspace : Qt::Key_1);
        window.repaint();
        typed = !typed;
    }
}
BENCHMARK(BM_KeystrokeToRepaint)->Unit(benchmark::kMicrosecond);

// The refresh that a pasted megabyte of digits sets off: the change notification of the drive
// box, as the paste sends it, through RefreshResults.
void BM_RefreshAfterPastedMegabyte(benchmark::State& state) {
    frmSorvek window;
    QLineEdit* drive = ShowWindowAndFocusDriveBox(window);
    drive->setText(QString(1 << 20, QLatin1Char('7')));
    for (auto _ : state) emit drive->textChanged(drive->text());
}
BENCHMARK(BM_RefreshAfterPastedMegabyte)->Unit(benchmark::kMillisecond);

// The whole paste of a megabyte, from Ctrl+V to the repainted window; most of it is the text
// box laying out and drawing its megabyte of text.
void BM_PasteMegabyteToRepaint(benchmark::State& state) {
    frmSorvek window;
    QLineEdit* drive = ShowWindowAndFocusDriveBox(window);
    const QString digits[] = {QString(1 << 20, QLatin1Char('7')),
                              QString(1 << 20, QLatin1Char('8'))};
    int next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QApplication::clipboard()->setText(digits[next]);
        next = 1 - next;
        QTest::keyClick(drive, Qt::Key_A, Qt::ControlModifier);
        state.ResumeTiming();
        QTest::keyClick(drive, Qt::Key_V, Qt::ControlModifier);
        window.repaint();
    }
    if (drive->text().size() != (1 << 20)) state.SkipWithError("the paste was not taken whole");
}
BENCHMARK(BM_PasteMegabyteToRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    InstallAccessibility();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
