#include "main_window/frm_main.h"

#include "conversion_control/uc_polar_rect.h"
#include "main_window/frm_about.h"
#include "main_window/main_layout.h"
#include "main_window/significant_setting.h"
#include "main_window/solution_document.h"
#include "math/mod_math.h"
#include "platform/announcer.h"
#include "platform/app_icon.h"
#include "platform/solution_view.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kRestoredClientWidth = 642;
constexpr int kRestoredClientHeight = 505;

int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

} // namespace

frmMain::frmMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(AppIcon());
    createMenus();
    createClientArea();
    modMath::SignificantValues = 2;
    resize(kRestoredClientWidth, kRestoredClientHeight + menuBar()->sizeHint().height());
}

void frmMain::createMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    QAction *exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuFileExit"));
    // Nothing is kept between runs, so there is nothing to ask or save.
    connect(exit, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);

    m_mnuEdit = menuBar()->addMenu(tr("&Edit"));
    m_mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    m_mnuEditSelectAll = m_mnuEdit->addAction(tr("Select &All"));
    m_mnuEditSelectAll->setObjectName(QStringLiteral("mnuEditSelectAll"));
    m_mnuEditSelectAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    m_mnuEditCopy = m_mnuEdit->addAction(tr("&Copy"));
    m_mnuEditCopy->setObjectName(QStringLiteral("mnuEditCopy"));
    m_mnuEditCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));

    QAction *about = menuBar()->addAction(tr("&About"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, &frmMain::showAbout);
}

void frmMain::createClientArea()
{
    m_client = new QWidget(this);
    setCentralWidget(m_client);
    m_client->installEventFilter(this);

    m_picTray = new QWidget(m_client);
    m_picTray->setObjectName(QStringLiteral("picTray"));
    auto *label = new QLabel(tr("Significant values : "), m_picTray);
    label->setObjectName(QStringLiteral("lblSignificantVal"));
    // The design's width, or more where the desktop's font needs it.
    const int labelWidth = std::max(twipsToPixels(1380), label->sizeHint().width());
    label->setGeometry(twipsToPixels(60), twipsToPixels(120), labelWidth, twipsToPixels(195));
    m_txtSignificantVal = new QLineEdit(QStringLiteral("2"), m_picTray);
    m_txtSignificantVal->setObjectName(QStringLiteral("txtSignificantVal"));
    m_txtSignificantVal->setAccessibleName(tr("Significant values"));
    const int boxLeft = std::max(twipsToPixels(1500), label->geometry().right() + 5);
    m_txtSignificantVal->setGeometry(boxLeft, twipsToPixels(60), twipsToPixels(795),
                                     twipsToPixels(285));
    label->setBuddy(m_txtSignificantVal);
    m_message = new QLabel(m_picTray);
    m_message->setObjectName(QStringLiteral("lblMessage"));
    // The message itself is the accessible name, so a screen reader hears it.
    m_message->setAccessibleDescription(tr("Message"));
    QPalette red = m_message->palette();
    red.setColor(QPalette::WindowText, QColor(176, 0, 0));
    m_message->setPalette(red);

    m_ucPolarRect1 = new ucPolarRect(m_client);
    m_ucPolarRect1->setObjectName(QStringLiteral("ucPolarRect1"));
    m_wbPreview = new SolutionView(m_client);

    connect(m_ucPolarRect1, &ucPolarRect::Result, this, &frmMain::onResult);
    connect(m_ucPolarRect1, &ucPolarRect::MessageChanged, m_message, &QLabel::setText);
    connect(m_txtSignificantVal, &QLineEdit::textChanged, this,
            &frmMain::onSignificantValuesEdited);
    connect(m_wbPreview, &QTextEdit::copyAvailable, this, &frmMain::updateCopyState);
    connect(m_wbPreview, &SolutionView::PointerMoved, this, &frmMain::updateCopyState);
    connect(m_wbPreview, &SolutionView::RightButtonPressed, this, &frmMain::showEditMenu);
    connect(m_mnuEditSelectAll, &QAction::triggered, m_wbPreview, &QTextEdit::selectAll);
    connect(m_mnuEditCopy, &QAction::triggered, m_wbPreview, &QTextEdit::copy);

    QWidget::setTabOrder(m_wbPreview, m_txtSignificantVal);
    connectAnnouncer();
}

void frmMain::connectAnnouncer()
{
    m_announcer = new Announcer(m_client);
    connect(m_ucPolarRect1, &ucPolarRect::Said, m_announcer, &Announcer::say);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize) {
        layoutClientArea();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::layoutClientArea()
{
    if (isMinimized()) {
        return;
    }
    const int width = m_client->width();
    const double H = m_client->height() * kTwipsPerPixel;
    const int trayHeight = twipsToPixels(kTopTrayTwips);
    m_picTray->setGeometry(0, 0, width, trayHeight);
    const int messageLeft = m_txtSignificantVal->geometry().right() + 12;
    m_message->setGeometry(messageLeft, 0, std::max(0, width - messageLeft - 4), trayHeight);

    const MainLayout layout = LayoutMainWindow(H);
    // A part that would get a negative height keeps where it was.
    if (layout.ControlHeight >= 0) {
        const int top = twipsToPixels(layout.ControlTop);
        m_ucPolarRect1->setGeometry(0, top, width,
                                    twipsToPixels(layout.ControlTop + layout.ControlHeight) - top);
    }
    if (layout.ViewHeight >= 0) {
        const int top = twipsToPixels(layout.ViewTop);
        m_wbPreview->setGeometry(0, top, width,
                                 twipsToPixels(layout.ViewTop + layout.ViewHeight) - top);
    }
}

void frmMain::onResult(const ResultRecord &result)
{
    try {
        m_wbPreview->setSolution(
            SolutionDocument(result.Index, result.Radius, result.Angle, result.X, result.Y));
    } catch (const modMath::ArithmeticError &) {
        // The previous document stays on view; the view never shows half a text.
    }
}

void frmMain::onSignificantValuesEdited(const QString &text)
{
    const auto setting = SignificantValuesFromText(text.toStdString());
    if (!setting) {
        return;
    }
    modMath::SignificantValues = *setting;
    m_ucPolarRect1->Refresh();
}

void frmMain::updateCopyState()
{
    const bool selected = m_wbPreview->hasSelectedText();
    if (m_mnuEditCopy->isEnabled() != selected) {
        m_mnuEditCopy->setEnabled(selected);
    }
}

void frmMain::showEditMenu(const QPoint &globalPosition)
{
    updateCopyState();
    m_mnuEdit->popup(globalPosition);
}

void frmMain::showAbout()
{
    if (m_frmAbout == nullptr) {
        m_frmAbout = new frmAbout(this);
    }
    m_frmAbout->exec();
}
