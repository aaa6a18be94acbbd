#!/usr/bin/env python3
"""Reference figures for the batch tests of the matrix and smoothing windows.

The inverse is computed in exact rational arithmetic (cofactor-free
Gauss-Jordan on fractions) and the power by exact integer-and-fraction
products; the smoothed columns from the means they stand for (the moving
average of row i is the mean of rows 0 to i-1, the exponential smoothing the
mean of rows 1 to i). Each is then written as the program's table file would
hold it. Run it from this directory; it rewrites the expected files.
"""
from fractions import Fraction

from reference import general, read_table, round_to, write_lines


def square(path):
    headers, rows, decimal = read_table(path)
    n = len(headers)
    return headers, [[Fraction(cell.replace(",", ".")) for cell in rows[r][:n]] for r in range(n)], decimal


def exact_inverse(a):
    n = len(a)
    m = [row[:] + [Fraction(int(i == j)) for j in range(n)] for i, row in enumerate(a)]
    for p in range(n):
        pivot = next(r for r in range(p, n) if m[r][p] != 0)
        m[p], m[pivot] = m[pivot], m[p]
        m[p] = [x / m[p][p] for x in m[p]]
        for r in range(n):
            if r != p:
                m[r] = [x - m[r][p] * y for x, y in zip(m[r], m[p])]
    return [row[n:] for row in m]


def product(a, b):
    n = len(a)
    return [[sum(a[i][k] * b[k][j] for k in range(n)) for j in range(n)] for i in range(n)]


def matrix_file(headers, m, decimal, out):
    write_lines(out, ["\t".join(headers)] + ["\t".join(general(float(x), decimal) for x in row) for row in m])


def smoothed_file(path, names, exponential, out, digits=None):
    headers, rows, decimal = read_table(path)
    columns = []
    for name in names:
        c = headers.index(name)
        v = [float(r[c].replace(",", ".")) for r in rows]
        if digits is not None:
            v = [round_to(x, digits) for x in v]
        s = [v[0]] + [sum(v[1:i + 1]) / i if exponential else sum(v[:i]) / i for i in range(1, len(v))]
        if digits is not None:
            s = [round_to(x, digits) for x in s]
        columns.append([general(x, decimal) for x in s])
    write_lines(out, ["\t".join(names)] + ["\t".join(cells) for cells in zip(*columns)])


if __name__ == "__main__":
    headers, a, decimal = square("../data/matrice.txt")
    inverse = exact_inverse(a)
    assert product(a, inverse) == [[int(i == j) for j in range(len(a))] for i in range(len(a))]
    matrix_file(headers, inverse, decimal, "matrice_inversa.txt")
    matrix_file(headers, product(a, product(a, a)), decimal, "matrice_cubo.txt")
    smoothed_file("../data/smoothing.txt", ["Temperatura", "Umidita"], False, "smoothing_medie.txt")
    smoothed_file("../data/smoothing.txt", ["Temperatura"], True, "smoothing_esponenziale.txt", digits=2)
