#include "ui/form_bid_table.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "bidding/auction.h"
#include "bidding/meanings.h"
#include "bidding/rebid.h"
#include "core/cards.h"
#include "core/flow.h"
#include "core/state.h"
#include "ui/form_the_hands.h"
#include "ui/form_why.h"
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
        // The right button asks what the call would mean.
        b->installEventFilter(this);
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
    // The Why window: the meanings of the calls, the reasons for the proposal, or both, as
    // its option buttons say.
    if (G.Options.WhyAlwaysUp && G.WhyShown) main_.Why().SetText(ProposalText());
    // South's cards are shown.
    main_.Hands().RefreshRow(South);
    // The focus: the proposal with Show Computer Bid, else Pass.
    FocusOnProposal(G.Options.ShowCompBid != 0);
}

std::string FormBidTable::ProposalText() const {
    const FormWhy& why = main_.Why();
    const std::string what = WhatText();
    if (why.OptionWhat()->isChecked()) return what;
    if (why.OptionWhatWhy()->isChecked()) return what + "\n" + G.WhyText;
    if (why.OptionWhyWhat()->isChecked()) return G.WhyText + "\n" + what;
    // Why alone: an explanation too short to say anything gets an apology first.
    std::string text = G.WhyText;
    if (text.size() < 12)
        text = "I am sorry I failed you on this logic I hope to clean up all these hole on a "
               "future Demo." + text;
    return text;
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
    // "rebid": the user takes back his last call; the bidding loop replays the auction and
    // asks him for it again. The explanations of the abandoned turn go.
    if (index == 2) {
        if (UserTakesBackCall()) main_.SetWhy("");
        return;
    }
    busy_ = true;
    int call = index;
    if (index == Double && G.DoubleState != 0) call = Redouble;
    // The flow records the call and gives the user his role in the auction.
    UserMakesCall(call);
    busy_ = false;
}

bool FormBidTable::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) {
        for (int i = 0; i < 58; ++i)
            if (buttons_[i] && watched == buttons_[i]) {
                if (i != 2) QueryCall(i);
                return true;
            }
    }
    if (e->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(e)->button() == Qt::RightButton)
        return true;  // the release asks the question
    return QWidget::eventFilter(watched, e);
}

void FormBidTable::QueryCall(int index) {
    const int user = G.HumanSeat;
    if (!G.AwaitingUser || !G.Dealing || user == 0 || G.CurrentSeat != user) return;
    // First the proposal, as with the right button on the box.
    FocusOnProposal(true);
    // The clicked call is entered for the moment and given its meaning; nothing is recorded.
    int& cell = G.Calls[user][G.BidRound];
    const int proposal = cell;
    const int roles[4] = {G.Opener, G.Responder, G.Overcaller, G.Advancer};
    const int shownMin = G.SeatInfo[user].ShownMinPoints, shownMax = G.SeatInfo[user].ShownMaxPoints;
    cell = index == Double && G.DoubleState != 0 ? Redouble : index;
    DescribeCall();
    const std::string what = WhatText();
    // The roles and the range the meaning gave him are his only once he makes the call.
    cell = proposal;
    G.Opener = roles[0], G.Responder = roles[1], G.Overcaller = roles[2], G.Advancer = roles[3];
    G.SeatInfo[user].ShownMinPoints = shownMin, G.SeatInfo[user].ShownMaxPoints = shownMax;
    // The Why window shows the meanings with What selected.
    if (G.WhyShown) {
        main_.Why().OptionWhat()->setChecked(true);
        main_.Why().SetText(what);
    }
    buttons_[index]->setFocus(Qt::OtherFocusReason);
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
