#pragma once

// The key filter of the input boxes: a typed character reaches a box only
// where KeyAccepted lets it, judged against what the key leaves of the text.

#include <QObject>

class QKeyEvent;
class QLineEdit;

class InputKeyFilter : public QObject
{
    Q_OBJECT

public:
    explicit InputKeyFilter(QObject *parent = nullptr);

    // Filters what is typed into the box from now on.
    void watch(QLineEdit *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    [[nodiscard]] static bool passes(const QLineEdit &box, const QKeyEvent &key);
};
