#include "ScratchFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include <unistd.h>

namespace zk::fuzz {

ScratchFolder::ScratchFolder(const std::string &name)
{
    const char *tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/zk-fuzz-" + name + "-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        Fail("cannot create a scratch folder from " + pattern);
    m_path = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

void WriteBytes(const std::string &path, const std::uint8_t *data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    if (!out.flush())
        Fail("cannot write " + path);
}

std::string ReadBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        Fail("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Fail(const std::string &what)
{
    std::fprintf(stderr, "fuzz: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

} // namespace zk::fuzz
