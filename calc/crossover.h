// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "checked.h"
#include "fields.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <variant>

// Second-order (12 dB per octave) networks. Impedances in ohms and
// frequencies in hertz give capacitances in microfarads and inductances in
// millihenries.
namespace dividra {

// The component values of a computed network, looked up by component.
class Network
{
public:
    float operator[](Component component) const { return m_values[index(component)]; }
    void set(Component component, float value) { m_values[index(component)] = value; }

private:
    static std::size_t index(Component component) { return static_cast<std::size_t>(component); }
    std::array<float, kComponentCount> m_values{};
};

// What each section computes. Tweeter high-pass (C1 in series, L1 across)
// and woofer low-pass (L2 in series, C2 across) at one cut-off frequency:
inline constexpr std::array kTwoWayComponents{Component::C1, Component::C2, Component::L1,
                                              Component::L2};
// tweeter high-pass at the maximum frequency; midrange band-pass (C2, L2 at
// the minimum, L3, C3 at the maximum); woofer low-pass at the minimum:
inline constexpr std::array kThreeWayComponents{Component::C1, Component::C2, Component::C3,
                                                Component::C4, Component::L1, Component::L2,
                                                Component::L3, Component::L4};

// Each computes its results in its own order; the first zero divisor stops
// the calculation with its fault.
Checked<Network> computeTwoWay(std::int16_t tweeter, std::int16_t woofer, std::int16_t frequency);
Checked<Network> computeThreeWay(std::int16_t tweeter, std::int16_t midrange, std::int16_t woofer,
                                 std::int16_t minFrequency, std::int16_t maxFrequency);

using Calculation = std::variant<Network, Refusal, Fault>;

// A whole "Calcola" of a section, from the field texts in field order:
// two-way tweeter, woofer, frequency; three-way tweeter, midrange, woofer,
// minimum and maximum frequency.
Calculation calculateTwoWay(const std::array<std::string_view, 3> &fields);
Calculation calculateThreeWay(const std::array<std::string_view, 5> &fields);

} // namespace dividra
