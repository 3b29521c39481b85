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

// Either opponent has bid the suit naturally (the counting table of InferPartnerLengths).
bool OpponentsBid(int suit) { return IsSuitStrain(suit) && G.OpponentsBidCount[suit] > 0; }

// One level above the cheapest while that stays below the limit, else the cheapest when that
// is below the second limit; -1 when neither.
int JumpOrCheapest(int strain, int jumpBelow, int cheapestBelow) {
    int k = MinimumLevel(strain);
    if (k + 1 < jumpBelow) return MakeBid(k + 1, strain);
    if (k < cheapestBelow) return MakeBid(k, strain);
    return -1;
}

// The take-out double zone of round 1: two quick tricks and more than 10 high-card points.
void TakeOutDoubleZone(int x, int s, int c, int l) {
    int& call = Cell(x);
    const SeatInfoRec& info = G.SeatInfo[x];
    int points = info.Points, hcp = info.HighCardPoints;
    int m = G.FourCardMajors[SideOf(x)];
    AddWhy("We have 2 or more quick tricks and at least 10 highcard points. ");
    if (l == 1) {
        AddWhy("The current bid level is 1. ");
        if (CallStrain(FirstCall(G.Opener)) == NoTrump) {
            // Over 1 No Trump the double needs a strong No Trump of our own.
            if (hcp > 15) {
                call = Double;
                AddWhy("The opener`s first bid was No Trump and our highcard points are more than 15. We want to "
                       "double. ");
            } else {
                AddWhy("The opener`s first bid was No Trump, but our highcard points are less than 16, so we should "
                       "just pass. ");
            }
        } else if (points > 12) {
            // A take-out double of a suit asks for support for the unbid suits.
            bool allowed = true;
            int hearts = G.SuitInfo[x][Hearts].Length, spades = G.SuitInfo[x][Spades].Length;
            if (points <= 15) {
                if (!OpponentsBid(Hearts) && !OpponentsBid(Spades)) {
                    if (!(hearts >= 3 && spades >= 3 && (hearts >= 4 || spades >= 4))) {
                        allowed = false;
                        AddWhy("We should pass because we don`t have at least 4 in one unbid major and at least 3 in "
                               "the other unbid major. ");
                    }
                } else if (!OpponentsBid(Hearts)) {
                    if (hearts < 4) {
                        allowed = false;
                        AddWhy("We should pass because we don`t have at least 4 in an unbid major. ");
                    }
                } else if (!OpponentsBid(Spades)) {
                    if (spades < 4) {
                        allowed = false;
                        AddWhy("We should pass because we don`t have at least 4 in an unbid major. ");
                    }
                }
            } else if (s == 0) {
                allowed = false;
            } else if (OpponentsBid(s)) {
                allowed = false;
                AddWhy("We should pass because they have already bid our suit. ");
            }
            // Playing five-card majors, an unbid four-card major is suit enough.
            if (m == 0 && s == 0) {
                if (spades >= 4 && !OpponentsBid(Spades))
                    s = Spades;
                else if (hearts >= 4 && !OpponentsBid(Hearts))
                    s = Hearts;
            }
            if (allowed && s != 0 && s != c) {
                call = Double;
                AddWhy("The opener`s first bid was not No Trump. ");
                AddWhy(points <= 15 ? "Our points are more than 12 but less then 16. " : "Our points are more than 16. ");
                AddWhy(m == 0 ? "We have a major with at least 4 cards in it that has not been bid by the opposition. "
                                "We want to double. "
                              : "Our longest suit has not been bid by the opposition. We want to double. ");
            } else if (allowed && s == 0) {
                AddWhy("Since we have no biddable suits, we should pass. ");
            }
        } else {
            AddWhy("With less than 13 points we had better keep our mouth shut. Pass.");
        }
    } else if (l == 2) {
        AddWhy("The current bid level is 2. ");
        if (s != 0) {
            AddWhy("We have a biddable suit. ");
            int n = G.SuitInfo[x][s].Length;
            if (points > 15) {
                call = Double;
                AddWhy("We have more than 15 points, so double. ");
            } else if (points > 13 && IsMinor(c)) {
                call = Double;
                AddWhy("Because the last bid was in a minor suit, we only need 14 points to double. ");
            } else if (n >= 7) {
                call = BidAtMinimum(s);
                AddWhy("Since we have more than 6 cards in our longest suit, we should bid it. ");
            } else if (TopHonourCount(x, s) >= 3 && s > c && n >= 6) {
                call = BidAtMinimum(s);
                AddWhy("Since we have more than 5 cards in our longest suit and 3 of the top five, we should bid it. ");
            }
        } else if (info.QuickTrickHalves > 4) {
            AddWhy("We don`t have a biddable suit, but do we have more than 2 quick tricks. ");
            if (IsMinor(c) && points > 13) {
                call = Double;
                AddWhy("The last bid suit is a minor and we have more than 13 points. Let`s double. ");
            } else if (c >= Hearts) {
                AddWhy("The suit is a major, so we should not double. ");
            } else {
                AddWhy("We have less than 14 points, so we should not double.");
            }
        } else {
            AddWhy("We do not have a biddable suit or more than 2 quick tricks, so we should not double.");
        }
    } else {
        AddWhy("The current bid level is more than 2. ");
        if (s != 0) {
            AddWhy("We have a biddable suit. ");
            int n = G.SuitInfo[x][s].Length, h = TopHonourCount(x, s);
            bool strong = false;
            if (IsMajor(s) && n >= 7 && h >= 3) {
                strong = true;
                AddWhy("We have more than 6 cards and 3 of the top five cards in " + SuitName(s) + ". " +
                       "This is a major, which is our longest suit. With 13 or more points, bid it. ");
            } else if (n >= 7 && h >= 4) {
                strong = true;
                AddWhy("We have more than 6 cards and 4 of the top five cards in " + SuitName(s) + ". " +
                       "This is our longest suit. With 13 or more points, bid it. ");
            }
            if (strong && points > 12) call = BidAtMinimum(s);
        } else {
            AddWhy("We do not have a biddable suit. We are going to have to pass. ");
        }
    }
    // A take-out double needs a suit to bid next time.
    if (call == Double) {
        int count = 0;
        for (int t = Clubs; t <= Spades; ++t) {
            if (OpponentsBid(t)) continue;
            int n = G.SuitInfo[x][t].Length;
            if (n >= 6)
                count += 2;
            else if (n >= 4)
                count += 1;
        }
        if (count < 1) {
            call = Pass;
            AddWhy("We don`t have a suit to bid next time, so we better not double. ");
        }
    }
}

