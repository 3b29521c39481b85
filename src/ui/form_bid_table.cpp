#include "ui/form_bid_table.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

#include "bidding/auction.h"
#include "core/cards.h"
#include "core/flow.h"
#include "core/state.h"
#include "ui/form_the_hands.h"
#include "ui/main_window.h"
#include "ui/twips.h"

namespace kestrel::ui {

FormBidTable::FormBidTable(MDIKSTR& main) : main_(main) {
    setObjectName("FormBidTable");
    setAutoFillBackground(true);
    auto make = [this](int index, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString("bidtable_%1").arg(index));
        // Light grey faces.
        b->setStyleSheet("QPushButton { background-color: #d4d0c8; color: black; "
                         "border: 1px solid #808080; padding: 0px; }"
                         "QPushButton:disabled { color: #a0a0a0; }"
                         "QPushButton:focus { border: 2px solid black; }");
        connect(b, &QPushButton::clicked, this, [this, index] { bidtable_Click(index); });
        buttons_[index] = b;
    };
    make(0, "PASS");
    make(1, "Dbl");
    make(2, "rebid");
    const char* strains = "CDHSN";
    for (int s = 1; s <= 5; ++s)
        for (int l = 1; l <= 7; ++l) make(s * 10 + l, QString::number(l) + strains[s - 1]);
}

void FormBidTable::ReSize() {
    const FormTheHands& t = main_.Hands();
    // Button sizes from the card table's rows and columns.
    const int bw = std::max(15, (t.SouthTop() - t.CellHeight()) / 10);
    int bh = std::max(15, (t.EastLeft() - t.CellWidth()) / 7);
    // On a wide table the box would reach over South's hand: it stays between the rows.
    bh = std::min(bh, std::max(15, (t.SouthTop() - t.CellHeight()) / 5));
    const int boxW = Twips(8 * bw), boxH = Twips(5 * bh);
    const int tw = t.width(), th = t.height();
    box_ = QRect(tw / 2 - boxW / 2, th / 2 - boxH / 2, boxW, boxH);
    auto place = [&](int index, double col, double row, double cols, double rows) {
        buttons_[index]->setGeometry(int(Twips(bw) * col), int(Twips(bh) * row),
                                     std::max(1, int(Twips(bw) * cols)),
                                     std::max(1, int(Twips(bh) * rows)));
    };
    // The leading column: PASS, then rebid and the double button.
    place(0, 0, 0, 1, 2);
    place(2, 0, 2, 1, 1.5);
    place(1, 0, 3.5, 1, 1.5);
    // The bids: level across, strain down, Clubs at the top.
    for (int s = 1; s <= 5; ++s)
        for (int l = 1; l <= 7; ++l) place(s * 10 + l, l, s - 1, 1, 1);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(std::max(4, std::min(Twips(bw) * 10 / 32, Twips(bh) * 10 / 25)));
    for (QPushButton* b : buttons_)
        if (b) b->setFont(f);
    resize(box_.size());
}

void FormBidTable::DoHumanBid(int proposal) {
    proposal_ = proposal;
    const int user = G.HumanSeat;
    // The double button: not before an opening; Dbl unless partner holds the contract, ReDbl
    // once the contract is doubled.
    QPushButton* dbl = buttons_[1];
    if (G.Contract == 0) {
        dbl->setEnabled(false);
    } else if (G.DoubleState == 0) {
        dbl->setText("Dbl");
        dbl->setEnabled(LastCall(PartnerOf(user)) != G.Contract);
    } else {
        dbl->setText("ReDbl");
        dbl->setEnabled(true);
    }
    // The bids: only those above the contract.
    const int level = CallLevel(G.Contract), strain = CallStrain(G.Contract);
    for (int s = 1; s <= 5; ++s)
        for (int l = 1; l <= 7; ++l) {
            const bool below = G.Contract != 0 && (l < level || (l == level && s <= strain));
            buttons_[s * 10 + l]->setEnabled(!below);
        }
    // South's cards are shown.
    main_.Hands().RefreshRow(South);
    // The focus: the proposal with Show Computer Bid, else Pass.
    FocusOnProposal(G.Options.ShowCompBid != 0);
}

void FormBidTable::FocusOnProposal(bool on) {
    int index = 0;
    if (on) {
        index = proposal_ < 0 ? 0 : proposal_;
        if (index == Redouble) index = Double;
    }
    QPushButton* b = index < 58 ? buttons_[index] : nullptr;
    if (!b || !b->isEnabled()) b = buttons_[0];
    b->setFocus(Qt::OtherFocusReason);
}

void FormBidTable::bidtable_Click(int index) {
    // Only on the user's turn.
    if (busy_ || !G.AwaitingUser || !G.Dealing || G.HumanSeat == 0 ||
        G.CurrentSeat != G.HumanSeat)
        return;
    // Taking back a call replays the auction; it comes with the later auction work.
    if (index == 2) return;
    busy_ = true;
    int call = index;
    if (index == Double && G.DoubleState != 0) call = Redouble;
    // The flow records the call and gives the user his role in the auction.
    UserMakesCall(call);
    busy_ = false;
}

void FormBidTable::keyPressEvent(QKeyEvent* e) {
    // Enter makes the call that has the focus.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        for (int i = 0; i < 58; ++i)
            if (buttons_[i] && buttons_[i]->hasFocus() && buttons_[i]->isEnabled()) {
                buttons_[i]->click();
                return;
            }
    }
    QWidget::keyPressEvent(e);
}

void FormBidTable::mousePressEvent(QMouseEvent* e) {
    // The right button on the box shows the computer's proposal for a moment.
    if (e->button() == Qt::RightButton && G.Dealing) {
        FocusOnProposal(true);
        return;
    }
    QWidget::mousePressEvent(e);
}

}  // namespace kestrel::ui
