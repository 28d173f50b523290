// The window, driven through real key and mouse events on the offscreen platform.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QtTest>

#include "accessibility.h"
#include "frmsorvek.h"
#include "panel3d.h"
#include "recalculate.h"

namespace {

using Cells = QStringList;  // the twenty result captions, row by row: MB, GB, hours, songs

const char* const kResultColumns[] = {"PerHourP", "PerHourgP", "OneGBP", "SongPerGP"};

QString Indexed(const char* name, int row) {
    return QStringLiteral("%1(%2)").arg(name).arg(row);
}

template <typename T>
T* Find(const QWidget& window, const QString& name) {
    T* child = window.findChild<T*>(name);
    if (!child) qFatal("no control named %s", qPrintable(name));
    return child;
}

Cells ResultCells(const QWidget& window) {
    Cells cells;
    for (int row = 0; row < 5; ++row)
        for (const char* column : kResultColumns)
            cells << Find<Panel3D>(window, Indexed(column, row))->caption();
    return cells;
}

// What the window must show for these inputs, row by row.
Cells Expected(const QString& drive, const QString& song, bool compressed) {
    const auto rows = tollvane::Recalculate({song.toStdString(), drive.toStdString(), compressed},
                                            tollvane::kQualityPresets);
    Cells cells;
    for (const auto& r : rows) {
        for (const auto& text : {r.perHourMb, r.perHourGb, r.hours, r.songs})
            cells << QString::fromStdString(text);
    }
    return cells;
}

Cells Column(const Cells& cells, int column) {
    Cells result;
    for (int row = 0; row < 5; ++row) result << cells[row * 4 + column];
    return result;
}

// The fixed captions: row labels, rates and the hidden bytes per frame.
QStringList QualityTableCaptions(const QWidget& window) {
    QStringList captions;
    const char* rowLabels[] = {"Label1", "Label9", "Label10", "Label11", "Label12"};
    for (int row = 0; row < 5; ++row) {
        captions << Find<QLabel>(window, QLatin1String(rowLabels[row]))->text()
                 << Find<Panel3D>(window, Indexed("rateP", row))->caption()
                 << Find<QLabel>(window, Indexed("MultipleFactorL", row))->text();
    }
    return captions;
}

void ClearBox(QLineEdit* box) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
}

// Records the caption that a cell holds when it is first painted.
class FirstPaint : public QObject {
  public:
    QString caption;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && caption.isNull())
            caption = static_cast<Panel3D*>(watched)->caption();
        return false;
    }
};

}  // namespace

class FrmSorvekTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { InstallAccessibility(); }

    void opensWithTheOpeningResults() {
        frmSorvek window;
        FirstPaint firstPaint;
        Find<Panel3D>(window, QStringLiteral("PerHourP(0)"))->installEventFilter(&firstPaint);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(!firstPaint.caption.isNull());
        QCOMPARE(firstPaint.caption, QStringLiteral("151.41 Mb"));

        const Cells cells = ResultCells(window);
        QCOMPARE(Column(cells, 0),
                 (Cells{"151.41 Mb", "219.73 Mb", "439.45 Mb", "302.81 Mb", "605.62 Mb"}));
        QCOMPARE(Column(cells, 1),
                 (Cells{"0.148 Gb", "0.215 Gb", "0.429 Gb", "0.296 Gb", "0.591 Gb"}));
        QCOMPARE(Column(cells, 2), (Cells{"135.3", "93.2", "46.6", "67.6", "33.8"}));
        QCOMPARE(Column(cells, 3), (Cells{"2318", "1597", "798", "1159", "579"}));

        QCOMPARE(Find<QLineEdit>(window, QStringLiteral("HDSizeGB"))->text(), QStringLiteral("20"));
        QCOMPARE(Find<QLineEdit>(window, QStringLiteral("SongLengthL"))->text(),
                 QStringLiteral("3.5"));
        QVERIFY(!Find<QCheckBox>(window, QStringLiteral("chkCompression"))->isChecked());
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(window, "chkCompression"));
    }

    void refreshesOnEveryKeystroke_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::newRow("drive 120") << "HDSizeGB"
                                   << "120";
        QTest::newRow("drive -20") << "HDSizeGB"
                                   << "-20";
        QTest::newRow("song 0.9") << "SongLengthL"
                                  << "0.9";
        QTest::newRow("song -1") << "SongLengthL"
                                 << "-1";
        QTest::newRow("drive 3,5GB") << "HDSizeGB"
                                     << "3,5GB";
    }
    void refreshesOnEveryKeystroke() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        frmSorvek window;
        window.show();
        auto* edit = Find<QLineEdit>(window, box);
        auto* drive = Find<QLineEdit>(window, QStringLiteral("HDSizeGB"));
        auto* song = Find<QLineEdit>(window, QStringLiteral("SongLengthL"));

        ClearBox(edit);
        QCOMPARE(ResultCells(window), Expected(drive->text(), song->text(), false));
        for (const QChar c : typed) {
            QTest::keyClicks(edit, QString(c));
            QCOMPARE(ResultCells(window), Expected(drive->text(), song->text(), false));
        }
        QCOMPARE(edit->text(), typed);
    }

    void emptyDriveBoxShowsZeros() {
        frmSorvek window;
        window.show();
        ClearBox(Find<QLineEdit>(window, QStringLiteral("HDSizeGB")));
        const Cells cells = ResultCells(window);
        QCOMPARE(Column(cells, 2), Cells(5, QStringLiteral("0.0")));
        QCOMPARE(Column(cells, 3), Cells(5, QStringLiteral("0")));
    }

    void emptySongBoxLeavesOnlyTheSongsUndefined() {
        frmSorvek window;
        window.show();
        const Cells before = ResultCells(window);
        ClearBox(Find<QLineEdit>(window, QStringLiteral("SongLengthL")));
        const Cells after = ResultCells(window);
        QCOMPARE(Column(after, 3), Cells(5, QStringLiteral("-----")));
        for (int column = 0; column < 3; ++column)
            QCOMPARE(Column(after, column), Column(before, column));
    }

    void compressionTogglesByMouseAndKeyboard() {
        frmSorvek window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* check = Find<QCheckBox>(window, QStringLiteral("chkCompression"));
        const Cells opening = ResultCells(window);

        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
        QVERIFY(check->isChecked());
        const Cells compressed = ResultCells(window);
        QCOMPARE(compressed, Expected("20", "3.5", true));
        QCOMPARE(Column(compressed, 2), (Cells{"541.1", "372.8", "186.4", "270.5", "135.3"}));
        QCOMPARE(Column(compressed, 3), (Cells{"9275", "6391", "3195", "4637", "2318"}));

        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
        QCOMPARE(ResultCells(window), opening);

        check->setFocus();
        QTest::keyClick(check, Qt::Key_Space);
        QCOMPARE(ResultCells(window), compressed);
        QTest::keyClick(check, Qt::Key_Space);
        QCOMPARE(ResultCells(window), opening);
    }

    // A change that leaves the number as it was still rewrites every cell.
    void unchangedNumberStillRefreshes() {
        frmSorvek window;
        window.show();
        const Cells opening = ResultCells(window);
        Find<Panel3D>(window, QStringLiteral("OneGBP(2)"))->setCaption(QStringLiteral("stale"));
        auto* drive = Find<QLineEdit>(window, QStringLiteral("HDSizeGB"));
        drive->setFocus();
        drive->end(false);
        QTest::keyClicks(drive, QStringLiteral("x"));
        QCOMPARE(drive->text(), QStringLiteral("20x"));
        QCOMPARE(ResultCells(window), opening);
    }

    void pastedLongTextIsTakenWhole() {
        frmSorvek window;
        window.show();
        auto* drive = Find<QLineEdit>(window, QStringLiteral("HDSizeGB"));
        const QString pasted = QString(100000, QLatin1Char('9'));  // beyond Qt's default limit
        QApplication::clipboard()->setText(pasted);
        drive->setFocus();
        QTest::keyClick(drive, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(drive, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(drive->text().size(), pasted.size());
        QCOMPARE(Column(ResultCells(window), 2), Cells(5, QStringLiteral("\u221E")));

        QTest::keyClick(drive, Qt::Key_A, Qt::ControlModifier);  // and cut it all again
        QTest::keyClick(drive, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(drive->text(), QString());
        QCOMPARE(Column(ResultCells(window), 2), Cells(5, QStringLiteral("0.0")));
    }

    void qualityTableNeverChangesAndHiddenLabelsNeverShow() {
        frmSorvek window;
        QStringList table;
        for (const auto& p : tollvane::kQualityPresets) {
            table << QString::fromStdString(p.label) << QString::fromStdString(p.rateText)
                  << QString::fromStdString(p.frameBytesText);
        }
        QCOMPARE(QualityTableCaptions(window), table);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* check = Find<QCheckBox>(window, QStringLiteral("chkCompression"));
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
        QTest::keyClicks(Find<QLineEdit>(window, QStringLiteral("SongLengthL")), "7");
        QTest::keyClicks(Find<QLineEdit>(window, QStringLiteral("HDSizeGB")), "0");
        window.showMinimized();
        window.showNormal();
        QCOMPARE(QualityTableCaptions(window), table);
        for (int row = 0; row < 5; ++row) {
            QVERIFY(!Find<QLabel>(window, Indexed("MultipleFactorL", row))->isVisible());
        }
    }

    void tabCyclesTheThreeInputs() {
        frmSorvek window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QStringList forward = {"chkCompression", "HDSizeGB", "SongLengthL"};
        for (int step = 0; step < 6; ++step) {
            QCOMPARE(QApplication::focusWidget()->objectName(), forward[step % 3]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (int step = 0; step < 6; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            QCOMPARE(QApplication::focusWidget()->objectName(), forward[(6 - step + 2) % 3]);
        }
    }

    void controlsSitWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");  // left, top, width, height
        const auto add = [](const QString& name, int l, int t, int w, int h) {
            QTest::newRow(qPrintable(name)) << name << QRect(l, t, w, h);
        };
        add("Panel3D3", 60, 60, 7995, 435);
        add("Panel3D2", 60, 540, 7995, 315);
        const char* strips[] = {"Panel3D1", "Panel3D4", "Panel3D5", "Panel3D6", "Panel3D7"};
        for (int i = 0; i < 5; ++i) add(strips[i], 60, 900 + 360 * i, 7995, 315);
        add("chkCompression", 780, 90, 1515, 195);
        add("Label7", 2340, 90, 1035, 195);
        add("HDSizeGB", 3360, 60, 615, 285);
        add("Label5", 4080, 90, 1395, 195);
        add("SongLengthL", 5520, 60, 495, 285);
        add("Label2", 60, 60, 675, 195);
        add("Label3", 1620, 60, 555, 195);
        add("Label4", 2640, 60, 1875, 195);
        add("Label8", 5040, 60, 1395, 195);
        add("Label6", 6480, 60, 1455, 195);
        const char* rowLabels[] = {"Label1", "Label9", "Label10", "Label11", "Label12"};
        for (int i = 0; i < 5; ++i) {
            add(rowLabels[i], 60, 60, 1395, 195);
            add(Indexed("MultipleFactorL", i), 1380, 60, 195, 195);
            add(Indexed("rateP", i), 1620, 60, 855, 195);
            add(Indexed("PerHourP", i), 2640, 60, 1095, 195);
            add(Indexed("PerHourgP", i), 3780, 60, 1095, 195);
            add(Indexed("OneGBP", i), 5040, 60, 1395, 195);
            add(Indexed("SongPerGP", i), 6540, 60, 1395, 195);
        }
    }
    void controlsSitWhereTheLayoutPutsThem() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        frmSorvek window;
        const QWidget* control = Find<QWidget>(window, name);
        const QRect pixels(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
        QCOMPARE(control->geometry(), pixels);
        QVERIFY(control->focusPolicy() == Qt::NoFocus || qobject_cast<const QLineEdit*>(control) ||
                qobject_cast<const QCheckBox*>(control));
    }

    void windowIsFixedSizeWithoutMaximise() {
        frmSorvek window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Tollvane"));
        QCOMPARE(window.size(), QSize(540, 181));
        QCOMPARE(window.minimumSize(), QSize(540, 181));
        QCOMPARE(window.maximumSize(), QSize(540, 181));
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowSystemMenuHint);
        window.show();
        window.resize(800, 400);
        QCOMPARE(window.size(), QSize(540, 181));
    }

    void opensCentredOnItsScreen() {
        frmSorvek window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint offset =
            window.frameGeometry().center() - window.screen()->availableGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 1,
                 qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
    }

    void closingEndsTheEventLoop() {
        auto* window = new frmSorvek;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        QTimer::singleShot(0, window, &QWidget::close);
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });  // a hang fails
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(lastClosed.count(), 1);
        delete window;
    }

    void everyCaptionFitsItsControl() {
        frmSorvek window;
        // The widest results of ordinary inputs, beside the opening ones.
        auto* drive = Find<QLineEdit>(window, QStringLiteral("HDSizeGB"));
        for (const QString& size : {QStringLiteral("20"), QStringLiteral("-9999999")}) {
            drive->setText(size);
            for (auto* cell : window.findChildren<Panel3D*>()) {
                if (cell->parentWidget() == &window) continue;  // strips
                const QFontMetrics metrics(cell->font());
                QVERIFY2(metrics.height() <= cell->height(), qPrintable(cell->objectName()));
                QVERIFY2(metrics.horizontalAdvance(cell->caption()) <= cell->width() - 4,
                         qPrintable(cell->objectName() + ": " + cell->caption()));
            }
        }
        for (auto* label : window.findChildren<QLabel*>()) {
            if (label->objectName().startsWith(QLatin1String("MultipleFactorL"))) continue;
            const QFontMetrics metrics(label->font());
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->objectName()));
            QVERIFY2(metrics.height() <= label->height(), qPrintable(label->objectName()));
        }
    }

    void screenReadersGetEveryCaption() {
        frmSorvek window;
        window.show();
        const auto name = [&](const QString& control) {
            return QAccessible::queryAccessibleInterface(Find<QWidget>(window, control))
                ->text(QAccessible::Name);
        };
        const auto description = [&](const QString& control) {
            return QAccessible::queryAccessibleInterface(Find<QWidget>(window, control))
                ->text(QAccessible::Description);
        };
        QCOMPARE(name("HDSizeGB"), QStringLiteral("HD Size (GB)"));
        QCOMPARE(name("SongLengthL"), QStringLiteral("Song Length (min)"));
        QCOMPARE(name("chkCompression"), QStringLiteral("4:1 Compression"));
        QCOMPARE(name("Label6"), QStringLiteral("Number of Songs?"));
        QCOMPARE(name("Panel3D3"), QStringLiteral(" Options:"));
        QCOMPARE(name("rateP(3)"), QStringLiteral("44100"));
        QCOMPARE(name("SongPerGP(0)"), QStringLiteral("2318"));
        QCOMPARE(description("SongPerGP(0)"), QStringLiteral("AM Radio (Mono), Number of Songs?"));
        QCOMPARE(description("PerHourgP(4)"), QStringLiteral("CD Quality (Stereo), Per hour, GB"));
        QCOMPARE(description("OneGBP(2)"), QStringLiteral("FM Radio (Stereo), Number of Hours?"));

        // The name follows the caption, and assistive tools are told.
        ClearBox(Find<QLineEdit>(window, QStringLiteral("SongLengthL")));
        QCOMPARE(name("SongPerGP(0)"), QStringLiteral("-----"));

        for (int row = 0; row < 5; ++row) {
            QAccessibleInterface* hidden = QAccessible::queryAccessibleInterface(
                Find<QWidget>(window, Indexed("MultipleFactorL", row)));
            QCOMPARE(hidden->text(QAccessible::Name), QString());
            QVERIFY(hidden->state().invisible);
        }
    }

    void darkPaletteKeepsCaptionsReadable() {
        frmSorvek window;
        auto* rate = Find<Panel3D>(window, QStringLiteral("rateP(0)"));
        auto* hours = Find<Panel3D>(window, QStringLiteral("OneGBP(0)"));
        QPalette light = window.palette();
        light.setColor(QPalette::Button, QColor(0xd4, 0xd0, 0xc8));
        light.setColor(QPalette::WindowText, QColor(0x10, 0x10, 0x60));
        window.setPalette(light);
        QCOMPARE(rate->effectiveCaptionColor(), QColor(Qt::black));
        QCOMPARE(hours->effectiveCaptionColor(), QColor(0x10, 0x10, 0x60));

        QPalette dark = light;
        dark.setColor(QPalette::Button, QColor(0x30, 0x30, 0x30));
        dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        window.setPalette(dark);
        for (const char* column : {"rateP", "PerHourP", "PerHourgP", "SongPerGP", "OneGBP"}) {
            QCOMPARE(Find<Panel3D>(window, Indexed(column, 1))->effectiveCaptionColor(),
                     QColor(0xee, 0xee, 0xee));
        }
    }
};

QTEST_MAIN(FrmSorvekTest)
#include "frmsorvek_test.moc"
