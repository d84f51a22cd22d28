#include "platform/qimage_canvas.h"

#include "canvas/draw_primitives.h"
#include "conversion_control/input_boxes.h"
#include "conversion_control/polar_diagram.h"
#include "conversion_control/rectangular_diagram.h"
#include "math/mod_math.h"

#include <QGuiApplication>
#include <QLocale>
#include <QPalette>
#include <QtTest>

#include <cmath>

namespace {

// The smallest rectangle holding every bluish pixel of the area. Blue text is
// antialiased against white: blue stays high while red and green fade.
QRect blueInk(const QImage &image, QRect area)
{
    QRect bounds;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qBlue(p) - qRed(p) > 60 && qBlue(p) - qGreen(p) > 60)
                bounds |= QRect(x, y, 1, 1);
        }
    return bounds;
}

// Draws "polar" or "rectangular" from the stored texts that follow: r, Ø, x, y.
void draw(Canvas &canvas, const QString &drawing)
{
    const QStringList words = drawing.split(' ');
    InputBoxes boxes;
    for (int i = 1; i < words.size(); ++i)
        boxes.Tag[i - 1] = words[i].toStdString();
    (words[0] == "polar" ? DrawPolarDiagram : DrawRectangularDiagram)(canvas, boxes);
}

// Where the first drawing of a fresh canvas puts the dot: on the outer ring,
// in the given direction, the grid step measured in the design font.
QPointF dotPlace(const QImageCanvas &canvas, double degrees)
{
    const double w = canvas.ScaleWidth(), h = canvas.ScaleHeight();
    const double s =
        w >= h ? (h - 3 * canvas.TextHeight("XXXX")) / 12 : (w - 2 * canvas.TextWidth("XXXX")) / 12;
    const double a = degrees * M_PI / 180;
    return QPointF(w / 2 + 6 * s * std::cos(a), h / 2 - 6 * s * std::sin(a));
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
        QPalette palette = QGuiApplication::palette();
        palette.setColor(QPalette::Button, QColor(10, 200, 30));
        palette.setColor(QPalette::Text, QColor(1, 2, 3));
        QGuiApplication::setPalette(palette);
    }

    void dotAtTheConvertedPlace_data()
    {
        QTest::addColumn<QString>("drawing");
        QTest::addColumn<double>("dpr");
        QTest::addColumn<double>("direction"); // degrees

        QTest::newRow("polar 130°") << "polar 5 130" << 1.0 << 130.0;
        QTest::newRow("polar 130° at dpr 2") << "polar 5 130" << 2.0 << 130.0;
        QTest::newRow("rectangular (-3, -4)") << "rectangular 5 0 -3 -4" << 1.0 << 233.13;
    }

    void dotAtTheConvertedPlace()
    {
        QFETCH(QString, drawing);
        QFETCH(double, dpr);
        QFETCH(double, direction);

        QImageCanvas canvas(QSizeF(289, 313), dpr);
        const QPoint dot = (dotPlace(canvas, direction) * dpr).toPoint();
        draw(canvas, drawing);
        QCOMPARE(QColor(canvas.image().pixel(dot)), QColor(Qt::blue));
        // Redrawing without a point clears the old one.
        draw(canvas, "polar 0 0");
        QVERIFY(blueInk(canvas.image(), canvas.image().rect()).isNull());
    }

    void imageFollowsSizeAndPixelRatio_data()
    {
        QTest::addColumn<QSizeF>("interior");
        QTest::addColumn<double>("dpr");
        QTest::addColumn<QSize>("pixels");

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
        draw(canvas, "polar 5 30"); // harmless on an empty canvas
    }

    void resizeKeepsTheDrawing()
    {
        QImageCanvas canvas(QSizeF(100, 100), 1.0);
        modMain::DrawBox(canvas, 10, 10, 20, 20, colors::kRed, colors::kRed);
        canvas.resize(QSizeF(200, 150), 2.0);
        QCOMPARE(QColor(canvas.image().pixel(30, 30)), QColor(Qt::red));
        QCOMPARE(QColor(canvas.image().pixel(300, 250)), QColor(Qt::white));
    }

    // A line across a 40 x 40 canvas: its colour, and how many pixels thick it is.
    void linesTakeColourAndWidth_data()
    {
        QTest::addColumn<OleColor>("ole");
        QTest::addColumn<int>("drawWidth");
        QTest::addColumn<double>("dpr");
        QTest::addColumn<QColor>("expected");
        QTest::addColumn<int>("pixels");

        QTest::newRow("0x00BBGGRR: red in the low byte")
            << OleColor(0x00336699) << 1 << 1.0 << QColor(0x99, 0x66, 0x33) << 1;
        QTest::newRow("button face: palette button")
            << colors::kButtonFace << 1 << 1.0 << QColor(10, 200, 30) << 1;
        QTest::newRow("system colour 8: window text")
            << colors::kSystemColorFlag + 8 << 1 << 1.0 << QColor(1, 2, 3) << 1;
        QTest::newRow("unmapped system colour: button face")
            << colors::kSystemColorFlag + 40 << 1 << 1.0 << QColor(10, 200, 30) << 1;
        QTest::newRow("width 3") << colors::kBlack << 3 << 1.0 << QColor(Qt::black) << 3;
        QTest::newRow("width 1 at dpr 2: 2 device pixels")
            << colors::kBlack << 1 << 2.0 << QColor(Qt::black) << 2;
        QTest::newRow("width 3 at dpr 2: 6 device pixels")
            << colors::kBlack << 3 << 2.0 << QColor(Qt::black) << 6;
    }

    void linesTakeColourAndWidth()
    {
        QFETCH(OleColor, ole);
        QFETCH(int, drawWidth);
        QFETCH(double, dpr);
        QFETCH(QColor, expected);
        QFETCH(int, pixels);

        QImageCanvas canvas(QSizeF(40, 40), dpr);
        canvas.SetDrawWidth(drawWidth);
        canvas.Line(0, 20, 40, 20, ole);
        const QImage &image = canvas.image();
        int inColour = 0;
        for (int y = 0; y < image.height(); ++y)
            inColour += QColor(image.pixel(image.width() / 2, y)) == expected;
        QCOMPARE(inColour, pixels);
    }

    void fillFollowsFillStyle()
    {
        QImageCanvas canvas(QSizeF(100, 100), 1.0);
        canvas.SetFillColor(colors::kRed);
        canvas.Circle(25, 25, 15, colors::kBlack);
        canvas.Line(55, 10, 90, 40, colors::kBlack, B);
        canvas.SetFillStyle(FillStyle::Solid);
        canvas.Circle(25, 75, 15, colors::kBlack);
        canvas.Line(55, 60, 90, 90, colors::kBlack, B);
        const QImage &image = canvas.image();
        QCOMPARE(QColor(image.pixel(25, 25)), QColor(Qt::white)); // transparent
        QCOMPARE(QColor(image.pixel(72, 25)), QColor(Qt::white));
        QCOMPARE(QColor(image.pixel(25, 75)), QColor(Qt::red)); // solid
        QCOMPARE(QColor(image.pixel(72, 75)), QColor(Qt::red));
        QCOMPARE(QColor(image.pixel(55, 75)), QColor(Qt::black)); // outline
    }

    void arcRunsCounterClockwise()
    {
        QImageCanvas canvas(QSizeF(100, 100), 1.0);
        canvas.SetDrawWidth(2);
        canvas.Circle(50, 50, 30, colors::kBlack, 0.0f, float(M_PI)); // upper half
        QVERIFY(qGray(canvas.image().pixel(50, 20)) < 128);
        QCOMPARE(QColor(canvas.image().pixel(50, 80)), QColor(Qt::white));
    }

    // All of the text's ink lies in the box TextWidth x TextHeight from
    // (CurrentX, CurrentY), at the canvas's font size.
    void printPlacesTheTopLeftCorner()
    {
        QImageCanvas canvas(QSizeF(300, 100), 1.0);
        canvas.SetFontSize(16);
        canvas.SetForeColor(colors::kBlue);
        canvas.SetCurrentX(20);
        canvas.SetCurrentY(30);
        canvas.Print("Xgy");
        const QRectF box(20, 30, canvas.TextWidth("Xgy"), canvas.TextHeight("Xgy"));
        const QRect ink = blueInk(canvas.image(), canvas.image().rect());
        QVERIFY(box.adjusted(-1, -1, 1, 1).contains(ink));
        QVERIFY(ink.width() > box.width() * 0.8 && ink.height() > box.height() * 0.6);
        canvas.SetFontSize(8);
        QVERIFY(canvas.TextHeight("X") < box.height() * 0.6);
    }
};

QTEST_MAIN(TestQImageCanvas)
#include "tst_qimage_canvas.moc"
