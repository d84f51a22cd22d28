// The program without a mouse and without sight: the focus, the keyboard's
// pointer on the diagrams, what the accessibility interfaces expose and what
// the announcer says. (That changes reach a screen reader needs its bus; the
// end-to-end test listens there, scripts/orca_session.sh hears Orca.)

#include "conversion_control/uc_polar_rect.h"
#include "main_window/frm_main.h"
#include "math/mod_math.h"
#include "platform/accessible_interfaces.h"
#include "platform/announcer.h"
#include "platform/picture_box.h"
#include "platform/solution_view.h"
#include "support/calculator_widgets.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

class TestKeyboardAndScreenReader : public QObject, CalculatorWidgets
{
    Q_OBJECT

    frmMain *m_window = nullptr;

    [[nodiscard]] QWidget *widgets() const override { return m_window; }
    [[nodiscard]] bool crosshairsShown() const
    {
        return diagram(0)->linH().Visible && diagram(1)->linV().Visible;
    }
    // Where the keyboard's pointer is, in the polar diagram's interior pixels.
    [[nodiscard]] QPointF crosshair() const
    {
        return {diagram(0)->linH().Line.x1(), diagram(0)->linV().Line.y1()};
    }

    [[nodiscard]] QString said() const
    {
        return m_window->findChild<Announcer *>(QStringLiteral("announcer"))->lastSaid();
    }

private slots:
    void initTestCase() { InstallAccessibleInterfaces(); }
    void init()
    {
        modMath::SignificantValues = 2;
        m_window = new frmMain;
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    void cleanup() { delete m_window; }

    void startsOnThePolarDiagramWithAFocusFrame()
    {
        QCOMPARE(QApplication::focusWidget(), diagram(0));
        const QColor highlight = diagram(0)->palette().color(QPalette::Highlight);
        const auto edgePixel = [&](int i) {
            PictureBox *d = diagram(i);
            const QImage shot = d->grab().toImage();
            const qreal dpr = shot.devicePixelRatio();
            const QPoint inside = d->contentsRect().topLeft() + QPoint(0, d->height() / 3);
            return shot.pixelColor(QPoint(int(inside.x() * dpr), int(inside.y() * dpr)));
        };
        QCOMPARE(edgePixel(0), highlight);
        QVERIFY(edgePixel(1) != highlight);
        QTest::keyClick(diagram(0), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), diagram(1));
        QVERIFY(edgePixel(0) != highlight);
        QCOMPARE(edgePixel(1), highlight);
        // Nothing of the frame went into the drawing.
        QCOMPARE(diagram(0)->canvas().image().pixelColor(0, diagram(0)->height() / 3),
                 QColor(Qt::white));
    }

