#!/usr/bin/env python3
"""Reference figures for the batch tests: descriptive statistics, linear
regression (result table, chart data, fitted column) and T test.

Computed here from the definitions of the measures, independently of the
program, and written as the program's table file would hold them
(Windows-1252, tab separated, CR LF). Run it from this directory; it
rewrites the expected files and prints the figures for a reader to check.
"""
import decimal
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
    """Truncation toward zero of x * 10^d + 0.5, divided by 10^d; a negative
    number rounds as the mirror of its magnitude."""
    if math.isnan(x):
        return x
    if x < 0:
        return 0.0 - round_to(-x, d)
    f = 10.0 ** d
    return math.trunc(x * f + 0.5) / f


def geometric_average(s):
    """The general real power of the running product while that product
    stays a normal double; beyond, the exact mean from 60-digit logarithms."""
    n = len(s)
    if 0.0 in s:
        return 0.0
    negative = sum(1 for x in s if x < 0) % 2 == 1
    if negative and n > 1:
        return math.nan
    prod, normal = 1.0, True
    for x in s:
        prod *= x
        normal = normal and sys.float_info.min <= abs(prod) <= sys.float_info.max
    if normal:
        return prod if n == 1 else math.exp((1.0 / n) * math.log(prod))
    decimal.getcontext().prec = 60
    logs = sum(decimal.Decimal(abs(x)).ln() for x in s)
    return (-1 if negative else 1) * float((logs / n).exp())


def measure(v):
    """A measure whose computation overflowed is NAN."""
    return v if math.isfinite(v) else math.nan


def running_sum(terms):
    """Left to right, as the program adds (no compensated summation)."""
    total = 0.0
    for t in terms:
        total += t
    return total


