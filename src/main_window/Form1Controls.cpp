#include "main_window/Form1Controls.h"

#include "log_view/UCWatchActionsDbase.h"
#include "tracking/UCMouseWatch.h"

#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

namespace {

QMenu *AddMenu(QMainWindow &window, const char *name)
{
    QMenu *menu = window.menuBar()->addMenu(QString::fromLatin1(name));
    menu->setObjectName(name);
    return menu;
}

QAction *AddItem(QMenu *menu, const char *name, bool checkable)
{
    auto *item = menu->addAction(QString::fromLatin1(name));
    item->setObjectName(name);
    item->setCheckable(checkable);
    item->setChecked(false);
    return item;
}

QPushButton *AddButton(QWidget *parent, const char *name)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setMinimumHeight(32);
    return button;
}

} // namespace

Form1Controls::Form1Controls(QMainWindow &window, zk::PointerSource &pointer,
                             FailureReporter &failures)
    : m_central(std::make_unique<QWidget>())
{
    QWidget *central = m_central.get();
    central->setObjectName("Form1Client");
    btnStartComputeren = AddButton(central, "btnStartComputeren");
    btnEindigComputeren = AddButton(central, "btnEindigComputeren");
    UCMouseWatch1 = new UCMouseWatch(pointer, central);
    UCMouseWatch1->setObjectName("UCMouseWatch1");
    UCMouseWatch1->setFixedSize(48, 36);

    Label1 = new QLabel("Filter:", central);
    Label1->setObjectName("Label1");
    cmbFilter = new QComboBox(central);
    cmbFilter->setObjectName("cmbFilter");
    cmbFilter->setEditable(true);
    cmbFilter->setInsertPolicy(QComboBox::NoInsert);
    // The list filters on exactly what is typed, case-sensitively; Qt's own
    // completion would rewrite "pie" into "Piet" under the person's fingers.
    cmbFilter->setCompleter(nullptr);
    cmbFilter->setMinimumWidth(240);

    UCWatchActionsDbase1 = new UCWatchActionsDbase(failures, central);
    UCWatchActionsDbase1->setObjectName("UCWatchActionsDbase1");
    UCWatchActionsDbase1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    UCWatchActionsDbase1->setMinimumSize(320, 120);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnStartComputeren);
    buttons->addWidget(btnEindigComputeren);
    buttons->addStretch(1);
    buttons->addWidget(UCMouseWatch1);
    auto *filter = new QHBoxLayout;
    filter->addWidget(Label1);
    filter->addWidget(cmbFilter);
    filter->addStretch(1);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(8, 8, 8, 8);
    column->addLayout(buttons);
    column->addLayout(filter);
    column->addWidget(UCWatchActionsDbase1, 1);
    window.setCentralWidget(central);

    auto *bar = new QStatusBar(&window);
    bar->setObjectName("StatusBar");
    statusText = new QLabel(bar);
    statusText->setObjectName("StatusText");
    bar->addWidget(statusText, 1);
    window.setStatusBar(bar);
    BuildMenu(window);
}

Form1Controls::~Form1Controls() = default;

void Form1Controls::BuildMenu(QMainWindow &window)
{
    QMenu *mnuFile = AddMenu(window, "mnuFile");
    mnuExit = AddItem(mnuFile, "mnuExit", false);
    QMenu *mnuEdit = AddMenu(window, "mnuEdit");
    mnuEditUsers = AddItem(mnuEdit, "mnuEditUsers", false);
    mnuWeekOverview = AddItem(mnuEdit, "mnuWeekOverview", false);
    QMenu *mnuOptions = AddMenu(window, "mnuOptions");
    mnuAutoStopOnMouseIdle = AddItem(mnuOptions, "mnuAutoStopOnMouseIdle", true);
    mnuOptionsProgramEnabled = AddItem(mnuOptions, "mnuOptionsProgramEnabled", true);
    mnuAutoStartOnSetup = AddItem(mnuOptions, "mnuAutoStartOnSetup", true);
    mnuLimits = AddItem(mnuOptions, "mnuLimits", false);
    QMenu *mnuLanguage = AddMenu(window, "mnuLanguage");
    mnuLanguageDutch = AddItem(mnuLanguage, "mnuLanguageDutch", true);
    mnuLanguageEnglish = AddItem(mnuLanguage, "mnuLanguageEnglish", true);
    QMenu *mnuHelp = AddMenu(window, "mnuHelp");
    mnuHelpAboutZitklok = AddItem(mnuHelp, "mnuHelpAboutZitklok", false);
}
