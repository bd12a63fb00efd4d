#pragma once

#include "localisation/LanguageListener.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QKeyEvent;
class QLabel;
class QPushButton;
class QScrollArea;
class FailureReporter;
class clsUsers;
namespace zk {
class Dialogs;
}

// Asks who is starting: one button per user, in list order. A click hands the
// user's exact name to newRecord and closes the window; when newRecord throws,
// nothing was logged: the failure is told (failures) and the window stays open
// for another try. Closing it otherwise chooses nobody. Non-modal top-level
// window, 169 pixels of client width or as much more as its title needs to be
// shown whole; the controls keep their places at the left.
//
// Heights: the layout gives the window's outer height (title bar and borders
// included) as OuterHeight() = bottom of btnEditUsers + 16 + 20. The 20 pixels
// stand for the title bar and borders that the window manager adds, so the
// client area is made OuterHeight() - 20 high. When OuterHeight() would not
// fit the screen's available height, the user buttons move into a scroll area
// (Scrolling()) with the same pixel layout inside it, and btnEditUsers stays
// below it, 16 pixels above the bottom edge. The hint of an empty list wraps
// and, when its text needs more than its 49 pixels, grows and pushes
// btnEditUsers down by as much.
class frmStart : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kFrameHeight = 20;

    frmStart(clsUsers &users, zk::Dialogs &dialogs, FailureReporter &failures,
             std::function<void(const std::string &)> newRecord, QWidget *parent = nullptr);

    // Rebuilds the buttons from the current list and sizes the window.
    void Load();
    void UpdateResourcesfrmStart();

    int OuterHeight() const { return m_outerHeight; }
    bool Scrolling() const { return m_scrolling; }

protected:
    // Enter and keypad Enter press the focused button, Escape closes: the
    // window is no dialog, where Qt would do so by itself.
    void keyPressEvent(QKeyEvent *event) override;
    // A new font (another dpi) lays the window out anew.
    void changeEvent(QEvent *event) override;

private:
    void Layout();
    void btnUser_Click(int index);
    void btnEditUsers_Click();
    int AvailableHeight() const;

    clsUsers &m_users;
    zk::Dialogs &m_dialogs;
    FailureReporter &m_failures;
    std::function<void(const std::string &)> m_newRecord;
    QScrollArea *m_scroll;
    QWidget *m_content;
    std::vector<QPushButton *> m_btnUser; // element 0 is the template
    QLabel *m_labStartNoUsers;
    QPushButton *m_btnEditUsers;
    int m_outerHeight = 0;
    bool m_scrolling = false;
    LanguageListener m_listenlanguage;
};
