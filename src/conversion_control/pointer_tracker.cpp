#include "conversion_control/pointer_tracker.h"

#include "conversion_control/diagram_frame.h"
#include "conversion_control/feedback_text.h"
#include "conversion_control/pointer_readout.h"
#include "math/mod_math.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <utility>

namespace {

constexpr int kTimerIntervalMs = 100;

} // namespace

PointerTracker::PointerTracker(PictureBox *polar, PictureBox *rectangular, const QLineEdit *radius,
                               const std::array<QLabel *, 2> &readout, QObject *parent)
    : QObject(parent), m_diagrams{polar, rectangular}, m_radius(radius), m_readout(readout)
{
    m_tmrTimer.setObjectName(QStringLiteral("tmrTimer"));
    m_tmrTimer.setInterval(kTimerIntervalMs);
    connect(&m_tmrTimer, &QTimer::timeout, this, &PointerTracker::onTimer);
    for (PictureBox *diagram : m_diagrams) {
        connect(diagram, &PictureBox::MouseMove, this, [this, diagram](float x, float y) {
            // A real pointer takes over from the keyboard's.
            m_keyboardPointer.End();
            place(diagram, x, y, false);
        });
        connect(diagram, &PictureBox::PointerLeft, this, &PointerTracker::onPointerLeft);
        connect(diagram, &PictureBox::PointerKeyPressed, this,
                [this, diagram](PointerKey key, bool gridStep) {
                    onPointerKey(diagram, key, gridStep);
                });
        connect(diagram, &PictureBox::FocusEntered, this,
                [this, diagram] { onFocusEntered(diagram); });
    }
    // The change names both widgets: whether the focus stays on the diagrams.
    connect(qApp, &QApplication::focusChanged, this, &PointerTracker::onFocusChanged);
}

void PointerTracker::setWidgetUnderPointer(std::function<QWidget *()> query)
{
    m_widgetUnderPointer = std::move(query);
}

void PointerTracker::place(const PictureBox *diagram, float x, float y, bool fromKeyboard)
{
    const auto w = static_cast<qreal>(m_diagrams[0]->canvas().ScaleWidth());
    const auto h = static_cast<qreal>(m_diagrams[0]->canvas().ScaleHeight());
    for (PictureBox *each : m_diagrams) {
        each->placeCrosshair(QLineF(x, 0, x, h), QLineF(0, y, w, y));
    }
    const std::string r = m_radius->text().toStdString();
    try {
        const PolarReading polar = PolarReadout(m_diagrams[0]->canvas(), x, y, r);
        m_readout[0]->setText(QString::fromStdString(PolarReadoutLine(polar)));
        const RectangularReading rectangular = RectangularReadout(m_diagrams[1]->canvas(), x, y, r);
        m_readout[1]->setText(QString::fromStdString(RectangularReadoutLine(rectangular)));
        const Diagram on = diagram == m_diagrams[1] ? Diagram::Rectangular : Diagram::Polar;
        emit ReadoutShown({on, fromKeyboard, polar, rectangular});
    } catch (const modMath::ConversionError &) {
        emit ReadoutStopped({true, r});
        return;
    } catch (const modMath::ArithmeticError &e) {
        emit ReadoutStopped({false, e.what()});
        return;
    }
    // A desktop sends movements every few milliseconds: restarting the timer
    // on each would keep its first tick, and the crosshairs, from ever coming.
    if (!m_tmrTimer.isActive()) {
        m_tmrTimer.start();
    }
}

void PointerTracker::onTimer()
{
    const QWidget *under = nullptr;
    if (m_keyboardPointer.Active()) {
        under = m_focusedDiagram;
    } else {
        under = m_widgetUnderPointer ? m_widgetUnderPointer() : diagramUnderPointer();
    }
    if (isDiagram(under)) {
        setCrosshairsVisible(true);
    } else {
        hide();
    }
}

void PointerTracker::onPointerLeft()
{
    // With the timer off no tick will come to end the tracking, so the leave
    // itself does.
    if (!m_tmrTimer.isActive() && diagramUnderPointer() == nullptr) {
        emit TrackingEnded();
    }
}

void PointerTracker::onPointerKey(PictureBox *diagram, PointerKey key, bool gridStep)
{
    if (key == PointerKey::Escape) {
        endKeyboardPointer();
    } else {
        moveKeyboardPointer(diagram, key, gridStep);
    }
}

void PointerTracker::onFocusEntered(PictureBox *diagram)
{
    // Each diagram that takes the focus starts the keyboard's pointer at its
    // centre; one that is already showing moves there.
    if (m_keyboardPointer.Active()) {
        moveKeyboardPointer(diagram, PointerKey::Home, false);
    } else {
        m_keyboardPointer.Reset();
    }
}

void PointerTracker::onFocusChanged(QWidget *old, QWidget *now)
{
    m_focusedDiagram = diagramOf(now);
    if (diagramOf(old) != nullptr && m_focusedDiagram == nullptr) {
        endKeyboardPointer();
    }
}

void PointerTracker::moveKeyboardPointer(PictureBox *diagram, PointerKey key, bool gridStep)
{
    const QImageCanvas &canvas = diagram->canvas();
    const double step = gridStep ? std::max(1.0, MeasureDiagramFrame(canvas).RingSpacing) : 1.0;
    const PointerPlace at =
        m_keyboardPointer.Move(key, step, canvas.ScaleWidth(), canvas.ScaleHeight());
    place(diagram, at.X, at.Y, true);
    // No tick needs to confirm where the keyboard put the pointer.
    setCrosshairsVisible(true);
}

void PointerTracker::endKeyboardPointer()
{
    if (!m_keyboardPointer.Active()) {
        return;
    }
    m_keyboardPointer.End();
    hide();
}

void PointerTracker::hide()
{
    setCrosshairsVisible(false);
    for (QLabel *line : m_readout) {
        line->clear();
    }
    m_tmrTimer.stop();
    emit TrackingEnded();
}

void PointerTracker::setCrosshairsVisible(bool visible)
{
    for (PictureBox *diagram : m_diagrams) {
        diagram->setCrosshairVisible(visible);
    }
}

bool PointerTracker::isDiagram(const QWidget *widget) const
{
    return widget != nullptr &&
           std::find(m_diagrams.begin(), m_diagrams.end(), widget) != m_diagrams.end();
}

PictureBox *PointerTracker::diagramOf(QWidget *widget) const
{
    // A diagram that is being destroyed, and gives up the focus as it goes,
    // is a plain widget by then and no longer one of the diagrams.
    auto *box = qobject_cast<PictureBox *>(widget);
    return isDiagram(box) ? box : nullptr;
}

QWidget *PointerTracker::diagramUnderPointer() const
{
    // Enter and leave are what every platform reports; the live pointer
    // position is not known on all of them (not on Wayland).
    for (PictureBox *diagram : m_diagrams) {
        if (diagram->underMouse()) {
            return diagram;
        }
    }
    return nullptr;
}
