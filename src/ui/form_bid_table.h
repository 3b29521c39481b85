// The bidding box: the buttons through which the user makes South's calls.
#pragma once

#include <QRect>
#include <QWidget>
#include <string>

#include "core/host.h"

class QPushButton;

namespace kestrel::ui {

class MDIKSTR;

class FormBidTable : public QWidget, public BidBoxView {
    Q_OBJECT
public:
    explicit FormBidTable(MDIKSTR& main);

    // BidBoxView: the user's turn, with the engine's call as the proposal.
    void Propose(int call) override { DoHumanBid(call); }

    // Lays the box out over the card table; BoxRect is its place in the table's pixels.
    void ReSize();
    QRect BoxRect() const { return box_; }
    // Prepares the user's turn: the double button, the bids that may be made, the focus.
    void DoHumanBid(int proposal);
    // Focus on the proposed call (on) or on Pass (off).
    void FocusOnProposal(bool on);
    void bidtable_Click(int index);
    // The right button released on a call button: the meaning of that call in the Why window,
    // the focus on the button; no call is made.
    void QueryCall(int index);
    // The Why window's text for the user's turn, as its option buttons choose.
    std::string ProposalText() const;

    QPushButton* Button(int index) const { return buttons_[index]; }
    int Proposal() const { return proposal_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    MDIKSTR& main_;
    QPushButton* buttons_[58] = {};
    QRect box_;
    int proposal_ = 0;
    bool busy_ = false;
};

}  // namespace kestrel::ui
