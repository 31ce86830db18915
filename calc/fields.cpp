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
    // Built in one buffer: a caption is one allocation, not four.
    const std::string_view name = componentName(component);
    const std::string_view suffix = component <= Component::C4 ? " \u00B5F." : " mH.";
    char buffer[8 + kSingleTextMax + 8];
    char *end = std::copy(name.begin(), name.end(), buffer);
    end = std::copy_n(" = ", 3, end);
    end = writeSingle(end, value);
    end = std::copy(suffix.begin(), suffix.end(), end);
    return std::string(buffer, end);
}

} // namespace dividra
