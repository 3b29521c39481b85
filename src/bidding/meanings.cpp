#include "bidding/meanings.h"

#include <algorithm>
#include <string>

#include "bidding/auction.h"
#include "bidding/call_rules.h"
#include "bidding/evaluation.h"
#include "core/cards.h"
#include "core/state.h"
#include "core/text.h"

namespace kestrel {

namespace {

constexpr const char* kLineBreak = "\n";

// Points a partnership needs for game in a major or No Trump, in a minor, and for a slam
// try that asks for Aces or Kings.
constexpr int kMajorGame = 26, kMinorGame = 29, kAceAsking = 34, kKingAsking = 36;

// How the text names the caller.
struct Wording {
    std::string subject;  // "we " or "North "
    std::string Subject;  // "We " or "North "
    std::string verb;     // "are " or "is "
    std::string poss;     // "our ", "south`s " or "his "
    std::string role;     // "opener ", "overcaller ", ...
};


// The seat's first call above Pass (its entry into the auction), and the round of it.
int EntryRound(int seat) {
    for (int round = 1; round <= 7; ++round)
        if (G.Calls[seat][round] > 0) return round;
    return 0;
}
int EntryCall(int seat) {
    int round = EntryRound(seat);
    return round == 0 ? 0 : G.Calls[seat][round];
}

// The seat's latest bid of a strain (Pass, Double and Redouble skipped); 0 when none.
int LastBid(int seat) {
    for (int round = 7; round >= 1; --round)
        if (G.Calls[seat][round] > 10) return G.Calls[seat][round];
    return 0;
}

// The seat spoke before the opener in round 1, walking from the dealer to the opener.
bool PassedHand(int seat) {
    if (G.Opener == 0 || seat == G.Opener || G.Dealer < 1) return false;
    int x = G.Dealer;
    for (int n = 0; n < 4; ++n, x = NextPlayer(x)) {
        if (x == G.Opener) return false;
        if (x == seat) return true;
    }
    return false;
}

// The seat's answer to the opening: its first chance after the opening.
int FirstResponseRound(int seat) { return PassedHand(seat) ? 2 : 1; }

// Whether the partnership has bid the strain before the seat's current call.
bool PartnershipBidStrain(int seat, int strain) {
    int partner = PartnerOf(seat);
    for (int round = 1; round <= 7; ++round) {
        int own = round == G.BidRound ? -1 : G.Calls[seat][round];
        if (own > 10 && CallStrain(own) == strain) return true;
        int his = G.Calls[partner][round];
        if (his > 10 && CallStrain(his) == strain) return true;
    }
    return false;
}

void SetRange(int min, int max) {
    SeatInfoRec& me = G.SeatInfo[G.CurrentSeat];
    me.ShownMinPoints = min;
    me.ShownMaxPoints = max;
}

SeatInfoRec& Me() { return G.SeatInfo[G.CurrentSeat]; }

// " 6 minimum and  10 maximum points. "
std::string MinMax() {
    return Str(Me().ShownMinPoints) + " minimum and " + Str(Me().ShownMaxPoints) + " maximum points. ";
}

std::string CannotTalk(const Wording& w) {
    return "Unless" + w.subject + w.verb + "going to game, " + w.subject +
           "can not talk about any more points. ";
}

Wording MakeWording(int x) {
    Wording w;
    if (G.HumanSeat != 0 && x == G.HumanSeat) {
        w.subject = "we ";
        w.Subject = "We ";
        w.verb = "are ";
        w.poss = "our ";
    } else {
        static const char* names[] = {"", "South ", "West ", "North ", "East "};
        w.subject = w.Subject = names[x];
        w.verb = "is ";
        w.poss = x == South ? "south`s " : "his ";
    }
    if (x == G.Opener)
        w.role = "opener ";
    else if (x == G.Responder)
        w.role = "responder to the opener ";
    else if (x == G.Overcaller)
        w.role = EntryCall(x) <= 10 ? "take out doubler " : "overcaller ";
    else if (x == G.Advancer)
        w.role = EntryCall(G.Overcaller) <= 10 ? "responder to the take-out doubler "
                                               : "responder to the overcaller ";
    return w;
}

// ---------------------------------------------------------------------------------------
// The opener.

std::string OpenerFirstRound(const Wording& w, int c) {
    int s = CallStrain(c), l = CallLevel(c);
    if (c == MakeBid(1, NoTrump)) {
        SetRange(16, 18);
        return "An opening bid of 1 No Trump indicates 16 to 18 points and a square hand. ";
    }
    if (c == MakeBid(2, NoTrump)) {
        SetRange(22, 24);
        return "An opening bid of 2 No Trump means 22 to 24 points and a square hand. ";
    }
    if (c == MakeBid(3, NoTrump)) {
        SetRange(25, 27);
        return "An opening bid of 3 No Trump means 25 to 27 points and a square hand. ";
    }
    if (s == NoTrump && l >= 4) {
        SetRange(28, 37);
        return "An opening bid of 4 or more No Trump means 28 to 37 points. ";
    }
    if (IsSuitStrain(s) && l == 1) {
        SetRange(13, 24);
        return "An opening bid of 1 of any suit means 13 to 24 points. ";
    }
    if (c == MakeBid(2, Clubs)) {
        SetRange(25, 37);
        return "An opening bid of 2 Clubs means 25 to 37 points. ";
    }
    if (IsSuitStrain(s) && l == 2) {
        SetRange(9, 12);
        return "An opening bid of 2 of any suit other than Clubs means 9 to 12 points, with a nice "
               "long suit. This is a weak 2 bid.";
    }
    if (IsSuitStrain(s) && l >= 3) {
        SetRange(9, 13);
        return "An opening bid of 3 or more of any suit means 9 to 13 points, with a very long suit. "
               "This is a preemptive bid. " +
               w.Subject + w.verb + "really counting quick tricks and trump. " + w.Subject + w.verb +
               "probably down three tricks. ";
    }
    return "";
}

std::string OpenerRebid(const Wording& w, int x, int c) {
    int p = PartnerOf(x);
    int opening = FirstCall(x);
    int o = CallStrain(opening), ol = CallLevel(opening);
    int s = CallStrain(c);
    SeatInfoRec& me = Me();
    int partnerMin = G.SeatInfo[p].ShownMinPoints;
    bool jump = IsJumpBid(x, G.BidRound);
    bool rhoCalled = RhoCalledBefore(x, G.BidRound);
    bool fiveCard = FiveCardMajorOpener(x) && (o == Clubs || o == Diamonds);
    int partnerSuit = CallStrain(LastBid(p));
    bool partnershipSuit = s > 0 && (s == o || s == partnerSuit);
    bool newSuit = IsSuitStrain(s) && !partnershipSuit;

    // After a No Trump opening the range is already exact.
    if (o == NoTrump) return "";
    // A two-level or higher opening told everything.
    if (ol >= 2)
        return w.Subject + "indicated everything by bidding 2 of a suit on the first round. " +
               "That means " + w.poss + "points stay at" + Str(me.ShownMinPoints) + " minimum and" +
               Str(me.ShownMaxPoints) + " maximum. ";
    // Passing partner's redouble of a major lets it stand.
    if (c == Pass && (o == Hearts || o == Spades) && LastCall(p) == Redouble)
        return std::string("Passing on the second bid as an opener means the hand has less than 16 points, "
                           "unless ") +
               w.poss + "partner redoubled; then it says nothing, and the points stay at" +
               Str(me.ShownMinPoints) + " minimum and" + Str(me.ShownMaxPoints) + " maximum. ";
    // A minimum opener passes.
    if (c == Pass) {
        me.ShownMaxPoints = 15;
        return "Passing on the second bid as an opener means the hand has less than 16 points. ";
    }
    // No Trump with a jump, or without.
    if (s == NoTrump && jump) {
        SetRange(19, 21);
        return "Jumping in No Trump on the second bid as an opener means 19 to 21 points. ";
    }
    if (s == NoTrump) {
        me.ShownMaxPoints = 15;
        return "Biding No Trump on the second bid as an opener means less than 16 points. ";
    }
    // A suit the partnership has bid.
    if (partnershipSuit && rhoCalled && G.SeatInfo[p].JumpedLastBid == 0) {
        me.ShownMinPoints = 16;
        return "Bidding as a free bidder on the second bid as an opener means 16 to " +
               Str(me.ShownMaxPoints) + " points. ";
    }
    if (partnershipSuit && jump) {
        SetRange(16, 18);
        return "Jumping in a suit already bid by this partnership on the second bid as the opener "
               "means 16 to " +
               Str(me.ShownMaxPoints) + " points. ";
    }
    if (partnershipSuit && (c == MakeBid(4, Hearts) || c == MakeBid(4, Spades) ||
                            c == MakeBid(4, NoTrump) || c == MakeBid(3, NoTrump))) {
        me.ShownMinPoints = kMajorGame - partnerMin;
        me.ShownMaxPoints = me.ShownMinPoints + 3;
        return "Biding No Trump or a major to game, when this partnership has already bid the suit, "
               "means we have" +
               Str(kMajorGame) + " points minus our partner`s minimum points of" + Str(partnerMin) +
               ", and a maximum of 3 points more. ";
    }
    if (partnershipSuit && (c == MakeBid(5, Clubs) || c == MakeBid(5, Diamonds))) {
        me.ShownMinPoints = kMinorGame - partnerMin;
        me.ShownMaxPoints = me.ShownMinPoints + 3;
        return "Biding a minor to game, when this partnership has already bid the suit, means we have " +
               Str(kMinorGame) + " points minus our partner`s minimum points of" + Str(partnerMin) +
               ", and a maximum of 3 points more. ";
    }
    if (partnershipSuit) {
        me.ShownMaxPoints = 15;
        return "Since this partnership has already bid this suit and did not jump, the opener is"
               " only claiming 13 for the minimum points and 15 for the maximum points. ";
    }
    if (!newSuit) return "";
    // A new suit after a Club opening, or a lower suit after a higher one.
    bool highThenLow = BidsHighThenLow(x);
    if (opening == MakeBid(1, Clubs) || highThenLow) {
        if (jump) {
            if (highThenLow)
                SetRange(19, 21);
            else if (!fiveCard)
                SetRange(22, 24);
            return "Jumping to a different suit on the second bid as the opener means " + MinMax();
        }
        if (rhoCalled) {
            SetRange(16, 18);
            return "As the opener and a free bidder, bidding a different suit on the second bid means " +
                   MinMax();
        }
        if (!highThenLow) {
            if (!fiveCard) me.ShownMinPoints = 16;
            return "Shifting from low the first time to high this time on the second bid as the "
                   "opener means " +
                   MinMax();
        }
        me.ShownMaxPoints = 15;
        return "Shifting from high the first time to low this time on the second bid as the opener "
               "means " +
               MinMax();
    }
    // A reverse: a higher suit above the first one.
    if (!fiveCard) {
        if (jump)
            me.ShownMinPoints = 22;
        else
            SetRange(16, 18);
    }
    return "Shifting from low the first time to high this time is a reverse and means " + MinMax();
}

std::string OpenerSection(const Wording& w, int x, int c) {
    std::string t = w.Subject + w.verb + " the opener. " + kLineBreak;
    if (G.BidRound == 1) return t + OpenerFirstRound(w, c);
    if (G.BidRound == 2) return t + OpenerRebid(w, x, c);
    return t + CannotTalk(w);
}

// ---------------------------------------------------------------------------------------
// The responder.

std::string ResponderFirst(int x, int c) {
    SeatInfoRec& me = Me();
    int opening = FirstCall(G.Opener);
    int oS = CallStrain(opening);
    int s = CallStrain(c), l = CallLevel(c);
    int openerMin = G.SeatInfo[G.Opener].ShownMinPoints;
    bool jump = IsJumpBid(x, G.BidRound);
    bool rho = RhoCalledBefore(x, G.BidRound);
    bool passed = PassedHand(x);
    me.ShownMaxPoints = 18;
    std::string lead;
    const char* ending = "as the responder means ";
    bool matched = true;
    if (c == Redouble) {
        SetRange(13, 24);
        lead = "Redoubling on the first round ";
        ending = "means ";
    } else if (oS == NoTrump && s == NoTrump && l == 2) {
        SetRange(7, 9);
        lead = "Bidding the opener`s No Trump back at the 2 level on the first round as the responder ";
        ending = "means ";
    } else if (oS == NoTrump && s == NoTrump && l == 3) {
        me.ShownMinPoints = kMajorGame - openerMin;
        me.ShownMaxPoints = me.ShownMinPoints + 3;
        lead = "Bidding the opener`s No Trump back at the 3 level on the first round as the responder "
               "means 26 minus the opener`s minimum points of " +
               Str(openerMin) + ", which ";
        ending = "means ";
    } else if (opening == MakeBid(1, NoTrump) && s == Clubs) {
        if (jump) {
            me.ShownMinPoints = 8;
            lead = "Jumping in Clubs in response to the opener`s No Trump ";
        } else {
            SetRange(0, 7);
            lead = "Bidding Clubs without jumping to the opener`s No Trump ";
        }
    } else if (opening == MakeBid(1, NoTrump)) {
        if (jump) {
            SetRange(7, 18);
            lead = "Jumping in any suit other than Clubs in response to the opener`s No Trump ";
        } else {
            SetRange(0, 7);
            lead = "Bidding any suit other than Clubs without jumping in response to the opener`s No Trump ";
        }
    } else if (opening == MakeBid(2, NoTrump) && s == Clubs) {
        if (jump) {
            me.ShownMinPoints = 3;
            lead = "Jumping Clubs in response to the opener`s 2 No Trump ";
        } else {
            SetRange(0, 2);
            lead = "Bidding Clubs without jumping in response to the opener`s 2 No Trump ";
        }
    } else if (opening == MakeBid(2, NoTrump)) {
        SetRange(0, 2);
        lead = "Bidding any suit other than Clubs in response to the opener`s 2 No Trump ";
    } else if (opening == MakeBid(3, NoTrump)) {
        SetRange(0, 2);
        lead = "Bidding any response to the opener`s 3 No Trump ";
    } else if (opening == MakeBid(2, Clubs)) {
        lead = "Since our partner bid 2 Clubs the first round, ";
        if (c == Pass || c == MakeBid(2, Diamonds)) {
            SetRange(0, 7);
            lead += "passing or bidding Diamonds, ";
        } else {
            me.ShownMinPoints = 8;
            lead += "bidding any suit other than Diamonds, ";
        }
        ending = "means ";
    } else if (IsSuitStrain(oS) && s == oS) {
        // A raise of the opening suit: more with a free bid, a jump shows a limit raise.
        SetRange(6, 10);
        lead = "Raising the opener`s suit ";
        if (rho) {
            SetRange(10, 12);
            lead += "when a free bidder ";
            if (l >= 4) {
                SetRange(13, 18);
                lead += "and the level is greater than 3 ";
            }
        }
        if (jump) {
            SetRange(13, 15);
            lead += "by jumping ";
            if (passed) {
                SetRange(10, 12);
                lead += "after we passed already ";
            }
        }
    } else if (s == NoTrump) {
        SetRange(6, 9);
        lead = "Bidding no trump ";
        if (passed) {
            me.ShownMaxPoints = 12;
            lead += "after we passed already ";
            if (jump) {
                SetRange(12, 12);
                lead += "by jumping ";
            }
        } else if (rho || jump) {
            SetRange(13, 15);
            lead += jump ? "by jumping " : "when a free bidder ";
        }
    } else if (c == Pass) {
        me.ShownMinPoints = 0;
        if (rho) {
            me.ShownMaxPoints = 10;
            lead = "Passing when a freebidder ";
        } else if (oS == Clubs || oS == Diamonds) {
            me.ShownMaxPoints = 6;
            lead = "Passing when not a freebidder and when the opener bid a minor ";
        } else {
            me.ShownMaxPoints = 9;
            lead = "Passing when not a freebidder and when the opener did not bid a minor ";
        }
    } else if (IsSuitStrain(s) && jump) {
        if (passed)
            SetRange(12, 12);
        else
            SetRange(19, 24);
        lead = "Jumping to a new suit ";
    } else if (IsSuitStrain(s) && (l == 2 || rho)) {
        SetRange(10, 18);
        lead = "A minimum bid at the 2 level or bidding as a free bidder ";
    } else if (IsSuitStrain(s) && l == 1) {
        SetRange(6, 18);
        lead = "Bidding at the 1 level ";
    } else {
        matched = false;
    }
    std::string t = matched ? lead + ending + MinMax() : "";
    // A passed hand has denied an opening.
    if (passed) {
        me.ShownMaxPoints = std::min(me.ShownMaxPoints, 13);
        me.ShownMinPoints = std::min(me.ShownMinPoints, 13);
        t += "If we passed on our first opportunity to bid, we can never claim more than 13 points "
             "maximum. ";
    }
    return t;
}

std::string ResponderSecond(const Wording& w, int x, int c) {
    SeatInfoRec& me = Me();
    int p = PartnerOf(x);
    int opening = FirstCall(G.Opener);
    int oS = CallStrain(opening);
    int s = CallStrain(c), l = CallLevel(c);
    int openerMin = G.SeatInfo[G.Opener].ShownMinPoints;
    int partnerMin = G.SeatInfo[p].ShownMinPoints;
    int frRound = FirstResponseRound(x);
    int fr = G.Calls[x][frRound];
    bool jump = IsJumpBid(x, G.BidRound);
    std::string t = "This is the second bid of the responder. ";
    // After a No Trump opening the first answer said it all.
    if (oS == NoTrump) return t + w.Subject + "said everything there is to say by bidding Stayman. ";
    // A first-round raise: bidding on is like showing a new suit.
    if (fr > 10 && CallStrain(fr) == oS) {
        bool raisesAgainOverLower = s == oS && CallStrain(LastBid(G.Opener)) < oS;
        if (!raisesAgainOverLower && c != Pass) {
            t += "In the first round, " + w.subject + "raised the opener`s suit, so bidding again is like"
                 " showing a new suit. ";
            if (me.ShownMinPoints < 13 || IsFreeBidder(x)) {
                me.ShownMinPoints += 3;
                t += "Because the hand has less than 13 points, add 3 to the minimum points. ";
                if (me.ShownMaxPoints - me.ShownMinPoints < 3) {
                    me.ShownMaxPoints = me.ShownMinPoints + 3;
                    t += "To keep a minimum range of 3, raise the maximum points to 3 points over the "
                         "minimum. ";
                }
            }
        }
        return t;
    }
    // A first answer in No Trump, to 2 Clubs, or a pass without competition said it all.
    if (fr > 10 && CallStrain(fr) == NoTrump)
        return t + "The responder said it all with the No Trump bid in the first round. ";
    if (opening == MakeBid(2, Clubs))
        return t + "The responder said it all with the response to the opener`s 2 Club bid. ";
    if (fr == Pass && !RhoCalledBefore(x, frRound))
        return t + "The responder said it all by passing when not a free bidder on the first round. ";
    // A pass now, or a first answer that was a call of substance.
    if (c == Pass || fr > 0) {
        if (c == MakeBid(4, NoTrump) && jump) {
            me.ShownMinPoints = kAceAsking - partnerMin;
            me.ShownMaxPoints = me.ShownMinPoints + 6;
            return t + w.Subject + "jumped to 4 No Trump, bid Blackwood and needs" + Str(kAceAsking) +
                   " points minus " + w.poss + "partner`s minimum points. That means " + MinMax();
        }
        if (jump && (c == MakeBid(3, NoTrump) || c == MakeBid(4, Hearts) || c == MakeBid(4, Spades) ||
                     c == MakeBid(4, NoTrump))) {
            me.ShownMinPoints = kMajorGame - openerMin;
            me.ShownMaxPoints = me.ShownMinPoints + 3;
            return t + w.Subject + "jumped to the game level in a major or No Trump, which needs" +
                   Str(kMajorGame) + " points minus the opener`s minimum points. That means " + MinMax();
        }
        if (jump && (c == MakeBid(5, Clubs) || c == MakeBid(5, Diamonds))) {
            me.ShownMinPoints = kMinorGame - openerMin;
            return t + w.Subject + "jumped to the game level in a minor, which needs" + Str(kMinorGame) +
                   " points minus the opener`s minimum points. That means " + MinMax();
        }
        if (jump) {
            SetRange(16, 18);
            return t + w.Subject + "jumped on the second round, which means " + MinMax();
        }
        if (IsFreeBidder(x) && c != Pass) {
            me.ShownMinPoints = 10;
            return t + "Being a free bidder and bidding means the hand has " + MinMax();
        }
        if (c == Pass)
            return t + "Passing as the responder on the second round means no change in points. This "
                       "hand still has " +
                   MinMax();
        if (s > 0 && l == 3 && !PartnershipBidStrain(x, s)) {
            me.ShownMinPoints = 10;
            return t + "Naming a new suit means this hand has " + MinMax();
        }
        return t;
    }
    // He passed as a free bidder and bids now.
    if (s == oS && s > 0) {
        me.ShownMinPoints = me.ShownMaxPoints - 3;
        return t + "Passing before and bidding now means this hand has the top of the range: " + MinMax();
    }
    if (s == NoTrump && jump && oS != Clubs) {
        SetRange(13, 15);
        return t + "Jumping No Trump after passing, when the opener`s first suit was not Clubs means " +
               MinMax();
    }
    if (s == NoTrump) {
        me.ShownMinPoints = 6;
        return t + "Bidding No Trump after passing the first time means " + MinMax();
    }
    if (me.ShownMinPoints == 0 && me.ShownMaxPoints < 11) {
        me.ShownMinPoints = 6;
        return t + "Narrow the range toward the top, this hand has " + MinMax();
    }
    if (me.ShownMinPoints == 0) {
        SetRange(10, 12);
        return t + "Narrow the range toward the top, this hand has " + MinMax();
    }
    if (BidsHighThenLow(x)) {
        SetRange(13, 15);
        return t + "Since we bid first high then low, this hand has " + MinMax();
    }
    SetRange(16, 18);
    return t + "Since we bid first low then high, this hand has " + MinMax();
}

std::string ResponderSection(const Wording& w, int x, int c) {
    SeatInfoRec& me = Me();
    bool passed = PassedHand(x);
    int round = G.BidRound - (passed ? 1 : 0);
    int opening = FirstCall(G.Opener);
    std::string t = w.Subject + w.verb + "the responder. ";
    if (round <= 1) {
        t += ResponderFirst(x, c);
    } else if (round == 2) {
        t += ResponderSecond(w, x, c);
    } else if (c != Pass) {
        // Later rounds: only a free bid after the opener's pass says more.
        if (IsFreeBidder(x) && LastCall(G.Opener) == Pass) {
            me.ShownMinPoints += 3;
            if (me.ShownMaxPoints - me.ShownMinPoints < 3) me.ShownMaxPoints = me.ShownMinPoints + 3;
            t += "Bidding on the third or subsequent round as a free bidderadds three to our minimum "
                 "points. ";
        } else {
            t += CannotTalk(w);
        }
    }
    // A passed hand can never show an opening.
    if (passed) {
        me.ShownMaxPoints = std::min(me.ShownMaxPoints, 12);
        me.ShownMinPoints = std::min(me.ShownMinPoints, 11);
    }
    // Over a weak two or a preempt the answers count quick tricks.
    if (IsSuitStrain(CallStrain(opening)) && CallLevel(opening) >= 2 && opening != MakeBid(2, Clubs)) {
        me.ShownMinPoints = 0;
        t += "All responses to a weak 2 or preempt are based on quick tricks, not points. We declare "
             "none. ";
    }
    return t;
}

// ---------------------------------------------------------------------------------------
// The overcaller.

std::string OvercallerSection(const Wording& w, int x, int c) {
    SeatInfoRec& me = Me();
    int p = PartnerOf(x);
    int entryRound = EntryRound(x);
    if (entryRound == 0 || entryRound > G.BidRound) entryRound = G.BidRound;
    int entry = G.Calls[x][entryRound];
    int k = G.BidRound - entryRound + 1;
    int opening = FirstCall(G.Opener);
    int oS = CallStrain(opening);
    int s = CallStrain(c), l = CallLevel(c);
    bool takeout = entry == Double;
    std::string t = w.Subject + w.verb + (takeout ? " a takeout doubler. " : " an overcaller. ");
    if (k <= 1) {
        int cs = CallStrain(G.Contract), cl = CallLevel(G.Contract);
        std::string lead;
        if (c > 10 && s == oS) {
            SetRange(25, 32);
            lead = "Bidding 2 in the opener`s suit as the overcaller means ";
        } else if (c == Double && oS == NoTrump) {
            SetRange(16, 18);
            lead = "Because the opener bid No Trump, ";
        } else if (c == Double && cl == 2 && (cs == Clubs || cs == Diamonds)) {
            SetRange(13, 24);
            lead = "Because the last bid made was 2 of a minor,";
        } else if (c == Double && cl == 2 && (cs == Hearts || cs == Spades)) {
            SetRange(16, 24);
            lead = "Because the last bid made was 2 of a major, ";
        } else if (c == Double && cl > 2) {
            SetRange(19, 24);
            lead = "Because the last bid made was higher than the 2 level, ";
        } else if (c == Double && cl == 1) {
            SetRange(13, 24);
            lead = "Because the last bid made was a suit bid at the 1 level, ";
        } else if (c > 10 && l == 4) {
            SetRange(26, 32);
            lead = "Going to the 4 level without hearing from the partner means this hand better have "
                   "enough for the partnership to go to game; ";
        } else if (c > 10 && l >= 3) {
            lead = "Preempt,";
            if (opening == MakeBid(2, Clubs)) {
                SetRange(7, 18);
                lead += "because the opener bid 2 Clubs; ";
            } else {
                SetRange(13, 18);
            }
        } else if (c > 10) {
            SetRange(7, 13);
            lead = "This is a weak 2 bid, so ";
        }
        return t + lead + w.poss + "points fall in the range of " + Str(me.ShownMinPoints) +
               " minimum and " + Str(me.ShownMaxPoints) + " maximum. ";
    }
    if (k == 2) {
        // An overcall, or a Double of No Trump, said it all.
        if (!takeout) return t + w.Subject + "said all there was to say on the first round. ";
        if (oS == NoTrump) return t + w.Subject + "said everything on the first round. ";
        // The take-out doubler's second call places his strength.
        if (c == Pass) {
            me.ShownMaxPoints = me.ShownMinPoints + 3;
            return t + "Passing set the maximum at 3 over the minimum points of " + Str(me.ShownMinPoints) +
                   ". ";
        }
        if (l < 3) {
            me.ShownMaxPoints = 18;
            return t + "Not going to the 3 level set the maximum at 18. The minimum points stay at" +
                   Str(me.ShownMinPoints) + ". ";
        }
        if (IsJumpBid(x, G.BidRound)) {
            SetRange(19, 24);
            return t + "Jumping fixes the points at" + Str(19) + " to" + Str(24) + ". ";
        }
        if (c > 10 && s == CallStrain(LastBid(p)) && CallStrain(LastCall(p)) == s && FirstCall(p) == Pass) {
            me.ShownMinPoints = 16;
            return t + "Rebidding " + w.poss + "partner`s suit after " + w.poss +
                   "partner passed fixes the points at" + Str(me.ShownMinPoints) + " minimum. ";
        }
        if (RhoCalledBefore(x, G.BidRound)) me.ShownMinPoints = 16;
        return t;
    }
    // Third call on: only a lower suit after a higher one changes the points.
    if (c != Pass) {
        t += "Bidding an unbid lower suit in the third round after having bid a high suit before is the "
             "only thing that can change the points now. ";
        if (!BidsHighThenLow(x) && me.ShownMinPoints < 16) {
            me.ShownMinPoints = 16;
            t += "Thus raising the minimum to 16. ";
        }
        t += "This hand has " + MinMax();
    }
    return t;
}

// ---------------------------------------------------------------------------------------
// The advancer.

std::string AdvancerSection(const Wording& w, int x, int c) {
    SeatInfoRec& me = Me();
    int oc = G.Overcaller;
    bool takeout = EntryCall(oc) == Double;
    bool passed = PassedHand(x);
    int round = G.BidRound - (passed ? 1 : 0);
    int s = CallStrain(c), l = CallLevel(c);
    int overcallerMin = G.SeatInfo[oc].ShownMinPoints;
    bool jump = IsJumpBid(x, G.BidRound);
    bool rho = RhoCalledBefore(x, G.BidRound);
    bool cue = G.Opener != 0 && FirstCall(oc) == FirstCall(G.Opener) + 1;
    std::string t = w.Subject + w.verb +
                    (takeout ? "a responder to a takeout doubler. " : "a responder to an overcaller. ");
    if (round <= 1) {
        if (cue) {
            // Over partner's cue-bid.
            if (s == NoTrump) {
                SetRange(0, 7);
                t += "Raising " + w.poss + "partner`s No Trump bid means " + MinMax();
            } else if (IsSuitStrain(s)) {
                SetRange(8, 10);
                t += "Raising " + w.poss + "partner`s suit bid means " + MinMax();
            }
            return t;
        }
        if (takeout) {
            // Partner's take-out Double asks for a suit.
            t += "On the first round, ";
            if (rho) {
                t += "as a free bidder, ";
                if (c == Pass) {
                    me.ShownMaxPoints = 10;
                    t += "passing means ";
                } else if (jump) {
                    SetRange(13, 18);
                    t += "jumping means ";
                } else {
                    SetRange(8, 12);
                    t += "bidding means ";
                }
                return t + MinMax();
            }
            if (jump) {
                SetRange(13, 18);
                return t + "jumping means " + MinMax();
            }
            if (c == Pass) {
                me.ShownMaxPoints = 0;
                return t + "passing, when " + w.poss + "partner asked for a suit, means this hand must be dead; or " +
                       w.poss + "partner picked up his cards and went home!!! Nonetheless, this hand has " + MinMax();
            }
            me.ShownMaxPoints = 12;
            return t + "not being a free bidder, bidding or not, sitting at the table means " + MinMax();
        }
        // Partner's suit overcall.
        if (l >= 4 && s > Diamonds) {
            me.ShownMinPoints = kMajorGame - overcallerMin;
            me.ShownMaxPoints = me.ShownMinPoints + 3;
            return t + "On the first round, going to game in a major requires " + Str(kMajorGame) +
                   " points minus the overcaller`s minimum points of" + Str(overcallerMin) + ", which means " +
                   MinMax();
        }
        if (l >= 5 && (s == Clubs || s == Diamonds)) {
            me.ShownMinPoints = kMinorGame - overcallerMin;
            me.ShownMaxPoints = me.ShownMinPoints + 3;
            return t + "On the first round, going to game in a minor requires " + Str(kMinorGame) +
                   " points minus the overcaller`s minimum points of" + Str(overcallerMin) + ", which means " +
                   MinMax();
        }
        if (c == Pass) {
            me.ShownMaxPoints = 10;
            return t + "On the first round, passing means " + MinMax();
        }
        if (c > 10) {
            SetRange(10, 18);
            return t + "On the first round, bidding short of game except in No Trump means " + MinMax();
        }
        return t;
    }
    if (round == 2 && c > 10) {
        // A free bid on the second round, and a bid at the three level.
        if (IsFreeBidder(x)) {
            t += "On the second round, bidding as a free bidder means having " + Str(me.ShownMinPoints) +
                 " minimum and " + Str(me.ShownMaxPoints) + " maximum. ";
            me.ShownMinPoints = 10;
        }
        if (l == 3 && 22 - overcallerMin > me.ShownMinPoints) {
            me.ShownMinPoints = 22 - overcallerMin;
            t += "On the second round, bidding to the 3 level means taking the overcaller`s minimum points of" +
                 Str(overcallerMin) + " from 22. This leaves us with" + Str(me.ShownMinPoints) +
                 " minimum points. ";
        }
    }
    return t;
}

// ---------------------------------------------------------------------------------------

// A seat without a role has passed throughout.
std::string OtherSection(const Wording& w) {
    SetRange(0, 13);
    return w.Subject + w.verb + "passing, never having bid. " + w.poss + "points are set at " + Str(0) +
           " minimum and " + Str(13) + " maximum. ";
}

// The special calls: ace and king asking, game bids after the first round. Returns true when
// the description is complete.
bool SpecialCall(const Wording& w, int x, int c, std::string& t) {
    SeatInfoRec& me = Me();
    int p = PartnerOf(x);
    int partnerMin = G.SeatInfo[p].ShownMinPoints;
    // Gerber.
    if (c == MakeBid(4, Clubs) && x == G.AceAsker && x == G.GerberAsker) {
        me.ShownMinPoints = kAceAsking - partnerMin;
        t = "The " + w.role + "bid Gerber and " + w.poss + "minimum points are " + Str(kAceAsking) +
            " minus " + w.poss + "partner`s points. ";
        return true;
    }
    // The responder's 3 No Trump in a No Trump auction: the role section says what it means.
    if (c == MakeBid(3, NoTrump) && G.Opener != 0 && x == PartnerOf(G.Opener) &&
        CallStrain(LastCall(G.Responder)) == NoTrump && CallStrain(LastCall(G.Opener)) == NoTrump) {
        me.ShownMinPoints = 7;
        return false;
    }
    // Blackwood.
    if (c == MakeBid(4, NoTrump) && AskingForAces() == x) {
        me.ShownMinPoints = kAceAsking - partnerMin;
        t = "The " + w.role + "bid Blackwood and " + w.poss + "minimum points are " + Str(kAceAsking) +
            " minus " + w.poss + "partner`s points. ";
        return true;
    }
    // Asking for Kings.
    if (c == MakeBid(5, NoTrump) && x == G.AceAsker) {
        me.ShownMinPoints = kKingAsking - partnerMin;
        t = w.Subject + "bid Blackwood last round and " + w.verb +
            "now looking for kings. The minimum points are " + Str(kKingAsking) + " minus " + w.poss +
            " partner`s points.";
        return true;
    }
    if (G.BidRound <= 1) return false;
    // Partner asks for Aces: our answer shows no points.
    if (p == G.AceAsker || p == G.GerberAsker) {
        t = "Because " + w.poss + " partner bid " + (p == G.GerberAsker ? "Gerber " : "Blackwood ") + w.poss +
            " points cannot change from the minimum points of " + Str(me.ShownMinPoints) +
            " and maximum points of " + Str(me.ShownMaxPoints) + " no matter what we bid. ";
        return true;
    }
    // Game in a major or No Trump.
    if (c == MakeBid(3, NoTrump) || c == MakeBid(4, Hearts) || c == MakeBid(4, Spades) ||
        c == MakeBid(4, NoTrump)) {
        int needed = kMajorGame - partnerMin;
        if (needed > me.ShownMinPoints) me.ShownMinPoints = std::min(needed, me.ShownMaxPoints);
        t = "Biding No Trump or a major to game, unless it is the first round, means we have " + Str(kMajorGame) +
            " points minus " + w.poss + "partner`s minimum points of " + Str(partnerMin) +
            " for the minimum point count. ";
        return true;
    }
    // Game in a minor.
    if (c == MakeBid(5, Clubs) || c == MakeBid(5, Diamonds)) {
        int needed = kMinorGame - partnerMin;
        if (needed > me.ShownMinPoints) me.ShownMinPoints = std::min(needed, me.ShownMaxPoints);
        t = "Bidding a minor to game, unless it is the first round, means having " + Str(kMinorGame) +
            " points minus " + w.poss + "partner`s minimum points of " + Str(partnerMin) +
            " for the minimum point count of " + Str(me.ShownMinPoints) + ". ";
        return true;
    }
    return false;
}

}  // namespace

void DescribeCall() {
    // Calls have meanings only during the auction.
    if (!G.Dealing) return;
    int x = G.CurrentSeat;
    if (x < 1 || x > 4 || G.BidRound < 1 || G.BidRound > 7) return;
    int c = G.Calls[x][G.BidRound];
    // Nothing is decided yet: nothing to describe.
    if (c < 0) return;
    bool human = G.HumanSeat != 0 && x == G.HumanSeat;
    // 2. The user's range as after his last real call, and his roles from this call.
    if (human) {
        G.SeatInfo[x].ShownMinPoints = G.SavedHumanMin;
        G.SeatInfo[x].ShownMaxPoints = G.SavedHumanMax;
        bool entry = c > 10 || c == Double;
        if (c > 10 && G.Opener == 0) G.Opener = x;
        if (G.Opener != 0 && PartnerOf(x) == G.Opener) G.Responder = x;
        if (entry && G.Overcaller == 0 && x != G.Opener) G.Overcaller = x;
        if (G.Overcaller != 0 && PartnerOf(x) == G.Overcaller) G.Advancer = x;
    }
    // 1. How the text names the caller and his role.
    Wording w = MakeWording(x);
    // 3-4. The special calls; 5. otherwise the section of the caller's role.
    std::string text;
    if (!SpecialCall(w, x, c, text)) {
        if (x == G.Opener)
            text = OpenerSection(w, x, c);
        else if (x == G.Responder)
            text = ResponderSection(w, x, c);
        else if (x == G.Overcaller)
            text = OvercallerSection(w, x, c);
        else if (x == G.Advancer)
            text = AdvancerSection(w, x, c);
        else
            text = OtherSection(w);
    }
    // 6. The computer's meanings accumulate; the user's last one stands alone.
    if (human)
        G.HumanWhatText = text;
    else
        G.AuctionWhatText += text + kLineBreak + kLineBreak;
}

}  // namespace kestrel
