#pragma once

// The conversion control: four inputs, two commands, the polar and the
// rectangular diagram with crosshairs, two read-out lines and the pointer
// timer. It converts, draws, and announces every conversion by Result.

#include "conversion_control/control_layout.h"
#include "conversion_control/conversion_commands.h"
#include "conversion_control/keyboard_pointer.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class CommandButton;
class PictureBox;
class QLabel;
class QKeyEvent;
class QLineEdit;
class QTimer;

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
    // A movement wrote both read-out lines.
    void ReadoutShown(const QString &polar, const QString &rectangular, bool fromKeyboard);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createChildren();
    void createDiagrams();
    void createTray();
    // The pointer-watch timer, and the r box that the read-out reads.
    void createTimer();
    void setTabOrder();
    void applyGeometry();
    void runCommand(std::int16_t index);
    void readBoxTexts();
    void showBoxTexts();
    void drawDiagrams();
    void onMouseMove(float x, float y);
    void onTimer();
    void onPointerLeft();
    void onRadiusEdited(const QString &r);
    void hidePointerTracking();
    [[nodiscard]] bool keyPassesFilter(const QLineEdit &box, const QKeyEvent &key) const;
    bool diagramEvent(PictureBox *diagram, QEvent *event);
    bool keyboardPointerKey(PictureBox *diagram, const QKeyEvent &key);
    void moveKeyboardPointer(PictureBox *diagram, KeyboardPointer::Key key, bool gridStep);
    void endKeyboardPointer();
    void describeDiagrams(const std::string &quadrant);
    [[nodiscard]] QWidget *diagramUnderPointer() const;
    void reportRun(const QString &message, int box = -1);
    void reportReadout(const QString &message);

    std::array<QLineEdit *, 4> m_txtData{};
    std::array<QLabel *, 4> m_lblData{};
    std::array<CommandButton *, 2> m_cmdButton{};
    std::array<QLabel *, 2> m_lblInfo{};
    QWidget *m_picTray = nullptr;
    PictureBox *m_picPolar = nullptr;
    PictureBox *m_picRectangular = nullptr;
    QTimer *m_tmrTimer = nullptr;

    InputBoxes m_boxes;
    std::int16_t m_lastCommand = 0;
    ControlGeometry m_geometry = DesignGeometry();
    std::function<QWidget *()> m_widgetUnderPointer;
    QString m_runMessage;
    QString m_readoutMessage;
    bool m_readoutStoppedOnR = false;
    KeyboardPointer m_keyboardPointer;
};
