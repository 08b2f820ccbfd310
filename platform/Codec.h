#pragma once
// The one place that knows the data encoding: conversion between CP932 byte strings and UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// True for the first byte of a double-byte CP932 character.
bool IsLeadByte(unsigned char byte);

// Decodes CP932 bytes; a byte sequence that does not decode becomes U+FFFD, one per byte.
std::string Cp932ToUtf8(std::string_view cp932);

// Encodes UTF-8 text; nothing when a character has no CP932 form.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// Lossless variants for text that is edited and stored again: an undecodable byte b becomes the private
// character U+F700 + b, which encodes back to b, so opening and closing an editor never changes data.
std::string Cp932ToUtf8Escaped(std::string_view cp932);
std::optional<std::string> Utf8ToCp932Escaped(std::string_view utf8);

} // namespace platform