def describe(values):
    s = sorted(values)
    n = len(s)
    total = rec = sq = 0.0
    lo, hi = 1e12, -1e12
    prev, repeat, maxfreq, mode = -1e12, 0, 0, 0.0
    for x in s:
        total += x
        rec += 1.0 / x if x != 0 else math.inf
        sq += x * x
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
    avg = measure(total / n)  # the later measures use it
    # A value 0 or a zero sum of reciprocals has no harmonic average.
    harmonic = n / rec if math.isfinite(rec) and rec != 0 else math.nan
    geometric = geometric_average(s)
    quadratic = measure(math.sqrt(sq / n))
    if n % 2:
        median, q1, q3 = s[n // 2], s[n // 4], s[(3 * n) // 4]
    else:
        median = (s[n // 2 - 1] + s[n // 2]) / 2
        q1 = avg if n // 4 - 1 < 0 else (s[n // 4 - 1] + s[n // 4]) / 2
        q3 = (s[(3 * n) // 4 - 1] + s[(3 * n) // 4]) / 2
    dev = running_sum((x - avg) * (x - avg) for x in s)
    absdev = running_sum(abs(x - avg) for x in s)
    var = measure(dev / (n - 1)) if n > 1 else math.nan
    sd = math.sqrt(var)
    if sd > 0:
        zs = [(x - avg) / sd for x in s]
        asym = measure(running_sum(z * z * z for z in zs) / n)
        kurt = measure(running_sum((z * z) * (z * z) for z in zs) / n - 3)
    else:  # a constant column or a single row has no shape
        asym = kurt = math.nan
    figures = [
        ("Average", avg), ("Variance", var), ("Sta.Dev.", sd), ("Count", n),
        ("Asymmetry", asym), ("Kurtosis", kurt), ("Median", median),
        ("Harmonic Average", harmonic), ("Geometric Average", geometric),
        ("Quadratic Average", quadratic), ("Root Mean Simple", absdev / n),
        ("Min", lo), ("Max", hi), ("Quartile 0/4", lo), ("Quartile 1/4", q1),
        ("Quartile 2/4", median), ("Quartile 3/4", q3), ("Quartile 4/4", hi),
        ("IQR interquartile range", q3 - q1), ("Mode", mode), ("Max frequency", maxfreq),
    ]
    return [(label, v if isinstance(v, int) else measure(v)) for label, v in figures]


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


def partition_sort(keys, companions, lo, hi):
    """The in-place partition sort with the middle value as pivot; both scans
    stop at values equal to the pivot, and every exchange moves both lists."""
    pivot = keys[(lo + hi) // 2]
    i, j = lo, hi
    while True:
        while keys[i] < pivot:
            i += 1
        while pivot < keys[j]:
            j -= 1
        if i <= j:
            keys[i], keys[j] = keys[j], keys[i]
            companions[i], companions[j] = companions[j], companions[i]
            i += 1
            j -= 1
        if i > j:
            break
    if lo < j:
        partition_sort(keys, companions, lo, j)
    if i < hi:
        partition_sort(keys, companions, i, hi)


def write_lines(path, lines):
    open(path, "wb").write("".join(line + "\r\n" for line in lines).encode("cp1252"))


def linear_regression(data, xname, yname, table_out, chart_out, copied_out):
    headers, rows, decimal = read_table(data)
    xc, yc = headers.index(xname), headers.index(yname)
    x = [float(r[xc]) for r in rows]
    y = [float(r[yc]) for r in rows]
    n = len(x)
    xs, ys = list(x), list(y)
    partition_sort(xs, ys, 0, n - 1)
    print(f"{data} sorted pairs {list(zip(xs, ys))}")
    lo, hi = 1e12, -1e12
    sx = sy = 0.0
    for a, b in zip(xs, ys):
        sx += a
        sy += b
        lo = min(lo, a)
        hi = max(hi, a)
    xm, ym = sx / n, sy / n
    varx = sum((a - xm) ** 2 for a in xs) / n
    cov = sum((a - xm) * (b - ym) for a, b in zip(xs, ys)) / n
    B = cov / varx
    A = ym - B * xm
    rss = sum((b - (A + B * a)) ** 2 for a, b in zip(xs, ys))
    tss = sum((b - ym) ** 2 for b in ys)
    rfit = 1 - rss / tss
    figures = [("X Average", xm), ("Y Average", ym), ("X Variance", varx), ("XY Covariance", cov),
               ("Count", n), ("A intercepts", A), ("B angular coefficient", B),
               ("RSS Residual Sum of Squares", rss), ("TSS Total Sum of Squares", tss), ("R fitting", rfit)]
    for label, v in figures:
        print(f"  {label:28} {v!r}")
    write_lines(table_out, ["Linear Regression\tY = A + B * X"] +
                [label + "\t" + (str(v) if isinstance(v, int) else general(v, decimal)) for label, v in figures])
    # One line per distinct x with the y of its first pair after the sort.
    g = lambda v: general(v, decimal)
    lines, last = ["x\tf(x)\tF(x)\t\tx\tF(x)"], -1e12
    for a, b in zip(xs, ys):
        if a != last:
            lines.append(g(a) + "\t" + g(b) + "\t" + g(A + B * a))
            last = a
    lines[1] += "\t" + g(lo) + "\t" + g(A + B * lo)
    lines[2] += "\t" + g(hi) + "\t" + g(A + B * hi)
    write_lines(chart_out, lines)
    # The data table with the fitted values of every row appended.
    write_lines(copied_out, ["\t".join(headers + ["RegLIN_" + yname + "_f" + xname])] +
                ["\t".join(r + [g(A + B * float(r[xc]))]) for r in rows])


# Two-tailed 5% critical values of Student's t for 1..10 degrees of freedom.
T_CRITICAL = {1: 12.706, 2: 4.303, 3: 3.182, 4: 2.776, 5: 2.571, 6: 2.447, 7: 2.365, 8: 2.306, 9: 2.262, 10: 2.228}


def t_test(data, first, second, out):
    headers, rows, decimal = read_table(data)
    cols = []
    for name in (first, second):
        c = headers.index(name)
        v = [float(r[c]) for r in rows]
        n = len(v)
        mean = sum(v) / n
        var = sum((a - mean) ** 2 for a in v) / (n - 1)
        cols.append(dict(mean=mean, var=var, sd=math.sqrt(var), min=min(v), max=max(v), n=n))
    n = cols[0]["n"]
    df = n + n - 2
    s = math.sqrt(((n - 1) * cols[0]["var"] + (n - 1) * cols[1]["var"]) / (n + n - 2) * ((n + n) / (n * n)))
    T = (cols[0]["mean"] - cols[1]["mean"]) / s
    L = T_CRITICAL[df]
    alike = -L <= T <= L
    print(f"{data} T test: {cols} df {df} s {s!r} T {T!r} L {L}")
    g = lambda v: general(v, decimal)
    table = []
    for label, key in (("Average", "mean"), ("Variance", "var"), ("Sta.Dev.", "sd"), ("Min", "min"), ("Max", "max")):
        table += [(label, label), (g(cols[0][key]), g(cols[1][key]))]
    table += [("Count", "Count"), (str(n), str(n)), ("", ""), ("T", g(T)), ("Degr.Freedom", str(df)),
              ("Limiti", "[-" + g(L) + "," + g(L) + "]"),
              ("-L<T<+L", "i gruppi sono simili") if alike else ("T<>L", "i gruppi NON sono simili"),
              ("Controllare", "=DISTRIB.T.2T(" + g(T) + ";" + str(df) + ")<=0,05 : Differenza significativa fra le medie")]
    write_lines(out, [first + "\t" + second] + [a + "\t" + b for a, b in table])


if __name__ == "__main__":
    result_file("../data/due_colonne.txt", ["Peso", "Et\u00e0"], "descrittiva_due_colonne.txt")
    result_file("../data/due_colonne.txt", ["Et\u00e0"], "descrittiva_eta.txt")
    result_file("../data/virgola.txt", ["A", "B"], "descrittiva_virgola_arrotondata.txt", digits=1)
    result_file("../data/temperature.txt", ["Temperatura", "Scarto", "Costante"], "descrittiva_temperature.txt")
    result_file("../data/temperature.txt", ["Scarto"], "descrittiva_scarto_arrotondata.txt", digits=1)
    linear_regression("../data/regressione.txt", "Mese", "Vendite", "lineare_tabella.txt",
                      "lineare_dati_grafico.txt", "lineare_copiata.txt")
    t_test("../data/ttest.txt", "Gruppo1", "Gruppo2", "test_t.txt")
    sys.exit(0)
