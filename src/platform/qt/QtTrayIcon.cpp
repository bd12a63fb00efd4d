#include "platform/qt/QtTrayIcon.h"

#include "platform/qt/Latin1.h"

#include <QMenu>
#include <QSystemTrayIcon>

namespace zk {

QtTrayIcon::QtTrayIcon(std::array<QIcon, 4> pictures)
    : m_pictures(std::move(pictures))
{
    MakeIconWhenTrayAppears();
}

QtTrayIcon::~QtTrayIcon() = default;

void QtTrayIcon::MakeIconWhenTrayAppears()
{
    // Qt warns at every start when an icon is made with no tray to hold it.
    if (m_icon || !QSystemTrayIcon::isSystemTrayAvailable())
        return;
    m_menu = std::make_unique<QMenu>();
    m_menu->setObjectName("UCTrayIcon1Menu");
    QAction *open = m_menu->addAction(m_openText, [this] { First.Emit(); });
    open->setObjectName("UCTrayIcon1Open");
    QAction *exit = m_menu->addAction(m_exitText, [this] { Exit.Emit(); });
    exit->setObjectName("UCTrayIcon1Exit");

    m_icon = std::make_unique<QSystemTrayIcon>();
    m_icon->setObjectName("UCTrayIcon1");
    m_icon->setIcon(Picture(m_image));
    m_icon->setToolTip(m_toolTip);
    m_icon->setContextMenu(m_menu.get());
    QObject::connect(m_icon.get(), &QSystemTrayIcon::activated, m_icon.get(),
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         switch (reason) {
                         case QSystemTrayIcon::Trigger:
                         case QSystemTrayIcon::DoubleClick:
                             First.Emit();
                             break;
                         case QSystemTrayIcon::MiddleClick:
                             Third.Emit();
                             break;
                         default:
                             break;
                         }
                     });
    m_icon->show();
}

void QtTrayIcon::SetIcon(TrayImage image)
{
    m_image = image;
    MakeIconWhenTrayAppears();
    if (m_icon)
        m_icon->setIcon(Picture(image));
}

void QtTrayIcon::SetToolTip(const std::string &text)
{
    m_toolTip = ToQt(text);
    MakeIconWhenTrayAppears();
    if (m_icon)
        m_icon->setToolTip(m_toolTip);
}

bool QtTrayIcon::Available()
{
    MakeIconWhenTrayAppears();
    return m_icon && QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::SetMenuTexts(const std::string &open, const std::string &exit)
{
    m_openText = ToQt(open);
    m_exitText = ToQt(exit);
    MakeIconWhenTrayAppears();
    if (!m_menu)
        return;
    const QList<QAction *> items = m_menu->actions();
    items.at(0)->setText(m_openText);
    items.at(1)->setText(m_exitText);
}

const QIcon &QtTrayIcon::Picture(TrayImage image) const
{
    const int i = static_cast<int>(image) - 1;
    return m_pictures[static_cast<std::size_t>(i >= 0 && i < 4 ? i : 3)];
}

} // namespace zk
