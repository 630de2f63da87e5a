#include "solids/numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace ostrel {

namespace {

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// A whole number after "&H" or "&O". Blanks may stand between the digits as anywhere else.
double readWholeNumberInBase(const QChar* p, const QChar* end, int base) {
    double value = 0;
    for (; p != end; ++p) {
        const char16_t c = p->unicode();
        if (isBlank(c)) continue;
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            break;
        if (digit >= base) break;
        value = value * base + digit;
    }
    return std::isfinite(value) ? value : 0.0;
}

// The digits of a double in scientific form: digits without point, and the power of ten of
// the first digit.
struct Decimal {
    char digits[32];
    int count = 0;
    int exponent = 0;
};

// Shortest round-trip digits of a finite, non-zero magnitude.
void shortestDigits(double magnitude, Decimal& out) {
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
    const char* p = buf;
    int n = 0;
    for (; p != res.ptr && *p != 'e'; ++p)
        if (*p != '.') out.digits[n++] = *p;
    out.count = n;
    int exp = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), res.ptr, exp);
    out.exponent = exp;
}

// Digits of magnitude rounded to 15 significant digits, trailing zeros removed. Near the
// largest double the rounding can go beyond it (1.7976931348623157E+308 would give
// 1.79769313486232E+308, which no double holds); the digits are then cut instead of rounded,
// so that the text reads back as a finite number of the same magnitude.
void digits15(double magnitude, Decimal& out) {
    char buf[40];
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
    double back = 0;
    if (std::from_chars(buf, res.ptr, back).ec == std::errc::result_out_of_range) {
        // The shortest round-trip form of a finite double reads back; its first 15 digits,
        // cut, stay below it.
        res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
        char* e = std::find(buf, res.ptr, 'e');
        const std::ptrdiff_t keep = std::min<std::ptrdiff_t>(e - buf, 16); // "d." and 14
        std::memmove(buf + keep, e, std::size_t(res.ptr - e));
        res.ptr = buf + keep + (res.ptr - e);
    }
    const char* p = buf;
    int n = 0;
    for (; p != res.ptr && *p != 'e'; ++p)
        if (*p != '.') out.digits[n++] = *p;
    while (n > 1 && out.digits[n - 1] == '0')
        --n;
    out.count = n;
    int exp = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), res.ptr, exp);
    out.exponent = exp;
}

// The few texts that need no allocation.
const QString& emptyText() {
    static const QString s;
    return s;
}
const QString& pointText() {
    static const QString s = QStringLiteral(".");
    return s;
}

// Exact powers of ten as doubles.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The common case read in one pass: at most 15 significant digits and a power of ten within
// 10^±22, where one multiplication or division by an exact power gives the correctly rounded
// double. Returns false when the text needs the general reading.
bool readPlainDecimal(const QChar* p, const QChar* end, double& out) {
    bool negative = false;
    if (p->unicode() == u'-' || p->unicode() == u'+') {
        negative = p->unicode() == u'-';
        ++p;
    }
    std::uint64_t mantissa = 0;
    int significant = 0;
    int scale = 0;
    bool point = false;
    bool anyDigit = false;
    for (; p != end; ++p) {
        const char16_t c = p->unicode();
        if (isDigit(c)) {
            anyDigit = true;
            if (mantissa == 0 && c == u'0') {
                if (point) --scale;
                continue;
            }
            if (++significant > 15) return false;
            mantissa = mantissa * 10 + (c - u'0');
            if (point) --scale;
        } else if (c == u'.' && !point) {
            point = true;
        } else if (!isBlank(c)) {
            break;
        }
    }
    if (!anyDigit) {
        out = 0.0;
        return true;
    }
    int exponent = 0;
    if (p != end && (p->unicode() == u'E' || p->unicode() == u'e' || p->unicode() == u'D' ||
                     p->unicode() == u'd')) {
        ++p;
        while (p != end && isBlank(p->unicode()))
            ++p;
        bool expNegative = false;
        if (p != end && (p->unicode() == u'-' || p->unicode() == u'+')) {
            expNegative = p->unicode() == u'-';
            ++p;
        }
        for (; p != end; ++p) {
            const char16_t c = p->unicode();
            if (isDigit(c)) {
                if (exponent > 1000) return false;
                exponent = exponent * 10 + (c - u'0');
            } else if (!isBlank(c)) {
                break;
            }
        }
        if (expNegative) exponent = -exponent;
    }
    if (mantissa == 0) {
        out = 0.0;
        return true;
    }
    const int e = exponent + scale;
    if (e < -22 || e > 22) return false;
    double v = double(mantissa);
    v = e < 0 ? v / kPowersOfTen[-e] : v * kPowersOfTen[e];
    out = negative ? -v : v;
    return true;
}

double readDecimal(const QChar* p, const QChar* end);

} // namespace

