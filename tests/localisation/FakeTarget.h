#pragma once

#include "localisation/Module2.h"

#include <optional>
#include <string>

// A control, window or column header as TranslateControl sees it.
struct FakeTarget : TranslateTarget
{
    std::optional<std::string> name, key;
    std::string caption = "initial caption", text = "initial text";

    std::optional<std::string> Name() const override { return name; }
    std::optional<std::string> Key() const override { return key; }
    void SetCaption(const std::string &c) override { caption = c; }
    void SetText(const std::string &t) override { text = t; }

    static FakeTarget Control(const std::string &n) { FakeTarget t; t.name = n; return t; }
    static FakeTarget Column(const std::string &k) { FakeTarget t; t.key = k; return t; }
};
