#include "about/frmAbout.h"

#include "localisation/QtTranslate.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"
#include "platform/qt/Latin1.h"

#include <QCoreApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include <filesystem>

namespace {

const char kDescription[] =
    "Het bijhouden van de werkzaamheden op jouw computer. Hoe lang zit ieder achter de "
    "computer? En wat heb je al die tijd gedaan? Gebruik dit programma alleen om de "
    "hoeveelheid computertijd te verminderen en/of in de gaten te houden.";

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, QRect place)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    return label;
}

QFrame *MakeLine(QWidget *parent, int index, QRect place)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setProperty("index", index);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(place);
    return line;
}

} // namespace

frmAbout::frmAbout(zk::Registry &registry, zk::Dialogs &dialogs, StartDetached startDetached,
                   QWidget *parent)
    : QDialog(parent)
    , m_registry(registry)
    , m_dialogs(dialogs)
    , m_startDetached(std::move(startDetached))
    , m_fileExists([](const std::string &path) {
        std::error_code ec;
        return std::filesystem::is_regular_file(path, ec);
    })
    , m_picIcon(new QLabel(this))
    , m_listenlanguage([this] { UpdateResourcesfrmAbout(); })
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About MyApp"));
    setModal(true);
    setFixedSize(400, 280);

    m_picIcon->setObjectName(QStringLiteral("picIcon"));
    m_picIcon->setGeometry(16, 16, 32, 32);
    MakeLabel(this, "lblTitle", QStringLiteral("Application Title"), {70, 16, 314, 36});
    MakeLabel(this, "lblVersion", QStringLiteral("Version"), {70, 56, 314, 18});
    MakeLabel(this, "lblDescription", QString::fromLatin1(kDescription), {70, 80, 314, 96});
    MakeLine(this, 0, {6, 184, 388, 2});
    MakeLabel(this, "lblDisclaimer",
              QStringLiteral("Warning: copying this program is not allowed."), {16, 194, 260, 72});
    MakeLine(this, 1, {6, 186, 388, 1});

    auto *cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(290, 194, 94, 25);
    cmdOK->setDefault(true);
    auto *cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(290, 230, 94, 25);
    cmdSysInfo->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    UpdateResourcesfrmAbout();
}

void frmAbout::SetIcon(const QIcon &icon)
{
    m_picIcon->setPixmap(icon.pixmap(32, 32));
}

void frmAbout::SetFileExists(FileExists fileExists)
{
    m_fileExists = std::move(fileExists);
}

void frmAbout::UpdateResourcesfrmAbout()
{
    TranslateWindow(this);
}

bool frmAbout::FindSysInfo(std::string &path)
{
    if (m_registry.GetKeyValue(zk::HKEY_LOCAL_MACHINE_ROOT,
                               "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path))
        return true;
    if (!m_registry.GetKeyValue(zk::HKEY_LOCAL_MACHINE_ROOT,
                                "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", path))
        return false;
    const std::string tool = path + "\\MSINFO32.EXE";
    if (!m_fileExists || !m_fileExists(tool))
        return false;
    path = tool;
    return true;
}

void frmAbout::StartSysInfo()
{
    bool started = false;
    try {
        std::string path;
        started = FindSysInfo(path) && m_startDetached && m_startDetached(path);
    } catch (...) {
        // Whatever went wrong, the user learns only that the tool is unavailable.
        started = false;
    }
    if (started)
        return;
    QString title = QCoreApplication::applicationName();
    if (title.isEmpty())
        title = QStringLiteral("Sitclock");
    m_dialogs.MessageBox("System Information Is Unavailable At This Time", zk::FromQt(title),
                         zk::Dialogs::Icon::None);
}
