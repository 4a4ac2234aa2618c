// SPDX-License-Identifier: GPL-3.0-or-later
// Little-endian byte writing for the RIFF files (WAV, AVI).
#pragma once

#include <QByteArray>

namespace Bytes {

inline void put16(QByteArray& out, quint16 v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

inline void put32(QByteArray& out, quint32 v)
{
    put16(out, quint16(v & 0xFFFF));
    put16(out, quint16(v >> 16));
}

}  // namespace Bytes
