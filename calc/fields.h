// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "checked.h"
#include "textrules.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

// What the two calculations share: reading a field, accepting a section's
// fields, the components and the text of a result.
namespace dividra {

// The field's leading number as a 16-bit integer: an empty or non-numeric
// text reads as 0, a number outside -32768..32767 is an overflow.
Checked<std::int16_t> readInputValue(std::string_view text);

// Why a section's input is not used.
enum class Refusal { Incomplete, NotNumeric };

template <std::size_t N>
using InputValues = std::array<std::int16_t, N>;

template <std::size_t N>
using Acceptance = std::variant<InputValues<N>, Refusal, Fault>;

// Every field is read first, so an overflow wins over an empty field; then an
// empty field refuses, then the first field in field order that is not numeric.
template <std::size_t N>
Acceptance<N> acceptInputs(const std::array<std::string_view, N> &fields)
{
    InputValues<N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        const Checked<std::int16_t> value = readInputValue(fields[i]);
        if (!value.ok())
            return value.fault();
        values[i] = value.value();
    }
    if (std::any_of(fields.begin(), fields.end(), [](std::string_view f) { return f.empty(); }))
        return Refusal::Incomplete;
    if (!std::all_of(fields.begin(), fields.end(), isNumericText))
        return Refusal::NotNumeric;
    return values;
}

enum class Component { C1, C2, C3, C4, L1, L2, L3, L4 };
inline constexpr std::size_t kComponentCount = 8;

// The bare name, which is also the caption of a cleared result label.
std::string_view componentName(Component component);

// "C1 = 4,692192 µF.", "L1 = 0,68 mH.".
std::string resultCaption(Component component, float value);

} // namespace dividra
