#include "main_window/SideWindows.h"

#include "about/frmAbout.h"
#include "failure/FailureReporter.h"
#include "main_window/Form1Services.h"
#include "main_window/Household.h"
#include "main_window/LimitsWindow.h"
#include "platform/qt/FitOnScreen.h"
#include "users/frmEditUsers.h"
#include "week/frmWeek.h"

SideWindows::SideWindows(Household &household, Form1Services &services, QWidget &owner)
    : m_household(household)
    , m_services(services)
    , m_owner(owner)
{
}

SideWindows::~SideWindows() = default;

void SideWindows::EditUsers()
{
    m_services.failures.Guard("Editing the users", [this] {
        if (!m_household.Gate().Open())
            return;
        frmEditUsers dialog(m_household.Users(), m_services.dialogs, m_services.failures,
                            &m_owner);
        dialog.exec();
    });
}

void SideWindows::Limits()
{
    m_services.failures.Guard("Changing the limits", [this] {
        if (!m_household.Gate().Open())
            return;
        LimitsWindow dialog(m_household.Users(), m_services.failures, &m_owner);
        dialog.exec();
    });
}

void SideWindows::WeekOverview()
{
    FailureReporter &failures = m_services.failures;
    failures.Guard("Showing the week overview", [this, &failures] {
        if (!m_week)
            m_week = std::make_unique<frmWeek>(
                m_household.Actions(), m_household.Users(),
                [&failures](const std::string &operation, const std::function<void()> &body) {
                    failures.Guard(operation, body);
                });
        m_week->Open();
    });
}

void SideWindows::About()
{
    m_services.failures.Guard("Showing the about window", [this] {
        frmAbout dialog(m_services.registry, m_services.dialogs, m_services.startDetached,
                        &m_owner);
        dialog.SetIcon(m_owner.windowIcon());
        zk::FitOnScreen(dialog);
        dialog.exec();
    });
}
