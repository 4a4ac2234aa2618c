// SPDX-License-Identifier: GPL-3.0-or-later
// Little-endian field access for the fixed-size records of the data and save files.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <cstring>

namespace Le {
inline std::int16_t i16(const char* p)
{
    return static_cast<std::int16_t>(static_cast<unsigned char>(p[0]) |
                                     (static_cast<unsigned char>(p[1]) << 8));
}
inline std::int32_t i32(const char* p)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(p[i]);
    return static_cast<std::int32_t>(v);
}
inline double f64(const char* p)
{
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(p[i]);
    double d;
    std::memcpy(&d, &v, sizeof d);
    return d;
}
inline void put16(char* p, std::int16_t v)
{
    const auto u = static_cast<std::uint16_t>(v);
    p[0] = static_cast<char>(u & 0xff);
    p[1] = static_cast<char>(u >> 8);
}
inline void put32(char* p, std::int32_t v)
{
    auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i, u >>= 8)
        p[i] = static_cast<char>(u & 0xff);
}
inline void putF64(char* p, double d)
{
    std::uint64_t u;
    std::memcpy(&u, &d, sizeof u);
    for (int i = 0; i < 8; ++i, u >>= 8)
        p[i] = static_cast<char>(u & 0xff);
}
}  // namespace Le
