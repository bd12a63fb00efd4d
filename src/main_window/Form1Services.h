#pragma once

#include <functional>
#include <string>

class FailureReporter;
namespace zk {
class Dialogs;
class Locker;
class PointerSource;
class Registry;
class RunKey;
class TrayIcon;
} // namespace zk

// What the main window needs of the system around it. The program hands in
// the Qt and desktop implementations; tests hand in fakes.
struct Form1Services
{
    zk::Dialogs &dialogs;
    FailureReporter &failures;
    zk::TrayIcon &tray;
    zk::PointerSource &pointer;
    zk::RunKey &runKey;
    zk::Registry &registry;
    // Locks the session when a user's limit says so.
    zk::Locker &locker;
    // The program's folder as the file system names it; the log is this
    // folder, the separator and "actions.dat", joined as they stand.
    std::string programFolder;
    // What the Run value holds while the program starts with the computer.
    std::string programCommand;
    // Starts a program without waiting for it (the about window's tool).
    std::function<bool(const std::string &path)> startDetached;
    // Ends the program at once; empty: QCoreApplication::exit(0).
    std::function<void()> exitProgram = {};
    // Seconds between two looks at the pointer, and the stillness after which
    // a stretch stops by itself (also the late-look limit of the mouse watch).
    int scanRateSeconds = 10;
    int idleLimitSeconds = 600;
};
