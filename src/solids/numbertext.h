// Numbers as the system reads and writes them: readNumber, formatWithMask and the general texts
// of a double. "." is the decimal point everywhere, whatever the locale.
#pragma once

#include <QString>
#include <QStringView>

namespace ostrel {

// The leading number of a text. Blanks, tabs and line feeds are skipped wherever they stand;
// optional sign, digits, "." as the only decimal point, optional exponent (E or D); "&H" and
// "&O" introduce hexadecimal and octal whole numbers; reading stops at the first other
// character. A text that starts with no number, or a number beyond the range of a double,
// reads as 0.
double readNumber(QStringView text);

// What the leading number of a text is, as readNumber reads it: nothing but blanks, no number
// at all ("abc", "-", "."), a number, or a number beyond the range of a double ("1e400",
// "1e-400"), which readNumber reads as 0.
enum class NumberForm { Blank, None, Number, OutOfRange };
NumberForm numberForm(QStringView text);

// value written with a mask of "#" placeholders and "." ("#####", "####.##", "#####.###",
// "####.00"): halves away from zero, judged on the shortest decimal form of the double; no
// leading zero; decimals without trailing zeros except for "0" placeholders; "." always.
QString formatWithMask(double value, QStringView mask);

// The general text of a double: up to 15 significant digits, "." as decimal point, no leading
// space, no point for a whole number ("1234", "77.07", "0.5", "-3.25", "1E+20").
QString generalText(double value);

// The same number with a leading sign character: a space when positive or zero, "-" otherwise,
// and no zero before the point (" 3", " .5", "-12.5").
QString signedText(double value);

} // namespace ostrel
