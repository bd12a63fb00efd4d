#include "activity_log/Module4.h"

#include "time/OverflowError.h"

namespace {

// Positions are counted in 16 bits in the stored form's history; a longer text
// is refused rather than scrambled in part.
void CheckLength(const std::string &text)
{
    if (text.size() >= 32767)
        throw zk::OverflowError("overflow: a text of 32767 characters or more cannot be scrambled");
}

} // namespace

std::string EncryptText(const std::string &text)
{
    CheckLength(text);
    std::string out;
    out.reserve(text.size());
    for (const unsigned char c : text)
        out.push_back(static_cast<char>((c & 3) * 64 + c / 4));
    return out;
}

std::string DecryptText(const std::string &text)
{
    CheckLength(text);
    std::string out;
    out.reserve(text.size());
    for (const unsigned char c : text)
        out.push_back(DecryptChar(c));
    return out;
}
