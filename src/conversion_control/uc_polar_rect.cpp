#include "conversion_control/uc_polar_rect.h"

#include "conversion_control/diagram_description.h"
#include "conversion_control/diagram_frame.h"
#include "conversion_control/pointer_readout.h"
#include "conversion_control/polar_diagram.h"
#include "conversion_control/rectangular_diagram.h"
#include "math/mod_math.h"
#include "platform/command_button.h"
#include "platform/design_font.h"
#include "platform/picture_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

namespace {

constexpr int kTimerIntervalMs = 100;
constexpr std::array<const char *, 4> kQuantity{"r", "\u00D8", "x", "y"};
constexpr std::array<const char *, 2> kCommandCaption{"Polar to Rectangular",
                                                      "Rectangular to Polar"};

// Half-pixel positions and sizes go to their nearest pixel each, so that
// children of equal size, the two diagrams above all, stay equal on screen.
QRect toPixels(const ChildRect &r)
{
    return {static_cast<int>(std::lround(r.Left)), static_cast<int>(std::lround(r.Top)),
            static_cast<int>(std::lround(r.Width)), static_cast<int>(std::lround(r.Height))};
}

QString quoted(const std::string &text)
{
    return QStringLiteral("\u201C%1\u201D").arg(QString::fromStdString(text));
}

} // namespace

ucPolarRect::ucPolarRect(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    createChildren();
    setTabOrder();
    // The first stop of the tab order has the focus from the start.
    m_picPolar->setFocus();
    applyGeometry();
    resize(585, 393);
}

void ucPolarRect::createChildren()
{
    createDiagrams();
    createTray();
    createTimer();
}

void ucPolarRect::createDiagrams()
{
    m_picPolar = new PictureBox(this);
    m_picPolar->setObjectName(QStringLiteral("picPolar"));
    m_picPolar->setAccessibleName(tr("Polar diagram"));
    m_picPolar->setAccessibleDescription(QString::fromStdString(PolarGridDescription()));
    m_picRectangular = new PictureBox(this);
    m_picRectangular->setObjectName(QStringLiteral("picRectangular"));
    m_picRectangular->setAccessibleName(tr("Rectangular diagram"));
    m_picRectangular->setAccessibleDescription(
        QString::fromStdString(RectangularGridDescription()));
    for (PictureBox *box : {m_picPolar, m_picRectangular}) {
        connect(box, &PictureBox::MouseMove, this, [this](float x, float y) {
            // A real pointer takes over from the keyboard's.
            m_keyboardPointer.End();
            onMouseMove(x, y);
        });
        connect(box, &PictureBox::PointerLeft, this, &ucPolarRect::onPointerLeft);
        box->installEventFilter(this);
    }
}

void ucPolarRect::createTray()
{
    m_picTray = new QWidget(this);
    m_picTray->setObjectName(QStringLiteral("picTray"));
    m_picTray->setAutoFillBackground(true);
    m_picTray->setPalette(QPalette());

    const QFont captionFont = DesignFont(12, true);
    const std::array<const char *, 4> captions{"r = ", "\u00D8 = ", "x = ", "y = "};
    for (std::size_t i = 0; i < 4; ++i) {
        m_lblData[i] = new QLabel(QString::fromUtf8(captions[i]), m_picTray);
        m_lblData[i]->setObjectName(QStringLiteral("lblData%1").arg(i));
        m_lblData[i]->setFont(captionFont);
        m_txtData[i] = new QLineEdit(QStringLiteral("0"), m_picTray);
        m_txtData[i]->setObjectName(QStringLiteral("txtData%1").arg(i));
        m_txtData[i]->setAccessibleName(QString::fromUtf8(kQuantity[i]));
        m_txtData[i]->installEventFilter(this);
        m_lblData[i]->setBuddy(m_txtData[i]);
    }
    const QFont buttonFont = DesignFont(9.75, true);
    for (std::size_t i = 0; i < 2; ++i) {
        m_cmdButton[i] = new CommandButton(QString::fromUtf8(kCommandCaption[i]), m_picTray);
        m_cmdButton[i]->setObjectName(QStringLiteral("cmdButton%1").arg(i));
        m_cmdButton[i]->setFont(buttonFont);
        const auto index = static_cast<std::int16_t>(i);
        connect(m_cmdButton[i], &QPushButton::clicked, this, [this, index] { runCommand(index); });
        m_lblInfo[i] = new QLabel(m_picTray);
        m_lblInfo[i]->setObjectName(QStringLiteral("lblInfo%1").arg(i));
        // The line's text is its accessible name, so a screen reader hears
        // the read-out itself; the description says which line it is.
        m_lblInfo[i]->setAccessibleDescription(i == 0 ? tr("Polar read-out")
                                                      : tr("Rectangular read-out"));
        // The lines clear when the pointer reaches them: nothing to select there.
        m_lblInfo[i]->setTextInteractionFlags(Qt::NoTextInteraction);
    }
}

