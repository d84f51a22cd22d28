#include "conversion_control/uc_polar_rect.h"

#include "conversion_control/command_caption.h"
#include "conversion_control/conversion_commands.h"
#include "conversion_control/feedback_text.h"
#include "conversion_control/input_key_filter.h"
#include "conversion_control/pointer_tracker.h"
#include "conversion_control/polar_diagram.h"
#include "conversion_control/rectangular_diagram.h"
#include "math/mod_math.h"
#include "platform/command_button.h"
#include "platform/design_font.h"
#include "platform/picture_box.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

namespace {

// Half-pixel positions and sizes go to their nearest pixel each, so that
// children of equal size, the two diagrams above all, stay equal on screen.
QRect toPixels(const ChildRect &r)
{
    return {static_cast<int>(std::lround(r.Left)), static_cast<int>(std::lround(r.Top)),
            static_cast<int>(std::lround(r.Width)), static_cast<int>(std::lround(r.Height))};
}

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ucPolarRect::ucPolarRect(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    createDiagrams();
    createTray();
    createPointerTracker();
    setTabOrder();
    // The first stop of the tab order has the focus from the start.
    m_picPolar->setFocus();
    applyGeometry();
    resize(585, 393);
}

void ucPolarRect::createDiagrams()
{
    m_picPolar = new PictureBox(this);
    m_picPolar->setObjectName(QStringLiteral("picPolar"));
    m_picPolar->setAccessibleName(tr("Polar diagram"));
    m_picPolar->setAccessibleDescription(QString::fromStdString(PolarGridDescription()));
    m_picRectangular = new PictureBox(this);
    m_picRectangular->setObjectName(QStringLiteral("picRectangular"));
    m_picRectangular->setAccessibleName(tr("Rectangular diagram"));
    m_picRectangular->setAccessibleDescription(
        QString::fromStdString(RectangularGridDescription()));
}

void ucPolarRect::createTray()
{
    m_picTray = new QWidget(this);
    m_picTray->setObjectName(QStringLiteral("picTray"));
    m_picTray->setAutoFillBackground(true);
    m_picTray->setPalette(QPalette());

    m_keyFilter = new InputKeyFilter(this);
    const QFont captionFont = DesignFont(12, true);
    for (std::size_t i = 0; i < 4; ++i) {
        m_lblData[i] = new QLabel(fromView(kQuantity.at(i)) + QStringLiteral(" = "), m_picTray);
        m_lblData[i]->setObjectName(QStringLiteral("lblData%1").arg(i));
        m_lblData[i]->setFont(captionFont);
        m_txtData[i] = new QLineEdit(QStringLiteral("0"), m_picTray);
        m_txtData[i]->setObjectName(QStringLiteral("txtData%1").arg(i));
        m_txtData[i]->setAccessibleName(fromView(kQuantity.at(i)));
        m_keyFilter->watch(m_txtData[i]);
        m_lblData[i]->setBuddy(m_txtData[i]);
    }
    const QFont buttonFont = DesignFont(9.75, true);
    for (std::size_t i = 0; i < 2; ++i) {
        m_cmdButton[i] = new CommandButton(fromView(kCommandCaption.at(i)), m_picTray);
        m_cmdButton[i]->setObjectName(QStringLiteral("cmdButton%1").arg(i));
        m_cmdButton[i]->setFont(buttonFont);
        const auto index = static_cast<std::int16_t>(i);
        connect(m_cmdButton[i], &QPushButton::clicked, this, [this, index] { runCommand(index); });
        m_lblInfo[i] = new QLabel(m_picTray);
        m_lblInfo[i]->setObjectName(QStringLiteral("lblInfo%1").arg(i));
        m_lblInfo[i]->setTextFormat(Qt::PlainText);
        // The line's text is its accessible name, so a screen reader hears
        // the read-out itself; the description says which line it is.
        m_lblInfo[i]->setAccessibleDescription(i == 0 ? tr("Polar read-out")
                                                      : tr("Rectangular read-out"));
        // The lines clear when the pointer reaches them: nothing to select there.
        m_lblInfo[i]->setTextInteractionFlags(Qt::NoTextInteraction);
    }
}

void ucPolarRect::createPointerTracker()
{
    m_pointerTracker =
        new PointerTracker(m_picPolar, m_picRectangular, m_txtData[0], m_lblInfo, this);
    connect(m_pointerTracker, &PointerTracker::ReadoutShown, this,
            [this](const Happened::ReadoutWritten &readout) { tell(m_feedback.Take(readout)); });
    connect(m_pointerTracker, &PointerTracker::ReadoutStopped, this,
            [this](const Happened::ReadoutStopped &stop) { tell(m_feedback.Take(stop)); });
    connect(m_pointerTracker, &PointerTracker::TrackingEnded, this,
            [this] { tell(m_feedback.Take(Happened::TrackingEnded{})); });
    connect(m_txtData[0], &QLineEdit::textChanged, this, [this](const QString &r) {
        tell(m_feedback.Take(Happened::RadiusEdited{r.toStdString()}));
    });
}

void ucPolarRect::setTabOrder()
{
    const QList<QWidget *> order{m_picPolar,   m_picRectangular, m_cmdButton[1], m_cmdButton[0],
                                 m_txtData[3], m_txtData[2],     m_txtData[1],   m_txtData[0]};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void ucPolarRect::applyGeometry()
{
    m_picPolar->place(toPixels(m_geometry.picPolar));
    m_picRectangular->place(toPixels(m_geometry.picRectangular));
    const auto tray = static_cast<int>(kTrayHeight);
    m_picTray->setGeometry(0, height() - tray, width(), tray);
    for (std::size_t i = 0; i < 4; ++i) {
        m_lblData[i]->setGeometry(toPixels(m_geometry.lblData[i]));
        m_txtData[i]->setGeometry(toPixels(m_geometry.txtData[i]));
    }
    for (std::size_t i = 0; i < 2; ++i) {
        m_cmdButton[i]->setGeometry(toPixels(m_geometry.cmdButton[i]));
        ChildRect line = m_geometry.lblInfo[i];
        line.Width = ReadoutLineWidth(m_geometry, i, static_cast<float>(width()));
        // Of a fixed size, a line that gets a new text asks for no new layout.
        const QRect place = toPixels(line);
        m_lblInfo[i]->setFixedSize(place.size());
        m_lblInfo[i]->move(place.topLeft());
    }
}

void ucPolarRect::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    LayoutControl(m_geometry, static_cast<float>(width()), static_cast<float>(height()));
    applyGeometry();
    try {
        drawDiagrams();
    } catch (const std::exception &) {
        // Layout reports nothing: the drawing simply shows what it got to.
    }
}

void ucPolarRect::Refresh()
{
    runCommand(m_lastCommand);
}

void ucPolarRect::readBoxTexts()
{
    for (std::size_t i = 0; i < 4; ++i) {
        m_boxes.Text[i] = m_txtData[i]->text().toStdString();
    }
}

void ucPolarRect::showBoxTexts()
{
    for (std::size_t i = 0; i < 4; ++i) {
        const QString text = QString::fromStdString(m_boxes.Text[i]);
        if (m_txtData[i]->text() != text) {
            m_txtData[i]->setText(text);
            // A long number is read from its first digit, not from its end.
            m_txtData[i]->setCursorPosition(0);
        }
    }
}

void ucPolarRect::drawDiagrams()
{
    // A drawing that fails ends there and the other diagram is still drawn;
    // the first failure is passed on once both are on screen.
    std::exception_ptr failure;
    for (auto [box, draw] : {std::pair{m_picPolar, &DrawPolarDiagram},
                             std::pair{m_picRectangular, &DrawRectangularDiagram}}) {
        try {
            draw(box->canvas(), m_boxes);
        } catch (const std::exception &) {
            if (!failure) {
                failure = std::current_exception();
            }
        }
        box->showDrawing();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

void ucPolarRect::runCommand(std::int16_t index)
{
    readBoxTexts();
    try {
        ConvertTexts(index, m_boxes);
    } catch (const UnreadableSource &e) {
        tell(m_feedback.Take(Happened::CommandStopped{index, e.Box(), e.Text()}));
        return;
    } catch (const modMath::ArithmeticError &e) {
        // The steps before the fault stay done.
        showBoxTexts();
        tell(m_feedback.Take(Happened::CommandFailed{index, e.what()}));
        return;
    }
    showBoxTexts();
    ResultRecord result;
    try {
        drawDiagrams();
        result = ReadResult(index, m_boxes);
    } catch (const std::exception &e) {
        tell(m_feedback.Take(Happened::CommandFailed{index, e.what()}));
        return;
    }
    m_lastCommand = index;
    tell(m_feedback.Take(Happened::CommandSucceeded{result, m_boxes}));
    emit Result(result);
}

void ucPolarRect::setWidgetUnderPointer(std::function<QWidget *()> query)
{
    m_pointerTracker->setWidgetUnderPointer(std::move(query));
}

QString ucPolarRect::message() const
{
    return QString::fromStdString(m_feedback.Message());
}

void ucPolarRect::tell(const Told &told)
{
    if (told.BoxFaults) {
        markBoxesAtFault(*told.BoxFaults);
    }
    if (told.Message) {
        emit MessageChanged(QString::fromStdString(*told.Message));
    }
    if (told.Descriptions) {
        m_picPolar->setAccessibleDescription(QString::fromStdString(told.Descriptions->at(0)));
        m_picRectangular->setAccessibleDescription(
            QString::fromStdString(told.Descriptions->at(1)));
    }
    if (told.Said) {
        const QWidget *whileOn = nullptr;
        if (told.SaidWhileOn) {
            whileOn = *told.SaidWhileOn == Diagram::Rectangular ? m_picRectangular : m_picPolar;
        }
        emit Said(QString::fromStdString(*told.Said), whileOn);
    }
}

void ucPolarRect::markBoxesAtFault(const std::array<std::string, 4> &faults)
{
    // Only the box at fault keeps a palette of its own; the others go back to
    // the inherited one.
    for (std::size_t i = 0; i < 4; ++i) {
        QLineEdit *txt = m_txtData[i];
        const bool atFault = !faults[i].empty();
        QPalette marked;
        if (atFault) {
            marked.setColor(QPalette::Base, QColor(255, 221, 221));
        }
        if (atFault || txt->testAttribute(Qt::WA_SetPalette)) {
            txt->setPalette(marked);
            txt->setAttribute(Qt::WA_SetPalette, atFault);
        }
        // Heard when the box gets the focus, as the colour is seen.
        const QString fault = QString::fromStdString(faults[i]);
        if (txt->accessibleDescription() != fault) {
            txt->setAccessibleDescription(fault);
        }
    }
}
