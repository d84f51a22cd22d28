// Seeded random use of the main window (keys, hostile pastes, clicks, settings,
// resizes, pointer moves) with its invariants checked after every event.
// MONKEY_SEED and MONKEY_EVENTS override the seed and the number of events.

#include "conversion_control/command_index.h"
#include "conversion_control/uc_polar_rect.h"
#include "main_window/frm_main.h"
#include "main_window/solution_document.h"
#include "math/mod_math.h"
#include "platform/picture_box.h"
#include "platform/solution_view.h"
#include "platform/stray_less_than.h"
#include "support/calculator_widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <random>

namespace {

// Beyond and at the edge of the double range, lone signs and points,
// separators, blanks, names of IEEE specials, exponents, long digit runs.
const QStringList kPasted =
    QStringLiteral("1e400|1E308|-1E308|1.79769313486232E+308|4.9E-324|1E39|3.4E38|-|.|-.|1,2,3|"
                   ",,,|  | 7 |nan|NaN|inf|-Infinity|1-2|0x10|1e|1e5|2E-3")
        .split('|') +
    QStringList{QString(310, '9'), QString(400, '9'), "0." + QString(400, '0') + "1",
                QString(2000, '1')};
const QStringList kSignificant =
    QStringLiteral("-3|32767|99999|abc||2.5|0|4|15|1E1|-32768| 3 ").split('|');
const QString kTyped = QString("0123456789").repeated(4) + "----....,,,,eeEE azxq+";
const QList<Qt::Key> kKeys{Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return,
                           Qt::Key_Left,      Qt::Key_Right,     Qt::Key_Home,   Qt::Key_End};

// The parts written one after the other, as a failure message.
template <typename... Parts> QString say(const Parts &...parts)
{
    QString text;
    (QDebug(&text).noquote().nospace() << ... << parts);
    return text;
}

bool special(const QString &text)
{
    return text.contains("inf", Qt::CaseInsensitive) || text.contains("nan", Qt::CaseInsensitive);
}

std::optional<double> number(const std::string &text)
{
    try {
        return modMath::TextToNumber(text);
    } catch (const std::exception &) {
        return std::nullopt;
    }
}

// A value as a read-out line shows it, and how far the rounding for the
// display may have moved it: half a unit in its last place.
struct ShownValue
{
    double Value = 0;
    double Rounding = 0;
};

// One read-out line taken apart: "Radius = 1,234.5; Angle = 45°; Quadrant I"
// or "X = -1; Y = 0.5; Quadrant IV". Quadrant: 1 to 4.
struct ReadoutLine
{
    ShownValue First, Second;
    int Quadrant = 0;
};

std::optional<ReadoutLine> parseReadout(const QString &text, bool polar)
{
    static const QRegularExpression kPolar(
        QStringLiteral("^Radius = (-?[0-9,]+(?:\\.([0-9]+))?); "
                       "Angle = (-?[0-9,]+(?:\\.([0-9]+))?)\u00B0; Quadrant (I|II|III|IV)$"));
    static const QRegularExpression kRectangular(
        QStringLiteral("^X = (-?[0-9,]+(?:\\.([0-9]+))?); "
                       "Y = (-?[0-9,]+(?:\\.([0-9]+))?); Quadrant (I|II|III|IV)$"));
    const QRegularExpressionMatch match = (polar ? kPolar : kRectangular).match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const auto shown = [&](int group) {
        QString digits = match.captured(group);
        return ShownValue{QLocale::c().toDouble(digits.remove(',')),
                          0.5 * std::pow(10.0, -match.capturedLength(group + 1))};
    };
    const QStringList numerals{"I", "II", "III", "IV"};
    return ReadoutLine{shown(1), shown(3), int(numerals.indexOf(match.captured(5))) + 1};
}

int sign(double v)
{
    return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

} // namespace

class TestMonkey : public QObject, CalculatorWidgets
{
    Q_OBJECT

    frmMain *m_window = nullptr;
    ucPolarRect *m_control = nullptr;
    // Found once: the invariants read them after every event.
    std::array<QLineEdit *, 4> m_box{};
    std::array<QLabel *, 2> m_readout{};
    std::array<PictureBox *, 2> m_diagram{};
    QLineEdit *m_significant = nullptr;
    QWidget *m_pointerOver = nullptr;
    std::mt19937 m_random;
    // A box may show inf or nan only if pasted there and not written since.
    std::array<bool, 4> m_pastedSpecial{};
    QString m_solution, m_problem;    // the last Result's document as plain text, what it broke
    std::optional<QPointF> m_movedTo; // set by a pointer move until the next event
    std::array<QString, 2> m_readoutBefore; // the read-out lines before the last move
    int m_results = 0, m_moves = 0;         // conversions, pointer moves checked

