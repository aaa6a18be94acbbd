#!/usr/bin/env python3
"""Reference figures for the batch tests of the analysis of variance, the
correlation and the autocorrelation, computed here from the definitions,
independently of the program. Run it from this directory; it rewrites the
expected files and prints the figures for a reader to check."""
from reference import general, read_table, write_lines

# Upper 5% points of F for the degrees of freedom these tables use.
F95 = {(2, 21): 3.47}


def anova(data, names, out):
    headers, rows, decimal = read_table(data)
    groups = [[float(r[headers.index(name)]) for r in rows] for name in names]
    n, k = len(rows), len(groups)
    means = [sum(g) / n for g in groups]
    sums = [sum((v - m) ** 2 for v in g) for g, m in zip(groups, means)]
    G = sum(sum(g) for g in groups) / (k * n)
    ssw = sum(sums)
    tss = sum((v - G) ** 2 for g in groups for v in g)
    ssb = tss - ssw
    dfb, dfw = k - 1, n * k - k
    F = (ssb / dfb) / (ssw / dfw)
    f95 = F95[(dfb, dfw)]
    print(f"{data} ANOVA: means {means} SSW {ssw!r} G {G!r} TSS {tss!r} SSB {ssb!r} F {F!r} F95 {f95}")
    g = lambda v: general(v, decimal)
    table = [[""] * k for _ in range(16)]
    for j in range(k):
        for row, text in enumerate(["Average", g(means[j]), "Sum.Variance", g(sums[j]), "Count", str(n)]):
            table[row][j] = text
    equal = f95 >= F
    labelled = [("SSW - Sum of Squares Within Groups", g(ssw)), ("Total Average", g(G)),
                ("TSS - Total Sum of Squares", g(tss)), ("SSB - Sum of Squares Between", g(ssb)),
                ("SSB.Degr.Freedom", str(dfb)), ("SSW.Degr.Freedom", str(dfw)), ("T", g(F)),
                ("F(95%) - Fisher-Snedecor", g(f95)),
                ("T < F", "Risulta valida l'ipotesi nulla che prevedeva l'assenza di effetti e si afferma che i "
                          "gruppi sono uguali tra loro.") if equal else
                ("T > F", "Si rigetta l'ipotesi nulla che prevedeva l'assenza di effetti e si afferma che molto "
                          "probabilmente almeno uno dei gruppi è diverso dagli altri. Forse tutti i gruppi sono "
                          "diversi uno dall'altro, forse solo uno di loro.")]
    for i, (label, value) in enumerate(labelled):
        table[7 + i][0], table[7 + i][1] = label, value
    write_lines(out, ["\t".join(names)] + ["\t".join(r) for r in table])


def ranks(values):
    """Rank 1 for the smallest, n for the largest; equal values share the
    mean of the ranks they take (counted by comparing every pair)."""
    out = []
    for v in values:
        below = sum(1 for w in values if w < v)
        equal = sum(1 for w in values if w == v)
        out.append(below + (equal + 1) / 2)
    return out


def pearson(a, b):
    n = len(a)
    ma, mb = sum(a) / n, sum(b) / n
    sab = sum((x - ma) * (y - mb) for x, y in zip(a, b))
    saa = sum((x - ma) ** 2 for x in a)
    sbb = sum((y - mb) ** 2 for y in b)
    return ma, mb, (saa / (n - 1)) ** 0.5, (sbb / (n - 1)) ** 0.5, sab / (n - 1), sab / (saa ** 0.5 * sbb ** 0.5)


def verdict(r):
    if -0.1 < r <= 0.1:
        return "Nessuna correlazione tra le serie"
    if -0.5 < r <= 0.5:
        return "Scarsa correlazione tra le serie"
    if -0.7 < r <= 0.7:
        return "Buona correlazione tra le serie"
    return "Ottima correlazione tra le serie"


def correlation(data, x, y, kind, out):
    headers, rows, decimal = read_table(data)
    a = [float(r[headers.index(x)]) for r in rows]
    b = [float(r[headers.index(y)]) for r in rows]
    if kind == "Spearman":
        a, b = ranks(a), ranks(b)
    ma, mb, sa, sb, cov, r = pearson(a, b)
    print(f"{data} {kind}: {ma!r} {mb!r} {sa!r} {sb!r} {cov!r} r {r!r}")
    g = lambda v: general(v, decimal)
    lines = ["Parameter\tValue", f"Average({x})\t{g(ma)}", f"Average({y})\t{g(mb)}", f"StdDev({x})\t{g(sa)}",
             f"StdDev({y})\t{g(sb)}", f"Covariance\t{g(cov)}", f"{kind}\t{g(r)}", f"Verifica\t{verdict(r)}"]
    if kind == "Spearman":
        lines += ["\t", f"Rank({x})\tRank({y})"] + [g(p) + "\t" + g(q) for p, q in zip(a, b)]
    write_lines(out, lines)


def autocorrelation(data, name, out):
    headers, rows, decimal = read_table(data)
    y = [float(r[headers.index(name)]) for r in rows]
    n = len(y)
    mean = sum(y) / n
    lines = ["K\tCorrelation"]
    for k in range(1, n // 4 + 1):
        num = sum((y[t] - mean) * (y[t - k] - mean) for t in range(k, n))
        den = sum((y[t] - mean) ** 2 for t in range(k, n))
        r = num / den if den != 0 else 0.0
        print(f"{data} {name} R{k} = {num!r} / {den!r} = {r!r}")
        lines.append(f"{k}\t{general(r, decimal)}")
    write_lines(out, lines)


if __name__ == "__main__":
    anova("../data/gruppi.txt", ["Concime A", "Concime B", "Concime C"], "anova.txt")
    correlation("../data/serie.txt", "Temperatura", "Gelati", "Pearson", "pearson.txt")
    correlation("../data/serie.txt", "Temperatura", "Gelati", "Spearman", "spearman.txt")
    autocorrelation("../data/serie.txt", "Gelati", "autocorrelazione.txt")
