#pragma once

#include "localisation/LanguageListener.h"

#include <QDialog>

class FailureReporter;
class QListWidget;
class QPushButton;
class clsUsers;
namespace zk {
class Dialogs;
}

// Adds and removes the household's users. Every change goes straight into the
// user list (which saves and announces it); the dialog has no OK or Cancel.
// Open it with exec(); it follows language changes while open. A full list and
// settings that cannot be saved are told through failures.
class frmEditUsers : public QDialog
{
    Q_OBJECT
public:
    frmEditUsers(clsUsers &users, zk::Dialogs &dialogs, FailureReporter &failures,
                 QWidget *parent = nullptr);

    void UpdateUserList();
    void UpdateResourcesfrmEditUsers();

private:
    void btnAddUser_Click();
    void btnRemoveUser_Click();
    void List1_Click();
    std::string SelectedText() const;

    clsUsers &m_users;
    zk::Dialogs &m_dialogs;
    FailureReporter &m_failures;
    QListWidget *m_list1;
    QPushButton *m_btnAddUser;
    QPushButton *m_btnRemoveUser;
    LanguageListener m_listenlanguage;
};
