#include "platform/document_runs.h"

#include "main_window/solution_document.h"
#include "math/mod_math.h"

#include <QTest>
#include <QTextDocument>

namespace {

QString describe(const Flow &flow);

// "q1c(^2)" a block: quote depth, c for centred, its runs with ^ sup, _ sub,
// * bold, / italic, a colour; "T1,0,4q1[R...]" a table with border, spacing,
// padding, depth and rows, "+" on a row that continues the step above.
QString describe(const BlockRun &block)
{
    QString out = QStringLiteral("q%1%2(")
                      .arg(block.quoteDepth)
                      .arg(block.alignment & Qt::AlignHCenter ? QStringLiteral("c") : QString());
    for (const TextRun &run : block.runs) {
        out += QString(run.superscript ? "^" : "") + (run.subscript ? "_" : "") +
               (run.bold ? "*" : "") + (run.italic ? "/" : "") +
               (run.colour ? run.colour->name() : QString()) + run.text + u' ';
    }
    return out.trimmed() + u')';
}

QString describe(const TableRun &table)
{
    const auto n = [](int value) { return QString::number(value); };
    QString out =
        QStringLiteral("T%1,%2,%3q%4[")
            .arg(n(table.border), n(table.cellSpacing), n(table.cellPadding), n(table.quoteDepth));
    for (const RowRun &row : table.rows) {
        out += row.continuesStep ? QStringLiteral("R+") : QStringLiteral("R");
        for (const CellRun &cell : row.cells) {
            out += QStringLiteral("C%1s%2x%3%4{%5}")
                       .arg(n(cell.column), n(cell.rowSpan), n(cell.columnSpan),
                            cell.background ? cell.background->name() : QString(),
                            describe(cell.content));
        }
    }
    return out + u']';
}

QString describe(const Flow &flow)
{
    QStringList items;
    for (const FlowItem &item : flow) {
        if (const auto *block = std::get_if<BlockRun>(&item.run)) {
            items << describe(*block);
        } else if (const auto *table = std::get_if<TableRun>(&item.run)) {
            items << describe(*table);
        } else {
            items << u'F' + describe(std::get<FrameRun>(item.run).content);
        }
    }
    return items.join(u' ');
}

} // namespace

class TestDocumentRuns : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("expected");
        QTest::newRow("formats as runs, the colour only where set")
            << "<p align=center><b>a</b><i>b</i>x<sup>2</sup>H<sub>2</sub>"
               "<font color=#FF0000>r</font></p>"
            << "q0c(*a /b x ^2 H _2 #ff0000r)";
        QTest::newRow("blockquote depth of blocks and tables")
            << "<blockquote>a<blockquote><table border=1 cellspacing=0 cellpadding=4>"
               "<tr><td bgcolor=#AEEBFF>b</td></tr></table></blockquote></blockquote>"
            << "q1(a) q2() T1,0,4q2[RC0s1x1#aeebff{q0(b)}] q0()";
        QTest::newRow("spans start once, nested tables in their cell")
            << "<table><tr><td rowspan=2>a</td><td colspan=2>b</td></tr><tr><td>c<table><tr>"
               "<td>d</td></tr></table></td><td></td></tr></table>"
            << "q0() T0,2,0q0[RC0s2x1{q0(a)}C1s1x2{q0(b)}"
               "RC1s1x1{q0(c) T0,2,0q0[RC0s1x1{q0(d)}] q0()}C2s1x1{q0()}] q0()";
        QTest::newRow("an empty first cell continues the step, not on the first row")
            << "<table><tr><td></td><td>a</td></tr><tr><td></td><td>b</td></tr>"
               "<tr><td>x</td><td>c</td></tr></table>"
            << "q0() T0,2,0q0[RC0s1x1{q0()}C1s1x1{q0(a)}R+C0s1x1{q0()}C1s1x1{q0(b)}"
               "RC0s1x1{q0(x)}C1s1x1{q0(c)}] q0()";
    }
    void read()
    {
        QFETCH(QString, html);
        QFETCH(QString, expected);
        QTextDocument document;
        document.setHtml(html);
        QCOMPARE(describe(readDocumentRuns(document).flow), expected);
    }

    // The worked solution's steps, table by table, as the composer labels them.
    void solutionSteps_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("continued");
        QTest::newRow("polar to rectangular") << 0 << "010 010";
        QTest::newRow("rectangular to polar: rules, radius, angle") << 1 << "0000000 0110 010";
    }
    void solutionSteps()
    {
        QFETCH(int, command);
        QFETCH(QString, continued);
        modMath::SignificantValues = 2;
        QTextDocument document;
        document.setHtml(QString::fromStdString(command == 0 ? SolutionDocument(0, 5, 30, 0, 0)
                                                             : SolutionDocument(1, 0, 0, -3, -4)));
        QStringList tables;
        for (const FlowItem &item : readDocumentRuns(document).flow) {
            if (const auto *table = std::get_if<TableRun>(&item.run)) {
                QString flags;
                for (const RowRun &row : table->rows) {
                    flags += row.continuesStep ? u'1' : u'0';
                }
                tables << flags;
            }
        }
        QCOMPARE(tables.join(u' '), continued);
    }
};

QTEST_MAIN(TestDocumentRuns)
#include "tst_document_runs.moc"
