// The bids-made window: the auction so far as a grid of 8 rows by 4 seats, with South's points
// and quick tricks in the last row.
#pragma once

#include <QString>
#include <QWidget>
#include <string>

#include "core/host.h"

class QLabel;

namespace kestrel::ui {

class MDIKSTR;

// South's quick tricks as the cells and menu show them: whole ones with " .5" for a half.
std::string QuickTricksText(int quickTrickHalves);

class FormAllBidsTable : public QWidget, public BidsView {
    Q_OBJECT
public:
    static constexpr int kPointsCell = 29;
    static constexpr int kQuickTricksCell = 32;

    explicit FormAllBidsTable(MDIKSTR& main);

    // BidsView: one call by its call code.
    void UpdateTable(int seat, int round, int call) override;
    // One call by strain (0 for pass, double, redouble) and number (level, or 0/1/2).
    void UpdateTable(int player, int round, int suit, int number);
    // Empties all 32 cells (each new deal).
    void ClearTable();
    // Empties the 28 call cells (the bidding box's rebid).
    void ClearCalls() override;
    // The points and quick-tricks cells, as the View menu's items say.
    void ShowHandInfo();
    // The whole auction written again (the window's activation).
    void Form_Activate();

    QString CellText(int index) const;
    QLabel* Cell(int index) const { return cells_[index]; }

private:
    MDIKSTR& main_;
    QLabel* top_ = nullptr;
    QLabel* cells_[33] = {};
};

}  // namespace kestrel::ui
