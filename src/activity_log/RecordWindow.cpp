#include "activity_log/RecordWindow.h"

#include "activity_log/FileIo.h"

#include <algorithm>

namespace {

constexpr std::int64_t kRecordLength = ActionRecord::kSize;

} // namespace

std::int64_t RecordWindow::Read(int fd, std::int64_t nr, std::int64_t records,
                                ActionRecord::Bytes &out)
{
    const std::int64_t offset = (nr - 1) * kRecordLength;
    // A record that lies in the span of the last read, also the part of it that
    // the file did not hold then, is answered from it: that read saw the file's
    // end where it was.
    if (m_span == 0 || offset < m_from || offset + kRecordLength > m_from + m_span) {
        const std::int64_t span = std::max<std::int64_t>(records, 1) * kRecordLength;
        m_bytes.resize(static_cast<std::size_t>(span));
        const std::int64_t got = zk::ReadAt(fd, m_bytes.data(), span, offset);
        if (got < 0) {
            Drop();
            return -1;
        }
        m_bytes.resize(static_cast<std::size_t>(got));
        m_from = offset;
        m_span = span;
    }
    const std::int64_t at = offset - m_from;
    const std::int64_t held = static_cast<std::int64_t>(m_bytes.size());
    const std::int64_t have = std::clamp<std::int64_t>(held - at, 0, kRecordLength);
    if (have > 0)
        std::copy_n(m_bytes.begin() + at, have, out.begin());
    std::fill(out.begin() + have, out.end(), 0);
    return have;
}

void RecordWindow::Drop()
{
    m_bytes.clear();
    m_span = 0;
}
