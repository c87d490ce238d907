#pragma once
// Numbers as the user types them and as the program shows them: the one
// syntax every numeric field reads (the add and revise forms, the
// observatory, the settings) and the search, and the decimal texts of every
// form. Neither depends on the process's locale: the point is always ".",
// so a text the program wrote always reads back.

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

// Fixed notation with Decimals (0..17) decimals, correctly rounded ("48.14860"
// for 5); a negative value that rounds to zero shows without its sign.
std::string FixedDecimals(double Value, int Decimals);

// The shortest fixed text with at least three decimals that ParseRealNumber
// reads back as exactly Value (5.5 gives "5.500", 5.58333 "5.58333"); values
// that fixed notation cannot hold exactly in seventeen decimals take the
// shortest exact form with an exponent.
std::string ExactDecimals(double Value);
