#include "canvas/draw_primitives.h"

#include "math/mod_math.h"

#include <string_view>
#include <utility>

namespace modMain {

namespace {

// Runs its action when the scope ends, also when a canvas operation throws:
// a fill left solid would flood every ring of the next drawing.
template <typename Action> class ScopeExit
{
public:
    explicit ScopeExit(Action action) : m_action(std::move(action)) {}
    ~ScopeExit() { m_action(); }
    ScopeExit(const ScopeExit &) = delete;
    ScopeExit &operator=(const ScopeExit &) = delete;

private:
    Action m_action;
};

// Sets a solid fill in fillColor unless it is -1; the returned guard puts the
// kept fill back.
[[nodiscard]] auto useFill(Canvas &canvas, OleColor fillColor)
{
    const bool filled = fillColor != colors::kNone;
    const ::FillStyle keptStyle = canvas.FillStyle();
    const OleColor keptColor = canvas.FillColor();
    if (filled) {
        canvas.SetFillStyle(::FillStyle::Solid);
        canvas.SetFillColor(fillColor);
    }
    return ScopeExit([&canvas, filled, keptStyle, keptColor] {
        if (filled) {
            canvas.SetFillStyle(keptStyle);
            canvas.SetFillColor(keptColor);
        }
    });
}

[[nodiscard]] std::string_view trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

void DrawCircle(Canvas &canvas, double X, double Y, double Radius, OleColor Color,
                OleColor FillColor, double StartAngle, double EndAngle)
{
    // Everything is narrowed before the canvas is touched, so an overflow leaves it as it was.
    const float x = modMath::ToSingle(X);
    const float y = modMath::ToSingle(Y);
    const float radius = modMath::ToSingle(Radius);
    const bool fullCircle = StartAngle == 0.0 && EndAngle == 360.0;
    float start = 0.0f;
    float end = 0.0f;
    if (!fullCircle) {
        start = modMath::ToSingle(modMath::DegToRad(StartAngle));
        end = modMath::ToSingle(modMath::DegToRad(EndAngle));
    }

    const auto restoreFill = useFill(canvas, FillColor);
    if (fullCircle) {
        canvas.Circle(x, y, radius, Color);
    } else {
        canvas.Circle(x, y, radius, Color, start, end);
    }
}

void DrawLine(Canvas &canvas, double X1, double Y1, double X2, double Y2, OleColor Color, int Width)
{
    const float x1 = modMath::ToSingle(X1);
    const float y1 = modMath::ToSingle(Y1);
    const float x2 = modMath::ToSingle(X2);
    const float y2 = modMath::ToSingle(Y2);

    const int keptWidth = canvas.DrawWidth();
    canvas.SetDrawWidth(Width);
    const ScopeExit restoreWidth([&canvas, keptWidth] { canvas.SetDrawWidth(keptWidth); });
    canvas.Line(x1, y1, x2, y2, Color);
}

void DrawText(Canvas &canvas, double X, double Y, const std::string &Text, OleColor ForeColor,
              OleColor BackColor)
{
    const float x = modMath::ToSingle(X);
    const float y = modMath::ToSingle(Y);

    // The background is measured on the text as given, blanks included.
    if (BackColor != colors::kNone) {
        const double w = canvas.TextWidth(Text);
        const double h = canvas.TextHeight(Text);
        DrawBox(canvas, X, Y, X + w, Y + h, BackColor, BackColor);
    }

    const OleColor keptColor = canvas.ForeColor();
    canvas.SetForeColor(ForeColor);
    const ScopeExit restoreColor([&canvas, keptColor] { canvas.SetForeColor(keptColor); });
    canvas.SetCurrentX(x);
    canvas.SetCurrentY(y);
    canvas.Print(trimBlanks(Text));
}

void DrawBox(Canvas &canvas, double X1, double Y1, double X2, double Y2, OleColor Color,
             OleColor FillColor)
{
    const float x1 = modMath::ToSingle(X1);
    const float y1 = modMath::ToSingle(Y1);
    const float x2 = modMath::ToSingle(X2);
    const float y2 = modMath::ToSingle(Y2);

    const auto restoreFill = useFill(canvas, FillColor);
    canvas.Line(x1, y1, x2, y2, Color, B);
}

} // namespace modMain
