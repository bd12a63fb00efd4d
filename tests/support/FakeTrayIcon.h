#pragma once

#include "platform/TrayIcon.h"

#include <optional>

namespace zk::test {

class FakeTrayIcon : public TrayIcon
{
public:
    void SetIcon(TrayImage image) override { icon = image; }
    void SetToolTip(const std::string &text) override { toolTip = text; }
    bool Available() const override { return available; }

    std::optional<TrayImage> icon;
    std::string toolTip;
    bool available = true;
};

} // namespace zk::test
