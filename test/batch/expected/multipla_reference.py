#!/usr/bin/env python3
"""Reference figures for the batch runs of the multiple regressions on
data/multipla.txt: exact least squares (fractions) on the rows each model
may use, rounded to 4 digits as the program rounds (half away from zero),
written as the program's table file holds them. Run it from this
directory; it rewrites the expected files."""
import math
from fractions import Fraction
from reference import general

rows = [l.split("\t") for l in open("../data/multipla.txt", encoding="cp1252", newline="").read().split("\r\n")[1:] if l]
col = {name: [float(r[i]) for r in rows] for i, name in enumerate(["X1", "X2", "Z", "W", "A", "B", "Y"])}
n = len(rows)


def solve(a, b):
    """Gaussian elimination in fractions: a x = b."""
    m = len(b)
    a = [row[:] + [b[i]] for i, row in enumerate(a)]
    for c in range(m):
        p = next(r for r in range(c, m) if a[r][c] != 0)
        a[c], a[p] = a[p], a[c]
        for r in range(m):
            if r != c and a[r][c] != 0:
                f = a[r][c] / a[c][c]
                a[r] = [x - f * y for x, y in zip(a[r], a[c])]
    return [a[i][m] / a[i][i] for i in range(m)]


def fit(design, response):
    p = len(design[0])
    d = [[Fraction(v) for v in row] for row in design]
    r = [Fraction(v) for v in response]
    normal = [[sum(row[i] * row[j] for row in d) for j in range(p)] for i in range(p)]
    rhs = [sum(row[i] * y for row, y in zip(d, r)) for i in range(p)]
    return [float(c) for c in solve(normal, rhs)]


def rounded(x, digits=4):
    if x < 0:
        return 0.0 - rounded(-x, digits)
    shifted = x * 10.0**digits + 0.5
    return 0.0 if abs(shifted) < 1 else math.trunc(shifted) / 10.0**digits


def table(name, formula, count, y, fitted, b):
    mean = sum(y) / n
    rss = sum((v - f) ** 2 for v, f in zip(y, fitted))
    tss = sum((v - mean) ** 2 for v in y)
    out = [f"{name}\t{formula}", f"Count\t{count}", f"RSS Residual Sum of Squares\t{general(rounded(rss), '.')}",
           f"TSS Total Sum of Squares\t{general(rounded(tss), '.')}",
           f"R fitting\t{general(rounded(1 - rss / tss), '.')}", "Coefficients\t"]
    out += [f"B{q}\t{general(rounded(v), '.')}" for q, v in enumerate(b)]
    return "\r\n".join(out) + "\r\n"


def write(file, text):
    open(file, "wb").write(text.encode("cp1252"))
    print(file)
    print(text)


# Logarithmic: W on ln Z, the row with Z = 0 left out of the fit, its
# fitted value B0 alone.
use = [r for r in range(n) if col["Z"][r] > 0]
b = fit([[1, math.log(col["Z"][r])] for r in use], [col["W"][r] for r in use])
fitted = [b[0] + (b[1] * math.log(z) if z > 0 else 0) for z in col["Z"]]
write("multipla_logaritmica.txt", table("Multiple Logarithmic Regression", "Y = B0 + B1*ln(X1) + B2*ln(X2) +..+ Bn*ln(Xn)",
                                        f"{len(use)}/{n}", col["W"], fitted, b))

# Exponential: ln W on X1 and X2, every row usable.
b = fit([[1, col["X1"][r], col["X2"][r]] for r in range(n)], [math.log(w) for w in col["W"]])
fitted = [math.exp(b[0]) * math.exp(b[1] * col["X1"][r]) * math.exp(b[2] * col["X2"][r]) for r in range(n)]
write("multipla_esponenziale.txt", table("Multiple Exponential Regression",
                                         "Y = exp(B0) * exp(X1*B1) * exp(X2*B2) *..* exp(Xn*Bn)", f"{n}/{n}", col["W"], fitted, b))

# Power: ln W on ln X1 and ln Z, the row with Z = 0 left out; its fitted value is 0.
use = [r for r in range(n) if col["Z"][r] > 0]
b = fit([[1, math.log(col["X1"][r]), math.log(col["Z"][r])] for r in use], [math.log(col["W"][r]) for r in use])
fitted = [math.exp(b[0]) * col["X1"][r] ** b[1] * col["Z"][r] ** b[2] if col["Z"][r] > 0 else 0 for r in range(n)]
write("multipla_potenza.txt", table("Multiple Power Regression", "Y = exp(B0) * X1^B1 * X2^B2 *..* Xn^Bn",
                                    f"{len(use)}/{n}", col["W"], fitted, b))

# Linear: Y = 1 + 2 A - 0.5 B holds exactly on every row, and A and B are
# orthogonal columns of +-1 summing to 0, so the normal equations are
# diagonal with exact inverse: the fit gives those coefficients, RSS 0 and
# R fitting 1, and the chart data and the copied column are Y itself.
y = col["Y"]
mean = sum(y) / n
tss = sum((v - mean) ** 2 for v in y)
write("multipla_lineare.txt", "\r\n".join(
    ["Multiple Linear Regression\tY = B0+B1*X1+B2*X2 .. + Bn*Xn", f"Count\t{n}", "RSS Residual Sum of Squares\t0",
     f"TSS Total Sum of Squares\t{general(rounded(tss, 6), '.')}", "R fitting\t1", "Coefficients\t", "B0\t1", "B1\t2",
     "B2\t-0.5"]) + "\r\n")
shown, last = [], None
for v in y:
    if v != last:
        shown.append(v)
        last = v
write("multipla_lineare_grafico.txt", "\r\n".join(["y\tF(x)"] + [f"{general(v, '.')}\t{general(v, '.')}" for v in shown]) + "\r\n")
data = open("../data/multipla.txt", encoding="cp1252", newline="").read().split("\r\n")[:-1]
data = [data[0] + "\tRegMLR_Y"] + [line + "\t" + general(v, ".") for line, v in zip(data[1:], y)]
write("multipla_lineare_copiata.txt", "\r\n".join(data) + "\r\n")
