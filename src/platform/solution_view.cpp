#include "platform/solution_view.h"

#include "platform/document_runs.h"
#include "platform/readable_plain_text.h"
#include "platform/selection_html.h"
#include "platform/stray_less_than.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QTextDocumentFragment>

SolutionView::SolutionView(QWidget *parent) : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("wbPreview"));
    setAccessibleName(tr("Worked solution"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setUndoRedoEnabled(false);
    // A caret for the keyboard: Up and Down go line by line, Shift selects.
    // Tab is left to the focus chain: the solution has no links to visit,
    // and looking for one moved the caret to an end of the document.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard |
                            Qt::LinksAccessibleByMouse);
    // A scroll bar that comes and goes makes every new document lay out twice.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    document()->setDefaultFont(font);
    // Our own Edit menu replaces the default context menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setMouseTracking(true);
    viewport()->installEventFilter(this);
}

void SolutionView::setSolution(std::string_view html)
{
    const std::string escaped = EscapeStrayLessThan(html);
    setHtml(QString::fromUtf8(escaped.data(), static_cast<qsizetype>(escaped.size())));
}

bool SolutionView::hasSelectedText() const
{
    return !textCursor().selectedText().isEmpty();
}

QVariant SolutionView::loadResource(int, const QUrl &)
{
    return {};
}

QMimeData *SolutionView::createMimeDataFromSelection() const
{
    // Qt's own exports put every table cell on a line of its own and write
    // superscripts as a style that word processors drop.
    const DocumentRuns selection = readDocumentRuns(textCursor().selection());
    auto *data = new QMimeData;
    data->setHtml(selectionHtml(selection));
    data->setText(readablePlainText(selection));
    return data;
}

bool SolutionView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == viewport() && event->type() == QEvent::MouseMove) {
        emit PointerMoved();
    }
    if (watched == viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            emit RightButtonPressed(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QTextBrowser::eventFilter(watched, event);
}
