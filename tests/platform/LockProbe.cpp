// Locks the session once through DBusLocker and says how it went ("locked"; the reasons go to
// the standard error).
#include "platform/linux/DBusLocker.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const bool locked = zk::DBusLocker().Lock();
    std::printf("%s\n", locked ? "locked" : "not locked");
    return locked ? 0 : 1;
}
