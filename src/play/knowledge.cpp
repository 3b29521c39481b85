#include "play/knowledge.h"

#include "core/cards.h"
#include "core/errors.h"
#include "core/state.h"

namespace kestrel {

namespace {

int Me() { return G.CurrentSeat; }
bool IsDefender() { return !OnOffense(G.CurrentSeat); }

// Offense-only queries stop the program when asked for a defender.
void RequireOffense() {
    if (IsDefender()) FatalError();
}

bool ValidSuit(int suit) { return suit >= 1 && suit <= 4; }

}  // namespace

void InferVoidsFromSeen() {
    if (G.Declarer < 1 || G.Declarer > 4 || G.Dummy < 1 || G.Dummy > 4) return;
    int lhoOfDeclarer = PlayerAt(G.Declarer, 1), rhoOfDeclarer = PlayerAt(G.Declarer, -1);
    for (int suit = 1; suit <= 4; ++suit)
        for (int seat = 1; seat <= 4; ++seat) {
            if (CountSeen(seat, suit) < 13) continue;
            if (OnOffense(seat)) {
                // Declarer's side has seen every card: what is not theirs has been played.
                G.SuitInfo[lhoOfDeclarer][suit].KnownVoid = -1;
                G.SuitInfo[rhoOfDeclarer][suit].KnownVoid = -1;
            } else {
                // A defender has seen every card: declarer holds none, nor does a dummy without it.
                G.SuitInfo[G.Declarer][suit].KnownVoid = -1;
                if (CountInSuit(G.Dummy, suit) == 0) G.SuitInfo[G.Dummy][suit].KnownVoid = -1;
            }
        }
}

bool SeatHolds(int seat, int suit, int rank) {
    if (seat < 1 || seat > 4 || !ValidSuit(suit) || rank < 1 || rank > 13) return false;
    int card = MakeCard(suit, rank);
    for (int i = 1; i <= 13; ++i)
        if (G.Hand[seat][i] == card) return true;
    return false;
}

bool OnOffense(int seat) { return seat >= 1 && seat <= 4 && G.SeatInfo[seat].OnOffense == -1; }

bool KnownVoid(int seat, int suit) {
    return seat >= 1 && seat <= 4 && ValidSuit(suit) && G.SuitInfo[seat][suit].KnownVoid != 0;
}

bool NoTrumpContract() { return !ValidSuit(G.TrumpSuit); }

int OtherVisibleHand() { return Me() == G.Dummy ? G.Declarer : G.Dummy; }

int MySecondHighest(int suit) { return NthCardInSuit(Me(), suit, 2); }
int MyThirdHighest(int suit) { return NthCardInSuit(Me(), suit, 3); }
int MyFourthHighest(int suit) { return NthCardInSuit(Me(), suit, 4); }
int MySecondLowest(int suit) { return NthCardInSuit(Me(), suit, 12); }
int PartnerHighestRank(int suit) { return CardRank(NthCardInSuit(PartnerOf(Me()), suit, 1)); }
int PartnerSecondHighestRank(int suit) {
    return CardRank(NthCardInSuit(PartnerOf(Me()), suit, 2));
}
int PartnerSecondLowestRank(int suit) {
    return CardRank(NthCardInSuit(PartnerOf(Me()), suit, 12));
}
int PartnerLowestRank(int suit) { return CardRank(NthCardInSuit(PartnerOf(Me()), suit, 13)); }

int CardsLeft() { return 13 - G.TricksPlayed; }

int CountSeen(int seat, int suit) {
    if (seat < 1 || seat > 4 || !ValidSuit(suit)) return 0;
    int n = 0;
    for (int rank = 1; rank <= 13; ++rank)
        if (G.Seen[seat][suit][rank]) ++n;
    return n;
}

int OutstandingCount(int suit) {
    if (!ValidSuit(suit)) return 0;
    return 13 - CountSeen(G.Declarer, suit);
}

int RelativeTricks(int side) {
    int mine = SideOf(Me());
    if (side == 1) return G.TricksWon[mine];
    if (side == 2) return G.TricksWon[3 - mine];
    FatalError();
}

int DefenceSpareTricks() {
    int defenders = 3 - SideOf(G.Declarer);
    return 7 - CallLevel(G.Contract) - G.TricksWon[defenders];
}

bool OneMoreTrickSets() { return RelativeTricks(1) == 7 - CallLevel(G.Contract); }

int OpeningLeadSuit() {
    int leader = G.TrickLeader[1];
    if (leader < 1 || leader > 4) return 0;
    return CardSuit(G.PlayedCard[leader][1]);
}

bool SuitLedBefore(int suit) {
    for (int t = 1; t <= G.TricksPlayed && t <= 13; ++t) {
        int leader = G.TrickLeader[t];
        if (leader >= 1 && leader <= 4 && CardSuit(G.PlayedCard[leader][t]) == suit) return true;
    }
    return false;
}

bool OtherHandHolds(int suit, int rank) { return SeatHolds(OtherVisibleHand(), suit, rank); }

namespace {

// Whether a rank of the suit is out for CurrentSeat, as the highest-out scan reads it.
bool OutForScan(int suit, int rank) {
    if (G.Seen[Me()][suit][rank] == 0 && !HasCard(suit, rank)) return true;
    return IsDefender() && OtherHandHolds(suit, rank);
}

}  // namespace

int HighestOut(int suit) {
    if (!ValidSuit(suit)) return 0;
    for (int rank = 13; rank >= 1; --rank)
        if (OutForScan(suit, rank)) return rank;
    return 0;
}

int SecondHighestOut(int suit) {
    if (!ValidSuit(suit)) return 0;
    int found = 0;
    for (int rank = 13; rank >= 1; --rank)
        if (OutForScan(suit, rank) && ++found == 2) return rank;
    return 0;
}

int CountOutBetween(int suit, int rank1, int rank2) {
    if (!ValidSuit(suit)) return 0;
    int lo = rank1 < rank2 ? rank1 : rank2;
    int hi = rank1 < rank2 ? rank2 : rank1;
    int n = 0;
    for (int rank = lo + 1; rank <= hi - 1 && rank <= 13; ++rank) {
        if (rank < 1) continue;
        if (G.Seen[Me()][suit][rank] == 0)
            ++n;
        else if (IsDefender() && OtherHandHolds(suit, rank))
            ++n;
    }
    return n;
}

int OurCardsAbove(int suit, int rank) {
    if (IsDefender() || !ValidSuit(suit)) return 0;
    int n = 0;
    for (int r = rank + 1; r <= 13; ++r)
        if (r >= 1 && (HasCard(suit, r) || OtherHandHolds(suit, r))) ++n;
    return n;
}

int OpponentCardsAbove(int suit, int rank) {
    if (IsDefender() || !ValidSuit(suit)) return 0;
    int n = 0;
    for (int r = rank + 1; r <= 13; ++r)
        if (r >= 1 && !HasCard(suit, r) && !OtherHandHolds(suit, r) &&
            !G.CardPlayed[MakeCard(suit, r)])
            ++n;
    return n;
}

int NthHighestOurs(int suit, int n) {
    RequireOffense();
    if (!ValidSuit(suit)) return 0;
    int count = 0;
    for (int rank = 13; rank >= 1; --rank)
        if (HasCard(suit, rank) || OtherHandHolds(suit, rank))
            if (++count == n) return rank;
    return 0;
}

int HolderOfNthHighestOurs(int suit, int n) {
    RequireOffense();
    if (!ValidSuit(suit)) return 0;
    int count = 0;
    for (int rank = 13; rank >= 1; --rank) {
        bool mine = HasCard(suit, rank);
        if (mine || OtherHandHolds(suit, rank))
            if (++count == n) return mine ? Me() : PartnerOf(Me());
    }
    return 0;
}

int MaxOpponentLength(int suit) {
    RequireOffense();
    int out = OutstandingCount(suit);
    if (KnownVoid(PlayerAt(G.Dummy, 1), suit) || KnownVoid(PlayerAt(G.Dummy, -1), suit) ||
        CountSeen(G.Dummy, suit) > 11)
        return out;
    return (out + 1) / 2;
}

int StrongerSuit(int suit1, int suit2) {
    auto sum = [](int suit) {
        int total = 0;
        for (int rank = 1; rank <= 13; ++rank)
            if (HasCard(suit, rank) || OtherHandHolds(suit, rank)) total += rank;
        return total;
    };
    return sum(suit2) > sum(suit1) ? suit2 : suit1;
}

bool SafeWinner(int seat, int suit, int requirePartnerVoid, int relaxed) {
    int lho = PlayerAt(seat, 1), rho = PlayerAt(seat, -1), partner = PartnerOf(seat);
    int trumps = G.TrumpSuit;
    // Only a card above everything out can win.
    if (HighestRankOf(seat, suit) <= HighestOut(suit)) return false;
    // Nothing can ruff it in No Trump.
    if (NoTrumpContract()) return true;
    // Partner must not have to follow with a card of his own, if asked.
    if (CountInSuit(partner, suit) > 0 && requirePartnerVoid != 0) return false;
    // The opponent on the right must not be able to ruff it.
    if (KnownVoid(rho, suit) && !KnownVoid(rho, trumps)) return false;
    // Nor the one on the left, unless partner may overruff him when relaxed.
    if (KnownVoid(lho, suit) && !KnownVoid(lho, trumps) &&
        !(relaxed == -1 && CountInSuit(partner, trumps) > 0))
        return false;
    // With nearly every card of the suit seen, someone is out unless all trumps are gone.
    return CountSeen(seat, suit) < 12 || CountSeen(seat, trumps) == 13;
}

bool OpponentCanRuff(int seat, int suit) {
    if (NoTrumpContract()) return false;
    int lho = PlayerAt(seat, 1), rho = PlayerAt(seat, -1), partner = PartnerOf(seat);
    int trumps = G.TrumpSuit;
    bool allTrumpsSeen = CountSeen(seat, trumps) == 13;
    // Every card of the suit is accounted for while trumps are still out.
    if (CountSeen(seat, suit) == 13 && !allTrumpsSeen) return true;
    // The opponent on the right has shown out of the suit but not of trumps.
    if (KnownVoid(rho, suit) && !KnownVoid(rho, trumps) && !allTrumpsSeen) return true;
    // The opponent on the left the same, and partner cannot keep him from winning.
    if (KnownVoid(lho, suit) && !KnownVoid(lho, trumps) &&
        (CountInSuit(partner, suit) > 0 ||
         HighestRankOf(partner, trumps) < HighestOut(trumps)) &&
        !allTrumpsSeen)
        return true;
    return false;
}

bool TouchingInOtherHand(int card) {
    if (IsDefender() || card < 1 || card > 52) return false;
    int s = CardSuit(card), r = CardRank(card);
    int partner = PartnerOf(Me());
    int rhoCard = G.TrickCard[PlayerAt(Me(), -1)], lhoCard = G.TrickCard[PlayerAt(Me(), 1)];
    auto noted = [&](int rank) {
        return (rhoCard != 0 && CardSuit(rhoCard) == s && CardRank(rhoCard) == rank) ||
               (lhoCard != 0 && CardSuit(lhoCard) == s && CardRank(lhoCard) == rank);
    };
    // Down from the card, over ranks partner has seen that no opponent played to this trick.
    for (int k = r - 1; k >= 1; --k) {
        if (!G.Seen[partner][s][k] || noted(k)) break;
        if (OtherHandHolds(s, k)) return true;
    }
    // Then up from the card the same way.
    for (int k = r + 1; k <= 13; ++k) {
        if (!G.Seen[partner][s][k] || noted(k)) break;
        if (OtherHandHolds(s, k)) return true;
    }
    return false;
}

bool AllTricksOurs() {
    if (IsDefender()) return false;
    int me = Me(), partner = PartnerOf(me);
    int trumps = G.TrumpSuit;
    bool trumpContract = !NoTrumpContract();
    int myT = trumpContract ? CountInSuit(me, trumps) : 0;
    int pT = trumpContract ? CountInSuit(partner, trumps) : 0;
    int out = OutstandingCount(trumps);
    bool showsOut = trumpContract &&
                    (KnownVoid(PlayerAt(me, 1), trumps) || KnownVoid(PlayerAt(me, -1), trumps));
    // 1. Trumps still out must fall under our top trumps; set aside the trumps that draw them.
    if (trumpContract && out > 0) {
        int t1 = NthHighestOurs(trumps, 1), t2 = NthHighestOurs(trumps, 2),
            t3 = NthHighestOurs(trumps, 3);
        int ho = HighestOut(trumps);
        if (ho > t3 && (out > 3 || (showsOut && out > 2))) return false;
        if (ho > t2 && (out > 2 || (showsOut && out > 1))) return false;
        if (ho > t1 && (out > 1 || showsOut)) return false;
        if (showsOut) {
            myT -= out;
            pT -= out;
        } else {
            myT -= 1;
            pT -= 1;
            if (out > 2) {
                myT -= out - 2;
                pT -= out - 2;
            }
        }
        if (myT < 0) myT = 0;
        if (pT < 0) pT = 0;
    }
    // 2. Every other suit must run, or its losers must go on ruffs or on another suit.
    int lho = PlayerAt(me, 1), rho = PlayerAt(me, -1);
    auto w = [](int suit) { return OurCardsAbove(suit, HighestOut(suit)); };
    bool failed = false;
    for (int suit = 1; suit <= 4 && !failed; ++suit) {
        if (trumpContract && suit == trumps) continue;
        int ws = w(suit), m = CountInSuit(me, suit), p = CountInSuit(partner, suit);
        bool fine = false;
        if ((ws >= OutstandingCount(suit) / 2 + 1 && !KnownVoid(lho, suit) &&
             !KnownVoid(rho, suit)) ||
            (m == 0 && p == 0)) {
            fine = true;
        } else if (trumpContract && m == 0) {
            myT -= p - ws;  // partner's losers are ruffed in my hand
            fine = true;
        } else if (trumpContract && p == 0) {
            pT -= m - ws;
            fine = true;
        } else if (ws >= m && ws >= p && out == 0) {
            fine = true;
        }
        if (!fine && trumpContract && out == 0) {
            // Another side suit may take this suit's losers.
            for (int s2 = 1; s2 <= 4 && !fine; ++s2) {
                if (s2 == suit || s2 == trumps) continue;
                int m2 = CountInSuit(me, s2), p2 = CountInSuit(partner, s2), w2 = w(s2);
                if ((m2 > p2 && w2 >= p2 + p) || (m2 < p2 && w2 >= m2 + m)) fine = true;
            }
        }
        if (!fine) failed = true;
    }
    // 3. Enough trumps for the ruffs, and no suit left with a loser.
    return !(myT < 0 || pT < 0 || failed);
}

int ChooseLowCard(int suit) {
    int card;
    if (!IsDefender()) {
        // 1. Declarer and dummy simply play low.
        card = MyLowest(suit);
    } else if (HighestRankOf(Me(), suit) < 9) {
        // 2. A defender without the ten signals with its spot cards by length.
        int len = CountInSuit(Me(), suit);
        if (len == 2)
            card = suit == G.TrumpSuit ? MyLowest(suit) : MyHighest(suit);
        else if (len == 3 || len == 4)
            card = MySecondHighest(suit);
        else
            card = MyLowest(suit);
    } else {
        // A defender holding the ten or better keeps it and plays the lowest.
        card = MyLowest(suit);
    }
    // 3. Never waste a card above the one winning the trick when a lower one will do.
    if (G.WinningCard < card) card = NextLowerCard(suit, G.WinningCard - 13 * (suit - 1));
    return card;
}

}  // namespace kestrel
