#include "ui/form_all_bids_table.h"

#include <QLabel>

#include "core/cards.h"
#include "core/state.h"
#include "core/text.h"
#include "ui/main_window.h"
#include "ui/twips.h"

namespace kestrel::ui {

namespace {

constexpr int kColumnLeft[5] = {0, 25, 400, 750, 1125};  // S, W, N, E
constexpr int kCellWidth = 375, kCellHeight = 255;
constexpr const char* kStrainLetter[6] = {"", "C", "D", "H", "S", "N"};

}  // namespace

std::string QuickTricksText(int quickTrickHalves) {
    // A half shows as .5, with no 0 before it when there is no whole trick.
    const int whole = quickTrickHalves / 2;
    if (quickTrickHalves % 2 == 0) return Str(whole);
    return whole == 0 ? " .5" : Str(whole) + ".5";
}

FormAllBidsTable::FormAllBidsTable(MDIKSTR& main) : main_(main) {
    setObjectName("FormAllBidsTable");
    setFixedSize(Twips(1560), Twips(2310));
    QFont f("Monospace");
    f.setStyleHint(QFont::TypeWriter);
    // Three characters (" 1H") must fit across a cell.
    f.setPixelSize(std::max(8, std::min(Twips(kCellHeight) - 4, Twips(kCellWidth) * 5 / 11)));
    top_ = new QLabel(" S  W  N  E", this);
    top_->setObjectName("LabelTopLable");
    top_->setGeometry(Twips(100), 0, Twips(1455), Twips(375));
    top_->setFont(f);
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 4; ++c) {
            const int index = 4 * (r - 1) + c;
            auto* cell = new QLabel(this);
            cell->setObjectName(QString("labelTableofBids%1").arg(index));
            cell->setGeometry(Twips(kColumnLeft[c]), Twips(360 + 240 * (r - 1)), Twips(kCellWidth),
                              Twips(kCellHeight));
            cell->setFont(f);
            cells_[index] = cell;
        }
}

QString FormAllBidsTable::CellText(int index) const { return cells_[index]->text(); }

void FormAllBidsTable::UpdateTable(int seat, int round, int call) {
    // The call code is strain * 10 + level; pass, double and redouble have strain 0.
    UpdateTable(seat, round, call / 10, call % 10);
}

void FormAllBidsTable::UpdateTable(int player, int round, int suit, int number) {
    // The first row starts in the dealer's column: seats before the dealer move down a row.
    const int index = player < G.Dealer ? player + 4 * round : player + 4 * (round - 1);
    if (index < 1 || index > 32) return;
    QString text;
    if (suit == 0) {
        // Pass, double, redouble; a call not yet made writes nothing.
        if (number == 0)
            text = "  P";
        else if (number == 1)
            text = "  D";
        else if (number == 2)
            text = "  R";
        else
            return;
    } else if (suit >= 1 && suit <= 5) {
        text = QString::fromStdString(" " + Str(number) + kStrainLetter[suit]);
    } else {
        return;
    }
    cells_[index]->setText(text);
    cells_[index]->repaint();
}

void FormAllBidsTable::ClearTable() {
    for (int i = 1; i <= 32; ++i) cells_[i]->clear();
}

void FormAllBidsTable::ClearCalls() {
    for (int i = 1; i <= 28; ++i) cells_[i]->clear();
}

void FormAllBidsTable::ShowHandInfo() {
    const SeatInfoRec& south = G.SeatInfo[South];
    if (main_.Checked("MenuShowPoints"))
        cells_[kPointsCell]->setText(QString::fromStdString(Str(south.Points)));
    else
        cells_[kPointsCell]->clear();
    if (main_.Checked("MenuShowQuickTricks"))
        cells_[kQuickTricksCell]->setText(
            QString::fromStdString(QuickTricksText(south.QuickTrickHalves)));
    else
        cells_[kQuickTricksCell]->clear();
}

void FormAllBidsTable::Form_Activate() {
    // Only while a hand is being bid or played: the auction from the dealer, round by round.
    if (!G.Dealing && !G.PlayInProgress) return;
    if (G.Dealer < 1 || G.Dealer > 4) return;
    int seat = G.Dealer;
    int round = 1;
    while (round <= G.BidRound && round <= 7) {
        const int call = G.Calls[seat][round];
        UpdateTable(seat, round, call / 10, call % 10);
        seat = NextPlayer(seat);
        if (seat == G.Dealer) ++round;
    }
}

}  // namespace kestrel::ui
