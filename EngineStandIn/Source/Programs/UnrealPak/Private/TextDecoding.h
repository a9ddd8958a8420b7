#pragma once

#include <string>
#include <string_view>

// Turns the bytes of a text file into UTF-8. Recognised: UTF-16LE and UTF-16BE with a byte-order mark,
// UTF-8 with or without one, and otherwise 8-bit Windows-1252 ("ANSI"), which is what the engine writes
// for a file whose characters are not all ASCII when it does not write UTF-16.
// Returns false and a reason when the bytes cannot be text (odd UTF-16 length, unpaired surrogate).
bool DecodeTextToUtf8(std::string_view Bytes, std::string& OutText, std::string& OutError);