void ucPolarRect::createTimer()
{
    connect(m_txtData[0], &QLineEdit::textChanged, this, &ucPolarRect::onRadiusEdited);
    m_tmrTimer = new QTimer(this);
    m_tmrTimer->setInterval(kTimerIntervalMs);
    connect(m_tmrTimer, &QTimer::timeout, this, &ucPolarRect::onTimer);
}

void ucPolarRect::setTabOrder()
{
    const QList<QWidget *> order{m_picPolar,   m_picRectangular, m_cmdButton[1], m_cmdButton[0],
                                 m_txtData[3], m_txtData[2],     m_txtData[1],   m_txtData[0]};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void ucPolarRect::applyGeometry()
{
    m_picPolar->setGeometry(toPixels(m_geometry.picPolar));
    m_picRectangular->setGeometry(toPixels(m_geometry.picRectangular));
    const auto tray = static_cast<int>(kTrayHeight);
    m_picTray->setGeometry(0, height() - tray, width(), tray);
    for (std::size_t i = 0; i < 4; ++i) {
        m_lblData[i]->setGeometry(toPixels(m_geometry.lblData[i]));
        m_txtData[i]->setGeometry(toPixels(m_geometry.txtData[i]));
    }
    for (std::size_t i = 0; i < 2; ++i) {
        m_cmdButton[i]->setGeometry(toPixels(m_geometry.cmdButton[i]));
        ChildRect line = m_geometry.lblInfo[i];
        line.Width = ReadoutLineWidth(m_geometry, i, static_cast<float>(width()));
        m_lblInfo[i]->setGeometry(toPixels(line));
    }
}

void ucPolarRect::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    LayoutControl(m_geometry, static_cast<float>(width()), static_cast<float>(height()));
    applyGeometry();
    try {
        drawDiagrams();
    } catch (const std::exception &) {
        // Layout reports nothing: the drawing simply shows what it got to.
    }
}

void ucPolarRect::Refresh()
{
    runCommand(m_lastCommand);
}

void ucPolarRect::readBoxTexts()
{
    for (std::size_t i = 0; i < 4; ++i) {
        m_boxes.Text[i] = m_txtData[i]->text().toStdString();
    }
}

void ucPolarRect::showBoxTexts()
{
    for (std::size_t i = 0; i < 4; ++i) {
        const QString text = QString::fromStdString(m_boxes.Text[i]);
        if (m_txtData[i]->text() != text) {
            m_txtData[i]->setText(text);
            // A long number is read from its first digit, not from its end.
            m_txtData[i]->setCursorPosition(0);
        }
    }
}

