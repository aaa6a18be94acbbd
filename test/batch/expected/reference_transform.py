#!/usr/bin/env python3
"""Reference files for the batch tests of the column operations and the data
filter, on a table of 300 weather measurements (written here too, from a
fixed seed, as data/meteo.txt).

The figures come from Python's own arithmetic on the table's values, in the
order the formulas state them, and are written as the program writes its
files (Windows-1252, tab separated, CR LF). Run it from this directory.
"""
import math
import random

from reference import general, write_lines

rnd = random.Random(21)
rows = []
t, p = 18.0, 1012.0
for i in range(300):
    t = round(min(34.0, max(2.0, t + rnd.uniform(-1.5, 1.5))), 1)
    p = round(min(1040.0, max(985.0, p + rnd.uniform(-2.5, 2.5))), 1)
    rows.append(("%d" % (i + 1), "%.1f" % t, "%.1f" % p))
headers = ["Giorno", "Temperatura", "Pressione"]
write_lines("../data/meteo.txt", ["\t".join(headers)] + ["\t".join(r) for r in rows])
T = [float(r[1]) for r in rows]
P = [float(r[2]) for r in rows]
n = len(rows)


def percent(x):
    """The "#.####0" pattern."""
    s = "%.5f" % x
    return s[1:] if s.startswith("0.") else s


def summary(valid, vsum, rsum):
    lines = [
        "The equation is valid %d times out of %d" % (valid, n),
        "The equation is valid " + percent(valid * 100 / n) + "%",
        "The sum of the positive conditions is " + general(vsum, "."),
        "The average of the positive conditions is " + general(vsum / valid if valid else 0.0, "."),
        "The equation is not valid %d times out of %d" % (n - valid, n),
        "The equation is not valid " + percent((n - valid) * 100 / n) + "%",
        "The sum of the rejected conditions is " + general(rsum, "."),
        "The average of the rejected conditions is " + general(rsum / (n - valid) if n - valid else 0.0, "."),
    ]
    out = []
    for line in lines:
        out += [line, ""]
    return out[:-1]


# [Temperatura]*2+SIN([Pressione])/(1+[Temperatura]^2): every row valid.
values = [2 * t + math.sin(p) / (1 + t * t) for t, p in zip(T, P)]
write_lines("operazioni_formula.txt", [""] + [general(v, ".") for v in values])
total = 0.0
for v in values:
    total += v
write_lines("operazioni_formula_riassunto.txt", summary(n, total, 0.0))

# [Pressione]>[Pressione-]: the days the pressure rose; the first row is not
# computed and reads "0".
cells = ["0"]
valid, vsum, rsum = 0, 0.0, 0.0
for r in range(1, n):
    if P[r] > P[r - 1]:
        valid += 1
        vsum += P[r]
        cells.append(general(P[r], "."))
    else:
        rsum += P[r]
        cells.append("")
write_lines("operazioni_salita.txt", [""] + cells)
write_lines("operazioni_salita_riassunto.txt", summary(valid, vsum, rsum))
# Copied into the data table under the name typed.
write_lines("operazioni_salita_copiata.txt",
            ["\t".join(headers + ["Salita"])] + ["\t".join(r + (c,)) for r, c in zip(rows, cells)])

# 15<[Temperatura]<25: the filter keeps whole rows; the
# data table then becomes them.
kept = [r for r, t, p in zip(rows, T, P) if 15 < t < 25]
write_lines("filtro_temperatura.txt", ["\t".join(headers)] + ["\t".join(r) for r in kept])
print("rows", n, "rose", valid, "kept by the filter", len(kept))
