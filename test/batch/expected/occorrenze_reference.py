#!/usr/bin/env python3
"""Reference result table of the occurrences batch test.

Counts the distinct values the way the window's own description does it
(compare every row with every value met so far, then sort), independently of
the program, and writes the table file. Run it from this directory.
"""
from reference import general, read_table, round_to, write_lines


def occurrences(values):
    distinct, counts = [], []
    for v in values:
        if v in distinct:
            continue
        distinct.append(v)
        counts.append(sum(1 for w in values if w == v))
    pairs = sorted(zip(distinct, counts))
    return pairs


def occurrence_table(data, columns, out, digits=None):
    headers, rows, _ = data
    results = []
    for name in columns:
        c = headers.index(name)
        values = [float(row[c]) for row in rows]
        if digits is not None:
            values = [round_to(v, digits) for v in values]
        results.append(occurrences(values))
    header = []
    for name in columns:
        header += ["Occurrences", name]
    lines = ["\t".join(header)]
    for j in range(max(len(r) for r in results)):
        cells = []
        for r in results:
            value, count = r[j] if j < len(r) else (0.0, 0)
            cells += [str(count), general(value, ".")]
        lines.append("\t".join(cells))
    write_lines(out, lines)
    for line in lines:
        print(line)


if __name__ == "__main__":
    data = read_table("../data/occorrenze.txt")
    occurrence_table(data, ["Diametro", "Difetti"], "occorrenze_arrotondate.txt", digits=2)
    occurrence_table(data, ["Diametro"], "occorrenze_diametro.txt")
