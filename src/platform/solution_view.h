#pragma once

// The embedded view of the worked solution: renders the solution's HTML in
// "Arial" at 15 px, lets the user select and copy it, and never loads
// anything from outside.

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

protected:
    QVariant loadResource(int type, const QUrl &name) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
