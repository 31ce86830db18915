// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <variant>

namespace dividra {

// The three run-time faults a calculation can end in. They travel as values,
// never as exceptions, so nothing is ever thrown across the Qt event loop.
enum class Fault { Overflow, DivisionByZero, InvalidOperation };

// A value, or the fault that stopped it from being computed.
template <typename T>
class Checked {
public:
    Checked(T value) : m_state(value) {}
    Checked(Fault fault) : m_state(fault) {}

    bool ok() const { return std::holds_alternative<T>(m_state); }
    const T &value() const { return std::get<T>(m_state); }
    Fault fault() const { return std::get<Fault>(m_state); }

private:
    std::variant<T, Fault> m_state;
};

} // namespace dividra
