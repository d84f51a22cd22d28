// The program without a mouse and without sight: the focus, the keyboard's
// pointer on the diagrams, and what the accessibility interfaces expose.
// (That changes are announced needs a screen reader's bus; the end-to-end
// test listens there.)

#include "conversion_control/uc_polar_rect.h"
#include "main_window/frm_main.h"
#include "math/mod_math.h"
#include "platform/picture_box.h"
#include "support/calculator_widgets.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

private slots:
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
};

QTEST_MAIN(TestKeyboardAndScreenReader)
#include "tst_keyboard_and_screen_reader.moc"
