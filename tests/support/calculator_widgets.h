#pragma once

// For the widget tests: the calculator's widgets found by the names the
// design gives them, and a conversion done as a user does one. A test class
// derives from CalculatorWidgets next to QObject and says where to look.

#include "platform/picture_box.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class CalculatorWidgets
{
public:
    virtual ~CalculatorWidgets() = default;

protected:
    // The main window or the conversion control under test.
    [[nodiscard]] virtual QWidget *widgets() const = 0;

    template <typename T = QWidget> T *find(const QString &name) const
    {
        return widgets()->findChild<T *>(name);
    }
    // Boxes 0 to 3 are r, Ø, x, y; read-outs and diagrams 0 polar, 1 rectangular.
    QLineEdit *box(int i) const { return find<QLineEdit>(QStringLiteral("txtData%1").arg(i)); }
    QLabel *readout(int i) const { return find<QLabel>(QStringLiteral("lblInfo%1").arg(i)); }
    PictureBox *diagram(int i) const
    {
        return find<PictureBox>(i == 0 ? QStringLiteral("picPolar")
                                       : QStringLiteral("picRectangular"));
    }
    // Command 0 converts polar to rectangular, 1 back: from the two boxes it reads.
    void click(int command) const
    {
        QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdButton%1").arg(command)),
                          Qt::LeftButton);
    }
    void convert(int command, const QString &a, const QString &b) const
    {
        box(2 * command)->setText(a);
        box(2 * command + 1)->setText(b);
        click(command);
    }
};

// What a widget's accessibility interface says: its name, description or value.
inline QString accessibleText(QWidget *widget, QAccessible::Text what)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(what) : QStringLiteral("(no interface)");
}
