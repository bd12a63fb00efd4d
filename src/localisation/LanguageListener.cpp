#include "localisation/LanguageListener.h"

#include "localisation/gclsLanguageChange.h"

#include <utility>

LanguageListener::LanguageListener(std::function<void()> onChange)
    : LanguageListener(gLanguageChange(), std::move(onChange))
{}

LanguageListener::LanguageListener(gclsLanguageChange &source, std::function<void()> onChange)
    : m_onChange(std::move(onChange))
    , m_connection(source.Changed.Connect([this](const std::string &) {
        if (m_onChange)
            m_onChange();
    }))
{}
