#include "conversion_control/uc_polar_rect.h"
#include "math/mod_math.h"
#include "platform/picture_box.h"
#include "support/calculator_widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(ResultRecord)

namespace {

// Counts the requests for a new layout that reach a widget.
class LayoutRequests : public QObject
{
public:
    int Count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        Count += event->type() == QEvent::LayoutRequest ? 1 : 0;
        return false;
    }
};

} // namespace

class TestUcPolarRect : public QObject, CalculatorWidgets
{
    Q_OBJECT

    ucPolarRect *m_control = nullptr;
    QWidget *m_pointerOver = nullptr;

    [[nodiscard]] QWidget *widgets() const override { return m_control; }

private slots:
    void init()
    {
        qRegisterMetaType<ResultRecord>();
        modMath::SignificantValues = 2;
        m_control = new ucPolarRect;
        m_pointerOver = nullptr;
        m_control->setWidgetUnderPointer([this] { return m_pointerOver; });
        m_control->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_control));
    }
    void cleanup() { delete m_control; }

    void keyFilter_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("selected"); // characters selected from the caret on
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::newRow("second point discarded") << "12.5" << 4 << 0 << "."
                                                << "12.5";
        QTest::newRow("minus between digits") << "12" << 1 << 0 << "-"
                                              << "1-2";
        QTest::newRow("letters, blank, plus, E") << "5" << 1 << 0 << "a E+x"
                                                 << "5";
        QTest::newRow("digits anywhere") << "5" << 0 << 0 << "12"
                                         << "125";
        QTest::newRow("Enter ignored, Backspace") << "56" << 2 << 0 << "\r\b"
                                                  << "5";
        // A key replaces the selection, so what is selected does not count.
        QTest::newRow("minus over a selected minus") << "-5.5" << 0 << 4 << "-1.25"
                                                     << "-1.25";
        QTest::newRow("point over a selected point") << "12.5" << 2 << 2 << ".75"
                                                     << "12.75";
        QTest::newRow("minus over digits beside a minus") << "1-2" << 2 << 1 << "-"
                                                          << "1-2";
        QTest::newRow("point over digits beside a point") << "1.25" << 2 << 2 << "."
                                                          << "1.25";
    }
    void keyFilter()
    {
        QFETCH(QString, start);
        QFETCH(int, caret);
        QFETCH(int, selected);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        QSignalSpy results(m_control, &ucPolarRect::Result);
        for (int i = 0; i < 4; ++i) {
            box(i)->setText(start);
            box(i)->setSelection(caret, selected);
            if (selected == 0) {
                box(i)->setCursorPosition(caret);
            }
            QTest::keyClicks(box(i), typed);
            QCOMPARE(box(i)->text(), result);
        }
        QCOMPARE(results.count(), 0);
    }

    void writtenBoxesShowTheirFirstDigit()
    {
        modMath::SignificantValues = 12;
        box(0)->setText("5");
        box(1)->setText("30");
        box(2)->setFocus();
        click(0);
        QCOMPARE(box(2)->text(), "4.330127018922");
        for (int i : {2, 3}) {
            QCOMPARE(box(i)->cursorPosition(), 0);
        }
        // The first character sits at the box's left edge, not scrolled away.
        QVERIFY(box(2)->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() <
                box(2)->width() / 4);
    }

    void bothCommandsAndRefresh()
    {
        QSignalSpy results(m_control, &ucPolarRect::Result);
        const auto record = [&](int i) { return results.at(i).at(0).value<ResultRecord>(); };
        m_control->Refresh(); // before any command: polar to rectangular
        QCOMPARE(results.count(), 1);
        QCOMPARE(record(0).Index, 0);

        box(0)->setText("5");
        box(1)->setText("30");
        click(0);
        QCOMPARE(box(2)->text(), "4.33");
        QCOMPARE(record(1).X, 4.33012701892219);
        QCOMPARE(m_control->LastCommand(), 0);

        click(1); // from the rounded texts
        QCOMPARE(box(0)->text(), "5");
        QCOMPARE(record(2).Index, 1);
        QCOMPARE(record(2).Radius, 4.99988999878997);

        // Refresh repeats the last command on the texts as they are now.
        box(2)->setText("-3");
        box(3)->setText("4");
        modMath::SignificantValues = 4;
        m_control->Refresh();
        QCOMPARE(results.count(), 4);
        QCOMPARE(record(3).Index, 1);
        QCOMPARE(box(1)->text(), "126.8699");
    }

    void failedCommand_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("says");
        QTest::addColumn<int>("marked");
        QTest::newRow("bad r") << 0 << "1-2" << QStringLiteral("30") << "r = \u201C1-2\u201D" << 0;
        QTest::newRow("bad y") << 1 << "3" << QStringLiteral("-") << "y = \u201C-\u201D" << 3;
        QTest::newRow("both bad: the first")
            << 0 << "." << QStringLiteral("-") << "r = \u201C.\u201D" << 0;
        QTest::newRow("overflow") << 1 << "1" << QStringLiteral("1e200") << "Overflow" << -1;
    }
    void failedCommand()
    {
        QFETCH(int, command);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, says);
        QFETCH(int, marked);
        click(0);
        QSignalSpy results(m_control, &ucPolarRect::Result);
        QSignalSpy messages(m_control, &ucPolarRect::MessageChanged);
        box(2 * command)->setText(a);
        box(2 * command + 1)->setText(b);
        click(command);
        QCOMPARE(results.count(), 0);
        QCOMPARE(box(2 - 2 * command)->text(), "0"); // nothing written
        QCOMPARE(messages.count(), 1);
        QVERIFY2(m_control->message().contains(says), qPrintable(m_control->message()));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(box(i)->testAttribute(Qt::WA_SetPalette), i == marked);
        }

        box(2 * command)->setText("2");
        box(2 * command + 1)->setText("2");
        click(command);
        QCOMPARE(results.count(), 1);
        QCOMPARE(m_control->message(), QString());
        QVERIFY(!box(qMax(marked, 0))->testAttribute(Qt::WA_SetPalette));
    }

    void layoutAtTheDesignSizeAndBelowTheTray()
    {
        auto *polar = find<PictureBox>("picPolar");
        auto *rectangular = find<PictureBox>("picRectangular");
        auto *tray = find<QWidget>("picTray");
        const QRect leftBox = box(0)->geometry();
        QCOMPARE(polar->geometry(), QRect(0, 0, 293, 316));
        QCOMPARE(polar->contentsRect().width(), 289);
        QCOMPARE(box(2)->geometry().left(), 330);
        QCOMPARE(tray->geometry(), QRect(0, 316, 585, 77));

        m_control->resize(700, 40);
        QCOMPARE(polar->geometry(), QRect(0, 0, 293, 316));
        QCOMPARE(readout(1)->x(), 299); // the right-hand group is placed all the same
        QCOMPARE(box(0)->geometry(), leftBox);
        QCOMPARE(tray->geometry(), QRect(0, -37, 700, 77));
        m_control->resize(0, 0);
        m_control->resize(585, 393);
        QCOMPARE(rectangular->geometry(), QRect(292, 0, 293, 316));
        QCOMPARE(rectangular->contentsRect().size(), polar->contentsRect().size());
    }

    void crosshairsAndReadoutsFollowThePointer()
    {
        auto *polar = find<PictureBox>("picPolar");
        auto *rectangular = find<PictureBox>("picRectangular");
        const QRect inside = polar->contentsRect();
        const QPoint centre(inside.width() / 2, inside.height() / 2);
        m_pointerOver = polar;
        QTest::mouseMove(polar, inside.topLeft() + centre);
        for (PictureBox *d : {polar, rectangular}) {
            QVERIFY(!d->linH().Visible); // not before the first tick
            QCOMPARE(d->linH().Line, QLineF(centre.x(), 0, centre.x(), inside.height()));
            QCOMPARE(d->linV().Line, QLineF(0, centre.y(), inside.width(), centre.y()));
        }
        QCOMPARE(readout(0)->text(), "Radius = 0; Angle = 180\u00B0; Quadrant II");
        QVERIFY(readout(1)->text().startsWith("X = 0; Y = 0"));
        QTRY_VERIFY_WITH_TIMEOUT(polar->linH().Visible && rectangular->linV().Visible, 1000);

        m_pointerOver = readout(0); // the read-out lies on the tray: outside
        QTRY_VERIFY_WITH_TIMEOUT(!polar->linH().Visible, 1000);
        QVERIFY(!rectangular->linV().Visible);
        QCOMPARE(readout(0)->text() + readout(1)->text(), QString());

        // The read-out reads r as typed; an unreadable r leaves it empty and says why.
        box(0)->setText("-");
        QTest::mouseMove(polar, QPoint(40, 40));
        QCOMPARE(readout(0)->text(), QString());
        QVERIFY2(m_control->message().contains("r: \u201C-\u201D is not a number"),
                 qPrintable(m_control->message()));
        QCOMPARE(polar->linH().Line.x1(), 40.0 - inside.left());
        box(0)->setText("6");
        QTest::mouseMove(polar, QPoint(41, 40));
        QVERIFY(readout(0)->text().startsWith("Radius = "));
        QCOMPARE(m_control->message(), QString());
    }

    void readoutMessagesGoWithTheirCause()
    {
        auto *polar = find<PictureBox>("picPolar");
        QSignalSpy messages(m_control, &ucPolarRect::MessageChanged);
        const auto failOver = [&](QPoint at) {
            box(0)->setText("-");
            m_pointerOver = polar;
            QTest::mouseMove(polar, at);
            QVERIFY(!m_control->message().isEmpty());
        };
        // Leaving the diagrams: no tick is due, as this read-out never started the timer.
        failOver({50, 50});
        m_pointerOver = nullptr;
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(polar, &leave);
        QCOMPARE(m_control->message(), QString());
        // Leaving after a read-out that did start the timer: the tick clears it.
        box(0)->setText("5");
        m_pointerOver = polar;
        QTest::mouseMove(polar, {60, 60});
        failOver({61, 60});
        m_pointerOver = nullptr;
        QTRY_COMPARE_WITH_TIMEOUT(m_control->message(), QString(), 1000);
        // Mending r clears it, while the pointer rests.
        failOver({62, 60});
        box(0)->setText("5");
        QCOMPARE(m_control->message(), QString());
        // A pasted r beyond the range of numbers mends nothing, and breaks nothing.
        failOver({63, 60});
        box(0)->setText(QString(400, QLatin1Char('9')));
        QVERIFY(!m_control->message().isEmpty());
        box(0)->setText("5");
        // A command's own message stays until a command succeeds.
        box(0)->setText("x");
        click(0);
        const QString commandMessage = m_control->message();
        QVERIFY(!commandMessage.isEmpty());
        QEvent again(QEvent::Leave);
        QCoreApplication::sendEvent(polar, &again);
        QCOMPARE(m_control->message(), commandMessage);
    }

    void readoutLinesShowTheirWholeText()
    {
        m_control->resize(1920, 700);
        modMath::SignificantValues = 12;
        box(0)->setText("123456.789");
        auto *polar = find<PictureBox>("picPolar");
        m_pointerOver = polar;
        QTest::mouseMove(polar, QPoint(13, 17));
        for (int i : {0, 1}) {
            QVERIFY(readout(i)->text().contains("Quadrant II"));
            QVERIFY2(readout(i)->width() >= readout(i)->sizeHint().width(),
                     qPrintable(readout(i)->text()));
            QVERIFY(readout(i)->x() + readout(i)->width() <= m_control->width());
            QCOMPARE(readout(i)->textInteractionFlags(), Qt::NoTextInteraction);
        }
        QVERIFY(readout(0)->geometry().right() < readout(1)->x());

        // A new read-out is painted where it stands: nothing is laid out again.
        LayoutRequests requests;
        for (QWidget *w : {static_cast<QWidget *>(m_control), find<QWidget>("picTray")}) {
            w->installEventFilter(&requests);
        }
        for (int x = 14; x < 40; ++x) {
            QTest::mouseMove(polar, QPoint(x, 17));
        }
        QCoreApplication::processEvents();
        QCOMPARE(requests.Count, 0);
    }
};

QTEST_MAIN(TestUcPolarRect)
#include "tst_uc_polar_rect.moc"
