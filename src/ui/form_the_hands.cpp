#include "ui/form_the_hands.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "core/cards.h"
#include "core/flow.h"
#include "core/rewind.h"
#include "core/state.h"
#include "ui/card_renderer.h"
#include "ui/form_bid_table.h"
#include "ui/main_window.h"
#include "ui/twips.h"

namespace kestrel::ui {

namespace {

QRect TwipRect(double left, double top, double width, double height) {
    return QRect(int(left), int(top), int(width), int(height));
}

QRect ToPixels(const QRect& t) {
    return QRect(Twips(t.left()), Twips(t.top()), std::max(1, Twips(t.width())),
                 std::max(1, Twips(t.height())));
}

QColor Background() {
    const std::uint32_t bgr = G.BackgroundColor;
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

}  // namespace

FormTheHands::FormTheHands(MDIKSTR& main) : main_(main) {
    setObjectName("FormTheHands");
    setFocusPolicy(Qt::StrongFocus);
    rewind_ = new QPushButton("OOP'S", this);
    rewind_->setObjectName("ComRewind");
    rewind_->setFocusPolicy(Qt::NoFocus);
    rewind_->hide();
    connect(rewind_, &QPushButton::clicked, this, &FormTheHands::ComRewind_Click);
    direction_[11] = "West";
    direction_[12] = "East";
    const char* north = "North";
    const char* south = "South";
    for (int i = 0; i < 5; ++i) {
        direction_[1 + i] = QString(QChar(north[i]));
        direction_[6 + i] = QString(QChar(south[i]));
    }
}

void FormTheHands::resizeEvent(QResizeEvent*) { ReSize(); }

void FormTheHands::ReSize() {
    const int tw = ToTwips(width()), th = ToTwips(height());
    const bool faces = G.Options.Faces != 0;
    // Card cells: small faces side by side, or full cards overlapping.
    int w, h;
    if (faces) {
        h = th / 16;
        w = tw / 16;
    } else {
        h = std::min(th / 5, kCardHeightTwips);
        w = std::min(tw / 6, kCardWidthTwips);
    }
    cellW_ = w;
    cellH_ = h;
    southTop_ = th - h;
    eastLeft_ = tw - w;
    // The hands: position 1 lies at each holder's right.
    const int cx = tw / 2 - (w / 2 + w / 8);
    const int cy = th / 2 - (h / 2 + h / 10);
    for (int i = 0; i < 13; ++i) {
        double sLeft, nLeft, wTop, eTop;
        if (faces) {
            sLeft = 13.5 * w - i * w;
            nLeft = 1.5 * w + i * w;
            wTop = 13.5 * h - i * h;
            eTop = 1.5 * h + i * h;
        } else {
            sLeft = cx + 6 * (w / 5.0) - i * (w / 5.0);
            nLeft = cx - 5 * (w / 5.0) + i * (w / 5.0);
            wTop = cy + 6 * (h / 6.0) - i * (h / 6.0);
            eTop = cy - 5 * (h / 6.0) + i * (h / 6.0);
        }
        baseRect_[IndexOf(South, i + 1)] = TwipRect(sLeft, southTop_, w, h);
        baseRect_[IndexOf(West, i + 1)] = TwipRect(0, wTop, w, h);
        baseRect_[IndexOf(North, i + 1)] = TwipRect(nLeft, 0, w, h);
        baseRect_[IndexOf(East, i + 1)] = TwipRect(eastLeft_, eTop, w, h);
    }
    // The trick in the middle.
    const int cx0 = tw / 2, cy0 = th / 2;
    if (faces) {
        baseRect_[52 + South] = TwipRect(cx0 - w, cy0, 2 * w, 2 * h);
        baseRect_[52 + West] = TwipRect(cx0 - 3 * w, cy0 - h, 2 * w, 2 * h);
        baseRect_[52 + North] = TwipRect(cx0 - w, cy0 - 2 * h, 2 * w, 2 * h);
        baseRect_[52 + East] = TwipRect(cx0 + w, cy0 - h, 2 * w, 2 * h);
    } else {
        baseRect_[52 + South] = TwipRect(cx0 - w / 2, cy0, w, h);
        baseRect_[52 + West] = TwipRect(cx0 - 1.5 * w, cy0 - h / 2, w, h);
        baseRect_[52 + North] = TwipRect(cx0 - w / 2, cy0 - h, w, h);
        baseRect_[52 + East] = TwipRect(cx0 + 0.5 * w, cy0 - h / 2, w, h);
    }
    // The deck lies in the middle, one card.
    const int dw = faces ? 2 * w : w, dh = faces ? 2 * h : h;
    baseRect_[0] = TwipRect(cx0 - dw / 2, cy0 - dh / 2, dw, dh);
    for (int i = 0; i <= 56; ++i) cards_[i].rect = baseRect_[i];
    // Tricks taken: North-South's in a row above South's hand, East-West's in a column beside
    // West's hand, each spreading out from the centre.
    const int pw = faces ? w : w / 3, ph = faces ? h : h / 3;
    for (int k = 1; k <= 13; ++k) {
        const int offset = (k / 2) * pw;
        const double lift = ((k + 1) / 2) % 2 == 1 ? 1.5 : 1.25;
        const int left = tw / 2 - pw / 2 + (k % 2 == 1 ? -offset : offset);
        trickRect_[k] = TwipRect(left, southTop_ - lift * ph, pw, ph);
        const int voffset = (k / 2) * ph;
        const double right = ((k + 1) / 2) % 2 == 1 ? 0.5 : 0.25;
        const int top = th / 2 - ph / 2 + (k % 2 == 1 ? -voffset : voffset);
        trickRect_[13 + k] = TwipRect(w + right * pw, top, pw, ph);
    }
    // Call cells: squares a tenth of the height between North's and South's rows.
    const int side = std::max(1, (southTop_ - h) / 10);
    for (int c = 0; c < 7; ++c) {
        cells_[(South - 1) * 7 + c + 1].rect = TwipRect(tw / 2 - 3.5 * side + c * side, southTop_ - side, side, side);
        cells_[(North - 1) * 7 + c + 1].rect = TwipRect(tw / 2 - 3.5 * side + c * side, h, side, side);
        cells_[(West - 1) * 7 + c + 1].rect = TwipRect(w, th / 2 - 3.5 * side + c * side, side, side);
        cells_[(East - 1) * 7 + c + 1].rect = TwipRect(eastLeft_ - side, th / 2 - 3.5 * side + c * side, side, side);
    }
    // Direction labels: North's and South's letters stacked beside their hands, West below
    // West's column and East above East's column.
    const int letterH = std::max(150, h / 6), letterW = std::max(150, w / 4);
    const int northRight = baseRect_[IndexOf(North, 13)].right();
    const int southLeft = baseRect_[IndexOf(South, 13)].left();
    for (int i = 0; i < 5; ++i) {
        directionRect_[1 + i] = TwipRect(northRight + letterW / 2, i * letterH, letterW, letterH);
        directionRect_[6 + i] = TwipRect(southLeft - letterW * 1.5, southTop_ + i * letterH, letterW, letterH);
    }
    directionRect_[11] = TwipRect(0, baseRect_[IndexOf(West, 1)].bottom() + 15, w, letterH);
    directionRect_[12] = TwipRect(eastLeft_, baseRect_[IndexOf(East, 1)].top() - letterH - 15, w, letterH);
    // The rewind button in the bottom-right corner, clear of the hands.
    QRect rw = ToPixels(TwipRect(tw - 1.1 * w, th - h / 2.5 - 60, w, h / 2.5));
    rewind_->setGeometry(rw);
    // The hands drawn again: all of them during the auction, the remaining cards in the play.
    if (G.Dealing || G.PlayInProgress)
        for (int seat = 1; seat <= 4; ++seat) RefreshRow(seat);
    update();
}

bool FormTheHands::FaceUp(int player) const {
    if (G.Visible[player]) return true;
    if (player == G.Dummy && G.DummyExposed) return true;
    if (player == South) return true;
    return G.HumanSeat != 0 && G.HumanSeat == G.Dummy && player == G.Declarer && G.DummyExposed;
}

void FormTheHands::PutCard(int player, int position) {
    // Nothing is drawn outside a deal or the play.
    if (!G.Dealing && !G.PlayInProgress) return;
    if (player < 1 || player > 4 || position < 1 || position > 13) return;
    CardImage& img = cards_[IndexOf(player, position)];
    const int card = G.Hand[player][position];
    if (card == 0) {
        img.picture = Picture::Empty;
        img.visible = false;
    } else if (FaceUp(player)) {
        img.picture = Picture::Face;
        img.code = CardDrawingCode(card);
        img.visible = true;
    } else {
        img.picture = Picture::Back;
        img.visible = true;
    }
    Raise(IndexOf(player, position));
    update();
}

void FormTheHands::RefreshRow(int seat) {
    for (int pos = 1; pos <= 13; ++pos) {
        cards_[IndexOf(seat, pos)].raisedBy = 0;
        PutCard(seat, pos);
    }
    SetPipOrder();
}

void FormTheHands::FlipTheCards(int player) { RefreshRow(player); }

void FormTheHands::Deal() {
    // The cards appear as if dealt round the table.
    for (int pos = 1; pos <= 13; ++pos)
        for (int seat = 1; seat <= 4; ++seat) {
            cards_[IndexOf(seat, pos)].rect = baseRect_[IndexOf(seat, pos)];
            PutCard(seat, pos);
        }
    ShowDirections(G.WindowMode != 0 && !G.Options.Faces);
    cards_[0].visible = false;
    update();
}

void FormTheHands::ShowTrickCard(int seat, int card) {
    CardImage& img = cards_[52 + seat];
    img.picture = Picture::Face;
    img.code = CardDrawingCode(card);
    img.visible = true;
    Raise(52 + seat);
    update();
}

void FormTheHands::HideTrickCards() {
    for (int seat = 1; seat <= 4; ++seat) {
        cards_[52 + seat].picture = Picture::Empty;
        cards_[52 + seat].visible = false;
    }
    update();
}

void FormTheHands::ShowTrickTaken(int side, int count) {
    const int first = side == 1 ? 1 : 14;
    for (int k = 0; k < 13; ++k) trickShown_[first + k] = k < count;
    update();
}

void FormTheHands::MakeBidVisible(int seat, int call) {
    if (call < 0)
        MakeBidVisible(seat, 0, -1);
    else if (call <= 2)
        MakeBidVisible(seat, 0, call);
    else
        MakeBidVisible(seat, CallStrain(call), CallLevel(call));
}

void FormTheHands::MakeBidVisible(int player, int suit, int level) {
    const int base = (player - 1) * 7;
    // The seven cells are cleared first.
    for (int c = 1; c <= 7; ++c) {
        cells_[base + c].letter.clear();
        PlaceBid(player, c, 14);
    }
    if (level == -1) return;
    if (suit >= 1) {
        // A bid: its level's number of strain symbols, centred.
        const int first = (7 - level) / 2;
        for (int c = first + 1; c <= first + level; ++c) PlaceBid(player, c, suit);
        return;
    }
    auto letters = [&](const char* text, int firstCell) {
        for (int i = 0; text[i]; ++i) cells_[base + firstCell + i].letter = QString(QChar(text[i]));
    };
    if (level == 0)
        letters("Pass", 2);
    else if (level == 1)
        letters("Dbl", 3);
    else if (level == 2)
        letters("Redbl", 2);
    update();
}

void FormTheHands::PlaceBid(int player, int cell, int bid) {
    cells_[(player - 1) * 7 + cell].symbol = bid;
    update();
}

void FormTheHands::RedrawCalls() {
    for (int seat = 1; seat <= 4; ++seat) {
        int call = -1;
        for (int round = 1; round <= 7; ++round)
            if (G.Calls[seat][round] != -1) call = G.Calls[seat][round];
        MakeBidVisible(seat, call);
    }
}

void FormTheHands::ShowContract(int level, int strain, int doubleState) {
    const char* letters = "CDHSN";
    level_ = QString::number(level);
    suit_ = strain >= 1 && strain <= 5 ? QString(QChar(letters[strain - 1])) : QString();
    doubled_ = doubleState == 1 ? "D" : doubleState == 2 ? "R" : "";
    contractShown_ = true;
    update();
}

QString FormTheHands::ContractText() const {
    return contractShown_ ? level_ + suit_ + doubled_ : QString();
}

void FormTheHands::SetPointer(int seat, int proposal) {
    // Every card refuses clicks except the row of the seat the user plays now.
    for (int i = 1; i <= 52; ++i) {
        cards_[i].arrow = false;
        cards_[i].raisedBy = 0;
    }
    if (seat >= 1 && seat <= 4 && UserPlaysSeat(seat)) {
        for (int pos = 1; pos <= 13; ++pos) {
            CardImage& img = cards_[IndexOf(seat, pos)];
            img.arrow = true;
            // The proposed card stands out towards the middle of the table.
            if (proposal != 0 && G.Hand[seat][pos] == proposal) img.raisedBy = 5;
        }
    }
    update();
}

void FormTheHands::LowerRaisedCards() {
    for (int i = 1; i <= 52; ++i) cards_[i].raisedBy = 0;
    update();
}

void FormTheHands::ShowDummy(int seat) { RefreshRow(seat); }

void FormTheHands::ShowDeck() {
    cards_[0].picture = Picture::Back;
    cards_[0].visible = true;
    Raise(0);
    update();
}

void FormTheHands::DrawDeck() { update(); }

void FormTheHands::DisplayInfo() { main_.DisplayInfo(); }

void FormTheHands::ShowHandNumber(int number) { handNumber_ = number; }

void FormTheHands::SetRewindEnabled(bool enabled) {
    rewindAvailable_ = enabled;
    if (!enabled) rewind_->hide();
}

void FormTheHands::ShowRewind() {
    if (rewindAvailable_) {
        rewind_->show();
        rewind_->raise();
    }
}

void FormTheHands::SetPipOrder() {
    const int flags[5] = {0, G.PipOrderSouth, G.PipOrderWest, G.PipOrderNorth, G.PipOrderEast};
    for (int seat = 1; seat <= 4; ++seat)
        for (int pos : PipRaiseOrder(seat, flags[seat])) Raise(IndexOf(seat, pos));
    update();
}

void FormTheHands::ShowDirections(bool on) {
    directionsShown_ = on;
    update();
}

void FormTheHands::ResetForm() {
    contractShown_ = false;
    level_.clear();
    suit_.clear();
    doubled_.clear();
    for (int i = 1; i <= 56; ++i) {
        cards_[i].picture = Picture::Empty;
        cards_[i].visible = true;
        cards_[i].arrow = false;
        cards_[i].raisedBy = 0;
        cards_[i].rect = baseRect_[i];
    }
    for (int c = 1; c <= 28; ++c) {
        cells_[c].symbol = 14;
        cells_[c].letter.clear();
    }
    for (int k = 1; k <= 26; ++k) trickShown_[k] = false;
    directionsShown_ = false;
    rewind_->hide();
    main_.ResetInfoCaptions();
    main_.ResetToolWindows();
    update();
}

QRect FormTheHands::ImagePixels(int index) const {
    const CardImage& img = cards_[index];
    QRect r = ToPixels(img.rect);
    if (img.raisedBy && index >= 1 && index <= 52) {
        const int seat = (index - 1) / 13 + 1;
        const int d = img.raisedBy;
        if (seat == South) r.translate(0, -d);
        if (seat == North) r.translate(0, d);
        if (seat == West) r.translate(d, 0);
        if (seat == East) r.translate(-d, 0);
    }
    return r;
}

int FormTheHands::ImageAt(QPoint pixel) const {
    int best = -1;
    for (int i = 0; i <= 56; ++i) {
        const CardImage& img = cards_[i];
        if (!img.visible || img.picture == Picture::Empty) continue;
        if (!ImagePixels(i).contains(pixel)) continue;
        if (best < 0 || img.z > cards_[best].z) best = i;
    }
    return best;
}

void FormTheHands::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Background());
    const qreal dpr = devicePixelRatioF();
    // The tricks taken, as small backs.
    for (int k = 1; k <= 26; ++k) {
        if (!trickShown_[k]) continue;
        QRect r = ToPixels(trickRect_[k]);
        p.drawPixmap(r.topLeft(), CardPicture(G.CardBack, kModeBack, r.size(), dpr));
    }
    // The calls.
    for (int c = 1; c <= 28; ++c) {
        const CallCell& cell = cells_[c];
        QRect r = ToPixels(cell.rect);
        if (cell.symbol >= 1 && cell.symbol <= 4) {
            DrawSuitSymbol(p, cell.symbol, QRectF(r).adjusted(1, 1, -1, -1));
        } else if (cell.symbol == 5) {
            QFont f = font();
            f.setBold(true);
            f.setPixelSize(std::max(6, r.height() * 4 / 5));
            p.setFont(f);
            p.setPen(Qt::black);
            p.drawText(r, Qt::AlignCenter, "N");
        }
        if (!cell.letter.isEmpty()) {
            QFont f = font();
            f.setBold(true);
            f.setPixelSize(std::max(6, r.height() * 4 / 5));
            p.setFont(f);
            p.setPen(Qt::black);
            p.drawText(r, Qt::AlignCenter, cell.letter);
        }
    }
    // The card images in their order, the last raised on top.
    std::vector<int> order;
    for (int i = 0; i <= 56; ++i)
        if (cards_[i].visible && cards_[i].picture != Picture::Empty) order.push_back(i);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return cards_[a].z < cards_[b].z; });
    for (int i : order) {
        const CardImage& img = cards_[i];
        QRect r = ImagePixels(i);
        QPixmap pm = img.picture == Picture::Face
                         ? CardPicture(img.code, kModeFace, r.size(), dpr)
                         : CardPicture(G.CardBack, kModeBack, r.size(), dpr);
        p.drawPixmap(r.topLeft(), pm);
    }
    // The contract.
    if (contractShown_) {
        QFont f = font();
        f.setBold(true);
        f.setPixelSize(std::max(10, Twips(cellH_) / 4));
        p.setFont(f);
        const QColor red(200, 20, 30);
        p.setPen(suit_ == "D" || suit_ == "H" ? red : Qt::black);
        QRect r(6, 4, Twips(cellW_), f.pixelSize() + 6);
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, level_ + " " + suit_ + " " + doubled_);
    }
    // The seat names.
    if (directionsShown_) {
        for (int i = 1; i <= 12; ++i) {
            QRect r = ToPixels(directionRect_[i]);
            QFont f = font();
            f.setBold(true);
            f.setPixelSize(std::max(8, r.height() * 4 / 5));
            p.setFont(f);
            p.fillRect(r, QColor(192, 192, 192));
            p.setPen(Qt::black);
            p.drawText(r, Qt::AlignCenter, direction_[i]);
        }
    }
}

