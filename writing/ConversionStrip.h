// SPDX-License-Identifier: GPL-3.0-or-later
// The strip above an answer field that shows the open reading and, while converting, a page of
// its kanji candidates with the shown one marked. A click on a candidate chooses it.
#pragma once

#include <QFrame>
#include <QList>
#include <QString>
#include <QStringList>

class QLabel;

class ConversionStrip : public QFrame {
    Q_OBJECT
  public:
    static constexpr int Page = 8; // candidates listed at once

    explicit ConversionStrip(QWidget* parent);

    // index: the candidate shown (its page is listed), -1 while the reading shows.
    void setContent(const QString& reading, const QStringList& candidates, int index);
    // What the strip reads, for a look in tests: the reading, then the listed candidates.
    QString text() const;
    // The label of candidate i while its page is listed, else nullptr.
    QLabel* candidateLabel(int i) const;

  signals:
    void chosen(int index);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* reading_;
    QList<QLabel*> candidates_;
    QLabel* count_;
    int first_ = 0; // the candidate the first label shows
};
