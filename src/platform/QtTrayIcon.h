#pragma once

#include "platform/TrayIcon.h"

#include <QIcon>

#include <array>

class QSystemTrayIcon;

namespace zk {

// The notification-area icon over QSystemTrayIcon. A single click or a double
// click on the icon raises First (show the main window); a middle click
// raises Third (turn to the log list after the countdown). The icon is shown
// from construction on and stays until the object goes.
class QtTrayIcon : public TrayIcon
{
public:
    // pictures: Image1 to Image4, in that order.
    explicit QtTrayIcon(std::array<QIcon, 4> pictures);
    ~QtTrayIcon() override;
    QtTrayIcon(const QtTrayIcon &) = delete;
    QtTrayIcon &operator=(const QtTrayIcon &) = delete;

    void SetIcon(TrayImage image) override;
    void SetToolTip(const std::string &text) override;
    // Asked of the desktop each time: a panel can come and go while we run.
    bool Available() const override;

    QSystemTrayIcon &Icon() { return *m_icon; }
    const QIcon &Picture(TrayImage image) const;

private:
    std::array<QIcon, 4> m_pictures;
    QSystemTrayIcon *m_icon;
};

} // namespace zk
