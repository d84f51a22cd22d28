#pragma once

// The embedded view of the worked solution: renders the solution's HTML in
// "Arial" at 15 px, lets the user select and copy it (as HTML and as plain
// text that keeps each table row on one line), and never loads anything from
// outside.

#include <QTextBrowser>

#include <string_view>

class SolutionView : public QTextBrowser
{
    Q_OBJECT

public:
    explicit SolutionView(QWidget *parent = nullptr);

    // Replaces everything shown with this HTML text.
    void setSolution(std::string_view html);
    [[nodiscard]] bool hasSelectedText() const;

signals:
    // A right-button press in the document, at this global position.
    void RightButtonPressed(const QPoint &globalPosition);
    // The pointer moved over the document, pressed or not.
    void PointerMoved();

protected:
    QVariant loadResource(int type, const QUrl &name) override;
    // What Copy, a drag and the X11 selection carry.
    [[nodiscard]] QMimeData *createMimeDataFromSelection() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
