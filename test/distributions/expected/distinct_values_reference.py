#!/usr/bin/env python3
"""Reference files for the uniform, Rayleigh and Weibull chart-data exports,
computed here from the definitions of the functions, independently of the
program, and written as the program writes them (tab separated, CR LF).
Run it from this directory; it rewrites the expected files of the unit tests
(here) and of the batch tests (../../batch/expected)."""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "batch", "expected"))
from reference import general, read_table, write_lines  # noqa: E402

HEADER = "x\tf(x)\tF(x)\tOccurrency\tOcc.f(x)\tOcc.F(x)"


def groups(values, skip_zeros):
    """Distinct values ascending with count and running count."""
    out = []
    running = 0
    for v in sorted(values):
        if skip_zeros and v == 0:
            continue
        running += 1
        if out and out[-1][0] == v:
            out[-1][1] += 1
            out[-1][2] = running
        else:
            out.append([v, 1, running])
    return out


def sample_variance(values):
    """Summed in ascending order, as the program sums its sorted column."""
    s = sorted(values)
    total = 0.0
    for v in s:
        total += v
    mean = total / len(s)
    squares = 0.0
    for v in s:
        squares += (v - mean) * (v - mean)
    return squares / (len(s) - 1)


def uniform_lines(values, skip_zeros=False, sep="."):
    s = sorted(values)
    distinct, previous = 0, -1e12
    for v in s:
        if v != previous:
            distinct += 1
            previous = v
    p = 1 / distinct
    n = len(values)
    lines, P = [HEADER], 0.0
    for v, c, C in groups(values, skip_zeros):
        P += p
        lines.append("\t".join([general(v, sep), general(p, sep), general(P, sep), str(c),
                                general(c / n, sep), general(C / n, sep)]))
    return lines


def scaled_lines(values, f, F, skip_zeros=False, sep="."):
    """The rows of a density drawn at the distinct values: the occurrences
    scaled so that the largest count stands at the largest density."""
    d_max = max(f(v) for v in values)
    g = groups(values, skip_zeros)
    largest = max((c for _, c, _ in g), default=0)
    total = g[-1][2] if g else 0
    scale = d_max / largest if largest > 0 else 0.0
    lines = [HEADER]
    for v, c, C in g:
        lines.append("\t".join([general(v, sep), general(f(v), sep), general(F(v), sep), str(c),
                                general(c * scale, sep), general(C / total, sep)]))
    return lines


def rayleigh_lines(values, skip_zeros=False, sep="."):
    V = sample_variance(values)
    return scaled_lines(values, lambda x: x / V * math.exp(-x * x / (2 * V)),
                        lambda x: 1 - math.exp(-x * x / (2 * V)), skip_zeros, sep)


def power(base, exponent):
    """The program's real power: x^0 = 1, 0^y = 0 for y > 0, a whole
    exponent by repeated multiplication (through the reciprocal when
    negative), otherwise exp(y ln x)."""
    if exponent == 0:
        return 1.0
    if base == 0 and exponent > 0:
        return 0.0
    if exponent == int(exponent):
        result = 1.0
        for _ in range(abs(int(exponent))):
            result *= base
        return 1 / result if exponent < 0 else result
    return math.exp(exponent * math.log(base))


def weibull_lines(values, k, lam, skip_zeros=False, sep="."):
    return scaled_lines(values, lambda x: k / power(lam, k) * power(x, k - 1) * math.exp(-power(x / lam, k)),
                        lambda x: 1 - math.exp(-power(x / lam, k)), skip_zeros, sep)


def result_table(values, uniform=False, sep="."):
    """The result column: the descriptive rows, and for the uniform window
    the distinct-value count and its probability."""
    s = sorted(values)
    n = len(s)
    total = 0.0
    lo, hi = 1e12, -1e12
    for v in s:
        total += v
        lo = min(lo, v)
        hi = max(hi, v)
    mean = total / n
    squares = 0.0
    for v in s:
        squares += (v - mean) * (v - mean)
    variance = squares / (n - 1) if n > 1 else math.nan
    median = s[n // 2] if n % 2 else (s[n // 2 - 1] + s[n // 2]) / 2
    cells = ["Average", general(mean, sep), "Variance", general(variance, sep), "Sta.Dev.",
             general(math.sqrt(variance), sep), "Min", general(lo, sep), "Max", general(hi, sep), "Median",
             general(median, sep), "Count", str(n)]
    if uniform:
        distinct = len(set(s))
        cells += ["CountOcc.", str(distinct), "Probability", general(1 / distinct, sep)]
    return cells


def column_of(path, name):
    headers, rows, decimal = read_table(path)
    c = headers.index(name)
    return [float(r[c].replace(",", ".")) for r in rows], decimal


def show(name, lines):
    print(name)
    for line in lines:
        print("   ", line.replace("\t", " | "))


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    unit = {
        "uniform_export.txt": uniform_lines([3, 1, 2, 1, 3, 1, 0, 2.5], skip_zeros=True),
        "rayleigh_export.txt": rayleigh_lines([2, -1, 0, 1, 2, 3]),
        "weibull_export.txt": weibull_lines([0.5, 1, 0, 1, 2, 3.5], 1.5, 2),
    }
    for name, lines in unit.items():
        write_lines(os.path.join(here, name), lines)
        show(name, lines)

    batch = os.path.join(here, "..", "..", "batch")
    data = os.path.join(batch, "data", "distribuzioni.txt")
    dado, _ = column_of(data, "Dado")
    vento, _ = column_of(data, "Vento")
    durata, _ = column_of(data, "Durata")
    print("Dado", sorted(set(dado)), "Vento: n", len(vento), "variance", sample_variance(vento),
          "Durata: n", len(durata))
    virgola, comma = column_of(os.path.join(batch, "data", "virgola.txt"), "B")
    files = {
        "uniforme_tabella.txt": ["Dado"] + result_table(dado, uniform=True),
        "uniforme_dati_grafico.txt": uniform_lines(dado),
        "rayleigh_tabella.txt": ["Vento"] + result_table(vento),
        "rayleigh_dati_grafico.txt": rayleigh_lines(vento),
        "weibull_dati_grafico.txt": weibull_lines(durata, 1.5, 800),
        "weibull_virgola.txt": weibull_lines(virgola, 2.5, 4, sep=comma),
    }
    for name, lines in files.items():
        write_lines(os.path.join(batch, "expected", name), lines)
        show(name, lines[:4] + ["..."] + lines[-2:])
