#include "main_window/solution_document.h"
#include "math/mod_math.h"
#include "platform/readable_plain_text.h"
#include "platform/solution_view.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <QTextDocument>
#include <QXmlStreamReader>

class TestSelectionHtml : public QObject
{
    Q_OBJECT

private slots:
    // From the start of the first "from" to the end of the first "to" after
    // it; no "from" selects all. "lit" are the rule rows that must be lit;
    // command 0 takes x and y as r and Ø.
    void copy_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("squares");
        QTest::addColumn<QStringList>("lit");
        QTest::addColumn<bool>("header");
        const QStringList leftUp{"X &lt; 0, Y &gt;= 0"};
        QTest::newRow("whole, polar") << 0 << 5.0 << 30.0 << ""
                                      << "" << 0 << QStringList{} << false;
        QTest::newRow("whole") << 1 << -3.0 << 4.0 << ""
                               << "" << 4 << leftUp << true;
        QTest::newRow("whole, on the x axis: two rows lit")
            << 1 << 5.0 << 0.0 << ""
            << "" << 4 << QStringList{"X &gt; 0, Y &gt;= 0", "X &gt; 0, Y &lt;= 0"} << true;
        QTest::newRow("inside a cell, over a square") << 1 << -3.0 << 4.0 << "(-3"
                                                      << "+ 4" << 1 << QStringList{} << false;
        QTest::newRow("from the rule table on: the table whole") << 1 << -3.0 << 4.0 << "Y <= 0"
                                                                 << "-3" << 0 << leftUp << true;
        QTest::newRow("rows inside the rule table") << 1 << -3.0 << 4.0 << "Y > 0"
                                                    << "270" << 0 << leftUp << false;
        QTest::newRow("from the formula into the rule table") << 1 << -3.0 << 4.0 << "y"
                                                              << "90" << 1 << leftUp << true;
        QTest::newRow("from a solution table into the next")
            << 1 << -3.0 << 4.0 << "sqrt(9"
            << "126" << 2 << QStringList{} << false;
    }
    void copy()
    {
        QFETCH(int, command);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, squares);
        QFETCH(QStringList, lit);
        QFETCH(bool, header);
        SolutionView view;
        modMath::SignificantValues = 2;
        view.setSolution(command == 0 ? SolutionDocument(0, x, y, 0, 0, "")
                                      : SolutionDocument(1, 0, 0, x, y, ""));
        QTextCursor selection(view.document());
        selection.select(QTextCursor::Document);
        if (!from.isEmpty()) {
            const QTextDocument *document = view.document();
            const int start =
                document->find(from, 0, QTextDocument::FindCaseSensitively).selectionStart();
            selection.setPosition(start);
            selection.setPosition(
                document->find(to, start, QTextDocument::FindCaseSensitively).selectionEnd(),
                QTextCursor::KeepAnchor);
        }
        view.setTextCursor(selection);
        view.copy();
        const QMimeData *data = QApplication::clipboard()->mimeData();
        const QString html = data->html();

        QXmlStreamReader xml(html); // clean XHTML, so that any HTML reader takes it
        while (!xml.atEnd()) {
            xml.readNext();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString() + "\n" + html));
        QVERIFY(html.contains("charset=utf-8"));
        QVERIFY(html.contains("<body><!--StartFragment-->"));
        QVERIFY(html.endsWith("<!--EndFragment--></body></html>"));
        QVERIFY(!html.contains("-qt-") && !html.contains("qrichtext"));
        QCOMPARE(html.count("<sup>2</sup>"), squares);
        QCOMPARE(html.count("bgcolor"), 2 * lit.size());
        for (const QString &condition : lit) {
            QVERIFY(html.contains("<td bgcolor=\"#aeebff\">" + condition + "</td>"));
        }
        QCOMPARE(html.count("color:#ff0000\">"), header ? 2 : 0);
        QTextDocument pasted;
        pasted.setHtml(html);
        QCOMPARE(readablePlainText(pasted), data->text());
    }
};

QTEST_MAIN(TestSelectionHtml)
#include "tst_selection_html.moc"
