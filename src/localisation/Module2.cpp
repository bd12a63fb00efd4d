#include "localisation/Module2.h"

#include "localisation/Module2Tables.h"
#include "localisation/gclsLanguageChange.h"

namespace {

using zk::translation::Language;
using zk::translation::Table;
using zk::translation::TableMap;

void Translate(TranslateTarget &target, Language language)
{
    if (auto name = target.Name()) {
        const auto &captions = TableMap(Table::ControlNames, language);
        if (auto it = captions.find(*name); it != captions.end())
            target.SetCaption(it->second);
    }
    if (auto key = target.Key()) {
        const auto &headers = TableMap(Table::ColumnKeys, language);
        if (auto it = headers.find(*key); it != headers.end())
            target.SetText(it->second);
    }
}

std::string Lookup(const std::string &key, Language language)
{
    const auto &messages = TableMap(Table::Messages, language);
    auto it = messages.find(key);
    return it == messages.end() ? std::string() : it->second;
}

} // namespace

void TranslateControl(TranslateTarget &target)
{
    const std::string &language = gLanguageChange().GetLanguage();
    if (language == "NL")
        TranslateControlNL(target);
    else if (language == "ENG")
        TranslateControlENG(target);
}

void TranslateControlNL(TranslateTarget &target) { Translate(target, Language::NL); }

void TranslateControlENG(TranslateTarget &target) { Translate(target, Language::ENG); }

std::string TranslateText(const std::string &key)
{
    const std::string &language = gLanguageChange().GetLanguage();
    if (language == "NL")
        return TranslateTextNL(key);
    if (language == "ENG")
        return TranslateTextENG(key);
    return {};
}

std::string TranslateTextNL(const std::string &key) { return Lookup(key, Language::NL); }

std::string TranslateTextENG(const std::string &key) { return Lookup(key, Language::ENG); }
