#include "play/discards.h"

#include "bidding/evaluation.h"
#include "core/cards.h"
#include "core/state.h"
#include "core/text.h"
#include "declarer/plan.h"
#include "play/knowledge.h"

namespace kestrel {

namespace {

int CardsInTrick() {
    int n = 0;
    for (int seat = 1; seat <= 4; ++seat)
        if (G.TrickCard[seat] != 0) ++n;
    return n;
}

int Losers(int seat, int suit) { return G.SuitInfo[seat][suit].Losers; }

// The side suits a seat holds, and the ones the discard rules keep.
struct Survey {
    bool held[5] = {};
    bool protect[5] = {};
    int count = 0;  // side suits held
    int free = 0;   // of those, the ones not protected
    int longest = 0;
    int shortest = 0;
};

Survey SurveySideSuits(int seat) {
    Survey v;
    for (int suit = 1; suit <= 4; ++suit) {
        if (suit == G.TrumpSuit || CountInSuit(seat, suit) == 0) continue;
        v.held[suit] = true;
        ++v.count;
        int len = CountInSuit(seat, suit), seen = CountSeen(seat, suit);
        // The longest: more cards, then more cards of it seen.
        if (v.longest == 0) {
            v.longest = suit;
        } else {
            int bestLen = CountInSuit(seat, v.longest);
            if (len > bestLen || (len == bestLen && seen > CountSeen(seat, v.longest)))
                v.longest = suit;
        }
        // The shortest: fewer cards, then one with a loser, then fewer cards of it seen.
        if (v.shortest == 0) {
            v.shortest = suit;
        } else {
            int bestLen = CountInSuit(seat, v.shortest);
            bool loser = LowestRankOf(seat, suit) < HighestOut(suit);
            bool bestLoser = LowestRankOf(seat, v.shortest) < HighestOut(v.shortest);
            if (len < bestLen ||
                (len == bestLen && loser && !bestLoser) ||
                (len == bestLen && loser == bestLoser && seen < CountSeen(seat, v.shortest)))
                v.shortest = suit;
        }
    }
    v.free = v.count;
    return v;
}

void RecordSignal(int seat, int card) {
    if (G.Play.DiscardSignalSuit[seat] == 0 && card != 0) {
        G.Play.DiscardSignalSuit[seat] = CardSuit(card);
        G.Play.DiscardSignalTrick[seat] = G.TricksPlayed;
    }
}

// Whether declarer or dummy keeps the suit; appends the reason.
bool ProtectForOffense(int seat, int suit, const Survey& v) {
    int partner = PartnerOf(seat);
    int ho = HighestOut(suit);
    int m = CountInSuit(seat, suit), p = CountInSuit(partner, suit);
    int top = HighestRankOf(seat, suit);
    int second = CardRank(NthCardInSuit(seat, suit, 2));
    int partnerTop = HighestRankOf(partner, suit);
    if (NoTrumpContract()) {
        if ((top > ho && m == 1) || (second > ho && m == 2)) {
            AddWhy(" but we are playing no trump, our card is the highest in the suit and we only "
                   "have 1.");
            return true;
        }
        if (suit == v.longest) {
            AddWhy(" but we are playing no trump, this is our longest suit. ");
            return true;
        }
        if (top > 9 && top < ho) {
            AddWhy(" but we are playing no trump, and our highcard is a face card and it is lower "
                   "than the high out. ");
            return true;
        }
        if (CardRank(NthCardInSuit(seat, suit, 12)) > partnerTop && partnerTop > ho) {
            AddWhy(" but we are playing no trump, and second lowest card is greater than our "
                   "partner`s highcard and his highest is higher than the high out. ");
            return true;
        }
        if (OurCardsAbove(suit, SecondHighestOut(suit)) >= m && m >= p) {
            AddWhy(" but we are playing no trump, and this suit looks good or is missing one card "
                   "of being good. ");
            return true;
        }
    } else {
        int ourAbove = OurCardsAbove(suit, ho);
        int shortHand = G.Plan.ShortHandOf[suit];
        if (G.DeclarerPlan == 1 && shortHand != 0 && ourAbove > 0) {
            AddWhy(" but this is a suit we want to establish. ");
            return true;
        }
        if (G.DeclarerPlan == 2 && (m > OutstandingCount(suit) / 2 + 1 || shortHand != 0)) {
            AddWhy(" but this is a suit we want to establish. ");
            return true;
        }
        if (G.DeclarerPlan == 2 && ourAbove >= (m > p ? m : p)) {
            AddWhy(" but this is a suit is good. ");
            return true;
        }
        if (G.DeclarerPlan == 2 && p == 0 && CountInSuit(partner, G.TrumpSuit) > 0) {
            AddWhy(" but this is a suit is our partner`s void. ");
            return true;
        }
        if (LowestRankOf(seat, suit) > ho) {
            AddWhy(" but we have no losers in it. ");
            return true;
        }
        if (m < 3 && Losers(seat, suit) == 0 && m <= p - Losers(partner, suit) &&
            (partnerTop > ho || second > ho)) {
            AddWhy(" but we want to keep as many entries to our partner as he has winners in this "
                   "suit. ");
            return true;
        }
        if (m == 2 && top < ho && CountOutBetween(suit, top, ho) == 0) {
            AddWhy(" but we have exactly two and our high < the high out and their are no cards "
                   "between our highcard and the high out.");
            return true;
        }
        int secondOut = SecondHighestOut(suit);
        if (m == 2 && top > ho && second > secondOut && partnerTop > secondOut) {
            AddWhy(" but we have exactly two and our high is higher than the highest  out and our "
                   "partner`s highest and our second highest card are both above the second "
                   "highest out.");
            return true;
        }
    }
    AddWhy("and we have no reason to keep any.");
    return false;
}

int OffenseDiscard(int seat, Survey& v) {
    int partner = PartnerOf(seat);
    int trumps = G.TrumpSuit;
    bool noTrump = NoTrumpContract();
    CountLosers();
    // Which suits to keep.
    for (int suit = 1; suit <= 4; ++suit) {
        if (!v.held[suit]) continue;
        AddWhy("We have some " + SuitName(suit));
        if (ProtectForOffense(seat, suit, v)) {
            v.protect[suit] = true;
            --v.free;
        }
    }
    auto m = [&](int suit) { return CountInSuit(seat, suit); };
    auto p = [&](int suit) { return CountInSuit(partner, suit); };
    auto ho = [](int suit) { return HighestOut(suit); };
    auto open = [&](int suit) { return v.held[suit] && !v.protect[suit]; };
    bool partnerHasTrump = !noTrump && CountInSuit(partner, trumps) > 0;

    // A short side loser partner can ruff.
    for (int suit = 1; suit <= 4; ++suit)
        if (open(suit) && Losers(seat, suit) > 0 && m(suit) < p(suit) && partnerHasTrump) {
            AddWhy("Found a short side loser in " + SuitName(suit) + "that we can sluff. ");
            return MyLowest(suit);
        }
    // A singleton loser.
    for (int suit = 1; suit <= 4; ++suit)
        if (open(suit) && Losers(seat, suit) > 0 && m(suit) == 1) {
            AddWhy("Found a singleton loser in " + SuitName(suit) + "that we can sluff. ");
            return MyLowest(suit);
        }
    // Any loser.
    for (int suit = 1; suit <= 4; ++suit)
        if (open(suit) && Losers(seat, suit) > 0 && m(suit) > 0) {
            AddWhy("Found a loser in " + SuitName(suit) + "that we can sluff. ");
            return MyLowest(suit);
        }
    // Match partner's losers in length.
    for (int suit = 1; suit <= 4; ++suit)
        if (open(suit) && Losers(partner, suit) > 0 && m(suit) == p(suit) + 1) {
            AddWhy("Found a loser in " + SuitName(suit) + "that we can sluff. ");
            return MyLowest(suit);
        }
    // No Trump without a finesse this trick: a suit with no cashing winner in either hand.
    if (noTrump && G.Plan.NoFinesseThisTrick)
        for (int suit = 1; suit <= 4; ++suit)
            if (open(suit) && !G.Plan.MyCash[suit] && !G.Plan.PartnerCash[suit])
                return MyLowest(suit);
    // No Trump, every other suit is good: the longest can go.
    if (noTrump && v.longest != 0) {
        bool othersGood = true;
        for (int suit = 1; suit <= 4; ++suit)
            if (v.held[suit] && suit != v.longest && LowestRankOf(seat, suit) <= ho(suit))
                othersGood = false;
        if (othersGood) {
            AddWhy(SuitName(v.longest) +
                   "is good to sluff, because it is our longest suit and we are good everywhere "
                   "else. ");
            return MyLowest(v.longest);
        }
    }
    // Every suit kept: give up one where partner has the winners.
    if (v.free == 0) {
        if (!noTrump) {
            int firstReleased = 0;
            bool released[5] = {};
            for (int suit = 1; suit <= 4; ++suit) {
                int top = HighestRankOf(seat, suit), ptop = HighestRankOf(partner, suit);
                if (v.held[suit] && ptop > ho(suit) && ptop > top && m(suit) > 1 &&
                    top < ho(suit)) {
                    v.protect[suit] = false;
                    ++v.free;
                    released[suit] = true;
                    if (firstReleased == 0) firstReleased = suit;
                    AddWhy("Well we ran out of suits, so " + SuitName(suit) +
                           "has winners for our partner. " +
                           "We will still have an entry if we sluff this, so go ahead. ");
                }
            }
            if (v.free == 1)
                for (int suit = 1; suit <= 4; ++suit)
                    if (released[suit] && CardRank(MySecondLowest(suit)) < ho(suit))
                        return MySecondLowest(suit);
        } else {
            for (int suit = 1; suit <= 4; ++suit)
                if (v.held[suit] && suit != v.longest && HighestRankOf(partner, suit) > ho(suit) &&
                    LowestRankOf(seat, suit) < ho(suit)) {
                    v.protect[suit] = false;
                    ++v.free;
                    AddWhy("We ran out of suits, so " + SuitName(suit) + "our partner`s highest " +
                           "is higher than the highout and this is not our longest suit, " +
                           "and trump = nt, then this suit is the one. ");
                    break;
                }
        }
    }
    // One suit left free: play low in it.
    if (v.free == 1)
        for (int suit = 1; suit <= 4; ++suit)
            if (open(suit)) return ChooseLowCard(suit);
    // A loser anywhere, kept or not.
    for (int suit = 1; suit <= 4; ++suit)
        if (v.held[suit] && Losers(seat, suit) > 0) {
            AddWhy("Found a loser in " + SuitName(suit) + "that we can sluff. ");
            return MyLowest(suit);
        }
    // A suit in which our winners cannot cover either hand's length.
    for (int suit = 1; suit <= 4; ++suit)
        if (open(suit) && OurCardsAbove(suit, ho(suit)) < m(suit) &&
            OurCardsAbove(suit, ho(suit)) < p(suit) &&
            (!noTrump || MaxOpponentLength(suit) >= m(suit))) {
            AddWhy("Found a loser in " + SuitName(suit) + "that we can sluff. ");
            return MyLowest(suit);
        }
    // Holding trumps: throw from the shortest suit unless it is a sure winner.
    if (!noTrump && CountInSuit(seat, trumps) > 1 && v.shortest != 0 &&
        !(OutstandingCount(trumps) == 0 && HighestRankOf(seat, v.shortest) > ho(v.shortest))) {
        AddWhy("We have trump and this is our shortest suit, we have not decided. ");
        return ChooseLowCard(v.shortest);
    }
    // A free suit both hands hold more than one of.
    for (int suit = 1; suit <= 4; ++suit) {
        if (!open(suit) || m(suit) <= 1 || p(suit) <= 1) continue;
        if (noTrump) {
            int ptop = HighestRankOf(partner, suit);
            if (p(suit) >= m(suit) && ptop > ho(suit) && ptop > LowestRankOf(seat, suit)) {
                AddWhy("We have more than 1 " + SuitName(suit) + "and the trump is no trump. " +
                       "Our partner has as many as we do, our partner`s highest is > the high out "
                       "and our lowest, play our second lowest. ");
                return MySecondLowest(suit);
            }
        } else {
            AddWhy("We have more than 1 " + SuitName(suit) + "and the trump is not no trump. ");
            return ChooseLowCard(suit);
        }
    }
    // No Trump: a kept suit that costs nothing.
    if (noTrump) {
        int partnerCard = G.TrickCard[partner];
        if (partnerCard != 0 && partnerCard == G.WinningCard &&
            WinningRank() > HighestOut(G.SuitLed))
            for (int suit = 1; suit <= 4; ++suit)
                if (v.held[suit] && v.protect[suit] && p(suit) == 0) {
                    AddWhy("In " + SuitName(suit) + "Our partner has the lead and none of these. ");
                    return ChooseLowCard(suit);
                }
        for (int suit = 1; suit <= 4; ++suit)
            if (v.held[suit] && v.protect[suit] && OutstandingCount(suit) == 0) {
                AddWhy("In " + SuitName(suit) + "we have more than 1. ");
                return ChooseLowCard(suit);
            }
        for (int suit = 1; suit <= 4; ++suit)
            if (v.held[suit] && v.protect[suit] && HighestRankOf(partner, suit) > ho(suit)) {
                AddWhy("In " + SuitName(suit) + "we have more than 1. ");
                return ChooseLowCard(suit);
            }
    }
    // Out of options: any suit with cards to spare, then any suit at all.
    for (int suit = 1; suit <= 4; ++suit)
        if (open(suit) && m(suit) > 1) {
            AddWhy("In " + SuitName(suit) + "we have more than 1. ");
            return ChooseLowCard(suit);
        }
    for (int suit = 1; suit <= 4; ++suit)
        if (v.held[suit] && m(suit) > 1 &&
            !(m(suit) == 2 && HighestRankOf(partner, suit) > ho(suit) &&
              HighestRankOf(seat, suit) > ho(suit))) {
            AddWhy("We have more than 1 " + SuitName(suit) + "but are out of options. ");
            return ChooseLowCard(suit);
        }
    for (int suit = 1; suit <= 4; ++suit)
        if (v.held[suit] && m(suit) > 1) {
            AddWhy("We have more than 1 " + SuitName(suit) + "but are out of options. ");
            return ChooseLowCard(suit);
        }
    for (int suit = 1; suit <= 4; ++suit)
        if (v.held[suit]) {
            AddWhy("We have a " + SuitName(suit) + "but are out of options. ");
            return ChooseLowCard(suit);
        }
    return 0;
}

int DefenderDiscard(int seat, Survey& v) {
    InferPartnerLengths(seat);
    // Partner's suits are kept; the strong and weak suits among the others.
    bool preferLonger = !NoTrumpContract() && KnownVoid(seat, G.TrumpSuit);
    int strong = 0, weak = 0, weakTop = Ace;
    for (int suit = 1; suit <= 4; ++suit) {
        if (!v.held[suit]) continue;
        if (G.PartnerBidCount[suit] > 0) {
            v.protect[suit] = true;
            --v.free;
            continue;
        }
        int top = HighestRankOf(seat, suit), len = CountInSuit(seat, suit);
        auto better = [&](int other) {
            int otherLen = CountInSuit(seat, other);
            return preferLonger ? len > otherLen : len < otherLen;
        };
        if (strong == 0 || top > HighestRankOf(seat, strong) ||
            (top == HighestRankOf(seat, strong) && better(strong)))
            strong = suit;
        if (top < weakTop || (weak != 0 && top == weakTop && better(weak))) {
            weak = suit;
            weakTop = top;
        }
    }
    int card = 0;
    if (v.free <= 0) {
        // Every suit is partner's: low from the longest.
        card = ChooseLowCard(v.longest);
    } else if (v.free == 1) {
        for (int suit = 1; suit <= 4 && card == 0; ++suit)
            if (v.held[suit] && !v.protect[suit]) card = ChooseLowCard(suit);
    } else if (G.Play.DiscardSignalSuit[seat] == 0 && strong != G.Play.LastDefenceLeadSuit) {
        // The first discard shows partner our strong suit.
        card = ChooseLowCard(strong);
    } else if (weak != 0) {
        // Then throw from weakness, unless its cards are all winners.
        card = LowestRankOf(seat, weak) < HighestOut(weak) ? ChooseLowCard(weak)
                                                           : ChooseLowCard(v.longest);
    } else {
        card = ChooseLowCard(v.longest);
    }
    RecordSignal(seat, card);
    return card;
}

}  // namespace

int ChooseRuff(int seat) {
    int partner = PartnerOf(seat);
    int lho = PlayerAt(seat, 1), rho = PlayerAt(seat, -1);
    int suit = G.SuitLed, trumps = G.TrumpSuit;
    int n = CardsInTrick();
    // 1. No Trump: nothing to ruff with.
    if (NoTrumpContract()) {
        AddWhy("This is no trump and though we would like to trump we must sluff. ");
        return ChooseDiscard(seat);
    }
    // 2. No trumps left.
    if (CountInSuit(seat, trumps) == 0) {
        AddWhy("We have no trump and though we would like to trump we must sluff. ");
        return ChooseDiscard(seat);
    }
    // 3. Already ruffed: overruff or throw a card.
    if (WinningSuit() == trumps) {
        AddWhy("This trick has alredy been trumped, ");
        if (HighestRankOf(seat, trumps) > WinningRank()) {
            AddWhy("but we can over trump it. ");
            return NextHigherCard(trumps, WinningRank());
        }
        AddWhy("and we can not go over it, so sluff. ");
        return ChooseDiscard(seat);
    }
    AddWhy("This trick has not been trumped, ");
    // 4. The declaring side ruffs by its plan.
    if (OnOffense(seat)) {
        int seenTrumps = CountSeen(seat, trumps);
        if (G.Plan.CrossRuffOut) {
            AddWhy("we are the offense and we can cross ruff this out. ");
            if (CountSeen(seat, suit) < 10 && (KnownVoid(lho, trumps) || !KnownVoid(lho, suit)))
                return MyLowest(trumps);
            return NextHigherCard(trumps, HighestOut(trumps));
        } else if (G.DeclarerPlan == 1) {
            if (CountInSuit(seat, trumps) == 1 &&
                ((seenTrumps > 10 && !KnownVoid(lho, trumps) && !KnownVoid(rho, trumps)) ||
                 seenTrumps > 11) &&
                G.Plan.SideSuitHand == seat && seenTrumps < 13) {
                AddWhy("we are the offense, we are playing a long suit establishment game. We only "
                       "have one trump left in this hand, and we want to save it until they are "
                       "out. So let`s preserve our last trump entry so we can get back in and run "
                       "our long suit later. ");
                return ChooseDiscard(seat);
            }
        } else if (G.Plan.SideSuitHand == partner) {
            return NextHigherCard(trumps, PartnerHighestRank(trumps));
        }
    }
    // 5. Ruff low unless the player after us can overruff.
    if (!KnownVoid(lho, suit)) {
        AddWhy(n < 3 ? "We don`t think the player to our left is out of " + SuitName(suit)
                     : std::string("We are the last to play, "));
        AddWhy("so trump it low. ");
        return MyLowest(trumps);
    }
    AddWhy("we know the player to our left is out of " + SuitName(suit));
    if (KnownVoid(lho, trumps) || n == 3) {
        AddWhy("and we also know the player to our left is out of trump, so go low trump. ");
        return MyLowest(trumps);
    }
    if (lho != G.Dummy) AddWhy("but we don`t think he is out of trump ");
    int dummyTop = HighestRankOf(G.Dummy, trumps);
    if (lho == G.Dummy && dummyTop > HighestRankOf(seat, trumps)) {
        AddWhy("the player to our left is the dummy and his highest trump is higher than our "
               "highest trump, ");
        if (CountInSuit(G.Dummy, trumps) > 1) {
            AddWhy("the dummy has muliple trump, so play our highest under his highest. ");
            return NextLowerCard(trumps, dummyTop);
        }
        AddWhy("the dummy only one trump, so play our lowest. ");
        return MyLowest(trumps);
    }
    AddWhy("so take it high. ");
    return HighIfItWins(trumps);
}

int ChooseDiscard(int seat) {
    // 1. A seat that cannot follow is out of the suit led.
    if (G.WinningCard != 0 && G.SuitLed >= 1 && G.SuitLed <= 4)
        G.SuitInfo[seat][G.SuitLed].KnownVoid = -1;
    // 2. The side suits held.
    Survey v = SurveySideSuits(seat);
    // 3. Nothing but trumps.
    if (!NoTrumpContract() && v.count == 0) {
        AddWhy("All we have is trump, so go low. ");
        return ChooseLowCard(G.TrumpSuit);
    }
    // 4. One side suit only.
    if (v.count == 1) {
        AddWhy("We only have one non trump suit, play it low. ");
        int card = ChooseLowCard(v.longest);
        RecordSignal(seat, card);
        return card;
    }
    if (v.count == 0) return 0;
    // 5. Declarer and dummy keep what the plan needs.
    if (OnOffense(seat)) return OffenseDiscard(seat, v);
    // 6. A defender keeps partner's suits and signals with the first discard.
    return DefenderDiscard(seat, v);
}

void SignalOfPlayedCard(int player, int proposal, int card) {
    if (card == proposal || proposal == 0) return;
    // A signal the proposal made in this trick is taken back.
    if (G.Play.DiscardSignalSuit[player] == CardSuit(proposal) &&
        G.Play.DiscardSignalTrick[player] == G.TricksPlayed) {
        G.Play.DiscardSignalSuit[player] = 0;
        G.Play.DiscardSignalTrick[player] = 0;
    }
    // A discard (neither the suit led nor a trump) is the signal if none was given yet.
    bool discard = G.WinningCard != 0 && CardSuit(card) != G.SuitLed &&
                   CardSuit(card) != G.TrumpSuit;
    if (discard && G.SeatInfo[player].OnOffense != -1) RecordSignal(player, card);
}

}  // namespace kestrel
