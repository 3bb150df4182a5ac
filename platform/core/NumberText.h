#pragma once

// Numbers as text, independent of the process locale: the decimal separator is always '.'.

#include <string>
#include <string_view>

// The leading number of text, as the C library's atof reads it: leading blanks skipped, an
// optional sign, digits with an optional fraction and exponent. 0 when the text does not start
// with a number. A magnitude beyond the range of double gives +-infinity.
double leadingDouble(std::string_view text);

// The leading integer of text, as atoi reads it; values beyond the range of int are clamped
// to INT_MIN / INT_MAX instead of overflowing.
int leadingInt(std::string_view text);

// True when the whole text, apart from blanks (spaces and tabs) around it, is one decimal
// number: optional sign, digits with an optional '.' and fraction (at least one digit in all),
// optional exponent ("e" or "E", optional sign, digits). No hex, no "inf" or "nan".
bool isNumberText(std::string_view text);

// value with precision decimals (clamped to 0..17), rounded to nearest. With fixedDecimals
// false the trailing zeros of the fraction and a bare '.' are dropped ("12.5", "100"); with
// true exactly precision decimals remain ("12.50"). A negative zero reads "0"; non-finite
// values read "inf", "-inf" or "nan".
std::string formatNumber(double value, int precision, bool fixedDecimals);
