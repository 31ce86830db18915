// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#include "crossover.h"

#include <cmath>
#include <optional>

namespace dividra {
namespace {

constexpr double kInductorFactor = 255.0;
constexpr double kCapacitorFactor = 8.88;
constexpr double kMicro = 1000000.0;

// Stores the results as they are computed. The first fault, the one a
// floating-point unit would flag, ends the computation: nothing after it is
// stored.
class Computation
{
public:
    // Z ÷ F × 255
    void inductance(Component component, double impedance, double frequency)
    {
        if (divisible(impedance, frequency))
            store(component, impedance / frequency * kInductorFactor);
    }

    // 1000000 ÷ denominator, where the caller builds the denominator in its
    // own operation order: the two orders differ in the last place for a few
    // inputs.
    void capacitance(Component component, double denominator)
    {
        if (divisible(kMicro, denominator))
            store(component, kMicro / denominator);
    }

    Checked<Network> result() const
    {
        if (m_fault)
            return *m_fault;
        return m_network;
    }

private:
    bool divisible(double dividend, double divisor)
    {
        if (!m_fault && divisor == 0.0)
            m_fault = dividend == 0.0 ? Fault::InvalidOperation : Fault::DivisionByZero;
        return !m_fault;
    }

    // Each result is rounded once, to single precision, when it is stored.
    void store(Component component, double value)
    {
        const float stored = static_cast<float>(value);
        if (std::isinf(stored))
            m_fault = Fault::Overflow;
        else
            m_network.set(component, stored);
    }

    Network m_network;
    std::optional<Fault> m_fault;
};

// The refusal or the fault that stopped a section's input.
template <std::size_t N>
Calculation stopped(const Acceptance<N> &accepted)
{
    if (const auto *refusal = std::get_if<Refusal>(&accepted))
        return *refusal;
    return std::get<Fault>(accepted);
}

Calculation finished(const Checked<Network> &network)
{
    if (!network.ok())
        return network.fault();
    return network.value();
}

} // namespace

Checked<Network> computeTwoWay(std::int16_t tweeter, std::int16_t woofer, std::int16_t frequency)
{
    const double t = tweeter, w = woofer, f = frequency;
    Computation c;
    c.inductance(Component::L1, t, f);
    c.inductance(Component::L2, w, f);
    c.capacitance(Component::C1, (f * kCapacitorFactor) * t);
    c.capacitance(Component::C2, (f * kCapacitorFactor) * w);
    return c.result();
}

Checked<Network> computeThreeWay(std::int16_t tweeter, std::int16_t midrange, std::int16_t woofer,
                                 std::int16_t minFrequency, std::int16_t maxFrequency)
{
    const double tw = tweeter, md = midrange, wf = woofer, fmin = minFrequency, fmax = maxFrequency;
    Computation c;
    c.capacitance(Component::C1, (tw * kCapacitorFactor) * fmax);
    c.inductance(Component::L1, tw, fmax);
    c.inductance(Component::L2, md, fmin);
    c.inductance(Component::L3, md, fmax);
    c.capacitance(Component::C2, (md * kCapacitorFactor) * fmin);
    c.capacitance(Component::C3, (md * kCapacitorFactor) * fmax);
    c.capacitance(Component::C4, (wf * kCapacitorFactor) * fmin);
    c.inductance(Component::L4, wf, fmin);
    return c.result();
}

Calculation calculateTwoWay(const std::array<std::string_view, 3> &fields)
{
    const Acceptance<3> accepted = acceptInputs(fields);
    const auto *values = std::get_if<InputValues<3>>(&accepted);
    if (!values)
        return stopped(accepted);
    const auto [t, w, f] = *values;
    return finished(computeTwoWay(t, w, f));
}

Calculation calculateThreeWay(const std::array<std::string_view, 5> &fields)
{
    const Acceptance<5> accepted = acceptInputs(fields);
    const auto *values = std::get_if<InputValues<5>>(&accepted);
    if (!values)
        return stopped(accepted);
    const auto [tw, md, wf, fmin, fmax] = *values;
    return finished(computeThreeWay(tw, md, wf, fmin, fmax));
}

} // namespace dividra