// A natural overcall without the values for a double.
void NaturalOvercall(int x, int s, int l) {
    int& call = Cell(x);
    int openerSuit = CallStrain(FirstCall(G.Opener));
    AddWhy("We have more than 12 points. ");
    if (l == 1) {
        AddWhy("The level of the current bid is 1. ");
        if (s != 0 && s != openerSuit) {
            AddWhy("We have a biddable suit and it was not the first bid of the opener. ");
            int n = G.SuitInfo[x][s].Length, h = TopHonourCount(x, s);
            if (n >= 9) {
                call = MakeBid(4, s);
                AddWhy("Since we have more than 8, we can bid to the 4 level. ");
            } else if (n >= 7 && h >= 3) {
                call = MakeBid(3, s);
                AddWhy("Since we have more than 6, and 3 of the top 5, we can bid to the 3 level. ");
            } else if (n == 8) {
                call = MakeBid(3, s);
                AddWhy("Since we have more than 7, we can bid to the 3 level. ");
            } else if (n == 7 && h == 2) {
                call = MakeBid(2, s);
                AddWhy("Since we have more than 6, and 2 of the top 5, we can bid to the 2 level. ");
            } else if (n >= 5 && n <= 6 && h >= 3) {
                call = MakeBid(2, s);
                AddWhy("Since we have more than 4, and 3 of the top 5, we can bid at the 2 level. ");
            } else {
                AddWhy("However, it is just not long or strong enough. ");
            }
        }
    } else {
        AddWhy("The level of the current bid is greater than 1. ");
        if (s != 0 && s != openerSuit) {
            AddWhy("We have a biddable suit with more than 6, and 3 of the top 5, or more than 7. We can bid up to the "
                   "3 level. Otherwise we must pass. ");
            int n = G.SuitInfo[x][s].Length, h = TopHonourCount(x, s);
            if (((n >= 7 && h >= 3) || n >= 8) && BidIsLegalNow(MakeBid(3, s))) call = MakeBid(3, s);
        }
    }
}

