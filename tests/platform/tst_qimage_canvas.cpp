#include "platform/qimage_canvas.h"

#include "canvas/draw_primitives.h"
#include "conversion_control/conversion_commands.h"
#include "conversion_control/polar_diagram.h"
#include "conversion_control/rectangular_diagram.h"
#include "math/mod_math.h"

#include <QGuiApplication>
#include <QLocale>
#include <QPalette>
#include <QtTest>

#include <cmath>

namespace {

// Blue text is antialiased against white: blue stays high while red and green fade.
bool isBluish(QRgb pixel)
{
    return qBlue(pixel) - qRed(pixel) > 60 && qBlue(pixel) - qGreen(pixel) > 60;
}

int bluishPixels(const QImage &image, QRect area)
{
    int count = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += isBluish(image.pixel(x, y));
    return count;
}

// The smallest rectangle holding every bluish pixel of the area.
QRect inkBounds(const QImage &image, QRect area)
{
    QRect bounds;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isBluish(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

InputBoxes tags(const char *r, const char *angle, const char *x, const char *y)
{
    InputBoxes boxes;
    boxes.Tag = {r, angle, x, y};
    return boxes;
}

// The grid step the first drawing of a fresh canvas uses, in its design font.
double ringSpacing(const QImageCanvas &canvas)
{
    const double w = canvas.ScaleWidth();
    const double h = canvas.ScaleHeight();
    if (w >= h)
        return (h - 3 * canvas.TextHeight("XXXX")) / 12;
    return (w - 2 * canvas.TextWidth("XXXX")) / 12;
}

} // namespace

class TestQImageCanvas : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        modMath::SignificantValues = 2;
    }

    void dotAtTheConvertedPlace_data()
    {
        QTest::addColumn<bool>("polar");
        QTest::addColumn<QString>("r");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<double>("dpr");
        QTest::addColumn<double>("direction"); // degrees

        QTest::newRow("polar 0°: right end of the axis") << true << "5"
                                                         << "0"
                                                         << "0"
                                                         << "0" << 1.0 << 0.0;
        QTest::newRow("polar 90°: top") << true << "5"
                                        << "90"
                                        << "0"
                                        << "0" << 1.0 << 90.0;
        QTest::newRow("polar 130°") << true << "5"
                                    << "130"
                                    << "0"
                                    << "0" << 1.0 << 130.0;
        QTest::newRow("polar 270°: bottom") << true << "5"
                                            << "270"
                                            << "0"
                                            << "0" << 1.0 << 270.0;
        QTest::newRow("polar 130° at dpr 2") << true << "5"
                                             << "130"
                                             << "0"
                                             << "0" << 2.0 << 130.0;
        QTest::newRow("rectangular (-3, -4)") << false << "5"
                                              << "0"
                                              << "-3"
                                              << "-4" << 1.0 << modMath::RectToAngle(-3, -4);
        QTest::newRow("rectangular (0, 5): x = 0 still drawn") << false << "5"
                                                               << "0"
                                                               << "0"
                                                               << "5" << 1.0 << 90.0;
    }

    void dotAtTheConvertedPlace()
    {
        QFETCH(bool, polar);
        QFETCH(QString, r);
        QFETCH(QString, angle);
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(double, dpr);
        QFETCH(double, direction);

        QImageCanvas canvas(QSizeF(289, 313), dpr);
        const double s = ringSpacing(canvas);
        const InputBoxes boxes =
            tags(qPrintable(r), qPrintable(angle), qPrintable(x), qPrintable(y));
        if (polar)
            DrawPolarDiagram(canvas, boxes);
        else
            DrawRectangularDiagram(canvas, boxes);

        const double radians = direction * M_PI / 180;
        const QPointF centre(144.5 + 6 * s * std::cos(radians), 156.5 - 6 * s * std::sin(radians));
        const QImage &image = canvas.image();
        const QPoint probe = (centre * dpr).toPoint();
        QCOMPARE(QColor(image.pixel(probe)), QColor(Qt::blue));
        // Nothing blue far from the dot and its label: the dot is where it belongs.
        QVERIFY(!isBluish(image.pixel((QPointF(144.5, 156.5) * dpr).toPoint())));
    }

    // The whole label shows, moved to the edge: its ink is the ink of the same
    // text drawn on its own, shifted to the clamped place.
    void labelsClampedAtTheEdges_data()
    {
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QString>("edge");

        QTest::newRow("left: x = 0") << QSizeF(289, 313) << "180"
                                     << "left";
        QTest::newRow("right: ends at the right edge") << QSizeF(289, 313) << "0"
                                                       << "right";
        QTest::newRow("top: y = 0") << QSizeF(600, 300) << "90"
                                    << "top";
        QTest::newRow("inside: centred above the dot") << QSizeF(289, 313) << "130"
                                                       << "none";
    }

