#include "activity_log/clsActionsDbase.h"

#include "activity_log/DamagedLogCopy.h"
#include "activity_log/DiskSync.h"
#include "activity_log/FileIo.h"
#include "activity_log/Module4.h"
#include "activity_log/RecordWindow.h"
#include "platform/Clock.h"
#include "time/Module1.h"
#include "time/OverflowError.h"
#include "time/TimeShapes.h"
#include "time/clsTimePoint.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::int64_t kRecordLength = ActionRecord::kSize;

using Kind = zk::FileError::Kind;

zk::LocalDateTime StartOf(const ActionRecord &r)
{
    return {r.StartDateTimeYear, r.StartDateTimeMonth,  r.StartDateTimeDay,
            r.StartDateTimeHour, r.StartDateTimeMinute, r.StartDateTimeSeconds};
}

zk::LocalDateTime EndOf(const ActionRecord &r)
{
    return {r.EndDateTimeYear, r.EndDateTimeMonth,  r.EndDateTimeDay,
            r.EndDateTimeHour, r.EndDateTimeMinute, r.EndDateTimeSeconds};
}

std::string TrimTrailingSpaces(std::string s)
{
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

std::string WithoutNul(std::string s)
{
    s.erase(std::remove(s.begin(), s.end(), '\0'), s.end());
    return s;
}

} // namespace

struct clsActionsDbase::Impl
{
    std::string fileName;
    int fd = -1;
    bool readOnly = false;
    std::optional<zk::DiskSync> disk; // while a log is open for writing
    ActionRecord record = Blank();
    RecordWindow window;
    int walks = 0;
    bool recordChanged = false;
    std::int16_t recordNr = 0;
    bool wholeChecked = false; // the length was looked at before the first write
    std::string damagedCopy;

    static ActionRecord Blank()
    {
        ActionRecord r;
        r.Description.fill(' ');
        return r;
    }

    void RequireOpen() const
    {
        if (fd < 0)
            throw zk::FileError(Kind::NotOpen, {}, 0);
    }

    // Asked of the file every time: another program may have appended to it
    // or rewritten it since it was opened here.
    std::int64_t FileLength() const
    {
        struct stat st {};
        if (::fstat(fd, &st) != 0)
            throw zk::FileError(Kind::Read, fileName, errno);
        return st.st_size;
    }

    // From the file, or during a walk from the block of records read with it.
    // A record past the end reads blank; one cut short by the end of a damaged
    // file reads its missing bytes as zeros.
    ActionRecord Read(std::int16_t nr)
    {
        if (walks == 0)
            window.Drop();
        ActionRecord::Bytes raw; // the window fills every byte
        const std::int64_t got =
            window.Read(fd, nr, walks > 0 ? RecordWindow::kRecordsPerRead : 1, raw);
        if (got < 0)
            throw zk::FileError(Kind::Read, fileName, errno, nr);
        return got == 0 ? Blank() : ActionRecord::FromBytes(raw);
    }

    void Write(std::int16_t nr, const ActionRecord &r)
    {
        if (readOnly)
            throw zk::FileError(Kind::ReadOnly, fileName, 0);
        KeepDamagedCopy();
        const ActionRecord::Bytes raw = r.ToBytes();
        const std::int64_t offset = (std::int64_t{nr} - 1) * kRecordLength;
        const std::int64_t lengthBefore = FileLength();
        if (const int error = zk::WriteAt(fd, raw.data(), kRecordLength, offset); error != 0) {
            // An append that the disk or the file-size limit stopped half-way
            // leaves a fragment that would read as a damaged record; the file
            // goes back to the length it had, never shorter.
            if (offset >= lengthBefore)
                (void)::ftruncate(fd, static_cast<off_t>(lengthBefore));
            throw zk::FileError(Kind::Write, fileName, error, nr);
        }
        // A power cut after the kernel took the record must not lose it.
        if (const int error = disk->Requested(); error != 0)
            throw zk::FileError(Kind::Sync, fileName, error, nr);
    }

    void KeepDamagedCopy()
    {
        if (wholeChecked)
            return;
        if (FileLength() % kRecordLength != 0)
            damagedCopy = zk::DamagedLogCopy::Keep(fd, fileName, zk::CurrentClock().Now());
        wholeChecked = true;
    }
};

clsActionsDbase::clsActionsDbase() : m(std::make_unique<Impl>()) {}

clsActionsDbase::~clsActionsDbase()
{
    try {
        CloseFile();
    } catch (...) {
        // A destructor cannot report; callers that care close the file first.
    }
    m->disk.reset();
    if (m->fd >= 0)
        ::close(m->fd);
}

