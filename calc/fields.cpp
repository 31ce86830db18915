// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fields.h"

namespace dividra {

Checked<std::int16_t> readInputValue(std::string_view text)
{
    const Checked<double> number = readNumber(text);
    if (!number.ok())
        return number.fault();
    return roundToInt16(number.value());
}

std::string_view componentName(Component component)
{
    static constexpr std::array<std::string_view, kComponentCount> names{
        "C1", "C2", "C3", "C4", "L1", "L2", "L3", "L4"};
    return names[static_cast<std::size_t>(component)];
}

std::string resultCaption(Component component, float value)
{
    const std::string_view name = componentName(component);
    const std::string_view suffix = component <= Component::C4 ? " \u00B5F." : " mH.";
    const std::string number = formatSingle(value); // short: kept in place, no allocation
    std::string caption;
    caption.reserve(name.size() + 3 + number.size() + suffix.size());
    caption.append(name).append(" = ").append(number).append(suffix);
    return caption;
}

} // namespace dividra
