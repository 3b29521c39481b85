#include "play/high_cards_out.h"

#include <string>

#include "core/cards.h"
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


// Partner's top card against ours in the suit: low to his, low when equal, else our top.
int LeadByTops(int me, int partner, int suit, const char* his, const char* same, const char* ours) {
    if (Top(partner, suit) > Top(me, suit)) {
        AddWhy(his);
        return MyLowest(suit);
    }
    if (CountOutBetween(suit, Top(me, suit), Top(partner, suit)) == 0) {
        AddWhy(same);
        return MyLowest(suit);
    }
    AddWhy(ours);
    return MyHighest(suit);
}

}  // namespace

void PlayHighCardsAndOut() {
    int me = G.CurrentSeat, partner = PartnerOf(me), t = G.TrumpSuit;
    bool nt = NoTrumpContract();
    auto side = [&](int suit) { return nt || suit != t; };
    G.WhyText = "High Cards and Out. ";
    int card = 0;
    int myT = 0, pT = 0;
    if (!nt) {
        // Draw trumps, unless partner's only entry is a trump.
        bool onlyTrumpEntry = EntryCount(me, 0) == 0 && EntryCount(me, -1) == 1;
        if (!onlyTrumpEntry && Len(me, t) > 0) {
            int c = TrumpPlay();
            if (c > 0) {
                card = c;
                AddWhy("Trump is not no trump, our partner`s only entry is in trump, take trump "
                       "rules");
            }
        }
        myT = Len(me, t);
        pT = Len(partner, t);
    }
    int sideHeld = 0, lastSide = 0;
    if (card == 0) {
        // The winners each hand can cash without a ruff by the defence.
        for (int suit = 1; suit <= 4; ++suit) {
            G.Plan.MyCash[suit] = G.Plan.PartnerCash[suit] = 0;
            for (int rank = 13; rank > HighestOut(suit); --rank) {
                if (SeatHolds(me, suit, rank) && !OpponentCanRuff(partner, suit))
                    G.Plan.MyCash[suit] = -1;
                if (SeatHolds(partner, suit, rank) && !OpponentCanRuff(me, suit))
                    G.Plan.PartnerCash[suit] = -1;
            }
        }
        // A suit both hands can win: lead to a finesse in it.
        for (int suit = 1; suit <= 4; ++suit) {
            if (!side(suit) || Len(me, suit) == 0) continue;
            ++sideHeld;
            lastSide = suit;
            if (SafeWinner(G.Leader, suit, 0, 0) && G.Plan.MyCash[suit] && G.Plan.PartnerCash[suit]) {
                int f = FindFinesse(suit, 1);
                if (f != 0) {
                    AddWhy("suit is not trump, We don`t think they are out, and this suit is a "
                           "winner for both of us");
                    card = f;
                    break;
                }
            }
        }
    }
    if (card == 0 && sideHeld == 1) {
        // One side suit only: by partner's holding in it.
        int suit = lastSide;
        AddWhy("We only have one suit that is not trump, ");
        if (Len(partner, suit) == 1) {
            AddWhy("and our partner has 1 in this suit so play our lowest");
            card = MyLowest(suit);
        } else {
            card = LeadByTops(me, partner, suit, "his is higher than our highest",
                              "his is essientially the same as our highest",
                              "and our highest is higher than our partner`s highest");
        }
    } else if (card == 0) {
        // A short suit that leaves a hand with trumps void.
        AddWhy("Our best suit is ");
        int lho = PlayerAt(me, 1), rho = PlayerAt(me, -1);
        int taken = 0;
        for (int suit = 1; suit <= 4 && taken == 0; ++suit) {
            if (!side(suit) || Len(me, suit) == 0) continue;
            int m = Len(me, suit), p = Len(partner, suit);
            int out = OutstandingCount(suit);
            int need = (KnownVoid(lho, suit) || KnownVoid(rho, suit)) ? out : out / 2 + out % 2;
            if (m < need && myT > 0) {
                taken = suit;
                AddWhy(SuitName(suit, 0) + "because this will hopefull lead to a void for us ");
            } else if (p < need && pT > 0) {
                taken = suit;
                AddWhy(SuitName(suit, 0) + "because this will hopefull lead to a void for our partner ");
            }
        }
        if (taken != 0) {
            if (Len(partner, taken) == 1) {
                AddWhy("our partner has only 1 so go low ?");
                card = MyLowest(taken);
            } else {
                AddWhy("our partner has more than 1 ");
                card = LeadByTops(me, partner, taken, "our partner has the highest of the two of us ",
                                  "our highest cards are the same ",
                                  "our highest card is higher than his ");
            }
        }
    }
    if (card != 0) {
        PlayDeclarerLead(G.Leader, card);
        return;
    }
    // Nothing found: the end game for the rest of the hand.
    AddWhy("could not find a lead in high and out so off to end game");
    G.DeclarerPlan = 4;
    PlayEndGame();
}

}  // namespace kestrel
