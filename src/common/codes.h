// Codes (asset codes, account numbers, voucher numbers): stored without separators, shown
// through a mask, and numbered on from a pattern.
#pragma once

#include <string>
#include <string_view>

#include "common/date.h"
#include "common/result.h"

namespace orv {

// Removes ".", ",", "-", "/", blanks and the company's account-number group separator
// (0: none).
std::string stripCode(std::string_view text, char accountGroupSeparator);

// Writes the code through the mask: a blank, ",", "-", "." or "/" of the mask is a separator
// position ("." in mode 1, else the account-number group separator, nothing when it is 0);
// any other mask character takes the next character of the code. Stops when the code is used
// up, so no separator follows the last character: "999.999.999" + "1234567" -> "123.456.7".
std::string applyCodeMask(std::string_view mask, std::string_view code, int mode,
                          char accountGroupSeparator);

// The code that follows `current` under `pattern`, read from the right: runs of "r" are
// numeric counters, runs of "k" letter counters (A..Z), runs of the date letters
// c d h m n s t y z the time `now` in that picture, anything else is copied. Only the counter
// run that ends the pattern counts up; a counter that wraps (999 -> 000) carries into the next
// counter run to its left. Fails when the leftmost counter wraps with nothing to carry into,
// since the code it would give already exists.
Result<std::string> nextCode(std::string_view current, std::string_view pattern, const DateTime& now);

}  // namespace orv
