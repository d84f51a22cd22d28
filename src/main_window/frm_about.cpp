#include "main_window/frm_about.h"

#include "platform/app_icon.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

frmAbout::frmAbout(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Morvane"));
    setModal(true);

    auto *icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(48, 48));
    auto *title = new QLabel(tr("<b>Morvane (Polar and Rectangular Conversion)</b>"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    auto *version = new QLabel(tr("Version %1").arg(QStringLiteral(MORVANE_VERSION)), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto *purpose = new QLabel(tr("Converts a point between polar and rectangular coordinates "
                                  "and shows the worked solution."),
                               this);
    purpose->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(version);
    text->addWidget(purpose);
    auto *row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addLayout(text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setFixedWidth(380);
}
