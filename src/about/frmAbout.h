#pragma once

#include "localisation/LanguageListener.h"

#include <QDialog>

#include <functional>
#include <string>

class QIcon;
class QLabel;
class QPushButton;
namespace zk {
class Dialogs;
class Registry;
} // namespace zk

// Name, version and description of the program, with a button that starts
// the system information tool. Modal; closes with cmdOK or its close box.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    using StartDetached = std::function<bool(const std::string &path)>;
    using FileExists = std::function<bool(const std::string &path)>;

    // startDetached starts a program without waiting (the program passes
    // QProcess::startDetached); false means it could not be started.
    frmAbout(zk::Registry &registry, zk::Dialogs &dialogs, StartDetached startDetached,
             QWidget *parent = nullptr);

    void SetIcon(const QIcon &icon);
    // Replaces the test for the tool's file in its folder (default: a regular file).
    void SetFileExists(FileExists fileExists);

    void UpdateResourcesfrmAbout();
    // Starts the tool, or tells that it is unavailable.
    void StartSysInfo();

private:
    void BuildControls();
    bool FindSysInfo(std::string &path);

    zk::Registry &m_registry;
    zk::Dialogs &m_dialogs;
    StartDetached m_startDetached;
    FileExists m_fileExists;
    QLabel *m_picIcon;
    LanguageListener m_listenlanguage;
};