// The take-out doubler's next turns.
void DoublerFollowUp(int x, int s) {
    int& call = Cell(x);
    const SeatInfoRec& info = G.SeatInfo[x];
    int points = info.Points;
    int advancer = PartnerOf(x);
    bool free = IsFreeBidder(x);
    G.Bidding.DoublerTurns += 1;
    if (G.Bidding.DoublerTurns == 1) AddWhy("We doubled last round. ");
    // The opponents have shown more than we hold: nothing to add.
    if (G.SeatInfo[NextPlayer(x)].ShownMinPoints > points || G.SeatInfo[PlayerAt(x, -1)].ShownMinPoints > points) {
        call = Pass;
        return;
    }
    // Partner passed, or we need not speak, with a minimum double.
    if ((LastCall(advancer) == Pass || free) && points < 16 && G.DoubleState != 2) {
        call = Pass;
        AddWhy("Our partner passed or we are a free bidder, and we have less than 16 points. We should pass. ");
        return;
    }
    if (G.Bidding.DoublerTurns != 1) {
        // Later turns go by the ordinary later-round rules.
        AddWhy("We doubled the first round and this is not the second round. ");
        if (LastCall(x) > 0) DecideLaterCall(x);
        return;
    }
    FindFits(x);
    int fit = info.FirstFit;
    if (IsSuitStrain(fit)) {
        // A fit with partner's answer.
        AddWhy("We found a fit and it is not in No Trump. ");
        if (s != 0 && (points > 15 || !free)) {
            AddWhy(points > 15 ? "We have more than 15 points. " : "We are not a free bidder. ");
            AddWhy("And we have a suit to bid. ");
            int n = G.SuitInfo[x][s].Length, h = TopHonourCount(x, s);
            if ((n >= 6 && h >= 4) || (n >= 5 && h == 5) || n >= 8) {
                AddWhy("We have 5 cards or more and all 5 of the top 5, or 6 or more and 4 of the top 5, or 8 or "
                       "more. ");
                AddWhy("We should not go past the 3 level. ");
                int k = MinimumLevel(s);
                if (k < 4) {
                    if (points > 18) {
                        call = MakeBid(k + 1, s);
                        AddWhy("Since we have more than 18, jump.");
                    } else {
                        call = MakeBid(k, s);
                        AddWhy("Since we have less than 19, don`t jump.");
                    }
                    return;
                }
            }
        }
        // Raise the fit, or show a major instead of a minor fit.
        int f = fit;
        int major = ChooseNewSuit(x, 1);
        if (IsMinor(f) && G.SuitInfo[x][f].Length >= 5 && IsMajor(major) && MinimumLevel(f) < 4 &&
            CallStrain(LastCall(advancer)) != NoTrump) {
            f = major;
            AddWhy("The level is less than 3 and our partner`s last bid was not major, but we have a bidable major, "
                   "let`s announce it. ");
        } else {
            AddWhy("We are ok with this fit. ");
        }
        int d = info.DummyPoints + SupportAdjustment(x, fit);
        int k = MinimumLevel(f);
        std::string dummyNote = "Our dummy points with " + SuitName(f) + "as trump are " + Str(d) + ". ";
        if (d > 18 || points > 18) {
            AddWhy(points > 18 ? std::string("Our ") : dummyNote + "Our dummy ");
            AddWhy("points are greater than 18. We want to jump as high as the 3 level. ");
            call = k + 1 < 4 ? MakeBid(k + 1, f) : MakeBid(k, f);
        } else if (d > 15 || points > 15) {
            AddWhy(points > 15 ? std::string("Our points are greater than 15. ") : dummyNote);
            AddWhy("We want to bid as high as the 3 level without jumping. ");
            if (k < 4) call = MakeBid(k, f);
        } else if (!free) {
            AddWhy("Our points and our dummy points are both less than 16 and we are not a free bidder. We want to "
                   "bid as high as the 3 level without jumping. ");
            if (k < 4) call = MakeBid(k, f);
        } else {
            AddWhy("Our points and our dummy points are less than 16 and we are a free bidder. ");
            DecideLaterCall(x);
        }
    } else if (fit == 0 && info.BiddableSuits != 5) {
        // No fit and a shapely hand: our own suit, or No Trump.
        AddWhy("We have not found a fit and we don`t have a square hand. ");
        if (s != 0) {
            AddWhy(SuitName(s) + "is our longest biddable suit. ");
            int n = G.SuitInfo[x][s].Length, h = TopHonourCount(x, s);
            if (points > 18) {
                AddWhy("Since we have more than 18 points, jump as high as the 3 level, or bid to the 4 level. ");
                int bid = JumpOrCheapest(s, 4, 5);
                if (bid > 0) call = bid;
            } else if (points > 15 && (n >= 7 || (n == 6 && h >= 3))) {
                AddWhy("Since we have at least 15 points plus 6 cards, or 5 cards and 3 of the top 5 cards, jump as "
                       "high as the 3 level, or bid to the 4 level. ");
                int bid = JumpOrCheapest(s, 4, 5);
                if (bid > 0) call = bid;
            } else {
                std::string why = points < 15 ? "less than 16 points "
                                  : n == 6   ? "6 cards in our longest suit and we do not have 3 of the top 5 cards, "
                                             : "less than 6 cards in our longest suit, ";
                AddWhy("Since we have " + why + "we can bid as high as the 3 level. ");
                int k = MinimumLevel(s);
                int cs = CallStrain(G.Contract);
                if (k < 4) {
                    call = MakeBid(k, s);
                } else if (k == 4 && G.Contract == LastCall(advancer) && IsSuitStrain(cs) &&
                           G.SuitInfo[x][cs].Length < 2) {
                    call = MakeBid(4, s);
                    AddWhy("But since the last bid is our partner`s and we have less than 2 of his suit, we will go to "
                           "the 4 level. ");
                }
            }
        } else if (info.NoTrumpOk == 1 && MinimumLevel(NoTrump) < 4) {
            call = BidAtMinimum(NoTrump);
            AddWhy("We have no biddable suit and No Trump is ok with us. Bid No Trump as high as the 3 level. ");
        }
    } else if (fit == 0) {
        // No fit and a square hand: No Trump by strength.
        AddWhy("We have a square hand ");
        int k = MinimumLevel(NoTrump);
        if (points > 18) {
            AddWhy("and more than 18 points. Bid no trump to the 3 level, jumping if needed. ");
            int bid = JumpOrCheapest(NoTrump, 4, 4);
            if (bid > 0) call = bid;
        } else if (points >= 16) {
            AddWhy("and have 16 to 19 points. ");
            AddWhy("Bid No Trump to the 2 level. ");
            if (k < 3) call = MakeBid(k, NoTrump);
        } else {
            AddWhy("and we have less than 16 points. Bid no trump to the 2 level, only if we are not a free bidder "
                   "and our partner is winning the contract. ");
            if (k < 3 && ((LastCall(advancer) > 10 && !free) || FirstCall(NextPlayer(x)) == Redouble))
                call = MakeBid(k, NoTrump);
        }
    }
}

}  // namespace