    [[nodiscard]] QWidget *widgets() const override { return m_window; }
    int pick(qsizetype n) { return std::uniform_int_distribution<int>(0, int(n) - 1)(m_random); }
    template <typename T> T any(const QList<T> &list) { return list.at(pick(list.size())); }

    void onResult(const ResultRecord &result)
    {
        ++m_results;
        // The boxes the command wrote show their full-precision Tag as rounded now.
        for (std::size_t i = result.Index == kPolarToRectangular ? 2 : 0, end = i + 2; i < end;
             ++i) {
            m_pastedSpecial[i] = false;
            const std::optional<double> tag = number(m_control->boxes().Tag[i]);
            if (tag && m_box[i]->text().toStdString() != modMath::FormatSignificant(*tag)) {
                m_problem = say("txtData", i, " shows ", m_box[i]->text().left(80), " for ", *tag);
            }
        }
        try {
            QTextDocument document;
            document.setHtml(QString::fromStdString(EscapeStrayLessThan(
                SolutionDocument(result.Index, result.Radius, result.Angle, result.X, result.Y))));
            m_solution = document.toPlainText();
        } catch (const modMath::ArithmeticError &) {
            // No document: the previous one stays on view.
        }
    }

    // The first broken invariant, or an empty text.
    QString broken() const
    {
        for (std::size_t i = 0; i < 4; ++i) {
            if (const std::string &tag = m_control->boxes().Tag[i]; !number(tag)) {
                return say("Tag(", i, ") ", tag.c_str(), " is not a number");
            }
            if (!m_pastedSpecial[i] && special(m_box[i]->text())) {
                return say("txtData", i, " shows ", m_box[i]->text());
            }
        }
        // One pointer position must mean the same place in both diagrams.
        if (m_diagram[0]->contentsRect().size() != m_diagram[1]->contentsRect().size()) {
            return say("the diagrams differ in size: ", m_diagram[0]->contentsRect(), " and ",
                       m_diagram[1]->contentsRect());
        }
        for (std::size_t i = 0; i < 2; ++i) {
            if (special(m_readout[i]->text())) {
                return say("lblInfo", i, " shows ", m_readout[i]->text());
            }
            if (m_movedTo && QPointF(m_diagram[i]->linH().Line.x1(),
                                     m_diagram[i]->linV().Line.y1()) != *m_movedTo) {
                return say("the crosshair of ", m_diagram[i]->objectName(), " misses the pointer");
            }
        }
        if (m_movedTo) {
            if (const QString problem =
                    readoutProblem(*m_movedTo, m_diagram[0]->contentsRect().size());
                !problem.isEmpty()) {
                return problem;
            }
        }
        const QString view = m_window->view()->toPlainText();
        if (view != (m_results == 0 ? QString() : m_solution)) {
            return say("the view shows\n", view, "\ninstead of\n", m_solution);
        }
        return m_problem;
    }

    // The read-out after a move to `at` inside diagrams of this interior size,
    // checked against the pointer's place rather than against the code that
    // wrote it: both lines name one quadrant, on the pointer's side of the
    // centre; the angle points at the pointer; Radius is the length of (X, Y).
    QString readoutProblem(QPointF at, QSizeF interior) const
    {
        const QString polarText = m_readout[0]->text(), rectangularText = m_readout[1]->text();
        const QString lines = say("\n  ", polarText, "\n  ", rectangularText);
        if (m_control->message().contains("The read-out")) {
            // A read-out that fails leaves both lines as they were.
            const bool kept =
                polarText == m_readoutBefore[0] && rectangularText == m_readoutBefore[1];
            return kept ? QString() : say("a failed read-out changed its lines:", lines);
        }
        const std::optional<ReadoutLine> polar = parseReadout(polarText, true);
        const std::optional<ReadoutLine> rectangular = parseReadout(rectangularText, false);
        if (!polar || !rectangular || polar->Quadrant != rectangular->Quadrant) {
            return say("the read-out lines do not agree:", lines);
        }
        // Right of and above the centre are positive; the centre's own lines
        // may fall to either side.
        const double px = at.x() - interior.width() / 2;
        const double py = interior.height() / 2 - at.y();
        const int q = polar->Quadrant;
        const int right = q == 1 || q == 4 ? 1 : -1;
        const int up = q == 1 || q == 2 ? 1 : -1;
        if (sign(px) == -right || sign(py) == -up) {
            return say("Quadrant ", q, " for the pointer at (", px, ", ", py,
                       ") from the centre:", lines);
        }
        return angleProblem(px, py, polar->Second, q, lines) +
               valueProblem(*polar, *rectangular, right, up, lines);
    }

