#include "users/frmStart.h"

#include "failure/FailureReporter.h"
#include "localisation/QtTranslate.h"
#include "platform/Dialogs.h"
#include "platform/qt/Latin1.h"
#include "users/clsUsers.h"
#include "users/frmEditUsers.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace {
constexpr int kClientWidth = 169;
constexpr int kRowStep = 48;
constexpr int kEditHeight = 25;
constexpr int kBottomMargin = 16;
constexpr int kHintWidth = 153;
constexpr int kHintHeight = 49;
// Room in the title bar besides the title: the window's icon and its buttons.
constexpr int kTitleBarExtras = 110;
} // namespace

frmStart::frmStart(clsUsers &users, zk::Dialogs &dialogs, FailureReporter &failures,
                   std::function<void(const std::string &)> newRecord, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_users(users)
    , m_dialogs(dialogs)
    , m_failures(failures)
    , m_newRecord(std::move(newRecord))
    , m_scroll(new QScrollArea(this))
    , m_content(new QWidget)
    , m_labStartNoUsers(new QLabel(QStringLiteral("Please Edit the Users to add some users here."),
                                   m_content))
    , m_btnEditUsers(new QPushButton(QStringLiteral("Edit Users"), this))
    , m_listenlanguage([this] { UpdateResourcesfrmStart(); })
{
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(QStringLiteral("Who is starting?"));

    m_scroll->setFrameShape(QFrame::NoFrame);
    // The names take the keyboard, not the area that scrolls them.
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setWidget(m_content); // the scroll area owns the content from here on

    auto *btnTemplate = new QPushButton(m_content);
    btnTemplate->setObjectName(QStringLiteral("btnUser"));
    btnTemplate->setProperty("index", 0);
    btnTemplate->setGeometry(8, 16, 153, 33);
    btnTemplate->hide();
    m_btnUser.push_back(btnTemplate);

    m_labStartNoUsers->setObjectName(QStringLiteral("labStartNoUsers"));
    m_labStartNoUsers->setGeometry(8, 16, kHintWidth, kHintHeight);
    m_labStartNoUsers->setWordWrap(true);
    m_labStartNoUsers->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_btnEditUsers->setObjectName(QStringLiteral("btnEditUsers"));
    connect(m_btnEditUsers, &QPushButton::clicked, this, &frmStart::btnEditUsers_Click);

    Load();
}

int frmStart::AvailableHeight() const
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().height() : 768;
}

void frmStart::Load()
{
    for (std::size_t i = m_btnUser.size() - 1; i >= 1; --i) {
        delete m_btnUser[i];
        m_btnUser.pop_back();
    }

    const QPushButton *tpl = m_btnUser.front();
    const int n = m_users.Count();
    for (int i = 1; i <= n; ++i) {
        auto *button = new QPushButton(m_content);
        button->setObjectName(tpl->objectName());
        button->setProperty("index", i);
        const std::string name = m_users.Item(static_cast<std::int16_t>(i));
        // The exact name travels in a property: the caption doubles "&" so
        // that it shows literally instead of marking an accelerator.
        button->setProperty("userName", zk::ToQt(name));
        button->setText(zk::ToQt(name).replace(QLatin1Char('&'), QStringLiteral("&&")));
        connect(button, &QPushButton::clicked, this, [this, i] { btnUser_Click(i); });
        button->show();
        m_btnUser.push_back(button);
    }

    m_labStartNoUsers->setVisible(n == 0);
    // Enter starts the first name at once; Tab and the arrows go to the others.
    (n > 0 ? m_btnUser[1] : m_btnEditUsers)->setFocus();
    UpdateResourcesfrmStart();
}

void frmStart::Layout()
{
    const QPushButton *tpl = m_btnUser.front();
    const int n = m_users.Count();
    const int m = n == 0 ? 1 : n;
    // At fonts larger than the layout's (a higher dpi) the buttons grow to what
    // their captions need, and the rows, the hint and the window with them.
    QSize button = tpl->size();
    for (std::size_t i = 1; i < m_btnUser.size(); ++i)
        button = button.expandedTo(m_btnUser[i]->minimumSizeHint());
    button.setWidth(std::max(button.width(), m_btnEditUsers->minimumSizeHint().width()));
    const int editHeight = std::max(kEditHeight, m_btnEditUsers->minimumSizeHint().height());
    const int rowStep = kRowStep + button.height() - tpl->height();
    const int widthGrowth = button.width() - tpl->width();
    for (std::size_t i = 1; i < m_btnUser.size(); ++i)
        m_btnUser[i]->setGeometry(tpl->x(), tpl->y() + static_cast<int>(i - 1) * rowStep,
                                  button.width(), button.height());
    // The hint wraps within its width; at fonts larger than the layout's it
    // needs more lines than its 49 pixels hold, and then it grows and the edit
    // button moves down by as much, so that no word is cut off.
    int hintGrowth = 0;
    if (n == 0) {
        const int width = kHintWidth + widthGrowth;
        const int height = std::max(kHintHeight, m_labStartNoUsers->heightForWidth(width));
        m_labStartNoUsers->setGeometry(tpl->x(), tpl->y(), width, height);
        hintGrowth = height - kHintHeight;
    }
    const int editTop = tpl->y() + m * rowStep + hintGrowth;
    m_outerHeight = editTop + editHeight + kBottomMargin + kFrameHeight;
    m_content->setFixedSize(kClientWidth + widthGrowth, editTop);

    const int available = AvailableHeight();
    m_scrolling = m_outerHeight > available;
    // Wide enough for the whole title; the controls keep their places at the left.
    // Window managers commonly draw titles in bold, wider than the window's own font.
    QFont titleFont = font();
    titleFont.setBold(true);
    const int titleWidth =
        QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + kTitleBarExtras;
    int clientWidth = std::max(kClientWidth + widthGrowth, titleWidth);
    int clientHeight = m_outerHeight - kFrameHeight;
    int editY = editTop;
    if (m_scrolling) {
        const int scrollBar = m_scroll->verticalScrollBar()->sizeHint().width();
        clientWidth += scrollBar;
        clientHeight = std::max(available - kFrameHeight, tpl->y() + rowStep + editHeight
                                                              + kBottomMargin);
        editY = clientHeight - editHeight - kBottomMargin;
        m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_scroll->setGeometry(0, 0, clientWidth, editY);
    } else {
        m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_scroll->setGeometry(0, 0, clientWidth, editTop);
    }
    m_btnEditUsers->setGeometry(tpl->x(), editY, button.width(), editHeight);
    setFixedSize(clientWidth, clientHeight);
}

void frmStart::UpdateResourcesfrmStart()
{
    TranslateWindow(this);
    Layout(); // the hint's height follows its text
}

void frmStart::btnUser_Click(int index)
{
    if (index < 1 || index >= static_cast<int>(m_btnUser.size()))
        return;
    const std::string name = zk::FromQt(m_btnUser[index]->property("userName").toString());
    const auto start = [&] {
        if (m_newRecord)
            m_newRecord(name);
    };
    // When nothing was logged the window stays, so that the choice can be made again.
    if (m_failures.Guard("Starting a stretch", start, zk::Dialogs::Icon::Exclamation))
        close();
}

void frmStart::btnEditUsers_Click()
{
    {
        frmEditUsers dialog(m_users, m_dialogs, m_failures, this);
        dialog.exec();
    }
    Load();
}

void frmStart::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto *button = qobject_cast<QPushButton *>(focusWidget());
            button && button->isVisible()) {
            button->click();
            return;
        }
        break;
    case Qt::Key_Escape:
        close();
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void frmStart::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Layout();
}
