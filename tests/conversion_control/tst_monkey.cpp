// Random use of the whole main window: keystrokes, hostile pastes, command
// clicks, significant-value edits, resizes and pointer moves in an order drawn
// from a seeded generator, with the window's invariants checked after each.
// MONKEY_SEED and MONKEY_EVENTS override the seed and the number of events.

#include "conversion_control/conversion_commands.h"
#include "conversion_control/pointer_readout.h"
#include "conversion_control/uc_polar_rect.h"
#include "main_window/frm_main.h"
#include "main_window/solution_document.h"
#include "math/mod_math.h"
#include "platform/picture_box.h"
#include "platform/solution_view.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>

#include <array>
#include <cmath>
#include <deque>
#include <optional>
#include <random>

namespace {

constexpr quint32 kDefaultSeed = 20240607;
constexpr int kDefaultEvents = 5000;
constexpr std::size_t kTrailLength = 12;

// Texts a user could paste: beyond the double range, at its edge, lone signs
// and points, separators only, blanks, names of IEEE specials, exponents, long
// digit runs.
const QStringList &hostileTexts()
{
    static const QStringList texts{
        QStringLiteral("1e400"),
        QStringLiteral("1E308"),
        QStringLiteral("-1E308"),
        QStringLiteral("1.79769313486232E+308"),
        QStringLiteral("4.9E-324"),
        QStringLiteral("1E39"),
        QStringLiteral("3.4E38"),
        QStringLiteral("-"),
        QStringLiteral("."),
        QStringLiteral("-."),
        QStringLiteral("1,2,3"),
        QStringLiteral(",,,"),
        QStringLiteral("  "),
        QStringLiteral(" 7 "),
        QStringLiteral("nan"),
        QStringLiteral("NaN"),
        QStringLiteral("inf"),
        QStringLiteral("-Infinity"),
        QStringLiteral("1-2"),
        QStringLiteral("0x10"),
        QStringLiteral("1e"),
        QStringLiteral("1e5"),
        QStringLiteral("2E-3"),
        QString(310, QLatin1Char('9')),
        QString(400, QLatin1Char('9')),
        QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1"),
        QString(2000, QLatin1Char('1')),
    };
    return texts;
}

const QStringList &significantTexts()
{
    static const QStringList texts{
        QStringLiteral("-3"),
        QStringLiteral("32767"),
        QStringLiteral("99999"),
        QStringLiteral("abc"),
        QString(),
        QStringLiteral("2.5"),
        QStringLiteral("0"),
        QStringLiteral("4"),
        QStringLiteral("15"),
        QStringLiteral("1E1"),
        QStringLiteral("-32768"),
        QStringLiteral(" 3 "),
    };
    return texts;
}

bool mentionsInfOrNan(const QString &text)
{
    return text.contains(QLatin1String("inf"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

std::optional<double> readNumber(const std::string &text)
{
    try {
        const double v = modMath::TextToNumber(text);
        if (std::isfinite(v)) {
            return v;
        }
    } catch (const std::exception &) {
    }
    return std::nullopt;
}

// A read-out line: its fixed words around numbers that read back.
bool wellFormedReadout(const QString &text, int line)
{
    static const std::array<QRegularExpression, 2> grammar{
        QRegularExpression(
            QStringLiteral("^Radius = (\\S+); Angle = (\\S+)\u00B0; Quadrant (I|II|III|IV)$")),
        QRegularExpression(QStringLiteral("^X = (\\S+); Y = (\\S+); Quadrant (I|II|III|IV)$"))};
    if (text.isEmpty()) {
        return true;
    }
    const QRegularExpressionMatch match = grammar.at(static_cast<std::size_t>(line)).match(text);
    return match.hasMatch() && readNumber(match.captured(1).toStdString()) &&
           readNumber(match.captured(2).toStdString());
}

QString plainTextOf(const std::string &html)
{
    QTextDocument document;
    document.setHtml(SolutionView::withStrayLessThanEscaped(html));
    return document.toPlainText();
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomUse();

private:
    QLineEdit *box(int i) const { return m_boxes.at(static_cast<std::size_t>(i)); }
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }

    QString typeKey();
    QString typeNumber();
    QString pasteHostileText();
    QString clickCommand();
    QString editSignificantValues();
    QString resizeWindow();
    QString movePointer();
    QString runEvent();

    void onResult(const ResultRecord &result);
    QString broken();

    frmMain *m_window = nullptr;
    ucPolarRect *m_control = nullptr;
    SolutionView *m_view = nullptr;
    std::array<QLineEdit *, 4> m_boxes{};
    QLineEdit *m_significant = nullptr;
    std::array<QPushButton *, 2> m_buttons{};
    std::array<PictureBox *, 2> m_diagrams{};
    std::array<QLabel *, 2> m_readouts{};
    QWidget *m_pointerOver = nullptr;

    std::mt19937 m_random;
    // A box may show "inf" or "nan" only when the monkey pasted it there and no
    // conversion has written the box since.
    std::array<bool, 4> m_pastedSpecial{};
    // The worked solution the last Result asked for, as plain text.
    QString m_expectedSolution;
    // Pointer move still to be checked: diagram interior position, and the
    // read-out lines as the read-out functions give them for it.
    std::optional<QPointF> m_movedTo;
    std::array<QString, 2> m_expectedReadouts;
    QString m_resultProblem;
    int m_results = 0;
    int m_crosshairChecks = 0;
    int m_readoutsWritten = 0;
};

void TestMonkey::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    m_window = new frmMain;
    m_control = m_window->control();
    m_view = m_window->view();
    for (int i = 0; i < 4; ++i) {
        m_boxes.at(static_cast<std::size_t>(i)) =
            m_control->findChild<QLineEdit *>(QStringLiteral("txtData%1").arg(i));
        QVERIFY(box(i));
    }
    for (std::size_t i = 0; i < 2; ++i) {
        m_buttons.at(i) = m_control->findChild<QPushButton *>(QStringLiteral("cmdButton%1").arg(i));
        m_readouts.at(i) = m_control->findChild<QLabel *>(QStringLiteral("lblInfo%1").arg(i));
        QVERIFY(m_buttons.at(i));
        QVERIFY(m_readouts.at(i));
    }
    m_diagrams = {m_control->findChild<PictureBox *>(QStringLiteral("picPolar")),
                  m_control->findChild<PictureBox *>(QStringLiteral("picRectangular"))};
    QVERIFY(m_diagrams[0] && m_diagrams[1]);
    m_significant = m_window->findChild<QLineEdit *>(QStringLiteral("txtSignificantVal"));
    QVERIFY(m_significant);

    m_control->setWidgetUnderPointer([this] { return m_pointerOver; });
    // After frmMain's own handler, so the view already shows the new document.
    connect(m_control, &ucPolarRect::Result, this, &TestMonkey::onResult);

    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestMonkey::cleanupTestCase()
{
    delete m_window;
}

void TestMonkey::onResult(const ResultRecord &result)
{
    ++m_results;
    const InputBoxes &boxes = m_control->boxes();
    const auto tag = [&](std::size_t i) { return readNumber(boxes.Tag.at(i)); };
    const std::array<std::optional<double>, 4> values{tag(0), tag(1), tag(2), tag(3)};
    for (std::size_t i = 0; i < 4; ++i) {
        if (!values.at(i)) {
            m_resultProblem += QStringLiteral("Result raised with Tag(%1) \"%2\" unreadable. ")
                                   .arg(i)
                                   .arg(QString::fromStdString(boxes.Tag.at(i)));
            return;
        }
    }
    if (result.Radius != *values[0] || result.Angle != *values[1] || result.X != *values[2] ||
        result.Y != *values[3] || result.Quadrant != QuadrantName(result.X, result.Y) ||
        (result.Index != PolarToRectangular && result.Index != RectangularToPolar) ||
        result.Index != m_control->LastCommand()) {
        m_resultProblem +=
            QStringLiteral("Result(%1, %2, %3, %4, %5, %6) does not match the Tags "
                           "%7, %8, %9, %10 or LastCommand %11. ")
                .arg(result.Index)
                .arg(result.Radius, 0, 'g', 17)
                .arg(result.Angle, 0, 'g', 17)
                .arg(result.X, 0, 'g', 17)
                .arg(result.Y, 0, 'g', 17)
                .arg(QString::fromStdString(result.Quadrant))
                .arg(QString::fromStdString(boxes.Tag[0]), QString::fromStdString(boxes.Tag[1]),
                     QString::fromStdString(boxes.Tag[2]), QString::fromStdString(boxes.Tag[3]))
                .arg(m_control->LastCommand());
    }
    // The boxes the command wrote show their full-precision value as rounded
    // under the setting in force.
    const std::size_t first = result.Index == PolarToRectangular ? 2 : 0;
    for (std::size_t i = first; i < first + 2; ++i) {
        m_pastedSpecial.at(i) = false;
        const std::string shown = modMath::FormatSignificant(*values.at(i));
        if (box(static_cast<int>(i))->text() != QString::fromStdString(shown)) {
            m_resultProblem += QStringLiteral("box %1 shows \"%2\", its Tag %3 formats as \"%4\". ")
                                   .arg(i)
                                   .arg(box(static_cast<int>(i))->text().left(80),
                                        QString::fromStdString(boxes.Tag.at(i)),
                                        QString::fromStdString(shown).left(80));
        }
    }
    try {
        m_expectedSolution = plainTextOf(SolutionDocument(result.Index, result.Radius, result.Angle,
                                                          result.X, result.Y, result.Quadrant));
    } catch (const modMath::ArithmeticError &) {
        // No document for this Result: the previous one stays on view.
    }
}

// The first broken invariant, or an empty text.
QString TestMonkey::broken()
{
    if (!m_resultProblem.isEmpty()) {
        return m_resultProblem;
    }
    const InputBoxes &boxes = m_control->boxes();
    for (std::size_t i = 0; i < 4; ++i) {
        if (!readNumber(boxes.Tag.at(i))) {
            return QStringLiteral("Tag(%1) \"%2\" is not a readable number")
                .arg(i)
                .arg(QString::fromStdString(boxes.Tag.at(i)));
        }
        if (!m_pastedSpecial.at(i) && mentionsInfOrNan(box(static_cast<int>(i))->text())) {
            return QStringLiteral("box %1 shows \"%2\"")
                .arg(i)
                .arg(box(static_cast<int>(i))->text());
        }
    }
    // One pointer position must mean the same place in both diagrams.
    const QSize polarSize = m_diagrams[0]->contentsRect().size();
    const QSize rectangularSize = m_diagrams[1]->contentsRect().size();
    if (polarSize != rectangularSize) {
        return QStringLiteral("the diagrams differ in size: polar %1 x %2, rectangular %3 x %4 "
                              "(control %5 x %6)")
            .arg(polarSize.width())
            .arg(polarSize.height())
            .arg(rectangularSize.width())
            .arg(rectangularSize.height())
            .arg(m_control->width())
            .arg(m_control->height());
    }
    if (m_control->LastCommand() != PolarToRectangular &&
        m_control->LastCommand() != RectangularToPolar) {
        return QStringLiteral("LastCommand is %1").arg(m_control->LastCommand());
    }
    for (int line = 0; line < 2; ++line) {
        const QLabel *readout = m_readouts.at(static_cast<std::size_t>(line));
        if (mentionsInfOrNan(readout->text()) || !wellFormedReadout(readout->text(), line)) {
            return QStringLiteral("read-out %1 shows \"%2\"")
                .arg(readout->objectName(), readout->text());
        }
        if (m_movedTo && readout->text() != m_expectedReadouts.at(static_cast<std::size_t>(line))) {
            return QStringLiteral("read-out %1 shows \"%2\" instead of \"%3\"")
                .arg(readout->objectName(), readout->text(),
                     m_expectedReadouts.at(static_cast<std::size_t>(line)));
        }
    }
    const QString shown = m_view->toPlainText();
    if (m_results == 0 ? !shown.isEmpty() : shown != m_expectedSolution) {
        return QStringLiteral("the solution view shows\n%1\ninstead of\n%2")
            .arg(shown, m_results == 0 ? QStringLiteral("(nothing)") : m_expectedSolution);
    }
    if (m_movedTo) {
        ++m_crosshairChecks;
        m_readoutsWritten += m_readouts[0]->text().isEmpty() ? 0 : 1;
        const auto &polar = m_diagrams[0]->canvas();
        const QLineF vertical(m_movedTo->x(), 0, m_movedTo->x(), polar.ScaleHeight());
        const QLineF horizontal(0, m_movedTo->y(), polar.ScaleWidth(), m_movedTo->y());
        for (PictureBox *diagram : m_diagrams) {
            if (diagram->linH().Line != vertical || diagram->linV().Line != horizontal) {
                return QStringLiteral("crosshair of %1 not through the pointer at (%2, %3)")
                    .arg(diagram->objectName())
                    .arg(m_movedTo->x())
                    .arg(m_movedTo->y());
            }
        }
    }
    return {};
}

QString TestMonkey::typeKey()
{
    static const QString characters =
        QStringLiteral("0123456789012345678901234567890123456789----....,,,,eeEE azxq+");
    QLineEdit *target = chance(0.1) ? m_significant : box(pick(4));
    if (chance(0.2)) {
        static const std::array<Qt::Key, 8> keys{
            Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return,
            Qt::Key_Left,      Qt::Key_Right,     Qt::Key_Home,   Qt::Key_End};
        const Qt::Key key = keys.at(static_cast<std::size_t>(pick(static_cast<int>(keys.size()))));
        QTest::keyClick(target, key);
        return QStringLiteral("key 0x%1 into %2").arg(key, 0, 16).arg(target->objectName());
    }
    const QChar c = characters.at(pick(static_cast<int>(characters.size())));
    QTest::keyClick(target, c.toLatin1());
    return QStringLiteral("'%1' into %2").arg(c).arg(target->objectName());
}

// A whole new value, as a user enters one most of the time.
QString TestMonkey::typeNumber()
{
    const int i = pick(4);
    QString text;
    switch (pick(5)) {
    case 0:
        text = QString::number(pick(2001) - 1000);
        break;
    case 1:
        text = QString::number((pick(2000001) - 1000000) / 1000.0, 'f', pick(4));
        break;
    case 2:
        text = QLocale::c().toString(pick(10000000)); // with "," between groups
        break;
    case 3:
        text = QStringLiteral("0");
        break;
    default:
        text = QString::number(pick(721) - 360);
        break;
    }
    QTest::keyClick(box(i), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box(i), Qt::Key_Backspace);
    QTest::keyClicks(box(i), text);
    return QStringLiteral("type \"%1\" over txtData%2").arg(text).arg(i);
}

QString TestMonkey::pasteHostileText()
{
    const int i = pick(4);
    const QString text = hostileTexts().at(pick(static_cast<int>(hostileTexts().size())));
    const bool replace = chance(0.7);
    if (replace) {
        QTest::keyClick(box(i), Qt::Key_A, Qt::ControlModifier);
    }
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box(i), Qt::Key_V, Qt::ControlModifier);
    if (mentionsInfOrNan(text)) {
        m_pastedSpecial.at(static_cast<std::size_t>(i)) = true;
    }
    return QStringLiteral("paste \"%1\" %2 txtData%3")
        .arg(text.size() > 24 ? text.left(12) + QStringLiteral("...(%1 chars)").arg(text.size())
                              : text)
        .arg(replace ? QStringLiteral("over all of") : QStringLiteral("into"))
        .arg(i);
}

QString TestMonkey::clickCommand()
{
    const int i = pick(2);
    QTest::mouseClick(m_buttons.at(static_cast<std::size_t>(i)), Qt::LeftButton);
    return QStringLiteral("click cmdButton%1").arg(i);
}

QString TestMonkey::editSignificantValues()
{
    const QString text = significantTexts().at(pick(static_cast<int>(significantTexts().size())));
    QTest::keyClick(m_significant, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(m_significant, Qt::Key_Backspace);
    QTest::keyClicks(m_significant, text);
    return QStringLiteral("significant values \"%1\"").arg(text);
}

QString TestMonkey::resizeWindow()
{
    QSize size;
    switch (pick(4)) {
    case 0:
        size = QSize(1 + pick(80), 1 + pick(120)); // tiny
        break;
    case 1:
        size = QSize(642, 523); // back to the restored size
        break;
    default:
        size = QSize(100 + pick(1300), 60 + pick(900));
        break;
    }
    m_window->resize(size);
    return QStringLiteral("resize to %1 x %2").arg(size.width()).arg(size.height());
}

QString TestMonkey::movePointer()
{
    PictureBox *diagram = m_diagrams.at(static_cast<std::size_t>(pick(2)));
    if (chance(0.15)) {
        // Off the diagrams: the next timer tick hides the crosshairs.
        const QPoint at(pick(qMax(1, m_view->width())), 0);
        m_pointerOver = QApplication::widgetAt(m_view->mapToGlobal(at));
        QTest::mouseMove(m_view, at);
        return QStringLiteral("pointer to the solution view");
    }
    const QRect interior = diagram->contentsRect();
    if (interior.width() <= 0 || interior.height() <= 0) {
        return QStringLiteral("no pointer move: %1 has no interior").arg(diagram->objectName());
    }
    const QPoint at(interior.left() + pick(interior.width()),
                    interior.top() + pick(interior.height()));
    // In a small window the diagram may lie outside it or under the view.
    m_pointerOver = QApplication::widgetAt(diagram->mapToGlobal(at));
    const std::array<QString, 2> before{m_readouts[0]->text(), m_readouts[1]->text()};
    QTest::mouseMove(diagram, at);
    if (m_pointerOver == diagram) {
        const QPointF inside = at - interior.topLeft();
        m_movedTo = inside;
        // A read-out that stops leaves its line, and the later one, as they were.
        m_expectedReadouts = before;
        const std::string r = box(0)->text().toStdString();
        const auto x = static_cast<float>(inside.x());
        const auto y = static_cast<float>(inside.y());
        try {
            m_expectedReadouts[0] =
                QString::fromStdString(PolarReadout(m_diagrams[0]->canvas(), x, y, r));
            m_expectedReadouts[1] =
                QString::fromStdString(RectangularReadout(m_diagrams[1]->canvas(), x, y, r));
        } catch (const std::exception &) {
        }
    }
    return QStringLiteral("pointer to (%1, %2) in %3")
        .arg(at.x())
        .arg(at.y())
        .arg(diagram->objectName());
}

QString TestMonkey::runEvent()
{
    m_movedTo.reset();
    const int roll = pick(100);
    if (roll < 35) {
        return typeKey();
    }
    if (roll < 50) {
        return typeNumber();
    }
    if (roll < 58) {
        return pasteHostileText();
    }
    if (roll < 72) {
        return clickCommand();
    }
    if (roll < 77) {
        return editSignificantValues();
    }
    if (roll < 80) {
        return resizeWindow();
    }
    return movePointer();
}

void TestMonkey::randomUse()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariableIsSet("MONKEY_SEED")
                             ? qEnvironmentVariable("MONKEY_SEED").toUInt(&ok)
                             : kDefaultSeed;
    QVERIFY2(ok || !qEnvironmentVariableIsSet("MONKEY_SEED"), "MONKEY_SEED is not a number");
    const int events = qEnvironmentVariableIsSet("MONKEY_EVENTS")
                           ? qEnvironmentVariable("MONKEY_EVENTS").toInt()
                           : kDefaultEvents;
    m_random.seed(seed);

    std::deque<QString> trail;
    for (int step = 1; step <= events; ++step) {
        const QString event = runEvent();
        QCoreApplication::processEvents();
        trail.push_back(event);
        if (trail.size() > kTrailLength) {
            trail.pop_front();
        }
        const QString problem = broken();
        if (!problem.isEmpty()) {
            QStringList lines;
            for (const QString &e : trail) {
                lines << QStringLiteral("  ") + e;
            }
            const QString message =
                QStringLiteral("seed %1 (rerun with MONKEY_SEED=%1), step %2 of %3: %4\n"
                               "last events:\n%5")
                    .arg(seed)
                    .arg(step)
                    .arg(events)
                    .arg(problem, lines.join(QLatin1Char('\n')));
            QFAIL(qPrintable(message));
        }
    }
    qInfo("seed %u: %d events, %d conversions, %d pointer moves checked, %d read-outs written",
          seed, events, m_results, m_crosshairChecks, m_readoutsWritten);
    // A run that never converted checked nothing about the solution.
    QVERIFY2(m_results > events / 20,
             qPrintable(QStringLiteral("seed %1: only %2 conversions").arg(seed).arg(m_results)));
}

QTEST_MAIN(TestMonkey)

#include "tst_monkey.moc"
