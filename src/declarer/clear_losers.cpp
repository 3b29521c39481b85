#include "declarer/clear_losers.h"

#include <algorithm>
#include <string>

#include "core/cards.h"
#include "core/state.h"
#include "declarer/shorthand.h"
#include "core/text.h"
#include "declarer/end_game.h"
#include "declarer/plan.h"
#include "declarer/trumps.h"
#include "play/high_cards_out.h"
#include "play/knowledge.h"

namespace kestrel {

using namespace shorthand;

namespace {

int& Losers(int seat, int suit) { return G.SuitInfo[seat][suit].Losers; }

// Cash ours and lead to partner's, the hand with fewer ways back first.
int CashByEntries() {
    int s = Me(), p = Partner();
    int card = 0;
    if (EntryCount(p, 0) < EntryCount(s, 0)) {
        card = CashWinners(0);
        if (card == 0) card = LeadToPartnerWinner(0);
    } else {
        card = LeadToPartnerWinner(0);
        if (card == 0) card = CashWinners(0);
    }
    return card;
}

}  // namespace

void CountLosers() {
    int s = Me(), p = Partner(), t = G.TrumpSuit;
    // Only the declaring side counts its losers.
    if (!OnOffense(s)) return;
    bool nt = NoTrumpContract();
    for (int suit = 1; suit <= 4; ++suit) {
        if (!SideSuit(suit)) continue;
        Losers(s, suit) = Losers(p, suit) = 0;
        int shortHand = Len(p, suit) < Len(s, suit) ? p : s;
        int longHand = PartnerOf(shortHand);
        if (OutstandingCount(suit) == 0) continue;
        int ho = HighestOut(suit);
        int top = OurCardsAbove(suit, ho), second = OurCardsAbove(suit, SecondHighestOut(suit));
        int longest = MaxOpponentLength(suit);
        int longLen = Len(longHand, suit), shortLen = Len(shortHand, suit);
        if (top > 0) {
            // Top winners: the long hand's cards beyond them lose unless the defence runs out.
            if (longLen > top && longest > top) {
                if (shortLen > 0 && LowestRankOf(shortHand, suit) < ho)
                    Losers(shortHand, suit) = std::max(0, shortLen - top);
                else
                    Losers(longHand, suit) = longLen - top;
            }
        } else if (second > 0) {
            // The second best card: one trick to the highest out.
            if (!(second >= longLen || longest <= second)) Losers(longHand, suit) = longLen - second;
            for (int seat : {s, p}) {
                if (Len(seat, suit) == 1)
                    Losers(seat, suit) = 1;
                else if (Len(seat, suit) > 1)
                    Losers(seat, suit) += 1;
            }
        } else {
            // Nothing high: every card loses, three at most.
            Losers(s, suit) = std::min(Len(s, suit), 3);
            Losers(p, suit) = std::min(Len(p, suit), 3);
        }
    }
    if (nt) return;
    // Ruffs in the short hand take the long hand's losers.
    int longestTrumps = MaxOpponentLength(t);
    bool allTrumpsSeen = CountSeen(s, t) == 13;
    int spare[5] = {};
    for (int seat : {s, p})
        spare[seat] = allTrumpsSeen ? Len(seat, t) : std::max(0, Len(seat, t) - longestTrumps);
    for (int suit = 1; suit <= 4; ++suit) {
        if (suit == t) continue;
        if (Losers(s, suit) == 0 && Losers(p, suit) == 0) continue;
        int shortHand = Len(p, suit) < Len(s, suit) ? p : s;
        int longHand = PartnerOf(shortHand);
        int& sp = spare[shortHand];
        int ll = Losers(longHand, suit), sl = Losers(shortHand, suit);
        if (ll <= sl) continue;  // nothing to ruff
        if (sp > ll - sl) {
            sp -= ll - sl;
            Losers(longHand, suit) = sl;
        } else if (sl == 0) {
            Losers(longHand, suit) = ll - sp;
            sp = 0;
        } else {
            // The short hand's own losers come first; a ruff never adds a loser.
            Losers(longHand, suit) = std::min(ll, sl + (ll - sp));
            sp = std::max(0, sp - sl);
        }
    }
}

void CountSureWinners() {
    int s = Me();
    auto& plan = G.Plan;
    plan.MyCashCount = plan.PartnerCashCount = 0;
    for (int suit = 0; suit <= 4; ++suit) plan.MyCash[suit] = plan.PartnerCash[suit] = 0;
    for (int suit = 1; suit <= 4; ++suit) {
        int longLen = std::max(Len(s, suit), Len(Partner(), suit));
        int top = OurCardsAbove(suit, HighestOut(suit));
        int n = 0;
        if (OutstandingCount(suit) > 0 && top > 0)
            n = std::min(top, longLen);
        else if (OutstandingCount(suit) == 0)
            n = longLen;
        // Each of our top cards is one winner of the hand holding it.
        for (int k = n; k >= 1; --k) {
            if (HolderOfNthHighestOurs(suit, k) == s) {
                plan.MyCash[suit] = -1;
                ++plan.MyCashCount;
            } else {
                plan.PartnerCash[suit] = -1;
                ++plan.PartnerCashCount;
            }
        }
    }
    plan.MyWinners = plan.MyCashCount;
    plan.PartnerWinners = plan.PartnerCashCount;
}

int ClearLosersLead() {
    int s = Me(), p = Partner(), t = G.TrumpSuit;
    // The trump routine wants to draw trumps: let the plan lead them.
    std::string saved = G.WhyText;
    int trump = TrumpPlay();
    G.WhyText = saved;
    if (trump > 0) {
        G.Plan.NoFinesseThisTrick = 0;
        return 0;
    }
    CountLosers();
    // The facts the rules below ask about.
    bool a = false, d = false, e = false;
    int totalLosers = 0;
    for (int suit = 1; suit <= 4; ++suit) {
        if (suit == t) continue;
        int ls = Losers(s, suit), lp = Losers(p, suit);
        if (lp > 0) a = true;
        if (Len(p, suit) == 0) d = true;
        if (ls > 0 && lp > 0 && (Len(s, suit) - ls == 1 || Len(p, suit) - lp == 1)) e = true;
        totalLosers += std::max(ls, lp);
    }
    bool b = Len(p, t) > 0 || CountSeen(p, t) == 13;
    int card = 0;
    // A winner in a suit partner is void in: his losers go on it, or he ruffs.
    if (a || e) {
        if (a && b && d) {
            for (int suit = 1; suit <= 4; ++suit) {
                if (suit == t || Len(p, suit) != 0 || !SafeWinner(s, suit, -1, 0)) continue;
                int ho = HighestOut(suit), sho = SecondHighestOut(suit);
                if (Top(s, suit) > ho && CardRank(MyThirdHighest(suit)) > sho)
                    card = CardRank(MySecondHighest(suit)) > sho ? MySecondHighest(suit)
                                                                 : MyHighest(suit);
                else
                    card = MyHighest(suit);
                break;
            }
        }
    }
    // Partner can still ruff: cash into his void, or play a suit he holds a singleton in.
    if (card == 0 && a && Len(p, t) > 0) {
        if (a && b && d) {
            for (int suit = 1; suit <= 4; ++suit)
                if (suit != t && Len(p, suit) == 0 && Len(s, suit) > 0 &&
                    Top(s, suit) > HighestOut(suit) &&
                    (CountSeen(s, suit) < 12 || CountSeen(s, t) == 13))
                    card = MyHighest(suit);
        } else {
            for (int suit = 1; suit <= 4; ++suit) {
                if (suit == t || Len(p, suit) != 1 || CanFinesseTo(suit, 1) ||
                    !SafeWinner(s, suit, 0, 0) || CountSeen(s, suit) >= 10)
                    continue;
                AddWhy(SuitName(suit) + " is not trump, and our partner has only 1, we think they "
                                        "both still have some, and we will be able to sluff next "
                                        "time.");
                int ho = HighestOut(suit);
                if (Top(s, suit) > ho &&
                    ((Top(s, suit) > Top(p, suit) && Len(p, suit) > 1) || Top(p, suit) < ho)) {
                    AddWhy("Since we have highest unplayed card in this suit, let`s play it. ");
                    card = MyHighest(suit);
                } else {
                    AddWhy("Since our partner has the highest unplayed card in this suit, let`s "
                           "play low. ");
                    card = MyLowest(suit);
                }
                break;
            }
        }
    }
    // A trick to give: lose a loser now while trumps still control the hand.
    int spare = DefenceSpareTricks();
    if (card == 0 && a && spare > 0 && spare <= totalLosers - 1) {
        int opening = OpeningLeadSuit();
        for (int suit = 1; suit <= 4 && card == 0; ++suit) {
            if (suit == t || suit == opening || Len(s, suit) == 0) continue;
            if (OurCardsAbove(suit, HighestOut(suit)) > Len(p, suit) && SafeWinner(s, suit, 0, 0)) {
                bool partnerEqual = Top(p, suit) > Top(s, suit) ||
                                    CountOutBetween(suit, Top(s, suit), Top(p, suit)) == 0;
                card = partnerEqual ? MyLowest(suit) : MyHighest(suit);
            }
        }
        if (card == 0) {
            for (int suit = 1; suit <= 4; ++suit) {
                if (suit == t) continue;
                if (!(Losers(s, suit) == 1 || Losers(p, suit) > 0) || CountSeen(s, suit) <= 7) continue;
                bool between = CountOutBetween(suit, Top(s, suit), Top(p, suit)) == 0;
                if (Len(s, suit) == 1) {
                    if (!(Top(s, suit) > Top(p, suit) || between)) card = MyHighest(suit);
                } else if (Len(p, suit) == 1 && Len(s, suit) > 0) {
                    if (Top(p, suit) > Top(s, suit) || between) card = MyLowest(suit);
                }
            }
        }
    }
    return card;
}

void PlayNoTrump() {
    int s = Me(), p = Partner();
    G.WhyText.clear();
    CountSureWinners();
    int need = CallLevel(G.Contract) + 6, ours = RelativeTricks(1);
    int sure = G.Plan.MyWinners + G.Plan.PartnerWinners + ours;
    int card = 0;
    if (DefenceSpareTricks() > 0 && G.TricksPlayed < 8 && sure < need) {
        // Knock out their stoppers while we can afford it: our honours in sequence.
        for (int suit = 1; suit <= 4 && card == 0; ++suit) {
            int ho = HighestOut(suit), sho = SecondHighestOut(suit);
            if (OurCardsAbove(suit, ho) == 0 && OurCardsAbove(suit, sho) >= Len(s, suit) &&
                Top(s, suit) > sho && Len(s, suit) > 1) {
                AddWhy("We need to lose our losers early. ");
                card = MyHighest(suit);
            }
        }
        for (int suit = 1; suit <= 4 && card == 0; ++suit) {
            int ho = HighestOut(suit), sho = SecondHighestOut(suit);
            if (OurCardsAbove(suit, ho) == 0 && OurCardsAbove(suit, sho) >= Len(p, suit) &&
                Top(s, suit) > sho && Len(s, suit) > 1 && Len(p, suit) > 1) {
                AddWhy("We need to lose our losers early. ");
                card = MyHighest(suit);
            }
        }
        if (card == 0) {
            // Losers in both hands under partner's honours: give the trick up now.
            CountLosers();
            for (int suit = 1; suit <= 4 && card == 0; ++suit) {
                if (Losers(s, suit) == 0 || Losers(p, suit) == 0) continue;
                int r1 = NthHighestOurs(suit, 1), r2 = NthHighestOurs(suit, 2);
                bool partnersTop = HolderOfNthHighestOurs(suit, 1) == p ||
                                   (HolderOfNthHighestOurs(suit, 2) == p &&
                                    CountOutBetween(suit, r1, r2) == 0);
                if (!partnersTop) continue;
                AddWhy("We need to lose our losers early. ");
                int p2 = PartnerSecondHighestRank(suit);
                if (CountOutBetween(suit, LowestRankOf(s, suit), p2) == 0 &&
                    CountOutBetween(suit, CardRank(MySecondHighest(suit)), p2) > 0)
                    card = MySecondHighest(suit);
                else
                    card = MyLowest(suit);
            }
        }
    } else if (sure >= need) {
        // The sure tricks make the contract: cash them.
        G.Plan.NoFinesseThisTrick = -1;
        card = CashOutOurWinners();
        G.DeclarerPlan = 4;
    }
    if (card == 0 && G.DeclarerPlan == 1) {
        AddWhy("Long Suit Est. \r\n");
        int ls = G.Plan.NoTrumpLongSuit;
        if (ls >= 1 && ls <= 4 && Len(s, ls) > 0) {
            // We hold the long suit: finesse in it, or gain control of another suit first.
            card = FindFinesse(ls, 1);
            if (card != 0) {
                AddWhy("can finesse in our longsuit");
            } else {
                for (int suit = 4; suit >= 1 && card == 0; --suit) {
                    if (suit == ls || Len(s, suit) == 0) continue;
                    if (OurCardsAbove(suit, SecondHighestOut(suit)) <= MaxOpponentLength(suit)) continue;
                    card = FindFinesse(suit, 1);
                    if (card != 0) {
                        AddWhy("We found a finesse in a suit where we must gain control. ");
                    } else {
                        AddWhy("We found no finesse but we must gain control of this suit. ");
                        card = Unblock(suit, -1);
                    }
                }
                for (int suit = 4; suit >= 1 && card == 0; --suit) {
                    if (suit == ls || Len(s, suit) < 2 || Len(p, suit) < 2) continue;
                    if (CountOutBetween(suit, PartnerHighestRank(suit), PartnerSecondHighestRank(suit)) != 1 ||
                        CountOutBetween(suit, Top(s, suit), CardRank(MySecondHighest(suit))) != 1)
                        continue;
                    card = FindFinesse(suit, 1);
                    if (card == 0) card = MySecondHighest(suit);
                    AddWhy("We found a finesse in a suit where we have control and our partner can "
                           "finesse back to us. ");
                }
                for (int suit = 4; suit >= 1 && card == 0; --suit) {
                    if (suit == ls || Len(s, suit) == 0 || Len(p, suit) < 2) continue;
                    if (CountOutBetween(suit, PartnerHighestRank(suit), PartnerSecondHighestRank(suit)) != 1)
                        continue;
                    card = FindFinesse(suit, 1);
                    if (card != 0) AddWhy("We found a finesse. ");
                }
                if (card == 0) {
                    AddWhy("can not finesse in our longsuit, so play our highest");
                    card = Unblock(ls, -1);
                }
            }
            PlayDeclarerLead(s, card);
            return;
        }
        if (ls >= 1 && ls <= 4 && Len(p, ls) > 0) {
            // Partner holds the rest of the long suit: find a way over to him.
            AddWhy("We are out of the long suit. ");
            for (int suit = 1; suit <= 4; ++suit) {
                if (Top(p, suit) <= HighestOut(suit) || Len(s, suit) == 0) continue;
                if (Len(s, suit) == 2 && Top(s, suit) > HighestOut(suit) && Len(p, suit) > Len(s, suit)) {
                    AddWhy("Making transportation to our partner. ");
                    card = MyHighest(suit);
                } else {
                    AddWhy("We found transportation to our partner. ");
                    card = MyLowest(suit);
                }
            }
            if (card == 0) {
                AddWhy("We can not find transportation to our partner. ");
                G.DeclarerPlan = 4;
                PlayEndGame();
                return;
            }
            PlayDeclarerLead(s, card);
            return;
        }
        G.DeclarerPlan = 4;
        PlayEndGame();
        return;
    }
    if (card == 0 && G.DeclarerPlan == 3) {
        int left = CardsLeft();
        // No way back to our hand: cash first.
        if (EntryCount(p, 0) == 0) card = CashWinners(0);
        if (card == 0) {
            if (G.Plan.MyWinners == left) {
                AddWhy("We can see to the end and the winners are all ours ");
                card = CashWinners(-1);
            } else if (G.Plan.PartnerWinners == left) {
                AddWhy("We can see to the end and the winners are all his ");
                card = LeadToPartnerWinner(-1);
            } else if (G.Plan.MyWinners + G.Plan.PartnerWinners >= left - 1) {
                card = CashByEntries();
            }
        }
        int opening = OpeningLeadSuit();
        // Partner's finesse: his second card just under the highest out.
        for (int suit = 1; suit <= 4 && card == 0; ++suit) {
            if (!G.Plan.PartnerCash[suit] || Len(s, suit) == 0 || suit == opening) continue;
            int ho = HighestOut(suit), p2 = PartnerSecondHighestRank(suit);
            if (Len(p, suit) > 1 && p2 < ho && CountOutBetween(suit, p2, ho) == 0) {
                AddWhy("lead to our partner`s finesse. ");
                card = MyLowest(suit);
            }
        }
        // One card above partner's top: lead to get control of the suit.
        for (int suit = 1; suit <= 4 && card == 0; ++suit) {
            if (suit == opening || Len(s, suit) == 0) continue;
            if (OpponentCardsAbove(suit, NthHighestOurs(suit, 1)) == 1 &&
                OpponentCardsAbove(suit, NthHighestOurs(suit, 3)) < 3 &&
                HolderOfNthHighestOurs(suit, 1) == p) {
                AddWhy("lead to get control of this suit. ");
                card = NextLowerCard(suit, SecondHighestOut(suit));
            }
        }
        if (card == 0) card = CashByEntries();
        if (card != 0) {
            PlayDeclarerLead(s, card);
            return;
        }
        AddWhy("\r\n");
        PlayHighCardsAndOut();
        return;
    }
    if (card != 0)
        PlayDeclarerLead(s, card);
    else
        PlayEndGame();
}

}  // namespace kestrel
