// The floor for the cost of following the pointer: a minimal Qt window that
// does the calculator's visible work for each pointer movement the cheapest
// way Qt allows. Two pictures, each a persistent image, a crosshair in both,
// and two fixed-size read-out lines; a movement repaints only the strips the
// lines leave and enter. bench/pointer_motion.sh runs it beside the calculator.

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <array>

namespace {

class Picture : public QWidget
{
public:
    explicit Picture(QWidget *parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

    void setCrosshair(QPoint at)
    {
        updateLines();
        m_at = at;
        m_shown = true;
        updateLines();
    }

protected:
    void resizeEvent(QResizeEvent *) override
    {
        m_image = QImage(size() * devicePixelRatioF(), QImage::Format_RGB32);
        m_image.setDevicePixelRatio(devicePixelRatioF());
        m_image.fill(Qt::white);
        QPainter painter(&m_image);
        painter.setPen(Qt::lightGray);
        for (int r = 20; r < width() / 2; r += 40) {
            painter.drawEllipse(rect().center(), r, r);
        }
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), m_image);
        if (m_shown) {
            painter.fillRect(m_at.x(), 0, 1, height(), Qt::black);
            painter.fillRect(0, m_at.y(), width(), 1, Qt::black);
        }
    }

private:
    void updateLines()
    {
        update(m_at.x(), 0, 1, height());
        update(0, m_at.y(), width(), 1);
    }

    QImage m_image;
    QPoint m_at;
    bool m_shown = false;
};

class FloorWindow : public QWidget
{
public:
    FloorWindow()
    {
        setWindowTitle(QStringLiteral("Pointer floor"));
        setMouseTracking(true);
        for (auto &picture : m_pictures) {
            picture = new Picture(this);
            picture->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        for (auto &line : m_lines) {
            line = new QLabel(this);
            line->setTextFormat(Qt::PlainText);
        }
    }

protected:
    // Laid out as the calculator lays out its diagrams and read-out lines.
    void resizeEvent(QResizeEvent *) override
    {
        const int top = 50;
        const int half = width() / 2;
        const int pictureHeight = int((height() - top) * 0.7) - 77;
        m_pictures[0]->setGeometry(0, top, half - 2, pictureHeight);
        m_pictures[1]->setGeometry(half + 2, top, half - 2, pictureHeight);
        for (int i = 0; i < 2; ++i) {
            m_lines[i]->setFixedSize(half - 10, 21);
            m_lines[i]->move(i * half + 5, top + pictureHeight + 3);
        }
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        const QPoint at = event->position().toPoint() - m_pictures[0]->pos();
        for (Picture *picture : m_pictures) {
            picture->setCrosshair(at);
        }
        m_lines[0]->setText(QStringLiteral("Radius = %1; Angle = %2\u00B0; Quadrant I")
                                .arg(at.x() / 37.0, 0, 'f', 2)
                                .arg(at.y() / 3.0, 0, 'f', 2));
        m_lines[1]->setText(QStringLiteral("X = %1; Y = %2; Quadrant I")
                                .arg(at.x() / 41.0, 0, 'f', 2)
                                .arg(at.y() / 43.0, 0, 'f', 2));
    }

private:
    std::array<Picture *, 2> m_pictures{};
    std::array<QLabel *, 2> m_lines{};
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    FloorWindow window;
    window.setGeometry(window.screen()->availableGeometry());
    window.showMaximized();
    return QApplication::exec();
}
