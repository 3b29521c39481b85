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

// Either partner has bid the strain.
bool PartnershipBid(int x, int strain) {
    int p = PartnerOf(x);
    for (int round = 1; round <= 7; ++round)
        for (int seat : {x, p})
            if (G.Calls[seat][round] > 10 && CallStrain(G.Calls[seat][round]) == strain) return true;
    return false;
}

// Partner has bid the suit.
bool PartnerBidSuit(int x, int suit) {
    int p = PartnerOf(x);
    for (int round = 1; round <= 7; ++round)
        if (G.Calls[p][round] > 10 && CallStrain(G.Calls[p][round]) == suit) return true;
    return false;
}

// The sentence that opens both ace-asking routes.
void SlamPointsSentence(int total) {
    AddWhy("We know of " + Str(total) + " points between us and we need " + Str(34) + " to look for slam. ");
}

// Back to the fit at its cheapest level, when the contract is not there already.
void BackToOurSuit(int& call, int f, const std::string& why) {
    if (CallStrain(G.Contract) == f) return;
    call = BidAtMinimum(f);
    AddWhy(why);
}

}  // namespace

void FitCall(int x) {
    int& call = Cell(x);
    if (!Undecided(x)) return;
    int p = PartnerOf(x);
    const SeatInfoRec& info = G.SeatInfo[x];
    int f = info.FirstFit;
    if (f == 0) return;
    AddWhy("We have found a fit! ");
    // Partner's assumed points from the range he has shown.
    int lo = G.SeatInfo[p].ShownMinPoints, hi = G.SeatInfo[p].ShownMaxPoints;
    int a = 0;
    bool defined = false;
    if (hi - lo < 4) {
        a = (hi + lo) / 2;
        defined = true;
        AddWhy("Since our partner`s point spread is defined, use his average. ");
    } else if (hi - lo > 5) {
        a = lo + 3;
        AddWhy("Since our partner`s point spread is so large, let`s add 3 to his minimum. ");
    } else {
        a = (hi + lo) / 2;
        AddWhy("Since our partner`s point spread is less than 6 points, Let`s average his minimum and his maximum. ");
    }
    // Looking for a slam, count only what partner has promised.
    int own = PointsForStrain(x, f);
    if (a + own >= 34) {
        a = lo;
        AddWhy("When we are going to look for a slam, we can`t add any points to our partner`s hand. ");
    }
    // Doubled in game already: nothing to decide.
    if (G.DoubleState != 0 && IsGameBid(G.Contract)) return;
    int t = a + own;
    // Four Aces, a strong hand and support for partner's suit: straight to 6 No Trump.
    if (IsSuitStrain(f) && PartnerBidSuit(x, f) && info.Aces == 4 && G.SuitInfo[x][f].Length >= 2 &&
        info.HighCardPoints >= 20) {
        if (MinimumLevel(NoTrump) < 7) call = MakeBid(6, NoTrump);
        return;
    }
    // Slam values in a No Trump auction: ask for Aces with 4 Clubs.
    bool noTrumpSide = PartnershipBid(x, NoTrump);
    if (t >= 34 && !PartnershipBid(x, Clubs) &&
        ((noTrumpSide && CallStrain(FirstCall(G.Responder)) != NoTrump) ||
         (noTrumpSide && MinimumLevel(Clubs) < 4) ||
         (LastCall(p) == MakeBid(3, NoTrump) && MinimumLevel(Clubs) < 5))) {
        SlamPointsSentence(t);
        G.GerberMode = -1;
        SlamConventionCall(x);
        return;
    }
    // Slam values otherwise: ask with 4 No Trump, unless the opponents have jumped on us or
    // partner opened No Trump.
    if (t >= 34 && (CallStrain(FirstCall(G.Opener)) != NoTrump || p != G.Opener) &&
        !G.SeatInfo[NextPlayer(x)].EverJumped && !G.SeatInfo[PlayerAt(x, -1)].EverJumped) {
        SlamPointsSentence(t);
        SlamConventionCall(x);
        return;
    }
    // Game, invitation or part score by the points we know of.
    int k = MinimumLevel(f);
    if (t >= 29) {
        AddWhy("We know of " + Str(t) + " between us and we need " + Str(29) + " to go to the 5 level. ");
        if (f == NoTrump) {
            AddWhy("Game in No Trump is only the 3 level. ");
            if (k < 4) call = MakeBid(3, NoTrump);
        } else if (IsMajor(f)) {
            if (k < 5) {
                call = MakeBid(4, f);
                AddWhy("Game in major is only the 4 level. ");
            } else if (k < 6 && IsFreeBidder(x)) {
                call = MakeBid(5, f);
                AddWhy("Game in a major is only the 4 level, but they stole the bid, and we have points to go to the 5 "
                       "level. ");
            }
        } else {
            AddWhy("Game in a minor is only the 5 level ");
            if (k < 6) call = MakeBid(5, f);
        }
    } else if (t >= 26) {
        AddWhy("We know of " + Str(t) + " points between us and we need " + Str(26) + " to go to the 4 level. ");
        if (IsMinor(f)) {
            if (k < 5 && !defined) {
                call = BidAtMinimum(f);
                AddWhy("Bid our fit to the 4 level so if our partner is at the high end of his range he can take us to "
                       "game. ");
            } else {
                call = Pass;
                if (defined) AddWhy("Because our partner has defined his hand and we can get to game, pass. ");
            }
        } else if (f == NoTrump) {
            AddWhy("Game in No Trump is only the 3 level. ");
            if (k < 4) call = BidAtMinimum(NoTrump);
        } else if (k < 5) {
            AddWhy("The suit is a major. ");
            if (IsFreeBidder(x)) {
                call = BidAtMinimum(f);
                AddWhy("We are a free bidder. Bid lowest level, but not past game. ");
            } else {
                call = MakeBid(4, f);
                AddWhy("We are not a free bidder. Bid to game. ");
            }
        }
    } else if (t >= 23) {
        AddWhy("We know of " + Str(t) + " points between us and we need " + Str(26) + " to go past the 3 level. ");
        if (f == NoTrump) {
            AddWhy("Game in No Trump is only 3 level. ");
            if (k < 4) call = BidAtMinimum(NoTrump);
        } else {
            AddWhy("Bid our fit to the 3 level. ");
            if (k < 4) call = BidAtMinimum(f);
        }
    } else if (t >= 20 && hi - lo > 3) {
        AddWhy("This gives us a total of " + Str(t) + " points for the partnership. ");
        AddWhy("We know of more then 19 points and our partner`s range is 5 or more, keep the bidding open to the 2 "
               "level. ");
        if (k < 3) call = BidAtMinimum(f);
    } else {
        call = Pass;
        AddWhy("Giving us a total of " + Str(t) + " points for the partnership.");
    }
}

