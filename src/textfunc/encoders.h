#pragma once

#include <string>
#include <string_view>

// Byte-string encoders and decoders. Inputs and outputs may hold any byte
// value, NUL, CR and LF included. Every failure throws FormatError with the
// message the user sees; a decoder never returns a partial result.
namespace zuk::textfunc {

// Standard Base64 with "=" fill and no line breaks.
std::string Base64Encode(std::string_view bytes);
// Strict: the length must be a multiple of 4 and every character in the
// alphabet, "=" only as the fill of the last group.
std::string Base64Decode(std::string_view text);

// The same output as Base64Encode.
std::string MimeEncode(std::string_view bytes);
// Lenient: every character outside the alphabet (line breaks, "=") is
// skipped; a trailing single character is dropped.
std::string MimeDecode(std::string_view text);

// One continuous stream of UU characters (space to "_"), no begin/end lines
// or length characters; grave accents at the end are fill.
std::string UueDecode(std::string_view text);

// Two upper-case hexadecimal digits per byte, no separators.
std::string HexEncode(std::string_view bytes);
// An even number of hexadecimal digits in either case, a byte per pair.
std::string HexDecode(std::string_view text);

// %xx escapes (at most two hex digits after %) to their bytes; "+" stays.
std::string UrlDecode(std::string_view text);

// Every byte xor the xor of all password bytes; decoding is the same
// operation. Throws FormatError for an empty password.
std::string PasswordXor(std::string_view text, std::string_view password);

// "&#97;" for a: the Windows-1251 code in decimal, not the Unicode one.
std::string EntityEncode(std::string_view text);

// Note letters A..G (either case) to the digits 6 7 1 2 3 4 5 (C is 1);
// everything else is dropped.
std::string RtttlToDigits(std::string_view text);

} // namespace zuk::textfunc
