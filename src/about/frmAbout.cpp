#include "about/frmAbout.h"

#include "localisation/QtTranslate.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"
#include "platform/qt/Latin1.h"

#include <QBoxLayout>
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

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    return label;
}

QFrame *MakeLine(QWidget *parent, int index)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setProperty("index", index);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QPushButton *MakeButton(QWidget *parent, const char *name, const QString &text)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumWidth(94);
    return button;
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

    BuildControls();
    UpdateResourcesfrmAbout();
}

// The texts wrap in a column of their own beside the icon; the window is as
// high as they need in the current language, and the buttons as wide as their
// captions.
void frmAbout::BuildControls()
{
    m_picIcon->setObjectName(QStringLiteral("picIcon"));
    m_picIcon->setFixedSize(32, 32);
    auto *texts = new QVBoxLayout;
    texts->addWidget(MakeLabel(this, "lblTitle", QStringLiteral("Application Title")));
    texts->addWidget(MakeLabel(this, "lblVersion", QStringLiteral("Version")));
    auto *description = MakeLabel(this, "lblDescription", QString::fromLatin1(kDescription));
    description->setMinimumWidth(314);
    texts->addWidget(description);
    auto *top = new QHBoxLayout;
    top->addWidget(m_picIcon, 0, Qt::AlignTop);
    top->addSpacing(22);
    top->addLayout(texts, 1);

    auto *cmdOK = MakeButton(this, "cmdOK", QStringLiteral("OK"));
    cmdOK->setDefault(true);
    auto *cmdSysInfo = MakeButton(this, "cmdSysInfo", QStringLiteral("&System Info..."));
    cmdSysInfo->setAutoDefault(false);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch(1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(MakeLabel(this, "lblDisclaimer",
                                QStringLiteral("Warning: copying this program is not allowed.")),
                      1);
    bottom->addLayout(buttons);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(16, 16, 16, 16);
    column->addLayout(top);
    column->addWidget(MakeLine(this, 0));
    column->addWidget(MakeLine(this, 1));
    column->addLayout(bottom, 1);
    // As large as the texts need in the current language and font, wrapped at
    // the widths the layout gives them: a window that may be made smaller than
    // that would cut a wrapped line off.
    column->setSizeConstraint(QLayout::SetFixedSize);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
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
