#include "declarer/end_game.h"

#include <algorithm>
#include <string>

#include "core/cards.h"
#include "core/state.h"
#include "declarer/shorthand.h"
#include "core/text.h"
#include "declarer/plan.h"
#include "declarer/trumps.h"
#include "play/knowledge.h"

namespace kestrel {

using namespace shorthand;

namespace {


// The end-game state, taken afresh at every End Game lead.
struct EndGameState {
    int entriesToUs = 0;
    int myTopTrump = 0, partnerTopTrump = 0;
    int myTrumps = 0, partnerTrumps = 0;
    int trumpsOut = 0, longestTrumpsOut = 0;
    bool partnerLosers[5] = {};
};
EndGameState E;

}  // namespace

void TakeTrumpState() {
    int s = Me(), p = Partner(), t = G.TrumpSuit;
    E.entriesToUs = EntryCount(p, -1);
    bool nt = NoTrumpContract();
    E.myTopTrump = nt ? 0 : Top(s, t);
    E.partnerTopTrump = nt ? 0 : Top(p, t);
    E.myTrumps = nt ? 0 : Len(s, t);
    E.partnerTrumps = nt ? 0 : Len(p, t);
    E.trumpsOut = nt ? 0 : OutstandingCount(t);
    E.longestTrumpsOut =
        nt ? 0 : (DefenderShownOut(t) ? E.trumpsOut : E.trumpsOut / 2 + E.trumpsOut % 2);
}

namespace {

// The suit's card for a suit every hand may hold: partner's winner unblocked, else our top.
int CashOrUnblock(int suit) {
    return Top(Partner(), suit) > HighestOut(suit) ? Unblock(suit, -1) : MyHighest(suit);
}

// Our cash suit that partner does not need to win himself.
bool OursToCash(int suit) {
    return G.Plan.MyCash[suit] && Len(Me(), suit) > 0 &&
           (!G.Plan.PartnerCash[suit] || Len(Partner(), suit) > 1);
}

// The three ways of ranking partner's holding against ours, shared by the one-suit rules.
int CompareTops(int suit, const char* higher, const char* same, const char* ours) {
    int s = Me(), p = Partner();
    if (Top(p, suit) > Top(s, suit)) {
        AddWhy(higher);
        return MyLowest(suit);
    }
    if (CountOutBetween(suit, Top(s, suit), Top(p, suit)) == 0) {
        AddWhy(same);
        return MyLowest(suit);
    }
    AddWhy(ours);
    return MyHighest(suit);
}

int OnlySuitLeft(int suit) {
    int s = Me(), p = Partner();
    int ho = HighestOut(suit);
    AddWhy(SuitName(suit) + "is the only suit in which we have any left.");
    // A finesse still works with the last suit.
    int f = FindFinesse(suit, 1);
    if (f != 0) {
        AddWhy("We found finesse. ");
        return f;
    }
    // Partner's winner is reached with our low card.
    if (Len(p, suit) < Len(s, suit) && Top(p, suit) > ho) {
        AddWhy("Our partner has less than we do and his highest is higher than our highest. ");
        return MyLowest(suit);
    }
    // Our own winner.
    if (Top(s, suit) > ho) {
        AddWhy("Our highest is higher than the highest out. ");
        return MyHighest(suit);
    }
    // Nothing wins: keep the top card back.
    AddWhy("We don`t have the highest card in the suit, so lead our second highest. ");
    return MySecondHighest(suit);
}

int AnySuit(bool high) {
    for (int suit = 1; suit <= 4; ++suit)
        if (Len(Me(), suit) > 0) {
            AddWhy("any suit will do ");
            return high ? MyHighest(suit) : MyLowest(suit);
        }
    return 0;
}

int TwoCardsLeft() {
    int t = G.TrumpSuit;
    int card = 0;
    if (E.partnerTrumps > 0) {
        // Partner can ruff: cash what we have.
        AddWhy("We have 2 cards and some trump our partner has trump ");
        card = CashWinners(-1);
    } else {
        AddWhy("We have 2 cards and some trump ");
        if (E.myTopTrump > HighestOut(t) && E.trumpsOut > 0) {
            // Our trump draws theirs.
            AddWhy("our partner has no trump, and our highest trump is higher than the highest "
                   "out trump");
            card = MyHighest(t);
        } else {
            AddWhy("our partner has no trump, and our highest trump is lower than the highest out "
                   "trump, so lead low trump anyway?");
            card = CashWinners(-1);
            if (card == 0) card = AnySuit(false);
        }
    }
    if (card == 0) card = AnySuit(true);
    return card;
}

int AllTrumpsOurs() {
    if (E.myTrumps != CardsLeft() && E.partnerTrumps != CardsLeft()) return 0;
    // One hand is all trumps: every card wins.
    for (int suit = 1; suit <= 4; ++suit)
        if (Len(Me(), suit) > 0) {
            AddWhy("They have no trump one of us has all trump, play anything");
            return MyHighest(suit);
        }
    return 0;
}

int FinesseAnywhere(int gap, bool withTrumps) {
    for (int suit = 1; suit <= 4; ++suit) {
        if (!SideSuit(suit) || Len(Me(), suit) == 0) continue;
        int f = FindFinesse(suit, gap);
        if (f != 0) return f;
    }
    if (withTrumps && !NoTrumpContract()) return FindFinesse(G.TrumpSuit, gap);
    return 0;
}

int SeeToTheEnd() {
    int s = Me(), p = Partner(), t = G.TrumpSuit;
    AddWhy("We can see to the end and between us we have less than 2 losers ");
    int card = 0;
    if (!NoTrumpContract()) {
        // Our trumps beat theirs: cash them first.
        if (E.trumpsOut > 0 && E.myTopTrump > HighestOut(t)) card = CashWinners(-1);
        if (card == 0) card = CashOutOurWinners();
        return card;
    }
    // No Trump: cash where the entries allow it.
    int e1 = EntryCount(s, 0), e2 = EntryCount(p, 0);
    if (e1 == 1 && e2 == 1) {
        card = CashWinners(0);
        if (card == 0) card = LeadToPartnerWinner(0);
    } else if (e1 == 0 && e2 == 1) {
        card = CashWinners(0);
    } else if (e2 == 1) {
        card = CashWinners(0);
    } else if (e1 == 1) {
        card = LeadToPartnerWinner(0);
    } else {
        card = CashWinners(0);
    }
    return card;
}

}  // namespace

int CashOutOurWinners() {
    int s = Me();
    int card = 0;
    // Enough ways to partner: unblock a suit both of us can cash.
    if (EntryCount(s, 0) > 1) {
        for (int suit = 1; suit <= 4 && card == 0; ++suit)
            if (G.Plan.MyCash[suit] && G.Plan.PartnerCash[suit] && Len(s, suit) > 0)
                card = Unblock(suit, -1);
    }
    if (card == 0) card = CashWinners(0);
    if (card == 0) card = LeadToPartnerWinner(0);
    if (card == 0) card = CashWinners(0);
    // Any suit of ours that wins.
    for (int suit = 1; suit <= 4 && card == 0; ++suit)
        if (OursToCash(suit)) {
            card = CashOrUnblock(suit);
            AddWhy("winning suit, play away");
        }
    return card;
}

int FewTrumpsOut() {
    int s = Me(), p = Partner(), t = G.TrumpSuit;
    bool nt = NoTrumpContract();
    int lho = PlayerAt(s, 1), rho = PlayerAt(s, -1);
    AddWhy(E.trumpsOut == 0 ? "They have no trump " : "They have one trump ");
    int sideHeld = 0, only = 0;
    for (int suit = 1; suit <= 4; ++suit)
        if (SideSuit(suit) && Len(s, suit) > 0) ++sideHeld, only = suit;

    // A finesse anywhere, trumps included.
    int card = FinesseAnywhere(1, true);

    // A suit partner can finesse back into: lead to his winner or his trumps.
    for (int suit = 1; suit <= 4 && card == 0; ++suit) {
        if (!SideSuit(suit) || Len(s, suit) == 0 || !CanFinesseTo(suit, 1)) continue;
        int target = 0;
        std::string saved = G.WhyText;
        int lead = LeadToPartnerWinner(0);
        G.WhyText = saved;
        if (lead > 0) {
            target = CardSuit(lead);
            AddWhy(SuitName(suit) +
                   "because we can lead our partner`s high card and he can finesse back to us");
        } else if (!nt && (Len(s, t) > 1 || (Len(p, t) > 1 && Len(s, t) > 0)) &&
                   Top(p, t) > HighestOut(t)) {
            target = t;
            AddWhy(SuitName(t) + "we will still have at least one left in one hand or the other ");
        }
        if (target != 0) {
            if (Top(p, target) > HighestOut(target)) {
                AddWhy("and he has the highest out ");
                card = MyLowest(target);
            } else if (Len(p, target) > 0) {
                if (CardRank(MySecondLowest(target)) < PartnerSecondHighestRank(target)) {
                    AddWhy("and he has at least one and his second highest is higher than our "
                           "second lowest ");
                    card = MySecondLowest(target);
                } else {
                    AddWhy("and he has at least one and but his second highest is not higher than "
                           "our second lowest ");
                    card = MyHighest(target);
                }
            } else {
                AddWhy("are partner has none of these");
                card = MyHighest(target);
            }
        }
        break;  // only the first such suit is examined
    }

    // Winners we hold, then partner's, where the defence has not shown out.
    static const char* reasons[3][2] = {
        {"we have the highest and we don`t think they can trump and the suits been lead",
         "we has the highest and we don`t think they can trump"},
        {"he have the highest and we don`t think they can trump and the suits been lead",
         "he has the highest and we don`t think they can trump"},
        {"he has the highest and we don`t think they can trump and the suits been lead and trump "
         "= NT",
         "he has the highest and we don`t think they can trump and trump = NT"}};
    for (int pass = 0; pass < 3 && card == 0; ++pass) {
        if (pass == 2 && !nt) break;
        int chosen = 0;
        bool chosenLed = false;
        for (int suit = 1; suit <= 4; ++suit) {
            if (!SideSuit(suit) || Len(s, suit) == 0) continue;
            int ho = HighestOut(suit);
            if (pass == 0 ? Top(s, suit) <= ho : Top(p, suit) <= ho) continue;
            bool ok;
            if (pass < 2)
                ok = !(KnownVoid(lho, suit) && !KnownVoid(lho, t)) &&
                     !(KnownVoid(rho, suit) && !KnownVoid(rho, t));
            else
                ok = !KnownVoid(lho, suit) && !KnownVoid(rho, suit);
            if (!ok) continue;
            if (SuitLedBefore(suit)) {
                chosen = suit;
                chosenLed = true;
            } else if (chosen == 0) {
                chosen = suit;
            }
        }
        if (chosen == 0) continue;
        std::string reason = SuitName(chosen) + reasons[pass][chosenLed ? 0 : 1];
        int ho = HighestOut(chosen);
        int f = FindFinesse(chosen, 1);
        if (f != 0) {
            AddWhy(reason);
            AddWhy("found finesse");
            card = f;
        } else if (Top(s, chosen) > ho) {
            AddWhy(reason);
            AddWhy("we have the highest");
            card = MyHighest(chosen);
        } else if (Len(s, chosen) > 0 && Top(p, chosen) > ho) {
            AddWhy(reason);
            AddWhy("he has the highest");
            card = MyLowest(chosen);
        }
    }

    // One side suit left: partner ruffs it, or our trumps decide.
    if (card == 0 && sideHeld == 1) {
        int ho = HighestOut(only);
        if (E.trumpsOut == 0 && Len(p, only) == 0 && Len(p, t) > 0 && EntryCount(p, -1) > 0) {
            if (Top(s, only) > ho) {
                AddWhy("We only have one non trump card and we have a winner. ");
                card = MyHighest(only);
            } else {
                AddWhy("We only have one non trump card and our partner is out and has trump and "
                       "the defense is out of trump. ");
                card = MyLowest(only);
            }
        } else if (Len(s, t) > 0 && Len(s, only) == 1 && Top(s, only) < ho) {
            int hot = HighestOut(t);
            if (Top(s, t) > hot) {
                AddWhy("We only have one non trump card save for last, and we have a winner in "
                       "trump. ");
                card = MyHighest(t);
            } else if (Top(p, t) > hot) {
                AddWhy("We only have one non trump card save for last, and our partner has a "
                       "winner in trump. ");
                card = MyLowest(t);
            } else {
                AddWhy("We only have one non trump card save for last, and we neither of us have "
                       "a winner in trump. ");
                card = MySecondHighest(t);
            }
        }
    }

    // Partner's second and fourth best: lead through the defenders towards him.
    if (card == 0) {
        for (int suit = 1; suit <= 4; ++suit) {
            if (!SideSuit(suit) || Len(s, suit) == 0 || Len(p, suit) < 2) continue;
            if (OpponentCardsAbove(suit, Top(p, suit)) == 1 &&
                OpponentCardsAbove(suit, PartnerSecondHighestRank(suit)) == 2 &&
                Top(s, suit) < HighestOut(suit)) {
                AddWhy("and our partner has the second and fourth highest unplayed cards in this "
                       "suit. Our only hope is that they are in front of him and we lead to him. ");
                card = MyHighest(suit);
            }
        }
    }

    // The only side suit: by the two tops.
    if (card == 0 && sideHeld == 1) {
        AddWhy(SuitName(only) + "because it is the only non trump suit ");
        if (Len(p, only) == 1 && Top(s, only) < HighestOut(only)) {
            AddWhy("he only has one and our highest is less than the highest out ");
            card = MyLowest(only);
        } else {
            card = CompareTops(only, "his highest is higher than our highest",
                               "his highest is the same as our highest",
                               "our highest is higher than his highest");
        }
    }

    // A suit that may leave one of us void.
    if (card == 0) {
        for (int suit = 1; suit <= 4 && card == 0; ++suit) {
            if (!SideSuit(suit) || Len(s, suit) == 0) continue;
            int out = OutstandingCount(suit);
            int longest = DefenderShownOut(suit) ? out : out / 2 + out % 2;
            if (Len(s, suit) < longest && Len(s, t) > 0)
                AddWhy(SuitName(suit) + "because it is not trump and we might get to a void ");
            else if (Len(p, suit) < longest && Len(p, t) > 0)
                AddWhy(SuitName(suit) + "because it is not trump and he might get to a void ");
            else
                continue;
            if (Len(p, suit) == 1) {
                AddWhy("our partner only has one so go low?");
                card = MyLowest(suit);
            } else {
                card = CompareTops(suit, "his highest is higher than our highest",
                                   "his highest is the same as our highest",
                                   "our highest is higher than his highest");
            }
        }
        for (int suit = 1; suit <= 4 && card == 0; ++suit)
            if (Len(s, suit) > 1) {
                AddWhy("we are out of ideas, so go low in anything ");
                card = MyLowest(suit);
            }
    }
    return card;
}

namespace {

int TrumpsStillOut() {
    int s = Me(), p = Partner(), t = G.TrumpSuit;
    AddWhy("they have more than 1 trump ");
    int card = 0;
    if (E.entriesToUs == 0 && G.Plan.MyWinners > 0) {
        // No way back to our hand: take our winners now.
        AddWhy("we have no entries ");
        for (int suit = 4; suit >= 1 && card == 0; --suit)
            if (G.Plan.MyCash[suit] && Len(s, suit) > 0) {
                AddWhy("so take our winners ");
                card = MyHighest(suit);
            }
    } else {
        AddWhy("we still have entries to our hand ");
        // Partner's winners first.
        for (int suit = 4; suit >= 1 && card == 0; --suit)
            if (G.Plan.PartnerCash[suit] && Len(s, suit) > 0) {
                AddWhy("lead to partner`s winners");
                card = MyLowest(suit);
            }
        // Then a side suit of ours that wins.
        if (card == 0 && G.Plan.MyWinners > 0) {
            for (int suit = 4; suit >= 1 && card == 0; --suit) {
                if (!SideSuit(suit) || !G.Plan.MyCash[suit] || Len(s, suit) == 0) continue;
                AddWhy("a non trump winning suit");
                int f = FindFinesse(suit, 1);
                if (f != 0) {
                    AddWhy("found finesse");
                    card = f;
                } else {
                    card = MyHighest(suit);
                }
            }
        }
        // Then a suit in which partner has only losers.
        for (int suit = 4; suit >= 1 && card == 0; --suit)
            if (SideSuit(suit) && E.partnerLosers[suit] && Len(s, suit) > 0) {
                AddWhy("a non trump losing suit?");
                card = MyLowest(suit);
            }
    }
    if (card != 0) return card;
    // A suit partner can ruff while the defenders still follow: lead it low.
    for (int suit = 4; suit >= 1; --suit)
        if (Len(s, suit) > 0 && Len(p, suit) == 0 && !DefenderShownOut(suit) && Len(p, t) > 0) {
            AddWhy("we have some " + SuitName(suit) +
                   "but our partner is out and we don`t think they are");
            return -suit;
        }
    return 0;
}

int OutOfIdeas() {
    int s = Me();
    if (!NoTrumpContract() && Len(s, G.TrumpSuit) > 0) {
        AddWhy("outta ideas, try trump");
        return G.TrumpSuit;
    }
    for (int suit = 4; suit >= 1; --suit)
        if (Len(s, suit) > 0) {
            AddWhy("outta ideas, no trump, we have some of these spades to Club ");
            return suit;
        }
    return 0;
}

}  // namespace

void CountWinners() {
    int s = Me(), p = Partner(), t = G.TrumpSuit;
    auto& plan = G.Plan;
    bool nt = NoTrumpContract();
    plan.MyWinners = plan.PartnerWinners = 0;
    for (int suit = 0; suit <= 4; ++suit) {
        plan.MyCash[suit] = plan.PartnerCash[suit] = 0;
        E.partnerLosers[suit] = false;
    }
    int partnerTrumpsLeft = nt ? 0 : Len(p, t);
    int trumpsOut = nt ? 0 : OutstandingCount(t);
    int hot = nt ? 0 : HighestOut(t);
    for (int suit = 1; suit <= 4; ++suit) {
        if (!SideSuit(suit)) continue;
        int ho = HighestOut(suit);
        // The cards above everything out, in the hand that holds the suit's top card.
        for (int rank = 13; rank > ho; --rank) {
            if (SeatHolds(s, suit, rank) && (nt || !OpponentCanRuff(p, suit)) &&
                (Len(p, suit) == 0 || Top(p, suit) < Top(s, suit))) {
                ++plan.MyWinners;
                plan.MyCash[suit] = -1;
            }
            if (SeatHolds(p, suit, rank) && (nt || !OpponentCanRuff(s, suit)) &&
                (Len(s, suit) == 0 || Top(s, suit) < Top(p, suit))) {
                ++plan.PartnerWinners;
                plan.PartnerCash[suit] = -1;
            }
        }
        // A ruff in partner's hand.
        if (!nt && Len(p, suit) == 0 && partnerTrumpsLeft > 0) {
            bool safe = SafeWinner(s, suit, -1, -1) || SafeWinner(p, suit, -1, -1);
            if ((safe && Top(p, t) > hot) || (!safe && trumpsOut == 0)) {
                ++plan.PartnerWinners;
                --partnerTrumpsLeft;
                plan.PartnerCash[suit] = -1;
            }
        }
        if (Len(p, suit) > 0 && !plan.PartnerCash[suit]) E.partnerLosers[suit] = true;
    }
    if (nt) return;
    // Trumps.
    if (trumpsOut == 0) {
        if (partnerTrumpsLeft > 0 && Top(p, t) > LowestRankOf(s, t)) {
            ++plan.PartnerWinners;
            plan.PartnerCash[t] = -1;
        }
        if (Len(s, t) > partnerTrumpsLeft) {
            plan.MyWinners += Len(s, t);
            plan.MyCash[t] = -1;
        }
    } else if (OurCardsAbove(t, hot) == 0) {
        E.partnerLosers[t] = true;
    } else {
        if (Top(p, t) > hot) {
            ++plan.PartnerWinners;
            plan.PartnerCash[t] = -1;
        }
        if (Len(s, t) > partnerTrumpsLeft && !E.partnerLosers[t]) {
            plan.MyWinners += Len(s, t);
            plan.MyCash[t] = -1;
        }
    }
}

int CashWinners(int mode) {
    int s = Me(), t = G.TrumpSuit;
    if (!NoTrumpContract()) {
        auto trumps = [&]() {
            if (G.Plan.MyCash[t] && Len(s, t) > 0) {
                AddWhy("trump is our only winning suit ");
                return MyHighest(t);
            }
            return 0;
        };
        // Trumps first while more than one is out.
        if (mode == -1 && OutstandingCount(t) > 1) {
            int card = trumps();
            if (card != 0) return card;
        }
        // A side suit that wins.
        for (int suit = 1; suit <= 4; ++suit)
            if (suit != t && OursToCash(suit)) {
                AddWhy("winning suit, play away");
                return MyHighest(suit);
            }
        if (mode == -1) return trumps();
        return 0;
    }
    // No Trump: not the defence's suit until we have seen all of it.
    int opening = OpeningLeadSuit();
    for (int suit = 1; suit <= 4; ++suit) {
        if (!OursToCash(suit)) continue;
        if (suit == opening && CountSeen(s, suit) < 13) continue;
        int card = CashOrUnblock(suit);
        AddWhy("winning suit, play away");
        return card;
    }
    return 0;
}

int LeadToPartnerWinner(int mode) {
    int s = Me(), t = G.TrumpSuit;
    int rho = PlayerAt(s, -1);
    if (NoTrumpContract()) {
        int opening = OpeningLeadSuit();
        for (int suit = 1; suit <= 4; ++suit) {
            if (!G.Plan.PartnerCash[suit] || Len(s, suit) == 0 || suit == opening) continue;
            AddWhy("He can win in " + SuitName(suit));
            // One card above ours: try to pull it out with our top card.
            if (OpponentCardsAbove(suit, Top(s, suit)) == 1 && !KnownVoid(rho, suit)) {
                AddWhy(" let`s see if we can draw out a highcard. ");
                return MyHighest(suit);
            }
            return MyLowest(suit);
        }
        return 0;
    }
    for (int suit = 1; suit <= 4; ++suit)
        if (suit != t && G.Plan.PartnerCash[suit] && Len(s, suit) > 0) {
            AddWhy("He can win in " + SuitName(suit));
            return MyLowest(suit);
        }
    // Partner's trump winner.
    if (G.Plan.PartnerCash[t] && Len(s, t) > 0) {
        AddWhy("He can win in trump and we have some, Go low trump?");
        if (mode == -1 && OutstandingCount(t) > 1)
            AddWhy("trump is our partner`s winning suit and there are trump out ");
        return MyLowest(t);
    }
    return 0;
}

void PlayEndGame() {
    int s = Me(), t = G.TrumpSuit;
    bool nt = NoTrumpContract();
    // The state of the hands.
    TakeTrumpState();
    int suitsHeld = 0, onlySuit = 0;
    for (int suit = 1; suit <= 4; ++suit)
        if (Len(s, suit) > 0) ++suitsHeld, onlySuit = suit;
    int card = 0, fallback = 0;
    // One suit left, always so at the last trick.
    if (suitsHeld == 1) card = OnlySuitLeft(onlySuit);
    if (card == 0) CountWinners();
    // The last two cards, and a hand of nothing but trumps.
    if (card == 0 && !nt) {
        if (G.TricksPlayed == 11 && E.myTrumps > 0) card = TwoCardsLeft();
        if (card == 0 && E.trumpsOut == 0) card = AllTrumpsOurs();
    }
    // No way back to our hand in No Trump: cash now; in a suit contract the trump routine.
    if (card == 0) {
        if (nt) {
            E.trumpsOut = 0;
            if (E.entriesToUs == 0) card = CashWinners(0);
        } else {
            card = std::max(TrumpPlay(), 0);
        }
    }
    // The winners reach the contract: take them.
    if (card == 0 && (nt || E.trumpsOut <= OurCardsAbove(t, HighestOut(t)))) {
        int need = CallLevel(G.Contract) + 6, ours = RelativeTricks(1);
        if (G.Plan.MyWinners + ours >= need) {
            AddWhy("We can see to the end and the winners are all ours ");
            G.Plan.NoFinesseThisTrick = -1;
            card = CashWinners(-1);
        } else if (G.Plan.PartnerWinners + ours >= need) {
            AddWhy("We can see to the end and the winners are all his ");
            G.Plan.NoFinesseThisTrick = -1;
            card = LeadToPartnerWinner(-1);
        } else if (G.Plan.MyWinners + G.Plan.PartnerWinners + ours >= need) {
            G.Plan.NoFinesseThisTrick = -1;
            card = SeeToTheEnd();
        }
    }
    // By the trumps still out.
    if (card == 0 && !nt) {
        int r = E.trumpsOut < 2 ? FewTrumpsOut() : TrumpsStillOut();
        if (r < 0)
            fallback = -r;
        else
            card = r;
    }
    if (card == 0 && nt && fallback == 0) {
        card = CashWinners(0);
        if (card == 0) card = LeadToPartnerWinner(0);
    }
    if (card == 0 && fallback == 0) fallback = OutOfIdeas();
    // Play it; with nothing found, low in the fallback suit.
    if (card == 0) {
        AddWhy("go low");
        card = MyLowest(fallback);
    }
    PlayDeclarerLead(s, card);
}

}  // namespace kestrel
