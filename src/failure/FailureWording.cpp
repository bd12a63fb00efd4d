#include "failure/FailureWording.h"

#include "activity_log/FileError.h"
#include "localisation/OwnMessages.h"
#include "localisation/gclsLanguageChange.h"
#include "time/OverflowError.h"

#include <cerrno>
#include <cstring>

#include <locale.h>

namespace {

// A UTF-8 text as our 8-bit Latin-1; a character beyond Latin-1 becomes '?'.
std::string Latin1FromUtf8(const std::string &text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if ((c == 0xC2 || c == 0xC3) && i + 1 < text.size()) {
            out += static_cast<char>(((c & 0x03) << 6) | (text[++i] & 0x3F));
        } else if ((c & 0xC0) == 0xC0) {
            out += '?';
        }
    }
    return out;
}

// The system's text for error in the messages of localeName; empty when the
// system has none there that differs from its untranslated one.
std::string TranslatedStrerror(int error, const char *localeName)
{
    const locale_t wanted = ::newlocale(LC_MESSAGES_MASK, localeName, locale_t{});
    if (wanted == locale_t{})
        return {};
    const locale_t plain = ::newlocale(LC_MESSAGES_MASK, "C", locale_t{});
    std::string text = ::strerror_l(error, wanted);
    if (plain != locale_t{} && text == ::strerror_l(error, plain))
        text.clear();
    ::freelocale(wanted);
    if (plain != locale_t{})
        ::freelocale(plain);
    return Latin1FromUtf8(text);
}

} // namespace

std::string SystemReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS: return OwnMessage("no permission");
    case ENOSPC:
    case EDQUOT: return OwnMessage("the disk is full");
    case EFBIG: return OwnMessage("the file is too large");
    case ENOENT: return OwnMessage("not found");
    default: break;
    }
    if (gLanguageChange().GetLanguage() != "NL")
        return Latin1FromUtf8(std::strerror(error));
    std::string text = TranslatedStrerror(error, "nl_NL.UTF-8");
    if (text.empty())
        text = OwnMessage("system error $nr$", {{"$nr$", std::to_string(error)}});
    return text;
}

std::string FileFailureText(const zk::FileError &error)
{
    using Kind = zk::FileError::Kind;
    const char *key = "The log $file$ cannot be read: $why$.";
    switch (error.WhatFailed()) {
    case Kind::Open: key = "The log $file$ cannot be opened: $why$."; break;
    case Kind::Read: break;
    case Kind::Write: key = "The log $file$ cannot be written: $why$."; break;
    case Kind::Sync: key = "The log $file$ cannot be put on disk: $why$."; break;
    case Kind::Move: key = "The full log $file$ cannot be moved to $to$: $why$."; break;
    case Kind::CopyDamaged:
        key = "No copy of the damaged log $file$ can be kept as $to$: $why$.";
        break;
    case Kind::ReadOnly: key = "The log $file$ is open for reading only."; break;
    case Kind::NotOpen: key = "No log is open."; break;
    case Kind::BadRecordNumber: key = "The log $file$ has no record $nr$."; break;
    }
    return OwnMessage(key, {{"$file$", error.Path()},
                            {"$to$", error.Target()},
                            {"$nr$", std::to_string(error.Record())},
                            {"$why$", SystemReason(error.Error())}});
}

std::string FailureReason(const std::exception &error)
{
    if (const auto *file = dynamic_cast<const zk::FileError *>(&error))
        return FileFailureText(*file);
    // A record's times too far apart, a count past its field: the details are
    // the program's, not the person's.
    if (dynamic_cast<const zk::OverflowError *>(&error))
        return OwnMessage("a time or a number is out of range");
    return error.what();
}
