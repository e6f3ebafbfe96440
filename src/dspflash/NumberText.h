#pragma once
// The standard number-to-text conversion that the status texts of the DSP
// flash pages use: a blank before a non-negative number, a minus before a
// negative one.
#include <cstdint>
#include <string>

// " 5", "-3".
std::string NumberText(int64_t);
// Up to seven significant digits, no zero before the point (" .25") and the
// exponent form outside 1E-4 to 1E7 (" 1.234568E+07").
std::string NumberText(float);
