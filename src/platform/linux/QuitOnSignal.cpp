#include "platform/linux/QuitOnSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace zk {

namespace {

// A handler may only do async-signal-safe work: it writes one byte to a
// socket whose other end the event loop watches.
int gSignalSocket[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void WakeEventLoop(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(gSignalSocket[0], &byte, 1);
}

} // namespace

QuitOnSignal::QuitOnSignal(QObject *parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gSignalSocket) != 0)
        return;
    m_notifier = new QSocketNotifier(gSignalSocket[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitOnSignal::OnSignal);
    struct sigaction action = {};
    action.sa_handler = WakeEventLoop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : kSignals)
        ::sigaction(s, &action, nullptr);
}

QuitOnSignal::~QuitOnSignal()
{
    if (gSignalSocket[0] < 0)
        return;
    for (int s : kSignals)
        std::signal(s, SIG_DFL);
    delete m_notifier;
    ::close(gSignalSocket[0]);
    ::close(gSignalSocket[1]);
    gSignalSocket[0] = gSignalSocket[1] = -1;
}

void QuitOnSignal::OnSignal()
{
    char byte = 0;
    [[maybe_unused]] const ssize_t got = ::read(gSignalSocket[1], &byte, 1);
    QCoreApplication::exit(0);
}

} // namespace zk