void ucPolarRect::drawDiagrams()
{
    // A drawing that fails ends there and the other diagram is still drawn;
    // the first failure is passed on once both are on screen.
    std::exception_ptr failure;
    for (auto [box, draw] : {std::pair{m_picPolar, &DrawPolarDiagram},
                             std::pair{m_picRectangular, &DrawRectangularDiagram}}) {
        try {
            draw(box->canvas(), m_boxes);
        } catch (const std::exception &) {
            if (!failure) {
                failure = std::current_exception();
            }
        }
        box->showDrawing();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

void ucPolarRect::runCommand(std::int16_t index)
{
    const QString command = tr(kCommandCaption[index == kPolarToRectangular ? 0 : 1]);
    readBoxTexts();
    try {
        ConvertTexts(index, m_boxes);
    } catch (const UnreadableSource &e) {
        reportRun(tr("%1 stopped: %2 = %3 is not a number.")
                      .arg(command, QString::fromUtf8(kQuantity[e.Box()]), quoted(e.Text())),
                  static_cast<int>(e.Box()));
        return;
    } catch (const modMath::ArithmeticError &e) {
        // The steps before the fault stay done.
        showBoxTexts();
        reportRun(tr("%1 stopped: %2.").arg(command, QString::fromUtf8(e.what())));
        return;
    }
    showBoxTexts();
    ResultRecord result;
    try {
        drawDiagrams();
        result = ReadResult(index, m_boxes);
    } catch (const std::exception &e) {
        reportRun(tr("%1 stopped: %2.").arg(command, QString::fromUtf8(e.what())));
        return;
    }
    m_lastCommand = index;
    reportRun(QString());
    describeDiagrams(result.Quadrant);
    emit Result(result);
}

bool ucPolarRect::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_picPolar || watched == m_picRectangular) {
        return diagramEvent(static_cast<PictureBox *>(watched), event) ||
               QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        if (auto *box = qobject_cast<QLineEdit *>(watched)) {
            return !keyPassesFilter(*box, *static_cast<QKeyEvent *>(event)) ||
                   QWidget::eventFilter(watched, event);
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool ucPolarRect::keyPassesFilter(const QLineEdit &box, const QKeyEvent &key) const
{
    // Shortcuts (paste, undo, select all), focus keys and keys that type
    // nothing (arrows, Delete, Home) are not typing; only characters are filtered.
    const Qt::KeyboardModifiers shortcut = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if ((key.modifiers() & shortcut) || key.text().isEmpty() || key.key() == Qt::Key_Delete ||
        key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) {
        return true;
    }
    const char16_t code = key.text().at(0).unicode();
    // The key replaces the selection: judge it against what stays of the text.
    QString remaining = box.text();
    if (box.hasSelectedText()) {
        remaining.remove(box.selectionStart(), box.selectionLength());
    }
    return KeyAccepted(remaining.toStdString(), code);
}

bool ucPolarRect::diagramEvent(PictureBox *diagram, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyboardPointerKey(diagram, *static_cast<QKeyEvent *>(event));
    case QEvent::FocusIn:
        // Each diagram that takes the focus starts the keyboard's pointer at
        // its centre; one that is already showing moves there.
        if (m_keyboardPointer.Active()) {
            moveKeyboardPointer(diagram, KeyboardPointer::Key::Home, false);
        } else {
            m_keyboardPointer.Reset();
        }
        return false;
    case QEvent::FocusOut:
        if (QWidget *next = QApplication::focusWidget();
            next != m_picPolar && next != m_picRectangular) {
            endKeyboardPointer();
        }
        return false;
    default:
        return false;
    }
}

bool ucPolarRect::keyboardPointerKey(PictureBox *diagram, const QKeyEvent &key)
{
    using Key = KeyboardPointer::Key;
    constexpr std::array<std::pair<int, Key>, 5> kMoves{{{Qt::Key_Left, Key::Left},
                                                         {Qt::Key_Right, Key::Right},
                                                         {Qt::Key_Up, Key::Up},
                                                         {Qt::Key_Down, Key::Down},
                                                         {Qt::Key_Home, Key::Home}}};
    for (const auto &[qtKey, move] : kMoves) {
        if (key.key() == qtKey) {
            moveKeyboardPointer(diagram, move, key.modifiers() & Qt::ShiftModifier);
            return true;
        }
    }
    if (key.key() == Qt::Key_Escape && m_keyboardPointer.Active()) {
        endKeyboardPointer();
        return true;
    }
    return false;
}

void ucPolarRect::moveKeyboardPointer(PictureBox *diagram, KeyboardPointer::Key key, bool gridStep)
{
    const QImageCanvas &canvas = diagram->canvas();
    const double step = gridStep ? std::max(1.0, MeasureDiagramFrame(canvas).RingSpacing) : 1.0;
    const PointerPlace place =
        m_keyboardPointer.Move(key, step, canvas.ScaleWidth(), canvas.ScaleHeight());
    onMouseMove(place.X, place.Y);
    // No tick needs to confirm where the keyboard put the pointer.
    m_picPolar->setCrosshairVisible(true);
    m_picRectangular->setCrosshairVisible(true);
}

void ucPolarRect::endKeyboardPointer()
{
    if (!m_keyboardPointer.Active()) {
        return;
    }
    m_keyboardPointer.End();
    hidePointerTracking();
}

void ucPolarRect::onMouseMove(float x, float y)
{
    const auto w = static_cast<qreal>(m_picPolar->canvas().ScaleWidth());
    const auto h = static_cast<qreal>(m_picPolar->canvas().ScaleHeight());
    for (PictureBox *box : {m_picPolar, m_picRectangular}) {
        box->placeCrosshair(QLineF(x, 0, x, h), QLineF(0, y, w, y));
    }
    const std::string r = m_txtData[0]->text().toStdString();
    try {
        m_lblInfo[0]->setText(QString::fromStdString(PolarReadout(m_picPolar->canvas(), x, y, r)));
        m_lblInfo[1]->setText(
            QString::fromStdString(RectangularReadout(m_picRectangular->canvas(), x, y, r)));
    } catch (const modMath::ConversionError &) {
        reportReadout(tr("The read-out needs a number in r: %1 is not a number.").arg(quoted(r)));
        m_readoutStoppedOnR = true;
        return;
    } catch (const modMath::ArithmeticError &e) {
        reportReadout(tr("The read-out stopped: %1.").arg(QString::fromUtf8(e.what())));
        return;
    }
    reportReadout(QString());
    // A desktop sends movements every few milliseconds: restarting the timer
    // on each would keep its first tick, and the crosshairs, from ever coming.
    if (!m_tmrTimer->isActive()) {
        m_tmrTimer->start();
    }
}

void ucPolarRect::onTimer()
{
    QWidget *under = nullptr;
    if (m_keyboardPointer.Active()) {
        under = QApplication::focusWidget();
    } else {
        under = m_widgetUnderPointer ? m_widgetUnderPointer() : diagramUnderPointer();
    }
    const bool overDiagram = under == m_picPolar || under == m_picRectangular;
    if (overDiagram) {
        m_picPolar->setCrosshairVisible(true);
        m_picRectangular->setCrosshairVisible(true);
    } else {
        hidePointerTracking();
    }
}

void ucPolarRect::hidePointerTracking()
{
    m_picPolar->setCrosshairVisible(false);
    m_picRectangular->setCrosshairVisible(false);
    m_lblInfo[0]->clear();
    m_lblInfo[1]->clear();
    m_tmrTimer->stop();
    reportReadout(QString());
}

void ucPolarRect::onRadiusEdited(const QString &r)
{
    // A read-out that stopped on an unreadable r is not re-run until the
    // pointer moves; its message goes as soon as r reads as a number.
    if (!m_readoutStoppedOnR) {
        return;
    }
    try {
        (void)modMath::TextToNumber(r.toStdString());
        reportReadout(QString());
    } catch (const modMath::ConversionError &) {
    }
}

void ucPolarRect::onPointerLeft()
{
    // With the timer off no tick will come to clear a read-out's message, so
    // the leave itself does.
    if (!m_tmrTimer->isActive() && diagramUnderPointer() == nullptr) {
        reportReadout(QString());
    }
}

QWidget *ucPolarRect::diagramUnderPointer() const
{
    // Enter and leave are what every platform reports; the live pointer
    // position is not known on all of them (not on Wayland).
    for (PictureBox *box : {m_picPolar, m_picRectangular}) {
        if (box->underMouse()) {
            return box;
        }
    }
    return nullptr;
}

void ucPolarRect::setWidgetUnderPointer(std::function<QWidget *()> query)
{
    m_widgetUnderPointer = std::move(query);
}

void ucPolarRect::describeDiagrams(const std::string &quadrant)
{
    m_picPolar->setAccessibleDescription(
        QString::fromStdString(PolarDiagramDescription(m_boxes, quadrant)));
    m_picRectangular->setAccessibleDescription(
        QString::fromStdString(RectangularDiagramDescription(m_boxes, quadrant)));
}

QString ucPolarRect::message() const
{
    if (m_runMessage.isEmpty()) {
        return m_readoutMessage;
    }
    if (m_readoutMessage.isEmpty()) {
        return m_runMessage;
    }
    return m_runMessage + QLatin1Char(' ') + m_readoutMessage;
}

void ucPolarRect::reportRun(const QString &message, int box)
{
    for (int i = 0; i < 4; ++i) {
        QPalette marked;
        if (i == box) {
            marked.setColor(QPalette::Base, QColor(255, 221, 221));
        }
        if (i == box || m_txtData[i]->testAttribute(Qt::WA_SetPalette)) {
            m_txtData[i]->setPalette(marked);
            m_txtData[i]->setAttribute(Qt::WA_SetPalette, i == box);
        }
    }
    if (m_runMessage != message) {
        m_runMessage = message;
        emit MessageChanged(this->message());
    }
}

void ucPolarRect::reportReadout(const QString &message)
{
    m_readoutStoppedOnR = false;
    if (m_readoutMessage != message) {
        m_readoutMessage = message;
        emit MessageChanged(this->message());
    }
}
