#pragma once

// A push button whose caption wraps onto several lines when it does not fit,
// as the conversion buttons' captions must in their design size.

#include <QPushButton>

class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
