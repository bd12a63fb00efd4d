#include "platform/QtTrayIcon.h"

#include "platform/Latin1.h"

#include <QSystemTrayIcon>

namespace zk {

QtTrayIcon::QtTrayIcon(std::array<QIcon, 4> pictures)
    : m_pictures(std::move(pictures))
    , m_icon(new QSystemTrayIcon)
{
    m_icon->setObjectName("UCTrayIcon1");
    m_icon->setIcon(m_pictures[3]);
    QObject::connect(m_icon, &QSystemTrayIcon::activated, m_icon,
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

QtTrayIcon::~QtTrayIcon()
{
    delete m_icon;
}

void QtTrayIcon::SetIcon(TrayImage image)
{
    m_icon->setIcon(Picture(image));
}

void QtTrayIcon::SetToolTip(const std::string &text)
{
    m_icon->setToolTip(ToQt(text));
}

bool QtTrayIcon::Available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

const QIcon &QtTrayIcon::Picture(TrayImage image) const
{
    const int i = static_cast<int>(image) - 1;
    return m_pictures[static_cast<std::size_t>(i >= 0 && i < 4 ? i : 3)];
}

} // namespace zk