    // The angle shown lies in its quadrant and points at (px, py), to within its
    // rounding and the single-precision step of every angle.
    static QString angleProblem(double px, double py, ShownValue angle, int q, const QString &lines)
    {
        const double tolerance = angle.Rounding + 1e-5;
        if (angle.Value < 90 * (q - 1) - tolerance || angle.Value > 90 * q + tolerance) {
            return say("the angle lies outside Quadrant ", q, ":", lines);
        }
        if (px == 0 && py == 0) {
            return {};
        }
        const double direction = std::atan2(py, px) * 180 / std::numbers::pi;
        if (std::fabs(std::remainder(angle.Value - direction, 360.0)) > tolerance) {
            return say("the angle misses the pointer's direction ", direction, ":", lines);
        }
        return {};
    }

    // A grid step stands for r / 6: Radius carries r's sign and the step's,
    // X and Y the magnitude of r, the step's sign and the pointer's side. The
    // step turns negative only on a canvas smaller than its margins.
    QString valueProblem(const ReadoutLine &polar, const ReadoutLine &rectangular, int right,
                         int up, const QString &lines) const
    {
        const double r = number(m_box[0]->text().toStdString()).value_or(0.0);
        const ShownValue radius = polar.First, x = rectangular.First, y = rectangular.Second;
        if (r == 0) {
            return radius.Value == 0 && x.Value == 0 && y.Value == 0
                       ? QString()
                       : say("r is 0 but the values are not:", lines);
        }
        if (radius.Value != 0) {
            const int step = sign(radius.Value) * sign(r);
            if ((x.Value != 0 && sign(x.Value) != right * step) ||
                (y.Value != 0 && sign(y.Value) != up * step)) {
                return say("the signs of X and Y disagree with the quadrant (r = ", r, "):", lines);
            }
        }
        const double length = std::hypot(x.Value, y.Value);
        const double tolerance = radius.Rounding + x.Rounding + y.Rounding +
                                 1e-12 * std::max({1.0, length, std::fabs(radius.Value)});
        if (std::fabs(std::fabs(radius.Value) - length) > tolerance) {
            return say("Radius is not the length of (X, Y):", lines);
        }
        return {};
    }

