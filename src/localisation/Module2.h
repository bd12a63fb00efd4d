#pragma once

#include <optional>
#include <string>

// Something that TranslateControl can label: a window, a control, a menu
// action or a list column header. Name is the control name (a window's title
// is looked up under the window's own name), Key a column header's key; a
// target without one of them returns nothing for it.
class TranslateTarget
{
public:
    virtual ~TranslateTarget() = default;
    virtual std::optional<std::string> Name() const = 0;
    virtual std::optional<std::string> Key() const = 0;
    virtual void SetCaption(const std::string &caption) = 0;
    virtual void SetText(const std::string &text) = 0;
};

// Captions and messages of the current language (gLanguageChange). Any code
// other than "NL" or "ENG" changes no caption and gives empty messages.
void TranslateControl(TranslateTarget &target);
void TranslateControlNL(TranslateTarget &target);
void TranslateControlENG(TranslateTarget &target);
std::string TranslateText(const std::string &key);
std::string TranslateTextNL(const std::string &key);
std::string TranslateTextENG(const std::string &key);
