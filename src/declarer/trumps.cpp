#include "declarer/trumps.h"

#include <algorithm>
#include <deque>

#include "core/cards.h"
#include "core/state.h"
#include "declarer/shorthand.h"
#include "core/text.h"
#include "declarer/cross_ruff.h"
#include "play/knowledge.h"

namespace kestrel {

using namespace shorthand;

namespace {

// Whether the card the routine proposes is a finesse lead in trumps.
bool IsFinesseLead(int card) {
    if (card <= 0) return false;
    return card == FindFinesse(G.TrumpSuit, 1) || card == FindFinesse(G.TrumpSuit, 2);
}

}  // namespace

bool DefenderShownOut(int suit) {
    int left = NextPlayer(G.Declarer), right = PartnerOf(left);
    return KnownVoid(left, suit) || KnownVoid(right, suit);
}

int TopCount(int seat, int suit) {
    int ho = HighestOut(suit), n = 0;
    for (int k = 1; k <= Len(seat, suit); ++k)
        if (CardRank(NthCardInSuit(seat, suit, k)) > ho) ++n;
    return n;
}

int FindFinesse(int suit, int gap) {
    int s = Me(), p = Partner();
    // No finesse without cards of the suit in both hands, or for a defender.
    if (Len(s, suit) == 0 || Len(p, suit) == 0 || !OnOffense(s)) return 0;
    int r1 = NthHighestOurs(suit, 1), r2 = NthHighestOurs(suit, 2), r3 = NthHighestOurs(suit, 3);
    int h1 = HolderOfNthHighestOurs(suit, 1), h2 = HolderOfNthHighestOurs(suit, 2),
        h3 = HolderOfNthHighestOurs(suit, 3);
    int ho = HighestOut(suit);
    if (Top(p, suit) > ho) {
        // Partner holds the winner: finesse towards it over a small gap below it.
        int gapCount = CountOutBetween(suit, r2, r1);
        if (gapCount != 0 && gapCount <= gap) {
            if (CountOutBetween(suit, r3, r2) == 0) return MyHighest(suit);
            if (h2 == p) return MyLowest(suit);
        }
        return 0;
    }
    // Our own winner needs no finesse.
    if (Top(s, suit) > ho) return 0;
    // No winner yet: lead low towards the honour that sits just under the highest out.
    if (CountOutBetween(suit, r1, ho) == 0 && CallLevel(G.Contract) < 5) {
        if (h1 == p) return MyLowest(suit);
        if (CountOutBetween(suit, r2, r1) == 0) {
            if (h2 == p) return MyLowest(suit);
            if (CountOutBetween(suit, r3, r2) == 0 && h3 == p) return MyLowest(suit);
        }
    }
    return 0;
}

bool CanFinesseTo(int suit, int gap) {
    int s = Me(), p = Partner();
    // Partner must be our partner and both hands must hold the suit; a singleton cannot wait.
    if (!OnOffense(p) || Len(s, suit) == 0 || Len(p, suit) == 0) return false;
    if (Len(s, suit) == 1) return false;
    int r1 = NthHighestOurs(suit, 1), r2 = NthHighestOurs(suit, 2), r3 = NthHighestOurs(suit, 3);
    int h1 = HolderOfNthHighestOurs(suit, 1), h2 = HolderOfNthHighestOurs(suit, 2),
        h3 = HolderOfNthHighestOurs(suit, 3);
    int ho = HighestOut(suit);
    bool ours = Top(s, suit) > ho, partners = Top(p, suit) > ho;
    if (ours && partners) return CountOutBetween(suit, r3, r1) > 0 && h3 == s;
    int between = CountOutBetween(suit, r2, r1);
    if (partners) {
        if (between == 0 || between > gap) return false;
        if (CountOutBetween(suit, r3, r2) == 0) return h2 == s || h3 == s;
        return h2 == s;
    }
    if (ours && between <= gap) {
        if (CountOutBetween(suit, r3, r2) > 0) return h2 == s;
        return h1 == s && h2 == s;
    }
    return false;
}

int EntryCount(int x, int withTrumps) {
    int y = PartnerOf(x);
    bool trumpContract = !NoTrumpContract();
    int t = G.TrumpSuit;
    int halves = 0, ruffHalves = 0;
    for (int suit = 1; suit <= 4; ++suit) {
        // Only suits X can lead without a ruff by the defence; side suits in a trump contract.
        if (trumpContract && suit == t) continue;
        if (OpponentCanRuff(x, suit)) continue;
        int ho = HighestOut(suit);
        int yTop = Top(y, suit), xLen = Len(x, suit), yLen = Len(y, suit);
        if (yTop > ho && xLen > 0 && LowestRankOf(x, suit) < yTop) {
            // A winner in Y's hand reached by a low card from X, more with Y's touching cards.
            int e = 2;
            bool below1 = SeatHolds(y, suit, yTop - 1), below2 = SeatHolds(y, suit, yTop - 2);
            if (below1 && xLen > 1 && yLen > 1) {
                e += 2;
                if (below2 && xLen > 2 && yLen > 2) e += 2;
            } else if (!below1 && below2 && xLen > 1 && yLen > 1) {
                e += 1;
            }
            e = std::min(e, 2 * xLen);
            if (trumpContract && CountSeen(x, t) < 13) e = std::min(e, OutstandingCount(suit));
            halves += e;
        } else if (trumpContract && yLen == 0 && Len(y, t) > 0 && xLen > 0) {
            // Y ruffs the suit led from X.
            int e = std::min(2 * xLen, 2 * Len(y, t));
            halves += e;
            ruffHalves += e;
        }
    }
    if (withTrumps == -1 && trumpContract) {
        // Trump winners in Y's hand over X's small trumps, beyond what the ruffs give already.
        int ho = HighestOut(t);
        int y1 = CardRank(NthCardInSuit(y, t, 1)), y2 = Len(y, t) > 1 ? CardRank(NthCardInSuit(y, t, 2)) : 0;
        int trumpHalves = 0;
        if (y1 > ho && y2 > ho && Len(x, t) >= 2 && LowestRankOf(x, t) < y2)
            trumpHalves = 4;
        else if (y1 > ho && Len(x, t) > 0 && y1 > LowestRankOf(x, t))
            trumpHalves = 2;
        if (trumpHalves > ruffHalves) halves += trumpHalves - ruffHalves;
    }
    return halves / 2;
}

int Unblock(int suit, int mode) {
    int s = Me(), p = Partner();
    int card = mode == -1 ? MyLowest(suit) : 0;
    std::string name = SuitName(suit);
    int ho = HighestOut(suit);
    int mine1 = CardRank(MyHighest(suit)), mine2 = CardRank(MySecondHighest(suit));
    int pLen = Len(p, suit), pTop = Top(p, suit);
    // Shorter than partner: get our high card out of the way.
    if (Len(s, suit) < pLen) {
        AddWhy("Unblock " + name + " by going high because we have " + "fewer than our partner. ");
        return MyHighest(suit);
    }
    // Partner's singleton is no winner and our two top cards are not equal.
    if (pLen == 1 && pTop < ho && CountOutBetween(suit, mine1, mine2) > 0) {
        AddWhy("Unblock " + name + " by going high because he has only one its not a winner. ");
        return MyHighest(suit);
    }
    // Partner void and no winner of ours: keep the top card unless our two top cards are equal.
    if (pLen == 0 && mine1 < ho) {
        if (Len(s, suit) > 1 && CountOutBetween(suit, mine1, mine2) == 0) {
            AddWhy(name + "go second highest because he has none of these and we don`t have a "
                          "winner but our two top cards are adjacent. ");
            return MySecondHighest(suit);
        }
        AddWhy(name + "go low because he has none of these and we don`t have a winner. ");
        return MyLowest(suit);
    }
    // Partner void and our top card a winner: cash it.
    if (pLen == 0 && mine1 > ho) {
        AddWhy(name + "Go high because he has none of these and we have a winner. ");
        return MyHighest(suit);
    }
    // Our side's top cards are in our hand and partner's top card is no winner.
    int h1 = HolderOfNthHighestOurs(suit, 1), h2 = HolderOfNthHighestOurs(suit, 2);
    bool topsOurs = ((pLen == 3 || pLen == 2) && h1 == s && h2 == s) || (pLen == 1 && h1 == s);
    if (topsOurs && pTop < ho && CountOutBetween(suit, mine1, pTop) > 0) {
        AddWhy("We are good, he is not. ");
        return MyHighest(suit);
    }
    // Asked for a card in any case: the low one.
    if (mode == -1) {
        AddWhy("Unblock " + name + " by going low because we have " +
               "more than our partner and our partner has more than 1 or it is good. ");
        return MyLowest(suit);
    }
    return card;
}

int TrickEstimate() {
    int s = Me(), p = Partner();
    int total = 0;
    for (int suit = 1; suit <= 4; ++suit) {
        int longHand = Len(s, suit) > Len(p, suit) ? s : p;
        int longLen = Len(longHand, suit);
        int ho = HighestOut(suit), sho = SecondHighestOut(suit);
        int top = OurCardsAbove(suit, ho);
        int longest = MaxOpponentLength(suit);
        int dummyLen = Len(G.Dummy, suit), declLen = Len(G.Declarer, suit);
        if (!SideSuit(suit)) {
            // Trumps: all of the long hand's when our winners outlast the defenders.
            if (top > longest)
                total += longLen;
            else if (OurCardsAbove(suit, sho) > longest)
                total += (dummyLen - longest) + (declLen - longest) + longest - 1;
        } else {
            if (top > longest)
                total += longLen;
            else if (OurCardsAbove(suit, sho) > longest)
                total += (dummyLen - longest) + (declLen - longest) + longest;
            else
                total += top;
        }
    }
    return std::min(total, CardsLeft());
}

bool SwitchToCrossRuff() {
    CountCrossRuff();
    // Late in the trumps there is nothing left to ruff with.
    if (!NoTrumpContract() && CountSeen(Me(), G.TrumpSuit) > 10) return false;
    int cash = G.Plan.MyCashCount + G.Plan.PartnerCashCount;
    int ruffTricks = G.Plan.MyWinners + G.Plan.PartnerWinners;
    if (CardsLeft() > 5 && ruffTricks - cash > cash) {
        G.DeclarerPlan = 2;
        return true;
    }
    return false;
}

int TrumpPlay() {
    if (NoTrumpContract()) return 0;
    int t = G.TrumpSuit, s = Me(), p = Partner();
    int out = OutstandingCount(t);
    int m = Len(s, t), pl = Len(p, t);
    bool oneShort = DefenderShownOut(t) || out == 1;
    int ho = HighestOut(t);
    int topS = TopCount(s, t), topP = TopCount(p, t);
    int ourTop = Top(s, t), partTop = Top(p, t);
    int spare = DefenceSpareTricks();
    int card = 0;

    // One trump out and tricks to spare: leave it while it costs us nothing to leave it.
    if (out == 1 && spare > 0) {
        if (G.DeclarerPlan == 2 && ((ho > ourTop && ho > partTop) || (m > 0 && pl > 0))) return 0;
        if (G.DeclarerPlan == 4 && ho > ourTop && ho > partTop) return 0;
    }
    if (G.DeclarerPlan == 1) {
        // The defence holds as many trumps as we do: ruffing may pay better than drawing.
        if (out >= std::max(m, pl) && oneShort) {
            if (SwitchToCrossRuff()) return -1;
        }
        if (G.Plan.TrumpFinesseHand == p) return 0;
    } else if (G.DeclarerPlan == 2 && spare < 2 && CountOutBetween(t, ourTop, partTop) == 1 &&
               ourTop > ho && partTop < ho) {
        // Cross ruff: a trump sits between our tops; leading would lose partner's trump.
        return 0;
    }

    if (out > 2 && ourTop > ho && partTop < ho && pl > 0) {
        // Many trumps out and only our hand holds a master: draw with it or finesse.
        if (CountOutBetween(t, ourTop, CardRank(MySecondHighest(t))) == 0) {
            AddWhy("They have 4 or more trump and our second highest trump is higher than the "
                   "highest out, our partner`s high trump is not higher than high out, so go "
                   "high. ");
            card = MyHighest(t);
        } else if (G.TricksPlayed > 0 && TrickEstimate() >= CardsLeft() && out > 0) {
            int f = FindFinesse(t, 1);
            if (f != 0)
                card = f;
            else if (!(OpponentCardsAbove(t, partTop) == 1 && !oneShort && spare == 0 &&
                       CountOutBetween(t, ourTop, partTop) == 1))
                card = MyHighest(t);
        }
    } else if (m > 0 && out > 0) {
        AddWhy("We have trump and so does the defense. ");
        int f = FindFinesse(t, 2);
        if (f != 0) {
            // A finesse in trumps.
            card = f;
            AddWhy("We found a finesse. ");
        } else if (ourTop > 13 - out / 2 && !oneShort && (ourTop > ho || partTop > ho)) {
            // Enough top trumps to drop the defenders' honours.
            if (topS > topP && pl != 1 && topP != 1) {
                AddWhy("We want to play for the drop and we have more high trump then our partner. ");
                card = MyHighest(t);
            } else if (partTop > ho) {
                AddWhy("We want to play for the drop. ");
                card = MyLowest(t);
            } else {
                AddWhy("We want to play for the drop. ");
                card = MyHighest(t);
            }
        } else if (CanFinesseTo(t, 1)) {
            // Partner can finesse towards us: lead so that the finesse stays open.
            AddWhy("Our partner can finesse to us,  ");
            if (out < 4 && ourTop > ho && !oneShort) {
                AddWhy("There are less than 4 trump out And our high trump is greater than highest "
                       "trump out And both defender still have trump we think as far as we know. ");
                card = MyHighest(t);
            } else if (out == 1 && ourTop > ho) {
                AddWhy("They only have one and ours is good ");
                card = MyHighest(t);
            } else {
                AddWhy("They have more than one or ours is not good, second high. ");
                card = MySecondHighest(t);
            }
        } else if (m > 1 || pl > 1) {
            if (ourTop > ho && EntryCount(p, 0) == 0 && EntryCount(s, 0) > 1) {
                // Few ways back to our hand: win this one here.
                AddWhy("We have limited entries into our hand and more into our partner`s let`s "
                       "take this one. ");
                card = MyHighest(t);
            } else if (partTop > ho && pl < m) {
                AddWhy("We have at least 2 trump, and our partner`s high trump is good, and our "
                       "trump suit is long. ");
                card = MyLowest(t);
            } else if (ourTop > ho && !(partTop > ho)) {
                AddWhy("One of us has 2 or more trump, and our high trump is good but our "
                       "partner`s is not. ");
                card = MyHighest(t);
            } else if (partTop > ho && !(ourTop > ho)) {
                AddWhy("One of us has 2 or more trump, and our partner`s high trump is good but "
                       "ours is not.  ");
                if (m == 2) {
                    AddWhy("We have 2 trump, go high. ");
                    card = MyHighest(t);
                } else {
                    AddWhy("We have other than 2 trump, go low. ");
                    card = MyLowest(t);
                }
            } else if (ourTop > ho && pl > 1) {
                AddWhy("One of us has 2 or more trump, we have good trump and he has more than 1 "
                       "trump. ");
                bool shortSide = false;
                for (int suit = 1; suit <= 4; ++suit)
                    if (suit != t && Len(s, suit) < OutstandingCount(suit) / 2 &&
                        !DefenderShownOut(suit))
                        shortSide = true;
                if (m < pl && out < 4 && !oneShort && shortSide) {
                    card = MyHighest(t);
                } else if (G.Plan.TrumpsAtStart > 7 && partTop > ho) {
                    AddWhy("We had 8 or more trump between us at the start and our partner has a "
                           "good trump. ");
                    card = MyThirdHighest(t);
                    G.Plan.NoFinesseThisTrick = -1;
                } else if (ourTop > LowestRankOf(s, t)) {
                    AddWhy("We at least 2 trump, play second highest one. ");
                    card = MySecondHighest(t);
                } else {
                    AddWhy("play are only trump. ");
                    card = MyHighest(t);
                }
            } else if (out == 1 && ourTop > ho) {
                AddWhy("One of us has 2 or more trump, they have one and it is lower than our "
                       "highest. ");
                card = MyHighest(t);
            } else if (out > 1) {
                AddWhy("One of us has 2 or more trump and they have more than one. ");
                if (pl > 0) {
                    AddWhy("Our partner still has some ");
                    int below = NextLowerCard(t, ho);
                    if (TouchingInOtherHand(below)) {
                        AddWhy("Our partner highest card is no different than ours, and its not a "
                               "winner, play third down ");
                        card = MyThirdHighest(t);
                    } else if (out == 2 && ourTop > partTop &&
                               CountOutBetween(t, ourTop, partTop) > 0 && ourTop < ho) {
                        AddWhy("There are 2 trump left out one of them is the highest, so we need "
                               "to lead trump from the other direction. ");
                    } else {
                        AddWhy("Our partner does not have a card with the same winning potentail as "
                               "we do. Play our highest under the highest out. ");
                        card = below;
                    }
                } else {
                    AddWhy("Our partner has no trump, play our highest. ");
                    card = NextLowerCard(t, ho);
                }
            }
        }
    }
    // The last trump out and no trick to spare: take it now.
    if (out == 1 && spare == 0 && ourTop > ho) card = MyHighest(t);
    return card;
}

int LeadToFinesseRules() {
    if (NoTrumpContract()) return 0;
    int t = G.TrumpSuit, s = Me(), p = Partner();
    int ho = HighestOut(t), sho = SecondHighestOut(t);
    // Nothing to lead towards once the defence's master trump is all that is left.
    if (CountSeen(G.Declarer, t) > 11 && Top(G.Declarer, t) <= ho && Top(G.Dummy, t) <= ho) return 0;
    int longest = MaxOpponentLength(t);
    auto split = [&](int seat, int& low, int& high) {
        high = TopCount(seat, t);
        low = Len(seat, t) - high;
        if (high > longest) {
            low += high - longest;
            high = longest;
        }
    };
    int lowD, highD, lowM, highM;
    split(G.Declarer, lowD, highD);
    split(G.Dummy, lowM, highM);
    int ruffD = G.Plan.RuffsInDeclarer, ruffM = G.Plan.RuffsInDummy;
    bool spareTrumps = (lowM > ruffM || ruffM == 0) && (lowD > ruffD || (lowD == ruffD && highM > 0));
    int ourTop = Top(s, t), partTop = Top(p, t);
    int card = 0;
    auto trumpPlay = [] { return std::max(TrumpPlay(), 0); };

    if (s == G.Dummy) {
        // Dummy on lead with trumps to spare in both hands.
        if (spareTrumps) card = trumpPlay();
        if (card == 0 && CanFinesseTo(t, 2)) {
            for (int suit = 4; suit >= 1; --suit) {
                if (suit == t || Len(s, suit) == 0 || Top(p, suit) <= HighestOut(suit)) continue;
                AddWhy("Dummy to play, ");
                AddWhy("leading low to his high, so he can lead trump back ");
                card = MyLowest(suit);
                break;
            }
        } else if (card != 0 && card == MyLowest(t) && !IsFinesseLead(card)) {
            for (int suit = 1; suit <= 4; ++suit)
                if (suit != t && Len(s, suit) == 1 && Top(s, suit) > HighestOut(suit))
                    card = MyHighest(suit);
        }
    } else if (s == G.Declarer) {
        // Declarer on lead: the same test, then a finesse lead towards dummy.
        if (spareTrumps) {
            card = trumpPlay();
            if (card == 0) {
                int f = FindFinesse(t, 2);
                if (f != 0) {
                    AddWhy("Declarer to play, ");
                    AddWhy("lead to finesse rules ");
                    card = f;
                }
            } else if (card == MyLowest(t) && !IsFinesseLead(card)) {
                for (int suit = 1; suit <= 4; ++suit)
                    if (suit != t && Len(s, suit) == 1 && Top(s, suit) > HighestOut(suit) &&
                        CountSeen(s, suit) < 10)
                        card = MyHighest(suit);
            }
        }
    }
    int out = OutstandingCount(t);
    int tD = Len(G.Declarer, t), tM = Len(G.Dummy, t);
    if (card == 0 && Len(s, t) > 0) {
        if (out < (tD + tM + 1) / 2) {
            // Few trumps left out against many of ours: draw them.
            if (tD > ruffD + 1 && tM > ruffM + 1)
                card = trumpPlay();
            else
                card = FindFinesse(t, 2);
            if (card != 0) {
                AddWhy("Only because trump out is less than one half rounded up of the trump we "
                       "have, and we have extra trump in both hands. ");
            } else if (out == 1 || (out == 2 && G.Plan.TrumpsAtStart > 10)) {
                AddWhy("Since trump out is less than one half rounded up of the trump we have, and "
                       "we have extra trump in both hands. ");
                AddWhy(out == 1 ? "Lets get that last one. "
                                : "We had to many at the start to leave any out. ");
                if (ourTop > ho)
                    card = MyHighest(t);
                else if (partTop > ho)
                    card = MyLowest(t);
            }
        } else if (tM > ruffM && s == G.Declarer && Top(G.Dummy, t) > ho) {
            card = trumpPlay();
        } else if (tD > ruffD && s == G.Dummy && Top(G.Declarer, t) > ho) {
            card = trumpPlay();
        }
    }
    if (card != 0) {
        if (CardSuit(card) == t) {
            // Partner cannot be reached outside trumps: keep his trump winner as the entry.
            if (EntryCount(s, -1) == 0 && partTop > sho && Len(p, t) > 1) {
                AddWhy("Partner has no entries and partner`s highest trump > Second Highest out "
                       "Trump and partner has at least 2 Trump ");
                if (CardRank(card) < partTop) {
                    card = NextHigherCard(t, partTop);
                    AddWhy("lead is < partner`s highest trump ");
                }
                if (CardRank(card) < partTop) {
                    card = NthCardInSuit(s, t, 11);
                    AddWhy(", We cant take this so lead the third from bottom ");
                } else {
                    AddWhy(", We want to try to take this ");
                }
            }
        } else {
            AddWhy("suit was not trump ");
        }
    }
    // The last trump out and more trumps than tricks left: draw it.
    if (out == 1 && tD > ruffD && tM > ruffM && CardsLeft() < tD + tM) {
        if (ourTop > ho)
            card = MyHighest(t);
        else if (partTop > ho)
            card = MyLowest(t);
    }
    return card;
}

int BestSuit() {
    int s = Me(), p = Partner();
    if (NoTrumpContract()) return 0;
    int t = G.TrumpSuit;
    int rho = PlayerAt(s, -1), lho = PlayerAt(s, 1);
    int trumpsOut = OutstandingCount(t);
    auto name = [](int suit) { return SuitName(suit); };
    auto side = [&](int suit) { return suit != t; };

    if (Len(p, t) > 0) {
        // The candidate: the first side suit we hold, then the one partner runs out of soonest.
        int k = 0, kept = 0;
        for (int suit = 1; suit <= 4 && k == 0; ++suit)
            if (side(suit) && Len(s, suit) > 0) k = suit, kept = Len(s, suit);
        for (int suit = 1; suit <= 4; ++suit) {
            if (!side(suit) || Len(s, suit) == 0) continue;
            int ho = HighestOut(suit);
            int pLen = Len(p, suit);
            bool voidish = pLen == 0 ||
                           (pLen == 1 && Top(s, suit) > ho &&
                            CountOutBetween(suit, CardRank(NextLowerCard(suit, ho)), ho) > 0);
            if (voidish) {
                bool safe = (!KnownVoid(rho, suit) && (CountSeen(s, suit) < 12 || KnownVoid(rho, t))) ||
                            PartnerSecondHighestRank(t) > HighestOut(t) || trumpsOut == 0;
                if (safe && (!G.Plan.TrumpWorry || p == G.Plan.ShortTrumpHand)) {
                    AddWhy("for Club to spades ");
                    AddWhy(name(suit) + " is our bestsuit because its our partner`s void ");
                    return suit;
                }
            } else if (k != 0 && pLen <= Len(p, k)) {
                // Play the suit out in thought: how many of partner's cards stay after our winners.
                std::deque<int> ours, his;
                for (int n = 1; n <= Len(s, suit); ++n) ours.push_back(CardRank(NthCardInSuit(s, suit, n)));
                for (int n = 1; n <= pLen; ++n) his.push_back(CardRank(NthCardInSuit(p, suit, n)));
                int remaining = pLen;
                for (;;) {
                    if (!his.empty() && his.front() > ho) {
                        his.pop_front();
                    } else if (!ours.empty() && ours.front() > ho) {
                        ours.pop_front();
                        if (!his.empty()) his.pop_back();
                    } else {
                        break;
                    }
                    if (remaining > 0) --remaining;
                }
                if (remaining < kept) k = suit, kept = remaining;
            }
        }
        // A finesse lead, the stronger suit when there are several.
        int best = 0;
        for (int suit = 1; suit <= 4; ++suit)
            if (side(suit) && FindFinesse(suit, 1) != 0) best = best == 0 ? suit : StrongerSuit(best, suit);
        if (best != 0) {
            AddWhy(name(best) + " is our bestsuit because we can lead to a finesse ");
            return best;
        }
        // Cross ruff with no trick to spare: lead into partner's void.
        if (G.DeclarerPlan == 2 && DefenceSpareTricks() < 2) {
            for (int suit = 1; suit <= 4; ++suit) {
                if (!side(suit) || Len(s, suit) == 0 || Len(p, suit) != 0) continue;
                bool defendersFollow = (KnownVoid(lho, t) || !KnownVoid(lho, suit)) &&
                                       (KnownVoid(rho, t) || !KnownVoid(rho, suit));
                if (defendersFollow && (CountSeen(s, suit) < 12 || CountSeen(s, t) == 13)) {
                    AddWhy(name(suit) + " is our bestsuit because we can lead our partner`s void ");
                    return suit;
                }
            }
        }
        // Partner's safe winner.
        for (int suit = 1; suit <= 4; ++suit)
            if (side(suit) && Len(s, suit) > 0 && SafeWinner(p, suit, 0, 0)) {
                AddWhy(name(suit) + " is our bestsuit because we can lead to our partner`s winner ");
                return suit;
            }
        // Losers in both hands.
        for (int suit = 1; suit <= 4; ++suit) {
            if (!side(suit)) continue;
            int ls = G.SuitInfo[s][suit].Losers, lp = G.SuitInfo[p][suit].Losers;
            bool split = (ls > 1 && lp == 1) || (lp > 1 && ls == 1);
            if (split && ((Len(s, suit) > 0 && Len(p, suit) > 1) || Len(s, suit) > 1)) {
                AddWhy(name(suit) + " is our bestsuit because we both have a losers in this suit. ");
                return suit;
            }
        }
        if (!G.Plan.TrumpWorry || p == G.Plan.ShortTrumpHand) {
            // Partner's shortest suit.
            if (k != 0) {
                int ho = HighestOut(k);
                bool dead = trumpsOut == 0 && Top(s, k) < ho && Top(p, k) < ho && Len(p, k) > 0;
                if (!dead && CountSeen(s, k) < 12) {
                    AddWhy(name(k) + " is our bestsuit because it is our partner`s shortest suit. ");
                    return k;
                }
            }
        }
        // A suit partner cannot finesse back into, else any side suit, the stronger one.
        int noFinesse = 0, any = 0;
        for (int suit = 1; suit <= 4; ++suit) {
            if (!side(suit) || Len(s, suit) == 0) continue;
            any = any == 0 ? suit : StrongerSuit(any, suit);
            if (!CanFinesseTo(suit, 1)) noFinesse = noFinesse == 0 ? suit : StrongerSuit(noFinesse, suit);
        }
        if (noFinesse != 0) {
            AddWhy(name(noFinesse) + " is our bestsuit because it is not trump and we have no finesses "
                                     "goming back. ");
            return noFinesse;
        }
        if (any != 0) AddWhy(name(any) + " is our bestsuit because it is not trump. ");
        return any;
    }
    if (Len(s, t) > 0) {
        // Partner has no trumps: lead to his safe winner.
        for (int suit = 1; suit <= 4; ++suit)
            if (side(suit) && SafeWinner(p, suit, 0, 0) && Top(p, suit) > HighestOut(suit)) {
                AddWhy(name(suit) + " is our bestsuit because we can lead our partner`s winner ");
                return suit;
            }
    }
    return 0;
}

}  // namespace kestrel
