#include "Form1Fixture.h"

#include "limits/ParentPin.h"
#include "log_view/LogListModel.h"

#include <QTimer>
#include <QTreeView>

#include <functional>

namespace zk::test {
namespace {

using Form = Form1Fixture;

// With a parent's PIN set, each action only a parent may take asks for it: a wrong PIN leaves
// everything as it was, the right one goes ahead. The running record's user describes it
// unasked. Three wrong PINs in a row make the next try wait 30 seconds.
TEST_F(Form, APinGuardsEachParentsActionAndWaitsAfterThreeWrongTries)
{
    Store("Users", "Ann|Bob", "Edit");
    WriteFileBytes(dir.File("actions.dat"),
                   Bytes({{{2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 8, 30, 0}, "Ann"}}));
    for (const char *option : {"AutoStopOnMouseIdle", "ProgramEnabled", "AutoStartOnSetup"})
        Store(option, "True");
    ParentPin::Set("2468");
    Start();
    Choose("Ann");
    const auto describe = [this](std::int32_t record, const char *text) {
        auto *model = static_cast<LogListModel *>(form->findChild<QTreeView *>()->model());
        model->setData(model->index(model->RowOf(record), 0), QString(text));
    };
    const auto description = [this](std::size_t record) {
        return Records(Log()).at(record - 1).description;
    };
    int boxes = 0;
    const auto closeBox = [&boxes] {
        QTimer::singleShot(0, [&boxes] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                ++boxes;
                box->close();
            }
        });
    };
    struct Case
    {
        const char *name;
        std::function<void()> act;
        std::function<std::string()> seen;
        std::string before, after;
    };
    const Case cases[] = {
        {"auto stop", [&] { Item("mnuAutoStopOnMouseIdle")->trigger(); },
         [&] { return Stored("AutoStopOnMouseIdle"); }, "True", "False"},
        {"program in use", [&] { Item("mnuOptionsProgramEnabled")->trigger(); },
         [&] { return Stored("ProgramEnabled"); }, "True", "False"},
        {"start with the computer", [&] { Item("mnuAutoStartOnSetup")->trigger(); },
         [&] { return Stored("AutoStartOnSetup"); }, "True", "False"},
        {"editing users",
         [&] {
             closeBox();
             Item("mnuEditUsers")->trigger();
         },
         [&] { return std::to_string(boxes); }, "0", "1"},
        {"the limits window",
         [&] {
             closeBox();
             Item("mnuLimits")->trigger();
         },
         [&] { return std::to_string(boxes); }, "1", "2"},
        {"a past description", [&] { describe(1, "Homework"); }, [&] { return description(1); },
         "Ann", "Homework"},
        {"switching off", [&] { Item("mnuExit")->trigger(); },
         [&] { return std::to_string(exits); }, "0", "1"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.calls.clear();
        dialogs.answers = {"1357"};
        c.act();
        EXPECT_EQ(c.seen(), c.before);
        EXPECT_EQ(dialogs.calls.back().text, "Wrong PIN.");
        dialogs.answers = {"2468"};
        c.act();
        EXPECT_EQ(c.seen(), c.after);
    }

    dialogs.calls.clear();
    describe(2, "Drawing");
    EXPECT_EQ(description(2), "Drawing");
    EXPECT_TRUE(dialogs.calls.empty());
    dialogs.answers = {"1", "2", "3", "2468"};
    for (int i = 0; i < 4; ++i)
        Item("mnuAutoStopOnMouseIdle")->trigger();
    EXPECT_EQ(dialogs.calls.back().text, "Too many wrong PINs. Wait 30 more seconds.");
    clock.Advance(30);
    dialogs.answers = {"2468"};
    Item("mnuAutoStopOnMouseIdle")->trigger();
    EXPECT_EQ(Stored("AutoStopOnMouseIdle"), "True");
}

} // namespace
} // namespace zk::test
