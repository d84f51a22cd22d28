#include "conversion_control/uc_polar_rect.h"
#include "main_window/frm_about.h"
#include "main_window/frm_main.h"
#include "math/mod_math.h"
#include "platform/solution_view.h"
#include "support/calculator_widgets.h"

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

class TestFrmMain : public QObject, CalculatorWidgets
{
    Q_OBJECT

    frmMain *m_window = nullptr;

    [[nodiscard]] QWidget *widgets() const override { return m_window; }
    QString shown() const { return m_window->view()->toPlainText(); }
    static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

private slots:
    void init()
    {
        modMath::SignificantValues = 0;
        m_window = new frmMain;
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void cleanup() { delete m_window; }

    void startsEmptyAndSplitsSeventyThirty()
    {
        QCOMPARE(modMath::SignificantValues, std::int16_t(2));
        QCOMPARE(find<QLineEdit>("txtSignificantVal")->text(), "2");
        QVERIFY(shown().isEmpty());
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

    void windowIconComesAtTheDesktopSizes()
    {
        // Rendered from the SVG into the resources by the build.
        const QIcon icon = m_window->windowIcon();
        QVERIFY(!icon.isNull());
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            QVERIFY2(icon.availableSizes().contains(QSize(size, size)), QByteArray::number(size));
        }
        // The axes cross, opaque, in the middle.
        QCOMPARE(icon.pixmap(64).toImage().pixelColor(32, 32).alpha(), 255);
    }

    void resultsFillTheViewAndTheTray()
    {
        auto *message = find<QLabel>("lblMessage");
        convert(0, "1-2", "30");
        QVERIFY2(message->isVisible() && message->text().contains("1-2"),
                 qPrintable(message->text()));
        convert(0, "5", "30");
        QCOMPARE(message->text(), QString());
        QVERIFY2(shown().contains("x\n=\n5 Cos(30\u00B0)\n"), qPrintable(shown()));
        convert(1, "-3", "4");
        QVERIFY(!shown().contains("Cos("));
        QVERIFY2(shown().contains("X < 0, Y <= 0"), qPrintable(shown())); // "<" as written
        QVERIFY(shown().contains("126.87\u00B0"));
        // A new setting rounds the shown values and the document again.
        find<QLineEdit>("txtSignificantVal")->setText("4");
        QCOMPARE(box(1)->text(), "126.8699");
        QVERIFY(shown().contains("126.8699\u00B0"));
        // A document that cannot be composed leaves the previous one on view.
        const QString before = shown();
        emit m_window->control()->Result(ResultRecord{1, 0, 0, 1e-300, 1e300, "Quadrant I"});
        QCOMPARE(shown(), before);
    }

    void significantValuesBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("setting");
        QTest::addColumn<int>("refreshes");
        QTest::newRow("12 keystroke by keystroke") << "12" << 12 << 2;
        QTest::newRow("2.5 halves to even") << "2.5" << 2 << 3; // "2." is numeric too
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
        find<QLineEdit>("txtSignificantVal")->clear();
        QCOMPARE(results.count(), 0); // an empty box changes nothing
        QTest::keyClicks(find<QLineEdit>("txtSignificantVal"), typed);
        QCOMPARE(int(modMath::SignificantValues), setting);
        QCOMPARE(results.count(), refreshes);
        QCOMPARE(find<QLineEdit>("txtSignificantVal")->text(), typed); // never corrected
    }

    void editMenuFollowsTheSelection()
    {
        convert(0, "2", "30");
        QTest::mouseClick(m_window->view()->viewport(), Qt::RightButton, {}, QPoint(20, 20));
        QTRY_VERIFY(m_window->editMenu()->isVisible());
        QVERIFY(!m_window->copyAction()->isEnabled());
        m_window->editMenu()->hide();

        QApplication::clipboard()->clear();
        m_window->selectAllAction()->trigger();
        QVERIFY(m_window->copyAction()->isEnabled());
        m_window->copyAction()->trigger();
        const QMimeData *copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied && copied->hasHtml());
        QVERIFY2(copied->text().contains(u"\n\nx\t=\t2 Cos(30\u00B0)\n\t=\t"), // a row a line
                 qPrintable(copied->text()));

        QTest::mouseClick(m_window->view()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!m_window->copyAction()->isEnabled());

        // Nothing is loaded from outside the document.
        QTextBrowser *view = m_window->view();
        QVERIFY(
            view->loadResource(QTextDocument::HtmlResource, QUrl::fromLocalFile("/etc/hostname"))
                .isNull());
        QVERIFY(!view->openLinks());
    }

    void copyFollowsThePointerOverTheView()
    {
        convert(0, "2", "30");
        QVERIFY(m_window->copyAction()->isEnabled()); // as designed, until re-evaluated
        QTest::mouseMove(m_window->view()->viewport(), QPoint(30, 30));
        QVERIFY(!m_window->copyAction()->isEnabled());
        m_window->view()->selectAll();
        QTest::mouseMove(m_window->view()->viewport(), QPoint(31, 30));
        QVERIFY(m_window->copyAction()->isEnabled());
    }

    void usableFromTheKeyboardAlone()
    {
        find<QWidget>("picPolar")->setFocus();
        QStringList order{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 9; ++i) {
            press(Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"picPolar", "picRectangular", "cmdButton1", "cmdButton0",
                                     "txtData3", "txtData2", "txtData1", "txtData0", "wbPreview",
                                     "txtSignificantVal"}));
        // Back to r, type over it, back to "Polar to Rectangular" and press Space.
        press(Qt::Key_Backtab);
        press(Qt::Key_Backtab);
        press(Qt::Key_Backspace);
        QTest::keyClicks(QApplication::focusWidget(), "4");
        QCOMPARE(box(0)->text(), "4");
        for (int i = 0; i < 4; ++i) {
            press(Qt::Key_Backtab);
        }
        press(Qt::Key_Space);
        QCOMPARE(box(2)->text(), "4");
        QStringList menus;
        for (const QAction *menu : m_window->menuBar()->actions()) {
            menus << menu->text();
        }
        QCOMPARE(menus, QStringList({"&File", "&Edit", "&About"}));
    }

    // The diagrams, boxes and read-outs are heard as tst_keyboard_and_screen_reader checks.
    void theSettingTheSolutionAndTheButtonsAreNamed()
    {
        const auto name = [this](const char *object) {
            return accessibleText(find(object), QAccessible::Name);
        };
        QCOMPARE(name("txtSignificantVal"), "Significant values");
        QCOMPARE(name("wbPreview"), "Worked solution");
        QCOMPARE(name("cmdButton0"), "Polar to Rectangular");
        QCOMPARE(name("cmdButton1"), "Rectangular to Polar");
    }

    void aboutIsModalAndOwnedByTheMainWindow()
    {
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            auto *about = m_window->findChild<frmAbout *>();
            QVERIFY(about && about->isVisible());
            QCOMPARE(QApplication::activeModalWidget(), about);
            checked = true;
            about->accept();
        });
        m_window->findChild<QAction *>("mnuAbout")->trigger();
        QVERIFY(checked);
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frm_main.moc"