    void labelsClampedAtTheEdges()
    {
        QFETCH(QSizeF, size);
        QFETCH(QString, angle);
        QFETCH(QString, edge);

        QImageCanvas canvas(size, 1.0);
        const double s = ringSpacing(canvas);
        DrawPolarDiagram(canvas, tags("5", qPrintable(angle), "0", "0"));
        const std::string label = "(r=5, \u00D8=" + angle.toStdString() + "\u00B0)";
        const double tw = canvas.TextWidth(label);
        const double th = canvas.TextHeight(label);
        const double radians = angle.toDouble() * M_PI / 180;
        const QPointF dot(size.width() / 2 + 6 * s * std::cos(radians),
                          size.height() / 2 - 6 * s * std::sin(radians));
        QPointF expected(dot.x() - tw / 2, dot.y() - th - 10);
        if (edge == "left")
            expected.setX(0);
        else if (edge == "right")
            expected.setX(size.width() - tw);
        else if (edge == "top")
            expected.setY(0);

        QImageCanvas reference(QSizeF(300, 100), 1.0);
        reference.SetFontSize(8);
        modMain::DrawText(reference, 20, 20, label, colors::Blue, colors::White);
        const QRect ink = inkBounds(reference.image(), reference.image().rect())
                              .translated((expected - QPointF(20, 20)).toPoint());
        // Everything above the dot that is blue belongs to the label.
        const QRect aboveDot(0, 0, canvas.image().width(), int(dot.y() - 6));
        const QRect drawn = inkBounds(canvas.image(), aboveDot);
        QVERIFY2(std::abs(drawn.left() - ink.left()) <= 1, qPrintable(edge));
        QVERIFY2(std::abs(drawn.right() - ink.right()) <= 1, qPrintable(edge));
        QVERIFY2(std::abs(drawn.top() - ink.top()) <= 1, qPrintable(edge));
        QVERIFY2(std::abs(drawn.bottom() - ink.bottom()) <= 1, qPrintable(edge));
    }

    void noBluePixelWithoutAPoint()
    {
        QImageCanvas polar(QSizeF(289, 313), 1.0);
        DrawPolarDiagram(polar, tags("0", "45", "0", "0"));
        QCOMPARE(bluishPixels(polar.image(), polar.image().rect()), 0);

        QImageCanvas rectangular(QSizeF(289, 313), 1.0);
        DrawRectangularDiagram(rectangular, tags("5", "0", "0", "0"));
        QCOMPARE(bluishPixels(rectangular.image(), rectangular.image().rect()), 0);
    }

    void redrawingClearsThePreviousPoint()
    {
        QImageCanvas canvas(QSizeF(289, 313), 1.0);
        DrawPolarDiagram(canvas, tags("5", "30", "0", "0"));
        QVERIFY(bluishPixels(canvas.image(), canvas.image().rect()) > 0);
        DrawPolarDiagram(canvas, tags("0", "30", "0", "0"));
        QCOMPARE(bluishPixels(canvas.image(), canvas.image().rect()), 0);
        QCOMPARE(canvas.FontSize(), 8.0f);
    }

    void imageFollowsSizeAndPixelRatio_data()
    {
        QTest::addColumn<QSizeF>("interior");
        QTest::addColumn<double>("dpr");
        QTest::addColumn<QSize>("pixels");

        QTest::newRow("design size") << QSizeF(289, 313) << 1.0 << QSize(289, 313);
        QTest::newRow("dpr 2: twice the pixels") << QSizeF(289, 313) << 2.0 << QSize(578, 626);
        QTest::newRow("half pixels round up") << QSizeF(288.5, 316) << 1.0 << QSize(289, 316);
        QTest::newRow("dpr 1.5") << QSizeF(292.5, 316) << 1.5 << QSize(439, 474);
        QTest::newRow("empty") << QSizeF(0, 0) << 1.0 << QSize(0, 0);
    }

    void imageFollowsSizeAndPixelRatio()
    {
        QFETCH(QSizeF, interior);
        QFETCH(double, dpr);
        QFETCH(QSize, pixels);

        QImageCanvas canvas;
        canvas.resize(interior, dpr);
        QCOMPARE(canvas.image().size(), pixels);
        if (!pixels.isEmpty())
            QCOMPARE(canvas.image().devicePixelRatio(), dpr);
        QCOMPARE(canvas.ScaleWidth(), float(interior.width()));
        QCOMPARE(canvas.ScaleHeight(), float(interior.height()));
        // Drawing on an empty canvas is harmless.
        DrawPolarDiagram(canvas, tags("5", "30", "0", "0"));
    }

    void resizeKeepsTheDrawing()
    {
        QImageCanvas canvas(QSizeF(100, 100), 1.0);
        modMain::DrawBox(canvas, 10, 10, 20, 20, colors::Red, colors::Red);
        canvas.resize(QSizeF(200, 150), 2.0);
        QCOMPARE(QColor(canvas.image().pixel(30, 30)), QColor(Qt::red));
        QCOMPARE(QColor(canvas.image().pixel(300, 250)), QColor(Qt::white));
    }