double readNumber(QStringView text) {
    const QChar* p = text.data();
    const QChar* const end = p + text.size();
    while (p != end && isBlank(p->unicode()))
        ++p;
    if (p == end) return 0.0;

    if (p->unicode() == u'&') {
        const QChar* q = p + 1;
        while (q != end && isBlank(q->unicode()))
            ++q;
        if (q == end) return 0.0;
        const char16_t c = q->unicode();
        if (c == u'H' || c == u'h') return readWholeNumberInBase(q + 1, end, 16);
        if (c == u'O' || c == u'o') return readWholeNumberInBase(q + 1, end, 8);
        return 0.0;
    }

    double fast = 0.0;
    if (readPlainDecimal(p, end, fast)) return fast;
    return readDecimal(p, end);
}

NumberForm numberForm(QStringView text) {
    const QChar* p = text.data();
    const QChar* const end = p + text.size();
    while (p != end && isBlank(p->unicode()))
        ++p;
    if (p == end) return NumberForm::Blank;
    if (p->unicode() == u'&') {
        // "&H" or "&O" and a digit of the base; readWholeNumberInBase never leaves the range.
        ++p;
        while (p != end && isBlank(p->unicode()))
            ++p;
        if (p == end) return NumberForm::None;
        const char16_t c = p->unicode();
        const bool hex = c == u'H' || c == u'h';
        if (!hex && c != u'O' && c != u'o') return NumberForm::None;
        for (++p; p != end && isBlank(p->unicode()); ++p) {
        }
        if (p == end) return NumberForm::None;
        const char16_t d = p->unicode();
        const bool digit =
            hex ? (isDigit(d) || (d >= u'a' && d <= u'f') || (d >= u'A' && d <= u'F'))
                : (d >= u'0' && d <= u'7');
        return digit ? NumberForm::Number : NumberForm::None;
    }
    if (p->unicode() == u'-' || p->unicode() == u'+') ++p;
    bool anyDigit = false;
    bool nonZeroDigit = false;
    bool point = false;
    for (; p != end; ++p) {
        const char16_t c = p->unicode();
        if (isDigit(c)) {
            anyDigit = true;
            nonZeroDigit = nonZeroDigit || c != u'0';
        } else if (c == u'.' && !point) {
            point = true;
        } else if (!isBlank(c)) {
            break;
        }
    }
    if (!anyDigit) return NumberForm::None;
    // Digits that are not all zeros and still read as 0 lie beyond the range of a double.
    if (nonZeroDigit && readNumber(text) == 0.0) return NumberForm::OutOfRange;
    return NumberForm::Number;
}

namespace {

// The general reading of a decimal number from p (blanks already skipped): the number is
// gathered, without blanks, into a plain buffer for std::from_chars.
double readDecimal(const QChar* p, const QChar* end) {
    std::array<char, 96> small;
    std::string large;
    char* buf = small.data();
    std::size_t cap = small.size();
    std::size_t n = 0;
    auto put = [&](char c) {
        if (n == cap) {
            if (buf == small.data()) large.assign(buf, n);
            large.resize(cap * 2);
            buf = large.data();
            cap = large.size();
        }
        buf[n++] = c;
    };

    bool negative = false;
    if (p->unicode() == u'-' || p->unicode() == u'+') {
        negative = p->unicode() == u'-';
        ++p;
    }
    bool anyDigit = false;
    bool point = false;
    for (; p != end; ++p) {
        const char16_t c = p->unicode();
        if (isBlank(c)) continue;
        if (isDigit(c)) {
            // Leading zeros carry nothing and would only grow the buffer.
            if (!(c == u'0' && !point && n == 0)) put(char(c));
            anyDigit = true;
        } else if (c == u'.' && !point) {
            point = true;
            put('.');
        } else {
            break;
        }
    }
    if (!anyDigit) return 0.0;
    const std::size_t mantissaEnd = n;
    if (p != end && (p->unicode() == u'E' || p->unicode() == u'e' || p->unicode() == u'D' ||
                     p->unicode() == u'd')) {
        ++p;
        put('e');
        bool signDone = false;
        bool expDigit = false;
        for (; p != end; ++p) {
            const char16_t c = p->unicode();
            if (isBlank(c)) continue;
            if (!signDone && !expDigit && (c == u'-' || c == u'+')) {
                signDone = true;
                if (c == u'-') put('-');
            } else if (isDigit(c)) {
                put(char(c));
                expDigit = true;
            } else {
                break;
            }
        }
        if (!expDigit) n = mantissaEnd;
    }
    if (n == 0 || (n == 1 && buf[0] == '.')) return 0.0; // only zeros were typed
    if (buf[0] == 'e' || (buf[0] == '.' && buf[1] == 'e')) return 0.0;

    double value = 0.0;
    const auto res = std::from_chars(buf, buf + n, value, std::chars_format::general);
    if (res.ec != std::errc() || !std::isfinite(value)) return 0.0;
    if (value == 0.0) return 0.0;
    return negative ? -value : value;
}

} // namespace

