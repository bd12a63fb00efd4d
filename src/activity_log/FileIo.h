#pragma once

#include <cstdint>

namespace zk {

// Reads until size bytes are in or the file ends, past interruptions: the bytes
// read, fewer at the file's end; -1 with errno set when the system fails.
std::int64_t ReadAt(int fd, void *data, std::int64_t size, std::int64_t offset);

// Writes all size bytes, past interruptions: 0, or the error number of the
// failure (ENOSPC when the system took nothing without saying why).
int WriteAt(int fd, const void *data, std::int64_t size, std::int64_t offset);

} // namespace zk
