#pragma once
// Text to number and number to text with the program-wide decimal separator,
// and the rounding and sorting helpers every analysis uses.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Optional spaces, optional sign, digits with at most one decimal separator
// (at least one digit), optional exponent, optional spaces. Nothing else.
std::optional<double> tryParseFloat(std::string_view text, char decimalSeparator);
// Throws "'%s' is not a valid floating point value".
double StrToFloat(std::string_view text, char decimalSeparator);
// Optional spaces, optional sign, decimal digits, within 32 bits; throws
// "'%s' is not a valid integer value".
int StrToInt(std::string_view text);

// The general number format: at most 15 significant digits, no trailing
// zeros, fixed notation for decimal exponents -3 to 15 (0.0001, any integer
// of up to 15 digits), otherwise 1E-5 or 1.5E20; "NAN", "INF", "-INF".
std::string FloatToStr(double value, char decimalSeparator);
std::string IntToStr(long long value);

// The integer part of Numero * 10^Decimali + 0.5, divided by 10^Decimali;
// a negative number rounds as the mirror of its magnitude (-2.5 gives -3).
double ArrotondaNumero(double Numero, int Decimali);

// Digit counts typed by the user: nearest integer, ties to even.
long long roundHalfEven(double value);

// The partition sort of a range [inizio, fine] of keys, moving `companions`
// (may be null) along with every move of a key. It follows the classic
// exchange order exactly, so the companion of a repeated key always ends in
// the same place; it recurses only into the smaller part, so its depth stays
// below log2(n) whatever the data. Data that would make it quadratic (more
// than 4 n log2 n comparisons) are sorted stably instead: equal keys keep
// their row order.
void partitionSort(double* keys, double* companions, int inizio, int fine);

// Ascending order for any doubles without NaN; for big ranges in linear
// time. For sorts whose order among equal keys does not matter.
void sortAscending(double* values, std::size_t n);

void OrdinaVettoriAlgoritmoQuickSortReali(std::vector<double>& A, std::vector<double>& B, int InizioVettore,
                                          int FineVettore);

// Every "from" character of a text replaced by `to`; a `from` that is not a
// single character never matches.
std::string CambiaCarattere(std::string_view Stringa, std::string_view Carattere_Attuale,
                            std::string_view Carattere_Nuovo);

}  // namespace velmora
