// SPDX-License-Identifier: GPL-3.0-or-later
// kanjiprint <kanji or number>... | --all [--dir <program dir>]: prints a kanji's sentences (or
// every kanji's, for a read-through) from the built data files, once as the quiz shows them
// (kanji in place) and once with the reading in brackets, then the kanji's school readings with
// the numbers of the sentences that ask them.
#include "data/AnswerReadings.h"
#include "data/KanjiFiles.h"
#include "data/ProgramDir.h"
#include "data/Tables.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

int findKanji(const QString& arg)
{
    bool isNumber = false;
    const int n = arg.toInt(&isNumber);
    if (isNumber)
        return n >= 1 && n <= MaxKanji && !Kanji_Tbl[n].Kanji.isEmpty() ? n : 0;
    for (int k = 1; k <= MaxKanji; ++k)
        if (Kanji_Tbl[k].text() == arg)
            return k;
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QStringList args = app.arguments().mid(1);
    QString dir = QStringLiteral(KANJI_PROGRAM_DIR);
    const int d = static_cast<int>(args.indexOf(QStringLiteral("--dir")));
    if (d >= 0 && d + 1 < args.size()) {
        dir = args[d + 1];
        args.remove(d, 2);
    }
    const bool all = args.removeAll(QStringLiteral("--all")) > 0;
    if (args.isEmpty() == !all) {
        out << "usage: kanjiprint <kanji or number>... | --all [--dir <program dir>]\n";
        return 2;
    }
    SetProgramDir(dir);
    if (!LoadKanjiTable() || !LoadMondaiIndex()) {
        out << "cannot read Kanji.dat / Mondai2.dat in " << Exe_Dir << '\n';
        return 1;
    }
    if (all)
        for (int k = 1; k <= MaxKanji; ++k)
            if (!Kanji_Tbl[k].Kanji.isEmpty())
                args << QString::number(k);
    int status = 0;
    for (const QString& arg : args) {
        const int k = findKanji(arg);
        if (k == 0) {
            out << arg << ": no such kanji\n";
            status = 1;
            continue;
        }
        const TKanjiRec& rec = Kanji_Tbl[k];
        out << rec.text() << "  number " << k << ", " << rec.Kakusuu << " strokes, year " << rec.Extra[0]
            << ", frequency " << rec.Extra[1] << '\n';
        QVector<TMondaiRec> list;
        if (Mondai_Idx[k].Count == 0) {
            out << "  (no sentences yet)\n";
            continue;
        }
        if (!ReadAllMondai(k, list)) {
            out << "  cannot read its sentences from Mondai1.dat\n";
            status = 1;
            continue;
        }
        QList<AskedReading> asked;
        for (int i = 0; i < list.size(); ++i) {
            QString quiz, answer, after;
            for (int j = 1; j <= 3; ++j) {
                const QString part = list[i].partString(j);
                quiz += j == list[i].Pos ? rec.text() : part;
                answer += j == list[i].Pos ? QLatin1Char('[') + part + QLatin1Char(']') : part;
                if (j > list[i].Pos)
                    after += part;
            }
            out << "  " << (i + 1) << ". " << quiz << "    " << answer << '\n';
            asked.append({list[i].partString(list[i].Pos), after});
        }
        out << "  readings: " << AnswerReadingsText(AnswerReadings(SchoolReadings(rec.text()), asked)) << '\n';
    }
    return status;
}
