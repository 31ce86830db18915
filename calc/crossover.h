#pragma once

#include "checked.h"
#include "fields.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Second-order (12 dB per octave) networks. Impedances in ohms and
// frequencies in hertz give capacitances in microfarads and inductances in
// millihenries.
namespace dividra {

// Tweeter high-pass (C1 in series, L1 across) and woofer low-pass (L2 in
// series, C2 across) at one cut-off frequency.
struct TwoWayNetwork {
    float l1, l2, c1, c2;
};

// Tweeter high-pass at the maximum frequency; midrange band-pass (C2, L2 at
// the minimum, L3, C3 at the maximum); woofer low-pass at the minimum.
struct ThreeWayNetwork {
    float c1, l1, l2, l3, c2, c3, c4, l4;
};

// The results in the order they are computed; the first zero divisor stops
// the calculation with its fault.
Checked<TwoWayNetwork> computeTwoWay(std::int16_t tweeter, std::int16_t woofer,
                                     std::int16_t frequency);
Checked<ThreeWayNetwork> computeThreeWay(std::int16_t tweeter, std::int16_t midrange,
                                         std::int16_t woofer, std::int16_t minFrequency,
                                         std::int16_t maxFrequency);

// The captions of a finished calculation, in the order the labels are written.
using Captions = std::vector<std::string>;

using Calculation = std::variant<Captions, Refusal, Fault>;

// A whole "Calcola" of a section, from the field texts (in field order) to
// the captions: two-way C1, C2, L1, L2; three-way C1..C4, L1..L4.
Calculation calculateTwoWay(const std::array<std::string_view, 3> &fields);
Calculation calculateThreeWay(const std::array<std::string_view, 5> &fields);

} // namespace dividra
