#pragma once

#include "platform/RunKey.h"

#include <string>

namespace zk {

// Start with the desktop session: Write(name, command) keeps the desktop entry
// <autostart folder>/<name in lower case>.desktop, enabled with the command as
// its Exec, or (empty command) the same entry with Hidden=true, so that stored
// choice and file always agree. The entry is written atomically and holds no
// timestamp: the same choice gives the same bytes. Folders or files that
// cannot be written are ignored, as the registry's Run value is.
class XdgRunKey : public RunKey
{
public:
    // Both paths are UTF-8, as the file system names them; Write's name and
    // command are the program's Latin-1 text.
    // autostartFolder empty: $XDG_CONFIG_HOME/autostart, or ~/.config/autostart.
    // programPath empty: the running program's path. It stands in the Exec of a
    // hidden entry when no earlier entry tells the command.
    explicit XdgRunKey(std::string autostartFolder = {}, std::string programPath = {});

    void Write(const std::string &valueName, const std::string &data) override;

    std::string EntryPath(const std::string &valueName) const; // UTF-8

    // The Exec value, escaped as the entry holds it, that starts program (UTF-8).
    static std::string ExecArgument(const std::string &program);
    // The whole entry, UTF-8. execValue is the Exec line's value as written.
    static std::string EntryText(const std::string &name, const std::string &execValue,
                                 bool enabled);

private:
    std::string ExistingExecValue(const std::string &path) const;

    std::string m_folder;
    std::string m_program;
};

} // namespace zk
