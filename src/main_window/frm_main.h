#pragma once

// The main window: the significant-values tray, the conversion control and
// the worked solution below it, the File, Edit and About menus.

#include <QMainWindow>

class Announcer;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class SolutionView;
class frmAbout;
class ucPolarRect;
struct ResultRecord;

class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);

    [[nodiscard]] ucPolarRect *control() const { return m_ucPolarRect1; }
    [[nodiscard]] SolutionView *view() const { return m_wbPreview; }
    [[nodiscard]] QAction *copyAction() const { return m_mnuEditCopy; }
    [[nodiscard]] QAction *selectAllAction() const { return m_mnuEditSelectAll; }
    [[nodiscard]] QMenu *editMenu() const { return m_mnuEdit; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenus();
    void createClientArea();
    void layoutClientArea();
    void onResult(const ResultRecord &result);
    void onSignificantValuesEdited(const QString &text);
    void updateCopyState();
    void showEditMenu(const QPoint &globalPosition);
    void showAbout();
    // What a screen reader says by itself: results, messages, the read-out,
    // as the control tells them.
    void connectAnnouncer();

    QWidget *m_client = nullptr;
    QWidget *m_picTray = nullptr;
    QLineEdit *m_txtSignificantVal = nullptr;
    QLabel *m_message = nullptr;
    ucPolarRect *m_ucPolarRect1 = nullptr;
    SolutionView *m_wbPreview = nullptr;
    QMenu *m_mnuEdit = nullptr;
    QAction *m_mnuEditSelectAll = nullptr;
    QAction *m_mnuEditCopy = nullptr;
    frmAbout *m_frmAbout = nullptr;
    Announcer *m_announcer = nullptr;
};