void SlamConventionCall(int x) {
    int& call = Cell(x);
    if (!Undecided(x)) return;
    int p = PartnerOf(x);
    const SeatInfoRec& info = G.SeatInfo[x];
    FindFits(x);
    int f = info.FirstFit;
    int m = G.SeatInfo[p].ShownMinPoints;
    int t = m + PointsForStrain(x, f);
    // The opponents doubled: no slam here.
    if (G.DoubleState != 0) {
        call = Pass;
        AddWhy("They doubled our partner`s last bid. We have no interest in a slam here. ");
        return;
    }
    // Nobody has asked yet: ask, bid the slam, or settle for game (there must be a fit to play).
    if (G.AceAsker == 0 && G.GerberAsker == 0) {
        if (f == 0) return;
        int k = MinimumLevel(f);
        if (t >= 36) {
            AddWhy("We know of at least " + Str(36) + " points and can bid ");
            if (G.GerberMode == -1 && MinimumLevel(Clubs) < 5) {
                call = MakeBid(4, Clubs);
                AddWhy("4 Clubs. This is asking for aces, (Gerber). ");
            } else if (G.GerberMode == 0 && MinimumLevel(NoTrump) < 5) {
                call = MakeBid(4, NoTrump);
                AddWhy("4 No Trump. This is asking for aces, (Blackwood). ");
            } else if (k < 6) {
                call = MakeBid(5, f);
                AddWhy("Although we know of at least " + Str(36));
                AddWhy(" points, we can not bid 4 No Trump, so we will have to forget ");
                AddWhy("looking for a slam. ");
            }
            return;
        }
        AddWhy("We know of less than " + Str(36) + " points. ");
        if (info.Aces == 0 && IsMinor(f)) {
            if (k < 6) {
                call = MakeBid(5, f);
                AddWhy("We have no aces and our fit is in a minor, so bail out. ");
            }
        } else if (info.Aces == 1 && f == Clubs) {
            if (k < 6) {
                call = MakeBid(5, Clubs);
                AddWhy("We have only one ace and our fit is in Clubs, so bail out. ");
            }
        } else if (G.SeatInfo[p].ShownMaxPoints + PointsForStrain(x, f) < 38 && k < 7) {
            call = MakeBid(6, f);
            AddWhy("We have a small slam for sure, and almost no posibility of a grand slam. ");
        } else if (G.GerberMode == -1 && MinimumLevel(Clubs) < 4) {
            call = MakeBid(4, Clubs);
            AddWhy("Jumping to 4 Clubs now is asking for aces, (Gerber). ");
        } else if (G.GerberMode == 0 && MinimumLevel(NoTrump) < 5) {
            call = MakeBid(4, NoTrump);
            AddWhy("We can bid 4 No Ttrump. This is asking for aces, (Blackwood). ");
        } else {
            const char* forget = "We can not bid 4 No Trump so we will have to forget looking for a slam. ";
            if (IsMinor(f) && k < 6) {
                call = MakeBid(5, f);
                AddWhy(forget);
            } else if (IsMajor(f) && k < 5) {
                call = MakeBid(4, f);
                AddWhy(forget);
            } else if (IsMajor(f) && k < 6) {
                call = MakeBid(5, f);
                AddWhy(forget);
            }
        }
        return;
    }
    // We asked: read partner's reply and place the contract.
    if (G.AceAsker == x || G.GerberAsker == x) {
        if (f == 0) f = info.SecondFit;
        if (f == 0) return;
        int k = MinimumLevel(f);
        int mine = LastCall(x);
        int reply = CallStrain(LastCall(p)) - 1;
        if (mine == MakeBid(4, NoTrump) || mine == MakeBid(4, Clubs)) {
            bool blackwood = mine == MakeBid(4, NoTrump);
            if (t > 36) {
                AddWhy("Our partner has " + Str(reply) + " aces and we have " + Str(info.Aces) + ". ");
                bool kingAsk = blackwood ? MinimumLevel(NoTrump) < 6 : MinimumLevel(Clubs) < 5;
                if (reply + info.Aces == 4 && kingAsk && info.Kings + f > 4) {
                    AddWhy("That is all the aces. Let`s look for kings, since the number of kings our partner could have "
                           "allows us to stay at the 6 level, leaving the choice of 7 up to us. ");
                    if (blackwood) {
                        call = MakeBid(5, NoTrump);
                        AddWhy("Bid 5 No Trump. ");
                    } else {
                        call = MakeBid(5, Clubs);
                        AddWhy("Bid 5 Clubs. ");
                    }
                } else if (reply + info.Aces == 4 && info.Kings >= 3 && k <= 7) {
                    call = MakeBid(7, f);
                    AddWhy("That is all the aces, and we have at least 3 kings. Go grand slam! ");
                } else if (reply + info.Aces >= 3) {
                    if (k < 7) {
                        call = MakeBid(6, f);
                        AddWhy("They have an ace, or we don`t have enough kings to go looking for them in our partner`s "
                               "hand. We`ll have to settle for a small slam. ");
                    } else {
                        BackToOurSuit(call, f, "Just go back to our suit. Somehow we have blown it. ");
                    }
                } else if (CallStrain(G.Contract) != f) {
                    call = BidAtMinimum(f);
                    AddWhy("They have more than 1 ace. ");
                    AddWhy("Go back to our suit. ");
                }
            } else {
                AddWhy("We know of less than " + Str(36) + " points. ");
                if ((reply + info.Aces >= 3 || f == NoTrump) && k < 7) {
                    call = MakeBid(6, f);
                    AddWhy("It looks like we have a small slam. ");
                } else {
                    BackToOurSuit(call, f, "Go back to our suit. ");
                }
            }
        } else if (mine == MakeBid(5, NoTrump)) {
            int kings = CallStrain(LastCall(p)) - 1;
            if (kings + info.Kings >= 3) {
                AddWhy("We`ve got three or more kings between us and all the ");
                AddWhy("ace! Let`s have some fun... ");
                if (k <= 7) call = MakeBid(7, f);
            } else {
                AddWhy("We haven`t got three or more kings between us. ");
                if (k < 7) {
                    call = MakeBid(6, f);
                    AddWhy("Settle for a small slam. ");
                } else {
                    BackToOurSuit(call, f, "Go back to our suit. ");
                }
            }
        } else if (mine == MakeBid(5, Clubs) && G.GerberAsker == x) {
            call = Pass;
        }
        return;
    }
    // Partner asked: answer with the strain code, Clubs for none up to No Trump for four.
    if (G.AceAsker == p || G.GerberAsker == p) {
        int asked = LastCall(p);
        if ((asked == MakeBid(4, NoTrump) || asked == MakeBid(4, Clubs)) && !IsFreeBidder(x)) {
            int strain = info.Aces + 1;
            call = BidAtMinimum(strain);
            AddWhy("Our partner wants to know how many aces we have. Clubs = 0, Spades = 3. ");
        } else if ((asked == MakeBid(5, NoTrump) || asked == MakeBid(5, Clubs)) && !IsFreeBidder(x)) {
            int strain = info.Kings + 1;
            call = BidAtMinimum(strain);
            AddWhy("Our partner wants to know how many kings we have. Clubs = 0, Spades = 3. ");
        } else {
            call = Pass;
        }
    }
}

