// Checks of the numeric options of kelmo-cli: plain decimal numbers only (no hexadecimal, octal,
// "nan" or "inf", whatever the C library would also read), finite and within a range.
#pragma once

#include <CLI/CLI.hpp>

#include "base/setting_limits.h"

namespace kelmo::cli {

// A finite decimal number ("-12", "3.5", "1e2") in low .. high. The message names what is
// wrong: "not a number" or "not in range".
CLI::Validator decimalIn(double low, double high);

// A whole decimal number ("-12", "+7") in low .. high; the text is passed on without its sign
// and leading zeros, so that the option library cannot read it as octal.
CLI::Validator integerIn(int low, int high);

// The same for a setting's range of the table (base/setting_limits.h).
CLI::Validator decimalIn(const Limits& range);
CLI::Validator integerIn(const Limits& range);

}  // namespace kelmo::cli
