// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textrules.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace dividra {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSign(char c) { return c == '+' || c == '-'; }
bool isSeparator(char c) { return c == '.' || c == ','; }

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool hasNonZeroDigit(std::string_view digits)
{
    return digits.find_first_not_of('0') != std::string_view::npos;
}

} // namespace

Checked<double> readNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && isSign(text[i]))
        negative = text[i++] == '-';

    const std::size_t numberBegin = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    const std::string_view integerDigits = text.substr(numberBegin, i - numberBegin);
    std::size_t fractionDigits = 0;
    if (i < text.size() && isSeparator(text[i])) {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++fractionDigits;
        }
    }
    if (integerDigits.empty() && fractionDigits == 0)
        return 0.0;

    // from_chars never consults the locale; it wants "." as the separator.
    std::string number(text.substr(numberBegin, i - numberBegin));
    if (const auto comma = number.find(','); comma != std::string::npos)
        number[comma] = '.';

    double value = 0.0;
    const std::errc error = std::from_chars(number.data(), number.data() + number.size(), value).ec;
    if (error == std::errc::result_out_of_range) {
        // Too many digits before the separator is an overflow; a fraction
        // too small for a double is as good as zero.
        if (hasNonZeroDigit(integerDigits))
            return Fault::Overflow;
        value = 0.0;
    }
    return negative ? -value : value;
}

Checked<std::int16_t> roundToInt16(double value)
{
    // The default rounding mode rounds halves to even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        return Fault::Overflow;
    return static_cast<std::int16_t>(rounded);
}

bool isNumericText(std::string_view text)
{
    text = trimBlanks(text);
    if (!text.empty() && isSign(text.front()))
        text.remove_prefix(1);
    bool sawDigit = false;
    bool sawSeparator = false;
    for (const char c : text) {
        if (isDigit(c)) {
            sawDigit = true;
        } else if (isSeparator(c) && !sawSeparator) {
            sawSeparator = true;
        } else {
            return false;
        }
    }
    return sawDigit;
}

std::string formatSingle(float value)
{
    if (value == 0.0f)
        return "0"; // also for -0
    // to_chars with a precision formats exactly as printf's "%.7g" in the C locale.
    char buffer[32];
    char *const end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::general, 7).ptr;
    std::string text(buffer, end);
    for (char &c : text) {
        if (c == '.')
            c = ',';
        else if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

} // namespace dividra
