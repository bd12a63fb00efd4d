#include "ZitklokApplication.h"

#include "localisation/OwnMessages.h"
#include "platform/Dialogs.h"

#include <cstdio>
#include <exception>

ZitklokApplication::ZitklokApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool ZitklokApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        Report(e.what());
    } catch (...) {
        Report("an unknown error");
    }
    return false;
}

void ZitklokApplication::Report(const char *reason)
{
    const std::string text = FailureText("Handling an event", reason);
    std::fprintf(stderr, "zitklok: %s\n", text.c_str());
    if (!m_dialogs)
        return;
    try {
        m_dialogs->MessageBox(text, ProgramTitle(), zk::Dialogs::Icon::Critical);
    } catch (...) {
    }
}