void FormTheHands::mousePressEvent(QMouseEvent* e) {
    const int index = ImageAt(e->position().toPoint());
    if (e->button() == Qt::RightButton) {
        RightButton(index);
        return;
    }
    if (e->button() == Qt::LeftButton && index >= 0) Cards_Click(index);
}

void FormTheHands::RightButton(int index) {
    // On the deck: the next click on it changes the card back.
    if (index == 0 && cards_[0].visible) {
        backChangeArmed_ = true;
        return;
    }
    // During the auction: the computer's proposed call gets the focus in the bidding box.
    if (G.Dealing && G.BidTableShown) {
        main_.BidTable().FocusOnProposal(true);
        return;
    }
    // During the play: the proposed card stands out for this turn.
    if (G.PlayInProgress && G.AwaitingUser && !G.Options.ShowCompPlay)
        SetPointer(G.CurrentSeat, G.HumanCard);
}

void FormTheHands::Cards_Click(int index) {
    // A click right after a right-click handled elsewhere is ignored once.
    if (ignoreNextClick_) {
        ignoreNextClick_ = false;
        return;
    }
    // After a right-click on the deck, a click on it changes the card back.
    if (index == 0 && backChangeArmed_) {
        backChangeArmed_ = false;
        G.CardBack = G.CardBack >= kLastBack ? kFirstBack : G.CardBack + 1;
        DrawDeck();
        return;
    }
    // The deck: a new hand.
    if (index == 0) {
        if (G.ContinueShown) main_.HideChild(Window::Continue);
        cards_[0].visible = false;
        update();
        QMetaObject::invokeMethod(&main_, "MenuDeal_Click", Qt::QueuedConnection);
        return;
    }
    // Only the cards of the row the user plays now take clicks.
    if (index < 1 || index > 52 || !cards_[index].arrow) return;
    const int seat = G.CurrentSeat;
    const int position = index - (seat - 1) * 13;
    if (position < 1 || position > 13) return;
    const int card = G.Hand[seat][position];
    if (card == 0) return;
    // The flow checks the turn and that the user follows suit; a refused card changes nothing.
    if (!UserPlaysCard(seat, card)) return;
    LowerRaisedCards();
}

void FormTheHands::keyPressEvent(QKeyEvent* e) {
    // Enter accepts the proposed card when the proposals are shown.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && G.PlayInProgress &&
        G.AwaitingUser && G.Options.ShowCompPlay) {
        if (UserPlaysCard(G.CurrentSeat, G.HumanCard)) LowerRaisedCards();
        return;
    }
    QWidget::keyPressEvent(e);
}

void FormTheHands::ComRewind_Click() {
    // Only during the user's turn in the play, and never twice at once.
    if (rewindRunning_ || !G.PlayInProgress || !G.AwaitingUser) return;
    rewindRunning_ = true;
    if (G.TricksPlayed > 0) rewind_->hide();
    LowerRaisedCards();
    RewindPlay();
    rewindRunning_ = false;
    update();
}

}  // namespace kestrel::ui
