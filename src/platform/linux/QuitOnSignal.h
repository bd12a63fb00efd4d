#pragma once

#include <QObject>

class QSocketNotifier;

namespace zk {

// Ends the event loop with exit code 0 when the system asks the program to
// stop (SIGTERM at log-out or shutdown, SIGINT, SIGHUP), as the exit menu
// item does, instead of the signal's default of ending it mid-step. The log
// needs nothing at exit: every record is on disk when its write returns.
// One per program.
class QuitOnSignal : public QObject
{
    Q_OBJECT
public:
    explicit QuitOnSignal(QObject *parent = nullptr);
    ~QuitOnSignal() override;

private:
    void OnSignal();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace zk
