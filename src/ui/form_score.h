// The score pad: points above the line, the three games below it and the rubber totals, the
// user's side on the left.
#pragma once

#include <QString>
#include <QWidget>

#include "core/host.h"

class QLabel;

namespace kestrel::ui {

class MDIKSTR;

class FormScore : public QWidget {
    Q_OBJECT
public:
    explicit FormScore(MDIKSTR& main);

    // One label; an empty text empties it.
    void SetLabel(ScoreLabel label, int index, const QString& text);
    // Every number label empty (a pad that opens afresh).
    void EmptyLabels();

    QLabel* AboveTheLine(int side) const { return above_[side]; }
    QLabel* Game(int index) const { return game_[index]; }
    QLabel* RubberScore(int side) const { return rubber_[side]; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    [[maybe_unused]] MDIKSTR& main_;
    QLabel* above_[3] = {};
    QLabel* game_[7] = {};
    QLabel* rubber_[3] = {};
};

}  // namespace kestrel::ui
