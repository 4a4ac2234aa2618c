// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tunes.h"

#include "Arranger.h"
#include "SmfReader.h"
#include "TuneStyles.h"
#include "TuneThemes.h"

#include <QDir>
#include <QTextStream>

QStringList Tunes::writeAll(const QString& dir)
{
    using namespace Tunes;
    QTextStream err(stderr);
    QStringList written;
    for (const Variant& v : variants()) {
        const Theme& t = theme(v.theme);
        std::vector<MNote> melody;
        std::vector<Chord> chords;
        int bars = 0;
        QString error;
        if (!parseMelody(t, melody, bars, error) || !parseChords(t, bars, chords, error)) {
            err << "tune: " << error << "\n";
            return {};
        }
        const SmfWriter smf = arrange(t, style(v.style), v, melody, chords, bars);
        const QByteArray bytes = smf.bytes();
        const auto info = SmfReader::read(bytes);
        if (!info || info->seconds < 30 || info->seconds > 90) {
            err << "tune: " << v.file << " plays " << (info ? info->seconds : -1) << " s\n";
            return {};
        }
        if (!smf.save(QDir(dir).filePath(QString::fromLatin1(v.file)))) {
            err << "tune: cannot write " << v.file << "\n";
            return {};
        }
        written << QStringLiteral("%1 %2 s").arg(QString::fromLatin1(v.file)).arg(info->seconds, 0, 'f', 1);
    }
    return written;
}
