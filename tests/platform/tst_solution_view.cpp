#include "main_window/solution_document.h"
#include "math/mod_math.h"
#include "platform/document_runs.h"
#include "platform/readable_plain_text.h"
#include "platform/solution_view.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>
#include <QXmlStreamReader>

namespace {

// r 5, Ø 30 (command 0) and x -3, y -4 (command 1) at two significant values.
QString solution(int command)
{
    modMath::SignificantValues = 2;
    return QString::fromStdString(command == 0 ? SolutionDocument(0, 5, 30, 0, 0)
                                               : SolutionDocument(1, 0, 0, -3, -4));
}

const char *const kPolar = "Formula:\n\n"
                           "x = r cos(Ø)\n"
                           "y = r sin(Ø)\n\n"
                           "Given:\n\n"
                           "r = 5\n"
                           "Ø = 30° (in degrees)\n\n"
                           "Solution:\n\n"
                           "x\t=\t5 Cos(30°)\n"
                           "\t=\t5(0.866025403784439)\n"
                           "x\t=\t4.33\n\n"
                           "y\t=\t5 sin(30°)\n"
                           "\t=\t5(0.5)\n"
                           "y\t=\t2.5";

const char *const kRectangular = "Formula:\n\n"
                                 "r = sqrt(x² + y²)\n"
                                 "Ø = 180° + Atn(Y/X)  (see table below)\n\n"
                                 "Table\n\n"
                                 "(X,Y)\tØ\n"
                                 "X > 0, Y >= 0\tAtn(Y/X)\n"
                                 "X = 0, Y > 0\t90°\n"
                                 "X < 0, Y >= 0\t180° + Atn(Y/X)\n"
                                 "X = 0, Y < 0\t270°\n"
                                 "X < 0, Y <= 0\t180° + Atn(Y/X)\n"
                                 "X > 0, Y <= 0\t360° + Atn(Y/X)\n\n"
                                 "Given:\n\n"
                                 "x = -3\n"
                                 "y = -4\n\n"
                                 "Solution:\n\n"
                                 "r\t=\tsqrt(-3² + -4²)\n"
                                 "\t=\tsqrt(9 + 16)\n"
                                 "\t=\tsqrt(25)\n"
                                 "r\t=\t5\n\n"
                                 "Ø\t=\t180° + Atn(-4/-3)\n"
                                 "\t=\t180° + 53.1301017798049°\n"
                                 "Ø\t=\t233.13°";

} // namespace

class TestSolutionView : public QObject
{
    Q_OBJECT

    SolutionView *m_view = nullptr;

    // Line by line, so that a failure names the first line that differs.
    static void compareLines(const QString &actual, const QString &expected)
    {
        QCOMPARE(actual.split(u'\n'), expected.split(u'\n'));
    }
    // The HTML flavour: clean XHTML, so that any HTML reader takes it, one
    // marked fragment, no toolkit styles, every square raised, the lit rule
    // row (for x -3, y -4) and the header's red kept, read as the plain text.
    static void compareHtmlWithText(const QMimeData *data)
    {
        const QString html = data->html();
        const QString text = data->text();
        QXmlStreamReader xml(html);
        while (!xml.atEnd()) {
            xml.readNext();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString() + u'\n' + html));
        QVERIFY(html.contains(QRegularExpression(
            "charset=utf-8.*<body><!--StartFragment-->.*<!--EndFragment--></body></html>$")));
        QVERIFY(!html.contains(u"-qt-") && !html.contains(u"qrichtext"));
        QCOMPARE(html.count(u"<sup>2</sup>"), text.count(u'²'));
        const bool litRowCopied = text.contains(u"X < 0, Y <= 0\t");
        QCOMPARE(html.count(u"bgcolor"), litRowCopied ? 2 : 0);
        QCOMPARE(html.count(u"<tr><td bgcolor=\"#aeebff\">X &lt; 0, Y &lt;= 0</td><td bgcolor"),
                 litRowCopied ? 1 : 0);
        QCOMPARE(html.count(u"color:#ff0000"), text.contains(u"(X,Y)") ? 2 : 0);
        QTextDocument pasted;
        pasted.setHtml(html);
        QCOMPARE(readablePlainText(readDocumentRuns(pasted)), text);
    }
    // Copies with Ctrl+C, as a reader does.
    const QMimeData *copied() const
    {
        QApplication::clipboard()->clear();
        QTest::keyClick(m_view, Qt::Key_C, Qt::ControlModifier);
        return QApplication::clipboard()->mimeData();
    }

