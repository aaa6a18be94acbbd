#!/usr/bin/env python3
"""Reference figures for the descriptive-statistics cases of the batch tests.

Computed here from the definitions of the measures, independently of the
program, and written as the program's table file would hold them
(Windows-1252, tab separated, CR LF). Run it from this directory; it
rewrites the expected files and prints the figures for a reader to check.
"""
import math
import sys


def general(x, sep):
    """Number to text: at most 15 significant digits, shortest, fixed
    notation for decimal exponents -3..15 (0.ddd x 10^e), else scientific."""
    if math.isnan(x):
        return "NAN"
    if math.isinf(x):
        return "-INF" if x < 0 else "INF"
    if x == 0:
        return "0"
    mantissa, exp10 = ("%.14e" % x).split("e")
    exp10 = int(exp10)
    negative = mantissa.startswith("-")
    digits = mantissa.lstrip("-").replace(".", "").rstrip("0") or "0"
    e = exp10 + 1
    if -3 <= e <= 15:
        if e <= 0:
            body = "0" + sep + "0" * (-e) + digits
        elif len(digits) <= e:
            body = digits + "0" * (e - len(digits))
        else:
            body = digits[:e] + sep + digits[e:]
    else:
        body = digits[0] + (sep + digits[1:] if len(digits) > 1 else "") + "E" + str(exp10)
    return ("-" if negative else "") + body


def round_to(x, d):
    """Truncation toward zero of x * 10^d + 0.5, divided by 10^d."""
    f = 10.0 ** d
    return math.trunc(x * f + 0.5) / f


def describe(values):
    s = sorted(values)
    n = len(s)
    total = rec = sq = 0.0
    prod = 1.0
    lo, hi = 1e12, -1e12
    prev, repeat, maxfreq, mode = -1e12, 0, 0, 0.0
    for x in s:
        total += x
        rec += 1.0 / x
        sq += x * x
        prod *= x
        lo = min(lo, x)
        hi = max(hi, x)
        if x != prev:
            if repeat > maxfreq:
                maxfreq, mode = repeat, prev
            prev, repeat = x, 0
        else:
            repeat += 1
    if repeat > maxfreq:
        maxfreq, mode = repeat, prev
    avg = total / n
    harmonic = n / rec
    geometric = prod if n == 1 else math.exp((1.0 / n) * math.log(prod))
    quadratic = math.sqrt(sq / n)
    if n % 2:
        median, q1, q3 = s[n // 2], s[n // 4], s[(3 * n) // 4]
    else:
        median = (s[n // 2 - 1] + s[n // 2]) / 2
        q1 = avg if n // 4 - 1 < 0 else (s[n // 4 - 1] + s[n // 4]) / 2
        q3 = (s[(3 * n) // 4 - 1] + s[(3 * n) // 4]) / 2
    dev = sum((x - avg) ** 2 for x in s)
    absdev = sum(abs(x - avg) for x in s)
    var = dev / (n - 1) if n > 1 else math.nan
    sd = math.sqrt(var)
    zs = [(x - avg) / sd for x in s]
    asym = sum(z * z * z for z in zs) / n
    kurt = sum((z * z) * (z * z) for z in zs) / n - 3
    return [
        ("Average", avg), ("Variance", var), ("Sta.Dev.", sd), ("Count", n),
        ("Asymmetry", asym), ("Kurtosis", kurt), ("Median", median),
        ("Harmonic Average", harmonic), ("Geometric Average", geometric),
        ("Quadratic Average", quadratic), ("Root Mean Simple", absdev / n),
        ("Min", lo), ("Max", hi), ("Quartile 0/4", lo), ("Quartile 1/4", q1),
        ("Quartile 2/4", median), ("Quartile 3/4", q3), ("Quartile 4/4", hi),
        ("IQR interquartile range", q3 - q1), ("Mode", mode), ("Max frequency", maxfreq),
    ]


def read_table(path):
    lines = open(path, "rb").read().decode("cp1252").split("\r\n")[:-1]
    sep = "\t" if "\t" in lines[0] else ";"
    decimal = "," if "," in lines[-1] else "."
    headers = lines[0].split(sep)
    rows = [line.split(sep) for line in lines[1:]]
    return headers, rows, decimal


def result_file(data, columns, out, digits=None):
    headers, rows, decimal = read_table(data)
    cells = []
    for name in columns:
        c = headers.index(name)
        values = [float(r[c].replace(",", ".")) for r in rows]
        if digits is not None:
            values = [round_to(v, digits) for v in values]
        column = []
        print(f"{data} {name} values {values}")
        for label, value in describe(values):
            if isinstance(value, int):
                text = str(value)
            else:
                text = general(round_to(value, digits) if digits is not None else value, decimal)
            print(f"  {label:24} {value!r:24} -> {text}")
            column += [label, text]
        cells.append(column)
    lines = ["\t".join(columns)] + ["\t".join(col[r] for col in cells) for r in range(42)]
    open(out, "wb").write("".join(line + "\r\n" for line in lines).encode("cp1252"))


if __name__ == "__main__":
    result_file("../data/due_colonne.txt", ["Peso", "Et\u00e0"], "descrittiva_due_colonne.txt")
    result_file("../data/due_colonne.txt", ["Et\u00e0"], "descrittiva_eta.txt")
    result_file("../data/virgola.txt", ["A", "B"], "descrittiva_virgola_arrotondata.txt", digits=1)
    sys.exit(0)