void DecideOvercallerCall() {
    int x = G.CurrentSeat;
    int round = G.BidRound;
    int& call = Cell(x);
    const SeatInfoRec& info = G.SeatInfo[x];
    bool human = x == G.HumanSeat;
    int enteredBefore = G.Overcaller;
    InferPartnerLengths(x);
    int s = ChooseNewSuit(x, 2);
    int c = CallStrain(G.Contract), l = CallLevel(G.Contract);
    // Over a strong 2 Clubs opening: a long suit with a jump, a very strong hand doubles.
    if (FirstCall(G.Opener) == MakeBid(2, Clubs) && G.Overcaller == 0 && s != 0) {
        AddWhy("The first bid of the opener was 2 Clubs. ");
        int k = MinimumLevel(s);
        if (G.SuitInfo[x][s].Length >= 7 && k < 7) {
            call = MakeBid(k + 1, s);
            AddWhy("We have a suit longer than 6. Jump bid it. ");
        } else if (info.Points > 25) {
            call = Double;
            AddWhy("We don`t have a suit longer than 6, but we have more than 25 points. ");
        } else {
            call = Pass;
            AddWhy("We had better just pass. ");
        }
        if ((call > 10 || call == Double) && !human) G.Overcaller = x;
        Bid2Screen(x);
        if (enteredBefore == 0 && G.Overcaller == x && G.Calls[x][round] == Double) G.Bidding.OvercallWasDouble = 1;
        return;
    }
    if (G.Overcaller == 0 && LastCall(x) != Pass) {
        // The side's first entry into the auction.
        if (info.Points > 25) {
            // A huge hand: cue-bid the opener's suit, or bid a long major to game.
            if (G.Opener == PlayerAt(x, -1)) {
                call = BidAtMinimum(CallStrain(FirstCall(G.Opener)));
                AddWhy("We have more than 25 points and the opener is on our right. Bid his suit!!! ");
            } else if (IsMajor(s) && G.SuitInfo[x][s].Length >= 7 && MinimumLevel(s) < 5) {
                call = MakeBid(4, s);
                AddWhy("We have a major suit with more than 6 cards. Bid it at the 4 level. ");
            }
        }
        if (Undecided(x)) {
            if (info.QuickTrickHalves > 3 && info.HighCardPoints > 10 && round == 1) {
                TakeOutDoubleZone(x, s, c, l);
            } else if (info.Points > 12) {
                NaturalOvercall(x, s, l);
            } else {
                AddWhy("We have less than 13 points. We will have to pass. ");
            }
        }
        if ((call > 10 || call == Double) && !human) G.Overcaller = x;
    } else if (G.Bidding.OvercallWasDouble == 1 && x == G.Overcaller) {
        // The take-out doubler speaks again.
        DoublerFollowUp(x, s);
    }
    // Entering now makes us the overcaller; a seat that passed first stays quiet.
    if ((call > 10 || call == Double) && G.Overcaller == 0 && !human) G.Overcaller = x;
    if (round > 1 && G.Calls[x][1] == Pass && G.Overcaller == 0)
        AddWhy("We passed the first round and will only pass or double for penalties. ");
    Bid2Screen(x);
    // The side entered with a Double (the call actually recorded, also the user's).
    if (enteredBefore == 0 && G.Overcaller == x && G.Calls[x][round] == Double) G.Bidding.OvercallWasDouble = 1;
}

