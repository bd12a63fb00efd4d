#include "platform/qt/SystemMonthNames.h"

#include "platform/qt/Latin1.h"

#include <QLocale>

namespace zk {

std::string SystemMonthNames::Abbreviated(int month) const
{
    if (month < 1 || month > 12)
        return {};
    return FromQt(QLocale::system().monthName(month, QLocale::ShortFormat));
}

} // namespace zk
