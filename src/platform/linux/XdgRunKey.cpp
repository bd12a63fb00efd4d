#include "platform/linux/XdgRunKey.h"

#include "platform/qt/Latin1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zk {

namespace {

QString DefaultFolder()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !QDir::isAbsolutePath(config))
        config = QDir::homePath() + "/.config";
    return config + "/autostart";
}

// Characters that make a desktop entry's Exec argument need quotes.
bool IsReserved(char c)
{
    static const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
    return reserved.find(c) != std::string::npos;
}

// The escapes of a string value in a desktop entry.
std::string EscapeValue(const std::string &text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

} // namespace

XdgRunKey::XdgRunKey(std::string autostartFolder, std::string programPath)
    : m_folder(autostartFolder.empty() ? DefaultFolder().toStdString()
                                       : std::move(autostartFolder))
    , m_program(std::move(programPath))
{
    if (m_program.empty() && QCoreApplication::instance())
        m_program = QCoreApplication::applicationFilePath().toStdString();
}

std::string XdgRunKey::EntryPath(const std::string &valueName) const
{
    return m_folder + "/" + ToQt(valueName).toLower().toStdString() + ".desktop";
}

std::string XdgRunKey::ExecArgument(const std::string &program)
{
    bool quote = program.empty();
    std::string inner;
    for (char c : program) {
        if (IsReserved(c))
            quote = true;
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            inner += '\\';
        inner += c;
        // A lone "%" would start a field code.
        if (c == '%')
            inner += '%';
    }
    if (!quote) {
        std::string plain;
        for (char c : program)
            plain += (c == '%') ? std::string("%%") : std::string(1, c);
        return EscapeValue(plain);
    }
    return EscapeValue("\"" + inner + "\"");
}

std::string XdgRunKey::EntryText(const std::string &name, const std::string &execValue,
                                 bool enabled)
{
    const std::string flag = enabled ? "true" : "false";
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Version=1.0\n"
           "Name=" + EscapeValue(name) + "\n"
           "Comment=Household log of computer use\n"
           "Exec=" + execValue + "\n"
           "Icon=zitklok\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=" + flag + "\n"
           "Hidden=" + (enabled ? "false" : "true") + "\n";
}

std::string XdgRunKey::ExistingExecValue(const std::string &path) const
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(65536).trimmed();
        if (line.startsWith("Exec="))
            return line.mid(5).toStdString();
    }
    return {};
}

void XdgRunKey::Write(const std::string &valueName, const std::string &data)
{
    const std::string path = EntryPath(valueName);
    // Names and commands arrive as Latin-1 bytes; the entry is UTF-8.
    const auto utf8 = [](const std::string &latin1) { return ToQt(latin1).toUtf8().toStdString(); };

    std::string execValue;
    if (!data.empty()) {
        execValue = ExecArgument(utf8(data));
    } else {
        execValue = ExistingExecValue(path);
        if (execValue.empty())
            execValue = ExecArgument(m_program);
    }
    const std::string text = EntryText(utf8(valueName), execValue, !data.empty());

    if (!QDir().mkpath(QString::fromStdString(m_folder)))
        return;
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return;
    if (file.write(text.data(), static_cast<qint64>(text.size()))
        != static_cast<qint64>(text.size())) {
        file.cancelWriting();
        return;
    }
    file.commit();
}

} // namespace zk