    void arrowKeysMoveThePointerAsAMouseWould_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QPointF>("offset"); // from the centre, in grid steps when shifted
        QTest::newRow("right 3") << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right} << false
                                 << QPointF(3, 0);
        QTest::newRow("up, left") << QList<int>{Qt::Key_Up, Qt::Key_Left} << false
                                  << QPointF(-1, -1);
        QTest::newRow("home after moving")
            << QList<int>{Qt::Key_Down, Qt::Key_Home} << false << QPointF(0, 0);
        QTest::newRow("shift: grid steps")
            << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Up} << true << QPointF(2, -1);
        QTest::newRow("shift: the outer ring")
            << QList<int>(6, Qt::Key_Left) << true << QPointF(-6, 0);
    }
    void arrowKeysMoveThePointerAsAMouseWould()
    {
        QFETCH(QList<int>, keys);
        QFETCH(bool, shift);
        QFETCH(QPointF, offset);
        // Interiors of 290 x 312 pixels, so that the centre is a whole pixel.
        m_window->resize(588 + 54, m_window->height());
        QTest::qWait(0);
        auto *control = m_window->control();
        control->resize(588, 393);
        box(0)->setText(QStringLiteral("5"));
        diagram(0)->setFocus();
        for (int key : keys) {
            QTest::keyClick(diagram(0), Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
        }
        QVERIFY(crosshairsShown()); // at once, no tick awaited
        const QSizeF interior = diagram(0)->contentsRect().size();
        QCOMPARE(interior, QSizeF(290, 312));
        const QPointF centre(145, 156);
        const QPointF place = crosshair();
        const QString polar = readout(0)->text();
        const QString rectangular = readout(1)->text();
        QVERIFY(polar.startsWith(QStringLiteral("Radius = ")));
        if (!shift) {
            QCOMPARE(place, centre + offset);
            // The mouse at the same place reads the same.
            QTest::mouseMove(diagram(0), diagram(0)->contentsRect().topLeft() + place.toPoint());
            QCOMPARE(readout(0)->text(), polar);
            QCOMPARE(readout(1)->text(), rectangular);
        } else if (offset == QPointF(-6, 0)) {
            // Six grid steps left: on the outer ring, which reads r.
            QCOMPARE(polar, QStringLiteral("Radius = 5; Angle = 180\u00B0; Quadrant II"));
            QCOMPARE(rectangular, QStringLiteral("X = -5; Y = 0; Quadrant II"));
        } else {
            QCOMPARE(rectangular, QStringLiteral("X = 1.67; Y = 0.83; Quadrant I"));
        }
    }

    void escapeAndFocusLeavingEndThePointer()
    {
        box(0)->setText(QStringLiteral("5"));
        QTest::keyClick(diagram(0), Qt::Key_Right);
        QVERIFY(crosshairsShown());
        QTest::keyClick(diagram(0), Qt::Key_Escape);
        QVERIFY(!crosshairsShown());
        QCOMPARE(readout(0)->text() + readout(1)->text(), QString());

        // Across to the other diagram: it goes on, from the centre.
        QTest::keyClick(diagram(0), Qt::Key_Left);
        QTest::keyClick(diagram(0), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), diagram(1));
        QVERIFY(crosshairsShown());
        QVERIFY(readout(0)->text().startsWith(QStringLiteral("Radius = 0;")));
        // The leave check counts the focused diagram as under the pointer.
        QTest::qWait(250);
        QVERIFY(crosshairsShown());
        // Out of the diagrams: it ends.
        QTest::keyClick(diagram(1), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != diagram(1));
        QVERIFY(!crosshairsShown());
        QCOMPARE(readout(0)->text(), QString());
    }

    void unreadableRFollowsThePointerRules()
    {
        box(0)->setText(QStringLiteral("-"));
        QTest::keyClick(diagram(0), Qt::Key_Right);
        QCOMPARE(readout(0)->text(), QString());
        QVERIFY(find<QLabel>(QStringLiteral("lblMessage"))->text().contains(QStringLiteral("r:")));
        QTest::keyClick(diagram(0), Qt::Key_Escape);
        QCOMPARE(find<QLabel>(QStringLiteral("lblMessage"))->text(), QString());
    }

    void diagramsDescribeWhatTheyShow()
    {
        QCOMPARE(accessibleText(diagram(0), QAccessible::Name), QStringLiteral("Polar diagram"));
        QCOMPARE(accessibleText(diagram(1), QAccessible::Name),
                 QStringLiteral("Rectangular diagram"));
        QVERIFY(accessibleText(diagram(0), QAccessible::Description).endsWith("no point yet"));
        QVERIFY(accessibleText(diagram(1), QAccessible::Description).endsWith("no point yet"));
        convert(0, QStringLiteral("5"), QStringLiteral("30"));
        QCOMPARE(accessibleText(diagram(0), QAccessible::Description),
                 QStringLiteral("Point at r = 5, \u00D8 = 30\u00B0 in Quadrant I"));
        QCOMPARE(accessibleText(diagram(1), QAccessible::Description),
                 QStringLiteral("Point at x = 4.33, y = 2.5 in Quadrant I"));
        // A failed conversion leaves the diagrams, and so their descriptions.
        convert(1, QStringLiteral("x"), QStringLiteral("1"));
        QCOMPARE(accessibleText(diagram(1), QAccessible::Description),
                 QStringLiteral("Point at x = 4.33, y = 2.5 in Quadrant I"));
    }

    void readoutsMessageAndBoxesExposeTheirText()
    {
        box(0)->setText(QStringLiteral("6"));
        QTest::keyClick(diagram(0), Qt::Key_Home);
        for (int i : {0, 1}) {
            QVERIFY(!readout(i)->text().isEmpty());
            QCOMPARE(accessibleText(readout(i), QAccessible::Name), readout(i)->text());
        }
        auto *message = find<QLabel>(QStringLiteral("lblMessage"));
        convert(0, QStringLiteral("1-2"), QStringLiteral("3"));
        QVERIFY(!message->text().isEmpty());
        QCOMPARE(accessibleText(message, QAccessible::Name), message->text());

        const QStringList names{QStringLiteral("r"), QStringLiteral("\u00D8"), QStringLiteral("x"),
                                QStringLiteral("y")};
        convert(0, QStringLiteral("5"), QStringLiteral("30"));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(accessibleText(box(i), QAccessible::Name), names[i]);
            QCOMPARE(accessibleText(box(i), QAccessible::Value), box(i)->text());
        }
    }

    void rolesThatScreenReadersPresent()
    {
        for (int i : {0, 1}) {
            // As a frame, a diagram would be taken for a window of its own.
            QCOMPARE(QAccessible::queryAccessibleInterface(diagram(i))->role(), QAccessible::Chart);
        }
        QAccessibleInterface *solution = QAccessible::queryAccessibleInterface(m_window->view());
        QCOMPARE(solution->role(), QAccessible::EditableText);
        QVERIFY(solution->state().readOnly && solution->state().focusable);
        QVERIFY(m_window->view()->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        QAccessibleInterface *line = QAccessible::queryAccessibleInterface(
            m_window->findChild<Announcer *>(QStringLiteral("announcer"))->children().at(0));
        QCOMPARE(line->role(), QAccessible::Notification);
        QCOMPARE(line->parent()->role(), QAccessible::StatusBar);
    }

    void boxesReadTheirValueWhole()
    {
        convert(0, QStringLiteral("5"), QStringLiteral("30"));
        QAccessibleTextInterface *x =
            QAccessible::queryAccessibleInterface(box(2))->textInterface();
        QCOMPARE(x->text(0, x->characterCount()), QStringLiteral("4.33"));
        // A reader rebuilds the line from the runs of attributes: one run, all of it.
        for (int offset = 0; offset < x->characterCount(); ++offset) {
            int start = -1;
            int end = -1;
            x->attributes(offset, &start, &end);
            QCOMPARE(start, 0);
            QCOMPARE(end, 4);
        }
    }

    void boxAtFaultSaysSoUntilTheNextSuccess()
    {
        convert(1, QStringLiteral("-"), QStringLiteral("1"));
        QCOMPARE(accessibleText(box(2), QAccessible::Description),
                 QStringLiteral("x = \u201C-\u201D is not a number"));
        QCOMPARE(accessibleText(box(3), QAccessible::Description), QString());
        QTRY_COMPARE(
            said(),
            QStringLiteral("Rectangular to Polar stopped: x = \u201C-\u201D is not a number."));
        convert(0, QStringLiteral("5"), QStringLiteral("30"));
        QCOMPARE(accessibleText(box(2), QAccessible::Description), QString());
        QTRY_COMPARE(said(), QStringLiteral("x = 4.33, y = 2.5, Quadrant I"));
    }

    void keyboardReadoutIsSaidWhileOnTheDiagram()
    {
        box(0)->setText(QStringLiteral("5"));
        diagram(0)->setFocus();
        QTest::keyClick(diagram(0), Qt::Key_Left, Qt::ShiftModifier);
        QTRY_COMPARE(said(), QStringLiteral("Radius = 0.83, Angle = 180\u00B0, Quadrant II"));
        // A run of keys is said once, as where it ended.
        QTest::keyClick(diagram(0), Qt::Key_Home);
        QTest::keyClick(diagram(0), Qt::Key_Up, Qt::ShiftModifier);
        QTRY_COMPARE(said(), QStringLiteral("Radius = 0.83, Angle = 90\u00B0, Quadrant II"));
        // Stale once the focus has gone on.
        QTest::keyClick(diagram(0), Qt::Key_Home);
        find<QPushButton>(QStringLiteral("cmdButton1"))->setFocus();
        QTest::qWait(400);
        QCOMPARE(said(), QStringLiteral("Radius = 0.83, Angle = 90\u00B0, Quadrant II"));
        // The rectangular diagram says its own line.
        diagram(1)->setFocus();
        QTest::keyClick(diagram(1), Qt::Key_Left, Qt::ShiftModifier);
        QTRY_COMPARE(said(), QStringLiteral("X = -0.83, Y = 0, Quadrant II"));
    }

    void aLongReadoutAndTheOverflowAfterIt()
    {
        box(0)->setText(QStringLiteral("1.7E308"));
        diagram(0)->setFocus();
        const auto gridSteps = [this](int count) {
            for (int i = 0; i < count; ++i) {
                QTest::keyClick(diagram(0), Qt::Key_Right, Qt::ShiftModifier);
            }
        };
        gridSteps(3);
        QTRY_COMPARE(said(), QStringLiteral("Radius = 8.5 times 10 to the power 307, Angle = "
                                            "0\u00B0, Quadrant I"));
        QVERIFY(readout(0)->text().startsWith(QStringLiteral("Radius = 85,000,000,000,")));
        gridSteps(5);
        QTRY_VERIFY(said().startsWith(QStringLiteral("The read-out stopped: Overflow")));
        // The message goes and the line is said in its place.
        QTest::keyClick(diagram(0), Qt::Key_Home);
        QTRY_COMPARE(said(), QStringLiteral("Radius = 0, Angle = 180\u00B0, Quadrant II"));
    }

    void solutionReadsAStepAsOneLine_data()
    {
        QTest::addColumn<int>("boundary");
        QTest::newRow("line: the caret's Up and Down") << int(QAccessible::LineBoundary);
        QTest::newRow("sentence: say-all") << int(QAccessible::SentenceBoundary);
    }
    void solutionReadsAStepAsOneLine()
    {
        QFETCH(int, boundary);
        QTest::failOnWarning(QRegularExpression(QStringLiteral("out of range")));
        convert(0, QStringLiteral("5"), QStringLiteral("30"));
        QAccessibleTextInterface *view =
            QAccessible::queryAccessibleInterface(m_window->view())->textInterface();
        const int count = view->characterCount();
        const QString all = view->text(0, count);
        QCOMPARE(all.size(), count);
        // One text for both ways of asking for it.
        QCOMPARE(QAccessible::queryAccessibleInterface(m_window->view())->text(QAccessible::Value),
                 all);
        const auto type = QAccessible::TextBoundaryType(boundary);
        int start = -1;
        int end = -1;
        // The first step's two rows, from within the second.
        const QString line =
            view->textAtOffset(int(all.indexOf(QStringLiteral("0.866"))), type, &start, &end);
        QCOMPARE(line.simplified(), QStringLiteral("x = 5 Cos(30\u00B0) = 5(0.866025403784439)"));
        // The offsets are the line's: a reader takes its text from them too.
        QCOMPARE(view->text(start, end), line);
        QCOMPARE(view->textAtOffset(int(all.indexOf(QStringLiteral("4.33"))), type, &start, &end),
                 QStringLiteral("x = 4.33"));
        // Past the end, nothing, and no complaint.
        QCOMPARE(view->textAtOffset(count + 5, type, &start, &end), QString());
        view->setCursorPosition(count + 5);
        QCOMPARE(view->cursorPosition(), count);
    }
};

QTEST_MAIN(TestKeyboardAndScreenReader)
#include "tst_keyboard_and_screen_reader.moc"
