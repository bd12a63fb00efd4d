#pragma once

#include <memory>

class Household;
class QWidget;
class frmWeek;
struct Form1Services;

// The windows the main window's menus open beside it: the user list's editor,
// the limits, the week overview (kept, so that it follows the log while open)
// and the about window. Each opens guarded by the failure reporter; the user
// list and the limits only after the parent's PIN, when one is set.
class SideWindows
{
public:
    SideWindows(Household &household, Form1Services &services, QWidget &owner);
    ~SideWindows();
    SideWindows(const SideWindows &) = delete;
    SideWindows &operator=(const SideWindows &) = delete;

    void EditUsers();
    void Limits();
    void WeekOverview();
    void About();

private:
    Household &m_household;
    Form1Services &m_services;
    QWidget &m_owner;
    std::unique_ptr<frmWeek> m_week;
};
