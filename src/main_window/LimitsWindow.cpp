#include "main_window/LimitsWindow.h"

#include "failure/FailureReporter.h"
#include "limits/LimitSettings.h"
#include "limits/ParentPin.h"
#include "localisation/OwnMessages.h"
#include "localisation/QtTranslate.h"
#include "platform/qt/Latin1.h"
#include "users/clsUsers.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QLabel *Label(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton *Button(const char *name, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

std::optional<std::int32_t> Minutes(const QSpinBox *box)
{
    if (box->value() < 0)
        return std::nullopt;
    return box->value();
}

} // namespace

LimitsWindow::LimitsWindow(const clsUsers &users, FailureReporter &failures, QWidget *parent)
    : QDialog(parent)
    , m_failures(failures)
{
    setObjectName(QStringLiteral("frmLimits"));
    auto *grid = new QGridLayout;
    grid->addWidget(Label("lblLimitsUser", this), 0, 0);
    grid->addWidget(Label("lblSchoolDays", this), 0, 1);
    grid->addWidget(Label("lblWeekend", this), 0, 2);
    grid->addWidget(Label("lblLockWhenUp", this), 0, 3);
    for (std::int16_t i = 1; i <= users.Count(); ++i) {
        const std::string user = users.Item(i);
        const zk::UserLimits limits = zk::LimitSettings::Of(user);
        UserRow row{user, MinutesBox("spnSchoolDays", limits.schoolDayMinutes.value_or(-1)),
                    MinutesBox("spnWeekend", limits.weekendMinutes.value_or(-1)),
                    new QCheckBox(this)};
        row.lock->setObjectName(QStringLiteral("chkLockWhenUp"));
        row.lock->setChecked(limits.lockWhenUp);
        auto *name = new QLabel(zk::ToQt(user), this);
        grid->addWidget(name, i, 0);
        grid->addWidget(row.schoolDays, i, 1);
        grid->addWidget(row.weekend, i, 2);
        grid->addWidget(row.lock, i, 3);
        m_rows.push_back(row);
    }

    auto *warning = new QHBoxLayout;
    warning->addWidget(Label("lblWarningMinutes", this));
    m_warning = new QSpinBox(this);
    m_warning->setObjectName(QStringLiteral("spnWarningMinutes"));
    m_warning->setRange(0, 120);
    m_warning->setValue(zk::LimitSettings::WarningMinutes());
    warning->addWidget(m_warning);

    auto *pin = new QHBoxLayout;
    pin->addWidget(Label("lblPin", this));
    m_pin = new QLineEdit(this);
    m_pin->setObjectName(QStringLiteral("txtPin"));
    m_pin->setEchoMode(QLineEdit::Password);
    pin->addWidget(m_pin);
    QPushButton *setPin = Button("btnSetPin", this);
    QPushButton *removePin = Button("btnRemovePin", this);
    pin->addWidget(setPin);
    pin->addWidget(removePin);
    m_pinState = new QLabel(this);
    m_pinState->setObjectName(QStringLiteral("lblPinState"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton *ok = Button("cmdOK", this);
    QPushButton *cancel = Button("cmdLimitsCancel", this);
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *all = new QVBoxLayout(this);
    all->addLayout(grid);
    all->addLayout(warning);
    all->addLayout(pin);
    all->addWidget(m_pinState);
    all->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &LimitsWindow::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(setPin, &QPushButton::clicked, this, &LimitsWindow::btnSetPin_Click);
    connect(removePin, &QPushButton::clicked, this, &LimitsWindow::btnRemovePin_Click);

    TranslateWindow(this);
    const QString none = zk::ToQt(OwnMessage("geen limiet"));
    for (const UserRow &row : m_rows) {
        row.schoolDays->setSpecialValueText(none);
        row.weekend->setSpecialValueText(none);
    }
    ShowPinState();
}

QSpinBox *LimitsWindow::MinutesBox(const char *name, int minutes)
{
    auto *box = new QSpinBox(this);
    box->setObjectName(QString::fromLatin1(name));
    // The lowest value stands for "no limit".
    box->setRange(-1, zk::UserLimits::kMostMinutes);
    box->setValue(minutes);
    return box;
}

void LimitsWindow::ShowPinState()
{
    m_pinState->setText(zk::ToQt(
        OwnMessage(zk::ParentPin::IsSet() ? "Er is een pincode ingesteld." : "Geen pincode ingesteld.")));
}

void LimitsWindow::cmdOK_Click()
{
    const bool saved = m_failures.Guard("Changing the limits", [this] {
        for (const UserRow &row : m_rows)
            zk::LimitSettings::Set(row.user, {Minutes(row.schoolDays), Minutes(row.weekend),
                                              row.lock->isChecked()});
        zk::LimitSettings::SetWarningMinutes(m_warning->value());
    });
    if (saved)
        accept();
}

void LimitsWindow::btnSetPin_Click()
{
    const std::string pin = zk::FromQt(m_pin->text());
    m_pin->clear();
    if (pin.empty())
        return;
    m_failures.Guard("Changing the limits", [&pin] { zk::ParentPin::Set(pin); });
    ShowPinState();
}

void LimitsWindow::btnRemovePin_Click()
{
    m_failures.Guard("Changing the limits", [] { zk::ParentPin::Set(""); });
    ShowPinState();
}
