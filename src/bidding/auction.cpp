#include "bidding/auction.h"

#include "bidding/decisions.h"
#include "bidding/evaluation.h"
#include "bidding/meanings.h"
#include "bidding/rebid.h"
#include "core/cards.h"
#include "core/flow.h"
#include "core/host.h"
#include "core/saved_game.h"
#include "core/state.h"

namespace kestrel {

int LastCall(int seat) {
    if (seat < 1 || seat > 4) return -1;
    for (int round = 7; round >= 1; --round)
        if (G.Calls[seat][round] != -1) return G.Calls[seat][round];
    return -1;
}

int FirstCall(int seat) {
    if (seat < 1 || seat > 4) return 0;
    for (int round = 1; round <= 7; ++round)
        if (G.Calls[seat][round] >= 0) return G.Calls[seat][round];
    return 0;
}

int LastCallRound(int seat) {
    if (seat < 1 || seat > 4) return 0;
    for (int round = 7; round >= 1; --round)
        if (G.Calls[seat][round] != -1) return round;
    return 0;
}

int MinimumLevel(int strain) {
    if (G.Contract == 0) return 0;
    int level = CallLevel(G.Contract);
    return strain > CallStrain(G.Contract) ? level : level + 1;
}

bool IsLegalCall(int seat, int call) {
    if (call == Pass) return true;
    if (call == Double)
        return G.Contract != 0 && G.DoubleState == 0 && SideOf(G.ContractBidder) != SideOf(seat);
    if (call == Redouble)
        return G.Contract != 0 && G.DoubleState == 1 && SideOf(G.ContractBidder) == SideOf(seat);
    int level = CallLevel(call), strain = CallStrain(call);
    return level >= 1 && level <= 7 && strain >= 1 && strain <= 5 && BidRank(call) > BidRank(G.Contract);
}

void AssignCallerRoles(int player, int call) {
    // A take-out Double enters the auction like an overcall.
    bool bid = call > 10;
    bool entry = bid || call == Double;
    if ((bid && G.Opener == 0) || G.Opener == player)
        G.Opener = player;
    else if ((G.Responder == 0 && PartnerOf(player) == G.Opener) || G.Responder == player)
        G.Responder = player;
    else if ((entry && G.Overcaller == 0) || G.Overcaller == player)
        G.Overcaller = player;
    else if ((G.Advancer == 0 && G.Overcaller != 0 && PartnerOf(player) == G.Overcaller) ||
             G.Advancer == player)
        G.Advancer = player;
}

void TakeBackCallerRoles(int player) {
    if (FirstCall(player) != 0) return;
    if (G.Opener == player) G.Opener = 0;
    if (G.Overcaller == player) G.Overcaller = 0;
}

void DecideCallForSeatToAct() {
    int s = G.CurrentSeat;
    if (G.Opener == 0 || s == G.Opener)
        DecideOpenerCall();
    else if (PartnerOf(s) == G.Opener)
        DecideResponderCall();
    else if (PartnerOf(s) == G.Overcaller)
        DecideAdvancerCall();
    else
        DecideOvercallerCall();
}

void GetBid() {
    // Four passes in round 1, three after a bid; an illegal call ends the auction at once.
    do {
        // 1. The interface catches up; the pause after a bid.
        KeepAlive();
        Pause(G.PauseAfterBid);
        // 2. The decision procedure of the seat's role. The user may take back his last call
        //    instead of making one: the auction is replayed and he is asked again.
        G.WhyText.clear();
        try {
            DecideCallForSeatToAct();
        } catch (const CallTakenBack&) {
            ReplayAuction();
        }
        // 3. On while the auction is open.
    } while ((G.PassCount < 3 || G.BidRound < 2) && G.PassCount < 4);
}

namespace {

// A code the auction cannot record: a level above 7 or of 0, the codes 3 to 10, a strain
// beyond No Trump, a bid that does not rank above the contract, or a Double or Redouble with
// no contract to double. Codes below 0 are no decision and become a Pass.
bool IsIllegalCode(int c) {
    if (c < 0) return false;
    if (c == Double || c == Redouble) return G.Contract == 0;
    if (c == Pass) return false;
    if (c <= 10) return true;
    int level = CallLevel(c), strain = CallStrain(c);
    if (level < 1 || level > 7 || strain > 5) return true;
    return BidRank(c) <= BidRank(G.Contract);
}

// Ends the auction at once, as if all had passed, when the call cannot be recorded.
bool EndsOnIllegalCode(int c) {
    if (!IsIllegalCode(c)) return false;
    G.Calls[G.CurrentSeat][G.BidRound] = Pass;
    G.PassCount = 4;
    return true;
}

}  // namespace

void Bid2Screen(int player) {
    Host& host = GetHost();
    int& cell = G.Calls[player][G.BidRound];
    int c = cell;
    // 1. A replayed saved game supplies the user's call.
    ApplySavedGameCall(player, c);
    // 2. An illegal code ends the auction as if all had passed.
    if (EndsOnIllegalCode(c)) return;
    // 3. No decision is a Pass.
    if (c < 0) c = Pass;
    int lho = NextPlayer(player), rho = PlayerAt(player, -1);
    // 4. A penalty double of the opponents' contract at the three level or higher, but not
    //    while an ace-asking sequence of theirs is under way.
    if (c == Pass && CallLevel(G.Contract) >= 3 && G.DoubleState == 0 &&
        (LastCall(lho) == G.Contract || LastCall(rho) == G.Contract) &&
        !(G.AceAsker == lho && LastCall(rho) != Pass) &&
        !(G.AceAsker == rho && (LastCall(rho) == 54 || LastCall(rho) == 55)))
        c = PenaltyDoubleCall(player, c);
    // 5. The part score may already make game.
    if (!G.Options.DontScoreHand) {
        int partner = PartnerOf(player);
        if (G.SeatInfo[player].Points +
                (G.SeatInfo[partner].ShownMaxPoints - G.SeatInfo[partner].ShownMinPoints) / 2 <
            34)
            c = GameReachedCall(player, c);
    }
    // 6. The engine's decision.
    G.LastDecidedCall = c;
    cell = c;
    bool recorded = host.SubstituteCall(player, c);
    if (recorded && EndsOnIllegalCode(c)) return;
    cell = c;
    bool human = G.HumanSeat != 0 && player == G.HumanSeat;
    // 7. The user makes his own call in the bidding box; it is described at once, a role it
    //    gave him is taken back while he has only passed, and his range is kept.
    if (human) {
        // While the auction is replayed his earlier call is entered without asking him.
        if (ReplayedUserCall(player, c)) {
            cell = c;
        } else {
            G.AwaitingUser = -1;
            // The reasons for the proposal; the bidding box may show the meanings with them.
            if (G.Options.WhyAlwaysUp) host.Info().SetWhy(G.WhyText);
            host.BidBox().Propose(c);
            while (G.AwaitingUser) {
                KeepAlive();
                if (G.TutorialRunning) host.TutorialStep();
            }
            // He took back his last call: this turn is abandoned unrecorded.
            if (G.PlayInterrupt == -1) {
                cell = -1;
                throw CallTakenBack{};
            }
        }
        c = cell;
        if (c < 0) c = Pass;
        cell = c;
        AssignCallerRoles(player, c);
        DescribeCall();
        TakeBackCallerRoles(player);
        G.SavedHumanMin = G.SeatInfo[player].ShownMinPoints;
        G.SavedHumanMax = G.SeatInfo[player].ShownMaxPoints;
    } else if (recorded) {
        // A recorded call replaces the engine's: the roles follow the call actually made.
        cell = c;
        AssignCallerRoles(player, c);
    }
    cell = c;
    // 8. Who bid the strain first, jumps, and the suits bid.
    int s = CallStrain(c), l = CallLevel(c);
    if (s > 0) {
        int side = SideOf(player) - 1;
        if (G.FirstBidderOfSuit[side][s] == 0) G.FirstBidderOfSuit[side][s] = player;
        // An opening bid skips nothing: with no contract yet it is never a jump.
        if (G.Contract != 0 && MinimumLevel(s) < l) {
            G.SeatInfo[player].JumpedLastBid = -1;
            G.SeatInfo[player].EverJumped = -1;
        } else {
            G.SeatInfo[player].JumpedLastBid = 0;
        }
        if (s < 5) G.SuitInfo[player][s].TimesBid += 1;
    }
    // 9. Four Clubs and four No Trump may ask for Aces.
    if (c == 14 || c == 54) G.AceAsker = AskingForAces();
    // 10. The meaning of a computer player's call.
    if (!human) {
        DescribeCall();
        if (recorded) TakeBackCallerRoles(player);
    }
    // 11. Doubles and redoubles: a Double of a doubled contract is a Redouble, a Redouble of
    //     an undoubled one a Double. The hand-type flags of the card-picking dialog are set
    //     with the dialog.
    if (c == Double || c == Redouble) {
        if (G.DoubleState == 1) {
            c = Redouble;
            G.DoubleState = 2;
        } else if (G.DoubleState == 0) {
            c = Double;
            G.DoubleState = 1;
        }
    } else if (c != Pass) {
        G.DoubleState = 0;
    }
    cell = c;
    // 12. The call on the table and in the bids table.
    host.Table().MakeBidVisible(player, c);
    if (G.BidsShown) host.Bids().UpdateTable(player, G.BidRound, c);
    // 13. The contract and the count of passes.
    if (s > 0) {
        G.Contract = c;
        G.PassCount = 0;
        G.ContractBidder = player;
    } else if (c == Pass) {
        G.PassCount += 1;
    } else {
        G.PassCount = 0;
    }
    // 14. The round ends with the dealer's right-hand opponent.
    if (NextPlayer(player) == G.Dealer) {
        G.BidRound += 1;
        if (G.BidRound > 7) G.PassCount = 4;
    }
    // 15. The next seat.
    G.CurrentSeat = NextPlayer(player);
}

bool IsFreeBidder(int seat) {
    return LastCall(PlayerAt(seat, -1)) > 0 || LastCall(PartnerOf(seat)) == Pass;
}

bool RhoCalledBefore(int seat, int round) {
    int r = seat == G.Dealer ? round - 1 : round;
    if (r < 0 || r > 7) return false;
    return G.Calls[PlayerAt(seat, -1)][r] > 0;
}

bool IsJumpBid(int seat, int round) {
    if (seat < 1 || seat > 4 || round < 1 || round > 7 || G.Dealer < 1) return false;
    int call = G.Calls[seat][round];
    if (call <= 10) return false;
    // The last bid before the call, walking the auction from the dealer's first call.
    int before = 0;
    bool found = false;
    for (int r = 1; r <= 7 && !found; ++r) {
        int x = G.Dealer;
        for (int n = 0; n < 4; ++n, x = NextPlayer(x)) {
            int c = G.Calls[x][r];
            if (c == call) {
                found = true;
                break;
            }
            if (c > 10) before = c;
        }
    }
    if (!found || before == 0) return false;
    // Above the last bid's strain one level higher is a jump; at or below it, two.
    if (CallStrain(call) > CallStrain(before)) return CallLevel(call) > CallLevel(before);
    return CallLevel(call) > CallLevel(before) + 1;
}

bool BidsHighThenLow(int seat) {
    int partner = PartnerOf(seat);
    // The seat's first bidding round (round 2 when it has no round-1 entry).
    int first = G.Calls[seat][1] == -1 ? 2 : 1;
    int firstBid = G.Calls[seat][first];
    // With the seat's last call taken for the moment as the contract, where could the first
    // suit be bid now?
    int saved = G.Contract;
    G.Contract = LastCall(seat) > 10 ? LastCall(seat) : 0;
    int level = MinimumLevel(CallStrain(firstBid));
    G.Contract = saved;
    bool jumped = IsJumpBid(seat, LastCallRound(seat)) || IsJumpBid(partner, LastCallRound(partner));
    int limit = jumped ? 4 : 3;
    return !(level >= limit && G.Overcaller == 0);
}

int AskingForAces() {
    int x = G.CurrentSeat;
    if (x < 1 || x > 4) return 0;
    int p = PartnerOf(x);
    int call = G.Calls[x][G.BidRound];
    int opening = G.Opener != 0 ? FirstCall(G.Opener) : 0;
    if (call == MakeBid(4, Clubs)) {
        // Gerber: a jump to 4 Clubs, or 4 Clubs over partner's 3 No Trump, in a partnership
        // that has bid No Trump unless the opener asks, with Clubs not yet bid twice.
        InferPartnerLengths(x);
        bool jumpOrOverThreeNoTrump = IsJumpBid(x, G.BidRound) || LastCall(p) == MakeBid(3, NoTrump);
        bool noTrumpSide = x != G.Opener || G.PartnerBidCount[NoTrump] + G.OwnBidCount[NoTrump] > 0;
        bool clubsBelowFour = MinimumLevel(Clubs) < 4;
        bool clubsOnce = G.SuitInfo[x][Clubs].TimesBid + G.SuitInfo[p][Clubs].TimesBid < 2;
        if (jumpOrOverThreeNoTrump && noTrumpSide && clubsBelowFour && clubsOnce) {
            G.GerberAsker = x;
            return x;
        }
        return 0;
    }
    if (call == MakeBid(4, NoTrump)) {
        // A raise of partner's No Trump opening is quantitative, not Blackwood.
        if (CallStrain(opening) == NoTrump && x == PartnerOf(G.Opener) && FirstCall(x) != MakeBid(2, Clubs))
            return 0;
        // Over an opponent's Double it is not Blackwood either.
        if (LastCall(PlayerAt(x, -1)) == Double) return 0;
        if (LastCall(NextPlayer(x)) == Double && LastCall(p) == Pass) return 0;
        // Blackwood after a jump by either partner, or after a 2 Clubs opening.
        if (G.SeatInfo[x].EverJumped || G.SeatInfo[p].EverJumped) return x;
        if (opening == MakeBid(2, Clubs) && (x == G.Opener || x == G.Responder)) return x;
        return 0;
    }
    return 0;
}

}  // namespace kestrel