void DecideAdvancerCall() {
    int y = G.CurrentSeat;
    int& call = Cell(y);
    const SeatInfoRec& info = G.SeatInfo[y];
    int o = G.Overcaller;
    FindFits(y);
    // Later rounds: go on only with game values in a fit, or after partner's take-out double.
    if (G.Advancer == y) {
        AddWhy("We have already bid at least once. ");
        int mine = LastCall(y);
        if ((info.FirstFit != 0 && G.SeatInfo[o].ShownMinPoints + info.Points > 27) ||
            ((mine > 10 || mine == Double) && G.Bidding.OvercallWasDouble == 1))
            DecideResponderLaterCall(y);
        else
            AddWhy("We have nothing else to say. ");
        Bid2Screen(y);
        return;
    }
    G.Advancer = y;
    int v = LastCall(o);
    int vs = CallStrain(v), vl = CallLevel(v);
    bool free = IsFreeBidder(y);
    int q = info.QuickTrickHalves;
    if (v > 10 && v == FirstCall(G.Opener) + 1) {
        // Partner cue-bid the opener's suit: show our best suit.
        AddWhy("Our partner raised the opener`s first bid, this should be a party. ");
        int t = ChooseNewSuit(y, 2);
        if (t != 0) {
            std::string why = "Our longest suit is " + SuitName(t);
            int major = ChooseNewSuit(y, 1);
            if (IsMinor(t) && IsMajor(major)) {
                t = major;
                why += " but " + SuitName(t) + "is a biddable major. ";
            } else {
                why += ".";
            }
            AddWhy(why);
        }
        if (info.HighCardPoints < 8 && q < 4) {
            if (!free && MinimumLevel(NoTrump) < 3) {
                call = MakeBid(2, NoTrump);
                AddWhy("We have less than 8 points and less than 2 quick tricks, we are not a freebidder and we can "
                       "bid no trump at the 2 level. ");
            }
        } else if (t != 0) {
            call = BidAtMinimum(t);
            AddWhy("We have more than 7 points or more than 1.5 quick tricks, bid at the lowest possible level. ");
        }
        if (Undecided(y)) call = Pass;
    } else if (v == Double && CallLevel(G.Contract) < 4) {
        // Answer partner's take-out double with our longest unbid suit, majors first.
        if (G.Calls[o][1] == Double && (!free || info.HighCardPoints > 7 || info.Points > 9)) {
            AddWhy("Our partner doubled and the current level of the bid is less than 4. We want to bid our longest "
                   "major that was not bid by the opposition. If we don`t have a major longer than 3 cards, then check "
                   "for a minor. If we have no suit longer then 3 cards that was not bid by the opposition then bid no "
                   "trump. ");
            const SuitInfoRec* suit = G.SuitInfo[y];
            int strain = NoTrump;
            if (suit[Spades].Length >= 4 && suit[Spades].Length >= suit[Hearts].Length && !OpponentsBid(Spades))
                strain = Spades;
            else if (suit[Hearts].Length >= 4 && !OpponentsBid(Hearts))
                strain = Hearts;
            else if (suit[Diamonds].Length >= 4 && suit[Diamonds].Length >= suit[Clubs].Length &&
                     !OpponentsBid(Diamonds))
                strain = Diamonds;
            else if (suit[Clubs].Length >= 4 && !OpponentsBid(Clubs))
                strain = Clubs;
            call = BidAtMinimum(strain);
            if (CallLevel(call) > 2 && info.Points < 12) {
                call = Pass;
                AddWhy("Whoops, we have less than 12 points and we would have to bid passed the 1 level, that would be "
                       "a mistake. ");
            }
        }
    } else if (v == Double) {
        AddWhy("Our partner doubled for penalties. ");
        call = Pass;
    } else if (IsSuitStrain(vs)) {
        // Raise partner's overcall by our support, quick tricks and dummy value.
        AddWhy("Our partner must have been an overcaller at the " + Str(vl) + " level ");
        int k = MinimumLevel(vs);
        int a = info.DummyPoints - info.Points;
        int support = G.SuitInfo[y][vs].Length;
        // Partner's bid raised by n levels, when that is a legal bid.
        auto raise = [&](int n) {
            int bid = v + n;
            if (BidIsLegalNow(bid)) call = bid;
        };
        if (vl == 1) {
            if (support >= 3) {
                AddWhy("We have trump support ");
                if (q >= 6) {
                    AddWhy("and we have 3 or more quick tricks. ");
                    if (a > 3) {
                        AddWhy("If we get a 4 or more point advantage for being the dummy, ");
                        AddWhy("we want to raise our partner`s bid by 3. ");
                        if (k < 5)
                            raise(3);
                        else if (k == 5)
                            raise(2);
                        else if (k == 6)
                            raise(1);
                    } else {
                        AddWhy("We get a 3 or less point advantage for being the dummy, ");
                        AddWhy("we want to raise our partner`s level by 2. ");
                        if (k < 6)
                            raise(2);
                        else if (k == 6)
                            raise(1);
                    }
                } else if (q >= 4) {
                    AddWhy("and we have 2 or 2.5 quick tricks. ");
                    if (a > 3) {
                        AddWhy("If we get a 4 or more point advantage for being the dummy, ");
                        AddWhy("raise our partner`s level by 2 if we can. ");
                        if (k - vl < 3) raise(2);
                    } else {
                        AddWhy("We get a 3 or less point advantage for being the dummy, ");
                        AddWhy("raise our partner`s level by 1 if we can. ");
                        if (k - vl < 2) raise(1);
                    }
                } else {
                    AddWhy("we have less than 2 quick tricks, nothing to say. ");
                }
            } else {
                AddWhy("we have less than 3 in his suit, no trump support. ");
            }
        } else if (vl == 2) {
            if (support >= 2) {
                AddWhy("We have at least 2 in our partner`s suit ");
                if (q < 5) {
                    AddWhy("and we have 2 or less quick tricks, pass.  ");
                } else if (q <= 6) {
                    AddWhy("and we have 2.5 or 3 quick tricks, if we can raise our partner`s bid by 1 do it. ");
                    if (k == vl + 1) raise(1);
                } else {
                    AddWhy("and we have more than 3 quick tricks raise his suit. ");
                    if (k <= 7) call = MakeBid(k, vs);
                }
            }
        } else if (vl == 3) {
            if (support >= 1) {
                AddWhy("Having any in our partner`s suit is trump support and since we have ");
                if (q < 8) {
                    AddWhy("less than 4 quick tricks we have no other support. ");
                } else if (q == 8) {
                    AddWhy("exactly 4 quick tricks ");
                    if (IsMajor(vs)) {
                        AddWhy("and our suit is a major ");
                        if (k < 5) {
                            call = MakeBid(4, vs);
                            AddWhy("we can go to game. ");
                        } else {
                            AddWhy("but we cant go to game. ");
                        }
                    } else {
                        AddWhy("but we cant go to game. ");
                    }
                } else {
                    AddWhy("more than 4 quick tricks and our partner`s suit is a ");
                    if (IsMinor(vs)) {
                        AddWhy("minor, go to game if possible. ");
                        if (k < 6) call = MakeBid(5, vs);
                    } else {
                        AddWhy("major, go to game, or 5 level if necessary. ");
                        if (k < 5)
                            call = MakeBid(4, vs);
                        else if (k < 6 && G.Contract != v)
                            call = MakeBid(5, vs);
                    }
                }
            }
        }
        if (Undecided(y)) call = Pass;
    }
    Bid2Screen(y);
}

}  // namespace kestrel
