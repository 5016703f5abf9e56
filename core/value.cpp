// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/value.h"

#include <charconv>
#include <cmath>
#include <string>

namespace quorix {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Plain decimal digits of |n| rounded to 15 significant digits, without a sign.
std::string plainDigits(double n)
{
    // to_chars ignores the locale, unlike printf.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(n), std::chars_format::scientific, 14);
    const std::string sci(buf, res.ptr);
    const auto e = sci.find('e');
    std::string digits = sci.substr(0, 1) + sci.substr(2, e - 2);
    const int exponent = std::stoi(sci.substr(e + 1));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    if (exponent < 0) {
        out = "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
    } else if (std::size_t(exponent) + 1 >= digits.size()) {
        out = digits + std::string(std::size_t(exponent) + 1 - digits.size(), '0');
    } else {
        out = digits.substr(0, std::size_t(exponent) + 1) + "." + digits.substr(std::size_t(exponent) + 1);
    }
    return out;
}

// "-" for negative values, nothing otherwise; zero of either sign is "0".
QString signedPlain(double n)
{
    if (n == 0)
        return QStringLiteral("0");
    if (std::isnan(n))
        return QStringLiteral("NaN");
    if (std::isinf(n))
        return n < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    const QString digits = QString::fromLatin1(plainDigits(n));
    // Rounding to 15 digits cannot reach zero from a non-zero value, so the
    // sign is always meaningful here.
    return n < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace

bool isEmpty(const Value &v)
{
    return std::holds_alternative<std::monostate>(v);
}

std::optional<double> parseNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;

    std::string ascii;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            ascii += '-';
        ++i;
    }

    int mantissaDigits = 0;
    while (i < n && isDigit(text[i])) {
        ascii += char(text[i].unicode());
        ++i;
        ++mantissaDigits;
    }
    if (i < n && text[i] == u'.') {
        ascii += '.';
        ++i;
        while (i < n && isDigit(text[i])) {
            ascii += char(text[i].unicode());
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;

    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ascii += 'e';
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            ascii += char(text[i].unicode());
            ++i;
        }
        int exponentDigits = 0;
        while (i < n && isDigit(text[i])) {
            ascii += char(text[i].unicode());
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }

    while (i < n && isBlank(text[i]))
        ++i;
    if (i != n)
        return std::nullopt;

    double value = 0;
    const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    // Out of range means overflow to infinity (or underflow); neither is a
    // number any file of ours can mean.
    if (res.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> numericValue(const Value &v)
{
    if (isEmpty(v))
        return 0.0;
    if (const double *d = std::get_if<double>(&v))
        return *d;
    return parseNumber(std::get<QString>(v));
}

double toNumber(const Value &v)
{
    return numericValue(v).value_or(0.0);
}

QString toText(const Value &v)
{
    if (isEmpty(v))
        return QString();
    if (const double *d = std::get_if<double>(&v))
        return signedPlain(*d);
    return std::get<QString>(v);
}

bool equalsNumber(const Value &v, double n)
{
    const auto x = numericValue(v);
    return x && *x == n;
}

bool equalsText(const Value &v, const QString &text)
{
    return toText(v) == text;
}

QString formatNumber(double n)
{
    const QString plain = signedPlain(n);
    if (plain.startsWith(QLatin1Char('-')))
        return plain + QLatin1Char(' ');
    return QLatin1Char(' ') + plain + QLatin1Char(' ');
}

QString ordinal(int n)
{
    const int lastTwo = n % 100;
    const char *suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        switch (n % 10) {
        case 1:
            suffix = "st";
            break;
        case 2:
            suffix = "nd";
            break;
        case 3:
            suffix = "rd";
            break;
        default:
            break;
        }
    }
    return QString::number(n) + QLatin1String(suffix);
}

} // namespace quorix
