#pragma once

#include "localisation/LanguageListener.h"

#include <QDialog>

class QListWidget;
class QPushButton;
class clsUsers;
namespace zk {
class Dialogs;
class SettingsError;
}

// Adds and removes the household's users. Every change goes straight into the
// user list (which saves and announces it); the dialog has no OK or Cancel.
// Open it with exec(); it follows language changes while open.
class frmEditUsers : public QDialog
{
    Q_OBJECT
public:
    frmEditUsers(clsUsers &users, zk::Dialogs &dialogs, QWidget *parent = nullptr);

    void UpdateUserList();
    void UpdateResourcesfrmEditUsers();

private:
    void btnAddUser_Click();
    void btnRemoveUser_Click();
    void List1_Click();
    std::string SelectedText() const;
    void ShowError(const zk::SettingsError &error);

    clsUsers &m_users;
    zk::Dialogs &m_dialogs;
    QListWidget *m_list1;
    QPushButton *m_btnAddUser;
    QPushButton *m_btnRemoveUser;
    LanguageListener m_listenlanguage;
};
