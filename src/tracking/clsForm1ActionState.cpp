#include "tracking/clsForm1ActionState.h"

#include "localisation/Module2.h"
#include "localisation/gclsLanguageChange.h"
#include "time/clsTimePoint.h"
#include "tracking/ActionStateView.h"

clsForm1ActionState::clsForm1ActionState(ActionStateView &view)
    : m_view(view)
{
    State(0);
    m_listenlanguage = gLanguageChange().Changed.Connect(
        [this](const std::string &newLanguage) { listenlanguage_Change(newLanguage); });
}

clsForm1ActionState::~clsForm1ActionState() = default;

void clsForm1ActionState::State(std::int32_t value)
{
    m_state = value;
    UpdateState();
}

clsTimePoint &clsForm1ActionState::LastActivity()
{
    if (!m_lastActivity)
        m_lastActivity = std::make_unique<clsTimePoint>();
    return *m_lastActivity;
}

void clsForm1ActionState::listenlanguage_Change(const std::string &)
{
    UpdateState();
}

void clsForm1ActionState::UpdateState()
{
    // The tray icon is set before its tooltip, as the tray control expects.
    switch (m_state) {
    case 0:
        m_view.SetStartButtonEnabled(true);
        m_view.SetStopButtonEnabled(false);
        m_view.Tray().SetIcon(zk::TrayImage::Image1Inactive);
        m_view.Tray().SetToolTip(TranslateText("Zitklokker is niet aktief!"));
        break;
    case 1:
        m_view.SetStartButtonEnabled(false);
        m_view.SetStopButtonEnabled(true);
        m_view.Tray().SetIcon(zk::TrayImage::Image2Active);
        m_view.Tray().SetToolTip(TranslateText("Zitklokker is Aktief!"));
        LastActivity().SetTimeFromClock();
        break;
    case 2:
        m_view.SetStartButtonEnabled(true);
        m_view.SetStopButtonEnabled(false);
        m_view.Tray().SetIcon(zk::TrayImage::Image1Inactive);
        m_view.Tray().SetToolTip(TranslateText("Zitklokker is Idle!"));
        break;
    case 3:
        m_view.SetStatusText(TranslateText("Programma is uitgeschakeld."));
        m_view.SetStartButtonEnabled(false);
        m_view.SetStopButtonEnabled(false);
        m_view.Tray().SetIcon(zk::TrayImage::Image3Off);
        m_view.Tray().SetToolTip(TranslateText("Zitklokker is niet werkzaam."));
        break;
    default:
        break;
    }
}
