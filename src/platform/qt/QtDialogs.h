#pragma once

#include "platform/Dialogs.h"

class QWidget;

namespace zk {

// The modal boxes as Qt dialogs. Each runs their own event loop (exec), so
// timer ticks and notifications go on while a box is open.
class QtDialogs : public Dialogs
{
public:
    // parent: the window the boxes belong to; null gives free-standing boxes,
    // which is what a program living in the tray needs while its window is hidden.
    explicit QtDialogs(QWidget *parent = nullptr)
        : m_parent(parent)
    {
    }

    std::string InputBox(const std::string &prompt, const std::string &title,
                         const std::string &offered) override;
    std::optional<std::string> PinBox(const std::string &prompt,
                                      const std::string &title) override;
    void MessageBox(const std::string &text, const std::string &title, Icon icon) override;

private:
    QWidget *m_parent;
};

} // namespace zk
