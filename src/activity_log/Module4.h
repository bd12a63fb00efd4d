#pragma once

#include <string>

// The descriptions in actions.dat are stored with every byte rotated right by
// two bits, so that a glance at the file does not show what people did.
std::string EncryptText(const std::string &text);
std::string DecryptText(const std::string &text);

// One stored byte rotated back left by two bits.
inline char DecryptChar(unsigned char c) { return static_cast<char>((c & 63) * 4 + c / 64); }
