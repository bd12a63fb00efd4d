#include "users/frmEditUsers.h"

#include "failure/FailureReporter.h"
#include "localisation/Module2.h"
#include "localisation/OwnMessages.h"
#include "localisation/QtTranslate.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "platform/qt/FitOnScreen.h"
#include "platform/qt/Latin1.h"
#include "users/WrappingButton.h"
#include "users/clsUsers.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QListWidget>
#include <QSignalBlocker>

frmEditUsers::frmEditUsers(clsUsers &users, zk::Dialogs &dialogs, FailureReporter &failures,
                           QWidget *parent)
    : QDialog(parent)
    , m_users(users)
    , m_dialogs(dialogs)
    , m_failures(failures)
    , m_list1(new QListWidget(this))
    , m_btnAddUser(new QPushButton(QStringLiteral("Add User"), this))
    , m_btnRemoveUser(new WrappingButton(QStringLiteral("Remove User"), this))
    , m_listenlanguage([this] { UpdateResourcesfrmEditUsers(); })
{
    setObjectName(QStringLiteral("frmEditUsers"));
    setWindowTitle(QStringLiteral("Edit Users"));
    setModal(true);

    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setMinimumSize(153, 160);
    m_list1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_btnAddUser->setObjectName(QStringLiteral("btnAddUser"));
    m_btnAddUser->setAutoDefault(false);
    m_btnRemoveUser->setObjectName(QStringLiteral("btnRemoveUser"));
    m_btnRemoveUser->setAutoDefault(false);
    // The list takes what room the window has; the buttons keep to their column,
    // as wide as their captions need in the current language and font.
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_btnAddUser);
    buttons->addWidget(m_btnRemoveUser);
    buttons->addStretch(1);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(8, 16, 16, 8);
    row->setSpacing(24);
    row->addWidget(m_list1, 1);
    row->addLayout(buttons);
    resize(312, 187);

    connect(m_list1, &QListWidget::itemSelectionChanged, this, &frmEditUsers::List1_Click);
    connect(m_btnAddUser, &QPushButton::clicked, this, &frmEditUsers::btnAddUser_Click);
    connect(m_btnRemoveUser, &QPushButton::clicked, this, &frmEditUsers::btnRemoveUser_Click);

    UpdateResourcesfrmEditUsers();
    UpdateUserList();
    zk::FitOnScreen(*this);
}

void frmEditUsers::UpdateUserList()
{
    // Refilling is not a click: the remove button keeps its caption.
    const QSignalBlocker blocker(m_list1);
    m_list1->clear();
    for (std::int16_t i = 1; i <= m_users.Count(); ++i)
        m_list1->addItem(zk::ToQt(m_users.Item(i)));
    m_list1->setCurrentRow(-1);
}

void frmEditUsers::UpdateResourcesfrmEditUsers()
{
    TranslateWindow(this);
    List1_Click();
}

std::string frmEditUsers::SelectedText() const
{
    const QList<QListWidgetItem *> selected = m_list1->selectedItems();
    return selected.isEmpty() ? std::string() : zk::FromQt(selected.front()->text());
}

void frmEditUsers::List1_Click()
{
    m_btnRemoveUser->setText(zk::ToQt(TranslateText("Remove User ") + SelectedText()));
}

void frmEditUsers::btnAddUser_Click()
{
    const std::string name = m_dialogs.InputBox(TranslateText("Please enter new user's name"),
                                                TranslateText("New user"), "");
    if (name.empty())
        return;
    try {
        m_users.Add(name);
    } catch (const zk::UsersError &) {
        // The one refusal of Add: the list is full.
        m_failures.Tell(OwnMessage("Cannot add $user$: the list already holds 100 users.",
                                   {{"$user$", name}}),
                        zk::Dialogs::Icon::Exclamation);
    } catch (const zk::SettingsError &error) {
        m_failures.SettingsNotSaved(error);
    }
    UpdateUserList();
}

void frmEditUsers::btnRemoveUser_Click()
{
    const QList<QListWidgetItem *> selected = m_list1->selectedItems();
    if (selected.isEmpty())
        return;
    try {
        m_users.RemoveByName(zk::FromQt(selected.front()->text()));
    } catch (const zk::SettingsError &error) {
        // The name is gone for the run all the same, so its entry goes too.
        m_failures.SettingsNotSaved(error);
    }
    // The entry removed is the selected one, even when the list removed an
    // earlier user of the same name: both end up holding the same names.
    const QSignalBlocker blocker(m_list1);
    delete m_list1->takeItem(m_list1->row(selected.front()));
    m_list1->clearSelection();
    m_list1->setCurrentRow(-1);
}
