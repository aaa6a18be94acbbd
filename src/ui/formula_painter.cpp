#include "ui/formula_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>

namespace velmora::ui::formula {

namespace {

const QColor ink(0x1A, 0x1A, 0x2E);

QFont fontOf(double size, bool italic)
{
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(std::max(1, static_cast<int>(size + 0.5)));
    f.setItalic(italic);
    return f;
}

// Fractions and roots sit on this height above the baseline, where the
// minus sign is.
double axis(const Style& s) { return s.size * 0.3; }
double rule(const Style& s) { return std::max(1.0, s.size * 0.055); }
Style script(const Style& s) { return {std::max(s.size * 0.7, 9.0)}; }

Box textBox(const QString& t, const Style& s, bool italic, double padLeft = 0, double padRight = 0)
{
    const QFont f = fontOf(s.size, italic);
    const QFontMetricsF m(f);
    Box b;
    // Italic letters lean out of their advance; a little room keeps them
    // off what follows.
    const double lean = italic ? s.size * 0.06 : 0;
    b.width = padLeft + m.horizontalAdvance(t) + lean + padRight;
    const QRectF tight = m.tightBoundingRect(t);
    b.ascent = std::max(-tight.top(), s.size * 0.5);
    b.descent = std::max(tight.bottom(), 0.0);
    b.draw = [t, f, padLeft](QPainter& p, QPointF at) {
        p.setFont(f);
        p.setPen(ink);
        p.drawText(QPointF(at.x() + padLeft, at.y()), t);
    };
    return b;
}

void strokeLine(QPainter& p, QPointF a, QPointF b, double width)
{
    p.setPen(QPen(ink, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(a, b);
}

}  // namespace

Node var(const QString& s)
{
    return [s](const Style& st) { return textBox(s, st, true); };
}

Node txt(const QString& s)
{
    return [s](const Style& st) { return textBox(s, st, false); };
}

Node op(const QString& s)
{
    return [s](const Style& st) { return textBox(s, st, false, st.size * 0.25, st.size * 0.25); };
}

Node big(const QString& s, double scale)
{
    return [s, scale](const Style& st) {
        Box b = textBox(s, Style{st.size * scale}, false);
        // Centred on the axis like the text it stands in.
        const double shift = (b.ascent - b.descent) / 2 - axis(st);
        Box out = b;
        out.ascent = b.ascent - shift;
        out.descent = b.descent + shift;
        out.draw = [b, shift](QPainter& p, QPointF at) { b.draw(p, {at.x(), at.y() + shift}); };
        return out;
    };
}

Node space(double ems)
{
    return [ems](const Style& st) {
        Box b;
        b.width = ems * st.size;
        b.draw = [](QPainter&, QPointF) {};
        return b;
    };
}

Node row(std::vector<Node> parts)
{
    return [parts](const Style& st) {
        std::vector<Box> boxes;
        Box out;
        for (const Node& n : parts) {
            boxes.push_back(n(st));
            out.width += boxes.back().width;
            out.ascent = std::max(out.ascent, boxes.back().ascent);
            out.descent = std::max(out.descent, boxes.back().descent);
        }
        out.draw = [boxes](QPainter& p, QPointF at) {
            for (const Box& b : boxes) {
                b.draw(p, at);
                at.rx() += b.width;
            }
        };
        return out;
    };
}

Node frac(Node numerator, Node denominator)
{
    return [numerator, denominator](const Style& st) {
        const Box n = numerator(st);
        const Box d = denominator(st);
        const double gap = st.size * 0.14;
        const double pad = st.size * 0.12;
        const double t = rule(st);
        Box out;
        out.width = std::max(n.width, d.width) + 2 * pad;
        out.ascent = axis(st) + t / 2 + gap + n.descent + n.ascent;
        out.descent = std::max(0.0, d.ascent + d.descent + gap + t / 2 - axis(st));
        const double a = axis(st);
        out.draw = [n, d, gap, pad, t, a, w = out.width](QPainter& p, QPointF at) {
            const double y = at.y() - a;
            strokeLine(p, {at.x() + pad * 0.4, y}, {at.x() + w - pad * 0.4, y}, t);
            n.draw(p, {at.x() + (w - n.width) / 2, y - t / 2 - gap - n.descent});
            d.draw(p, {at.x() + (w - d.width) / 2, y + t / 2 + gap + d.ascent});
        };
        return out;
    };
}

Node subsup(Node base, Node index, Node exponent)
{
    return [base, index, exponent](const Style& st) {
        const Box b = base(st);
        const Style sc = script(st);
        Box out = b;
        std::vector<std::pair<Box, double>> scripts;  // box, baseline shift (down positive)
        double width = 0;
        if (exponent) {
            const Box e = exponent(sc);
            const double up = std::max({st.size * 0.42, b.ascent - e.ascent * 0.45, e.descent + st.size * 0.25});
            scripts.emplace_back(e, -up);
            out.ascent = std::max(out.ascent, up + e.ascent);
            width = std::max(width, e.width);
        }
        if (index) {
            const Box i = index(sc);
            const double down = std::max(st.size * 0.22, b.descent + i.ascent * 0.1);
            scripts.emplace_back(i, down);
            out.descent = std::max(out.descent, down + i.descent);
            width = std::max(width, i.width);
        }
        const double gap = st.size * 0.04;
        out.width = b.width + gap + width;
        out.draw = [b, scripts, gap](QPainter& p, QPointF at) {
            b.draw(p, at);
            for (const auto& [s, shift] : scripts) s.draw(p, {at.x() + b.width + gap, at.y() + shift});
        };
        return out;
    };
}

Node sup(Node base, Node exponent) { return subsup(std::move(base), nullptr, std::move(exponent)); }
Node sub(Node base, Node index) { return subsup(std::move(base), std::move(index), nullptr); }

Node root(Node radicand)
{
    return [radicand](const Style& st) {
        const Box r = radicand(st);
        const double t = rule(st);
        const double gap = st.size * 0.12;
        const double hook = st.size * 0.55;
        Box out;
        out.width = hook + r.width + st.size * 0.1;
        out.ascent = r.ascent + gap + t;
        out.descent = r.descent + st.size * 0.05;
        out.draw = [r, t, gap, hook, st, w = out.width](QPainter& p, QPointF at) {
            const double top = at.y() - r.ascent - gap - t / 2;
            const double bottom = at.y() + r.descent + st.size * 0.05;
            const double mid = bottom - std::max((bottom - top) * 0.42, st.size * 0.5);
            QPainterPath path;
            path.moveTo(at.x() + hook * 0.05, mid + st.size * 0.05);
            path.lineTo(at.x() + hook * 0.28, mid - st.size * 0.06);
            path.lineTo(at.x() + hook * 0.55, bottom);
            path.lineTo(at.x() + hook * 0.92, top);
            path.lineTo(at.x() + w, top);
            p.setPen(QPen(ink, t, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
            r.draw(p, {at.x() + hook, at.y()});
        };
        return out;
    };
}

Node paren(Node content, QChar open, QChar close)
{
    return [content, open, close](const Style& st) {
        const Box c = content(st);
        const double plain = st.size * 1.0;
        const double height = c.ascent + c.descent;
        if (height <= plain * 1.15) {
            const Box l = textBox(QString(open), st, false);
            const Box r = textBox(QString(close), st, false);
            Box out;
            out.width = l.width + c.width + r.width;
            out.ascent = std::max({l.ascent, c.ascent, r.ascent});
            out.descent = std::max({l.descent, c.descent, r.descent});
            out.draw = [l, c, r](QPainter& p, QPointF at) {
                l.draw(p, at);
                c.draw(p, {at.x() + l.width, at.y()});
                r.draw(p, {at.x() + l.width + c.width, at.y()});
            };
            return out;
        }
        // Tall content: brackets drawn to its height, centred on the axis.
        const double half = std::max(c.ascent - axis(st), c.descent + axis(st)) + st.size * 0.1;
        const double w = st.size * 0.32;
        const double t = rule(st) * 1.2;
        Box out;
        out.width = 2 * w + c.width + st.size * 0.1;
        out.ascent = axis(st) + half;
        out.descent = std::max(0.0, half - axis(st));
        out.draw = [c, w, t, half, open, close, st, width = out.width](QPainter& p, QPointF at) {
            const double top = at.y() - axis(st) - half;
            const double bottom = at.y() - axis(st) + half;
            auto bracket = [&](double x, bool left, QChar kind) {
                QPainterPath path;
                const double inner = left ? x + w * 0.85 : x + w * 0.15;
                const double outer = left ? x + w * 0.2 : x + w * 0.8;
                if (kind == '[' || kind == ']') {
                    path.moveTo(inner, top);
                    path.lineTo(outer, top);
                    path.lineTo(outer, bottom);
                    path.lineTo(inner, bottom);
                } else {
                    path.moveTo(inner, top);
                    path.cubicTo(outer, top + (bottom - top) * 0.2, outer, bottom - (bottom - top) * 0.2, inner, bottom);
                }
                p.setPen(QPen(ink, t, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
                p.setBrush(Qt::NoBrush);
                p.drawPath(path);
            };
            bracket(at.x(), true, open);
            c.draw(p, {at.x() + w + st.size * 0.05, at.y()});
            bracket(at.x() + width - w, false, close);
        };
        return out;
    };
}

Node bar(Node content)
{
    return [content](const Style& st) {
        Box c = content(st);
        const double t = rule(st) * 0.9;
        const double lift = st.size * 0.1;
        Box out = c;
        out.ascent = c.ascent + lift + t;
        out.draw = [c, t, lift](QPainter& p, QPointF at) {
            c.draw(p, at);
            const double y = at.y() - c.ascent - lift;
            strokeLine(p, {at.x() + c.width * 0.12, y}, {at.x() + c.width * 0.95, y}, t);
        };
        return out;
    };
}

Node integral(Node lower, Node upper)
{
    return [lower, upper](const Style& st) {
        const Box sign = textBox(QStringLiteral("∫"), Style{st.size * 1.6}, false);
        const Style sc = script(st);
        const Box lo = lower ? lower(sc) : Box{};
        const Box up = upper ? upper(sc) : Box{};
        const double shift = (sign.ascent - sign.descent) / 2 - axis(st);
        Box out;
        out.width = sign.width + std::max(lo.width, up.width) + st.size * 0.1;
        out.ascent = std::max(sign.ascent - shift, sign.ascent - shift + up.ascent * 0.3);
        out.descent = sign.descent + shift + lo.descent;
        out.draw = [sign, lo, up, shift, hasLo = bool(lower), hasUp = bool(upper)](QPainter& p, QPointF at) {
            const double base = at.y() + shift;
            sign.draw(p, {at.x(), base});
            if (hasUp) up.draw(p, {at.x() + sign.width * 0.95, base - sign.ascent + up.ascent * 0.9});
            if (hasLo) lo.draw(p, {at.x() + sign.width * 0.55, base + sign.descent});
        };
        return out;
    };
}

Node lines(std::vector<Node> rows)
{
    return [rows](const Style& st) {
        std::vector<Box> boxes;
        Box out;
        const double gap = st.size * 0.5;
        double height = 0;
        for (const Node& n : rows) {
            boxes.push_back(n(st));
            out.width = std::max(out.width, boxes.back().width);
            height += boxes.back().ascent + boxes.back().descent;
        }
        height += gap * (boxes.size() > 1 ? boxes.size() - 1 : 0);
        // The first line's baseline is the box's baseline.
        out.ascent = boxes.empty() ? 0 : boxes[0].ascent;
        out.descent = height - out.ascent;
        out.draw = [boxes, gap, w = out.width](QPainter& p, QPointF at) {
            double y = at.y();
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                if (i > 0) y += boxes[i - 1].descent + gap + boxes[i].ascent;
                boxes[i].draw(p, {at.x() + (w - boxes[i].width) / 2, y});
            }
        };
        return out;
    };
}

QPixmap render(const Node& formula, QSize size, double fontSize)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFA, 0xFA, 0xF7));
    p.drawRoundedRect(QRectF(pixmap.rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);

    const Box b = formula(Style{fontSize});
    const double margin = 12;
    const double height = b.ascent + b.descent;
    const double scale =
        std::min({1.0, (size.width() - 2 * margin) / std::max(b.width, 1.0), (size.height() - 2 * margin) / std::max(height, 1.0)});
    p.translate(size.width() / 2.0, size.height() / 2.0);
    p.scale(scale, scale);
    b.draw(p, QPointF(-b.width / 2, -height / 2 + b.ascent));
    return pixmap;
}

}  // namespace velmora::ui::formula
