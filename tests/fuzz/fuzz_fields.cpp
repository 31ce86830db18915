// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: arbitrary bytes as the texts of up to five fields, run
// through reading, rounding, the numeric test, both calculations and the
// number text. It checks properties, not values.
#include "crossover.h"

#include <array>
#include <cerrno>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <string>
#include <string_view>
#include <tuple>

using namespace dividra;

namespace {

void require(bool condition, const char *what)
{
    if (condition)
        return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

// The number a numeric text stands for, by the C library in the C locale.
double independentValue(std::string_view text, bool &overflow)
{
    std::string plain;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '+')
            continue;
        plain += c == ',' ? '.' : c;
    }
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    char *end = nullptr;
    errno = 0;
    const double value = strtod_l(plain.c_str(), &end, cLocale);
    require(end == plain.c_str() + plain.size(), "strtod did not read the numeric text whole");
    overflow = std::isinf(value);
    return value;
}

void checkField(std::string_view text)
{
    const Checked<double> number = readNumber(text);
    if (isNumericText(text)) {
        bool overflow = false;
        const double expected = independentValue(text, overflow);
        if (overflow) {
            require(!number.ok() && number.fault() == Fault::Overflow, "huge number not an overflow");
        } else {
            require(number.ok(), "numeric text not read");
            // A value below the normal range may come out as zero.
            const bool tiny = std::fabs(expected) < DBL_MIN;
            require(number.value() == expected || (tiny && number.value() == 0.0),
                    "numeric text not read whole");
        }
    }

    const Checked<std::int16_t> input = readInputValue(text);
    if (!number.ok()) {
        require(!input.ok() && input.fault() == Fault::Overflow, "unreadable number not an overflow");
        return;
    }
    const double rounded = std::nearbyint(number.value()); // ties to even
    if (rounded >= -32768.0 && rounded <= 32767.0)
        require(input.ok() && input.value() == rounded, "16-bit value wrong");
    else
        require(!input.ok() && input.fault() == Fault::Overflow, "out of range not an overflow");
}

// "C1 = 4,692192 µF." reads back to within seven significant digits.
void checkCaption(const std::string &caption, float value)
{
    const std::size_t start = caption.find(" = ");
    const std::size_t stop = caption.rfind(' ');
    require(start == 2 && stop > start + 3, "caption shape");
    const std::string number = caption.substr(start + 3, stop - start - 3);
    const std::size_t e = number.find('E');
    const Checked<double> mantissa = readNumber(number.substr(0, e));
    require(mantissa.ok(), "caption number unreadable");
    double readBack = mantissa.value();
    if (e != std::string::npos)
        readBack *= std::pow(10.0, std::atoi(number.c_str() + e + 1));
    require(std::fabs(readBack - double(value)) <= 5.1e-7 * std::fabs(double(value)),
            "caption does not read back to seven digits");
}

template <std::size_t N, std::size_t M, typename Compute>
void checkSection(const std::array<std::string_view, N> &fields, const Calculation &calculation,
                  const std::array<Component, M> &components, Compute compute)
{
    bool accepted = true;
    bool anyZero = false;
    std::array<std::int16_t, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        const Checked<std::int16_t> value = readInputValue(fields[i]);
        if (!value.ok()) {
            require(std::holds_alternative<Fault>(calculation), "overflow missed");
            return;
        }
        values[i] = value.value();
        anyZero = anyZero || values[i] == 0;
        accepted = accepted && !fields[i].empty() && isNumericText(fields[i]);
    }
    if (!accepted) {
        require(std::holds_alternative<Refusal>(calculation), "bad input not refused");
        return;
    }
    if (anyZero) {
        require(std::holds_alternative<Fault>(calculation), "zero input did not end in a fault");
        return;
    }
    const auto *network = std::get_if<Network>(&calculation);
    require(network != nullptr, "good input not calculated");
    const Checked<Network> computed = std::apply(compute, values);
    require(computed.ok(), "network fault without a zero");
    for (const Component component : components) {
        const float value = (*network)[component];
        require(value == computed.value()[component], "calculation differs from its formulas");
        checkCaption(resultCaption(component, value), value);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    std::array<std::string_view, 5> fields{};
    std::size_t begin = 0;
    for (std::size_t i = 0; i < fields.size() && begin <= input.size(); ++i) {
        const std::size_t end = std::min(input.find('\n', begin), input.size());
        fields[i] = input.substr(begin, end - begin);
        begin = end + 1;
    }
    for (const std::string_view field : fields)
        checkField(field);

    const std::array<std::string_view, 3> twoWay{fields[0], fields[1], fields[2]};
    checkSection(twoWay, calculateTwoWay(twoWay), kTwoWayComponents, computeTwoWay);
    checkSection(fields, calculateThreeWay(fields), kThreeWayComponents, computeThreeWay);
    return 0;
}
