#pragma once

#include <QApplication>

class FailureReporter;

// The application object. A failure that slips out of an event handler
// without a guard of its own is shown to the person instead of ending the
// program: nothing already written to the log is lost, and the program goes on.
class ZitklokApplication : public QApplication
{
    Q_OBJECT

public:
    ZitklokApplication(int &argc, char **argv, FailureReporter &failures);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    FailureReporter &m_failures;
};