    // One event drawn from the table of kinds and their weights out of 100.
    QString runEvent()
    {
        constexpr std::array kWeights{35, 20, 8, 14, 3, 20};
        std::size_t kind = 0;
        for (int roll = pick(100); (roll -= kWeights[kind]) >= 0;) {
            ++kind;
        }
        const int i = pick(4);
        switch (kind) {
        case 0: { // a keystroke
            QLineEdit *target = pick(10) == 0 ? m_significant : m_box[i];
            if (pick(5) == 0) {
                const Qt::Key key = any(kKeys);
                QTest::keyClick(target, key);
                return say(key, " into ", target->objectName());
            }
            const QChar c = kTyped.at(pick(kTyped.size()));
            QTest::keyClick(target, c.toLatin1());
            return say('\'', c, "' into ", target->objectName());
        }
        case 1: { // a whole new value, as a user enters one most of the time
            const bool setting = pick(4) == 0;
            QLineEdit *target = setting ? m_significant : m_box[i];
            const QString text =
                setting
                    ? any(kSignificant)
                    : any(QStringList{QString::number(pick(2001) - 1000),
                                      QString::number((pick(2000001) - 1e6) / 1000, 'f', pick(4)),
                                      QLocale::c().toString(pick(10000000)), // "," in groups
                                      "0", QString::number(pick(721) - 360)});
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(target, Qt::Key_Backspace);
            QTest::keyClicks(target, text);
            return say("type \"", text, "\" over ", target->objectName());
        }
        case 2: { // a paste
            const QString text = any(kPasted);
            const bool replace = pick(10) < 7;
            if (replace) {
                QTest::keyClick(m_box[i], Qt::Key_A, Qt::ControlModifier);
            }
            QApplication::clipboard()->setText(text);
            QTest::keyClick(m_box[i], Qt::Key_V, Qt::ControlModifier);
            m_pastedSpecial[i] = m_pastedSpecial[i] || special(text);
            return say("paste \"", text.left(24), "\" (", text.size(), " chars) ",
                       replace ? "over" : "into", " txtData", i);
        }
        case 3:
            click(i % 2);
            return say("click cmdButton", i % 2);
        case 4: { // a resize: tiny, back to the restored size, or any
            const int way = pick(4);
            const QSize size = way == 0   ? QSize(1 + pick(80), 1 + pick(120))
                               : way == 1 ? QSize(642, 523)
                                          : QSize(100 + pick(1300), 60 + pick(900));
            m_window->resize(size);
            return say("resize to ", size);
        }
        } // otherwise a pointer move
        SolutionView *view = m_window->view();
        if (pick(20) < 3) { // off the diagrams: the next tick hides the crosshairs
            const QPoint at(pick(qMax(1, view->width())), 0);
            m_pointerOver = QApplication::widgetAt(view->mapToGlobal(at));
            QTest::mouseMove(view, at);
            return QStringLiteral("pointer over the view");
        }
        PictureBox *diagram = m_diagram[i % 2];
        const QRect interior = diagram->contentsRect();
        if (interior.isEmpty()) {
            return say("no pointer move: ", diagram->objectName(), " is empty");
        }
        const QPoint inside(pick(interior.width()), pick(interior.height()));
        const QPoint at = interior.topLeft() + inside;
        // In a small window the diagram may lie outside it or under the view.
        m_pointerOver = QApplication::widgetAt(diagram->mapToGlobal(at));
        m_readoutBefore = {m_readout[0]->text(), m_readout[1]->text()};
        QTest::mouseMove(diagram, at);
        if (m_pointerOver == diagram) {
            m_movedTo = inside;
            ++m_moves;
        }
        return say("pointer to ", at, " in ", diagram->objectName());
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        m_window = new frmMain;
        m_control = m_window->control();
        m_significant = find<QLineEdit>("txtSignificantVal");
        for (int i = 0; i < 4; ++i) {
            m_box[i] = box(i);
            QVERIFY(m_box[i] && m_significant);
        }
        for (int i = 0; i < 2; ++i) {
            m_readout[i] = readout(i);
            m_diagram[i] = diagram(i);
            QVERIFY(find<QPushButton>(say("cmdButton", i)) && m_readout[i] && m_diagram[i]);
        }
        m_control->setWidgetUnderPointer([this] { return m_pointerOver; });
        // After frmMain's own handler, so the view already shows the new document.
        connect(m_control, &ucPolarRect::Result, this, &TestMonkey::onResult);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void cleanupTestCase() { delete m_window; }

    void randomUse()
    {
        bool seedOk = false, eventsOk = false;
        const quint32 seed = qEnvironmentVariable("MONKEY_SEED", "20240607").toUInt(&seedOk);
        const int events = qEnvironmentVariable("MONKEY_EVENTS", "5000").toInt(&eventsOk);
        QVERIFY2(seedOk && eventsOk, "MONKEY_SEED and MONKEY_EVENTS take whole numbers");
        m_random.seed(seed);
        QStringList trail;
        for (int step = 1; step <= events; ++step) {
            m_movedTo.reset();
            trail << runEvent();
            trail = trail.mid(qMax<qsizetype>(0, trail.size() - 12)); // the last few
            QCoreApplication::processEvents();
            const QString problem = broken();
            if (!problem.isEmpty()) {
                QFAIL(
                    qPrintable(say("seed ", seed, " (rerun with MONKEY_SEED=", seed, "), step ",
                                   step, ": ", problem, "\nlast events:\n  ", trail.join("\n  "))));
            }
        }
        // A run with few conversions or pointer moves checked little.
        const QString done =
            say(events, " events, ", m_results, " conversions, ", m_moves, " moves");
        QVERIFY2(m_results > events / 20 && m_moves > events / 50, qPrintable(done));
        qInfo("seed %u: %s", seed, qPrintable(done));
    }
};

QTEST_MAIN(TestMonkey)

#include "tst_monkey.moc"
