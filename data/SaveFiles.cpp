// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SaveFiles.h"

#include "data/BinaryRecords.h"
#include "data/RecordsChanges.h"
#include "data/RecordsDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <sys/stat.h>
#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace {

void putName(char* p, const TShortName& n)
{
    p[0] = static_cast<char>(n.Len);
    std::copy(n.Bytes.begin(), n.Bytes.end(), p + 1);
}

TShortName getName(const char* p)
{
    TShortName n;
    n.Len = static_cast<std::uint8_t>(p[0]);
    std::copy_n(p + 1, NameBytes, n.Bytes.begin());
    return n;
}

bool validPlayer(const TPlayerRec& p)
{
    if (p.Name.Len > NameBytes || p.Gakunen < 1 || p.Gakunen > 6)
        return false;
    const int top = Gakunen_Tbl[p.Gakunen].Levels + 1;
    for (int g = 1; g <= 7; ++g)
        if (p.Level[g] < 1 || p.Level[g] > top)
            return false;
    return true;
}

bool readFile(const QString& name, QByteArray& bytes, bool& exists)
{
    const QString path = RecordsFile(name);
    exists = QFileInfo::exists(path);
    if (!exists)
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

// The new file is written beside the old one and only renamed over it when every byte is on the
// disk. Unbuffered, a full disk shows at write() itself; QSaveFile's commit alone would flush a
// buffer, ignore the failure and rename a cut file over the old one (Qt 6.4).
bool writeFile(const QString& name, const QByteArray& bytes)
{
    const QString path = RecordsFile(name);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    // The owner's alone, also when the file it replaces was readable by others.
    if (::fchmod(file.handle(), S_IRUSR | S_IWUSR) != 0) {
        file.cancelWriting();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0 ||
        file.error() != QFileDevice::NoError) {
        file.cancelWriting();  // the temporary file goes; the old file was never touched
        return false;
    }
    if (!file.commit())
        return false;
    // The rename itself reaches the disk, so a power cut later keeps the new file.
    const QByteArray dir = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return true;
}

}  // namespace

QByteArray EncodePlayer(const TPlayerRec& p)
{
    QByteArray out(PlayerRecSize, '\0');
    char* r = out.data();
    Le::put16(r, p.No);
    putName(r + 2, p.Name);
    r[23] = static_cast<char>(p.Pad);
    Le::put16(r + 24, p.Gakunen);
    Le::put16(r + 26, p.Reserved);
    for (int g = 1; g <= MaxGames; ++g) {
        Le::put16(r + 28 + 2 * (g - 1), p.Level[g]);
        Le::put16(r + 48 + 2 * (g - 1), p.Progress[g]);
        Le::put32(r + 68 + 4 * (g - 1), p.Best[g]);
    }
    return out;
}

TPlayerRec DecodePlayer(const char* r)
{
    TPlayerRec p;
    p.No = Le::i16(r);
    p.Name = getName(r + 2);
    p.Pad = static_cast<std::uint8_t>(r[23]);
    p.Gakunen = Le::i16(r + 24);
    p.Reserved = Le::i16(r + 26);
    for (int g = 1; g <= MaxGames; ++g) {
        p.Level[g] = Le::i16(r + 28 + 2 * (g - 1));
        p.Progress[g] = Le::i16(r + 48 + 2 * (g - 1));
        p.Best[g] = Le::i32(r + 68 + 4 * (g - 1));
    }
    return p;
}

QByteArray EncodeKiroku(const TKirokuRec& k)
{
    QByteArray out(KirokuRecSize, '\0');
    char* r = out.data();
    Le::put16(r, k.Game);
    Le::put16(r + 2, k.Rank);
    putName(r + 4, k.Name);
    r[25] = static_cast<char>(k.Pad);
    Le::put16(r + 26, k.Gakunen);
    Le::put32(r + 28, k.Tokuten);
    Le::putF64(r + 32, k.Hizuke);
    return out;
}

TKirokuRec DecodeKiroku(const char* r)
{
    TKirokuRec k;
    k.Game = Le::i16(r);
    k.Rank = Le::i16(r + 2);
    k.Name = getName(r + 4);
    k.Pad = static_cast<std::uint8_t>(r[25]);
    k.Gakunen = Le::i16(r + 26);
    k.Tokuten = Le::i32(r + 28);
    k.Hizuke = Le::f64(r + 32);
    return k;
}

bool ParsePlayerFile(const QByteArray& bytes)
{
    if (bytes.size() % PlayerRecSize != 0 || bytes.size() / PlayerRecSize > MaxPlayers)
        return false;
    const int n = static_cast<int>(bytes.size() / PlayerRecSize);
    std::array<TPlayerRec, MaxPlayers + 1> loaded = Player_Tbl;
    for (int i = 1; i <= n; ++i) {
        loaded[i] = DecodePlayer(bytes.constData() + (i - 1) * PlayerRecSize);
        if (!validPlayer(loaded[i]))
            return false;
    }
    Player_Tbl = loaded;
    Player_Count = static_cast<std::int16_t>(n);
    return true;
}

bool ParseGameFile(const QByteArray& bytes)
{
    if (bytes.size() % KirokuRecSize != 0)
        return false;
    auto loaded = Kiroku_Tbl;
    for (qsizetype off = 0; off < bytes.size(); off += KirokuRecSize) {
        const TKirokuRec k = DecodeKiroku(bytes.constData() + off);
        if (k.Game == 0)
            continue;
        if (k.Game < 1 || k.Game > MaxGames || k.Rank < 1 || k.Rank > MaxRanks ||
            k.Name.Len > NameBytes)
            return false;
        loaded[k.Game][k.Rank] = k;
    }
    Kiroku_Tbl = loaded;
    return true;
}

QByteArray PlayerFileBytes()
{
    QByteArray out;
    for (int i = 1; i <= Player_Count; ++i)
        out += EncodePlayer(Player_Tbl[i]);
    return out;
}

QByteArray GameFileBytes()
{
    QByteArray out;
    for (int g = 1; g <= MaxGames; ++g)
        for (int r = 1; r <= MaxRanks; ++r)
            out += EncodeKiroku(Kiroku_Tbl[g][r]);
    return out;
}

bool LoadPlayersAndRecords(QString* failedFile)
{
    ForgetRecordsOnDisk();
    QByteArray players, games;
    bool playersExist = false, gamesExist = false;
    if (!readFile(PlayerFileName, players, playersExist) ||
        (playersExist && !ParsePlayerFile(players))) {
        if (failedFile)
            *failedFile = PlayerFileName;
        return false;
    }
    if (!readFile(GameFileName, games, gamesExist) || (gamesExist && !ParseGameFile(games))) {
        if (failedFile)
            *failedFile = GameFileName;
        return false;
    }
    NoteRecordsOnDisk();
    return true;
}

bool SavePlayersAndRecords(QString* failedFile)
{
    if (RecordsReadOnly())
        return true;  // the parent chose a run that writes nothing
    if (!writeFile(PlayerFileName, PlayerFileBytes())) {
        if (failedFile)
            *failedFile = PlayerFileName;
        return false;
    }
    if (!writeFile(GameFileName, GameFileBytes())) {
        if (failedFile)
            *failedFile = GameFileName;
        return false;
    }
    NoteRecordsOnDisk();
    return true;
}
