// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace {

// Runs iconv over the whole input. Returns false on an unconvertible or invalid sequence
// unless replace is set, in which case that input byte is skipped and `replacement` written.
bool convert(const char* to, const char* from, const QByteArray& in, QByteArray& out,
             const QByteArray& replacement)
{
    out.clear();
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    std::vector<char> buffer(in.size() * 4 + 16);
    char* src = const_cast<char*>(in.constData());
    size_t srcLeft = static_cast<size_t>(in.size());
    bool clean = true;
    while (srcLeft > 0) {
        char* dst = buffer.data();
        size_t dstLeft = buffer.size();
        size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer.data(), static_cast<qsizetype>(dst - buffer.data()));
        if (r != static_cast<size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        clean = false;
        if (replacement.isEmpty())
            break;
        out.append(replacement);
        ++src;
        --srcLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return clean;
}

}  // namespace

namespace Cp932 {

QByteArray fromUnicode(const QString& text, bool* ok)
{
    QByteArray out;
    bool good = convert("CP932", "UTF-8", text.toUtf8(), out, {});
    if (!good)
        out.clear();
    if (ok)
        *ok = good;
    return out;
}

QString toUnicode(const QByteArray& bytes)
{
    QByteArray out;
    convert("UTF-8", "CP932", bytes, out, QByteArray("\xEF\xBF\xBD"));
    return QString::fromUtf8(out);
}

bool canEncode(const QString& text)
{
    bool ok = false;
    fromUnicode(text, &ok);
    return ok;
}

}  // namespace Cp932

QByteArray TrimSjis(const QByteArray& bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && static_cast<unsigned char>(bytes[begin]) <= 0x20)
        ++begin;
    while (end > begin && static_cast<unsigned char>(bytes[end - 1]) <= 0x20)
        --end;
    return bytes.mid(begin, end - begin);
}
