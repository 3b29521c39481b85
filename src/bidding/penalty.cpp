#include <string>

#include "bidding/auction.h"
#include "bidding/call_rules.h"
#include "bidding/decisions.h"
#include "bidding/evaluation.h"
#include "core/cards.h"
#include "core/state.h"
#include "core/text.h"

namespace kestrel {

int PenaltyDoubleCall(int x, int call) {
    // Only a Pass over the opponents' undoubled contract can become a penalty Double.
    if (call != Pass || G.Contract == 0) return call;
    // Already doubled: nothing to add.
    if (G.DoubleState != 0) return call;
    // Partner's quick tricks, assumed from the strength he has shown.
    int shown = G.SeatInfo[PartnerOf(x)].ShownMinPoints;
    int h = shown < 14 ? 2 : shown <= 16 ? 5 : shown <= 19 ? 7 : 9;
    // The partnership's quick tricks, less one at the six level and above, and less one when the
    // declarer sits behind us.
    int mine = G.SeatInfo[x].QuickTrickHalves;
    int q = (h + mine) / 2;
    int l = CallLevel(G.Contract), s = CallStrain(G.Contract);
    std::string notes;
    if (l > 5) {
        q -= 1;
        notes += "We have minus one because the level is over five. ";
    }
    if (LastCall(PlayerAt(x, -1)) == G.Contract) {
        q -= 1;
        notes += "We have minus one because it was the player behind us that bid last. ";
    }
    // Our trumps help to defeat a suit contract; the higher the contract, the fewer tricks needed.
    int t = s == NoTrump ? 0 : G.SuitInfo[x][s].Length;
    bool dbl = false;
    if (s == NoTrump)
        dbl = l >= 3 && q > 8 - l;
    else if (l == 7)
        dbl = t + q > 2 || (t == 0 && q > 1);
    else if (l == 6)
        dbl = t + q > 3 || (t == 0 && q > 1);
    else if (l == 5 && s <= Diamonds)
        dbl = t + q > 4 || (t == 0 && q > 2);
    else if ((l == 4 || l == 5) && s >= Hearts)
        dbl = t + q > 5 || (t == 0 && q > 3);
    if (!dbl) return call;
    // Say how the tricks add up.
    AddWhy("We are doubling for penalties. We are giving our partner " + HalvesAsTricks(h) + " quick tricks and we have " +
           HalvesAsTricks(mine) + ". " + notes + "This gives us a total of " + Str(q) +
           " quick tricks. That should take care of all of the free tricks. ");
    return Double;
}

void DoubledContractCall(int x) {
    int& call = Cell(x);
    int p = PartnerOf(x), lho = NextPlayer(x), rho = PlayerAt(x, -1);
    int s = CallStrain(G.Contract), l = CallLevel(G.Contract);
    InferPartnerLengths(x);
    // Partner's contract doubled for penalties by the player on our right.
    if (Undecided(x) && G.DoubleState == 1 && LastCall(rho) == Double) {
        AddWhy("The last bid was a penalty double. ");
        if (G.Contract == LastCall(p)) {
            AddWhy("Our partner was the last to bid a contract. ");
            if (s == NoTrump) {
                AddWhy("The suit is No Trump. ");
            } else if (G.SuitInfo[x][s].Length < 2 && G.SuitInfo[x][s].HighCardPoints < 4) {
                // A singleton without the Ace or a void in his trumps: get him out.
                AddWhy("If we have one it is not the ace. ");
                if (p == G.AceAsker) {
                    call = Pass;
                    AddWhy("Our partner knows best. ");
                } else if (LastCall(x) == Redouble) {
                    // We have already asked him to choose.
                } else if (SuitsBidCount(x) >= 2) {
                    call = Redouble;
                    AddWhy("We have bid a suit, we need to redouble. This suit is a disaster. Our partner must choose "
                           "another suit. ");
                }
            }
        }
    }
    // Partner's S.O.S. redouble: run to the suit he bid that suits the partnership best.
    if (Undecided(x) && G.DoubleState == 2 && LastCall(p) == Redouble) {
        AddWhy("The last bid was our partner`s redouble. He needs out of this suit. Choose any suit our partner has "
               "bid. ");
        int best = 0, bestFit = 0;
        for (int t = Clubs; t <= Spades; ++t) {
            if (G.SuitInfo[p][t].TimesBid == 0) continue;
            AddWhy("Our partner bid " + SuitName(t) + ". ");
            int fit = G.SuitInfo[x][t].Length + G.SuitInfo[p][t].ShownLength;
            if (best == 0 || fit > bestFit ||
                (fit == bestFit && G.SuitInfo[x][t].HighCardPoints > G.SuitInfo[x][best].HighCardPoints)) {
                best = t;
                bestFit = fit;
            }
        }
        if (best != 0) {
            AddWhy("We belive the longest suit in the partnership is " + SuitName(best) + ". ");
            call = BidAtMinimum(best);
        }
    }
    // Partner's suit doubled behind him and passed round to us: with no support, redouble for
    // rescue or run to a long suit of our own.
    if (Undecided(x) && G.DoubleState == 1 && LastCall(lho) == Double && G.Contract != LastCall(x) && IsSuitStrain(s) &&
        G.SuitInfo[x][s].Length < 2 && G.SuitInfo[x][s].HighCardPoints < 4 && G.SuitInfo[p][s].TimesBid < 2) {
        AddWhy("Our partner`s last bid was doubled and there are 2 passes already. We don`t have the ace or more "
               "than one in his trump suit. ");
        int main = G.SeatInfo[x].MainSuit;
        if (SuitsBidCount(x) >= 2 && p != G.AceAsker) {
            call = Redouble;
            AddWhy("Redouble. We have bid more than one suit. Our partner should choose one of them. ");
        } else if (IsSuitStrain(main) &&
                   (G.SuitInfo[x][main].Length >= 8 ||
                    (G.SuitInfo[x][main].Length >= 6 && G.SuitInfo[x][main].HighCardPoints >= 3)) &&
                   MinimumLevel(main) <= l) {
            call = BidAtMinimum(main);
            AddWhy("Our longest suit is 8 or more, or we have at least six and the jack or better. ");
        }
    }
}

}  // namespace kestrel
