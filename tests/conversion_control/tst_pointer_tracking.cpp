// The crosshairs and the read-out in the real main window, with pointer input
// delivered the way a platform delivers it: through the window, so the
// toolkit itself derives enter and leave. Runs on any platform plugin,
// Wayland included.

#define QTEST_QPA_MOUSE_HANDLING

#include "conversion_control/uc_polar_rect.h"
#include "main_window/frm_main.h"
#include "math/mod_math.h"
#include "platform/picture_box.h"
#include "support/calculator_widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

class TestPointerTracking : public QObject, CalculatorWidgets
{
    Q_OBJECT

    frmMain *m_window = nullptr;

    [[nodiscard]] QWidget *widgets() const override { return m_window; }
    [[nodiscard]] QString readouts() const { return readout(0)->text() + readout(1)->text(); }
    [[nodiscard]] bool crosshairsShown() const
    {
        return diagram(0)->linH().Visible && diagram(0)->linV().Visible &&
               diagram(1)->linH().Visible && diagram(1)->linV().Visible;
    }
    // What the platform reports when the pointer crosses the window's edge
    // (a headless compositor has no pointer of its own to report it).
    void enterWindow(QWidget *over, QPoint at)
    {
        QWindow *window = m_window->windowHandle();
        const QPointF inWindow = window->mapFromGlobal(over->mapToGlobal(QPointF(at)));
        QEnterEvent enter(inWindow, inWindow, over->mapToGlobal(QPointF(at)));
        QCoreApplication::sendEvent(window, &enter);
    }
    void leaveWindow()
    {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(m_window->windowHandle(), &leave);
    }
    // Moves in small steps, one every 10 ms, as a mouse reports them.
    void glide(QWidget *over, QPoint from, QPoint to, int steps)
    {
        for (int i = 0; i <= steps; ++i) {
            QTest::mouseMove(over, from + (to - from) * i / steps);
            QTest::qWait(10);
        }
    }

private slots:
    void init()
    {
        modMath::SignificantValues = 2;
        m_window = new frmMain;
        m_window->resize(900, 700);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void cleanup() { delete m_window; }

    void aConversionRuns()
    {
        convert(0, QStringLiteral("5"), QStringLiteral("30"));
        QCOMPARE(box(2)->text(), QStringLiteral("4.33"));
        QCOMPARE(box(3)->text(), QStringLiteral("2.5"));
    }

    void crosshairsShowDuringMotionAndHideOnLeavingForTheTray()
    {
        PictureBox *polar = diagram(0);
        enterWindow(polar, QPoint(20, 20));
        glide(polar, QPoint(20, 20), QPoint(200, 150), 40);
        QVERIFY2(crosshairsShown(), "not shown after 400 ms of motion");
        QVERIFY(readouts().contains(QStringLiteral("Quadrant")));

        // Onto the tray below the diagrams: the read-out lines lie there.
        auto *tray = readout(0)->parentWidget();
        glide(tray, QPoint(30, 5), QPoint(40, 10), 5);
        QTRY_VERIFY_WITH_TIMEOUT(!diagram(0)->linH().Visible && !diagram(1)->linV().Visible, 500);
        QCOMPARE(readouts(), QString());
    }

    void crosshairsHideWhenThePointerLeavesTheWindow()
    {
        PictureBox *rectangular = diagram(1);
        enterWindow(rectangular, QPoint(30, 30));
        glide(rectangular, QPoint(30, 30), QPoint(5, 100), 20);
        QTRY_VERIFY_WITH_TIMEOUT(crosshairsShown(), 500);
        // Straight out across the diagram's edge: the platform reports the
        // window left, and no further movement comes.
        leaveWindow();
        QTRY_VERIFY_WITH_TIMEOUT(!crosshairsShown(), 500);
        QCOMPARE(readouts(), QString());
    }

    void aReadoutMessageGoesWhenThePointerLeaves()
    {
        box(0)->setText(QStringLiteral("."));
        enterWindow(diagram(0), QPoint(50, 50));
        glide(diagram(0), QPoint(50, 50), QPoint(60, 60), 5);
        auto *message = find<QLabel>(QStringLiteral("lblMessage"));
        QVERIFY(message->text().contains(QStringLiteral("r:")));
        leaveWindow();
        QTRY_COMPARE_WITH_TIMEOUT(message->text(), QString(), 500);
    }
};

QTEST_MAIN(TestPointerTracking)
#include "tst_pointer_tracking.moc"
