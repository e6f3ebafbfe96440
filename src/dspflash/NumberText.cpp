#include "dspflash/NumberText.h"

#include <cstdio>

std::string NumberText(int64_t value) { return (value < 0 ? "" : " ") + std::to_string(value); }

std::string NumberText(float value) {
  char digits[32];
  std::snprintf(digits, sizeof digits, "%.7G", static_cast<double>(value));
  std::string text = digits;
  if (text == "-0") text = "0";
  const size_t sign = text[0] == '-' ? 1 : 0;
  if (text.compare(sign, 2, "0.") == 0) text.erase(sign, 1);
  return sign ? text : " " + text;
}
