// Text encoding. Every string inside the program is UTF-8. Client files written on a Japanese
// system may hold code page 932 (Shift-JIS) text, which is converted when it is read.
#pragma once

#include <string>
#include <string_view>

bool IsValidUtf8(std::string_view text);

// Code page 932 bytes to UTF-8. A byte sequence that is not code page 932 becomes U+FFFD.
std::string Cp932ToUtf8(std::string_view text);

// The text as it is when valid UTF-8, else taken as code page 932 and converted.
std::string ToUtf8(std::string_view text);

// How many bytes the UTF-8 text would take in code page 932: ASCII and half-width katakana one,
// every other character two.
int Cp932Length(std::string_view utf8);

// The longest leading part of the UTF-8 text whose code page 932 length is at most maxLength,
// never cutting inside a character.
std::string Cp932Prefix(std::string_view utf8, int maxLength);
