#pragma once

// The pointer's road over the two diagrams: the crosshairs in both, the two
// read-out lines, the 100 ms check that the pointer has left, and the pointer
// that the arrow keys move over a focused diagram.

#include "conversion_control/feedback.h"
#include "conversion_control/keyboard_pointer.h"
#include "platform/picture_box.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;

class PointerTracker : public QObject
{
    Q_OBJECT

public:
    // radius: the r box, whose text as typed sets the read-out's scale.
    // readout: the polar and the rectangular read-out line.
    PointerTracker(PictureBox *polar, PictureBox *rectangular, const QLineEdit *radius,
                   const std::array<QLabel *, 2> &readout, QObject *parent = nullptr);

    // Where the leave check asks which widget lies under the pointer; by
    // default, the diagram that the window system last reported it entered.
    void setWidgetUnderPointer(std::function<QWidget *()> query);

signals:
    // Both read-out lines were written for a movement of the mouse or of the
    // keyboard's pointer over a diagram.
    void ReadoutShown(const Happened::ReadoutWritten &readout);
    // A movement's read-out stopped.
    void ReadoutStopped(const Happened::ReadoutStopped &stop);
    // The crosshairs are hidden and the read-out cleared, or the pointer left
    // while no check was due.
    void TrackingEnded();

private:
    void place(const PictureBox *diagram, float x, float y, bool fromKeyboard);
    void onTimer();
    void onPointerLeft();
    void onPointerKey(PictureBox *diagram, PointerKey key, bool gridStep);
    void onFocusEntered(PictureBox *diagram);
    void onFocusChanged(QWidget *old, QWidget *now);
    void moveKeyboardPointer(PictureBox *diagram, PointerKey key, bool gridStep);
    void endKeyboardPointer();
    void hide();
    void setCrosshairsVisible(bool visible);
    [[nodiscard]] bool isDiagram(const QWidget *widget) const;
    // The diagram that widget is, or null.
    [[nodiscard]] PictureBox *diagramOf(QWidget *widget) const;
    [[nodiscard]] QWidget *diagramUnderPointer() const;

    std::array<PictureBox *, 2> m_diagrams;
    const QLineEdit *m_radius;
    std::array<QLabel *, 2> m_readout;
    QTimer m_tmrTimer;
    KeyboardPointer m_keyboardPointer;
    // The diagram that has the focus, as the last focus change said.
    const PictureBox *m_focusedDiagram = nullptr;
    std::function<QWidget *()> m_widgetUnderPointer;
};
