#include "crossover.h"

#include <cmath>
#include <optional>
#include <tuple>

namespace dividra {
namespace {

constexpr double kInductorFactor = 255.0;
constexpr double kCapacitorFactor = 8.88;
constexpr double kMicro = 1000000.0;

// Division with the fault a floating-point unit would flag for it.
Checked<double> divide(double dividend, double divisor)
{
    if (divisor == 0.0)
        return dividend == 0.0 ? Fault::InvalidOperation : Fault::DivisionByZero;
    return dividend / divisor;
}

// Each result is rounded once, to single precision, when it is stored.
Checked<float> storeSingle(double value)
{
    const float stored = static_cast<float>(value);
    if (std::isinf(stored))
        return Fault::Overflow;
    return stored;
}

// Z ÷ F × 255
Checked<float> inductance(double impedance, double frequency)
{
    const Checked<double> ratio = divide(impedance, frequency);
    if (!ratio.ok())
        return ratio.fault();
    return storeSingle(ratio.value() * kInductorFactor);
}

// 1000000 ÷ denominator, where the caller builds the denominator in its own
// operation order: the two orders differ in the last place for a few inputs.
Checked<float> capacitance(double denominator)
{
    const Checked<double> value = divide(kMicro, denominator);
    if (!value.ok())
        return value.fault();
    return storeSingle(value.value());
}

// Runs the steps in order and stops at the first fault.
template <typename... Steps>
Checked<std::array<float, sizeof...(Steps)>> computeInOrder(Steps... steps)
{
    std::array<float, sizeof...(Steps)> results{};
    std::optional<Fault> fault;
    std::size_t next = 0;
    const auto run = [&](auto &step) {
        const Checked<float> result = step();
        if (!result.ok()) {
            fault = result.fault();
            return false;
        }
        results[next++] = result.value();
        return true;
    };
    (run(steps) && ...);
    if (fault)
        return *fault;
    return results;
}

// Accept the fields, compute the network from their values, caption it.
template <std::size_t N, typename Compute, typename MakeCaptions>
Calculation calculate(const std::array<std::string_view, N> &fields, Compute compute,
                      MakeCaptions makeCaptions)
{
    const Acceptance<N> accepted = acceptInputs(fields);
    if (const auto *refusal = std::get_if<Refusal>(&accepted))
        return *refusal;
    if (const auto *fault = std::get_if<Fault>(&accepted))
        return *fault;
    const auto network = std::apply(compute, std::get<InputValues<N>>(accepted));
    if (!network.ok())
        return network.fault();
    return makeCaptions(network.value());
}

} // namespace

Checked<TwoWayNetwork> computeTwoWay(std::int16_t tweeter, std::int16_t woofer,
                                     std::int16_t frequency)
{
    const double t = tweeter;
    const double w = woofer;
    const double f = frequency;
    const auto r = computeInOrder([&] { return inductance(t, f); },
                                  [&] { return inductance(w, f); },
                                  [&] { return capacitance((f * kCapacitorFactor) * t); },
                                  [&] { return capacitance((f * kCapacitorFactor) * w); });
    if (!r.ok())
        return r.fault();
    const auto &[l1, l2, c1, c2] = r.value();
    return TwoWayNetwork{l1, l2, c1, c2};
}

Checked<ThreeWayNetwork> computeThreeWay(std::int16_t tweeter, std::int16_t midrange,
                                         std::int16_t woofer, std::int16_t minFrequency,
                                         std::int16_t maxFrequency)
{
    const double tw = tweeter;
    const double md = midrange;
    const double wf = woofer;
    const double fmin = minFrequency;
    const double fmax = maxFrequency;
    const auto r = computeInOrder([&] { return capacitance((tw * kCapacitorFactor) * fmax); },
                                  [&] { return inductance(tw, fmax); },
                                  [&] { return inductance(md, fmin); },
                                  [&] { return inductance(md, fmax); },
                                  [&] { return capacitance((md * kCapacitorFactor) * fmin); },
                                  [&] { return capacitance((md * kCapacitorFactor) * fmax); },
                                  [&] { return capacitance((wf * kCapacitorFactor) * fmin); },
                                  [&] { return inductance(wf, fmin); });
    if (!r.ok())
        return r.fault();
    const auto &[c1, l1, l2, l3, c2, c3, c4, l4] = r.value();
    return ThreeWayNetwork{c1, l1, l2, l3, c2, c3, c4, l4};
}

Calculation calculateTwoWay(const std::array<std::string_view, 3> &fields)
{
    return calculate(fields, computeTwoWay, [](const TwoWayNetwork &n) {
        return Captions{resultCaption(Component::C1, n.c1), resultCaption(Component::C2, n.c2),
                        resultCaption(Component::L1, n.l1), resultCaption(Component::L2, n.l2)};
    });
}

Calculation calculateThreeWay(const std::array<std::string_view, 5> &fields)
{
    return calculate(fields, computeThreeWay, [](const ThreeWayNetwork &n) {
        return Captions{resultCaption(Component::C1, n.c1), resultCaption(Component::C2, n.c2),
                        resultCaption(Component::C3, n.c3), resultCaption(Component::C4, n.c4),
                        resultCaption(Component::L1, n.l1), resultCaption(Component::L2, n.l2),
                        resultCaption(Component::L3, n.l3), resultCaption(Component::L4, n.l4)};
    });
}

} // namespace dividra