QString formatWithMask(double value, QStringView mask) {
    // The mask: placeholders before and after the point; "0" placeholders always show a digit.
    int minInteger = 0;
    int decimals = 0;
    int minDecimals = 0;
    bool point = false;
    for (const QChar ch : mask) {
        const char16_t c = ch.unicode();
        if (c == u'.') {
            point = true;
        } else if (c == u'#' || c == u'0') {
            if (point) {
                ++decimals;
                if (c == u'0') minDecimals = decimals;
            } else if (c == u'0') {
                ++minInteger;
            }
        }
    }

    if (!std::isfinite(value)) return emptyText();

    // Rounded digits: integer and decimal digits, built on the shortest decimal form so that
    // 2.675 is judged a half (it reads 2.675) and rounds away from zero.
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);

    // The rounded digits from 10^top (a free slot for a carry) down to 10^-decimals; the digit
    // of power p sits at index top - p.
    char stack[360];
    std::string heap;
    char* rounded = stack;
    int intDigits = 0; // digits of the integer part, without leading zeros
    int fracOffset = 0;
    bool allZero = true;

    if (magnitude != 0.0) {
        Decimal d;
        shortestDigits(magnitude, d);
        const int keep = d.exponent + 1 + decimals; // digits at or above 10^-decimals
        if (keep >= 0) {
            const int top = d.exponent + 1 > 0 ? d.exponent + 1 : 0;
            const int width = top + decimals + 1;
            if (width > int(sizeof stack)) {
                heap.resize(std::size_t(width));
                rounded = heap.data();
            }
            std::memset(rounded, '0', std::size_t(width));
            const int used = keep < d.count ? keep : d.count;
            for (int i = 0; i < used; ++i)
                rounded[top - d.exponent + i] = d.digits[i];
            if (keep < d.count && d.digits[keep] >= '5') {
                int idx = top + decimals;
                while (rounded[idx] == '9')
                    rounded[idx--] = '0';
                ++rounded[idx];
            }
            for (int i = 0; i < width; ++i)
                if (rounded[i] != '0') {
                    allZero = false;
                    break;
                }
            int firstInt = 0;
            while (firstInt <= top && rounded[firstInt] == '0')
                ++firstInt;
            intDigits = top + 1 - firstInt;
            fracOffset = top + 1;
        }
    }

    int fracCount = 0;
    if (!allZero) {
        fracCount = decimals;
        while (fracCount > minDecimals && rounded[fracOffset + fracCount - 1] == '0')
            --fracCount;
    } else {
        fracCount = minDecimals;
    }
    const int intShown = intDigits > minInteger ? intDigits : minInteger;
    const int length = (negative && !allZero ? 1 : 0) + intShown + (point ? 1 : 0) + fracCount;
    if (length == 0) return emptyText();
    if (length == 1 && point && intShown == 0 && fracCount == 0) return pointText();

    QString out(length, Qt::Uninitialized);
    QChar* o = out.data();
    if (negative && !allZero) *o++ = u'-';
    for (int i = 0; i < intShown - intDigits; ++i)
        *o++ = u'0';
    for (int i = 0; i < intDigits; ++i)
        *o++ = QChar(char16_t(rounded[fracOffset - intDigits + i]));
    if (point) *o++ = u'.';
    for (int i = 0; i < fracCount; ++i)
        *o++ = allZero ? u'0' : QChar(char16_t(rounded[fracOffset + i]));
    return out;
}

namespace {

QString numberText(double value, bool withSign) {
    if (!std::isfinite(value)) return emptyText();
    if (value == 0.0) return withSign ? QStringLiteral(" 0") : QStringLiteral("0");

    Decimal d;
    digits15(std::fabs(value), d);
    char16_t buf[48];
    int n = 0;
    if (value < 0)
        buf[n++] = u'-';
    else if (withSign)
        buf[n++] = u' ';

    const int e = d.exponent;
    if (e >= 15 || e < -5) {
        buf[n++] = char16_t(d.digits[0]);
        if (d.count > 1) {
            buf[n++] = u'.';
            for (int i = 1; i < d.count; ++i)
                buf[n++] = char16_t(d.digits[i]);
        }
        buf[n++] = u'E';
        buf[n++] = e < 0 ? u'-' : u'+';
        const int a = e < 0 ? -e : e;
        if (a >= 100) buf[n++] = char16_t(u'0' + a / 100);
        buf[n++] = char16_t(u'0' + (a / 10) % 10);
        buf[n++] = char16_t(u'0' + a % 10);
    } else if (e >= 0) {
        for (int i = 0; i <= e; ++i)
            buf[n++] = i < d.count ? char16_t(d.digits[i]) : u'0';
        if (d.count > e + 1) {
            buf[n++] = u'.';
            for (int i = e + 1; i < d.count; ++i)
                buf[n++] = char16_t(d.digits[i]);
        }
    } else {
        if (!withSign) buf[n++] = u'0';
        buf[n++] = u'.';
        for (int i = 0; i < -e - 1; ++i)
            buf[n++] = u'0';
        for (int i = 0; i < d.count; ++i)
            buf[n++] = char16_t(d.digits[i]);
    }
    return QString(reinterpret_cast<const QChar*>(buf), n);
}

} // namespace

QString generalText(double value) {
    return numberText(value, false);
}

QString signedText(double value) {
    return numberText(value, true);
}

} // namespace ostrel
