#include "TotalsFixture.h"

#include "totals/LogVisitor.h"

using namespace zk::test;

namespace {

std::string Visited(const std::function<std::int64_t(const zk::LogVisitor::Visit &)> &visitor)
{
    std::string out;
    visitor([&](const zk::LogEntry &r) {
        out += std::to_string(r.nr) + ":" + r.description + "/" +
               (r.elapsed ? std::to_string(*r.elapsed) : "-") + " ";
    });
    return out;
}

} // namespace

// Archives of full logs first, oldest first (by date, then number), then the log itself.
TEST_F(Totals, TheVisitorReadsArchivesOldestFirstThenTheLog)
{
    const std::pair<const char *, const char *> files[] = {
        {"actions-2026-12-06-2.dat", "third"}, {"actions-2026-12-05.dat", "first"},
        {"actions-2026-12-06.dat", "second"}, {"actions.dat", "log"}};
    for (const auto &[name, description] : files)
        WriteFileBytes(dir.File(name),
                       Bytes({{{2026, 12, 5, 9, 0, 0}, {2026, 12, 5, 10, 0, 0}, description}}));
    EXPECT_EQ(Visited([&](const auto &v) { return zk::LogVisitor::WithArchives(path, v); }),
              "1:first/3600 1:second/3600 1:third/3600 1:log/3600 ");
    store.OpenFile(path);
    const zk::CalendarDay cut{2026, 12, 6};
    EXPECT_EQ(Visited([&](const auto &v) { return zk::LogVisitor::WithArchives(store, cut, v); }),
              "1:second/3600 1:third/3600 1:log/3600 ");
    store.CloseFile();
    std::filesystem::remove(path); // ended right after a cut: the archives alone
    EXPECT_EQ(Visited([&](const auto &v) { return zk::LogVisitor::WithArchives(path, v); }),
              "1:first/3600 1:second/3600 1:third/3600 ");
    EXPECT_THROW(zk::LogVisitor::File(path, [](const zk::LogEntry &) {}), zk::FileError);
}

// The program's own store: its buffered record counts, and the cursor goes back where it was.
TEST_F(Totals, TheVisitorReadsTheOpenStoreAndSetsTheCursorBack)
{
    Open({{{2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 9, 0, 0}, "Jan"},
          {{1, 1, 1, 0, 0, 0}, {30000, 1, 1, 0, 0, 0}, "far"}});
    store.RecordNr(1);
    store.Description("Jan werkt");
    EXPECT_EQ(Visited([&](const auto &v) { return zk::LogVisitor::Store(store, v); }),
              "1:Jan werkt/3600 2:far/- ");
    EXPECT_EQ(store.RecordNr(), 1);
    EXPECT_EQ(zk::test::Records(ReadFileBytes(path)).front().description, "Jan werkt");
}