private slots:
    void init()
    {
        m_view = new SolutionView;
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view));
    }
    void cleanup() { delete m_view; }

    void wholeDocument_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("expected");
        QTest::newRow("polar to rectangular") << 0 << kPolar;
        QTest::newRow("rectangular to polar") << 1 << kRectangular;
    }
    void wholeDocument()
    {
        QFETCH(int, command);
        QFETCH(QString, expected);
        m_view->setSolution(solution(command).toStdString());
        QTest::keyClick(m_view, Qt::Key_A, Qt::ControlModifier);
        const QMimeData *data = copied();
        QVERIFY(data);
        QVERIFY(data->hasText() && data->hasHtml());
        compareLines(data->text(), expected);
        compareHtmlWithText(data);
        QCOMPARE(data->html().count(u"<table"), command == 0 ? 2 : 3);
        QCOMPARE(data->html().count(u"<strong>"), command == 0 ? 3 : 4); // the headings
    }

    // From the start of the first "from" to the end of the first "to" after it.
    void partialSelection_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("expected");
        QTest::newRow("inside one cell") << 0 << "Cos("
                                         << "30"
                                         << "Cos(30";
        QTest::newRow("inside one cell, over a square") << 1 << "(-3"
                                                        << "-4"
                                                        << "(-3² + -4";
        QTest::newRow("no-break spaces") << 1 << "Atn(Y/X)"
                                         << "(see"
                                         << "Atn(Y/X)  (see";
        // Inside a table the selection is a rectangle of whole cells.
        QTest::newRow("down one column: whole cells") << 0 << "866"
                                                      << "4.3"
                                                      << "5(0.866025403784439)\n4.33";
        QTest::newRow("across columns and rows")
            << 1 << "Y > 0"
            << "270"
            << "X = 0, Y > 0\t90°\nX < 0, Y >= 0\t180° + Atn(Y/X)\nX = 0, Y < 0\t270°";
        // A table the selection leaves is selected whole.
        QTest::newRow("from a table into the next")
            << 0 << "866"
            << "sin" << QString(kPolar).section(QStringLiteral("\n\n"), 5);
        QTest::newRow("from a line into a table")
            << 0 << "(in"
            << "866"
            << "(in degrees)\n\nSolution:\n\nx\t=\t5 Cos(30°)\n\t=\t5(0.866025403784439)\n"
               "x\t=\t4.33";
        QTest::newRow("from a table into a line")
            << 1 << "Y <= 0"
            << "-3"
            << QString(kRectangular).section(QStringLiteral("\n\n"), 3, 3) + "\n\nGiven:\n\nx = -3";
    }
    void partialSelection()
    {
        QFETCH(int, command);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, expected);
        m_view->setSolution(solution(command).toStdString());
        const QTextDocument *document = m_view->document();
        const QTextCursor start = document->find(from, 0, QTextDocument::FindCaseSensitively);
        const QTextCursor end =
            document->find(to, start.selectionStart(), QTextDocument::FindCaseSensitively);
        QVERIFY(!start.isNull() && !end.isNull());
        QTextCursor selection = start;
        selection.setPosition(start.selectionStart());
        selection.setPosition(end.selectionEnd(), QTextCursor::KeepAnchor);
        m_view->setTextCursor(selection);
        const QMimeData *data = copied();
        QVERIFY(data && data->hasHtml());
        compareLines(data->text(), expected);
        compareHtmlWithText(data);
    }
};

QTEST_MAIN(TestSolutionView)
#include "tst_solution_view.moc"
