// SPDX-License-Identifier: GPL-3.0-or-later
// Small, consistent kanji data for tests that must not depend on the shipped data: kanji 1..640
// (school years 1 to 4) with their stroke counts, and one to three simple sentences each whose
// reading part is a reading of the kanji.
#pragma once

#include <QByteArray>
#include <QString>

class TestEnv;

struct SampleKanji {
    const char* kanji;
    int strokes;
    const char* readings[3];
};

int SampleKanjiCount();
const SampleKanji& SampleKanjiAt(int number);  // 1..SampleKanjiCount()

// Writes "Kanji.dat", "Mondai2.dat" and "Mondai1.dat" into the test's program directory and loads
// Kanji_Tbl and Mondai_Idx from them.
void WriteSampleKanjiData(const TestEnv& env);

// The reading part of sentence i (1-based) of kanji k as the sample data writes it.
QString SampleReading(int k, int i);
int SampleSentenceCount(int k);

// The sample data loaded and game `game` started for one year-2 child at level 1, as a game's
// window would start it. False when the kanji table did not load.
bool StartSampleGame(const TestEnv& env, int game);
