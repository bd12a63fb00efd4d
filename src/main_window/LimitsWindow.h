#pragma once

#include <QDialog>

#include <string>
#include <vector>

class FailureReporter;
class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class clsUsers;

// The Limits window: for each user of the list a daily limit for Monday to
// Friday and one for Saturday and Sunday in minutes ("no limit" below 0) and
// whether the session locks when the time is up; the warning's minutes before
// the limit; and the parent's PIN, set, changed or removed at once. OK stores
// the limits; Cancel leaves them. Labelled from the translation tables.
class LimitsWindow : public QDialog
{
    Q_OBJECT

public:
    LimitsWindow(const clsUsers &users, FailureReporter &failures, QWidget *parent = nullptr);

    // The controls of one user's row (tests find them by user).
    struct UserRow
    {
        std::string user;
        QSpinBox *schoolDays;
        QSpinBox *weekend;
        QCheckBox *lock;
    };
    const std::vector<UserRow> &Rows() const { return m_rows; }

    void cmdOK_Click();
    void btnSetPin_Click();
    void btnRemovePin_Click();

private:
    QSpinBox *MinutesBox(const char *name, int minutes);
    void ShowPinState();

    FailureReporter &m_failures;
    std::vector<UserRow> m_rows;
    QSpinBox *m_warning;
    QLineEdit *m_pin;
    QLabel *m_pinState;
};
