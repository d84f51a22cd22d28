#include "platform/document_runs.h"
#include "platform/readable_plain_text.h"

#include <QTest>
#include <QTextDocument>

class TestReadablePlainText : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("expected");
        QTest::newRow("superscript digits and signs raised")
            << "x<sup>2</sup> + 10<sup>-3</sup> + 2<sup>(n)</sup>"
            << "x² + 10⁻³ + 2⁽ⁿ⁾";
        QTest::newRow("superscript without a raised form marked") << "e<sup>x</sup>, 2<sup>ab</sup>"
                                                                  << "e^x, 2^(ab)";
        QTest::newRow("superscript run split by a colour read as one")
            << "x<sup>a<font color=#FF0000>b</font></sup>y"
            << "x^(ab)y";
        QTest::newRow("no-break spaces, degree and Ø as characters")
            << "Ø = 30&deg;&nbsp;&nbsp;(see)"
            << "Ø = 30°  (see)";
        QTest::newRow("one blank line between blocks, none for empty ones")
            << "<p>a</p><p></p><p><br></p><p>b<br>c</p><p>&nbsp;</p><p>d</p>"
            << "a\n\nb\nc\n\nd";
        QTest::newRow("breaks at a block's edges add no blank line") << "<p>a</p><p><br>b<br></p>c"
                                                                     << "a\n\nb\n\nc";
        QTest::newRow("a row a line, cells by tabs, breaks in a cell as spaces")
            << "<table><tr><td>a<br>b</td><td></td><td>c</td></tr><tr><td>d</td></tr></table>"
            << "a b\t\tc\nd\t\t";
        QTest::newRow("spanning cell read once")
            << "<table><tr><td colspan=2>a</td><td>b</td></tr><tr><td>c</td><td>d</td><td>e</td>"
               "</tr></table>"
            << "a\t\tb\nc\td\te";
        QTest::newRow("table in a cell kept on the row's line")
            << "<table><tr><td>a<table><tr><td>b</td></tr><tr><td>c</td></tr></table></td>"
               "<td>d</td></tr></table>"
            << "a b c\td";
        QTest::newRow("empty table adds no blank line")
            << "<p>a</p><table><tr><td></td></tr></table><p>b</p>"
            << "a\n\nb";
    }
    void read()
    {
        QFETCH(QString, html);
        QFETCH(QString, expected);
        QTextDocument document;
        document.setHtml(html);
        QCOMPARE(readablePlainText(readDocumentRuns(document)), expected);
    }
};

QTEST_MAIN(TestReadablePlainText)
#include "tst_readable_plain_text.moc"
