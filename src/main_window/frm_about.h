#pragma once

// The About window: the product title and version, shown modally.

#include <QDialog>

class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *owner);
};
