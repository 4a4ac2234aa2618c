// SPDX-License-Identifier: GPL-3.0-or-later
// The 36 cards of the matching game: which kanji each card carries, which cards are still on the
// board, when each card was last turned, and what the computer remembers of them.
#pragma once

#include <QVector>
#include <array>
#include <cstdint>

constexpr int CardCount = 36;
constexpr int KanjiPerGame = 9;
constexpr int NoCard = 999;  // a pick that was taken off the board

struct MatchingBoard {
    std::array<std::int16_t, CardCount + 1> Card_Kanji{};  // [1..36] kanji number on each card
    std::array<std::int16_t, CardCount + 1> Com_Kioku{};   // [1..36] 0 = not remembered
    std::array<std::int16_t, CardCount + 1> Nokori_List{}; // first Nokori_Count entries valid
    int Nokori_Count = 0;
    std::array<std::int16_t, CardCount + 1> Seen_Turn{};   // [1..36] 0 = never turned
    int Turn_No = 0;

    void reset();  // every card on the board, nothing dealt, seen or remembered
    bool onBoard(int card) const;
    bool isPair(int a, int b) const { return Card_Kanji[a] == Card_Kanji[b]; }
    // Takes a found pair off the board, closing the gap in Nokori_List.
    void removePair(int a, int b);
};

// The card's column and row (1..6) on the board: cards are numbered down the columns.
int CardColumn(int card);
int CardRow(int card);

// The kanji a game of level L draws from, from the school-year values Cur_First..Cur_LastLevel
// (a level past the last plays the last level's kanji); at most 20.
QVector<int> MatchingCandidates(int level);
// Nine different kanji drawn uniformly from the candidates.
QVector<int> DrawGameKanji(QVector<int> candidates);
// Each kanji on four cards chosen at random among the cards not dealt yet.
void DealCards(MatchingBoard& board, const QVector<int>& kanji);
