#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zk::fuzz {

// A private folder for the files one fuzz target writes its inputs into,
// removed when the process ends normally.
class ScratchFolder
{
public:
    explicit ScratchFolder(const std::string &name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::string &Path() const { return m_path; }
    std::string File(const std::string &name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// Whole-file helpers; a failure aborts, since the fuzz run is then meaningless.
void WriteBytes(const std::string &path, const std::uint8_t *data, std::size_t size);
std::string ReadBytes(const std::string &path);

// Stops the run as a crash with a message, for a broken promise that is not a
// memory fault (a changed file, a value that did not come back).
[[noreturn]] void Fail(const std::string &what);

} // namespace zk::fuzz
