#include "core/state.h"

namespace kestrel {

GameState G;

void ResetAuctionRecord() {
    G.Opener = G.Responder = G.Overcaller = G.Advancer = 0;
    G.DoubleState = 0;
    for (auto& side : G.FirstBidderOfSuit)
        for (int& s : side) s = 0;
    for (int& n : G.OpponentsBidCount) n = 0;
    for (int& n : G.OwnBidCount) n = 0;
    for (int& n : G.PartnerBidCount) n = 0;
    G.LastDecidedCall = 0;
    G.SavedHumanMin = G.SavedHumanMax = 0;
    G.Contract = 0;
    G.ContractBidder = 0;
    G.PassCount = 0;
    G.BidRound = 1;
    for (auto& seat : G.Calls)
        for (int& c : seat) c = -1;
    G.AuctionWhatText.clear();
    G.HumanWhatText.clear();
    G.Bidding = BiddingMemory{};

    // Convention state.
    G.AceAsker = G.GerberAsker = G.GerberMode = G.StaymanAnswered = 0;
}

void ResetHandState() {
    // The hands, the played cards, what each seat has seen, the fill counts and the trick cells.
    for (auto& row : G.Hand)
        for (int& c : row) c = 0;
    // Every card is back in play (also when the same cards are dealt again).
    for (int& played : G.CardPlayed) played = 0;
    for (auto& row : G.PlayedCard)
        for (int& c : row) c = 0;
    for (auto& viewer : G.Seen)
        for (auto& suit : viewer)
            for (int& r : suit) r = 0;
    for (int& n : G.FillCount) n = 0;
    for (int& c : G.TrickCard) c = 0;
    for (int& s : G.TrickLeader) s = 0;
    G.TricksPlayed = 0;
    G.TrumpSuit = 0;
    G.Leader = 0;
    G.WinningCard = 0;
    G.SuitLed = 0;
    G.DummyExposed = 0;

    // The auction.
    ResetAuctionRecord();

    // The evaluation records; points start at the seat's aggressiveness offset.
    for (auto& seat : G.SuitInfo)
        for (auto& s : seat) s = SuitInfoRec{};
    for (int seat = 0; seat <= 4; ++seat) {
        G.SeatInfo[seat] = SeatInfoRec{};
        if (seat >= 1) G.SeatInfo[seat].Points = G.Aggressiveness[seat] - 2;
    }

    // Tricks, declarer and the plan memories.
    G.TricksWon[1] = G.TricksWon[2] = 0;
    G.TrickRuffed = 0;
    G.Dummy = 0;
    G.Declarer = 0;
    G.DeclaringSideSum = 0;
    G.DeclarerPlan = 0;
    for (int& p : G.PlanOfTrick) p = 0;
    G.Play = PlayMemory{};
    G.Plan = DeclarerMemory{};

    if (G.Visible[1] == 0) G.Visible[1] = -1;
}

void ResetAllState() { G = GameState{}; }

void AddWhy(const std::string& sentence) {
    G.WhyText += G.LineBreak;
    G.WhyText += sentence;
}

}  // namespace kestrel
