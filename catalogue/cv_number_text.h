#pragma once
// Numbers as the user types them into the record fields and as the program
// shows them: the one syntax the add form checks and the search reads, and
// the decimal texts of the list, the item view and the revise form.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A whole number that fits 32 signed bits: leading blanks or tabs, an
// optional sign, an optional base prefix ("$", "x", "X", "0x", "0X" hex,
// "%" binary, "&" octal), digits of that base and nothing after. The prefix
// gives the magnitude's base, so "-$1F" is -31 and "$80000000" is too large.
bool ParseWholeNumber(std::string_view Text, int32_t& Value);

// A real number: leading blanks or tabs, an optional sign, digits with an
// optional point and fraction (at least one digit in all), an optional
// exponent (e or E, optional sign, digits) and nothing after. The point is
// the only decimal separator. A value too large for a double is refused; one
// too small for it reads as zero.
bool ParseRealNumber(std::string_view Text, double& Value);

// Fixed notation with exactly three decimals ("12.500", "-0.250"), correctly
// rounded. Writes into Buffer, which needs THREE_DECIMALS_BUFFER bytes, and
// returns the length; a negative value that rounds to zero shows as "0.000".
inline constexpr std::size_t THREE_DECIMALS_BUFFER = 400;
std::size_t FormatThreeDecimals(double Value, char* Buffer);
std::string ThreeDecimals(double Value);

// The shortest fixed text with at least three decimals that ParseRealNumber
// reads back as exactly Value (5.5 gives "5.500", 5.58333 "5.58333"); values
// that fixed notation cannot hold exactly in seventeen decimals take the
// shortest exact form with an exponent.
std::string ExactDecimals(double Value);
