#include "declarer/long_suit.h"

#include <string>

#include "core/cards.h"
#include "core/state.h"
#include "declarer/shorthand.h"
#include "core/text.h"
#include "declarer/clear_losers.h"
#include "declarer/cross_ruff.h"
#include "declarer/end_game.h"
#include "declarer/plan.h"
#include "declarer/trumps.h"
#include "play/knowledge.h"

namespace kestrel {

using namespace shorthand;

namespace {


// Entries between the two hands, counted at the start of each lead.
int EntriesToPartner = 0;
int EntriesToUs = 0;

}  // namespace

int LongSuitRules(int mode, int hand, int flag) {
    int s = Me(), p = Partner(), t = G.TrumpSuit;
    for (int suit = 1; suit <= 4; ++suit) {
        if (!SideSuit(suit) || Len(s, suit) == 0) continue;
        int ho = HighestOut(suit);
        // Our side holds the top card; an unled suit unless the flag is clear; a singleton for
        // mode -1.
        if (Top(s, suit) <= ho && Top(p, suit) <= ho) continue;
        if (flag != 0 && SuitLedBefore(suit)) continue;
        if (mode == -1 && Len(s, suit) != 1 && Len(p, suit) != 1) continue;
        std::string prefix = flag == -1 ? SuitName(suit) + "has never been lead and it "
                                        : SuitName(suit);
        if (hand == p) {
            // Partner's suit: finesse, unblock, lead to his winner, or our top card.
            AddWhy(prefix);
            int f = FindFinesse(suit, 1);
            if (f != 0) {
                AddWhy("found finesse ");
                return f;
            }
            int u = Unblock(suit, 0);
            if (u != 0) {
                AddWhy("unblock suit ");
                return u;
            }
            if (Top(p, suit) > ho && CanFinesseTo(suit, 1)) {
                AddWhy("partner`s highest is greater than the highest out and he can finesse back "
                       "to us ");
                return MyLowest(suit);
            }
            AddWhy("partner`s highest in not greater than the highest out or he can not finesse "
                   "back to us, and we could not finesse or unblock this suit, ");
            return MyHighest(suit);
        }
        if (EntriesToPartner > 1 || Len(s, suit) != 2) {
            // A finesse into the suit, else clear its top cards out of the way.
            int f = FindFinesse(suit, 1);
            if (f != 0) {
                AddWhy(prefix + " is our suit to establish, and we have found finesse. ");
                return f;
            }
            if (!CanFinesseTo(suit, 1)) {
                int u = Unblock(suit, 0);
                if (u != 0) {
                    AddWhy(prefix +
                           " is our suit to establish, and we found no finesse, so unblock suit. ");
                    return u;
                }
            }
        } else {
            // A doubleton and few entries to partner: unblock it now.
            int u = Unblock(suit, -1);
            AddWhy("we have exactly 2 and limited entries into our partner`s hand, unblock suit ");
            return u;
        }
        // Partner's winners and the way back to us.
        if (Top(p, suit) > ho && CanFinesseTo(suit, 1)) {
            AddWhy("our partner`s highest is higher than the highest out and he can finesse back "
                   "to us. ");
            return MyLowest(suit);
        }
        if (Len(p, suit) == 1 && Top(p, suit) > ho && Len(s, suit) > 1 &&
            OutstandingCount(suit) == 0 && OutstandingCount(t) == 0) {
            AddWhy("these are good. ");
            return MyHighest(suit);
        }
        if (Len(p, suit) == 2 && PartnerLowestRank(suit) > ho) {
            AddWhy("our partner`s highest is higher than the highest out and he can finesse back "
                   "to us. ");
            return MyLowest(suit);
        }
        if (Len(p, suit) == 1 && Top(p, suit) > ho) {
            AddWhy("our partner`s highest is higher than the highest out and he only has one. ");
            return MyLowest(suit);
        }
        if (!CanFinesseTo(suit, 1)) {
            AddWhy("our partner`s highest is not higher than the highest out or he can not finesse "
                   "back to us and we can not finesse to him. ");
            return MyHighest(suit);
        }
    }
    return 0;
}

int LongSuitTrumps() {
    int s = Me(), p = Partner(), t = G.TrumpSuit;
    int card = 0;
    if (EntryCount(s, 0) == 0 && EntriesToPartner == 1 &&
        PartnerSecondHighestRank(t) < CardRank(MySecondLowest(t))) {
        // Partner's only entry is a trump: keep it, no trump lead.
        AddWhy("Trump is not no trump, our partner`s only entry is in trump.  ");
        return 0;
    }
    if (Len(s, t) > 0) {
        // Draw trumps.
        card = TrumpPlay();
        if (card > 0) {
            AddWhy("Trump is not no trump and ");
            AddWhy(EntriesToPartner == 0 ? "our partner has no entries."
                                         : "our partner has at least one non trump entry. ");
        } else if (CountSeen(s, t) == 13 && EntriesToUs < 2) {
            // Trumps drawn and few ways back: run partner's long suit from our side.
            int found = 0;
            for (int suit = 1; suit <= 4; ++suit) {
                if (!SideSuit(suit) || G.Plan.ShortHandOf[suit] != p) continue;
                int ho = HighestOut(suit);
                int c = 0;
                if (Top(s, suit) > ho)
                    c = MyHighest(suit);
                else if (Top(p, suit) > ho || (Len(p, suit) == 0 && Len(p, t) > 0))
                    c = MyLowest(suit);
                if (c != 0) found = c;
            }
            if (found != 0) card = found;
        }
    } else {
        // No trumps in our hand: cash a safe winner.
        card = CashSafeWinner();
    }
    // Our only entry back is a trump: work on partner's suit.
    if (card == 0 && EntryCount(p, 0) == 0 && EntriesToUs == 1) card = LongSuitRules(0, p, 0);
    return card;
}

void PlayLongSuit() {
    int s = Me(), p = Partner(), t = G.TrumpSuit;
    G.WhyText = "Long Suit Est.\r\n";
    EntriesToPartner = EntryCount(s, -1);
    EntriesToUs = EntryCount(p, -1);
    // No Trump has its own lead routine.
    if (NoTrumpContract()) {
        PlayNoTrump();
        return;
    }
    // Trumps first.
    int card = LongSuitTrumps();
    // Trumps drawn and we are the short hand of the one long suit: cash a winner.
    if (card == 0 && CountSeen(s, t) == 13) {
        int roles = 0, roleSuit = 0;
        for (int suit = 1; suit <= 4; ++suit)
            if (SideSuit(suit) && G.Plan.ShortHandOf[suit] != 0) ++roles, roleSuit = suit;
        if (roles == 1 && G.Plan.ShortHandOf[roleSuit] == s) card = CashSafeWinner();
    }
    // The long suits: singletons first, unled suits first, our hand before partner's.
    static const int order[8][3] = {{-1, 0, -1}, {0, 0, -1}, {-1, 1, -1}, {0, 1, -1},
                                    {-1, 0, 0},  {0, 0, 0},  {-1, 1, 0},  {0, 1, 0}};
    for (int i = 0; i < 8 && card == 0; ++i)
        card = LongSuitRules(order[i][0], order[i][1] == 0 ? s : p, order[i][2]);
    // A finesse to partner in any side suit.
    for (int suit = 1; suit <= 4 && card == 0; ++suit) {
        if (!SideSuit(suit) || Len(s, suit) == 0) continue;
        int f = FindFinesse(suit, 1);
        if (f != 0) {
            AddWhy(SuitName(suit) + "is not trump, and we can finesse to our partner ");
            card = f;
        }
    }
    // Partner holds the top card: lead our highest below the highest out.
    for (int suit = 1; suit <= 4 && card == 0; ++suit) {
        if (!SideSuit(suit) || Len(s, suit) == 0) continue;
        int ho = HighestOut(suit);
        if (Top(p, suit) > ho) {
            AddWhy(SuitName(suit) +
                   "is not trump, and our partner has the highest, so lead the highest under the "
                   "highest out ");
            card = NextLowerCard(suit, ho);
        }
    }
    // We hold the long side of a suit whose short hand is partner.
    if (card == 0) {
        for (int suit = 1; suit <= 4; ++suit) {
            if (!SideSuit(suit) || Len(s, suit) == 0 || G.Plan.ShortHandOf[suit] != p) continue;
            int ho = HighestOut(suit), sho = SecondHighestOut(suit);
            int c = 0;
            if (Top(p, suit) > ho && EntriesToUs > 1)
                c = MyLowest(suit);
            else if (Top(s, suit) > ho)
                c = MyHighest(suit);
            else if (Top(p, suit) > sho)
                c = MyLowest(suit);
            else if (Top(s, suit) > sho)
                c = MySecondHighest(suit);
            if (c != 0) card = c;
        }
    }
    if (card > 0) {
        PlayDeclarerLead(s, card);
        return;
    }
    // The trump routine switched the plan to Cross Ruff.
    if (card == -1 && G.DeclarerPlan == 2) {
        PlayCrossRuff();
        return;
    }
    // Nothing to lead: the cross ruff if it takes every trick left, else the end game.
    AddWhy("No lead in Long Suit est so off to end game");
    CountCrossRuff();
    if (G.Plan.MyWinners + G.Plan.PartnerWinners >= CardsLeft()) {
        G.DeclarerPlan = 2;
        PlayCrossRuff();
    } else {
        G.DeclarerPlan = 4;
        PlayEndGame();
    }
}

}  // namespace kestrel
