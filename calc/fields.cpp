#include "fields.h"

namespace dividra {

std::string_view faultMessage(Fault fault)
{
    switch (fault) {
    case Fault::Overflow:
        return "Overflow: inserire valori compresi tra -32768 e 32767";
    case Fault::DivisionByZero:
        return "Divisione per zero: impedenze e frequenze devono essere diverse da zero";
    case Fault::InvalidOperation:
        break;
    }
    return "Operazione non valida: impedenze e frequenze devono essere diverse da zero";
}

Checked<std::int16_t> readInputValue(std::string_view text)
{
    const Checked<double> number = readNumber(text);
    if (!number.ok())
        return number.fault();
    return roundToInt16(number.value());
}

std::string_view componentName(Component component)
{
    static constexpr std::array<std::string_view, 8> names{"C1", "C2", "C3", "C4",
                                                           "L1", "L2", "L3", "L4"};
    return names[static_cast<std::size_t>(component)];
}

std::string resultCaption(Component component, float value)
{
    const bool capacitor = component <= Component::C4;
    std::string caption(componentName(component));
    caption += " = ";
    caption += formatSingle(value);
    caption += capacitor ? " \u00B5F." : " mH.";
    return caption;
}

} // namespace dividra
