#pragma once

// The conversion control: four inputs, two commands, the polar and the
// rectangular diagram with crosshairs, two read-out lines and the pointer
// timer. It converts, draws, and announces every conversion by Result; the
// pointer's road, the key filter and the feedback (what it shows and says of
// what happened) are parts of their own that it wires.

#include "conversion_control/control_layout.h"
#include "conversion_control/feedback.h"
#include "conversion_control/input_boxes.h"
#include "conversion_control/result_record.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class CommandButton;
class InputKeyFilter;
class PictureBox;
class PointerTracker;
class QLabel;
class QLineEdit;

class ucPolarRect : public QWidget
{
    Q_OBJECT

public:
    explicit ucPolarRect(QWidget *parent = nullptr);

    // Repeats the last conversion on the texts as they are now.
    void Refresh();

    [[nodiscard]] std::int16_t LastCommand() const { return m_lastCommand; }
    [[nodiscard]] const InputBoxes &boxes() const { return m_boxes; }
    [[nodiscard]] QString message() const;

    // Where the crosshair timer asks which widget lies under the pointer; by
    // default, the diagram that the window system last reported it entered.
    void setWidgetUnderPointer(std::function<QWidget *()> query);

signals:
    // Raised at the end of every successful conversion, synchronously.
    void Result(const ResultRecord &result);
    // Why the last conversion or read-out stopped; empty once it succeeds again.
    void MessageChanged(const QString &message);
    // What a screen reader is to say of what happened, in the order it
    // happened; with whileFocused, only while that widget has the focus. An
    // empty text makes what was still to be said stale.
    void Said(const QString &text, const QWidget *whileFocused);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void createDiagrams();
    void createTray();
    void createPointerTracker();
    void setTabOrder();
    void applyGeometry();
    void runCommand(std::int16_t index);
    void readBoxTexts();
    void showBoxTexts();
    void drawDiagrams();
    // Shows and says what the feedback returned for an event.
    void tell(const Told &told);
    void markBoxesAtFault(const std::array<std::string, 4> &faults);

    std::array<QLineEdit *, 4> m_txtData{};
    std::array<QLabel *, 4> m_lblData{};
    std::array<CommandButton *, 2> m_cmdButton{};
    std::array<QLabel *, 2> m_lblInfo{};
    QWidget *m_picTray = nullptr;
    PictureBox *m_picPolar = nullptr;
    PictureBox *m_picRectangular = nullptr;
    InputKeyFilter *m_keyFilter = nullptr;
    PointerTracker *m_pointerTracker = nullptr;

    InputBoxes m_boxes;
    std::int16_t m_lastCommand = 0;
    ControlGeometry m_geometry = DesignGeometry();
    Feedback m_feedback;
};
