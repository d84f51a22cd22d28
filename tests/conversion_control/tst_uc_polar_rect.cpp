#include "conversion_control/uc_polar_rect.h"
#include "math/mod_math.h"
#include "platform/picture_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(ResultRecord)

class TestUcPolarRect : public QObject
{
    Q_OBJECT

private:
    ucPolarRect *m_control = nullptr;
    QWidget *m_pointerOver = nullptr;

    QLineEdit *box(int i) const
    {
        return m_control->findChild<QLineEdit *>(QStringLiteral("txtData%1").arg(i));
    }
    QPushButton *button(int i) const
    {
        return m_control->findChild<QPushButton *>(QStringLiteral("cmdButton%1").arg(i));
    }
    PictureBox *diagram(const char *name) const
    {
        return m_control->findChild<PictureBox *>(QLatin1String(name));
    }
    QLabel *readout(int i) const
    {
        return m_control->findChild<QLabel *>(QStringLiteral("lblInfo%1").arg(i));
    }
    void type(int i, const QString &text)
    {
        box(i)->selectAll();
        QTest::keyClick(box(i), Qt::Key_Backspace);
        QTest::keyClicks(box(i), text);
    }
    static ResultRecord record(const QSignalSpy &spy, int i)
    {
        return spy.at(i).at(0).value<ResultRecord>();
    }

private slots:
    void init()
    {
        qRegisterMetaType<ResultRecord>();
        modMath::SignificantValues = 2;
        m_control = new ucPolarRect;
        m_pointerOver = nullptr;
        m_control->setWidgetUnderPointer([this] { return m_pointerOver; });
        m_control->resize(585, 393);
        m_control->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_control));
    }
    void cleanup()
    {
        delete m_control;
        m_control = nullptr;
    }

    void keyFilter_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::newRow("second point discarded") << "12.5" << 4 << "."
                                                << "12.5";
        QTest::newRow("minus between digits accepted") << "12" << 1 << "-"
                                                       << "1-2";
        QTest::newRow("second minus discarded") << "-12" << 3 << "-"
                                                << "-12";
        QTest::newRow("comma three times") << "1" << 1 << ",,,"
                                           << "1,,,";
        QTest::newRow("letters, blank, plus and E discarded") << "5" << 1 << "a E+x"
                                                              << "5";
        QTest::newRow("digits anywhere") << "5" << 0 << "12"
                                         << "125";
    }
    void keyFilter()
    {
        QFETCH(QString, start);
        QFETCH(int, caret);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        for (int i = 0; i < 4; ++i) {
            box(i)->setText(start);
            box(i)->setCursorPosition(caret);
            QTest::keyClicks(box(i), typed);
            QCOMPARE(box(i)->text(), result);
        }
    }

    void enterRunsNoCommandAndBackspaceEdits()
    {
        QSignalSpy results(m_control, &ucPolarRect::Result);
        box(0)->setText(QStringLiteral("5"));
        QTest::keyClick(box(0), Qt::Key_Return);
        QCOMPARE(results.count(), 0);
        QCOMPARE(box(0)->text(), QStringLiteral("5"));
        QTest::keyClick(box(0), Qt::Key_Backspace);
        QCOMPARE(box(0)->text(), QString());
    }

    void bothCommandsEndToEnd()
    {
        QSignalSpy results(m_control, &ucPolarRect::Result);
        type(0, QStringLiteral("5"));
        type(1, QStringLiteral("30"));
        QTest::mouseClick(button(0), Qt::LeftButton);
        QCOMPARE(box(2)->text(), QStringLiteral("4.33"));
        QCOMPARE(box(3)->text(), QStringLiteral("2.5"));
        QCOMPARE(results.count(), 1);
        ResultRecord first = record(results, 0);
        QCOMPARE(first.Index, 0);
        QCOMPARE(first.X, 4.33012701892219);
        QCOMPARE(first.Quadrant, std::string("Quadrant I"));
        QCOMPARE(m_control->LastCommand(), 0);

        QTest::mouseClick(button(1), Qt::LeftButton);
        QCOMPARE(box(0)->text(), QStringLiteral("5"));
        QCOMPARE(box(1)->text(), QStringLiteral("30"));
        QCOMPARE(results.count(), 2);
        const ResultRecord second = record(results, 1);
        QCOMPARE(second.Index, 1);
        QCOMPARE(second.Radius, 4.99988999878997);
        QCOMPARE(second.Angle, 30.0007282499727);
        QCOMPARE(m_control->LastCommand(), 1);
        QCOMPARE(m_control->boxes().Tag[0], std::string("4.99988999878997"));
    }

    void refreshBeforeAnyCommandConvertsPolar()
    {
        QSignalSpy results(m_control, &ucPolarRect::Result);
        m_control->Refresh();
        QCOMPARE(results.count(), 1);
        const ResultRecord r = record(results, 0);
        QCOMPARE(r.Index, 0);
        QCOMPARE(r.Radius, 0.0);
        QCOMPARE(r.X, 0.0);
        QCOMPARE(r.Y, 0.0);
        QCOMPARE(r.Quadrant, std::string("Quadrant I"));
        QCOMPARE(box(2)->text(), QStringLiteral("0"));
    }

    void refreshRepeatsTheLastCommandOnTheCurrentTexts()
    {
        QSignalSpy results(m_control, &ucPolarRect::Result);
        type(2, QStringLiteral("-3"));
        type(3, QStringLiteral("-4"));
        QTest::mouseClick(button(1), Qt::LeftButton);
        QCOMPARE(box(1)->text(), QStringLiteral("233.13"));
        type(2, QStringLiteral("3"));
        modMath::SignificantValues = 4;
        m_control->Refresh();
        QCOMPARE(results.count(), 2);
        QCOMPARE(record(results, 1).Index, 1);
        QCOMPARE(box(1)->text(), QStringLiteral("306.8699"));
    }

    void unreadableSourceChangesNothingAndSaysWhy()
    {
        QTest::mouseClick(button(0), Qt::LeftButton);
        QSignalSpy results(m_control, &ucPolarRect::Result);
        QSignalSpy messages(m_control, &ucPolarRect::MessageChanged);
        type(0, QStringLiteral("1"));
        QTest::keyClicks(box(0), QStringLiteral("-2"));
        QCOMPARE(box(0)->text(), QStringLiteral("1-2"));
        const InputBoxes before = m_control->boxes();
        QTest::mouseClick(button(0), Qt::LeftButton);
        QCOMPARE(results.count(), 0);
        QCOMPARE(m_control->boxes().Tag, before.Tag);
        QCOMPARE(box(2)->text(), QStringLiteral("0"));
        QCOMPARE(messages.count(), 1);
        const QString message = m_control->message();
        QVERIFY2(message.contains(QStringLiteral("r = \u201C1-2\u201D is not a number")),
                 qPrintable(message));
        QVERIFY(box(0)->testAttribute(Qt::WA_SetPalette));
        QVERIFY(!box(1)->testAttribute(Qt::WA_SetPalette));

        type(0, QStringLiteral("2"));
        QTest::mouseClick(button(0), Qt::LeftButton);
        QCOMPARE(results.count(), 1);
        QCOMPARE(m_control->message(), QString());
        QVERIFY(!box(0)->testAttribute(Qt::WA_SetPalette));
    }

    void overflowSaysWhatOverflowed()
    {
        QSignalSpy results(m_control, &ucPolarRect::Result);
        type(2, QStringLiteral("1"));
        box(3)->setText(QStringLiteral("1e200"));
        QTest::mouseClick(button(1), Qt::LeftButton);
        QCOMPARE(results.count(), 0);
        QCOMPARE(box(0)->text(), QStringLiteral("0"));
        QVERIFY2(m_control->message().contains(QStringLiteral("Overflow")),
                 qPrintable(m_control->message()));
    }

    void layoutAtTheDesignSizeAndBelowTheTray()
    {
        QCOMPARE(m_control->geometryModel().picPolar.Width, 292.5f);
        QCOMPARE(m_control->geometryModel().cmdButton[1].Left, 413.5f);
        QCOMPARE(diagram("picPolar")->geometry(), QRect(0, 0, 293, 316));
        QCOMPARE(diagram("picPolar")->contentsRect().width(), 289);
        QCOMPARE(box(2)->geometry().left(), 330);
        auto *tray = m_control->findChild<QWidget *>(QStringLiteral("picTray"));
        QCOMPARE(tray->geometry(), QRect(0, 316, 585, 77));

        m_control->resize(700, 40);
        QCOMPARE(diagram("picPolar")->geometry(), QRect(0, 0, 293, 316));
        QCOMPARE(m_control->geometryModel().lblInfo[1].Left, 298.5f);
        QCOMPARE(tray->geometry(), QRect(0, -37, 700, 77));
        m_control->resize(0, 0);
        m_control->resize(585, 393);
        QCOMPARE(diagram("picRectangular")->geometry(), QRect(292, 0, 293, 316));
        QCOMPARE(diagram("picRectangular")->contentsRect().size(),
                 diagram("picPolar")->contentsRect().size());
    }

    void crosshairsFollowThePointerAndTheTimer()
    {
        PictureBox *polar = diagram("picPolar");
        PictureBox *rectangular = diagram("picRectangular");
        const QRect inside = polar->contentsRect();
        const QPoint centre = inside.topLeft() + QPoint(inside.width() / 2, inside.height() / 2);
        m_pointerOver = polar;
        QTest::mouseMove(polar, centre);
        for (PictureBox *d : {polar, rectangular}) {
            QVERIFY(!d->linH().Visible); // not before the first tick
            QCOMPARE(d->linH().Line.x1(), d->linH().Line.x2());
            QCOMPARE(d->linV().Line.y1(), d->linV().Line.y2());
            QCOMPARE(d->linH().Line.y2(), qreal(polar->canvas().ScaleHeight()));
        }
        QVERIFY(readout(0)->text().startsWith(QStringLiteral("Radius = 0; Angle = 180")));
        QVERIFY(readout(0)->text().endsWith(QStringLiteral("; Quadrant II")));
        QVERIFY(readout(1)->text().startsWith(QStringLiteral("X = 0; Y = 0")));
        QTRY_VERIFY_WITH_TIMEOUT(polar->linH().Visible && rectangular->linV().Visible, 1000);

        m_pointerOver = readout(0); // the read-out lies on the tray: outside
        QTRY_VERIFY_WITH_TIMEOUT(!polar->linH().Visible, 1000);
        QVERIFY(!rectangular->linV().Visible);
        QCOMPARE(readout(0)->text(), QString());
        QCOMPARE(readout(1)->text(), QString());
    }

    void readoutWithAnUnreadableRSaysWhy()
    {
        PictureBox *polar = diagram("picPolar");
        box(0)->setText(QStringLiteral("-"));
        QTest::mouseMove(polar, QPoint(40, 40));
        QCOMPARE(readout(0)->text(), QString());
        QVERIFY2(m_control->message().contains(QStringLiteral("r: \u201C-\u201D is not a number")),
                 qPrintable(m_control->message()));
        QCOMPARE(polar->linH().Line.x1(), 40.0 - polar->contentsRect().left());
        box(0)->setText(QStringLiteral("6"));
        QTest::mouseMove(polar, QPoint(41, 40));
        QVERIFY(!readout(0)->text().isEmpty());
        QCOMPARE(m_control->message(), QString());
    }
};

QTEST_MAIN(TestUcPolarRect)
#include "tst_uc_polar_rect.moc"
