#include "TotalsFixture.h"

#include "totals/LogVisitor.h"

using namespace zk::test;

// The archives of full logs cut on or after a day first, then the open store; a file that is
// not there is an error.
TEST_F(Totals, TheVisitorReadsArchivesFirstThenTheLog)
{
    const std::pair<const char *, const char *> files[] = {
        {"actions-2026-12-05.dat", "12-05"},
        {"actions-2026-12-06.dat", "12-06"},
        {"actions-2026-12-07.dat", "12-07"},
        {"actions.dat", "log"}};
    for (const auto &[name, description] : files)
        WriteFileBytes(dir.File(name),
                       Bytes({{{2026, 12, 5, 9, 0, 0}, {2026, 12, 5, 10, 0, 0}, description}}));
    std::string visited;
    const zk::LogVisitor::Visit visit = [&](const zk::LogEntry &r) {
        visited += std::to_string(r.nr) + ":" + r.description + " ";
    };
    store.OpenFile(path);
    zk::LogVisitor::WithArchives(store, zk::CalendarDay{2026, 12, 6}, visit);
    EXPECT_EQ(visited, "1:12-06 1:12-07 1:log ");
    EXPECT_THROW(zk::LogVisitor::File(dir.File("missing.dat"), visit), zk::FileError);
}
