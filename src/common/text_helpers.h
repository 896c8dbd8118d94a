// Small text helpers of fixed-width output and typed input: whole numbers, padding, search
// from the right, and the check of a typed date.
#pragma once

#include <string>
#include <string_view>

namespace orv {

// The whole number written in the text (blanks around it allowed, optional sign); 0 when the
// text is no whole number or does not fit in 64 bits.
long long integerOfText(std::string_view text);

enum class PadKind { Left = 0, Right = 1, Both = 2 };

// Brings the text to `width` characters: a longer text keeps its first `width` characters;
// otherwise copies of `fill` go in front (Left: the text ends up on the right), behind (Right)
// or one on each side per step (Both, then cut to `width`). A fill longer than one character
// may overshoot the width for Left and Right; an empty fill leaves a short text as it is.
// Widths count characters, not UTF-8 bytes.
std::string pad(std::string_view text, std::string_view fill, int width, PadKind kind);

// 1-based character position of the last occurrence of `needle` in `text`; 0 when absent.
int lastPosition(std::string_view needle, std::string_view text);

// True when the text is day, month and year separated by `dateSeparator`, each a whole
// number (blanks around allowed), 1 <= year <= 2210, a real month and a day of that month.
bool isValidDateText(std::string_view text, char dateSeparator);

}  // namespace orv