    void colours_data()
    {
        QTest::addColumn<uint>("ole");
        QTest::addColumn<QColor>("expected");

        QTest::newRow("red is the low byte") << uint(colors::Red) << QColor(255, 0, 0);
        QTest::newRow("blue is the high byte") << uint(colors::Blue) << QColor(0, 0, 255);
        QTest::newRow("0x00336699") << 0x00336699u << QColor(0x99, 0x66, 0x33);
        QTest::newRow("button face: palette button")
            << uint(colors::ButtonFace) << QColor(10, 200, 30);
        QTest::newRow("system colour 8: window text")
            << uint(colors::SystemColorFlag + 8) << QColor(1, 2, 3);
        QTest::newRow("unmapped system colour: button face")
            << uint(colors::SystemColorFlag + 40) << QColor(10, 200, 30);
    }

    void colours()
    {
        QFETCH(uint, ole);
        QFETCH(QColor, expected);

        const QPalette kept = QGuiApplication::palette();
        QPalette palette = kept;
        palette.setColor(QPalette::Button, QColor(10, 200, 30));
        palette.setColor(QPalette::Text, QColor(1, 2, 3));
        QGuiApplication::setPalette(palette);

        QCOMPARE(QImageCanvas::toQColor(ole), expected);
        QImageCanvas canvas(QSizeF(50, 50), 1.0);
        canvas.SetDrawWidth(3);
        canvas.Line(0, 25, 50, 25, ole);
        QCOMPARE(QColor(canvas.image().pixel(25, 25)), expected);

        QGuiApplication::setPalette(kept);
    }

    void fillFollowsFillStyle()
    {
        QImageCanvas canvas(QSizeF(100, 100), 1.0);
        canvas.SetFillColor(colors::Red);
        canvas.SetFillStyle(FillStyle::Transparent);
        canvas.Circle(25, 25, 15, colors::Black);
        canvas.Line(55, 10, 90, 40, colors::Black, B);
        QCOMPARE(QColor(canvas.image().pixel(25, 25)), QColor(Qt::white));
        QCOMPARE(QColor(canvas.image().pixel(72, 25)), QColor(Qt::white));

        canvas.SetFillStyle(FillStyle::Solid);
        canvas.Circle(25, 75, 15, colors::Black);
        canvas.Line(55, 60, 90, 90, colors::Black, B);
        QCOMPARE(QColor(canvas.image().pixel(25, 75)), QColor(Qt::red));
        QCOMPARE(QColor(canvas.image().pixel(72, 75)), QColor(Qt::red));
        QCOMPARE(QColor(canvas.image().pixel(55, 75)), QColor(Qt::black)); // outline
    }

    void arcRunsCounterClockwise()
    {
        QImageCanvas canvas(QSizeF(100, 100), 1.0);
        canvas.SetDrawWidth(2);
        canvas.Circle(50, 50, 30, colors::Black, 0.0f, float(M_PI)); // upper half
        const QImage &image = canvas.image();
        QVERIFY(qGray(image.pixel(50, 20)) < 128);
        QCOMPARE(QColor(image.pixel(50, 80)), QColor(Qt::white));
    }

    void lineWidthCountsLogicalPixels_data()
    {
        QTest::addColumn<int>("drawWidth");
        QTest::addColumn<double>("dpr");
        QTest::addColumn<int>("rows");

        QTest::newRow("width 1") << 1 << 1.0 << 1;
        QTest::newRow("width 3") << 3 << 1.0 << 3;
        QTest::newRow("width 1 at dpr 2") << 1 << 2.0 << 2;
        QTest::newRow("width 3 at dpr 2") << 3 << 2.0 << 6;
    }

    void lineWidthCountsLogicalPixels()
    {
        QFETCH(int, drawWidth);
        QFETCH(double, dpr);
        QFETCH(int, rows);

        QImageCanvas canvas(QSizeF(40, 40), dpr);
        canvas.SetDrawWidth(drawWidth);
        canvas.Line(0, 20, 40, 20, colors::Black);
        const QImage &image = canvas.image();
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            dark += qGray(image.pixel(image.width() / 2, y)) < 128;
        QCOMPARE(dark, rows);
    }

    void printPlacesTheTopLeftCorner()
    {
        QImageCanvas canvas(QSizeF(200, 100), 1.0);
        canvas.SetForeColor(colors::Blue);
        canvas.SetCurrentX(20);
        canvas.SetCurrentY(30);
        canvas.Print("XXXX");
        const QImage &image = canvas.image();
        const int width = int(std::ceil(canvas.TextWidth("XXXX")));
        const int height = int(std::ceil(canvas.TextHeight("XXXX")));
        const int inside = bluishPixels(image, QRect(20, 30, width, height));
        QVERIFY(inside > 0);
        QCOMPARE(bluishPixels(image, image.rect()), inside);
    }
};

QTEST_MAIN(TestQImageCanvas)
#include "tst_qimage_canvas.moc"
