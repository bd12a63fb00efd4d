#pragma once

// A full log for the benchmarks: 32767 records, the store's limit.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace zk::bench {

inline void Put(std::string &out, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

// Four stretches a day, one of them idle, day after day from 2004 on, in a
// temporary file made on first use.
inline const std::string &FullLog()
{
    static const std::string path = [] {
        const auto p = (std::filesystem::temp_directory_path() / "bench_full_log.dat").string();
        const char *names[] = {"Anna homework", "Piet games", "Kees mail", "Idle"};
        std::string bytes;
        int y = 2004, m = 1, d = 1;
        for (int i = 0; i < 32767; ++i) {
            const int h = 8 + 3 * (i % 4);
            for (int v : {y, m, d, h, 0, 0, y, m, d, h + 1, 30, 0})
                Put(bytes, v);
            std::string field;
            for (char c : std::string(names[i % 4]) + std::string(1, '\0')) {
                const auto b = static_cast<unsigned char>(c);
                field.push_back(static_cast<char>(((b & 3) << 6) | (b >> 2)));
            }
            field.resize(100, ' ');
            bytes += field;
            if (i % 4 == 3 && ++d > 28) {
                d = 1;
                if (++m > 12) {
                    m = 1;
                    ++y;
                }
            }
        }
        std::ofstream(p, std::ios::binary) << bytes;
        return p;
    }();
    return path;
}

} // namespace zk::bench
