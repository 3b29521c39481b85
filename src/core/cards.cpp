#include "core/cards.h"

#include <utility>

#include "core/errors.h"
#include "core/host.h"
#include "core/state.h"

namespace kestrel {

int CardRank(int card) { return card <= 0 ? 0 : (card - 1) % 13 + 1; }
int CardSuit(int card) { return card <= 0 ? 0 : (card - 1) / 13 + 1; }

int NextPlayer(int seat) { return seat > 3 ? 1 : seat + 1; }
int PartnerOf(int seat) { return seat + 2 > 4 ? seat - 2 : seat + 2; }

int PlayerAt(int seat, int direction) {
    if (direction < 0) return seat == 1 ? 4 : seat - 1;
    if (direction > 0) return seat == 4 ? 1 : seat + 1;
    return PartnerOf(seat);
}

int PositionFromDealer(int seat) {
    if (seat < 1 || seat > 4 || G.Dealer < 1 || G.Dealer > 4) FatalError();
    return (seat - G.Dealer + 4) % 4 + 1;
}

int CardDrawingCode(int card) {
    int rank = CardRank(card);
    int r = rank == 13 ? 0 : rank;
    return r * 4 + (CardSuit(card) - 1);
}

int CountInSuit(int seat, int suit) {
    int n = 0;
    for (int i = 1; i <= 13; ++i)
        if (G.Hand[seat][i] != 0 && CardSuit(G.Hand[seat][i]) == suit) ++n;
    return n;
}

int HasCard(int suit, int rank) {
    int card = MakeCard(suit, rank);
    for (int i = 1; i <= 13; ++i)
        if (G.Hand[G.CurrentSeat][i] == card) return -1;
    return 0;
}

namespace {

// The seat's cards of the suit, highest first; returns how many.
int SuitCardsHighFirst(int seat, int suit, int out[13]) {
    int n = 0;
    for (int rank = 13; rank >= 1; --rank) {
        int card = MakeCard(suit, rank);
        for (int i = 1; i <= 13; ++i)
            if (G.Hand[seat][i] == card) {
                out[n++] = card;
                break;
            }
    }
    return n;
}

}  // namespace

int NthCardInSuit(int seat, int suit, int n) {
    int cards[13];
    int held = SuitCardsHighFirst(seat, suit, cards);
    if (held == 0) return 0;
    // Beyond 7 the count runs from the bottom: 13 is the lowest card, 12 the second lowest.
    if (n > 7) n = held - (13 - n);
    if (n <= 0 || n > held) return cards[held - 1];
    return cards[n - 1];
}

int MyHighest(int suit) { return NthCardInSuit(G.CurrentSeat, suit, 1); }
int MyLowest(int suit) { return NthCardInSuit(G.CurrentSeat, suit, 13); }

int HighestRankOf(int seat, int suit) { return CardRank(NthCardInSuit(seat, suit, 1)); }
int LowestRankOf(int seat, int suit) { return CardRank(NthCardInSuit(seat, suit, 13)); }

int NextLowerCard(int suit, int rank) {
    int cards[13];
    int held = SuitCardsHighFirst(G.CurrentSeat, suit, cards);
    if (held == 0) return 0;
    if (rank > 1)
        for (int i = 0; i < held; ++i)
            if (CardRank(cards[i]) < rank) return cards[i];
    return cards[held - 1];
}

int NextHigherCard(int suit, int rank) {
    int cards[13];
    int held = SuitCardsHighFirst(G.CurrentSeat, suit, cards);
    if (held == 0) return 0;
    if (rank < 13)
        for (int i = held - 1; i >= 0; --i)
            if (CardRank(cards[i]) > rank) return cards[i];
    return cards[held - 1];
}

int WinningRank() { return CardRank(G.WinningCard); }
int WinningSuit() { return CardSuit(G.WinningCard); }

int CheapestWinner(int suit) {
    int cards[13];
    int held = SuitCardsHighFirst(G.CurrentSeat, suit, cards);
    if (held == 0) return 0;
    if (WinningRank() != 13)
        for (int i = held - 1; i >= 0; --i)
            if (CardRank(cards[i]) >= WinningRank()) return cards[i];
    return cards[held - 1];
}

int HighIfItWins(int suit) {
    if (suit == G.SuitLed && WinningSuit() == G.SuitLed &&
        CardRank(MyHighest(suit)) < WinningRank())
        return MyLowest(suit);
    return MyHighest(suit);
}

// ---------------------------------------------------------------------------
// Hand arrangement

namespace {

constexpr int C = Clubs, D = Diamonds, H = Hearts, S = Spades;

// Short Suits on End, also used for any hand with a void.
SuitOrder ShortSuitsOnEnd(int hundreds, int shortBlack, int shortRed) {
    switch (hundreds) {
        case 2:
            if (shortBlack == C && shortRed == D) return {C, H, S, D};
            if (shortBlack == C || shortRed == H) return {C, D, S, H};
            return {D, C, S, H};
        case 3:
            if (shortRed == H && shortBlack == S) return {H, C, D, S};
            if (shortRed == H) return {H, S, D, C};
            if (shortBlack == S) return {S, H, C, D};
            return {C, H, D, S};
        case 4:
            if (shortRed == D && shortBlack == C) return {D, S, H, C};
            if (shortRed == D) return {D, C, H, S};
            if (shortBlack == C) return {C, D, S, H};
            return {S, D, C, H};
        default:  // 1: Majors Left of Minors
            if (shortBlack == S && shortRed == H) return {S, D, C, H};
            if (shortBlack == S || shortRed == D) return {S, H, C, D};
            return {H, S, D, C};
    }
}

// Black on the Left (tens 6) and Red on the Left (tens 7), no void.
SuitOrder ColourOnLeft(int hundreds, int tens) {
    bool black = tens == 6;
    switch (hundreds) {
        case 2: return black ? SuitOrder{C, D, S, H} : SuitOrder{D, C, H, S};
        case 3: return black ? SuitOrder{C, H, S, D} : SuitOrder{D, S, H, C};
        case 4: return black ? SuitOrder{S, D, C, H} : SuitOrder{H, C, D, S};
        default: return black ? SuitOrder{S, H, C, D} : SuitOrder{H, S, D, C};
    }
}

void RotateLeft(SuitOrder& o) { o = {o[1], o[2], o[3], o[0]}; }
void RotateRight(SuitOrder& o) { o = {o[3], o[0], o[1], o[2]}; }

}  // namespace

SuitOrder ArrangementOrder(int arrangement, int seat, int trump) {
    int thousands = arrangement / 1000 % 10;
    int hundreds = arrangement / 100 % 10;
    int tens = arrangement / 10 % 10;

    // 1. Suit lengths and the suits that are not void.
    int len[5];
    int nonVoid = 0;
    for (int s = 1; s <= 4; ++s) {
        len[s] = G.SuitInfo[seat][s].Length;
        if (len[s] > 0) ++nonVoid;
    }

    // 2. The short black and the short red suit.
    int shortBlack = 0;
    if (len[C] < len[S] && len[C] < 3)
        shortBlack = C;
    else if (len[S] < len[C] && len[S] < 3)
        shortBlack = S;
    int shortRed = 0;
    if (len[D] < len[H] && len[D] < 3)
        shortRed = D;
    else if (len[H] < len[D] && len[H] < 3)
        shortRed = H;

    // 3. The order of the suits from left to right.
    SuitOrder order = (tens == 6 || tens == 7) && nonVoid == 4
                          ? ColourOnLeft(hundreds, tens)
                          : ShortSuitsOnEnd(hundreds, shortBlack, shortRed);

    // 4. Trump placement, keeping the colours alternating where they alternated.
    if (trump >= 1 && trump <= 4 && len[trump] > 0) {
        int slot = 0;
        for (int i = 0; i < 4; ++i)
            if (order[i] == trump) slot = i + 1;
        if (thousands == 1) {
            if (slot == 3)
                std::swap(order[0], order[2]);
            else if (slot == 2)
                RotateLeft(order);
            else if (slot == 4)
                RotateRight(order);
        } else {
            if (slot == 2)
                std::swap(order[1], order[3]);
            else if (slot == 3)
                RotateRight(order);
            else if (slot == 1)
                RotateLeft(order);
        }
    }
    return order;
}

void SortCards(int player, int card) {
    // Re-sorting during the play keeps only the cards still held.
    if (G.PlayInProgress)
        for (int seat = 1; seat <= 4; ++seat)
            for (int t = 1; t <= 13; ++t)
                if (G.PlayedCard[seat][t] == card) return;
    G.FillCount[player] += 1;
    if (G.FillCount[player] > 13) FatalError();
    G.Hand[player][G.FillCount[player]] = card;
    if (G.Visible[player]) GetHost().Table().PutCard(player, G.FillCount[player]);
}

void SortHands() {
    bool acesRight = G.HandArrangement % 10 == 9;
    for (int seat = 1; seat <= 4; ++seat) {
        G.FillCount[seat] = 0;
        for (int i = 1; i <= 13; ++i) G.Hand[seat][i] = 0;
        SuitOrder order = ArrangementOrder(G.HandArrangement, seat, G.TrumpSuit);
        // 5-6. The rightmost suit fills position 1; a void suit adds no card and so takes no
        // place.
        for (int slot = 3; slot >= 0; --slot) {
            int suit = order[slot];
            for (int k = 0; k < 13; ++k) {
                int rank = acesRight ? 13 - k : 1 + k;
                int card = MakeCard(suit, rank);
                if (G.CardOwner[card] == seat) SortCards(seat, card);
            }
        }
    }
    GetHost().Table().SetPipOrder();
}

void RebuildHandsInCardOrder() {
    for (int seat = 1; seat <= 4; ++seat) {
        G.FillCount[seat] = 0;
        for (int i = 1; i <= 13; ++i) G.Hand[seat][i] = 0;
    }
    for (int card = 1; card <= 52; ++card) {
        int seat = G.CardOwner[card];
        if (seat < 1 || seat > 4) FatalError();
        G.FillCount[seat] += 1;
        G.Hand[seat][G.FillCount[seat]] = card;
    }
}

std::array<int, 13> PipRaiseOrder(int seat, int pipFlag) {
    // South and West run their positions the way the screen does; North and East the other way.
    bool lastFirst = (seat == South || seat == West) ? pipFlag != 0 : pipFlag == 0;
    std::array<int, 13> order{};
    for (int i = 0; i < 13; ++i) order[i] = lastFirst ? 13 - i : 1 + i;
    return order;
}

}  // namespace kestrel
