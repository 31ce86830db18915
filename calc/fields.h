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
// fields, the messages for the user and the text of a result.
namespace dividra {

inline constexpr std::string_view kIncompleteMessage = "dati non completi";
inline constexpr std::string_view kNotNumericMessage = "inserire solo dati numerici";

// The text that reports a fault to the user.
std::string_view faultMessage(Fault fault);

// The field's leading number as a 16-bit integer: an empty or non-numeric
// text reads as 0, a number outside -32768..32767 is an overflow.
Checked<std::int16_t> readInputValue(std::string_view text);

// Input that is not used: the message that tells the user why.
struct Refusal {
    std::string_view message;
};

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
        return Refusal{kIncompleteMessage};
    if (!std::all_of(fields.begin(), fields.end(), isNumericText))
        return Refusal{kNotNumericMessage};
    return values;
}

enum class Component { C1, C2, C3, C4, L1, L2, L3, L4 };

// The bare name, which is also the caption of a cleared result label.
std::string_view componentName(Component component);

// "C1 = 4,692192 µF.", "L1 = 0,68 mH.".
std::string resultCaption(Component component, float value);

} // namespace dividra