void clsActionsDbase::OpenFile(const std::string &openfilename)
{
    Open(openfilename, O_RDWR | O_CREAT | O_CLOEXEC, false);
}

void clsActionsDbase::OpenReadOnly(const std::string &openfilename)
{
    Open(openfilename, O_RDONLY | O_CLOEXEC, true);
}

void clsActionsDbase::Open(const std::string &openfilename, int flags, bool readOnly)
{
    CloseFile();
    const int fd = ::open(openfilename.c_str(), flags, 0644);
    if (fd < 0)
        throw zk::FileError(Kind::Open, openfilename, errno);
    m->fd = fd;
    m->fileName = openfilename;
    m->readOnly = readOnly;
    if (!readOnly)
        m->disk.emplace(fd);
    m->wholeChecked = false;
    m->recordChanged = false;
    m->recordNr = 1; // nothing read: the buffer keeps what it held
    Opened.Emit();
}

void clsActionsDbase::CloseFile()
{
    if (m->fd < 0)
        return;
    Flush();
    const int error = m->disk ? m->disk->Wait() : 0;
    m->disk.reset();
    ::close(m->fd);
    m->fd = -1;
    m->window.Drop();
    const std::string closed = std::exchange(m->fileName, {});
    if (error != 0)
        throw zk::FileError(Kind::Sync, closed, error);
}

void clsActionsDbase::WaitUntilOnDisk()
{
    m->RequireOpen();
    if (const int error = m->disk ? m->disk->Wait() : 0; error != 0)
        throw zk::FileError(Kind::Sync, m->fileName, error);
}

std::int32_t clsActionsDbase::RecordCount() const
{
    m->RequireOpen();
    const std::int64_t length = m->FileLength();
    const std::int64_t whole = length / kRecordLength;
    const std::int64_t rest = length % kRecordLength;
    std::int64_t count = whole;
    if (2 * rest > kRecordLength || (2 * rest == kRecordLength && whole % 2 == 1))
        ++count;
    if (count > std::numeric_limits<std::int32_t>::max())
        throw zk::OverflowError("overflow: the activity log holds more records than 32 bits count");
    return static_cast<std::int32_t>(count);
}

std::int32_t clsActionsDbase::RecordNr() const { return m->recordNr; }

void clsActionsDbase::BeginWalk() { ++m->walks; }

void clsActionsDbase::EndWalk()
{
    if (m->walks > 0 && --m->walks == 0)
        m->window.Drop();
}

void clsActionsDbase::RecordNr(std::int32_t vNewValue)
{
    if (RecordChanged())
        Flush();
    m->recordNr = zk::CheckedToInt16(vNewValue);
    m->RequireOpen();
    if (m->recordNr <= 0)
        throw zk::FileError(Kind::BadRecordNumber, m->fileName, 0, m->recordNr);
    m->record = m->Read(m->recordNr);
}

void clsActionsDbase::Flush()
{
    if (!RecordChanged())
        return;
    m->RequireOpen();
    if (m->recordNr <= 0)
        throw zk::FileError(Kind::BadRecordNumber, m->fileName, 0, m->recordNr);
    m->window.Drop(); // it may hold the record as it was
    m->Write(m->recordNr, m->record);
    m->recordChanged = false;
}

void clsActionsDbase::EncryptAll()
{
    const std::int16_t n = zk::CheckedToInt16(RecordCount());
    for (std::int16_t i = 1; i <= n; ++i) {
        RecordNr(i);
        const std::string raw(m->record.Description.begin(), m->record.Description.end());
        Description(WithoutNul(TrimTrailingSpaces(raw)));
        if (i == n)
            break; // keeps the 16-bit counter from stepping past its end
    }
}

std::string clsActionsDbase::Description() const { return m->record.PlainDescription(); }

void clsActionsDbase::DescriptionInto(std::string &text) const
{
    m->record.PlainDescription(text);
}

void clsActionsDbase::Description(const std::string &text)
{
    std::string terminated = text;
    terminated.push_back('\0');
    const std::string scrambled = EncryptText(terminated);
    auto &field = m->record.Description;
    field.fill(' ');
    std::copy_n(scrambled.begin(), std::min(scrambled.size(), field.size()), field.begin());
    RecordChanged(true);
}

#define ZK_RECORD_FIELD(Name)                                                                      \
    std::int32_t clsActionsDbase::Name() const { return m->record.Name; }                          \
    void clsActionsDbase::Name(std::int32_t v)                                                     \
    {                                                                                              \
        m->record.Name = v;                                                                        \
        RecordChanged(true);                                                                       \
    }

