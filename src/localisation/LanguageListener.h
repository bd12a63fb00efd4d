#pragma once

#include "core/Signal.h"

#include <functional>
#include <string>

class gclsLanguageChange;

// A subscription to the language notice that lasts as long as this object:
// a window holds one as a member and is called back on every language change
// until it is destroyed. The callback reads the current language itself.
class LanguageListener
{
public:
    // Listens to gLanguageChange().
    explicit LanguageListener(std::function<void()> onChange);
    LanguageListener(gclsLanguageChange &source, std::function<void()> onChange);
    LanguageListener(const LanguageListener &) = delete;
    LanguageListener &operator=(const LanguageListener &) = delete;

    // Stops listening before destruction.
    void Disconnect() { m_connection.Disconnect(); }
    bool Connected() const { return m_connection.Connected(); }

private:
    std::function<void()> m_onChange;
    zk::Signal<const std::string &>::Connection m_connection;
};
