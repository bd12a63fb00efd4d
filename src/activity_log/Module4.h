#pragma once

#include <string>

// The descriptions in actions.dat are stored with every byte rotated right by
// two bits, so that a glance at the file does not show what people did.
std::string EncryptText(const std::string &text);
std::string DecryptText(const std::string &text);
