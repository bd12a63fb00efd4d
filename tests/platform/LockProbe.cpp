// Locks the session once through DBusLocker and says how it went: "locked", or the reasons.
#include "platform/linux/DBusLocker.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const std::string failure = zk::DBusLocker().Lock();
    std::printf("%s\n", failure.empty() ? "locked" : failure.c_str());
    return failure.empty() ? 0 : 1;
}
