#include "Golden.h"

#include "activity_log/clsActionsDbase.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include <sys/resource.h>

using namespace zk::test;

namespace {

// Lowers the file-size limit of this process for the object's lifetime; past
// it a write fails with EFBIG, as the program sees it (SIGXFSZ ignored).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit tight = m_old;
        tight.rlim_cur = bytes;
        m_ok = ::setrlimit(RLIMIT_FSIZE, &tight) == 0;
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_old); }
    bool Ok() const { return m_ok; }

private:
    rlimit m_old{};
    bool m_ok = false;
};

void AppendJan(clsActionsDbase &db)
{
    const std::int32_t saved = db.RecordNr();
    db.RecordNr(db.RecordCount() + 1);
    db.StartDateTimeYear(2024);
    db.EndDateTimeYear(2024);
    db.Description("Jan");
    db.RecordNr(saved);
}

} // namespace

// A record stopped half-way by the limit (or a full disk) once stayed in the
// file as a fragment that later read as a damaged record.
TEST(ActionsDbaseWriteFailure, AppendStoppedHalfWayLeavesTheFileAsItWas)
{
    TempDir dir;
    const std::string path = dir.File("actions.dat");
    const std::string before = GoldenRecord({2024, 3, 4, 9, 0, 0, 2024, 3, 4, 10, 0, 0},
                                            StoredDescription("Jan")) +
                               GoldenRecord({2024, 3, 4, 10, 0, 0, 2024, 3, 4, 10, 10, 0},
                                            StoredDescription("Idle"));
    WriteFileBytes(path, before);
    clsActionsDbase db;
    db.OpenFile(path);
    {
        FileSizeLimit limit(before.size() + 60);
        ASSERT_TRUE(limit.Ok());
        try {
            AppendJan(db);
            FAIL() << "the append past the limit was reported as done";
        } catch (const zk::FileError &e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(path), std::string::npos) << message;
            EXPECT_NE(message.find("record 3"), std::string::npos) << message;
            EXPECT_NE(message.find("File too large"), std::string::npos) << message;
        }
        EXPECT_EQ(ReadFileBytes(path), before);
        EXPECT_EQ(db.RecordCount(), 2);
    }
    // The stretch stays buffered behind the cursor and goes in whole once there is room.
    EXPECT_EQ(db.RecordNr(), 3);
    EXPECT_EQ(db.Description(), "Jan");
    db.CloseFile();
    EXPECT_EQ(ReadFileBytes(path),
              before + GoldenRecord({2024, 0, 0, 0, 0, 0, 2024, 0, 0, 0, 0, 0},
                                    StoredDescription("Jan")));
}
