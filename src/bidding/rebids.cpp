#include "bidding/auction.h"
#include "bidding/call_rules.h"
#include "bidding/decisions.h"
#include "bidding/evaluation.h"
#include "core/cards.h"
#include "core/state.h"
#include "core/text.h"

namespace kestrel {


namespace {

// Game or below for the strain: a minor below 6, a major below 5, No Trump below 4.
bool AtGameOrBelow(int strain, int level) {
    if (IsMinor(strain)) return level < 6;
    if (IsMajor(strain)) return level < 5;
    return level < 4;
}

// The seat's bids from the first on, in order (suits and No Trump only).
int NthBid(int x, int n) {
    int seen = 0;
    for (int round = 1; round <= 7; ++round) {
        int c = G.Calls[x][round];
        if (c > 10 && ++seen == n) return c;
    }
    return 0;
}

// The calls the seat has made from its first bid on.
int CallsSinceFirstBid(int x) {
    int n = 0;
    bool started = false;
    for (int round = 1; round <= 7; ++round) {
        int c = G.Calls[x][round];
        if (c > 10) started = true;
        if (started && c >= 0 && !(round == G.BidRound && x == G.CurrentSeat)) ++n;
    }
    return n;
}

// Partner holds the contract with his last call.
bool PartnerHoldsContract(int x) {
    int p = PartnerOf(x);
    return G.Contract != 0 && G.ContractBidder == p && LastCall(p) == G.Contract;
}

// The opener's second bid (round 2), before the point table.
void OpenerSecondBid(int x) {
    int p = PartnerOf(x);
    const SeatInfoRec& me = G.SeatInfo[x];
    const SeatInfoRec& him = G.SeatInfo[p];
    int pl = LastCall(p);
    int mid = (him.ShownMinPoints + him.ShownMaxPoints) / 2;
    int opening = FirstCall(x);
    bool free = IsFreeBidder(x);
    AddWhy("This is our second bid. ");
    FindFits(x);
    // One of a major redoubled is already game.
    if (Undecided(x) && G.DoubleState == 2 && G.Contract == opening && G.ContractBidder == x &&
        CallLevel(opening) == 1 && IsMajor(CallStrain(opening))) {
        Cell(x) = Pass;
        G.Bidding.OpenerPassFlag = True;
        AddWhy("One of a major doubled is game. ");
    }
    // A free bidder with a minimum opposite a weak partner stops.
    if (Undecided(x) && free && me.Points < 16 && mid < 10) {
        Cell(x) = Pass;
        AddWhy("We are a free bidder and we have less than 16 points. ");
    }
    // Partner asks for Aces.
    if (Undecided(x) && (pl == MakeBid(4, NoTrump) || G.AceAsker == p)) {
        DecideLaterCall(x);
        if (Undecided(x)) Cell(x) = Pass;
    }
    // Partner answered our No Trump in a suit: Stayman.
    if (Undecided(x) && CallStrain(opening) == NoTrump && CallStrain(pl) != NoTrump) {
        AddWhy("We bid no trump and our partner did not, so respond to stayman. ");
        AnswerStayman(x);
        if (Undecided(x)) Cell(x) = Pass;
    }
    // A fit: how high by the partnership's points.
    int f = me.FirstFit;
    if (Undecided(x) && f > 0) {
        AddWhy("We have found a fit. ");
        AddWhy("Using our partner`s minimum points of " + Str(him.ShownMinPoints) + " ");
        int t;
        if (f == CallStrain(opening)) {
            AddWhy("and our points of " + Str(me.Points));
            t = me.Points + him.ShownMinPoints;
        } else {
            AddWhy("and our dummy points of " + Str(me.DummyPoints));
            t = me.DummyPoints + him.ShownMinPoints;
        }
        AddWhy("we get a total of " + Str(t) + " points. ");
        int k = MinimumLevel(f);
        if (IsMajor(f) || f == NoTrump) {
            if (t > 24 || f == NoTrump) {
                // Game or more: the fit rules decide.
                AddWhy(std::string("The fit is in ") + (f == NoTrump ? " no trump. " : "a major and the total points are more than 24. "));
                DecideLaterCall(x);
                if (Undecided(x)) Cell(x) = Pass;
            } else if (t >= 22) {
                // Invitational: to the three level.
                AddWhy("The fit is in a major and the total points are more than 21, but less than 24. ");
                AddWhy("Bid to the 3 level, jumping if possible. ");
                if (k + 1 < 4)
                    SetBid(x, f, k + 1);
                else if (k < 4)
                    SetBid(x, f, k);
            } else if (k < 4) {
                // A minimum: raise without jumping.
                AddWhy("The fit is in a major and the total points are less than 22. ");
                AddWhy("Bid as high as the 3 level, without jumping. ");
                SetBid(x, f, k);
            }
        }
        if (Undecided(x)) {
            bool noTrumpOpening = CallStrain(opening) == NoTrump;
            if (t > 26 && (f == Diamonds || (f == Clubs && !noTrumpOpening))) {
                // A minor fit with game values: the fit rules decide.
                AddWhy("We have a minor suit fit and more than 26 points. ");
                if (f == Diamonds && noTrumpOpening)
                    AddWhy("If he had bid Clubs, to our no trump bid that would have been a Stayman. ");
                DecideLaterCall(x);
                if (Undecided(x)) Cell(x) = Pass;
            } else if (me.Points - me.ShownMinPoints > 3) {
                // Extra values: raise or jump in the fit to the three level.
                AddWhy("We have less than 27 points, but we do have more points than advertised ");
                AddWhy("If the fit is in the suit that we bid in the first round, rebid it as high as the 3 level, ");
                AddWhy("otherwise jump the fit high as the 3 level. ");
                if (f == CallStrain(opening) && k < 4)
                    SetBid(x, f, k);
                else if (k + 1 < 4)
                    SetBid(x, f, k + 1);
            } else if (IsMinor(f)) {
                // A minor fit: look for a second fit, else keep the bidding alive in the fit.
                int s = ChooseNewSuit(x, 1);
                AddWhy("We have a fit in a minor. ");
                if (s != f) AddWhy("Lets look for second fit preferably in a major. ");
                AddWhy("But don`t bid it over the 3 level. ");
                if (s != 0 && Cheapest(s) < 4) SetBid(x, s, Cheapest(s));
                if (Undecided(x)) {
                    AddWhy("We need to keep the bidding alive, bid our fit. ");
                    SetBid(x, f, k);
                }
            }
        }
    }
    // No fit opposite a narrow, weak range: the later-round rules.
    if (Undecided(x) && f == 0 && him.ShownMaxPoints - him.ShownMinPoints < 4 && him.ShownMaxPoints < 13)
        DecideLaterCall(x);
    // Partner's redouble and a free bidder: leave it there.
    if (pl == Redouble && free) {
        Cell(x) = Pass;
        G.Bidding.OpenerPassFlag = True;
        AddWhy("Our partner`s last bid was redouble and we are a free bidder. ");
    }
    // A free bidder who has shown his values stops.
    if (Undecided(x) && free && mid < 10 && me.Points - me.ShownMinPoints < 3) {
        Cell(x) = Pass;
        AddWhy("We are a free bidder and we have told our partner how many points we have. ");
    }
}

// An unknown partner: a decision of the point table is kept below game.
void HoldBelowGame(int x) {
    int p = PartnerOf(x);
    int c = Cell(x);
    if (G.SeatInfo[p].ShownMinPoints != 0) return;
    int l = CallLevel(c), strain = CallStrain(c);
    int n = G.SeatInfo[x].Points + 4;
    if (n < 25 && l > 3) {
        AddWhy("Our partner has not declared any points. If we give him 4 for the ");
        AddWhy("benefit of the doubt, we still have less than 25 points between us. ");
        AddWhy("It is the better part of valor not to go over the 3 level. ");
        if (Cheapest(strain) < 4 && SetBid(x, strain, Cheapest(strain))) {
            AddWhy("Since we did not have to jump, we won`t. ");
        } else {
            Cell(x) = Pass;
            AddWhy("Pass. ");
        }
    } else if (n >= 25 && n <= 27 && l > 4) {
        AddWhy("Our partner has not declared any points. If we give him 4 for the "
               "benefit of the doubt, we still have more than 24 and less than 28 points between us. ");
        AddWhy("It is the better part of valor not to go over the 4 level. ");
        if (Cheapest(strain) < 5 && SetBid(x, strain, Cheapest(strain))) {
            AddWhy("Since we did not have to jump, we won`t. ");
        } else {
            Cell(x) = Pass;
            AddWhy("Pass. ");
        }
    }
}

}  // namespace

void OpenerLaterRounds(int x) {
    int p = PartnerOf(x);
    // Said everything: after a preempt, or a pass with too few points between us.
    if ((LastCall(x) == Pass && KnownPoints(x) < 30 && G.Bidding.OpenerPassFlag == 0) ||
        G.Bidding.HasPreempted == True) {
        Cell(x) = Pass;
        if (G.Bidding.HasPreempted == True)
            AddWhy("We said all we had to say when we preempted. ");
        else
            AddWhy("We passed the last time and between us we know of less then 30 points, nothing left to say. ");
        return;
    }
    if (G.BidRound >= 3) {
        int answerRound = G.Calls[p][1] == Pass ? 2 : 1;
        if (CallStrain(FirstCall(x)) == NoTrump && CallStrain(G.Calls[p][answerRound]) == Clubs &&
            G.Calls[p][answerRound] > 10) {
            // Partner's Stayman has been answered: place the contract.
            AddWhy("Our first bid was no trump, and our partner`s first bid was Clubs. ");
            int ps = LastStrain(p);
            if (IsMajor(ps)) {
                AddWhy("Our partner`s last bid was a major. ");
                if (G.SuitInfo[x][ps].Length >= 3) {
                    AddWhy("We have more than 2 in his suit, bid it to game. ");
                    if (MinimumLevel(ps) < 5) SetBid(x, ps, 4);
                } else {
                    AddWhy("We have less than 3 of his suit bid no trump to game. ");
                    if (MinimumLevel(NoTrump) < 4) SetBid(x, NoTrump, 3);
                }
            } else if (ps == NoTrump) {
                AddWhy("Our partner`s last bid was no trump. ");
                DecideLaterCall(x);
            } else if (IsMinor(ps)) {
                AddWhy("Our partner`s last bid was a minor, let`s just pass. ");
            }
        } else {
            DecideLaterCall(x);
        }
        if (Undecided(x)) Cell(x) = Pass;
        return;
    }
    // The second bid.
    if (Undecided(x)) OpenerSecondBid(x);
    if (Undecided(x)) {
        OpeningPointRules(x, 2);
        if (!Undecided(x)) HoldBelowGame(x);
    }
}

void AnswerStayman(int x) {
    int p = PartnerOf(x);
    int pl = LastCall(p);
    int ps = CallStrain(pl);
    if (CallLevel(pl) < CallLevel(LastCall(x)) + 2) {
        // A Club answer asks for our four-card majors.
        AddWhy("Our partner raised our suit 1 level. ");
        if (ps == Clubs) {
            AddWhy("The suit is Clubs. This is the appropriate response to a Stayman convention bid. ");
            bool hearts = G.SuitInfo[x][Hearts].Length >= 4, spades = G.SuitInfo[x][Spades].Length >= 4;
            if (hearts && spades) {
                SetBid(x, NoTrump, Cheapest(NoTrump));
                AddWhy("We have more than 3 of both majors. ");
            } else if (spades) {
                SetBid(x, Spades, Cheapest(Spades));
                AddWhy("We have more than 3 Spades. ");
            } else if (hearts) {
                SetBid(x, Hearts, Cheapest(Hearts));
                AddWhy("We have more than 3 Hearts. ");
            } else {
                SetBid(x, Diamonds, Cheapest(Diamonds));
                AddWhy("We don`t have more than 3 of either major. ");
            }
        }
    } else {
        // Partner jumped: raise his major with four, else the later-round rules.
        bool fit = IsSuitStrain(ps) && G.SuitInfo[x][ps].FitLength >= 8;
        if (IsMinor(ps) && !fit) {
            Cell(x) = Pass;
        } else if (IsMajor(ps)) {
            if (G.SuitInfo[x][ps].Length >= 4 && !IsFreeBidder(x)) SetBid(x, ps, CallLevel(pl) + 1);
        } else if (ps == NoTrump || (IsMinor(ps) && fit)) {
            DecideLaterCall(x);
        }
    }
}

void ResponderLaterRounds(int x) {
    int o = G.Opener;
    AddWhy("We have bid at least once. ");
    if (LastStrain(x) == NoTrump && LastStrain(o) == NoTrump && MinimumLevel(NoTrump) < 4 &&
        G.SeatInfo[x].HighCardPoints > 7 && SetBid(x, NoTrump, 3)) {
        // Partner accepted our No Trump: go to game.
        AddWhy("Our partner liked our no trump bid. Since we have more than 7 high card points let`s go to game.");
    } else {
        DecideResponderLaterCall(x);
    }
    if (Undecided(x)) Cell(x) = Pass;
}

namespace {

// The fits from the auction so far, then the calls that come before any later-round rule: the
// rescue rules when our side is doubled at the three level or higher, the slam conventions while
// an ace-asking sequence of our side is under way. True when one of them decided the call.
bool RescueOrSlamCall(int x) {
    FindFits(x);
    if (G.DoubleState > 0 && CallLevel(G.Contract) >= 3) {
        DoubledContractCall(x);
        return true;
    }
    if (G.AceAsker == x || G.AceAsker == PartnerOf(x)) {
        SlamConventionCall(x);
        if (!Undecided(x)) return true;
    }
    return false;
}

}  // namespace

void DecideLaterCall(int x) {
    int p = PartnerOf(x);
    SeatInfoRec& me = G.SeatInfo[x];
    // Count the decision; the fits, then a doubled contract and the ace-asking sequences.
    me.LaterCallCount += 1;
    if (RescueOrSlamCall(x)) return;
    int t = KnownPoints(x);
    int pl = LastCall(p);
    int c = me.LaterCallCount;
    bool free = IsFreeBidder(x);
    // Partner's 2 No Trump with game values and a hand for No Trump.
    if (pl == MakeBid(2, NoTrump) && me.NoTrumpOk > 0 && t > 27) {
        SetBid(x, NoTrump, 3);
        AddWhy("Our partner bid 2 No Trump and our point count is more than 27. No Trump is ok with us. ");
        return;
    }
    // A fit: the fit rules.
    if (me.FirstFit > 0) {
        FitCall(x);
        return;
    }
    AddWhy("We have not found a fit yet. ");
    bool jumped = me.EverJumped || G.SeatInfo[p].EverJumped;
    // No Trump when no suit is left, within the given ceiling.
    auto noTrumpBelowFive = [&](const char* first, const char* second) {
        if (Cheapest(NoTrump) < 5 && me.NoTrumpOk > 0) {
            AddWhy(first);
            if (IsMinor(CallStrain(G.Contract)) || Cheapest(NoTrump) < 4) {
                SetBid(x, NoTrump, Cheapest(NoTrump));
                AddWhy(second);
            }
        }
    };
    // 4 No Trump after a jump would ask for Aces: the no-fit rules decide instead.
    auto withdrawBlackwood = [&](const char* why) {
        if (jumped && Cell(x) == MakeBid(4, NoTrump)) {
            Cell(x) = NoCall;
            AddWhy(why);
            NoFitCall(x);
        }
    };
    if (t >= 35) {
        // Slam values without a fit: a major, else the seven-card fit, to the five level.
        AddWhy("We know of at least 35 points. ");
        int s = ChooseNewSuit(x, 1);
        if (s != 0) {
            AddWhy("Look for a major over a minor. ");
        } else if (IsSuitStrain(me.SecondFit)) {
            s = me.SecondFit;
            AddWhy("We think there are at least 7 of these in the partnership. ");
        }
        if (s != 0) {
            if (Cheapest(s) < 6 && SetBid(x, s, Cheapest(s))) AddWhy("Don`t bid higher than the five level. ");
        } else {
            noTrumpBelowFive("The lowest possible bid in No Trump is less than 5. ",
                             "The current suit is a minor or we can bid No Trump at less than the 4 level. ");
        }
        withdrawBlackwood("Because one of us has jump bid a 4 No Trump bid would cause our partner to think we had found a fit and that we are looking for aces (Blackwood). ");
    } else if (t >= 31) {
        // Close to slam: another suit, a long minor to game, else No Trump.
        AddWhy("We know of between 31 and 34 points. ");
        if (!(pl == MakeBid(3, NoTrump) && me.NoTrumpOk > 0)) {
            AddWhy("Our partner did not bid 3 No Trump or we don`t like No Trump. ");
            int s = ChooseNewSuit(x, 1);
            if (s != 0) {
                AddWhy("We still have a bid left in " + SuitName(s) + ". ");
                if (IsMinor(s) && G.SuitInfo[x][s].Length >= 7 && Cheapest(s) < 6) {
                    SetBid(x, s, 5);
                    AddWhy(" Because we have at least 7, we are going to game. ");
                } else if (Cheapest(s) < 5) {
                    SetBid(x, s, Cheapest(s));
                    AddWhy("We can bid less than the 5 level. ");
                }
            } else {
                AddWhy("We have no suits left to bid. ");
                noTrumpBelowFive("", "The current bid suit is a minor. ");
            }
        }
        withdrawBlackwood("Because one of us has jump bid, a 4 No Trump bid would cause our partner to think we had found a fit and that we are looking for aces (Blackwood). ");
    } else if (t >= 26) {
        // Game values: another suit, no higher than game.
        AddWhy("We know of between 25 and 31 points. ");
        if (!(pl == MakeBid(3, NoTrump) && me.NoTrumpOk > 0)) {
            int s = ChooseNewSuit(x, 1);
            if (s != 0) {
                AddWhy("We still have a bid left in " + SuitName(s) + ". ");
                int lo = ChooseNewSuit(x, 0);
                if (G.SuitInfo[x][s].TimesBid > 0 && IsMajor(lo) && lo != s) {
                    s = lo;
                    AddWhy("We have bid it before, however, so let`s try " + SuitName(s) + ". ");
                }
                bool game = pl > 10 && ((CallLevel(pl) == 4 && (IsMajor(CallStrain(pl)) || CallStrain(pl) == NoTrump)) ||
                                        CallLevel(pl) >= 5);
                if (game) {
                    Cell(x) = Pass;
                    AddWhy("Our partner took us to game already. Let`s not keep looking for something that isn`t there. ");
                } else if ((IsMinor(s) ? Cheapest(s) < 6 : Cheapest(s) < 5) && SetBid(x, s, Cheapest(s))) {
                    AddWhy("Go no higher than game. ");
                }
            } else {
                AddWhy("Unfortunately, we have no biddable suits. ");
            }
        }
    } else if (t >= 23) {
        // Invitational values: one unplanned bid, no higher than game.
        AddWhy("We know of between 22 and 25 points. ");
        if (c == 1 && !free) {
            int s = ChooseNewSuit(x, 1);
            if (s != 0 && AtGameOrBelow(s, Cheapest(s))) {
                AddWhy("With less than 25 known points, go no higher than game on the first unplanned bid without having found a fit.");
                int firstSuit = CallStrain(NthBid(x, 1)), secondSuit = CallStrain(NthBid(x, 2));
                if (x == G.Opener && IsSuitStrain(firstSuit) && IsSuitStrain(secondSuit) && firstSuit != secondSuit &&
                    G.SuitInfo[x][firstSuit].Length >= 5 && G.SuitInfo[x][secondSuit].Length >= 5 &&
                    s == firstSuit && ChooseNewSuit(x, 0) == secondSuit) {
                    s = secondSuit;
                    AddWhy("When we have two rebiddable suits, rebidding the second one first tells our partner they are both rebiddable.");
                }
                SetBid(x, s, Cheapest(s));
            }
        }
    }
    // Still nothing: the no-fit rules, or a rescue from partner's contract.
    if (UndecidedOrPassing(x)) {
        if (t > 20 && !free) {
            NoFitCall(x);
        } else if (PartnerHoldsContract(x)) {
            int q = CallStrain(G.Contract);
            if (IsSuitStrain(q) && G.SuitInfo[x][q].Length < 2 && G.SuitInfo[x][q].HighCardPoints < 4) {
                int m = me.MainSuit;
                if (IsSuitStrain(m) && TopHonourCount(x, m) >= 4 && G.SuitInfo[x][m].Length >= 6 &&
                    SetBid(x, m, Cheapest(m)))
                    AddWhy("The last bid is our partner`s, we have less than 2, or less "
                           "than 3 points in " + SuitName(q) + ". " +
                           "We have at least 4 of the top 5 and at least 6 cards in " + SuitName(m) + ". ");
            } else if (q == NoTrump && me.NoTrumpOk < 1) {
                int s = ChooseNewSuit(x, 1);
                if ((IsMajor(s) && Cheapest(s) < 5) || (IsMinor(s) && Cheapest(s) < 6)) {
                    SetBid(x, s, Cheapest(s));
                    AddWhy("Our partner`s last bid was No Trump and that is not ok with us!");
                }
            }
        }
    }
    // The first unplanned bid: our main suit, as high as the points allow.
    if (c == 1 && UndecidedOrPassing(x) && !free && pl > 10 && t > 21) {
        AddWhy("This is our first unplanned bid, we`ve foundno fit, and we are not a freebidder. ");
        AddWhy("We have " + Str(t) + " points, which is more than ");
        int m = me.MainSuit;
        if (t > 28 && CallLevel(pl) < 4 && IsSuitStrain(CallStrain(pl))) {
            AddWhy("28. We could go as high as the 3 level. ");
            SetBid(x, m, Cheapest(m));
        } else if (t >= 26 && t <= 28 && CallLevel(pl) < 3) {
            AddWhy("25. We could go as high as the 2 level. ");
            SetBid(x, m, Cheapest(m));
        } else if (t >= 22 && t <= 25 && CallLevel(pl) == 1) {
            AddWhy("21. We can only go as high as the 1 level. ");
            SetBid(x, m, Cheapest(m));
        }
    }
    // Partner bid two suits and plays in one: put him back in the other we like better.
    if (UndecidedOrPassing(x)) {
        InferPartnerLengths(x);
        int suits = 0;
        for (int s = Clubs; s <= Spades; ++s)
            if (G.PartnerBidCount[s] > 0) ++suits;
        int q = CallStrain(G.Contract);
        if (suits >= 2 && PartnerHoldsContract(x) && IsSuitStrain(q)) {
            int h = 0;
            for (int s = Spades; s >= Clubs && h == 0; --s)
                if (s != q && G.PartnerBidCount[s] > 0) h = s;
            int lh = G.SuitInfo[x][h].Length, lq = G.SuitInfo[x][q].Length;
            bool done = false;
            if (lh > lq) {
                done = SetBid(x, h, Cheapest(h));
                if (done)
                    AddWhy("Our partner bid more than one suit and he is winning the contract. "
                           "We have more of his other suit. We hope it`s a major. ");
            } else if (lh == lq && lh > 0 && HighestRankOf(x, h) > HighestRankOf(x, q)) {
                done = SetBid(x, h, Cheapest(h));
                if (done)
                    AddWhy("Our partner bid more than one suit and is winning the contract. "
                           "We have as many of our partner`s other suit and our high card is higher. We hope that suit is a major. ");
            }
            if (done) AddWhy("Put our partner back in another of his bid suits. It`s better than " + SuitName(q) + ". ");
        }
    }
}

void DecideResponderLaterCall(int x) {
    int p = PartnerOf(x);
    int o = G.Opener;
    SeatInfoRec& me = G.SeatInfo[x];
    // The fits; a doubled contract and the ace-asking sequences first.
    if (RescueOrSlamCall(x)) return;
    int t = KnownPoints(x);
    bool free = IsFreeBidder(x);
    int last = LastCall(x);
    // A minimum hand that has already bid stops, or prefers the opener's first suit.
    bool unbidFit = IsSuitStrain(me.FirstFit) && G.SuitInfo[x][me.FirstFit].TimesBid == 0;
    bool jumpedLast = last > 10 && me.JumpedLastBid;
    if (!unbidFit && !jumpedLast && last != Pass && t < 25 &&
        (me.HighCardPoints < 6 || (me.Points - me.ShownMinPoints < 3 && last > 10))) {
        int first = NthBid(o, 1), second = NthBid(o, 2);
        int fs = CallStrain(first), ss = CallStrain(second);
        if (o != 0 && CallsSinceFirstBid(o) == 2 && IsSuitStrain(fs) && IsSuitStrain(ss) && fs != ss && fs != Clubs &&
            G.SuitInfo[x][fs].Length > G.SuitInfo[x][ss].Length && SetBid(x, fs, Cheapest(fs))) {
            AddWhy("We have more in our partner`s first bid suit than his "
                   "second, and his first suit was not Clubs. His last bid was "
                   "redouble. He needs out of this suit! ");
        } else {
            Cell(x) = Pass;
        }
        me.LaterCallCount += 1;
        return;
    }
    int c = me.LaterCallCount;
    int k = 0;
    if (me.FirstFit > 0) {
        // A fit: the fit rules.
        FitCall(x);
    } else if (t > 25 && c == 0) {
        // Game values on the first later call: a new suit, or No Trump over a high minor.
        AddWhy("We have at least 26 points between us. ");
        int s = ChooseNewSuit(x, 1);
        if (s != 0 && s == LastStrain(x)) {
            int lo = ChooseNewSuit(x, 0);
            if (lo != s) AddWhy("Lets try a different suit than we did last time. ");
            s = lo;
        }
        if (s != 0) {
            k = Cheapest(s);
            if (IsMinor(s) && k >= 4 && me.NoTrumpOk == 1 && Cheapest(NoTrump) < 4) {
                SetBid(x, NoTrump, Cheapest(NoTrump));
                AddWhy("Instead of bidding our suit, let`s try going to game in No Trump. ");
            } else if (me.Points < 11 && k < 4 && !free) {
                SetBid(x, s, k);
                AddWhy("Since we have less than 11 points and we are not a free bidder, and the level is less than 4, bid at the lowest level. ");
            } else if (me.Points - me.ShownMinPoints > 2 && !free) {
                AddWhy("Since we have at least 3 points more than we have declared, and we are not a free bidder, ");
                if (k + 1 < 4 && !me.EverJumped) {
                    SetBid(x, s, k + 1);
                    AddWhy("and we have not jumped yet and we can jump to the 3 level, do it. ");
                } else if (k < 4) {
                    SetBid(x, s, k);
                    AddWhy("We would like to jump to the 3 level if we have not jumped already. ");
                }
            } else if (t > 29 && !free && k < 6) {
                SetBid(x, s, k);
                AddWhy("We have at least 29 points and we are not a free bidder. We don`t want to go over the 5 level. ");
            } else if (t > 24 && !free && k < 5) {
                SetBid(x, s, k);
                AddWhy("We have at least 24 points and we are not a free bidder. We don`t want to go over the 4 level. ");
            } else {
                AddWhy("Since we are a free bidder, let`s pass. ");
            }
        }
        if (Undecided(x)) NoFitCall(x);
    } else if (t > 25) {
        // Game values on a later call: a strong suit only, by the level.
        int s = ChooseNewSuit(x, 0);
        if (s == 0) {
            NoFitCall(x);
        } else {
            k = Cheapest(s);
            int top = TopHonourCount(x, s), len = G.SuitInfo[x][s].Length;
            if (k < 4) {
                SetBid(x, s, k);
                AddWhy("We still have a legitimate bid, but let`s not go over the 3 level. ");
            } else if (k == 4 && top >= 3 && len >= 6) {
                SetBid(x, s, k);
                AddWhy("We still have a legitimate bid, but we need to have 3 of the top 5 cards and at least 6 cards in our suit to go to the 4 level. ");
            } else if (k == 5 && t > 33 && top >= 3 && len >= 6) {
                SetBid(x, s, k);
                AddWhy("we still have a legitimate bid, but we need to have 3 of the top 5 cards and 6 cards in our suit and at least 33 points in the partnership to go to the 4 level. ");
            } else {
                AddWhy("We are out of suits to bid at this level.");
            }
        }
    } else if (t >= 23) {
        // Invitational values: a good suit to the three level, else the no-fit rules.
        AddWhy("We have at least 23 but less than 26 points between us. ");
        if (c == 0) {
            int s = ChooseNewSuit(x, 1);
            if (s != 0) {
                k = Cheapest(s);
                if (k < 4 && TopHonourCount(x, s) >= 3) {
                    SetBid(x, s, k);
                    AddWhy("We still have a legitimate bid and at least 3 of the top five. Go as high as the 3 level. ");
                }
            }
            if (Undecided(x) && !free) NoFitCall(x);
        } else if (!free) {
            NoFitCall(x);
        }
    } else if (t >= 20) {
        if (!free) NoFitCall(x);
    }
    // Not yet ready to drop partner: our main suit as high as the points allow.
    int ps = LastStrain(p);
    if (me.FirstFit == 0 && me.LaterCallCount < 2 && UndecidedOrPassing(x) && !free &&
        ((ps == NoTrump && k < 3) || (IsMajor(ps) && k < 4) || (IsMinor(ps) && k < 4))) {
        InferPartnerLengths(x);
        int b = IsSuitStrain(me.MainSuit) && G.OpponentsBidCount[me.MainSuit] == 0 ? me.MainSuit : 0;
        int pl = LastCall(p);
        int l = CallLevel(pl);
        if (pl > 10) {
            const char* why = nullptr;
            if (t > 28 && l < 4)
                why = "We have more than 28 points between us and can bid to the 3 level. ";
            else if (t >= 26 && t <= 28 && l < 3)
                why = "We have more than 25 points between us and can bid to the 2 level. ";
            else if (t >= 22 && t <= 25 && l < 2)
                why = "We have more than 21 points between us and can bid to the 1 level. ";
            else if (t <= 21)
                Cell(x) = Pass;
            if (why && b != 0 && SetBid(x, b, Cheapest(b))) {
                AddWhy(why);
                AddWhy("We don`t want to drop out on our partner yet. ");
            }
        }
    }
    // Partner's contract does not suit us: a strong suit of our own, or out of No Trump.
    if (UndecidedOrPassing(x) && PartnerHoldsContract(x)) {
        int q = CallStrain(G.Contract);
        if (IsSuitStrain(q) && G.SuitInfo[x][q].Length < 2 && G.SuitInfo[x][q].HighCardPoints < 4) {
            int m = me.MainSuit;
            if (IsSuitStrain(m) && TopHonourCount(x, m) >= 4 && G.SuitInfo[x][m].Length >= 6 && SetBid(x, m, Cheapest(m)))
                AddWhy("We have less than 2 cards in our partner`s suit and less than 4 high card points in his suit. "
                       "We have 3 of the top 5 in a 6 card suit. We can go to the 3 level. ");
        } else if (q == NoTrump && me.NoTrumpOk < 1 && LastStrain(x) != NoTrump) {
            int s = ChooseNewSuit(x, 1);
            if (((IsMajor(s) && Cheapest(s) < 5) || (IsMinor(s) && Cheapest(s) < 6)) && SetBid(x, s, Cheapest(s)))
                AddWhy("Our partner bid No Trump and that is not ok with us! Bid any biddable suit. ");
        }
    }
    // Count the decision.
    me.LaterCallCount += 1;
}

}  // namespace kestrel
