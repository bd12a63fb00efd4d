#pragma once

#include "activity_log/clsActionsDbase.h"
#include "support/FakeTrayIcon.h"
#include "tracking/ActionStateView.h"
#include "tracking/StretchView.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zk::test {

// The main window as the action state sees it.
class FakeStateView : public ActionStateView
{
public:
    void SetStartButtonEnabled(bool enabled) override { startEnabled = enabled; }
    void SetStopButtonEnabled(bool enabled) override { stopEnabled = enabled; }
    void SetStatusText(const std::string &text) override
    {
        statusText = text;
        ++statusWrites;
    }
    TrayIcon &Tray() override { return tray; }

    bool startEnabled = true;
    bool stopEnabled = true;
    std::string statusText;
    int statusWrites = 0;
    FakeTrayIcon tray;
};

// The main window as the stretch controller sees it. The daily total is
// counted from the store the way the log list does: records that ended today
// and whose description begins with the name, cursor saved and set back.
class FakeStretchView : public StretchView
{
public:
    explicit FakeStretchView(clsActionsDbase &actions) : m_actions(actions) {}

    std::string FilterText() const override { return filter; }
    void SetFilterText(const std::string &text) override
    {
        filter = text;
        ++filterSets;
        cmbFilter_Change();
    }
    void cmbFilter_Change() override { ++filterChanges; }

    std::int32_t GetTodayTimeFromUser(const std::string &username) override;
    void FocusLogList() override { ++focusCalls; }
    void ShowStartWindow() override { ++startWindowShows; }
    void HideMainWindow() override { visible = false; }
    bool MainWindowVisible() const override { return visible; }
    bool GetAutoStopOnMouseIdle() override { return autoStop; }

    std::string filter = "-Idle";
    int filterSets = 0;
    int filterChanges = 0;
    int focusCalls = 0;
    int startWindowShows = 0;
    bool visible = true;
    bool autoStop = true;

private:
    clsActionsDbase &m_actions;
};

// The twelve date-time fields of one record as they stand in the file.
using TimeFields = std::array<std::int32_t, 12>;
std::vector<TimeFields> ReadTimeFields(const std::string &path);
TimeFields Fields(std::array<std::int32_t, 6> start, std::array<std::int32_t, 6> end);

} // namespace zk::test
