#pragma once
// A small typesetter for the formulas of the equations page: boxes with a
// width, an ascent and a descent, put together as rows, fractions, scripts,
// roots, big operators and stretched brackets, and drawn with QPainter.
#include <QPainter>
#include <QPixmap>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace velmora::ui::formula {

struct Style {
    double size;  // font size in pixels
};

struct Box {
    double width = 0;
    double ascent = 0;
    double descent = 0;
    // Draws the box with its baseline starting at the point.
    std::function<void(QPainter&, QPointF)> draw;
};

using Node = std::function<Box(const Style&)>;

Node var(const QString& s);   // italic: variables
Node txt(const QString& s);   // upright: digits, names of functions
Node op(const QString& s);    // upright with space around: = + − ·
Node space(double ems);
Node big(const QString& s, double scale);  // an upright sign drawn larger
Node row(std::vector<Node> parts);
Node frac(Node numerator, Node denominator);
Node sup(Node base, Node exponent);
Node sub(Node base, Node index);
Node subsup(Node base, Node index, Node exponent);
Node root(Node radicand);
Node paren(Node content, QChar open = '(', QChar close = ')');
Node bar(Node content);  // a line over it: the mean
// ∫ with limits at its side; a limit may be empty.
Node integral(Node lower, Node upper);
// Lines one under the other, each centred.
Node lines(std::vector<Node> rows);

// The formula centred on a white card of that size, shrunk when it would not fit.
QPixmap render(const Node& formula, QSize size, double fontSize = 26);

}  // namespace velmora::ui::formula