int GameReachedCall(int x, int call) {
    int p = PartnerOf(x);
    int side = SideOf(x);
    int ps = G.PartScore[side];
    // Not while asking for Aces, without a part score, or with slam values.
    if (call == MakeBid(4, NoTrump) || ps == 0 || G.AceAsker != 0 ||
        G.SeatInfo[p].ShownMinPoints + G.SeatInfo[x].Points >= 32)
        return call;
    // Only when our side holds the contract.
    int previous = G.BidRound > 1 ? G.Calls[x][G.BidRound - 1] : -1;
    if (G.Contract == 0 || (LastCall(p) != G.Contract && previous != G.Contract)) return call;
    int s = CallStrain(G.Contract), l = CallLevel(G.Contract);
    const SeatInfoRec& info = G.SeatInfo[x];
    InferPartnerLengths(x);
    int cl = IsSuitStrain(s) ? G.SuitInfo[x][s].Length + G.SuitInfo[p][s].ShownLength : 0;
    bool reached = false;
    if (s == NoTrump)
        reached = (l >= 3 && info.NoTrumpOk == 1) || (40 + 30 * (l - 1) + ps >= 100 && info.NoTrumpOk == 1);
    else if (IsMinor(s))
        reached = (l >= 5 && info.FirstFit == s) || (20 * l + ps >= 100 && cl >= 7);
    else
        reached = (l >= 4 && info.FirstFit == s) || (30 * l + ps >= 100 && cl >= 7);
    return reached ? Pass : call;
}

}  // namespace kestrel
