#include "declarer/cross_ruff.h"

#include <algorithm>

#include "core/cards.h"
#include "core/flow.h"
#include "core/state.h"
#include "declarer/shorthand.h"
#include "core/text.h"
#include "declarer/end_game.h"
#include "declarer/plan.h"
#include "declarer/trumps.h"
#include "play/knowledge.h"

namespace kestrel {

using namespace shorthand;

namespace {

// The trumps the longest defender holding can have.
int LongestDefenderTrumps() {
    return DefenderShownOut(G.TrumpSuit) ? G.Plan.DefenderTrumps : G.Plan.DefenderTrumps / 2;
}
int RuffsOf(int seat) { return seat == G.Declarer ? G.Plan.RuffsInDeclarer : G.Plan.RuffsInDummy; }
// The hand holds more trumps than the ruffs counted for it, or has none counted.
bool SpareTrumps(int seat) { return Len(seat, G.TrumpSuit) > RuffsOf(seat) || RuffsOf(seat) == 0; }
// Ace above the four with an outstanding card under the top card: split honours.
bool SplitHonours(int suit) {
    int top = CardRank(MyHighest(suit));
    if (top <= 3) return false;
    int second = Len(Me(), suit) > 1 ? CardRank(MySecondHighest(suit)) : 0;
    return CountOutBetween(suit, top, second) > 0;
}

}  // namespace

void ClassifySuits() {
    for (int suit = 1; suit <= 4; ++suit) {
        if (!SideSuit(suit)) continue;
        int top = OurCardsAbove(suit, HighestOut(suit));
        int dummySeen = CountSeen(G.Dummy, suit);
        int dLen = Len(G.Dummy, suit), decLen = Len(G.Declarer, suit);
        if (G.Plan.ShortHandOf[suit] == -1 && top < 2 && dummySeen < 13) {
            // A cash suit without two winners becomes a ruffing suit again.
            if (dLen < decLen && decLen > 0)
                G.Plan.ShortHandOf[suit] = G.Dummy;
            else if (dLen >= decLen && dLen > 0)
                G.Plan.ShortHandOf[suit] = G.Declarer;
        } else if (top > 1 || dummySeen == 13 || (dummySeen > 10 && top > 1)) {
            G.Plan.ShortHandOf[suit] = -1;
        }
    }
}

void CountCrossRuff() {
    int s = Me(), p = Partner(), t = G.TrumpSuit;
    auto& plan = G.Plan;
    for (int suit = 0; suit <= 4; ++suit) plan.MyCash[suit] = plan.PartnerCash[suit] = 0;
    plan.MyCashCount = plan.PartnerCashCount = 0;
    if (NoTrumpContract()) return;
    int trumpsOut = OutstandingCount(t);
    // Our top trumps in each hand; the hand with fewer trumps is the short trump hand.
    int a = TopCount(s, t), b = TopCount(p, t);
    if (Len(s, t) > Len(p, t)) plan.ShortTrumpHand = p;
    if (Len(p, t) > Len(s, t)) plan.ShortTrumpHand = s;
    auto markMine = [&](int suit) {
        if (!plan.MyCash[suit]) plan.MyCash[suit] = -1, ++plan.MyCashCount;
    };
    auto markPartner = [&](int suit) {
        if (!plan.PartnerCash[suit]) plan.PartnerCash[suit] = -1, ++plan.PartnerCashCount;
    };
    // The safe winners of each hand.
    for (int suit = 1; suit <= 4; ++suit) {
        if (!SideSuit(suit)) continue;
        int ls = Len(s, suit), lp = Len(p, suit);
        if (ls == 0 && lp > 0) {
            if (SafeWinner(p, suit, 0, 0)) markPartner(suit);
        } else if (lp == 0 && ls > 0) {
            if (SafeWinner(s, suit, 0, 0)) markMine(suit);
        } else if (ls > 0 && lp > 0) {
            if (trumpsOut > 0) {
                if (SafeWinner(s, suit, 0, 0))
                    markMine(suit);
                else if (SafeWinner(p, suit, 0, 0))
                    markPartner(suit);
                if (plan.MyCash[suit] && ls > 1 && lp > 1 && SafeWinner(p, suit, 0, 0) &&
                    OutstandingCount(suit) > 3)
                    markPartner(suit);
            } else {
                int ho = HighestOut(suit);
                if (Top(p, suit) > ho)
                    markPartner(suit);
                else if (Top(s, suit) > ho)
                    markMine(suit);
            }
        }
    }
    // The ruffs in the short hand of each side suit, paid for with top trumps.
    int myRuffs = 0, partnerRuffs = 0;
    for (int suit = 1; suit <= 4; ++suit) {
        if (!SideSuit(suit)) continue;
        int ls = Len(s, suit), lp = Len(p, suit);
        int top = OurCardsAbove(suit, HighestOut(suit));
        if (ls < lp) {
            if (top >= ls && a > 0 && !plan.PartnerCash[suit]) {
                plan.MyCash[suit] = -1;
                int d = lp - ls;
                if (d <= a) {
                    myRuffs += d;
                    a -= d;
                } else {
                    myRuffs += a;
                    a = 0;
                }
            }
        } else if (lp < ls) {
            if (top >= lp && b > 0 && !plan.MyCash[suit]) {
                plan.PartnerCash[suit] = -1;
                int d = ls - lp;
                if (d <= b) {
                    partnerRuffs += d;
                    b -= d;
                } else {
                    partnerRuffs += (CountSeen(s, suit) < 9 && b < Len(p, t)) ? b + 1 : b;
                    b = 0;
                }
            }
        }
    }
    if (s == G.Declarer) {
        plan.RuffsInDeclarer = myRuffs;
        plan.RuffsInDummy = partnerRuffs;
    } else {
        plan.RuffsInDummy = myRuffs;
        plan.RuffsInDeclarer = partnerRuffs;
    }
    plan.PartnerWinners = partnerRuffs + plan.PartnerCashCount + b;
    plan.MyWinners = myRuffs + plan.MyCashCount + a;
}

int CountVoidRuffSuits() {
    int n = 0;
    for (int suit = 1; suit <= 4; ++suit) {
        int hand = G.Plan.ShortHandOf[suit];
        if (SideSuit(suit) && hand >= 1 && hand <= 4 && Len(hand, suit) == 0) ++n;
    }
    return n;
}

int CashSafeWinner() {
    int s = Me();
    int opening = OpeningLeadSuit();
    bool trumpsOut = OutstandingCount(G.TrumpSuit) > 0;
    // Partner void and our top card safe.
    for (int suit = 1; suit <= 4; ++suit)
        if (SideSuit(suit) && Len(s, suit) > 0 && SafeWinner(s, suit, -1, 0)) {
            AddWhy(SuitName(suit) + "is not trump, and we have the highest " +
                   "are partner is out and we don`t think they can trump ");
            return MyHighest(suit);
        }
    // Our top card safe, not in the suit the defence led first while they hold trumps.
    for (int suit = 1; suit <= 4; ++suit) {
        if (!SideSuit(suit) || Len(s, suit) == 0) continue;
        if (suit == opening && trumpsOut) continue;
        if (SafeWinner(s, suit, 0, 0)) {
            AddWhy(SuitName(suit) + "is not trump, and we have the highest " +
                   " and we don`t think they can trump ");
            return MyHighest(suit);
        }
    }
    // Partner void and able to overruff the player on our left.
    for (int suit = 1; suit <= 4; ++suit)
        if (SideSuit(suit) && Len(s, suit) > 0 && SafeWinner(s, suit, -1, -1)) {
            AddWhy(SuitName(suit) + "is not trump, and we have the highest " +
                   "are partner is out and has trump and we don`t think the player on our right "
                   "can trump ");
            return MyHighest(suit);
        }
    return 0;
}

int CrossRuffToTheEnd() {
    int s = Me(), p = Partner();
    int ourSide = RelativeTricks(1);
    int needed = CallLevel(G.Contract) + 6 - ourSide;
    int ruffTricks = G.Plan.MyWinners + G.Plan.PartnerWinners;
    if (!(ruffTricks >= needed || ruffTricks >= CardsLeft())) return 0;
    // The count shows the contract home by ruffing: no more finesses.
    AddWhy("we should be able to cross ruff out ");
    AddWhy("we should no longer try a finesse as we can see to the end  and it looks good, ");
    G.Plan.CrossRuffOut = -1;
    G.Plan.NoFinesseThisTrick = -1;
    int card = std::max(TrumpPlay(), 0);
    if (card == 0) {
        for (int suit = 1; suit <= 4; ++suit) {
            if (!SideSuit(suit) || !G.Plan.PartnerCash[suit] || Len(s, suit) == 0) continue;
            if (LowestRankOf(s, suit) < Top(p, suit)) {
                card = MyLowest(suit);
                AddWhy("so lead to our partner`s winner ");
            }
        }
    }
    if (card == 0) card = CashSafeWinner();
    return card;
}

int EstablishTwoSuits() {
    int s = Me(), p = Partner();
    // A suit of no role where our honours are not split.
    for (int suit = 1; suit <= 4; ++suit) {
        if (!SideSuit(suit) || G.Plan.ShortHandOf[suit] != 0) continue;
        if (SplitHonours(suit) || Len(s, suit) == 0 || Len(p, suit) == 0) continue;
        if (DefenceSpareTricks() > 1) {
            AddWhy("There are 2 suits to establish, which we have some of and ");
            AddWhy(SuitName(suit) + " is not 1 nor is it trump, we don`t have split honors");
            return MyHighest(suit);
        }
    }
    // The highest suit of the plan decides: lead to partner's singleton winner, or cash our own.
    for (int suit = 4; suit >= 1; --suit) {
        if (!SideSuit(suit) || G.Plan.ShortHandOf[suit] == 0) continue;
        int ho = HighestOut(suit);
        if (Len(p, suit) == 1 && Top(p, suit) > ho && Len(s, suit) > 0) {
            AddWhy("There are 2 suits to establish, which we have some of and ");
            AddWhy("Our partner has only one and it is the highest in " + SuitName(suit) + ".");
            return MyLowest(suit);
        }
        if (Top(s, suit) > ho) {
            AddWhy("There are 2 suits to establish, which we have some of and ");
            AddWhy("We have the highest in " + SuitName(suit) + ".");
            return MyHighest(suit);
        }
        return 0;
    }
    return 0;
}

int SingletonSuitLead() {
    int s = Me(), p = Partner();
    for (int suit = 1; suit <= 4; ++suit) {
        if (!SideSuit(suit)) continue;
        int ls = Len(s, suit), lp = Len(p, suit);
        if (ls != 1 && lp != 1) continue;
        int ho = HighestOut(suit);
        bool topOurs = Top(s, suit) > ho || Top(p, suit) > ho;
        if (!topOurs || DefenderShownOut(suit) || CountSeen(s, suit) >= 12 || CanFinesseTo(suit, 1))
            continue;
        // The first such suit decides.
        if (ls == 0) return 0;
        AddWhy(SuitName(suit) + " is not trump, and one of us has only 1, we think they still have "
                                "some.");
        if (lp == 1 && Top(p, suit) > ho) {
            AddWhy("Since our partner has only one card in this suit and it is higher then the "
                   "highest out, let`s play low. ");
            return MyLowest(suit);
        }
        if (Top(s, suit) > ho && (Top(s, suit) > Top(p, suit) || lp > 1)) {
            AddWhy("Since we have highest unplayed card in this suit, let`s play it. ");
            return MyHighest(suit);
        }
        AddWhy("Since our partner has the highest unplayed card in this suit, let`s play low. ");
        return MyLowest(suit);
    }
    return 0;
}

int FinesseOrEstablish(int mode, int hand, int flag) {
    int s = Me(), p = Partner(), t = G.TrumpSuit;
    for (int suit = 1; suit <= 4; ++suit) {
        if (!SideSuit(suit) || Len(s, suit) == 0) continue;
        int role = G.Plan.ShortHandOf[suit];
        if (mode == 0 && role != s && role != p) {
            // No suit to build here: an early finesse.
            int f = FindFinesse(suit, 1);
            if (f != 0) {
                AddWhy(SuitName(suit) + " are not trump, we can not work to establish a suit this "
                                        "trick, but we can finesse to our partner in this suit and "
                                        "need to do it early. ");
                return f;
            }
        } else if (mode == -1 && role == hand) {
            // A suit to establish: finesse into it, or lead our top card.
            int f = FindFinesse(suit, 1);
            if (f != 0) {
                AddWhy(SuitName(suit) + " are not trump, our partner wants to establish this suit "
                                        "and we can lead to a finesse");
                return f;
            }
            int ho = HighestOut(suit), sho = SecondHighestOut(suit);
            int p1 = Top(p, suit), p2 = Len(p, suit) > 1 ? CardRank(NthCardInSuit(p, suit, 2)) : 0;
            if (Top(s, suit) > ho && p1 < ho && p2 < ho && p1 > sho && p2 > sho) continue;
            if (flag && (CountSeen(s, suit) < 11 || CountSeen(s, t) > 10)) {
                if (hand == s)
                    AddWhy(SuitName(suit) + " are not trump, our partner wants to establish this "
                                            "suit, so let`s play our highest");
                else
                    AddWhy(SuitName(suit) + " are not trump, we want to establish this suit, " +
                           "and we can finesse to our partner ");
                return MyHighest(suit);
            }
        }
    }
    return 0;
}

int ShortSuitWinner(int mode) {
    int s = Me(), p = Partner(), t = G.TrumpSuit;
    int rho = PlayerAt(s, -1);
    int card = 0;
    for (int suit = 1; suit <= 4; ++suit) {
        if (!SideSuit(suit) || Len(s, suit) == 0 || Len(p, suit) >= 2) continue;
        if (!(OutstandingCount(suit) > 1 || OutstandingCount(t) == 0)) continue;
        int role = G.Plan.ShortHandOf[suit];
        if (!((role != s && role != p) || mode == -1)) continue;
        int ho = HighestOut(suit);
        if (Top(s, suit) > ho) {
            if (SafeWinner(s, suit, -1, -1)) {
                AddWhy(SuitName(suit) + " is not trump, and we hold the highest one. ");
                AddWhy("We don`t think the player on our right is out, but our partner is out. ");
                card = MyHighest(suit);
            } else if (SafeWinner(p, suit, 0, 0)) {
                AddWhy(SuitName(suit) + " is not trump, and our partner`s last card is higher then "
                                        "the highest out. ");
                AddWhy("We don`t think the player on our right is out, but our partner will be "
                       "after this trick. ");
                card = MyLowest(suit);
            } else if (SafeWinner(s, suit, 0, 0)) {
                AddWhy(SuitName(suit) + " is not trump, and we hold the highest one. " +
                       "We don`t think the player on our right is out, but our partner " +
                       "will be after this trick.");
                return MyHighest(suit);
            }
        } else if (Len(p, suit) == 0 && Len(p, t) > 0 && !KnownVoid(rho, suit)) {
            AddWhy(SuitName(suit) + " is not trump, and we don`t hold the highest one. ");
            AddWhy("Our partner is out but we don`t think the player on our right is out. ");
            return MySecondHighest(suit);
        }
    }
    return card;
}

void PlayCrossRuff() {
    int s = Me(), p = Partner(), t = G.TrumpSuit;
    auto& plan = G.Plan;
    G.WhyText = "Cross Ruff.\r\n";
    plan.DefenderTrumps = OutstandingCount(t);
    ClassifySuits();
    int ho = HighestOut(t), sho = SecondHighestOut(t);
    int ourTop = Top(s, t), partTop = Top(p, t);
    int out = plan.DefenderTrumps;
    int spare = DefenceSpareTricks();
    bool shownOut = DefenderShownOut(t);
    int rho = PlayerAt(s, -1), lho = PlayerAt(s, 1);
    int card = 0;

    // 1. Trump worry: too few trumps, or too few masters, to ruff freely.
    int ourTopTrumps = OurCardsAbove(t, ho);
    if ((plan.TrumpsAtStart < 9 || ourTopTrumps < LongestDefenderTrumps()) && CountSeen(s, t) < 12) {
        AddWhy("We need to worry about our trump, because ");
        if (plan.TrumpsAtStart < 9) {
            AddWhy("we had less than 9 at the start, ");
        } else {
            AddWhy("we don`t have more high trump than ");
            AddWhy(shownOut ? "the trump out and one of them has shown out "
                            : "one half of the trump out and neither of them has shown out ");
        }
        AddWhy("and we have not seen at least twelve of them. ");
        plan.TrumpWorry = -1;
    } else {
        plan.TrumpWorry = 0;
    }
    // 2. The count, unless the cross ruff is already running to the end.
    if (!plan.CrossRuffOut) CountCrossRuff();
    // 3. Partner cannot reach us: cash our winner where the defender behind is out of trumps.
    if (EntryCount(p, -1) == 0 && plan.MyCashCount > 0) {
        for (int suit = 1; suit <= 4 && card == 0; ++suit)
            if (Len(s, suit) > 0 && Top(s, suit) > HighestOut(suit) && KnownVoid(rho, t) &&
                OutstandingCount(suit) > 1)
                card = MyHighest(suit);
    }
    // 4. The last trump sits in front of partner: lead a suit partner ruffs over it.
    if (card == 0 && plan.MyWinners + plan.PartnerWinners == 0 && out == 1) {
        for (int suit = 1; suit <= 4; ++suit)
            if (CountSeen(s, suit) > 9 && Len(s, suit) > 0 && Top(s, suit) > HighestOut(suit) &&
                Len(p, suit) == 0 && Len(p, t) > 0 && KnownVoid(rho, t)) {
                AddWhy("Since we know the last trump is sitting ahead of our partner let`s play "
                       "suit where they are out. ");
                card = MyHighest(suit);
            }
    }
    // 5. The trump situation, while the count still matters.
    if (!plan.CrossRuffOut && card == 0) {
        bool trumpEntryOnly = EntryCount(p, 0) == 0 &&
                              ((Len(s, t) > 1 && ourTop > ho) ||
                               (EntryCount(p, -1) > 0 && SpareTrumps(s) && SpareTrumps(p) && !shownOut));
        bool ourLastTrump = out == 1 && std::max(ourTop, partTop) > ho && spare < 2 && Len(s, t) > 0;
        if (plan.TrumpWorry && trumpEntryOnly) {
            // a. Our only entry is a trump: cash side winners instead of leading trumps.
            AddWhy("Our only entry is in trump, so let`s not lead them let`s take any high cards "
                   "we might have. ");
            card = CashSafeWinner();
        } else if (ourLastTrump) {
            // b. One trump out and no room to lose another trick: draw it.
            AddWhy(spare == 1 ? "They only have one trump it is lower then our highest and we cannot "
                                "afford to lose one more trick. "
                              : "They only have one trump it is lower then our highest and we cannot "
                                "afford to lose more then one trick. ");
            card = partTop > ho ? MyLowest(t) : MyHighest(t);
        } else if (SpareTrumps(s) && SpareTrumps(p)) {
            int spareS = Len(s, t) - RuffsOf(s), spareP = Len(p, t) - RuffsOf(p);
            int longest = LongestDefenderTrumps();
            if (!shownOut || (longest < spareS && longest < spareP)) {
                // c. Trumps to spare in both hands: lead towards a trump finesse.
                card = LeadToFinesseRules();
                if (card == 0 && plan.TrumpWorry && CountSeen(s, t) < 12) {
                    if (s == plan.ShortTrumpHand && !CanFinesseTo(t, 1) && ourTop > ho &&
                        ourTop > partTop) {
                        AddWhy("We are worried about the trump situation, we have the highest ");
                        AddWhy("and we don`t want to waste it trumping a trick ");
                        int third = NthHighestOurs(t, 3);
                        bool otherHand =
                            (OpponentCardsAbove(t, partTop) == 1 && spare < 2 && !shownOut &&
                             CountOutBetween(t, partTop, ourTop) == 1) ||
                            (CountOutBetween(t, partTop, ourTop) > 1 &&
                             CountOutBetween(t, CardRank(MySecondHighest(t)), ourTop) > 1 &&
                             longest != out);
                        if (otherHand) {
                            AddWhy("but we need to lead out of the other hand ");
                            for (int suit = 1; suit <= 4; ++suit)
                                if (plan.PartnerCash[suit]) {
                                    card = MyLowest(suit);
                                    break;
                                }
                        } else if (CardRank(MySecondHighest(t)) > ho) {
                            card = MyHighest(t);
                        } else if (OpponentCardsAbove(t, third) > out / 2) {
                            AddWhy("but we can not lose control of trump, so lead it low ");
                            card = MyLowest(t);
                        } else {
                            card = MyHighest(t);
                        }
                    } else if (p == plan.ShortTrumpHand && ourTop < ho && partTop > ho &&
                               OurCardsAbove(t, sho) > 3) {
                        int below = NextLowerCard(t, ho);
                        card = TouchingInOtherHand(below) ? below : MyLowest(t);
                    }
                }
                if (card == 0) card = CrossRuffToTheEnd();
            }
        }
    }
    // 6. One trump out: lead through to partner's void, or unblock a cash suit.
    if (card == 0 && out == 1) {
        for (int suit = 1; suit <= 4; ++suit)
            if (Len(p, suit) == 0 && Len(p, t) > 0 && Len(s, suit) > 1)
                card = CardRank(MySecondHighest(suit)) > SecondHighestOut(suit) ? MySecondHighest(suit)
                                                                               : MyLowest(suit);
        if (card == 0) {
            bool any = false;
            int last = 0;
            for (int suit = 1; suit <= 4; ++suit)
                if (SideSuit(suit) && plan.ShortHandOf[suit] == -1 && Len(s, suit) > 0) {
                    any = true;
                    last = Unblock(suit, -1);
                }
            if (any) card = last;
        }
    }
    // 7. Two suits with a void short hand: establish them.
    if (card == 0 && CountVoidRuffSuits() == 2) card = EstablishTwoSuits();
    // 8.-12. Finesses and suits to establish, then singletons.
    if (card == 0) card = FinesseOrEstablish(-1, s, out == 1 ? -1 : 0);
    if (card == 0 && !AllTricksOurs()) card = FinesseOrEstablish(-1, s, -1);
    if (card == 0 && plan.PartnerWinners > plan.MyWinners) card = FinesseOrEstablish(0, p, 0);
    if (card == 0 && (!plan.TrumpWorry || s == plan.ShortTrumpHand || plan.ShortTrumpHand == 0))
        card = SingletonSuitLead();
    if (card == 0) card = FinesseOrEstablish(-1, p, 0);
    // 13. The defence out of trumps: cash a suit nobody else holds.
    if (card == 0 && out == 0) {
        for (int suit = 1; suit <= 4; ++suit)
            if (SideSuit(suit) && Len(p, suit) == 0 && Len(lho, suit) == 0 && Len(rho, suit) == 0 &&
                Len(s, suit) > 0)
                card = MyHighest(suit);
    }
    // 14.-17. Short-suit winners, a finesse, drawing trumps when nothing is left to ruff.
    bool shortSide = !plan.TrumpWorry || p == plan.ShortTrumpHand || plan.ShortTrumpHand == 0;
    if (card == 0 && shortSide) card = ShortSuitWinner(0);
    if (card == 0) card = FinesseOrEstablish(0, p, 0);
    if (card == 0 && MaxOpponentLength(t) <= OurCardsAbove(t, ho) && spare == 0 &&
        plan.RuffsInDummy == 0 && plan.RuffsInDeclarer == 0)
        card = std::max(TrumpPlay(), 0);
    if (card == 0 && shortSide) card = ShortSuitWinner(-1);
    // 18. Twelve trumps at the start and one out.
    if (card == 0 && plan.TrumpsAtStart == 12 && out == 1)
        card = (partTop > CardRank(MySecondLowest(t)) || partTop < ho) ? MyHighest(t) : MyLowest(t);
    // 19. A card found: play it.
    if (card != 0) {
        PlayDeclarerLead(s, card);
        return;
    }
    int best = BestSuit();
    // 20. No best suit but trumps to lead.
    if (best == 0 && Len(s, t) > 1 && CountSeen(s, t) < 13) {
        AddWhy("We found no best suit, we have some trump, but we have not seen them all, ");
        for (int suit = 1; suit <= 4 && card == 0; ++suit) {
            int f = FindFinesse(suit, 1);
            if (f != 0) {
                AddWhy("and " + SuitName(suit) + "has a finesse. ");
                card = f;
            }
        }
        if (card == 0 && Len(s, t) + Len(p, t) == out && Len(p, t) > 0) {
            for (int suit = 1; suit <= 4 && card == 0; ++suit)
                if (Len(s, suit) > 0 && Len(p, suit) == 0) {
                    card = Top(s, suit) > HighestOut(suit) ? MyHighest(suit) : MyLowest(suit);
                    AddWhy("and our partner is viod in " + SuitName(suit) + "but still has trump. ");
                }
        }
        if (card == 0) {
            if (partTop > ho && Len(p, t) < Len(s, t)) {
                AddWhy("and our partner`s highest trump is greater than the highest trump out and "
                       "our partner has less Trump than we do. ");
                card = MyLowest(t);
            } else if (ourTop > ho) {
                AddWhy("and our highest trump is greater than the highest trump out. ");
                card = MyHighest(t);
            } else if (CardRank(MySecondHighest(t)) > sho) {
                AddWhy("and our second highest trump is higher than the second highest trump out. ");
                card = MySecondHighest(t);
            } else {
                AddWhy("and our highest trump is not higher than the highest trump out. ");
                card = MyLowest(t);
            }
        }
    }
    // 21. The best suit: a finesse, unblocking, our winner, the last trump, or low.
    if (card == 0 && best != 0 && Len(s, best) > 0) {
        card = FindFinesse(best, 1);
        if (card != 0)
            AddWhy("Lead to the finesse. ");
        else if (CountSeen(s, best) <= 11)
            card = Unblock(best, 0);
        if (card == 0) {
            int hb = HighestOut(best);
            if (Top(s, best) > hb && Top(p, best) < hb && Len(p, best) < Len(s, best)) {
                AddWhy("We have the high card, let`s take it. ");
                card = MyHighest(best);
            } else if (((out == 2 && !shownOut) || out == 1) && (ourTop > ho || partTop > ho) &&
                       Len(s, t) > 0) {
                AddWhy("We think we can get there last trump. ");
                if (ourTop > ho) {
                    AddWhy("We can win so go high. ");
                    card = MyHighest(t);
                } else {
                    AddWhy("We cant win so go low. ");
                    card = MyLowest(t);
                }
            } else {
                AddWhy("Play lowest in the bestsuit. ");
                card = MyLowest(best);
            }
        }
    }
    if (card != 0) {
        PlayDeclarerLead(s, card);
        return;
    }
    // 22. Nothing found: the end game takes over.
    AddWhy("We found no play in Cross Ruff so off to end game.");
    G.DeclarerPlan = 4;
    PlayEndGame();
}

}  // namespace kestrel
