#include "bidding/auction.h"

#include "bidding/decisions.h"
#include "bidding/meanings.h"
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
    bool bid = call > 10;
    if ((bid && G.Opener == 0) || G.Opener == player)
        G.Opener = player;
    else if ((G.Responder == 0 && PartnerOf(player) == G.Opener) || G.Responder == player)
        G.Responder = player;
    else if ((bid && G.Overcaller == 0) || G.Overcaller == player)
        G.Overcaller = player;
    else if ((G.Advancer == 0 && PartnerOf(player) == G.Overcaller) || G.Advancer == player)
        G.Advancer = player;
}

void TakeBackCallerRoles(int player) {
    if (FirstCall(player) != 0) return;
    if (G.Opener == player) G.Opener = 0;
    if (G.Overcaller == player) G.Overcaller = 0;
}

void GetBid() {
    // Four passes in round 1, three after a bid; an illegal call ends the auction at once.
    do {
        // 1. The interface catches up; the pause after a bid.
        KeepAlive();
        Pause(G.PauseAfterBid);
        // 2. The decision procedure of the seat's role.
        int s = G.CurrentSeat;
        G.WhyText.clear();
        if (G.Opener == 0 || s == G.Opener)
            DecideOpenerCall();
        else if (PartnerOf(s) == G.Opener)
            DecideResponderCall();
        else if (PartnerOf(s) == G.Overcaller)
            DecideAdvancerCall();
        else
            DecideOvercallerCall();
        // 3. On while the auction is open.
    } while ((G.PassCount < 3 || G.BidRound < 2) && G.PassCount < 4);
}

namespace {

// A call code the auction can record: Pass, Double, Redouble or a bid of level 1..7.
bool IsCallCode(int c) {
    if (c >= -1 && c <= 2) return true;
    return CallStrain(c) >= 1 && CallStrain(c) <= 5 && CallLevel(c) >= 1 && CallLevel(c) <= 7;
}

// A bid that does not rank above the contract cannot be recorded either.
bool IsInsufficientBid(int c) {
    return c > 10 && BidRank(c) <= BidRank(G.Contract);
}

// Ends the auction at once, as if all had passed, when the call cannot be recorded.
bool EndsOnIllegalCode(int c) {
    if (IsCallCode(c) && !IsInsufficientBid(c)) return false;
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
    // 4. A penalty double of the opponents' contract at the three level or higher.
    if (c == Pass && CallLevel(G.Contract) >= 3 && G.DoubleState == 0 &&
        (LastCall(lho) == G.Contract || LastCall(rho) == G.Contract) &&
        !(G.AceAsker == lho && LastCall(rho) != Pass) &&
        !(G.AceAsker == rho && (LastCall(rho) == 54 || LastCall(rho) == 55)))
        c = PenaltyDoubleCall(player, c);
    // 5. Game may already be reached.
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
    // 7. The user makes his own call in the bidding box.
    if (human) {
        G.AwaitingUser = -1;
        host.BidBox().Propose(c);
        if (G.Options.WhyAlwaysUp) host.Info().SetWhy(G.WhyText);
        while (G.AwaitingUser) {
            KeepAlive();
            if (G.TutorialRunning) host.TutorialStep();
        }
        c = cell;
    }
    cell = c;
    if (human || recorded) {
        AssignCallerRoles(player, c);
        DescribeCall();
        TakeBackCallerRoles(player);
        if (human) {
            G.SavedHumanMin = G.SeatInfo[player].ShownMinPoints;
            G.SavedHumanMax = G.SeatInfo[player].ShownMaxPoints;
        }
    }
    // 8. Who bid the strain first, jumps, and the suits bid.
    int s = CallStrain(c), l = CallLevel(c);
    if (s > 0) {
        int side = SideOf(player) - 1;
        if (G.FirstBidderOfSuit[side][s] == 0) G.FirstBidderOfSuit[side][s] = player;
        if (MinimumLevel(s) < l) {
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
    if (!human && !recorded) DescribeCall();
    // 11. Doubles and redoubles.
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

int AskingForAces() { return 0; }

}  // namespace kestrel
