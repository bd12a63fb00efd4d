#pragma once

#include "platform/TrayIcon.h"

#include <optional>

namespace zk::test {

class FakeTrayIcon : public TrayIcon
{
public:
    void SetIcon(TrayImage image) override { icon = image; }
    void SetToolTip(const std::string &text) override { toolTip = text; }
    bool Available() override { return available; }
    void SetMenuTexts(const std::string &open, const std::string &exit) override
    {
        menuTexts = open + "|" + exit;
    }

    std::optional<TrayImage> icon;
    std::string toolTip;
    std::string menuTexts;
    bool available = true;
};

} // namespace zk::test
