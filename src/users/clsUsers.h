#pragma once

#include "core/Signal.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace zk {
// Raised when the list cannot take what it is asked to (a 101st user).
class UsersError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
} // namespace zk

// The household's users, in the order they were added, numbered from 1, at
// most 100. Kept in the settings ("Sitclock" / "Edit" / "Users") as the names
// joined by "|"; every change is saved at once and then announced with Change.
// A change the settings cannot take (zk::SettingsError) is kept for the run and
// announced all the same before the error reaches the caller.
class clsUsers
{
public:
    static constexpr std::int16_t kMaxUsers = 100;

    clsUsers();  // loads itself from the settings
    ~clsUsers(); // saves itself once more
    clsUsers(const clsUsers &) = delete;
    clsUsers &operator=(const clsUsers &) = delete;

    void Add(const std::string &username);
    void Remove(std::int16_t itemnr);
    void RemoveByName(const std::string &name);
    std::int16_t Count() const;
    std::string Item(std::int16_t itemnr) const;
    // Every name, in list order.
    std::vector<std::string> AllNames() const;
    void Item(std::int16_t itemnr, const std::string &text);
    void LoadFromRegistry();
    void SaveToRegistry();

    zk::Signal<> Change;

private:
    using Names = std::array<std::string, kMaxUsers + 1>;
    void SaveAndAnnounce();

    Names m_names;
    std::int16_t m_count = 0;
};
