#include "limits/ParentPin.h"

#include "limits/LimitSettings.h"
#include "platform/Clock.h"

#include <sodium.h>

#include <algorithm>
#include <stdexcept>

namespace zk {
namespace {

void InitSodium()
{
    if (sodium_init() < 0)
        throw std::runtime_error("the cryptography library cannot start");
}

std::string StoredHash()
{
    const std::string hash = LimitSettings::PinHash();
    // Anything else (a hand edit) would lock the parent out for good.
    const std::string prefix = crypto_pwhash_argon2id_STRPREFIX;
    if (hash.rfind(prefix, 0) != 0 || hash.size() >= crypto_pwhash_STRBYTES)
        return {};
    return hash;
}

} // namespace

bool ParentPin::IsSet()
{
    return !StoredHash().empty();
}

void ParentPin::Set(const std::string &pin)
{
    if (pin.empty()) {
        LimitSettings::SetPinHash("");
        return;
    }
    InitSodium();
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(hash, pin.data(), pin.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                              crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13)
        != 0)
        throw std::runtime_error("not enough memory to protect the PIN");
    LimitSettings::SetPinHash(hash);
}

std::int64_t ParentPin::SecondsToWait() const
{
    if (m_wrongInARow < kFreeTries)
        return 0;
    const std::int64_t now = CurrentClock().SteadySeconds();
    return std::max<std::int64_t>(0, m_lastWrong + kWaitSeconds - now);
}

ParentPin::Result ParentPin::Try(const std::string &pin)
{
    const std::string hash = StoredHash();
    if (hash.empty())
        return Result::Right;
    if (SecondsToWait() > 0)
        return Result::Wait;
    InitSodium();
    if (crypto_pwhash_str_verify(hash.c_str(), pin.data(), pin.size()) == 0) {
        m_wrongInARow = 0;
        return Result::Right;
    }
    ++m_wrongInARow;
    m_lastWrong = CurrentClock().SteadySeconds();
    return Result::Wrong;
}

} // namespace zk
