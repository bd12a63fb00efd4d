#include "users/clsUsers.h"

#include "platform/SettingsStore.h"

#include <algorithm>
#include <utility>

namespace {
const char kApplication[] = "Sitclock";
const char kSection[] = "Edit";
const char kKey[] = "Users";

// The stored text is read with a 16-bit character counter; what lies beyond
// its reach is ignored.
constexpr std::size_t kMaxStoredChars = 32767;
} // namespace

clsUsers::clsUsers()
{
    LoadFromRegistry();
}

clsUsers::~clsUsers()
{
    // The last save is a courtesy: every change was saved when it was made, and a
    // destructor must not throw.
    try {
        SaveToRegistry();
    } catch (...) {
    }
}

void clsUsers::Add(const std::string &username)
{
    if (m_count >= kMaxUsers)
        throw zk::UsersError("Cannot add user \"" + username + "\": the list already holds " +
                             std::to_string(kMaxUsers) + " users, the most it can hold");
    ++m_count;
    m_names[static_cast<std::size_t>(m_count)] = username;
    SaveAndAnnounce();
}

void clsUsers::Remove(std::int16_t itemnr)
{
    if (itemnr < 1 || itemnr > m_count)
        return;
    for (std::int16_t i = itemnr; i < m_count; ++i)
        m_names[static_cast<std::size_t>(i)] = std::move(m_names[static_cast<std::size_t>(i + 1)]);
    m_names[static_cast<std::size_t>(m_count)].clear();
    --m_count;
    SaveAndAnnounce();
}

void clsUsers::RemoveByName(const std::string &name)
{
    for (std::int16_t i = 1; i <= m_count; ++i) {
        if (m_names[static_cast<std::size_t>(i)] == name) {
            Remove(i);
            return;
        }
    }
}

std::int16_t clsUsers::Count() const
{
    return m_count;
}

std::vector<std::string> clsUsers::AllNames() const
{
    std::vector<std::string> names;
    for (std::int16_t i = 1; i <= Count(); ++i)
        names.push_back(Item(i));
    return names;
}

std::string clsUsers::Item(std::int16_t itemnr) const
{
    if (itemnr < 0 || itemnr > kMaxUsers)
        return {};
    return m_names[static_cast<std::size_t>(itemnr)];
}

void clsUsers::Item(std::int16_t itemnr, const std::string &text)
{
    if (itemnr < 0 || itemnr > kMaxUsers)
        return;
    m_names[static_cast<std::size_t>(itemnr)] = text;
    SaveAndAnnounce();
}

void clsUsers::LoadFromRegistry()
{
    const std::string stored = zk::CurrentSettings().Read(kApplication, kSection, kKey, "");
    if (stored.empty()) {
        m_count = 0;
        return;
    }
    const std::size_t length = std::min(stored.size(), kMaxStoredChars);
    m_count = 1;
    m_names[1].clear();
    for (std::size_t i = 0; i < length; ++i) {
        const char c = stored[i];
        if (c == '|') {
            // Names past the hundredth have no slot and are dropped.
            if (m_count == kMaxUsers)
                break;
            ++m_count;
            m_names[static_cast<std::size_t>(m_count)].clear();
        } else {
            m_names[static_cast<std::size_t>(m_count)].push_back(c);
        }
    }
}

void clsUsers::SaveToRegistry()
{
    std::string stored;
    for (std::int16_t i = 1; i <= m_count; ++i) {
        if (i > 1)
            stored.push_back('|');
        stored += m_names[static_cast<std::size_t>(i)];
    }
    zk::CurrentSettings().Write(kApplication, kSection, kKey, stored);
}

void clsUsers::SaveAndAnnounce()
{
    // A change that cannot be saved still holds for the run, as the settings
    // notice tells the person: on a first start with an unwritable folder the
    // list would otherwise stay empty and nothing could ever be logged. The
    // error goes on to the caller after the change is announced.
    try {
        SaveToRegistry();
    } catch (...) {
        Change.Emit();
        throw;
    }
    Change.Emit();
}
