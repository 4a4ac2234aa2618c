// SPDX-License-Identifier: GPL-3.0-or-later
// Writing kanji in a line edit without a system input method: typed romaji becomes hiragana and
// stays an unconverted reading (underlined) until it is settled. Space converts the reading into
// its first kanji candidate and further spaces cycle through the others (shift+space or the up
// arrow go back); Enter, any further typing, a click or leaving the field commits what is shown;
// Escape returns from a candidate to the reading, and on a reading drops it. A reading without
// candidates stays as typed. The field may be too narrow for a whole reading, so a strip above it
// shows the open reading and, while converting, the candidates with the shown one marked; a
// click on a candidate chooses it, as Enter does. Text a system input method commits is taken
// as it comes.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class ConversionStrip;
class QLineEdit;

class ConversionInput : public QObject {
    Q_OBJECT
public:
    using Candidates = std::function<QStringList(const QString& reading)>;

    // Gives the field this behaviour; the helper lives as long as the field.
    static ConversionInput* attach(QLineEdit* edit, Candidates candidates);
    static ConversionInput* of(QLineEdit* edit);

    // Whether a reading or candidate is still open, and what it is.
    bool composing() const { return composing_; }
    bool converting() const { return index_ >= 0; }
    QString reading() const { return reading_; }
    QString shown() const;  // the open part as the field shows it
    QStringList candidateList() const { return candidates_; }
    int candidateIndex() const { return index_; }

    // The strip showing the open reading and the candidates; hidden while nothing is open.
    ConversionStrip* strip() const;

    // Settles what is shown (a candidate, or the reading with a trailing "n" as "ん").
    void commit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ConversionInput(QLineEdit* edit, Candidates candidates);

    bool keyPress(class QKeyEvent* key);
    void typeLetter(const QString& letter);
    void convertNext(int step);
    void choose(int index);
    void backToReading();
    void dropReading();
    void backspace();
    // Puts `open` in place of the open part and keeps the cursor at its end.
    void show(const QString& open, bool highlight);
    void reset();
    void paintDecoration();
    void updateStrip();
    void fitField();  // as wide as the open reading needs

    QLineEdit* edit_;
    Candidates source_;
    bool composing_ = false;
    bool updating_ = false;
    int start_ = 0;        // where the open part begins in the field's text
    int length_ = 0;       // its length as shown
    int settledWidth_ = -1;  // the field's own width, kept while it is widened
    QString reading_;      // hiragana, possibly ending in letters still being typed
    QStringList candidates_;
    int index_ = -1;       // the candidate shown, -1 while the reading shows
    QPointer<ConversionStrip> strip_;
};
