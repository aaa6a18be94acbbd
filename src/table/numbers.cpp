#include "table/numbers.h"

#include <charconv>
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <limits>
#include <memory>

#include "controls/failures.h"

namespace velmora {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<double> tryParseFloat(std::string_view text, char decimalSeparator)
{
    std::size_t i = 0;
    std::size_t end = text.size();
    while (i < end && text[i] == ' ') ++i;
    while (end > i && text[end - 1] == ' ') --end;

    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Mantissa: digits with at most one separator.
    const std::size_t mantissaStart = i;
    int digits = 0;
    bool separatorSeen = false;
    for (; i < end; ++i) {
        if (isDigit(text[i])) ++digits;
        else if (text[i] == decimalSeparator && !separatorSeen) separatorSeen = true;
        else break;
    }
    if (digits == 0) return std::nullopt;
    const std::string_view mantissaText = text.substr(mantissaStart, i - mantissaStart);
    long long exponent = 0;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            expNegative = text[i] == '-';
            ++i;
        }
        if (i >= end || !isDigit(text[i])) return std::nullopt;
        for (; i < end && isDigit(text[i]); ++i) {
            if (exponent < 1000000) exponent = exponent * 10 + (text[i] - '0');
        }
        if (expNegative) exponent = -exponent;
    }
    if (i != end) return std::nullopt;

    // The significant digits (from the first nonzero one) and the decimal
    // exponent of the value 0.d1d2d3... * 10^scale.
    std::uint64_t mantissa = 0;
    int significant = 0;
    int fractionDigits = 0;  // of the first 19 significant digits
    long long integerDigits = 0;  // significant digits before the separator
    long long leadingFractionZeros = 0;
    bool inFraction = false;
    for (char c : mantissaText) {
        if (c == decimalSeparator) {
            inFraction = true;
            continue;
        }
        if (significant == 0 && c == '0') {
            if (inFraction) ++leadingFractionZeros;
            continue;
        }
        ++significant;
        if (!inFraction) ++integerDigits;
        if (significant <= 19) {
            mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
            if (inFraction) ++fractionDigits;
        }
    }
    if (significant == 0) return negative ? -0.0 : 0.0;

    // Both the integer and the power of ten are exact doubles, so one
    // multiplication or division rounds correctly: most table cells end here.
    static constexpr double powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (significant <= 19 && mantissa <= (1ULL << 53)) {
        const long long scale = exponent - fractionDigits - leadingFractionZeros;
        if (scale >= -22 && scale <= 22) {
            const double m = static_cast<double>(mantissa);
            const double v = scale < 0 ? m / powers[-scale] : m * powers[scale];
            return negative ? -v : v;
        }
    }

    // Otherwise the full conversion, on "0.<significant digits>e<scale>".
    const long long scale = exponent + (integerDigits > 0 ? integerDigits : -leadingFractionZeros);
    if (scale > 400) return std::nullopt;  // far beyond the largest double
    if (scale < -400) return negative ? -0.0 : 0.0;
    std::string buffer = "0.";
    buffer.reserve(static_cast<std::size_t>(significant) + 12);
    bool started = false;
    for (char c : mantissaText) {
        if (c == decimalSeparator || (!started && c == '0')) continue;
        started = true;
        buffer += c;
    }
    buffer += 'e';
    buffer += std::to_string(scale);
    double value = 0.0;
    const auto result = std::from_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (scale > 0) return std::nullopt;
        value = 0.0;
    } else if (result.ec != std::errc() || result.ptr != buffer.data() + buffer.size()) {
        return std::nullopt;
    }
    if (std::isinf(value)) return std::nullopt;
    return negative ? -value : value;
}

double StrToFloat(std::string_view text, char decimalSeparator)
{
    const auto v = tryParseFloat(text, decimalSeparator);
    if (!v) throwNotAFloat(std::string(text));
    return *v;
}

int StrToInt(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    std::size_t end = text.size();
    while (end > i && text[end - 1] == ' ') --end;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= end) throwNotAnInteger(std::string(text));
    long long value = 0;
    for (; i < end; ++i) {
        if (!isDigit(text[i])) throwNotAnInteger(std::string(text));
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL) throwNotAnInteger(std::string(text));
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        throwNotAnInteger(std::string(text));
    return static_cast<int>(value);
}

