#pragma once

#include "localisation/gclsLanguageChange.h"

namespace zk::test {

// A language of the test's own, read from the settings current when it is made, and the
// program's current language for its lifetime.
class FreshLanguage
{
public:
    FreshLanguage() { SetCurrentLanguage(&m_language); }
    ~FreshLanguage() { SetCurrentLanguage(nullptr); }
    FreshLanguage(const FreshLanguage &) = delete;
    FreshLanguage &operator=(const FreshLanguage &) = delete;

private:
    gclsLanguageChange m_language;
};

} // namespace zk::test
