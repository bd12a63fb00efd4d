#include "ZitklokApplication.h"

#include "failure/FailureReporter.h"

ZitklokApplication::ZitklokApplication(int &argc, char **argv, FailureReporter &failures)
    : QApplication(argc, argv)
    , m_failures(failures)
{
}

bool ZitklokApplication::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    m_failures.Guard("Handling an event", [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