namespace {

// A positive number as significant digits d1 d2 d3 ... and the exponent of
// the value d1.d2d3... * 10^exp10.
struct Digits {
    char digits[17];
    int count = 0;
    int exp10 = 0;
};

// Reads to_chars's scientific form "d.ddde+xx" of a positive number.
Digits readScientific(const char* p)
{
    Digits d;
    d.digits[d.count++] = *p++;
    if (*p == '.') ++p;
    while (isDigit(*p) && d.count < 17) d.digits[d.count++] = *p++;
    while (*p != 'e') ++p;
    for (const char* q = p + 2; isDigit(*q); ++q) d.exp10 = d.exp10 * 10 + (*q - '0');
    if (p[1] == '-') d.exp10 = -d.exp10;
    return d;
}

// A positive value rounded to 15 significant digits, to nearest.
Digits fifteenDigits(double value)
{
    char buf[64];
    *std::to_chars(buf, buf + sizeof buf - 1, value, std::chars_format::scientific).ptr = '\0';
    // The shortest digits that read back as a normal value (fast to get).
    // Rounded to 15 they give what the value's exact digits give, as no
    // 15-digit midpoint lies between the two; except when they are that
    // midpoint themselves ("...5" as the 16th and last digit), where only the
    // exact digits can tell. A subnormal value has fewer than 15 exact digits
    // of precision, so its shortest digits are too few.
    Digits d = readScientific(buf);
    if (d.count <= 15 && std::isnormal(value)) return d;
    if (!std::isnormal(value) || (d.count == 16 && d.digits[15] == '5')) {
        *std::to_chars(buf, buf + sizeof buf - 1, value, std::chars_format::scientific, 14).ptr = '\0';
        return readScientific(buf);
    }
    const bool up = d.digits[15] >= '5';
    d.count = 15;
    if (up) {
        int i = 14;
        while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {  // 9.99...9 rounds to 10
            d.digits[0] = '1';
            ++d.exp10;
        }
    }
    return d;
}

}  // namespace

std::string FloatToStr(double value, char decimalSeparator)
{
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0.0) return "0";

    const bool negative = value < 0;
    Digits d = fifteenDigits(std::fabs(value));
    const char* digits = d.digits;
    int count = d.count;
    const int exp10 = d.exp10;
    while (count > 1 && digits[count - 1] == '0') --count;

    // Decimal exponent in the 0.ddd * 10^e sense. The text is built in a
    // buffer and copied once: this runs for every cell of a result table.
    const int e = exp10 + 1;
    char out[32];
    char* o = out;
    const auto put = [&o](const char* from, int n) {
        std::memcpy(o, from, static_cast<std::size_t>(n));
        o += n;
    };
    const auto zeros = [&o](int n) {
        std::memset(o, '0', static_cast<std::size_t>(n));
        o += n;
    };
    if (negative) *o++ = '-';
    if (e >= -3 && e <= 15) {
        if (e <= 0) {
            *o++ = '0';
            *o++ = decimalSeparator;
            zeros(-e);
            put(digits, count);
        } else if (count <= e) {
            put(digits, count);
            zeros(e - count);
        } else {
            put(digits, e);
            *o++ = decimalSeparator;
            put(digits + e, count - e);
        }
    } else {
        *o++ = digits[0];
        if (count > 1) {
            *o++ = decimalSeparator;
            put(digits + 1, count - 1);
        }
        *o++ = 'E';
        o = std::to_chars(o, out + sizeof out, exp10).ptr;
    }
    return std::string(out, o);
}

std::string IntToStr(long long value) { return std::to_string(value); }

double ArrotondaNumero(double Numero, int Decimali)
{
    // Negative numbers round as the mirror of positive ones, so halves go
    // away from zero on both sides; a result of zero is +0, never "-0".
    if (std::isless(Numero, 0.0)) return 0.0 - ArrotondaNumero(-Numero, Decimali);
    double factor = 1.0;
    // Past 10^308 the factor would be infinite, and a huge count would
    // spend its steps for nothing.
    for (int i = 1; i <= Decimali; ++i) {
        if (factor > std::numeric_limits<double>::max() / 10.0) throw MathError(msg::overflow);
        factor *= 10.0;
    }
    const double shifted = Numero * factor + 0.5;
    // A quiet comparison: the integer part of a not-a-number is itself, no fault.
    if (std::isless(std::fabs(shifted), 1.0)) return 0.0;
    return std::trunc(shifted) / factor;
}

long long roundHalfEven(double value) { return static_cast<long long>(std::nearbyint(value)); }

namespace {

// The exchange sort itself. Every key comparison spends one unit of
// `budget`; false when it ran out (the range is then half sorted).
bool partitionSortWithin(double* keys, double* companions, int inizio, int fine, long long& budget)
{
    while (inizio < fine) {
        const double pivot = keys[(inizio + fine) / 2];
        int i = inizio;
        int j = fine;
        do {
            while (--budget > 0 && keys[i] < pivot) ++i;
            while (--budget > 0 && pivot < keys[j]) --j;
            if (budget <= 0) return false;
            if (i <= j) {
                std::swap(keys[i], keys[j]);
                if (companions) std::swap(companions[i], companions[j]);
                ++i;
                --j;
            }
        } while (i <= j);
        // The two parts are disjoint, so sorting the smaller one first and
        // looping on the larger gives the same result with bounded depth.
        if (j - inizio < fine - i) {
            if (inizio < j && !partitionSortWithin(keys, companions, inizio, j, budget)) return false;
            inizio = i;
        } else {
            if (i < fine && !partitionSortWithin(keys, companions, i, fine, budget)) return false;
            fine = j;
        }
    }
    return true;
}

}  // namespace

