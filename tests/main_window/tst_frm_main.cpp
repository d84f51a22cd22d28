#include "conversion_control/uc_polar_rect.h"
#include "main_window/frm_about.h"
#include "main_window/frm_main.h"
#include "main_window/solution_document.h"
#include "math/mod_math.h"
#include "platform/solution_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>

class TestFrmMain : public QObject
{
    Q_OBJECT

private:
    frmMain *m_window = nullptr;

    QLineEdit *find(const QString &name) const { return m_window->findChild<QLineEdit *>(name); }
    QLineEdit *significant() const { return find(QStringLiteral("txtSignificantVal")); }
    void convert(int command, const QString &a, const QString &b)
    {
        const int first = command == 0 ? 0 : 2;
        find(QStringLiteral("txtData%1").arg(first))->setText(a);
        find(QStringLiteral("txtData%1").arg(first + 1))->setText(b);
        QTest::mouseClick(
            m_window->findChild<QPushButton *>(QStringLiteral("cmdButton%1").arg(command)),
            Qt::LeftButton);
    }
    void rightClickInView()
    {
        QTest::mouseClick(m_window->view()->viewport(), Qt::RightButton, {}, QPoint(20, 20));
    }

private slots:
    void init()
    {
        modMath::SignificantValues = 0;
        m_window = new frmMain;
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void cleanup()
    {
        m_window->editMenu()->hide();
        delete m_window;
    }

    void startsWithTheTrayAndAnEmptyView()
    {
        QCOMPARE(modMath::SignificantValues, std::int16_t(2));
        QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("lblSignificantVal"))->text(),
                 QStringLiteral("Significant values : "));
        QCOMPARE(significant()->text(), QStringLiteral("2"));
        QVERIFY(m_window->view()->toPlainText().isEmpty());
        QCOMPARE(m_window->centralWidget()->size(), QSize(642, 505));
    }

    void layoutSplitsTheClientArea()
    {
        // 505 px = 7575 twips: control 4998 twips (333.2 px), view 2142 (142.8 px).
        QCOMPARE(m_window->control()->geometry(), QRect(0, 29, 642, 333));
        QCOMPARE(m_window->view()->geometry(), QRect(0, 362, 642, 143));
        m_window->resize(300, 40);
        QTest::qWait(0);
        m_window->resize(1920, 1080);
        QTRY_COMPARE(m_window->control()->width(), 1920);
        const int below = m_window->centralWidget()->height() - 29;
        QVERIFY(qAbs(m_window->control()->height() - below * 0.7) <= 1);
        QCOMPARE(m_window->view()->geometry().bottom(), m_window->centralWidget()->height() - 1);
    }

    void eachResultReplacesTheWorkedSolution()
    {
        convert(0, QStringLiteral("5"), QStringLiteral("30"));
        const QString polar = m_window->view()->toPlainText();
        QVERIFY2(polar.contains(QStringLiteral("x\n=\n5 Cos(30\u00B0)\n")), qPrintable(polar));
        QVERIFY(polar.contains(QStringLiteral("4.33")));

        convert(1, QStringLiteral("-3"), QStringLiteral("4"));
        const QString rectangular = m_window->view()->toPlainText();
        QVERIFY(!rectangular.contains(QStringLiteral("Cos(")));
        // Every condition of the rule table shows as written.
        for (const char *condition : {"X > 0, Y >= 0", "X = 0, Y > 0", "X < 0, Y >= 0",
                                      "X = 0, Y < 0", "X < 0, Y <= 0", "X > 0, Y <= 0"}) {
            QVERIFY2(rectangular.contains(QLatin1String(condition)), condition);
        }
        QVERIFY(rectangular.contains(QStringLiteral("\u00D8 = 180\u00B0 + Atn(Y/X)")));
        QVERIFY(rectangular.contains(QStringLiteral("126.87\u00B0")));
    }

    void significantValuesBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("setting");
        QTest::addColumn<int>("refreshes");
        QTest::newRow("12 keystroke by keystroke") << "12" << 12 << 2;
        QTest::newRow("2.5 halves to even") << "2.5" << 2 << 3; // "2." is numeric too
        QTest::newRow("3.5 halves to even") << "3.5" << 4 << 3;
        QTest::newRow("blanks around") << " 4 " << 4 << 2;
        QTest::newRow("exponent") << "1E1" << 10 << 2;
        QTest::newRow("zero") << "0" << 0 << 1;
        QTest::newRow("negative") << "-3" << -3 << 1;
        QTest::newRow("letters ignored") << "ab" << 2 << 0;
        QTest::newRow("beyond 16 bits ignored") << "99999" << 9999 << 4;
    }
    void significantValuesBox()
    {
        QFETCH(QString, typed);
        QFETCH(int, setting);
        QFETCH(int, refreshes);
        QSignalSpy results(m_window->control(), &ucPolarRect::Result);
        significant()->clear();
        QCOMPARE(results.count(), 0); // an empty box changes nothing
        QTest::keyClicks(significant(), typed);
        QCOMPARE(int(modMath::SignificantValues), setting);
        QCOMPARE(results.count(), refreshes);
        QCOMPARE(significant()->text(), typed); // never corrected
    }

    void settingReroundsTheShownValuesAndTheDocument()
    {
        convert(1, QStringLiteral("-3"), QStringLiteral("-4"));
        QCOMPARE(find(QStringLiteral("txtData1"))->text(), QStringLiteral("233.13"));
        significant()->setText(QStringLiteral("4"));
        QCOMPARE(find(QStringLiteral("txtData1"))->text(), QStringLiteral("233.1301"));
        QVERIFY(m_window->view()->toPlainText().contains(QStringLiteral("233.1301\u00B0")));
    }

    void selectAllAndCopyReachTheClipboard()
    {
        convert(0, QStringLiteral("2"), QStringLiteral("30"));
        QApplication::clipboard()->clear();
        m_window->selectAllAction()->trigger();
        QVERIFY(m_window->copyAction()->isEnabled());
        m_window->copyAction()->trigger();
        const QMimeData *copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied != nullptr);
        const QString text = copied->text();
        QCOMPARE(text, m_window->view()->textCursor().selection().toPlainText());
        QVERIFY(text.startsWith(QStringLiteral("Formula:")));
        QVERIFY(text.contains(QStringLiteral("2(0.866025403784439)")));
        QVERIFY(copied->hasHtml());
    }

    void copyFollowsTheSelectionAndRightClickShowsTheEditMenu()
    {
        convert(0, QStringLiteral("5"), QStringLiteral("30"));
        rightClickInView();
        QTRY_VERIFY(m_window->editMenu()->isVisible());
        QVERIFY(!m_window->copyAction()->isEnabled());
        m_window->editMenu()->hide();

        m_window->selectAllAction()->trigger();
        rightClickInView();
        QVERIFY(m_window->copyAction()->isEnabled());
        m_window->editMenu()->hide();

        QTest::mouseClick(m_window->view()->viewport(), Qt::LeftButton, {}, QPoint(30, 30));
        QVERIFY(!m_window->copyAction()->isEnabled());
        QVERIFY(!m_window->view()->hasSelectedText());
    }

    void theViewLoadsNothingFromOutside()
    {
        QTextBrowser *view = m_window->view();
        QVERIFY(
            view->loadResource(QTextDocument::HtmlResource, QUrl::fromLocalFile("/etc/hostname"))
                .isNull());
        QVERIFY(view->loadResource(QTextDocument::ImageResource, QUrl("http://127.0.0.1/a.png"))
                    .isNull());
        QVERIFY(!view->openLinks());
    }

    void aFailedCompositionKeepsThePreviousDocument()
    {
        convert(0, QStringLiteral("5"), QStringLiteral("30"));
        const QString before = m_window->view()->toPlainText();
        ResultRecord overflowing{1, 0, 0, 1e-300, 1e300, "Quadrant I"};
        emit m_window->control()->Result(overflowing);
        QCOMPARE(m_window->view()->toPlainText(), before);
    }

    void errorMessageInTheTrayGoesAwayOnSuccess()
    {
        convert(0, QStringLiteral("1-2"), QStringLiteral("30"));
        auto *message = m_window->findChild<QLabel *>(QStringLiteral("lblMessage"));
        QVERIFY2(message->text().contains(QStringLiteral("1-2")), qPrintable(message->text()));
        QVERIFY(message->isVisible());
        convert(0, QStringLiteral("12"), QStringLiteral("30"));
        QCOMPARE(message->text(), QString());
    }

    void usableFromTheKeyboardAlone()
    {
        QWidget *first = m_window->findChild<QWidget *>(QStringLiteral("picPolar"));
        first->setFocus();
        QStringList order{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 9; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"picPolar", "picRectangular", "cmdButton1", "cmdButton0",
                                     "txtData3", "txtData2", "txtData1", "txtData0", "wbPreview",
                                     "txtSignificantVal"}));
        // Type r and Ø, then Shift+Tab back to the button and press Space.
        find(QStringLiteral("txtData1"))->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4"));
        QCOMPARE(find(QStringLiteral("txtData1"))->text(), QStringLiteral("00"));
        QCOMPARE(find(QStringLiteral("txtData0"))->text(), QStringLiteral("4"));
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdButton0"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(find(QStringLiteral("txtData2"))->text(), QStringLiteral("4"));
        for (const char *menu : {"&File", "&Edit", "&About"}) {
            const auto actions = m_window->menuBar()->actions();
            QVERIFY(std::any_of(actions.begin(), actions.end(),
                                [menu](QAction *a) { return a->text() == QLatin1String(menu); }));
        }
    }

    void everyInputAndViewHasAnAccessibleName()
    {
        for (const char *name :
             {"txtData0", "txtData1", "txtData2", "txtData3", "txtSignificantVal", "picPolar",
              "picRectangular", "wbPreview", "lblInfo0", "lblInfo1", "cmdButton0", "cmdButton1"}) {
            auto *widget = m_window->findChild<QWidget *>(QLatin1String(name));
            QVERIFY2(widget != nullptr, name);
            const QString accessible = widget->accessibleName().isEmpty()
                                           ? widget->property("text").toString()
                                           : widget->accessibleName();
            QVERIFY2(!accessible.isEmpty(), name);
        }
    }

    void aboutIsModalAndOwnedByTheMainWindow()
    {
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            auto *about = m_window->findChild<frmAbout *>();
            QVERIFY(about != nullptr);
            QVERIFY(about->isModal());
            QVERIFY(about->isVisible());
            QCOMPARE(QApplication::activeModalWidget(), about);
            const auto labels = about->findChildren<QLabel *>();
            QVERIFY(std::any_of(labels.begin(), labels.end(), [](QLabel *l) {
                return l->text().contains(QStringLiteral("Polar and Rectangular Conversion"));
            }));
            checked = true;
            about->accept();
        });
        m_window->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
        QVERIFY(checked);
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frm_main.moc"
