#pragma once

#include <cstdint>
#include <string>

namespace zk {

// The parent's PIN. Only a salted slow hash of it is stored (Argon2id,
// libsodium's crypto_pwhash_str) in the settings (LimitSettings::PinHash);
// a stored value that is no such hash reads as no PIN. Three wrong tries in a
// row make every further try wait until 30 seconds after the last wrong one
// (steady clock); the right PIN starts the count again.
class ParentPin
{
public:
    static constexpr int kFreeTries = 3;
    static constexpr std::int64_t kWaitSeconds = 30;

    static bool IsSet();
    // Stores the hash of pin; an empty pin removes the PIN. zk::SettingsError
    // when the settings refuse it, std::runtime_error when hashing fails.
    static void Set(const std::string &pin);

    enum class Result { Right, Wrong, Wait };
    // Right when no PIN is set. Wait: too many wrong tries, pin not even checked.
    Result Try(const std::string &pin);
    // Seconds until the next try is checked (0: now).
    std::int64_t SecondsToWait() const;

private:
    int m_wrongInARow = 0;
    std::int64_t m_lastWrong = 0;
};

} // namespace zk