void partitionSort(double* keys, double* companions, int inizio, int fine)
{
    if (inizio >= fine) return;
    const std::size_t n = static_cast<std::size_t>(fine - inizio) + 1;
    // Ordinary data sort in well under 2 n log2 n comparisons; some shapes
    // (a column that rises and then falls) drive the middle pivot towards
    // n^2. Past 4 n log2 n the range starts again from its original order
    // with a stable sort, which keeps equal keys in row order.
    long long budget = static_cast<long long>(4.0 * static_cast<double>(n) * std::log2(static_cast<double>(n))) + 64;
    const std::vector<double> originalKeys(keys + inizio, keys + fine + 1);
    std::vector<double> originalCompanions;
    if (companions) originalCompanions.assign(companions + inizio, companions + fine + 1);
    if (partitionSortWithin(keys, companions, inizio, fine, budget)) return;

    std::vector<std::size_t> order(n);
    for (std::size_t k = 0; k < n; ++k) order[k] = k;
    // Not-a-number after every number, so the order stays strict.
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const double x = originalKeys[a], y = originalKeys[b];
        return std::isless(x, y) || (!std::isnan(x) && std::isnan(y));
    });
    for (std::size_t k = 0; k < n; ++k) {
        keys[inizio + k] = originalKeys[order[k]];
        if (companions) companions[inizio + k] = originalCompanions[order[k]];
    }
}

void sortAscending(double* values, std::size_t n)
{
    if (n < 512) {
        std::sort(values, values + n);
        return;
    }
    // Least-significant-digit radix sort on the bit patterns, mapped so that
    // unsigned order is numeric order: linear time for big columns.
    auto key = [](double d) {
        std::uint64_t u;
        std::memcpy(&u, &d, sizeof u);
        return (u & 0x8000000000000000ULL) ? ~u : (u | 0x8000000000000000ULL);
    };
    // Both buffers are written before they are read: no zeroing.
    auto a = std::make_unique_for_overwrite<std::uint64_t[]>(n);
    auto b = std::make_unique_for_overwrite<std::uint64_t[]>(n);
    for (std::size_t i = 0; i < n; ++i) a[i] = key(values[i]);
    constexpr int bits = 11;
    constexpr std::uint64_t mask = (1U << bits) - 1;
    std::vector<std::size_t> count(mask + 1);
    for (int shift = 0; shift < 64; shift += bits) {
        std::fill(count.begin(), count.end(), 0);
        for (std::size_t i = 0; i < n; ++i) ++count[(a[i] >> shift) & mask];
        if (count[(a[0] >> shift) & mask] == n) continue;  // every key shares this digit
        std::size_t total = 0;
        for (auto& c : count) {
            const std::size_t here = c;
            c = total;
            total += here;
        }
        for (std::size_t i = 0; i < n; ++i) b[count[(a[i] >> shift) & mask]++] = a[i];
        a.swap(b);
    }
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint64_t k = a[i];
        const std::uint64_t u = (k & 0x8000000000000000ULL) ? (k & ~0x8000000000000000ULL) : ~k;
        std::memcpy(&values[i], &u, sizeof u);
    }
}

void OrdinaVettoriAlgoritmoQuickSortReali(std::vector<double>& A, std::vector<double>& B, int InizioVettore,
                                          int FineVettore)
{
    partitionSort(A.data(), B.data(), InizioVettore, FineVettore);
}

std::string CambiaCarattere(std::string_view Stringa, std::string_view Carattere_Attuale,
                            std::string_view Carattere_Nuovo)
{
    // One character of the text, in UTF-8, is a lead byte and its
    // continuation bytes.
    auto charLength = [](unsigned char c) {
        if (c < 0x80) return 1;
        if ((c >> 5) == 0x6) return 2;
        if ((c >> 4) == 0xE) return 3;
        if ((c >> 3) == 0x1E) return 4;
        return 1;
    };
    const bool single = !Carattere_Attuale.empty() &&
                        static_cast<std::size_t>(charLength(static_cast<unsigned char>(Carattere_Attuale[0]))) ==
                            Carattere_Attuale.size();
    if (!single) return std::string(Stringa);
    std::string out;
    out.reserve(Stringa.size());
    for (std::size_t i = 0; i < Stringa.size();) {
        const std::size_t len = std::min<std::size_t>(charLength(static_cast<unsigned char>(Stringa[i])), Stringa.size() - i);
        const std::string_view ch = Stringa.substr(i, len);
        if (ch == Carattere_Attuale) out.append(Carattere_Nuovo);
        else out.append(ch);
        i += len;
    }
    return out;
}

}  // namespace velmora
