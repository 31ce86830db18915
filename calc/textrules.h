// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "checked.h"

#include <cstdint>
#include <string>
#include <string_view>

// The conversions between field text and numbers. None of them looks at the
// process locale: both "." and "," are read as the decimal separator, and
// numbers are always written with the decimal comma.
namespace dividra {

// The number at the start of the text: leading blanks (space, tab), an
// optional sign, digits, optionally a separator and more digits. Reading stops
// at the first character that does not fit; a text that does not begin with a
// number reads as 0. Overflow when the value does not fit in a double.
Checked<double> readNumber(std::string_view text);

// Round to nearest, ties to even; overflow outside -32768..32767.
Checked<std::int16_t> roundToInt16(double value);

// True when the text, less leading and trailing blanks, is an optional sign
// followed by digits with at most one separator and at least one digit.
bool isNumericText(std::string_view text);

// Seven significant digits as "%.7G" gives them, with the decimal comma and
// without trailing zeros of the fraction.
std::string formatSingle(float value);

} // namespace dividra
