#include "platform/linux/SysInfoRegistry.h"

#include "platform/qt/Latin1.h"

#include <QStandardPaths>

namespace zk {

SysInfoRegistry::SysInfoRegistry()
    : SysInfoRegistry([](const std::string &program) {
        return FromQt(QStandardPaths::findExecutable(ToQt(program)));
    })
{}

SysInfoRegistry::SysInfoRegistry(FindExecutable find)
    : m_find(std::move(find))
{}

const std::vector<std::string> &SysInfoRegistry::Candidates()
{
    // Hardware and system overviews first; the system monitor at least shows
    // the machine's resources where none of those is installed.
    static const std::vector<std::string> programs = {"hardinfo2", "hardinfo", "kinfocenter",
                                                      "gnome-system-monitor"};
    return programs;
}

bool SysInfoRegistry::GetKeyValue(std::uint32_t keyRoot, const std::string &keyName,
                                  const std::string &subKeyRef, std::string &keyVal)
{
    keyVal.clear();
    if (keyRoot != HKEY_LOCAL_MACHINE_ROOT || keyName != "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"
        || subKeyRef != "PATH")
        return false;
    for (const std::string &program : Candidates()) {
        std::string path = m_find ? m_find(program) : std::string();
        if (!path.empty()) {
            keyVal = std::move(path);
            return true;
        }
    }
    return false;
}

} // namespace zk
