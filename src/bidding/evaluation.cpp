#include "bidding/evaluation.h"

#include "bidding/auction.h"
#include "bidding/call_rules.h"
#include "core/cards.h"
#include "core/state.h"
#include "core/text.h"

namespace kestrel {

namespace {

// The seat still holds the card (it has not been played).
bool Holds(int seat, int suit, int rank) {
    int card = MakeCard(suit, rank);
    return G.CardOwner[card] == seat && !G.CardPlayed[card];
}

// Ace and King, or Ace, Queen and Jack: a holding that makes partner's suit solid.
bool HoldsTopOfSuit(int seat, int suit) {
    if (!Holds(seat, suit, Ace)) return false;
    return Holds(seat, suit, King) || (Holds(seat, suit, Queen) && Holds(seat, suit, Jack));
}

// The seat whose turn it is to call holds the cards the length rules look at.
int CallingSeat(int seat) {
    return G.CurrentSeat >= 1 && G.CurrentSeat <= 4 ? G.CurrentSeat : seat;
}


// The call the seat answered its partner's opening with: round 1, or round 2 after a pass.
int AnswerRound(int seat) { return G.Calls[seat][1] == Pass ? 2 : 1; }

// A suit the seat may still show: more biddable than the times it has been bid.
bool StillToShow(int seat, int suit) {
    return G.SuitInfo[seat][suit].Biddability > G.SuitInfo[seat][suit].TimesBid;
}

}  // namespace

void EvaluateHands() {
    // Honours are visited from the Ace down within each suit.
    for (int card = 52; card >= 1; --card) {
        int seat = G.CardOwner[card];
        if (seat < 1 || seat > 4) continue;
        int s = CardSuit(card);
        int v = CardRank(card) - 9;
        SuitInfoRec& suit = G.SuitInfo[seat][s];
        SeatInfoRec& info = G.SeatInfo[seat];
        // 1. The card lengthens its suit.
        suit.Length += 1;
        // 2. An honour adds its points and its quick and honour tricks.
        if (v > 0) {
            suit.HighCardPoints += v;
            suit.Honours += 1;
            if (v == 4) {
                // An Ace is a full quick trick.
                suit.QuickTrickHalves = 2;
                suit.HonourTrickHalves = 2;
                info.Aces += 1;
            } else if (v == 3) {
                // A King is a full quick trick beside the Ace, half a trick alone.
                info.Kings += 1;
                suit.QuickTrickHalves += suit.QuickTrickHalves == 2 ? 2 : 1;
                suit.HonourTrickHalves += 2;
            } else if (v == 2) {
                // A Queen adds half a quick trick only below a higher honour.
                if (suit.QuickTrickHalves >= 1 && suit.QuickTrickHalves <= 3)
                    suit.QuickTrickHalves += 1;
                suit.HonourTrickHalves += 2;
            } else {
                suit.HonourTrickHalves += 2;
            }
        }
    }
    for (int seat = 1; seat <= 4; ++seat) {
        SeatInfoRec& info = G.SeatInfo[seat];
        for (int s = Clubs; s <= Spades; ++s) {
            SuitInfoRec& suit = G.SuitInfo[seat][s];
            int L = suit.Length, h = suit.HighCardPoints;
            // 1. High cards count for the hand, for dummy, and the quick tricks add up.
            info.Points += h;
            info.HighCardPoints += h;
            info.DummyPoints += h;
            info.QuickTrickHalves += suit.QuickTrickHalves;
            // 2. Shortness and length by the distribution table.
            switch (L) {
                case 0:
                    // A void.
                    info.Points += 3;
                    info.DummyPoints += 5;
                    suit.Biddability = 0;
                    break;
                case 1:
                    // A singleton; a singleton King, Queen or Jack loses a point.
                    info.Points += 2;
                    info.DummyPoints += 3;
                    if (h >= 1 && h <= 3) {
                        info.Points -= 1;
                        info.DummyPoints -= 1;
                    }
                    suit.Biddability = 0;
                    break;
                case 2:
                    // A doubleton; a lone Queen or Jack, or Queen-Jack, loses a point.
                    info.Points += 1;
                    info.DummyPoints += 1;
                    if (h == 1 || h == 2 || (h == 3 && suit.Honours == 2)) info.Points -= 1;
                    suit.Biddability = 0;
                    break;
                case 3:
                    suit.Biddability = 0;
                    break;
                case 4:
                    // Four cards are biddable with 4 points in them.
                    suit.Biddability = h >= 4 ? 1 : 0;
                    break;
                case 5:
                    // Five cards: biddable, rebiddable with 3 points.
                    info.Points += 1;
                    suit.Biddability = h >= 3 ? 2 : 1;
                    break;
                default:
                    // Six or more: two points a card above five; seven cards are rerebiddable.
                    info.Points += 1 + 2 * (L - 5);
                    suit.Biddability = L >= 7 ? 3 : 2;
                    break;
            }
            // 3. The class at the deal, restored when the auction is replayed.
            suit.DealBiddability = suit.Biddability;
        }
        // A hand never counts below nothing.
        if (info.Points < 0) info.Points = 0;
        RankBiddableSuits(seat);
    }
}

void RankBiddableSuits(int seat) {
    SeatInfoRec& info = G.SeatInfo[seat];
    for (int s = Spades; s >= Clubs; --s) {
        SuitInfoRec& suit = G.SuitInfo[seat][s];
        if (suit.Biddability > 0) {
            info.BiddableSuits += 1;
            int cls = suit.Biddability;
            if (info.MainSuit == 0) {
                // 1. The first biddable suit is the best so far.
                info.MainSuit = s;
            } else if (cls > G.SuitInfo[seat][info.MainSuit].Biddability) {
                // 2. A better class moves in front of the best.
                info.ThirdSuit = info.SecondSuit;
                info.SecondSuit = info.MainSuit;
                info.MainSuit = s;
            } else if (info.SecondSuit == 0) {
                // 3. The second slot is free.
                info.SecondSuit = s;
            } else if (cls > G.SuitInfo[seat][info.SecondSuit].Biddability) {
                // 4. A better class than the second moves in front of it.
                info.ThirdSuit = info.SecondSuit;
                info.SecondSuit = s;
            } else {
                // 5. Otherwise it is the third suit.
                info.ThirdSuit = s;
            }
        }
        // A short suit whose only honour is a Queen or Jack is worth half an honour trick.
        if (suit.HonourTrickHalves == 2 && suit.QuickTrickHalves == 0 && suit.Length < 4)
            suit.HonourTrickHalves = 1;
    }
    // Square hand: no two biddable suits, no short suit, nothing rebiddable.
    if (info.BiddableSuits < 2) {
        bool square = true;
        int underThree = 0;
        for (int s = Clubs; s <= Spades; ++s) {
            const SuitInfoRec& suit = G.SuitInfo[seat][s];
            if (suit.Length < 2) square = false;
            if (suit.Length < 3) ++underThree;
            if (suit.Biddability > 1) square = false;
        }
        if (underThree > 1) square = false;
        if (square) info.BiddableSuits = 5;
    }
    // One-suited: a best suit better in class and in points names the second slot too.
    if (info.MainSuit != 0 && info.SecondSuit != 0) {
        const SuitInfoRec& best = G.SuitInfo[seat][info.MainSuit];
        const SuitInfoRec& second = G.SuitInfo[seat][info.SecondSuit];
        if (best.Biddability > second.Biddability && best.HighCardPoints > second.HighCardPoints) {
            info.ThirdSuit = info.SecondSuit;
            info.SecondSuit = info.MainSuit;
        }
    }
}

void InferPartnerLengths(int seat) {
    int partner = PartnerOf(seat);
    // 1. Every bid starts as natural.
    for (int x = 1; x <= 4; ++x)
        for (int s = Clubs; s <= Spades; ++s)
            G.SuitInfo[x][s].NaturalTimesBid = G.SuitInfo[x][s].TimesBid;
    // 2. A cue-bid of the opener's suit by the overcaller is not natural.
    if (G.Overcaller != 0 && G.Opener != 0 && FirstCall(G.Overcaller) == FirstCall(G.Opener) + 1) {
        int s = CallStrain(FirstCall(G.Overcaller));
        if (IsSuitStrain(s)) G.SuitInfo[G.Overcaller][s].NaturalTimesBid -= 1;
    }
    // 3. The opening side's conventional bids, seen by the opener and the responder.
    if (G.Responder != 0 && G.Opener != 0 && (seat == G.Opener || seat == G.Responder)) {
        int opening = FirstCall(G.Opener);
        int answer = G.Calls[G.Responder][AnswerRound(G.Responder)];
        if (CallStrain(opening) == Clubs && G.SuitInfo[G.Opener][Clubs].TimesBid == 1) {
            // A Club opening is not natural until it is rebid.
            G.SuitInfo[G.Opener][Clubs].NaturalTimesBid = 0;
        } else if (CallStrain(opening) == NoTrump && LastCall(G.Opener) == opening &&
                   CallStrain(answer) == Clubs &&
                   !IsJumpBid(G.Responder, AnswerRound(G.Responder))) {
            // Stayman: Clubs over partner's No Trump asks for a major.
            G.SuitInfo[G.Responder][Clubs].NaturalTimesBid = 0;
        }
        // The waiting response to a 2 Clubs opening.
        if (opening == MakeBid(2, Clubs) && answer == MakeBid(2, Diamonds) &&
            G.SuitInfo[G.Responder][Diamonds].TimesBid == 1)
            G.SuitInfo[G.Responder][Diamonds].NaturalTimesBid = 0;
    }
    // 4. The counting tables from the seat's point of view.
    int lho = NextPlayer(seat), rho = PlayerAt(seat, -1);
    for (int s = Clubs; s <= Spades; ++s) {
        G.OpponentsBidCount[s] = G.SuitInfo[lho][s].NaturalTimesBid + G.SuitInfo[rho][s].NaturalTimesBid;
        G.OwnBidCount[s] = G.SuitInfo[seat][s].NaturalTimesBid;
        G.PartnerBidCount[s] = G.SuitInfo[partner][s].NaturalTimesBid;
    }
    G.OwnBidCount[NoTrump] = 0;
    G.PartnerBidCount[NoTrump] = 0;
    // 5. Partner has bid No Trump (the 2 Clubs opening's rounds do not count).
    bool partnerNoTrump = false;
    if (G.Opener != 0) {
        for (int round = 1; round <= 7; ++round) {
            if (G.Calls[G.Opener][round] == MakeBid(2, Clubs)) continue;
            if (CallStrain(G.Calls[partner][round]) == NoTrump) {
                G.PartnerBidCount[NoTrump] = 1;
                partnerNoTrump = true;
                break;
            }
        }
    }

    // Partner's lengths. Rounds count from his first chance: one less after a round-1 pass.
    int latestRound[5] = {};
    for (int round = 1; round <= 7; ++round) {
        int c = G.Calls[partner][round];
        if (c >= 11 && c <= 49) latestRound[CallStrain(c)] = round;
    }
    int shift = G.Calls[partner][1] == Pass ? 1 : 0;
    int we = CallingSeat(seat);
    for (int s = Clubs; s <= Spades; ++s) {
        int n = G.SuitInfo[partner][s].NaturalTimesBid;
        int his = latestRound[s] - shift;
        int& shown = G.SuitInfo[partner][s].ShownLength;
        // Four cards, or three when we have bid the suit twice ourselves.
        int support = G.SuitInfo[we][s].NaturalTimesBid == 2 ? 3 : 4;
        if (n <= 0) {
            // Unbid: a doubleton at least after his No Trump.
            shown = partnerNoTrump ? 2 : 0;
        } else if (n == 1) {
            if (HoldsTopOfSuit(we, s))
                shown = 5;  // with the top honours here, his suit is long
            else if (his == 1 || his == 2)
                shown = support;  // named in his first or second round
            else if (his == 3 && partner == G.Responder && FirstCall(partner) == Redouble)
                shown = support;  // third round after his redouble
            else if (his == 3 && partner == G.Opener && CallStrain(FirstCall(partner)) == NoTrump)
                shown = support;  // third round after his No Trump opening
            else
                shown = 2;
            // His only call is a bid at level 3 or higher: a long suit.
            if ((partner == G.Opener || partner == G.Overcaller) && LastCall(partner) == FirstCall(partner) &&
                CallLevel(FirstCall(partner)) >= 3)
                shown = 7;
            // An overcall in the suit: level + 4 cards.
            if (partner == G.Overcaller && FirstCall(partner) > 1 && CallStrain(FirstCall(partner)) == s)
                shown = CallLevel(FirstCall(partner)) + 4;
            // The advancer's raise of the overcall: 4 - level cards.
            if (partner == G.Advancer && G.Overcaller != 0 && FirstCall(G.Overcaller) > 1 &&
                CallStrain(FirstCall(G.Overcaller)) == s)
                shown = 4 - CallLevel(FirstCall(G.Overcaller));
        } else if (n == 2) {
            shown = HoldsTopOfSuit(we, s) ? 6 : 5;  // a rebid suit
        } else {
            shown = 7;  // bid three times
        }
    }
    // His first suit is at least five cards long when he went on to show another long suit.
    int f = CallStrain(FirstCall(partner));
    if (IsSuitStrain(f)) {
        for (int s = Clubs; s <= Spades; ++s) {
            if (s == f || G.SuitInfo[partner][s].ShownLength < 5) continue;
            int& first = G.SuitInfo[partner][f].ShownLength;
            if (first >= 1 && first <= 4) first = 5;
            break;
        }
        // A five-card-major opener's major is five cards long.
        if (FiveCardMajorOpener(G.Opener) && (f == Hearts || f == Spades) && partner == G.Opener &&
            G.SuitInfo[partner][f].ShownLength < 5)
            G.SuitInfo[partner][f].ShownLength = 5;
    }
}

void FindFits(int seat) {
    // The fits found before an ace- or king-asking bid stay.
    if (LastCall(seat) == MakeBid(4, NoTrump) || LastCall(seat) == MakeBid(5, NoTrump)) return;
    SeatInfoRec& info = G.SeatInfo[seat];
    int partner = PartnerOf(seat);
    // 1. Start afresh from partner's shown lengths.
    for (int s = Clubs; s <= Spades; ++s) G.SuitInfo[seat][s].FitLength = 0;
    InferPartnerLengths(seat);
    info.FirstFit = 0;
    info.SecondFit = 0;
    // 2. Eight cards together make a fit; seven a second fit when there is none.
    for (int s = Clubs; s <= Spades; ++s) {
        SuitInfoRec& suit = G.SuitInfo[seat][s];
        suit.FitLength = suit.Length + G.SuitInfo[partner][s].ShownLength;
        if (suit.FitLength >= 8) {
            if (info.FirstFit == 0) {
                info.FirstFit = s;
            } else if (suit.FitLength >= G.SuitInfo[seat][info.FirstFit].FitLength) {
                info.SecondFit = info.FirstFit;
                info.FirstFit = s;
            } else if (info.SecondFit == 0 || suit.FitLength > G.SuitInfo[seat][info.SecondFit].FitLength) {
                info.SecondFit = s;
            }
        } else if (suit.FitLength == 7) {
            if (info.SecondFit == 0) info.SecondFit = s;
        }
    }
    // 3. After partner's No Trump, a hand without shortness or weak spots fits No Trump.
    if (G.PartnerBidCount[NoTrump] > 0) {
        bool suits = true;
        for (int s = Clubs; s <= Spades; ++s) {
            const SuitInfoRec& suit = G.SuitInfo[seat][s];
            if (suit.Length < 2) suits = false;
            if (suit.Length == 2 && G.PartnerBidCount[s] == 0 && suit.HighCardPoints < 4) suits = false;
            if (suit.Length == 3 && suit.Honours == 0) suits = false;
        }
        if (suits) {
            if (info.FirstFit != 0) info.SecondFit = info.FirstFit;
            info.FirstFit = NoTrump;
        }
    }
    // 4. Whether the hand could play No Trump, unless partner has taken it out of No Trump.
    if (info.NoTrumpOk != -1) {
        info.NoTrumpOk = 1;
        for (int s = Clubs; s <= Spades; ++s) {
            const SuitInfoRec& suit = G.SuitInfo[seat][s];
            int L = suit.Length, h = suit.HighCardPoints;
            bool partnerBid = G.PartnerBidCount[s] > 0;
            if (L <= 1 && h < 4) info.NoTrumpOk = 0;
            if (L == 2 && h < 3 && !partnerBid) info.NoTrumpOk = 0;
            if (L == 3 && h < 2 && !partnerBid) info.NoTrumpOk = 0;
            if ((L == 2 || L == 3) && G.OpponentsBidCount[s] > 0) info.NoTrumpOk = 0;
        }
    }
}

int SupportAdjustment(int seat, int suit) {
    if (!IsSuitStrain(suit)) return 0;
    const SuitInfoRec& mine = G.SuitInfo[seat][suit];
    int t = mine.Length + G.SuitInfo[PartnerOf(seat)][suit].ShownLength;
    int points = 0;
    // 1. Extra trumps: 9 cards +1, then two for each card from the tenth.
    if (t > 8 && mine.Length > 2) points += 1 + 2 * (t - 9);
    // 2. A minor honour in partner's suit is worth more.
    if (mine.HighCardPoints >= 1 && mine.HighCardPoints <= 3) points += 1;
    // 3. Shortness in partner's suit is a weakness.
    if (mine.Length == 0) points -= 5;
    if (mine.Length == 1) points -= 3;
    if (mine.Length == 2) points -= 1;
    return points;
}

int PointsForStrain(int seat, int strain) {
    if (strain == NoTrump) return G.SeatInfo[seat].HighCardPoints;
    if (!IsSuitStrain(strain)) return G.SeatInfo[seat].DummyPoints;
    // Who of the partnership bid the strain first: the earlier speaker is looked at first.
    int partner = PartnerOf(seat);
    bool seatEarlier = seat == G.Dealer || seat == NextPlayer(G.Dealer);
    int first = seatEarlier ? seat : partner, second = seatEarlier ? partner : seat;
    int owner = 0;
    for (int round = 1; round <= 7 && owner == 0; ++round) {
        if (G.Calls[first][round] > 10 && CallStrain(G.Calls[first][round]) == strain)
            owner = first;
        else if (G.Calls[second][round] > 10 && CallStrain(G.Calls[second][round]) == strain)
            owner = second;
    }
    // Our own suit counts our points; partner's suit, or an unbid one, counts as dummy.
    if (owner == seat) return G.SeatInfo[seat].Points;
    return G.SeatInfo[seat].DummyPoints + SupportAdjustment(seat, strain);
}

int TopHonourCount(int seat, int suit) {
    int n = 0;
    for (int rank = Ace; rank >= Ten; --rank)
        if (Holds(seat, suit, rank)) ++n;
    return n;
}

bool FiveCardMajorOpener(int seat) {
    if (seat < 1 || seat > 4) return false;
    if (G.FourCardMajors[SideOf(seat)] != 0) return false;
    return seat == G.Dealer || seat == NextPlayer(G.Dealer);
}

int ChooseNewSuit(int seat, int mode) {
    InferPartnerLengths(seat);
    if (mode == 2) {
        // The longest suit still to show that the opponents have left alone (or bid only once
        // when we hold seven); the higher of equal lengths.
        int best = 0;
        for (int s = Spades; s >= Clubs; --s) {
            if (!StillToShow(seat, s)) continue;
            bool free = G.OpponentsBidCount[s] == 0 ||
                        (G.OpponentsBidCount[s] == 1 && G.SuitInfo[seat][s].Length >= 7);
            if (!free) continue;
            if (best == 0 || G.SuitInfo[seat][s].Length > G.SuitInfo[seat][best].Length) best = s;
        }
        return best;
    }
    if (mode == 1) {
        // The highest-ranking suit still to show that the opponents have not bid.
        for (int s = Spades; s >= Clubs; --s)
            if (StillToShow(seat, s) && G.OpponentsBidCount[s] == 0) return s;
        return 0;
    }
    if (mode == 0) {
        // The lowest-ranking such suit.
        for (int s = Clubs; s <= Spades; ++s)
            if (StillToShow(seat, s) && G.OpponentsBidCount[s] == 0) return s;
        return 0;
    }
    return 0;
}

int ChooseSuitAroundShortest(int seat, int mode) {
    InferPartnerLengths(seat);
    // The shortest suit; equal lengths keep the higher suit.
    int shortest = Spades;
    for (int s = Spades; s >= Clubs; --s)
        if (G.SuitInfo[seat][s].Length < G.SuitInfo[seat][shortest].Length) shortest = s;
    // The order of the search around it.
    int order[4];
    int k = 0;
    if (mode == 1) {
        for (int s = shortest; s >= Clubs; --s) order[k++] = s;
        for (int s = Spades; s > shortest; --s) order[k++] = s;
    } else {
        for (int s = shortest; s <= Spades; ++s) order[k++] = s;
        for (int s = Clubs; s < shortest; ++s) order[k++] = s;
    }
    for (int i = 0; i < 4; ++i)
        if (StillToShow(seat, order[i]) && G.OpponentsBidCount[order[i]] == 0) return order[i];
    return 0;
}

int DesperationSuit(int seat) {
    InferPartnerLengths(seat);
    for (int s = Spades; s >= Clubs; --s) {
        const SuitInfoRec& suit = G.SuitInfo[seat][s];
        if (suit.Length >= 4 && suit.HighCardPoints >= 3 && Holds(seat, s, Ten) &&
            G.OpponentsBidCount[s] == 0 && G.PartnerBidCount[s] == 0) {
            AddWhy("We have more than 3 " + SuitName(s) +
                   "and more than 3 points. We have the ten. We are desperate to find any suit that "
                   "we can possibly bid to keep the bidding open for our partner! ");
            return s;
        }
    }
    return 0;
}

}  // namespace kestrel
