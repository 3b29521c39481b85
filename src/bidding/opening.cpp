#include "bidding/auction.h"
#include "bidding/call_rules.h"
#include "bidding/decisions.h"
#include "bidding/evaluation.h"
#include "core/cards.h"
#include "core/state.h"
#include "core/text.h"

namespace kestrel {


namespace {

// The preempt: a long suit, few high cards, but enough playing strength.
void PreemptOpening(int x) {
    const SeatInfoRec& me = G.SeatInfo[x];
    int s = me.MainSuit;
    if (!IsSuitStrain(s) || G.SuitInfo[x][s].Length < 7) return;
    if (me.HighCardPoints >= 10 || me.Points <= 12) return;
    if (MinimumLevel(s) >= 4) return;
    if (!SetBid(x, s, 3)) return;
    G.Bidding.HasPreempted = True;
    AddWhy("Our longest suit has more than 6 cards and ");
    AddWhy("less than 10 high card points, but more than 12 total points ");
    AddWhy("we want to preempt at 3 level.");
}

// Five-card majors: open the major, else the better minor.
void FiveCardMajorOpening(int x, int a) {
    if (!FiveCardMajorOpener(x) || a <= 12) return;
    int s = ChooseNewSuit(x, 2);
    // A five-card major is opened.
    if (IsMajor(s) && G.SuitInfo[x][s].Length >= 5) {
        SetBid(x, s, 1);
        AddWhy("We are playing five card Majors and we have one.");
        return;
    }
    // Otherwise the longer minor; four of each opens Diamonds, equal length goes by the points.
    AddWhy("We are playing five card Majors and we don`t have one, ");
    const SuitInfoRec& c = G.SuitInfo[x][Clubs];
    const SuitInfoRec& d = G.SuitInfo[x][Diamonds];
    if (c.Length > d.Length) {
        SetBid(x, Clubs, 1);
        AddWhy("our Clubs are longer than our Diamonds bid them. ");
    } else if (d.Length > c.Length) {
        SetBid(x, Diamonds, 1);
        AddWhy("our Diamonds are longer than our Clubs bid them. ");
    } else if (c.Length == 4) {
        SetBid(x, Diamonds, 1);
        AddWhy("we have both 4 Clubs and Diamonds, bid the Diamonds. ");
    } else if (d.HighCardPoints >= c.HighCardPoints + 5) {
        SetBid(x, Diamonds, 1);
        AddWhy("our high card points in Diamonds is at least 5 points more than our our high card points in Club. ");
    } else {
        SetBid(x, Clubs, 1);
        AddWhy("our Clubs and Diamonds are the same length, but are not 4 cards long, the high card points in Diamond are not at least 4 more then the high card points in Clubs, bid the Club. ");
    }
}

// The 2 No Trump opener's second bid, by partner's answer.
void TwoNoTrumpRebid(int x) {
    int p = PartnerOf(x);
    int pl = LastCall(p);
    const SuitInfoRec* suit = G.SuitInfo[x];
    if (pl == MakeBid(3, NoTrump)) {
        // Partner has placed the contract at game.
        Cell(x) = Pass;
        AddWhy("Our partner took us to game. ");
    } else if (pl == MakeBid(3, Clubs)) {
        // 3 Clubs asks for a four-card major.
        AddWhy("Our partner bid 3 Clubs. ");
        bool hearts = suit[Hearts].Length >= 4, spades = suit[Spades].Length >= 4;
        if (!hearts && !spades) {
            AddWhy("We don`t have 4 or more of a major, ");
            AddWhy("We bid Diamonds at the 3 level if we can. ");
            if (!(MinimumLevel(Diamonds) <= 3 && SetBid(x, Diamonds, 3))) Cell(x) = Pass;
        } else if (hearts && spades) {
            AddWhy("We have 4 or more of both majors. ");
            if (MinimumLevel(NoTrump) <= 3 && SetBid(x, NoTrump, 3)) {
                AddWhy("We can bid no trump at the 3 level. ");
            } else {
                Cell(x) = Pass;
                AddWhy("We can not bid no trump at the 3 level. ");
            }
        } else if (hearts) {
            AddWhy("We have 4 or more hearts. ");
            if (MinimumLevel(Hearts) <= 3 && SetBid(x, Hearts, 3)) {
                AddWhy("We can bid at the 3 level. ");
            } else {
                Cell(x) = Pass;
                AddWhy("We can not bid at the 3 level. ");
            }
        } else {
            AddWhy("We have 4 or more spades. ");
            if (MinimumLevel(Spades) <= 3 && SetBid(x, Spades, 3)) {
                AddWhy("We can bid at the 3 level.");
            } else {
                Cell(x) = Pass;
                AddWhy("We can not bid at the 3 level. ");
            }
        }
    } else if (pl > 10 && CallLevel(pl) == 3) {
        // Any other three-level answer is left where it is.
        Cell(x) = Pass;
        AddWhy("Our partner`s last bid was not 3 no trump or 3 Clubs, but was at the 3 level. ");
    } else if ((IsMinor(CallStrain(pl)) && CallLevel(pl) < 5) || (pl >= Pass && pl <= Redouble)) {
        // A minor below game: on to 5 with 29 points, or 28 and three Tens.
        AddWhy("Our partner`s last bid was a minor at the 4 level. ");
        if (CallLevel(G.Contract) < 6) {
            int t = G.SeatInfo[x].Points + G.SeatInfo[p].ShownMinPoints;
            int tens = 0;
            for (int s = Clubs; s <= Spades; ++s)
                if (G.CardOwner[MakeCard(s, Ten)] == x) ++tens;
            if (t == 28 && tens >= 3)
                AddWhy("Since, between us, we have " + Str(28) + " points and " + Str(tens) + " tens, ");
            if (t >= 29) AddWhy("Since we have more than " + Str(28) + " points between us, ");
            if ((t == 29 || (t == 28 && tens >= 3)) && IsMinor(CallStrain(pl)) &&
                SetBid(x, CallStrain(pl), 5))
                AddWhy("we want to take it to game. ");
        }
    }
}

// The five-card-major opener's second bid.
void FiveCardMajorRebid(int x, int a) {
    int hi = ChooseNewSuit(x, 1), lo = ChooseNewSuit(x, 0);
    int last = LastStrain(x);
    int s = 0, jumpAbove = 99;
    if (IsFreeBidder(x) && G.SeatInfo[x].Points < 16) {
        // A free bidder with a minimum says no more.
        Cell(x) = Pass;
        AddWhy("with less then 16 point and being a free bidder let`s pass. ");
        return;
    }
    if (lo == 0) {
        // Nothing new to show: the same suit again.
        s = last;
        AddWhy("rebid the same suit as last time. ");
    } else if (lo == hi) {
        // One suit left to show.
        s = lo;
        AddWhy("we have only one bidable suit. ");
        jumpAbove = 15;
    } else {
        if (last == hi) {
            // A long first suit is rebid, else a new suit is shown.
            if (G.SuitInfo[x][hi].Length >= 7) {
                s = hi;
                AddWhy("we have 7 or more in the suit we bid the first time. ");
            } else {
                s = lo;
                AddWhy("let`s show a new suit. ");
            }
        } else {
            s = hi;
            AddWhy("let`s show our major. ");
        }
        jumpAbove = 18;
    }
    int k = Cheapest(s);
    SetBid(x, s, a > jumpAbove ? k + 1 : k);
}

}  // namespace

void OpeningPointRules(int x, int round) {
    const SeatInfoRec& me = G.SeatInfo[x];
    int a = AdjustedPoints(x);
    int b = me.BiddableSuits;
    int p = PartnerOf(x);
    bool free = IsFreeBidder(x);
    int mid = (G.SeatInfo[p].ShownMinPoints + G.SeatInfo[p].ShownMaxPoints) / 2;
    bool first = round == 1;
    // The five-card-major opener's second bid has its own rules.
    if (!first && FiveCardMajorOpener(x) && a > 12) {
        FiveCardMajorRebid(x, a);
        return;
    }
    auto higher = [&] { return ChooseSuitAroundShortest(x, 1); };
    auto lower = [&] { return ChooseSuitAroundShortest(x, 0); };
    auto one = [&] { AddWhy("We have only one biddable suit. "); };
    auto more = [&] { AddWhy("We have more than one biddable suit. "); };
    auto square = [&] { AddWhy("We have a square hand. "); };
    bool twoOrThree = b == 2 || b == 3;
    if (a < 13) {
        // Too weak to open.
        AddWhy("We have less than 13 points. ");
        if (first) Cell(x) = Pass;
    } else if (a <= 15) {
        // A minimum opening.
        AddWhy("We have between 13 points and 16 points. ");
        if (b == 0 && me.Points > 13) {
            if (first) {
                SetBid(x, Clubs, 1);
                AddWhy("But we have no biddable suits, and the hand is not square. ");
                AddWhy("Let us lie about in Clubs and see what develops, though have no second bid. ");
            }
        } else if (b == 1) {
            one();
            if (first) {
                SetBid(x, me.MainSuit, 1);
                AddWhy("This is the first round. ");
            } else {
                SetBid(x, me.MainSuit, Cheapest(me.MainSuit));
                AddWhy("This is the second round repeat our suit ");
            }
        } else if (twoOrThree) {
            more();
            if (first) {
                SetBid(x, higher(), 1);
                AddWhy("This is the first round. We want to bid our higher suit first. ");
            } else {
                AddWhy("This is the second round. We should have bid our higher suit first, and our lower suit this time. ");
                int s = lower();
                if (s != 0) {
                    SetBid(x, s, Cheapest(s));
                } else {
                    AddWhy("They must have stolen our second bid. ");
                    if (LastCall(p) != Pass) {
                        AddWhy("Our partner did bid last time though. ");
                        DecideLaterCall(x);
                    }
                }
            }
        } else if (b == 5) {
            square();
            if (first) {
                SetBid(x, Clubs, 1);
                AddWhy("This is the first round. Lie in Clubs. ");
            } else {
                AddWhy("This is the second round. ");
                int s = ChooseNewSuit(x, 2);
                if (s == 0) {
                    s = NoTrump;
                    AddWhy("We had no suits to bid. Bid no trump ");
                } else {
                    AddWhy("Bid our longest suit ");
                }
                AddWhy("as high as the 3 level if we are not a free bidder and no higher than the 1 level if we are a free bidder. ");
                int k = Cheapest(s);
                if ((k < 4 && (!free || mid > 10)) || k == 1) SetBid(x, s, k);
            }
        }
        // A hand short of high cards and quick tricks does not open after all.
        if (first && me.HighCardPoints < 8 && me.QuickTrickHalves < 3) {
            Cell(x) = Pass;
            AddWhy("We really have less than 8 highcard points and less than 1 and one half quick tricks. We had better pass. ");
        }
    } else if (a <= 18) {
        // A strong opening.
        AddWhy("We have between 16 points and 19 points. ");
        if (b == 1) {
            one();
            if (first) {
                SetBid(x, me.MainSuit, 1);
                AddWhy("This is the first round bid at the 1 level. ");
            } else {
                AddWhy("This is the second round. ");
                int k = Cheapest(me.MainSuit);
                if (free) {
                    AddWhy("Since we are a free bidder don`t jump. ");
                    SetBid(x, me.MainSuit, k);
                } else {
                    AddWhy("Since we are a not free bidder jump but not past the 3 level. ");
                    SetBid(x, me.MainSuit, k + 1 <= 3 ? k + 1 : k);
                }
            }
        } else if (twoOrThree) {
            more();
            if (first) {
                SetBid(x, lower(), 1);
                AddWhy("This is the first round. We want to bid the lower suit first. ");
            } else {
                int s = higher();
                SetBid(x, s, Cheapest(s));
                AddWhy("This is the second round. We should have bid the lower suit first and the higher suit now. ");
            }
        } else if (b == 5) {
            square();
            if (first) {
                SetBid(x, me.HighCardPoints >= 16 ? NoTrump : Clubs, 1);
                AddWhy("This is the first round. ");
                AddWhy("If we have at least 16 high card points, bid 1 no trump. Otherwise, lie about Clubs. ");
            } else {
                AddWhy("This is the second round. ");
                AddWhy("If we have a biddable major, bid it to the 2 level. ");
                int s = ChooseNewSuit(x, 1);
                if (IsMajor(s) && Cheapest(s) < 3)
                    SetBid(x, s, Cheapest(s));
                else
                    DecideLaterCall(x);
            }
        }
    } else if (a <= 21) {
        // A very strong opening: Clubs first to shift later.
        AddWhy("We have between 19 points and 22 points. ");
        if (b == 1) {
            one();
            if (first) {
                if (me.Points - me.HighCardPoints < 5) {
                    SetBid(x, Clubs, 1);
                    AddWhy("This is the first round. Lie in Clubs, so we can shift to convey more points. ");
                } else {
                    SetBid(x, me.MainSuit, 1);
                    AddWhy("Because so many points are from distrubition (more than 4), we will just have to bid\\rebid this suit, never showing our full potential. ");
                }
            } else {
                AddWhy("This is the second round. Shift to our real suit. ");
                AddWhy("Jump, if we can up, to the 4 level, otherwise just bid our suit. ");
                int k = Cheapest(me.MainSuit);
                if (k + 1 < 5)
                    SetBid(x, me.MainSuit, k + 1);
                else if (k < 6)
                    SetBid(x, me.MainSuit, k);
            }
        } else if (twoOrThree) {
            more();
            if (first) {
                SetBid(x, higher(), 1);
                AddWhy("This is the first round. Bid high first, then low next time. ");
            } else {
                int s = lower();
                if (s != 0) {
                    AddWhy("This is the second round. We should have bid our higher suit the first time. Bid our lower suit next time. ");
                    AddWhy("Jump if we can up to the 4 level, otherwise just bid our suit. ");
                    int k = Cheapest(s);
                    if (k + 1 < 5)
                        SetBid(x, s, k + 1);
                    else if (k < 6)
                        SetBid(x, s, k);
                } else {
                    AddWhy("They stole our second bid. ");
                    AddWhy("If we are a free bidder and the level is still 1, we should double. ");
                    AddWhy("Alternatively, if no trump is ok and we can bid it below the 3 level, bid it. ");
                    if (!(CallLevel(G.Contract) == 1 && free && SetDouble(x, Double)) &&
                        me.NoTrumpOk == 1 && Cheapest(NoTrump) < 3)
                        SetBid(x, NoTrump, Cheapest(NoTrump));
                }
            }
        } else if (b == 5) {
            square();
            if (first) {
                SetBid(x, Clubs, 1);
                AddWhy("This is the first round, lie in Clubs to shift suit the second round, to convey more points. ");
            } else {
                AddWhy("This is the second round, we should have lied in Clubs on the first round, ");
                AddWhy("Go to game in no trump, jumping if possible. ");
                int k = Cheapest(NoTrump);
                if (k + 1 < 4)
                    SetBid(x, NoTrump, k + 1);
                else if (k < 4)
                    SetBid(x, NoTrump, k);
            }
        }
    } else if (a <= 24) {
        // A near-game hand.
        AddWhy("We have between 22 points and 25 points. ");
        if (b == 1) {
            one();
            if (first) {
                SetBid(x, Clubs, 1);
                AddWhy("This is the first round. Lie in Clubs to shift next round, to convey points. ");
            } else {
                AddWhy("This is the second round. Shift to our longest, strongest suit, jumping as high as the 4 level, unless they have bid our suit, in which case double. ");
                InferPartnerLengths(x);
                int k = Cheapest(me.MainSuit);
                if (G.OpponentsBidCount[me.MainSuit] > 0)
                    SetDouble(x, Double);
                else
                    SetBid(x, me.MainSuit, k + 1 < 5 ? k + 1 : k);
            }
        } else if (twoOrThree) {
            more();
            if (first) {
                int hi = higher(), lo = lower();
                if (hi == Clubs) {
                    SetBid(x, Clubs, 1);
                    AddWhy("This is the first round Clubs, instead of " + SuitName(lo) + ". ");
                } else {
                    SetBid(x, lo, 1);
                    AddWhy("This is the first round. Bid low first, high next time. ");
                }
            } else {
                int last = LastStrain(x);
                int hi = higher(), lo = lower();
                int s = hi == last ? lo : hi;
                if (s == 0) s = ChooseNewSuit(x, 1);
                if (s == 0) s = last;
                if (last == Clubs)
                    AddWhy("This is the second round. Since we bid Clubs the first time, bid " + SuitName(lo) + " this time. ");
                else
                    AddWhy("This is the second round. We should have bid the lower suit first, then bid the higher suit this time. ");
                AddWhy("Jump,if we can, up to the 4 level. Otherwise just bid our suit. ");
                int k = Cheapest(s);
                if (k + 2 < 5 && IsMajor(s) && G.SeatInfo[p].ShownMinPoints + me.Points >= 26) {
                    AddWhy("We know of enough to go to game in a major double jump shift. ");
                    SetBid(x, s, k + 2);
                } else {
                    SetBid(x, s, k + 1 < 5 ? k + 1 : k);
                }
            }
        } else if (b == 5) {
            square();
            if (first) {
                SetBid(x, NoTrump, 2);
                AddWhy("This is the first round. ");
            } else {
                AddWhy("This is the second round. ");
                TwoNoTrumpRebid(x);
            }
        }
    } else {
        // A game-forcing hand.
        AddWhy("We have more than 25 points. ");
        if (b == 1) {
            if (first) {
                SetBid(x, Clubs, 2);
                AddWhy("This is the first round. Bid 2 Clubs to tell our partner this is a barnburner! ");
            } else {
                AddWhy("This is the second round. Shift to our real suit ");
                if (CallStrain(G.Contract) == me.MainSuit && G.ContractBidder != p &&
                    SetDouble(x, Double)) {
                    AddWhy("unless they bid our suit. Then double. ");
                } else {
                    SetBid(x, me.MainSuit, Cheapest(me.MainSuit));
                    AddWhy(". ");
                }
            }
        } else if (twoOrThree) {
            more();
            if (first) {
                SetBid(x, Clubs, 2);
                AddWhy("Since this is the first round, lie in Clubs at the 2 level so our partner can pick his suit. ");
            } else {
                int s = higher();
                SetBid(x, s, Cheapest(s));
                AddWhy("This is the second round. Bid a major over a minor. ");
            }
        } else if (b == 5) {
            square();
            if (first) {
                SetBid(x, NoTrump, 3);
                AddWhy("This is the first round. We can easily go to game. ");
            }
        }
    }
}

void DecideOpenerCall() {
    int x = G.CurrentSeat;
    // The opener's memories start afresh with the auction.
    if (G.Opener == 0 || G.BidRound == 1) {
        G.Bidding.HasPreempted = 0;
        G.Bidding.OpenerPassFlag = 0;
    }
    if (G.Opener == 0) {
        // The opening call: a preempt, a five-card-major opening, else the point table.
        if (Undecided(x)) PreemptOpening(x);
        if (Undecided(x)) FiveCardMajorOpening(x, AdjustedPoints(x));
        if (Undecided(x)) OpeningPointRules(x, 1);
        // A bid makes the seat the opener (the user's proposal does not).
        if (Cell(x) > 10 && (x != G.HumanSeat || G.TutorialRunning)) G.Opener = x;
    } else {
        OpenerLaterRounds(x);
    }
    Bid2Screen(x);
}

namespace {

// The responder has called since the opening bid.
bool HasResponded(int r) {
    bool opened = false;
    for (int round = 1; round <= 7; ++round) {
        int x = G.Dealer;
        for (int n = 0; n < 4; ++n, x = NextPlayer(x)) {
            if (!opened) {
                if (x == G.Opener && G.Calls[x][round] > 10) opened = true;
                continue;
            }
            if (x == r && G.Calls[x][round] >= 0 && !(round == G.BidRound && x == G.CurrentSeat))
                return true;
        }
    }
    return false;
}

// The responder passed before his partner opened.
bool PassedBeforeOpening(int r) {
    for (int round = 1; round <= 7; ++round) {
        int x = G.Dealer;
        for (int n = 0; n < 4; ++n, x = NextPlayer(x)) {
            if (x == G.Opener && G.Calls[x][round] > 10) return false;
            if (x == r && G.Calls[x][round] == Pass) return true;
        }
    }
    return false;
}

// Five-card majors: over partner's minor the responder shows his own five-card suit.
void FiveCardMajorResponse(int r, int o) {
    int opening = CallStrain(FirstCall(G.Opener));
    if (!FiveCardMajorOpener(G.Opener) || !IsMinor(opening)) return;
    InferPartnerLengths(r);
    int fives[2] = {0, 0}, n = 0;
    for (int s = Spades; s >= Clubs; --s)
        if (G.SuitInfo[r][s].Length >= 5 && G.OpponentsBidCount[s] == 0 && n < 2) fives[n++] = s;
    int s = 0;
    if (n == 1) {
        // One long suit: show it.
        s = fives[0];
        AddWhy("We only have one suit five cards or longer. Let`s bid it. ");
    } else if (n == 2) {
        // Two long suits: the higher first.
        s = fives[0];
        AddWhy("We have two suits five cards or longer. Let`s bid the high one first. ");
    } else {
        // No long suit: the cheapest four-card suit above partner's.
        for (int t = o + 1; t <= Spades && s == 0; ++t)
            if (G.SuitInfo[r][t].Length >= 4) s = t;
        if (s == 0) return;
        AddWhy("Bid your lowest suit over the opener`s suit that has at least 4 cards. ");
    }
    // The suit is bid only as high as the points allow.
    int p = G.SeatInfo[r].Points;
    int k = MinimumLevel(s);
    if (p < 6) {
        AddWhy("We have less than 6 points. We need to pass. ");
    } else if (p < 10 && k > 1) {
        if (MinimumLevel(NoTrump) <= 1) {
            SetBid(r, NoTrump, 1);
            AddWhy("We have less than 10 points. We can not bid our suit at the 1 level, but we can bid No Trump at the one level. ");
        } else {
            AddWhy("We have less than 10 points. We can not bid our suit at the 1 level, and we can not even bid No Trump at the one level. Pass. ");
        }
    } else if (p < 13 && k >= 3) {
        AddWhy("We have less than 13 points. We can not bid our suit below the 3 level. Pass. ");
    } else if (p < 16 && k >= 4) {
        AddWhy("We have less than 16 points, and can not bid our suit below the 4 level. Pass. ");
    } else if (p >= 16 && k >= 5) {
        AddWhy("We have at least 16 points but can not bid our suit below the 5 level. Pass. ");
    } else {
        SetBid(r, s, k);
    }
}

// Partner opened 2 Clubs, a weak two or a preempt. Returns whether this step applied.
bool HighOpeningResponse(int r, int o) {
    int opening = LastCall(G.Opener);
    if (!IsSuitStrain(o) || CallLevel(opening) < 2) return false;
    const SeatInfoRec& me = G.SeatInfo[r];
    bool free = IsFreeBidder(r);
    AddWhy("The opening bid was ");
    if (opening == MakeBid(2, Clubs)) {
        // The strong 2 Clubs: keep the bidding open, show a major or the values.
        AddWhy("2 Clubs. He has got a great hand but don`t trust those Clubs. ");
        int s = ChooseNewSuit(r, 1);
        if (me.HighCardPoints < 8 && me.QuickTrickHalves < 4) {
            AddWhy("We have less than 8 high card points and less than 2 quick tricks. ");
            if (!free) {
                SetBid(r, Diamonds, 2);
                AddWhy("We are not a free bidder. Make a minimum bid to keep bidding open. ");
            } else {
                Cell(r) = Pass;
                AddWhy("We are a free bidder. Whew! ");
            }
        } else if (IsMajor(s)) {
            SetBid(r, s, MinimumLevel(s));
            AddWhy("Bid a major suit at the lowest possible level. ");
        } else if (s == Diamonds) {
            if (MinimumLevel(Diamonds) < 4) SetBid(r, Diamonds, 3);
            AddWhy("In Diamonds we need to bid to the 3 level so our partner knows we have more than 7 highcard points or 1 1/2 or more quick tricks. ");
        } else {
            SetBid(r, NoTrump, MinimumLevel(NoTrump));
            AddWhy("We like Clubs or have no biddable suits. Keep bidding open with a no trump bid. ");
        }
    } else {
        // A weak two or a preempt: count our tricks beside partner's.
        AddWhy(Str(CallLevel(opening)));
        AddWhy(" ");
        AddWhy(SuitName(o) + ". ");
        AddWhy("We must assume that our partner is down 3 tricks at this point.");
        int halves = 0;
        for (int s = Clubs; s <= Spades; ++s) halves += G.SuitInfo[r][s].HonourTrickHalves;
        G.SeatInfo[r].PreemptTricks = halves / 2;
        int t = CallLevel(opening) - 3 + G.SeatInfo[r].PreemptTricks;
        AddWhy("We think we can take " + Str(G.SeatInfo[r].PreemptTricks) + " tricks with " + SuitName(o) + ". ");
        AddWhy("as trump. ");
        if (t > 7) {
            t -= 2;
            AddWhy("Counting more than 7 of them leads to problems. We must assume we are starting to count more than one of our partner`s tricks. ");
        } else if (t > 5) {
            t -= 1;
            AddWhy("Counting more than 5 of them leads to problems. We must assume we are starting to count our partner`s tricks. ");
        }
        if (t > 7) t = 7;
        if (t >= MinimumLevel(o)) {
            if (!free) {
                AddWhy("We are not a free bidder. ");
                if (IsMajor(o) && t == 5) t = 4;
                if (t >= 7) {
                    SetBid(r, o, t);
                    AddWhy("I think we can slam them! ");
                } else if (IsMajor(o) && t >= 4) {
                    SetBid(r, o, t);
                    AddWhy("Go to game. ");
                } else if (IsMinor(o) && t >= 5) {
                    SetBid(r, o, t);
                    AddWhy("Go to game. ");
                } else {
                    Cell(r) = Pass;
                    AddWhy("We should not go to game. Let`s be safe, not sorry. ");
                }
            } else {
                SetBid(r, o, MinimumLevel(o));
                AddWhy("We are a free bidder. Just rebid our partner`s suit at the lowest level. ");
            }
        }
    }
    // Nothing found over a high opening is a Pass.
    if (Undecided(r)) Cell(r) = Pass;
    return true;
}

// The fit in partner's suit, valued as dummy. Returns the dummy value.
int FitResponse(int r, int o, int s) {
    const SeatInfoRec& me = G.SeatInfo[r];
    int opening = CallStrain(FirstCall(G.Opener));
    int openerLast = LastCall(G.Opener);
    bool free = IsFreeBidder(r);
    int d = me.DummyPoints + SupportAdjustment(r, o);
    AddWhy("We found a fit in our partner`s suit. As dummy, we have " + Str(d) + " points. ");
    if (d < 7) {
        // Too weak to raise: 1 No Trump with some high cards.
        AddWhy("This is less than 7. ");
        if (me.HighCardPoints >= 6) {
            AddWhy("We have more than 5 highcard points though. Bid 1 No Trump if we can. ");
            if (!free && MinimumLevel(NoTrump) <= 1) SetBid(r, NoTrump, 1);
        } else {
            AddWhy("We have less than 6 highcard points. Time to pass. ");
        }
        if (Undecided(r)) Cell(r) = Pass;
    } else if (d <= 10) {
        // A single raise, or a major over partner's minor.
        AddWhy("This is between 6 and 11. ");
        if (MinimumLevel(o) < 6) {
            if (IsMajor(s) && IsMinor(o)) {
                SetBid(r, s, MinimumLevel(s));
                AddWhy("We have a biddable major and our partner bid a minor. ");
            } else {
                SetBid(r, o, CallLevel(openerLast) + 1);
                AddWhy("We don`t have a biddable major or our partner did not bid a minor. Bump up our partner`s bid. ");
            }
        }
    } else if (d <= 12) {
        // Game in partner's suit on shape, a free raise, or a new suit.
        AddWhy("This is between 10 and 13. ");
        if (d > me.Points + 4 && o != Clubs) {
            if (MinimumLevel(o) < 5) SetBid(r, o, 4);
            AddWhy("Being the dummy in our partner`s suit adds 5 or more points to the value of our hand. Bid his suit at the 4 level. ");
        } else if (free) {
            if (MinimumLevel(o) < 3) SetBid(r, o, MinimumLevel(o));
            AddWhy("We are a free bidder. We want to raise our partner`s suit 1 level, if we can. ");
        } else {
            AddWhy("Being dummy in our partner`s suit does not add 5 points to the value of our hand, and ");
            AddWhy("we are not a free bidder. ");
            int t = ChooseNewSuit(r, 2);
            if (t != 0) {
                AddWhy("Our longest biddable suit is " + SuitName(t));
            } else {
                t = DesperationSuit(r);
                if (t == 0) {
                    t = Clubs;
                    AddWhy("We are very desperate, so lie about Clubs. ");
                }
            }
            SetBid(r, t, MinimumLevel(t));
        }
    } else if (d <= 15) {
        // Invitational values: 3 of partner's suit, or a new suit over a Club opening.
        AddWhy("This is between 12 and 16. ");
        if (o == Clubs) {
            AddWhy("We must assume that the first bid of the opener was a lie. ");
            int t = ChooseNewSuit(r, 1);
            if (t != 0) {
                AddWhy("Bid a major over a minor. ");
            } else {
                t = DesperationSuit(r);
                if (t == 0) {
                    t = Clubs;
                    AddWhy("We are very desperate, so lie about Clubs. ");
                }
            }
            AddWhy("Bid only as high as the 3 level. ");
            if (MinimumLevel(t) < 4) SetBid(r, t, MinimumLevel(t));
        } else if (MinimumLevel(o) < 4) {
            SetBid(r, o, 3);
            AddWhy("The opener did not bid Clubs and we can go to the 3 level, jumping if necessary. ");
        } else {
            SetBid(r, o, MinimumLevel(o));
            AddWhy("The opener did not bid Clubs and we want to jump to the 3 level, but we should go as high as we need to bid our partner`s suit back. ");
        }
    } else if (d <= 18) {
        // Game values: a new suit first.
        AddWhy("which is between 15 and 19. ");
        int t = ChooseNewSuit(r, 2);
        if (t == Clubs && opening == Clubs) {
            int u = ChooseNewSuit(r, 1);
            if (u != Clubs) {
                AddWhy("Our longest biddable suit is Clubs and the opener`s first bid was Clubs. Let`s look for a major. ");
                t = u;
            }
        } else if (t != 0) {
            AddWhy("Our longest biddable suit is " + SuitName(t) + ". ");
        }
        if (t == 0) {
            t = Clubs;
            AddWhy("However, that is the same as the opener`s first bid suit. Lie in Clubs. ");
        } else if (t == opening && G.SuitInfo[r][Clubs].Length >= 2) {
            t = Clubs;
            AddWhy("We did not have a biddable suit. Lie in Clubs. ");
        }
        int k = MinimumLevel(t);
        if (t == Clubs && opening == Clubs) {
            AddWhy("Since we need to bid Clubs and our partner bid in Clubs, we need to jump, to communicate points. ");
            if (k + 1 <= 4) ++k;
        }
        SetBid(r, t, k);
    } else {
        // Slam interest: a new suit, jumping.
        AddWhy("This is more than 18. ");
        int t = ChooseNewSuit(r, 2);
        int u = ChooseNewSuit(r, 1);
        if (IsMinor(t) && IsMajor(u)) {
            t = u;
            AddWhy("Our longest suit is a minor and we want to look for a major. ");
        } else if (t != 0 && t == o && IsMajor(u)) {
            t = u;
            AddWhy("Our longest suit was the same as the opener`s, and we want to look for a major. ");
        } else if (IsMajor(t)) {
            AddWhy("Our longest suit is an unbid major. ");
        }
        if (t == 0) {
            t = Clubs;
            AddWhy("We don`t have a biddable suit. Lie in Clubs. ");
        }
        int k = MinimumLevel(t);
        if (k + 1 <= 4) {
            SetBid(r, t, k + 1);
            AddWhy("We will jump as high as the 4 level. ");
        } else if (k <= 7) {
            SetBid(r, t, k);
            AddWhy("We will jump only as high as the 4 level. Bid to any higher level. ");
        } else {
            Cell(r) = Pass;
        }
    }
    return d;
}

// No fit over partner's No Trump: add up the partnership's points.
void NoTrumpOpeningResponse(int r) {
    const SeatInfoRec& me = G.SeatInfo[r];
    int min = G.SeatInfo[G.Opener].ShownMinPoints;
    bool free = IsFreeBidder(r);
    AddWhy("The opener bid no trump. ");
    auto doubleInstead = [&] {
        if (LastCall(G.Opener) != G.Contract && G.DoubleState == 0) SetDouble(r, Double);
    };
    if (me.BiddableSuits == 5) {
        // A square hand bids No Trump by the high cards together.
        int n = min + me.HighCardPoints;
        AddWhy("We have a square hand, then we add our highcard points " + Str(me.HighCardPoints) +
               " and his minimum points of " + Str(min) + " to get " + Str(n) + ". ");
        if (n < 24) {
            Cell(r) = Pass;
            AddWhy("This is less than 24, so pass. ");
        } else if (n == 24) {
            if (MinimumLevel(NoTrump) <= 2) SetBid(r, NoTrump, 2);
            AddWhy("This is exactly 24. Bid no trump at the 2 level if possible. ");
        } else if (n <= 32) {
            if (MinimumLevel(NoTrump) < 4)
                SetBid(r, NoTrump, 3);
            else
                doubleInstead();
            AddWhy("This is more than 24, but less than 33. Bid no trump at the 3 level, double if not possible. ");
        } else if (n <= 35) {
            if (MinimumLevel(NoTrump) < 5)
                SetBid(r, NoTrump, 4);
            else
                doubleInstead();
            AddWhy("which is more than 32, but less than 36, bid no trump at the 4 level. Double if it`s not possible. ");
        } else {
            SetBid(r, NoTrump, 7);
            AddWhy("This is more than 36. Bid no trump at the 7 level. This is really going all the way!!! ");
        }
        return;
    }
    int sum = min + me.Points;
    if (sum > 34) {
        // Slam values: the later-round rules take over.
        DecideResponderLaterCall(r);
    } else if (sum > 23) {
        // Game values: a long suit, Stayman with a major, else No Trump.
        AddWhy("We don`t have a square hand. When we add our points (" + Str(me.Points) +
               ") and his minimum points (" + Str(min) + "), we get " + Str(sum) + " points. ");
        AddWhy("That is more than 23. ");
        int s = ChooseNewSuit(r, 2);
        if (s != 0 && s != Clubs) {
            const SuitInfoRec& suit = G.SuitInfo[r][s];
            bool six = suit.Length >= 6;
            if (six || (suit.Length == 5 && suit.HighCardPoints > 5)) {
                AddWhy("Our longest biddable suit is " + SuitName(s) + "and it has " +
                       (six ? "more than 6 cards in it. " : "5 cards in it and at least 6 points. ") +
                       "We want to jump to the 3 level or bid to any level. ");
                int k = MinimumLevel(s);
                SetBid(r, s, k + 1 < 4 ? k + 1 : k);
            }
        }
        if (Undecided(r)) {
            if (s == Clubs)
                AddWhy("Our longest biddable suit is Clubs. ");
            else if (s == 0)
                AddWhy("We have no biddable suits. ");
            else
                AddWhy("We have less than 6 in our longest suit. ");
            if (G.SuitInfo[r][Hearts].Length >= 4 || G.SuitInfo[r][Spades].Length >= 4) {
                if (MinimumLevel(Clubs) < 4) SetBid(r, Clubs, MinimumLevel(Clubs));
                AddWhy("We have 4 of a major. Lie in Clubs if our lowest possible bid is less than 4, ``Stayman.`` ");
            } else {
                AddWhy("We don`t have 4 of a major. ");
                AddWhy("If our partner`s minimum points and our highcard points total less than 26, only go to the 2 level. If we have more than 25, let`s go to game. ");
                if (min + me.HighCardPoints < 26) {
                    if (MinimumLevel(NoTrump) < 3) SetBid(r, NoTrump, MinimumLevel(NoTrump));
                } else if (MinimumLevel(NoTrump) < 4) {
                    SetBid(r, NoTrump, 3);
                }
            }
        }
    } else {
        // Part-score values: a long suit of our own.
        AddWhy("We don`t have a square hand, and our points of " + Str(me.Points) + " and his minimum points of " +
               Str(min) + " together make a total of " + Str(sum) + " points. ");
        AddWhy("This is less than 24 points. ");
        int s = ChooseNewSuit(r, 2);
        if (s != 0 && s != Clubs) {
            const SuitInfoRec& suit = G.SuitInfo[r][s];
            AddWhy("Our longest biddable suit is " + SuitName(s) + ". ");
            AddWhy(" If we are a not freebidder or our longest suit has more than 5 cards, bid it. ");
            if (!free && (suit.Length >= 6 || (suit.Length == 5 && me.Points > 2)))
                SetBid(r, s, MinimumLevel(s));
        }
    }
}

// A square hand without a fit over a suit opening.
void SquareSuitOpeningResponse(int r) {
    const SeatInfoRec& me = G.SeatInfo[r];
    int p = me.Points;
    AddWhy("We have no trump support and a square hand and " + Str(p) + " points, with no biddable suit. ");
    if (p < 7) {
        Cell(r) = Pass;
        AddWhy("This is less than 7, so pass. ");
    } else if (p <= 9) {
        if (G.BidRound == 1) {
            if (MinimumLevel(NoTrump) <= 1) SetBid(r, NoTrump, 1);
            AddWhy("This is less than 10, but more than 6. ");
            AddWhy("Bid No Trump only at the 1 level. ");
        }
    } else if (p <= 12) {
        if (MinimumLevel(Clubs) == 2) SetBid(r, Clubs, 2);
        AddWhy("This is less than 13, but more than 9. ");
        AddWhy("If we can bid Clubs at the 2 level, a lie, do it. ");
    } else if (p <= 15) {
        int k = MinimumLevel(NoTrump);
        if (k + 1 < 4)
            SetBid(r, NoTrump, k + 1);
        else if (k < 4)
            SetBid(r, NoTrump, k);
        AddWhy("This is less than 16, but more than 12. ");
        AddWhy("Jump if possible, but not past the 3 level. ");
    } else if (p <= 18) {
        if (MinimumLevel(Clubs) < 5) SetBid(r, Clubs, MinimumLevel(Clubs));
        AddWhy("This is less than 19, but more than 15. ");
        AddWhy("Lie about Clubs, up to the 4 level. ");
    } else {
        int k = MinimumLevel(Clubs);
        SetBid(r, Clubs, k + 1 < 4 ? k + 1 : k);
        AddWhy("This is more than 19. ");
        AddWhy("We want to lie about Clubs, jumping as high as the 3 level if possible, but bid Clubs for sure. ");
    }
}

// No fit over a suit opening, with a biddable suit.
void NoFitSuitOpeningResponse(int r) {
    const SeatInfoRec& me = G.SeatInfo[r];
    int p = me.Points;
    int opening = CallStrain(FirstCall(G.Opener));
    AddWhy("We have no trump support. ");
    AddWhy("We don`t have a square hand. ");
    AddWhy("We have " + Str(p) + " points. ");
    if (p < 6) {
        Cell(r) = Pass;
        AddWhy("This is less than 6, so pass. ");
        return;
    }
    if (G.Overcaller != 0 && LastStrain(G.Overcaller) == me.MainSuit && me.MainSuit != 0) {
        // The overcaller bid our suit: punish him.
        SetDouble(r, Double);
        AddWhy("That darn over caller stole our trump suit! ");
        return;
    }
    if (p <= 9) {
        // A weak new suit at the one level.
        AddWhy("This is more than 5, but less than 10. ");
        int s = ChooseNewSuit(r, 2);
        int highest = ChooseNewSuit(r, 1);
        if (s != 0 && G.SuitInfo[r][s].Biddability == 1 && s != highest) {
            s = highest;
            AddWhy("Our highest biddable suit is " + SuitName(s) + ". ");
        } else if (s != 0) {
            AddWhy("Our longest biddable suit is " + SuitName(s) + ". ");
        } else {
            s = NoTrump;
            AddWhy("We have no biddable suit, so bid No Trump. ");
        }
        AddWhy("We would like to bid, but not over the 1 level. ");
        AddWhy("This is true unless we have more than 6 of them. ");
        int k = MinimumLevel(s);
        if (k == 1 || (IsSuitStrain(s) && G.SuitInfo[r][s].Length >= 7)) SetBid(r, s, k);
    } else if (p <= 11) {
        // A new suit up to the two level.
        AddWhy("This is more than 9, but less than 12. ");
        int s = ChooseNewSuit(r, 2);
        if (s == 0) {
            if (opening == Clubs) {
                s = NoTrump;
                AddWhy("We had no biddable suit, and our partner`s first bid was in Clubs, so lie in No Trump instead. ");
            } else {
                s = Clubs;
                AddWhy("We had no biddable suit, and our partner`s first bid was not Clubs, so lie in Clubs. ");
            }
        } else {
            AddWhy("Our longest biddable suit is " + SuitName(s) + ". ");
        }
        AddWhy("This is biddable up to the 2 level. ");
        if (MinimumLevel(s) <= 2) SetBid(r, s, MinimumLevel(s));
    } else if (p <= 14) {
        // An opening hand opposite: our highest suit, jumping after a pass.
        int s = ChooseNewSuit(r, 1);
        if (s == Spades && ChooseNewSuit(r, 0) == Clubs) {
            s = Clubs;
            AddWhy(SuitName(s) + "is the highest biddable suit we have, because Clubs is one suit higher than Spades. ");
        } else if (s == 0) {
            for (int t = Spades; t >= Clubs && s == 0; --t)
                if (G.SuitInfo[r][t].Length >= 4 && G.SuitInfo[r][t].HighCardPoints >= 3) s = t;
            if (s != 0) AddWhy(SuitName(s) + "is the highest suit we have with 4 cards and at least 3 points. ");
        } else {
            AddWhy(SuitName(s) + "is the highest biddable suit we have. ");
        }
        AddWhy("Do not bid above the 3 level though. ");
        AddWhy("Let`s jump if we passed the first time to show the whole 12 points. ");
        if (s != 0) {
            int k = MinimumLevel(s);
            if (LastCall(r) == Pass && k + 1 < 4)
                SetBid(r, s, k + 1);
            else if (k <= 3)
                SetBid(r, s, k);
        }
    } else if (p <= 18) {
        // Strong: the highest suit up to the three level.
        AddWhy("This is more than 14, but less than 19. ");
        AddWhy("Bid our highest suit as high as the 3 level. ");
        int s = ChooseNewSuit(r, 1);
        if (s != 0 && MinimumLevel(s) <= 3) SetBid(r, s, MinimumLevel(s));
    } else {
        // Very strong: jump in the longest suit.
        AddWhy("This is more than 18. ");
        AddWhy("Jump our longest suit as high as the 3 level, but bid for sure. ");
        int s = ChooseNewSuit(r, 2);
        if (s != 0) {
            int k = MinimumLevel(s);
            SetBid(r, s, k + 1 < 4 ? k + 1 : k);
        }
    }
}

// The responder's first call after partner's opening.
void FirstResponse(int r) {
    const SeatInfoRec& me = G.SeatInfo[r];
    int o = LastStrain(G.Opener);
    bool free = IsFreeBidder(r);
    // Five-card majors: show a long suit over partner's minor.
    if (Undecided(r)) FiveCardMajorResponse(r, o);
    // Over 2 Clubs, a weak two or a preempt the answer is final.
    if (Undecided(r) && HighOpeningResponse(r, o)) return;
    // Redouble with values after the opponent's double.
    if (Undecided(r) && G.Overcaller != 0 && LastCall(G.Overcaller) == Double) {
        AddWhy("The player to our right doubled. ");
        if (IsSuitStrain(o) && me.Points > 12) {
            SetDouble(r, Redouble);
            AddWhy("Our partner`s bid was not no trump and we have more than 12 points. ");
        } else if (o == NoTrump && me.Points > 8) {
            SetDouble(r, Redouble);
            AddWhy("Our partner`s bid was no trump and we have more than 8 points. ");
        }
    }
    // A square passed hand with exactly 12 points: 2 No Trump.
    if (Undecided(r) && me.BiddableSuits == 5 && PassedBeforeOpening(r) && me.Points == 12) {
        if (MinimumLevel(NoTrump) < 3)
            SetBid(r, NoTrump, 2);
        else
            Cell(r) = Pass;
        AddWhy("We have a square hand and passed the first time around. We have 12 points. 2 No Trump describes us perfectly. ");
    }
    // A free bidder needs 11 points to speak.
    if (free && me.Points < 11) {
        Cell(r) = Pass;
        AddWhy("We are a free bidder and have less than 11 points. Time to pass. ");
    }
    if (!Undecided(r)) return;
    // Look for the fits; a square hand still names a suit when it has one.
    FindFits(r);
    int s = 0;
    if (me.BiddableSuits == 5) {
        int t = ChooseNewSuit(r, 1);
        if (t != 0) {
            G.SeatInfo[r].BiddableSuits = 1;
            AddWhy("Even though we have a square hand, we want to find a suit to name for our partner. ");
            s = t;
        }
    }
    int d = 0;
    if (IsSuitStrain(o) && me.FirstFit == o) {
        // Support for partner's suit.
        d = FitResponse(r, o, s);
    } else if (o == NoTrump) {
        NoTrumpOpeningResponse(r);
    } else if (IsSuitStrain(o)) {
        if (me.BiddableSuits == 5)
            SquareSuitOpeningResponse(r);
        else
            NoFitSuitOpeningResponse(r);
    }
    // Keep partner bidding with 6 high-card points.
    if (Cell(r) <= Pass && me.HighCardPoints >= 6 && MinimumLevel(NoTrump) <= 1 &&
        SetBid(r, NoTrump, 1)) {
        AddWhy("We want to keep our partner bidding. We have 6 or more highcard points ");
        AddWhy("and we can bid 1 No Trump. ");
    }
    // Second thoughts before bidding a suit at the five level or higher.
    int c = Cell(r);
    if (c > 10 && IsSuitStrain(CallStrain(c)) && CallLevel(c) >= 5) {
        if (d < 19 && me.Points < 19) {
            Cell(r) = Pass;
            AddWhy("We want to rethink this. The level is greater than 4 and our points ");
            AddWhy("and dummy points are less than 18. Our suit is not No Trump. We should pass. ");
        } else if (CallLevel(c) == 5 && MinimumLevel(CallStrain(c)) < 5) {
            Cell(r) = c - 1;
            AddWhy("We want to rethink this. The level is 5 and we jumped. ");
            AddWhy("Let`s not jump. ");
        } else {
            Cell(r) = Pass;
            AddWhy("We want to rethink this. The level is greater than 4 and we don`t know ");
            AddWhy(" our partner`s count yet. We had better just pass. ");
        }
    }
}

}  // namespace

void DecideResponderCall() {
    int r = G.CurrentSeat;
    G.Responder = PartnerOf(G.Opener);
    if (!HasResponded(r))
        FirstResponse(r);
    else
        ResponderLaterRounds(r);
    Bid2Screen(r);
}

}  // namespace kestrel
