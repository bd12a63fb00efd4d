#pragma once

#include <QApplication>

namespace zk {
class Dialogs;
}

// The application object. A failure that slips out of an event handler
// without a guard of its own is shown to the person instead of ending the
// program: nothing already written to the log is lost, and the program goes on.
class ZitklokApplication : public QApplication
{
    Q_OBJECT

public:
    ZitklokApplication(int &argc, char **argv);

    // Where the failures are shown; none: they are written to stderr only.
    void SetDialogs(zk::Dialogs *dialogs) { m_dialogs = dialogs; }

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void Report(const char *reason);

    zk::Dialogs *m_dialogs = nullptr;
};