ZK_RECORD_FIELD(StartDateTimeYear)
ZK_RECORD_FIELD(StartDateTimeMonth)
ZK_RECORD_FIELD(StartDateTimeDay)
ZK_RECORD_FIELD(StartDateTimeHour)
ZK_RECORD_FIELD(StartDateTimeMinute)
ZK_RECORD_FIELD(StartDateTimeSeconds)
ZK_RECORD_FIELD(EndDateTimeYear)
ZK_RECORD_FIELD(EndDateTimeMonth)
ZK_RECORD_FIELD(EndDateTimeDay)
ZK_RECORD_FIELD(EndDateTimeHour)
ZK_RECORD_FIELD(EndDateTimeMinute)
ZK_RECORD_FIELD(EndDateTimeSeconds)
#undef ZK_RECORD_FIELD

bool clsActionsDbase::ValidStartAndValidEndTime() const
{
    return EndDateTimeYear() != 0 && StartDateTimeYear() != 0;
}

std::int32_t clsActionsDbase::ElapsedSeconds() const
{
    if (StartDateTimeYear() == 0 || EndDateTimeYear() == 0)
        return 0;
    clsTimePoint s;
    zk::SetTimePoint(s, StartDateTime());
    clsTimePoint e;
    zk::SetTimePoint(e, EndDateTime());
    return s.GetSecondsDifference(e);
}

std::string clsActionsDbase::StartTimeAsString() const
{
    return GetRecordTimeAsString(StartDateTime());
}

std::string clsActionsDbase::EndTimeAsString() const
{
    return GetRecordTimeAsString(EndDateTime());
}

std::string clsActionsDbase::StartDateAndEndDateAsString() const
{
    const ActionRecord &r = m->record;
    const std::string start = GetRecordDayAsString(StartOf(r));
    if (r.StartDateTimeYear == r.EndDateTimeYear && r.StartDateTimeMonth == r.EndDateTimeMonth &&
        r.StartDateTimeDay == r.EndDateTimeDay)
        return start;
    return start + " - " + GetRecordDayAsString(EndOf(r));
}

void clsActionsDbase::SetStartTimeToNow()
{
    SetStart(zk::CurrentClock().Now());
}

void clsActionsDbase::SetEndTimeToNow()
{
    SetEnd(zk::CurrentClock().Now());
}

void clsActionsDbase::AddToEndTime(std::int32_t sec)
{
    clsTimePoint t;
    zk::SetTimePoint(t, EndDateTime());
    t.Seconds(zk::CheckedAdd(t.Seconds(), sec));
    t.FixIt();
    SetEnd(zk::ToLocalDateTime(t));
}

void clsActionsDbase::SetStartTimeToTimePoint(const clsTimePoint &tp) { SetStart(zk::ToLocalDateTime(tp)); }

void clsActionsDbase::SetEndTimeToTimePoint(const clsTimePoint &tp) { SetEnd(zk::ToLocalDateTime(tp)); }

// Field by field through the sets, in the record's order: six notifications.
void clsActionsDbase::SetStart(const zk::LocalDateTime &g)
{
    StartDateTimeYear(g.year);
    StartDateTimeMonth(g.month);
    StartDateTimeDay(g.day);
    StartDateTimeHour(g.hour);
    StartDateTimeMinute(g.minute);
    StartDateTimeSeconds(g.second);
}

void clsActionsDbase::SetEnd(const zk::LocalDateTime &g)
{
    EndDateTimeYear(g.year);
    EndDateTimeMonth(g.month);
    EndDateTimeDay(g.day);
    EndDateTimeHour(g.hour);
    EndDateTimeMinute(g.minute);
    EndDateTimeSeconds(g.second);
}

zk::LocalDateTime clsActionsDbase::StartDateTime() const { return StartOf(m->record); }

zk::LocalDateTime clsActionsDbase::EndDateTime() const { return EndOf(m->record); }

const std::string &clsActionsDbase::FileName() const { return m->fileName; }

bool clsActionsDbase::IsOpen() const { return m->fd >= 0; }

std::string clsActionsDbase::TakeDamagedCopy() { return std::exchange(m->damagedCopy, {}); }

bool clsActionsDbase::RecordChanged() const { return m->recordChanged; }

void clsActionsDbase::RecordChanged(bool value)
{
    m->recordChanged = value;
    if (value)
        Change.Emit();
}
