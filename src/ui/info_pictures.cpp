#include "ui/info_pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "stats/correlogram.h"
#include "stats/densities.h"
#include "stats/gauss_jordan.h"
#include "ui/formula_painter.h"
#include "ui/pictures.h"

namespace velmora::ui {

namespace {

using namespace formula;

// ---- formulas ---------------------------------------------------------

Node n(const QString& s) { return txt(s); }
Node x() { return var("x"); }
Node sq(Node base) { return sup(std::move(base), n("2")); }
Node fx(const QString& f) { return row({var(f), paren(x())}); }
Node exp(Node exponent) { return sup(n("e"), std::move(exponent)); }
Node half(const QString& d) { return frac(sub(var("d"), n(d)), n("2")); }
Node dsub(const QString& i) { return sub(var("d"), n(i)); }
Node xi() { return sub(var("x"), var("i")); }
Node yi() { return sub(var("y"), var("i")); }
// Σ with its limits at the side, which keeps fractions low.
Node sigma(Node lower, Node upper) { return subsup(big("Σ", 1.2), std::move(lower), std::move(upper)); }
Node sumI() { return sigma(row({var("i"), n("="), n("1")}), var("n")); }
Node sq2(Node base, Node index) { return subsup(std::move(base), std::move(index), n("2")); }
Node betaKernel()
{
    return row({sup(var("t"), row({var("a"), n("−"), n("1")})),
                sup(paren(row({n("1"), op("−"), var("t")})), row({var("b"), n("−"), n("1")})), space(0.15), var("d"),
                var("t")});
}
Node comma() { return row({n(","), space(0.3)}); }
Node sep() { return row({n(","), space(0.8)}); }

std::vector<std::pair<const char*, Node>> formulas()
{
    const Node twoSigma2 = row({n("2"), sq(var("σ"))});
    return {
        {"formula.normal.density",
         row({fx("f"), op("="), frac(n("1"), row({var("σ"), root(row({n("2"), var("π")}))})), space(0.1),
              exp(row({n("−"), frac(sq(paren(row({x(), op("−"), var("μ")}))), twoSigma2)}))})},
        {"formula.normal.cumulative",
         row({fx("F"), op("="), frac(n("1"), n("2")),
              paren(row({n("1"), op("+"), n("erf"),
                         paren(frac(row({x(), op("−"), var("μ")}), row({var("σ"), root(n("2"))})))}),
                    '[', ']')})},
        {"formula.rayleigh.density",
         row({fx("f"), op("="), frac(x(), sq(var("σ"))), space(0.1), exp(row({n("−"), frac(sq(x()), twoSigma2)})),
              sep(), x(), op("≥"), n("0")})},
        {"formula.rayleigh.cumulative",
         row({fx("F"), op("="), n("1"), op("−"), exp(row({n("−"), frac(sq(x()), twoSigma2)})), sep(), x(), op("≥"),
              n("0")})},
        {"formula.fisher.density",
         row({fx("f"), op("="), frac(n("1"), row({x(), space(0.1), var("B"), paren(row({half("1"), comma(), half("2")}))})),
              root(frac(row({sup(paren(row({dsub("1"), x()})), dsub("1")), space(0.1), sup(dsub("2"), dsub("2"))}),
                        sup(paren(row({dsub("1"), x(), op("+"), dsub("2")})), row({dsub("1"), n("+"), dsub("2")})))),
              sep(), x(), op(">"), n("0")})},
        {"formula.beta",
         row({var("B"), paren(row({var("a"), comma(), var("b")})), op("="), integral(n("0"), n("1")), betaKernel()})},
        {"formula.fisher.cumulative",
         row({fx("F"), op("="),
              sub(var("I"), frac(row({dsub("1"), x()}), row({dsub("1"), x(), n("+"), dsub("2")}))),
              paren(row({half("1"), comma(), half("2")}))})},
        {"formula.incompletebeta",
         row({sub(var("I"), var("z")), paren(row({var("a"), comma(), var("b")})), op("="),
              frac(n("1"), row({var("B"), paren(row({var("a"), comma(), var("b")}))})), integral(n("0"), var("z")),
              betaKernel()})},
        {"formula.weibull.density",
         row({fx("f"), op("="), frac(var("k"), var("λ")), sup(paren(frac(x(), var("λ"))), row({var("k"), n("−"), n("1")})),
              space(0.1), exp(row({n("−"), sup(paren(row({x(), n("/"), var("λ")})), var("k"))})), sep(), x(),
              op("≥"), n("0")})},
        {"formula.weibull.cumulative",
         row({fx("F"), op("="), n("1"), op("−"), exp(row({n("−"), sup(paren(row({x(), n("/"), var("λ")})), var("k"))})),
              sep(), x(), op("≥"), n("0")})},
        {"formula.ttest",
         row({var("T"), op("="),
              frac(row({sub(bar(var("x")), n("1")), op("−"), sub(bar(var("x")), n("2"))}), var("s")), sep(),
              var("s"), op("="),
              root(row({frac(row({paren(row({sub(var("n"), n("1")), op("−"), n("1")})), sq2(var("s"), n("1")),
                                  op("+"), paren(row({sub(var("n"), n("2")), op("−"), n("1")})),
                                  sq2(var("s"), n("2"))}),
                             row({sub(var("n"), n("1")), op("+"), sub(var("n"), n("2")), op("−"), n("2")})),
                        op("·"),
                        frac(row({sub(var("n"), n("1")), op("+"), sub(var("n"), n("2"))}),
                             row({sub(var("n"), n("1")), sub(var("n"), n("2"))}))}))})},
        {"formula.linear",
         lines({row({var("y"), op("="), var("a"), op("+"), var("b"), x()}),
                row({var("b"), op("="),
                     frac(row({var("n"), sumI(), xi(), yi(), op("−"), sumI(), xi(), sumI(), yi()}),
                          row({var("n"), sumI(), sq2(var("x"), var("i")), op("−"), sq(paren(row({sumI(), xi()})))})),
                     sep(), var("a"), op("="), frac(row({sumI(), yi(), op("−"), var("b"), sumI(), xi()}), var("n"))})})},
        {"formula.polynomial",
         lines({row({var("y"), op("="), sub(var("b"), n("0")), op("+"), sub(var("b"), n("1")), x(), op("+"),
                     sub(var("b"), n("2")), sq(x()), op("+"), n("…"), op("+"), sub(var("b"), var("m")),
                     sup(x(), var("m"))}),
                row({sigma(row({var("j"), n("="), n("0")}), var("m")), sub(var("b"), var("j")), sumI(),
                     subsup(var("x"), var("i"), row({var("j"), n("+"), var("k")})), op("="), sumI(), yi(),
                     subsup(var("x"), var("i"), var("k")), sep(), var("k"), op("="), n("0"), n("…"), var("m")})})},
        {"formula.autocorrelation",
         [] {
             const Node t = sigma(row({var("t"), n("="), var("k"), n("+"), n("1")}), var("T"));
             const Node yt = paren(row({sub(var("Y"), var("t")), op("−"), bar(var("Y"))}));
             const Node ytk = paren(row({sub(var("Y"), row({var("t"), n("−"), var("k")})), op("−"), bar(var("Y"))}));
             return row({sub(var("R"), var("k")), op("="), frac(row({t, yt, ytk}), row({t, sq(yt)}))});
         }()},
        {"formula.pearson",
         [] {
             const Node dx = paren(row({xi(), op("−"), bar(var("x"))}));
             const Node dy = paren(row({yi(), op("−"), bar(var("y"))}));
             return row({var("r"), op("="),
                         frac(row({sumI(), dx, dy}), root(row({sumI(), sq(dx), space(0.15), sumI(), sq(dy)})))});
         }()},
        {"formula.spearman",
         row({var("ρ"), op("="), n("1"), op("−"),
              frac(row({n("6"), sumI(), sq2(var("d"), var("i"))}),
                   row({var("n"), paren(row({sq(var("n")), op("−"), n("1")}))})),
              sep(), sub(var("d"), var("i")), op("="), n("rank"), paren(xi()), op("−"), n("rank"), paren(yi())})},
    };
}

// ---- the mathematics of the curves --------------------------------------

constexpr double pi = 3.14159265358979323846;

double normalPdf(double v, double mu, double sigma) { return stats::normalDensity(v, mu, sigma * sigma); }
double normalCdf(double v, double mu, double sigma) { return 0.5 * (1 + std::erf((v - mu) / (sigma * std::sqrt(2.0)))); }
// The pictures show the functions for x >= 0 only, where they are defined
// for every shape (a Weibull shape below 1 has no value at 0).
double rayleighPdf(double v, double s) { return v < 0 ? 0 : stats::rayleighDensity(v, s * s); }
double rayleighCdf(double v, double s) { return v < 0 ? 0 : stats::rayleighCumulative(v, s * s); }
double weibullPdf(double v, double k, double l) { return v <= 0 ? 0 : stats::weibullDensity(v, k, l); }
double weibullCdf(double v, double k, double l) { return v <= 0 ? 0 : stats::weibullCumulative(v, k, l); }

double logBeta(double a, double b) { return std::lgamma(a) + std::lgamma(b) - std::lgamma(a + b); }

double fisherPdf(double v, double d1, double d2)
{
    if (v <= 0) return 0;
    const double logf = 0.5 * (d1 * std::log(d1 * v) + d2 * std::log(d2) - (d1 + d2) * std::log(d1 * v + d2)) -
                        std::log(v) - logBeta(d1 / 2, d2 / 2);
    return std::exp(logf);
}

// The continued fraction of the incomplete beta function (modified Lentz).
double betaFraction(double a, double b, double z)
{
    const double tiny = 1e-300;
    double c = 1, d = 1 - (a + b) * z / (a + 1);
    if (std::fabs(d) < tiny) d = tiny;
    d = 1 / d;
    double h = d;
    for (int m = 1; m <= 300; ++m) {
        const double m2 = 2.0 * m;
        double num = m * (b - m) * z / ((a + m2 - 1) * (a + m2));
        for (int step = 0; step < 2; ++step) {
            d = 1 + num * d;
            if (std::fabs(d) < tiny) d = tiny;
            c = 1 + num / c;
            if (std::fabs(c) < tiny) c = tiny;
            d = 1 / d;
            h *= d * c;
            num = -(a + m) * (a + b + m) * z / ((a + m2) * (a + m2 + 1));
        }
        if (std::fabs(d * c - 1) < 1e-12) break;
    }
    return h;
}

double regularizedBeta(double z, double a, double b)
{
    if (z <= 0) return 0;
    if (z >= 1) return 1;
    const double front = std::exp(a * std::log(z) + b * std::log(1 - z) - logBeta(a, b));
    if (z < (a + 1) / (a + b + 2)) return front * betaFraction(a, b, z) / a;
    return 1 - front * betaFraction(b, a, 1 - z) / b;
}

double fisherCdf(double v, double d1, double d2)
{
    return v <= 0 ? 0 : regularizedBeta(d1 * v / (d1 * v + d2), d1 / 2, d2 / 2);
}

// A fixed sequence of standard normal numbers, the same on every run.
class Noise {
public:
    explicit Noise(std::uint64_t seed) : state_(seed) {}
    double uniform()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return ((state_ >> 11) + 0.5) / 9007199254740992.0;
    }
    double normal()
    {
        const double a = uniform();  // in this order, for the same numbers everywhere
        const double b = uniform();
        return std::sqrt(-2 * std::log(a)) * std::cos(2 * pi * b);
    }

private:
    std::uint64_t state_;
};

// Least squares polynomial of a degree through the points, by the normal
// equations solved as the polynomial regression solves them; coefficients
// from the constant up.
std::vector<double> fitPolynomial(const std::vector<QPointF>& pts, int degree)
{
    const std::size_t m = degree + 1;
    std::vector<double> w(m * m, 0.0), v(m, 0.0), coef(m);
    for (const QPointF& p : pts) {
        for (std::size_t r = 0; r < m; ++r) {
            for (std::size_t c = 0; c < m; ++c) w[r * m + c] += std::pow(p.x(), static_cast<double>(r + c));
            v[r] += p.y() * std::pow(p.x(), static_cast<double>(r));
        }
    }
    stats::gaussJordanInvert(w, m);
    stats::multiplyMatrixVector(w, m, v, coef);
    return coef;
}

double polynomial(const std::vector<double>& coef, double v)
{
    double y = 0;
    for (std::size_t i = coef.size(); i-- > 0;) y = y * v + coef[i];
    return y;
}

// The correlogram as the program computes it: the sums run over t from k.
std::vector<double> correlogram(const std::vector<double>& y, int lags)
{
    const int n = static_cast<int>(y.size());
    double mean = 0;
    for (double v : y) mean += v;
    mean /= n;
    std::vector<double> r;
    for (int k = 1; k <= lags; ++k) {
        const stats::CorrelogramSums s = stats::correlogramSums(y.data(), n, mean, k);
        r.push_back(s.denominator != 0 ? s.numerator / s.denominator : 0);
    }
    return r;
}

// ---- drawing of plots ----------------------------------------------------

const QColor card(0xFA, 0xFA, 0xF7);
const QColor axisInk(0x44, 0x44, 0x50);
const QColor gridInk(0xE2, 0xE2, 0xDC);
const QColor palette4[] = {QColor(0x2F, 0x6F, 0xD0), QColor(0xD0, 0x45, 0x2F), QColor(0x2E, 0x9E, 0x5B),
                           QColor(0x8A, 0x4F, 0xC0)};

struct Curve {
    std::function<double(double)> f;
    QString label;
};

struct Frame {
    QRectF plot;
    double x0, x1, y0, y1;
    QPointF map(double x, double y) const
    {
        return {plot.left() + (x - x0) / (x1 - x0) * plot.width(), plot.bottom() - (y - y0) / (y1 - y0) * plot.height()};
    }
};

QPixmap blankCard(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(card);
    p.drawRoundedRect(QRectF(pixmap.rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    return pixmap;
}

QString tickText(double v)
{
    if (std::fabs(v) < 1e-12) v = 0;
    return QString::number(v, 'g', 3);
}

// Axes, a light grid at the ticks, numbers and a title; returns the frame.
Frame drawAxes(QPainter& p, QRectF area, double x0, double x1, double y0, double y1, double xStep, double yStep,
               const QString& title, const QString& xName = "x")
{
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(10);
    QFont bold = small;
    bold.setPixelSize(12);
    bold.setBold(true);
    Frame f{area.adjusted(34, 20, -18, -22), x0, x1, y0, y1};
    p.setFont(small);
    for (double v = std::ceil(x0 / xStep) * xStep; v <= x1 + 1e-9; v += xStep) {
        const QPointF a = f.map(v, y0);
        p.setPen(QPen(gridInk, 1));
        p.drawLine(a, f.map(v, y1));
        p.setPen(axisInk);
        p.drawText(QRectF(a.x() - 20, a.y() + 3, 40, 12), Qt::AlignCenter, tickText(v));
    }
    for (double v = std::ceil(y0 / yStep) * yStep; v <= y1 + 1e-9; v += yStep) {
        const QPointF a = f.map(x0, v);
        p.setPen(QPen(gridInk, 1));
        p.drawLine(a, f.map(x1, v));
        p.setPen(axisInk);
        p.drawText(QRectF(a.x() - 34, a.y() - 6, 30, 12), Qt::AlignRight | Qt::AlignVCenter, tickText(v));
    }
    p.setPen(QPen(axisInk, 1.2));
    p.drawLine(f.map(x0, y0), f.map(x1, y0));
    p.drawLine(f.map(x0, y0), f.map(x0, y1));
    p.drawText(QRectF(f.plot.right() + 3, f.plot.bottom() - 14, 14, 12), Qt::AlignLeft, xName);
    p.setFont(bold);
    p.drawText(QRectF(area.left(), area.top() + 2, area.width(), 16), Qt::AlignCenter, title);
    return f;
}

void drawCurves(QPainter& p, const Frame& f, const std::vector<Curve>& curves)
{
    p.save();
    p.setClipRect(f.plot.adjusted(0, -1, 1, 0));
    for (std::size_t i = 0; i < curves.size(); ++i) {
        QPainterPath path;
        const int steps = 600;
        bool started = false;
        for (int s = 0; s <= steps; ++s) {
            const double x = f.x0 + (f.x1 - f.x0) * s / steps;
            double y = curves[i].f(x);
            if (!std::isfinite(y)) y = f.y1 * 10;
            y = std::min(y, f.y1 + (f.y1 - f.y0));  // off the top, not to infinity
            const QPointF pt = f.map(x, y);
            if (!started) path.moveTo(pt);
            else path.lineTo(pt);
            started = true;
        }
        p.setPen(QPen(palette4[i % 4], 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.restore();
}

// The legend in a corner of the plot that the curves leave free.
void drawLegend(QPainter& p, const Frame& f, const std::vector<Curve>& curves, bool bottom = false)
{
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(10);
    p.setFont(small);
    const QFontMetricsF metrics(small);
    double textWidth = 0;
    for (const Curve& c : curves) textWidth = std::max(textWidth, metrics.horizontalAdvance(c.label));
    const double w = 22 + textWidth, h = 14;
    const double x = f.plot.right() - w - 6;
    double y = bottom ? f.plot.bottom() - h * curves.size() - 6 : f.plot.top() + 4;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawRoundedRect(QRectF(x - 4, y - 2, w + 8, h * curves.size() + 4), 3, 3);
    for (std::size_t i = 0; i < curves.size(); ++i) {
        p.setPen(QPen(palette4[i % 4], 2.0));
        p.drawLine(QPointF(x, y + h / 2), QPointF(x + 16, y + h / 2));
        p.setPen(axisInk);
        p.drawText(QRectF(x + 20, y, textWidth + 4, h), Qt::AlignLeft | Qt::AlignVCenter, curves[i].label);
        y += h;
    }
}

struct Family {
    double x0, x1, xStep, yMax, yStep;
    std::vector<Curve> density, cumulative;
};

QPixmap familyPicture(QSize size, const Family& fam)
{
    QPixmap pixmap = blankCard(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double half = size.width() / 2.0;
    const Frame d = drawAxes(p, QRectF(0, 0, half, size.height()), fam.x0, fam.x1, 0, fam.yMax, fam.xStep, fam.yStep,
                             QStringLiteral("Probability density f(x)"));
    drawCurves(p, d, fam.density);
    drawLegend(p, d, fam.density);
    const Frame c = drawAxes(p, QRectF(half, 0, half, size.height()), fam.x0, fam.x1, 0, 1, fam.xStep, 0.25,
                             QStringLiteral("Cumulative function F(x)"));
    drawCurves(p, c, fam.cumulative);
    drawLegend(p, c, fam.cumulative, true);
    return pixmap;
}

QPixmap normalCurves(QSize size)
{
    Family f{-5, 5, 1, 0.9, 0.2, {}, {}};
    const double params[][2] = {{0, 0.5}, {0, 1}, {0, 2}, {-2, 0.7}};
    for (const auto& pr : params) {
        const double mu = pr[0], s = pr[1];
        const QString label = QStringLiteral("μ=%1, σ=%2").arg(mu).arg(s);
        f.density.push_back({[=](double v) { return normalPdf(v, mu, s); }, label});
        f.cumulative.push_back({[=](double v) { return normalCdf(v, mu, s); }, label});
    }
    return familyPicture(size, f);
}

QPixmap rayleighCurves(QSize size)
{
    Family f{0, 10, 2, 1.3, 0.25, {}, {}};
    for (double s : {0.5, 1.0, 2.0, 3.0}) {
        const QString label = QStringLiteral("σ=%1").arg(s);
        f.density.push_back({[=](double v) { return rayleighPdf(v, s); }, label});
        f.cumulative.push_back({[=](double v) { return rayleighCdf(v, s); }, label});
    }
    return familyPicture(size, f);
}

QPixmap fisherCurves(QSize size)
{
    Family f{0, 5, 1, 2.5, 0.5, {}, {}};
    const double params[][2] = {{1, 1}, {2, 1}, {5, 2}, {100, 100}};
    for (const auto& pr : params) {
        const double d1 = pr[0], d2 = pr[1];
        const QString label = QStringLiteral("d1=%1, d2=%2").arg(d1).arg(d2);
        f.density.push_back({[=](double v) { return fisherPdf(v, d1, d2); }, label});
        f.cumulative.push_back({[=](double v) { return fisherCdf(v, d1, d2); }, label});
    }
    return familyPicture(size, f);
}

QPixmap weibullCurves(QSize size)
{
    Family f{0, 2.5, 0.5, 2.5, 0.5, {}, {}};
    for (double k : {0.5, 1.0, 1.5, 5.0}) {
        const QString label = QStringLiteral("λ=1, k=%1").arg(k);
        f.density.push_back({[=](double v) { return weibullPdf(v, k, 1); }, label});
        f.cumulative.push_back({[=](double v) { return weibullCdf(v, k, 1); }, label});
    }
    return familyPicture(size, f);
}

QPixmap regressionPicture(QSize size, bool poly)
{
    Noise noise(poly ? 77 : 42);
    std::vector<QPointF> pts;
    for (int i = 1; i <= 30; ++i) {
        const double v = i / 3.0;
        const double y = poly ? 1 + 3 * v - 0.8 * v * v + 0.055 * v * v * v + 0.45 * noise.normal()
                              : 1.5 + 0.7 * v + 0.7 * noise.normal();
        pts.emplace_back(v, y);
    }
    const std::vector<double> coef = fitPolynomial(pts, poly ? 3 : 1);
    double lo = 1e300, hi = -1e300;
    for (const QPointF& q : pts) {
        lo = std::min(lo, q.y());
        hi = std::max(hi, q.y());
    }
    lo = std::floor(lo) - 1;
    hi = std::ceil(hi) + 1;

    QPixmap pixmap = blankCard(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QString title = poly ? QStringLiteral("Least squares polynomial of degree 3")
                               : QStringLiteral("Least squares line");
    const Frame f = drawAxes(p, QRectF(0, 0, size.width(), size.height()), 0, 10.5, lo, hi, 1, hi - lo > 8 ? 2 : 1, title);
    p.setPen(QPen(QColor(0x55, 0x55, 0x60), 1));
    p.setBrush(QColor(0xF0, 0xA0, 0x30));
    for (const QPointF& q : pts) p.drawEllipse(f.map(q.x(), q.y()), 3.5, 3.5);
    QString label;
    if (poly) {
        label = QStringLiteral("y = %1 + %2x %3 %4x² + %5x³")
                    .arg(coef[0], 0, 'f', 2)
                    .arg(coef[1], 0, 'f', 2)
                    .arg(coef[2] < 0 ? "−" : "+")
                    .arg(std::fabs(coef[2]), 0, 'f', 2)
                    .arg(coef[3], 0, 'f', 3);
    } else {
        label = QStringLiteral("y = %1 + %2x").arg(coef[0], 0, 'f', 2).arg(coef[1], 0, 'f', 2);
    }
    const std::vector<Curve> fit{{[coef](double v) { return polynomial(coef, v); }, label}};
    drawCurves(p, f, fit);
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(11);
    p.setFont(small);
    const QRectF box(f.plot.left() + 10, f.plot.top() + 4, 34 + QFontMetricsF(small).horizontalAdvance(label), 18);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawRoundedRect(box, 3, 3);
    p.setPen(QPen(palette4[0], 2));
    p.drawLine(QPointF(box.left() + 4, box.center().y()), QPointF(box.left() + 20, box.center().y()));
    p.setPen(axisInk);
    p.drawText(box.adjusted(24, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, label);
    return pixmap;
}

QPixmap correlograms(QSize size)
{
    const int n = 96, lags = 16;
    Noise noise(2032);  // a sample whose random part stays inside the band
    std::vector<double> trend(n), seasonal(n), random(n);
    for (int t = 0; t < n; ++t) {
        trend[t] = 0.08 * t + 0.5 * noise.normal();
        seasonal[t] = 3 * std::sin(2 * pi * t / 4 + 0.4) + 0.8 * noise.normal();
        random[t] = noise.normal();
    }
    const std::vector<double>* series[] = {&trend, &seasonal, &random};
    const char* names[] = {"A", "B", "C"};

    QPixmap pixmap = blankCard(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double w = size.width() / 3.0;
    const double band = 2 / std::sqrt(static_cast<double>(n));
    for (int i = 0; i < 3; ++i) {
        const std::vector<double> r = correlogram(*series[i], lags);
        const Frame f = drawAxes(p, QRectF(i * w, 0, w, size.height()), 0, lags + 1, -1, 1, 4, 0.5,
                                 QString::fromLatin1(names[i]), QStringLiteral("k"));
        p.setPen(QPen(axisInk, 1));
        p.drawLine(f.map(0, 0), f.map(lags + 1, 0));
        p.setPen(QPen(QColor(0x99, 0x99, 0xA0), 1, Qt::DashLine));
        p.drawLine(f.map(0, band), f.map(lags + 1, band));
        p.drawLine(f.map(0, -band), f.map(lags + 1, -band));
        p.setPen(Qt::NoPen);
        p.setBrush(palette4[i == 0 ? 0 : i == 1 ? 2 : 1]);
        for (int k = 1; k <= lags; ++k) {
            const QPointF top = f.map(k - 0.32, r[k - 1]);
            const QPointF bottom = f.map(k + 0.32, 0);
            p.drawRect(QRectF(top, bottom).normalized());
        }
        QFont small(QStringLiteral("DejaVu Sans"));
        small.setPixelSize(10);
        p.setFont(small);
        p.setPen(axisInk);
        p.drawText(QRectF(i * w + 2, f.plot.top() - 16, 30, 12), Qt::AlignLeft, QStringLiteral("Rk"));
    }
    return pixmap;
}

// ---- logo and corner badge ----------------------------------------------

QPixmap logo(QSize size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double W = size.width(), H = size.height();
    QLinearGradient sky(0, 0, 0, H);
    sky.setColorAt(0, QColor(0x2E, 0x45, 0x10));
    sky.setColorAt(1, QColor(0x70, 0x92, 0x29));
    p.fillRect(pixmap.rect(), sky);

    // A faint grid, as on squared paper.
    p.setPen(QPen(QColor(255, 255, 255, 28), 1));
    for (double gx = 0; gx < W; gx += 32) p.drawLine(QPointF(gx, 0), QPointF(gx, H));
    for (double gy = 0; gy < H; gy += 32) p.drawLine(QPointF(0, gy), QPointF(W, gy));

    // A histogram of a bell-shaped sample and its density over it.
    const double baseY = H - 30, left = 90, right = 520, peak = H - 80;
    const int bins = 15;
    const double bw = (right - left) / bins;
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.setBrush(QColor(255, 255, 255, 60));
    for (int b = 0; b < bins; ++b) {
        const double z = (b + 0.5 - bins / 2.0) / (bins / 6.0);
        const double h = peak * std::exp(-z * z / 2) * (0.9 + 0.2 * std::fabs(std::sin(b * 2.3)));
        p.drawRect(QRectF(left + b * bw + 2, baseY - h, bw - 4, h));
    }
    QPainterPath bell;
    for (int s = 0; s <= 200; ++s) {
        const double xx = left - 40 + (right - left + 80) * s / 200.0;
        const double z = (xx - (left + right) / 2) / ((right - left) / 6.0);
        const QPointF pt(xx, baseY - peak * std::exp(-z * z / 2));
        if (s == 0) bell.moveTo(pt);
        else bell.lineTo(pt);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xFF, 0xF4, 0xC8), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(bell);

    // Scattered points and the line through them.
    Noise noise(7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xD0, 0x60));
    for (int i = 0; i < 14; ++i) {
        const double xx = 580 + i * 13.5;
        const double yy = baseY - 20 - i * 11 + 8 * noise.normal();
        p.drawEllipse(QPointF(xx, yy), 5, 5);
    }
    p.setPen(QPen(QColor(255, 255, 255, 230), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(565, baseY - 12), QPointF(770, baseY - 175));

    p.setPen(QPen(QColor(255, 255, 255, 200), 2));
    p.drawLine(QPointF(40, baseY), QPointF(W - 20, baseY));
    return pixmap;
}

QPixmap badge(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(pixmap.rect()).adjusted(3, 3, -3, -3);
    p.setPen(QPen(QColor(255, 255, 255, 230), 2));
    p.setBrush(QColor(0x1E, 0x2E, 0x0A, 200));
    p.drawEllipse(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xF4, 0xC8));
    const double heights[] = {0.25, 0.5, 0.38, 0.65};
    const double bw = r.width() * 0.12;
    for (int i = 0; i < 4; ++i) {
        const double h = r.height() * heights[i];
        p.drawRect(QRectF(r.left() + r.width() * 0.22 + i * bw * 1.45, r.top() + r.height() * 0.78 - h, bw, h));
    }
    return pixmap;
}

}  // namespace

void registerInfoPictures()
{
    registerPicture("logo", logo);
    registerPicture("os", badge);
    for (auto& [name, node] : formulas()) {
        Node f = node;
        registerPicture(name, [f](QSize size) { return render(f, size); });
    }
    registerPicture("curves.normal", normalCurves);
    registerPicture("curves.rayleigh", rayleighCurves);
    registerPicture("curves.fisher", fisherCurves);
    registerPicture("curves.weibull", weibullCurves);
    registerPicture("curves.linear", [](QSize s) { return regressionPicture(s, false); });
    registerPicture("curves.polynomial", [](QSize s) { return regressionPicture(s, true); });
    registerPicture("correlograms", correlograms);
}

}  // namespace velmora::ui
