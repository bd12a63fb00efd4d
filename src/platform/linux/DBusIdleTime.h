#pragma once

#include "platform/IdleTimeSource.h"

#include <QString>

namespace zk {

// One idle-time method on the session bus, answering a count of unitMs
// milliseconds. A short timeout keeps a missing or hung service from freezing
// the look (the default wait is 25 seconds).
class DBusIdleTime : public IdleTimeSource
{
public:
    DBusIdleTime(QString service, QString path, QString interface, QString method,
                 std::uint64_t unitMs);

    std::optional<std::uint64_t> IdleMilliseconds() override;

private:
    QString m_service, m_path, m_interface, m_method;
    std::uint64_t m_unitMs;
};

} // namespace zk
