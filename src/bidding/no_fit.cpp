#include <string>

#include "bidding/auction.h"
#include "bidding/call_rules.h"
#include "bidding/decisions.h"
#include "bidding/evaluation.h"
#include "core/cards.h"
#include "core/state.h"
#include "core/text.h"

namespace kestrel {

namespace {

// The strain of the seat's first and of its last suit bid (0 when it has bid none).
int FirstSuitBid(int seat) {
    for (int round = 1; round <= 7; ++round)
        if (IsSuitStrain(CallStrain(G.Calls[seat][round])) && G.Calls[seat][round] > 10)
            return CallStrain(G.Calls[seat][round]);
    return 0;
}

int LastSuitBid(int seat) {
    for (int round = 7; round >= 1; --round)
        if (IsSuitStrain(CallStrain(G.Calls[seat][round])) && G.Calls[seat][round] > 10)
            return CallStrain(G.Calls[seat][round]);
    return 0;
}

// The responder whose first answer to the opening (round 1, or round 2 after a Pass) was 1 No Trump.
bool RespondedOneNoTrump(int seat) {
    if (seat != G.Responder) return false;
    int first = G.Calls[seat][1] == Pass ? G.Calls[seat][2] : G.Calls[seat][1];
    return first == MakeBid(1, NoTrump);
}

}  // namespace

void NoFitCall(int x) {
    int& call = Cell(x);
    int p = PartnerOf(x);
    int pc = LastCall(p);
    int ps = CallStrain(pc);
    SeatInfoRec& info = G.SeatInfo[x];
    InferPartnerLengths(x);
    // Partner has bid game: nothing to look for.
    if (IsGameBid(pc)) return;
    // Partner took our No Trump out to a suit: we stay out of No Trump for the rest of the deal,
    // unless ours was the responder's 1 No Trump answer.
    int previous = G.BidRound > 1 ? G.Calls[x][G.BidRound - 1] : -1;
    if (previous > 10 && CallStrain(previous) == NoTrump && pc > 10 && ps != NoTrump) {
        AddWhy("We bid No Trump and our partner took us out of it. Don`t bid No Trump again, unless it was the "
               "responder to the opener`s first bid that was the No Trump bid. ");
        if (!RespondedOneNoTrump(x)) G.Bidding.TakenOutOfNoTrump[x] = -1;
    }
    if (G.Bidding.TakenOutOfNoTrump[x]) info.NoTrumpOk = -1;
    // Partner's other suit, when it suits us better and costs no level (the last one qualifying).
    if (Undecided(x) && SuitsBidCount(p) >= 2 && IsSuitStrain(ps)) {
        int chosen = 0;
        std::string why;
        for (int s = ps + 1; s <= Spades; ++s) {
            if (G.SuitInfo[p][s].TimesBid == 0) continue;
            if (G.SuitInfo[x][s].HighCardPoints > G.SuitInfo[x][ps].HighCardPoints) {
                chosen = s;
                why = "The other suit our partner bid is better for us, and we don`t have to raise the level to get "
                      "there. ";
            } else if (G.SuitInfo[x][s].Length > G.SuitInfo[x][ps].Length &&
                       G.SuitInfo[p][s].TimesBid >= G.SuitInfo[p][ps].TimesBid) {
                chosen = s;
                why = "The other suit he bid is better for us, and we don`t have to raise the level to get there. ";
            }
        }
        if (chosen != 0) {
            call = BidAtMinimum(chosen);
            AddWhy(why);
        }
    }
    // No Trump low, or a seven-card fit no higher than the three level, or nothing.
    if (Undecided(x)) {
        if (info.NoTrumpOk > 0 && MinimumLevel(NoTrump) < 3) {
            call = BidAtMinimum(NoTrump);
            AddWhy("Let`s try No Trump at less than the 3 level. ");
        } else if (info.SecondFit != 0 && MinimumLevel(info.SecondFit) < 4) {
            call = BidAtMinimum(info.SecondFit);
            AddWhy("We have found a 7 card suit. Don`t go over the 4 level. ");
        } else {
            call = Pass;
        }
    }
    // The points we know of between us.
    int t = G.SeatInfo[p].ShownMinPoints + info.Points;
    // Partner passed or bid No Trump: pass after our own Pass, or show our best suit below game
    // when No Trump does not suit us.
    if (UndecidedOrPassing(x) && !IsSuitStrain(ps)) {
        int main = info.MainSuit;
        if (ps == 0 && previous == Pass) {
            call = Pass;
        } else if (IsSuitStrain(main) && info.NoTrumpOk == 0 && G.OpponentsBidCount[main] == 0 &&
                   MinimumLevel(main) < (IsMinor(main) ? 5 : 4)) {
            call = BidAtMinimum(main);
            AddWhy("Our partner bid No Trump, and that is not ok with us! Don`t go as high as game. We need to bid "
                   "our best suit. ");
        }
    }
    // Partner has not passed and nobody forces us: a suit still to show keeps the auction going.
    if (call == Pass && !IsFreeBidder(x)) {
        int s = ChooseNewSuit(x, 2);
        if (s != 0) {
            call = BidAtMinimum(s);
            AddWhy("We are not a free bidder and we still have a legitamate bid. ");
        }
    }
    // Without an eight-card fit, the level is capped by the points we know of.
    if (call > 10 && CallLevel(call) > CallLevel(G.Contract)) {
        int l = CallLevel(call);
        if (t < 22 && l > 1) {
            call = Pass;
            AddWhy("The 2 level is just too rich for less than 22 points and we have " + Str(t) + ". ");
        } else if (t >= 22 && t <= 24 && l > 2) {
            call = Pass;
            AddWhy("The 3 level is just too rich for not having an eight card fit and knowing of less than 25 "
                   "points. We have " +
                   Str(t) + ". ");
        } else if (t >= 25 && t <= 27 && l > 3) {
            call = Pass;
            AddWhy("The 4 level is just too rich for not having an eight card fit and knowing of less than 28 "
                   "points. We have " +
                   Str(t) + ". ");
        } else if (t >= 28 && t <= 30 && l > 4) {
            call = Pass;
            AddWhy("The 5 level is just too rich for not having an eight card fit and knowing of less than 31 "
                   "points. We have " +
                   Str(t) + ". ");
        } else if (t >= 31 && t <= 34 && IsMajor(CallStrain(call)) && l > 4) {
            call = Pass;
            AddWhy("The 5 level is just too rich for not having an eight card fit and knowing of less than 35 "
                   "points in a major. We have " +
                   Str(t) + " ");
        } else if (t >= 31 && t <= 34 && !IsMajor(CallStrain(call)) && l > 5) {
            call = Pass;
            AddWhy("The 6 level is just too rich for not having an eight card fit and knowing of less than 35 "
                   "points in a minor. We have " +
                   Str(t) + " ");
        }
    }
    // Partner already holds the contract at game.
    if (pc == G.Contract && call != Pass && IsGameBid(G.Contract)) {
        call = Pass;
        AddWhy("Our partner has already bid game. ");
    }
    // Enough points for No Trump game and No Trump suits us: go there, unless partner keeps
    // rebidding his last suit.
    if (UndecidedOrPassing(x) && info.NoTrumpOk == 1 &&
        G.SeatInfo[p].ShownMinPoints + info.HighCardPoints > 24 && MinimumLevel(NoTrump) < 4) {
        int first = FirstSuitBid(p), last = LastSuitBid(p);
        if (last != 0 && first != 0 && G.SuitInfo[p][last].TimesBid > G.SuitInfo[p][first].TimesBid) {
            info.NoTrumpOk = 0;
        } else {
            call = BidAtMinimum(NoTrump);
            AddWhy("We know of more than 24 points and No Trump is still ok. ");
            AddWhy("Let's go as high as the 3 level. ");
        }
    }
}

}  // namespace kestrel
