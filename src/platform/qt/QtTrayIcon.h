#pragma once

#include "platform/TrayIcon.h"

#include <QIcon>
#include <QString>

#include <array>
#include <memory>

class QMenu;
class QSystemTrayIcon;

namespace zk {

// The notification-area icon over QSystemTrayIcon. A single click or a double
// click on the icon raises First (show the main window); a middle click
// raises Third (turn to the log list after the countdown); its context menu
// raises First or Exit. The icon exists only while the desktop has a tray:
// without one it is not made at all, and it is made (with the picture, tooltip
// and menu set so far) as soon as a tray is found at a later call, for a
// panel that starts after the program.
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
    bool Available() override;
    void SetMenuTexts(const std::string &open, const std::string &exit) override;

    // Null while there is no tray.
    QSystemTrayIcon *Icon() const { return m_icon.get(); }
    const QIcon &Picture(TrayImage image) const;

private:
    void MakeIconWhenTrayAppears();

    std::array<QIcon, 4> m_pictures;
    TrayImage m_image = TrayImage::Image4Startup;
    QString m_toolTip;
    QString m_openText = "Open";
    QString m_exitText = "Exit";
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

} // namespace zk
