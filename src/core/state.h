// The one program-wide game state. Arrays keep the index ranges the rules use: they are one
// larger than needed and index 0 is unused where a range starts at 1.
#pragma once

#include <cstdint>
#include <string>

namespace kestrel {

// Hand evaluation per seat and suit.
struct SuitInfoRec {
    int Length = 0;
    int HighCardPoints = 0;
    int Honours = 0;
    int FitLength = 0;
    int Biddability = 0;
    int DealBiddability = 0;
    int QuickTrickHalves = 0;
    int HonourTrickHalves = 0;
    int ShownLength = 0;
    int TimesBid = 0;
    int NaturalTimesBid = 0;
    int KnownVoid = 0;  // -1 once the seat is known to hold no card of the suit in the play
    int Losers = 0;     // losers of declarer's and dummy's side suits (CountLosers)
};

// Hand evaluation per seat.
struct SeatInfoRec {
    int Points = 0;
    int HighCardPoints = 0;
    int QuickTrickHalves = 0;
    int BiddableSuits = 0;
    int MainSuit = 0;
    int SecondSuit = 0;
    int ThirdSuit = 0;
    int DummyPoints = 0;
    int FirstFit = 0;
    int SecondFit = 0;
    int ShownMinPoints = 0;
    int ShownMaxPoints = 0;
    int NoTrumpOk = 0;
    int Aces = 0;
    int Kings = 0;
    int JumpedLastBid = 0;
    int EverJumped = 0;
    int LaterCallCount = 0;
    int PreemptTricks = 0;
    int OnOffense = 0;  // -1 for declarer and dummy during the play
};

// The check marks of the option menus, kept in the settings file.
struct OptionsRec {
    int ShowCompBid = 0;
    int ShowCompPlay = 0;
    int WorstHands = 0;
    int BestHands = 0;
    int SameDealer = 0;
    int SameHand = 0;
    int DontScoreHand = 0;
    int CardsPlayedAlwaysUp = 0;
    int BidsAlwaysUp = 0;
    int ScoreAlwaysUp = 0;
    int ShowPoints = 0;
    int ShowQT = 0;
    int ReservedFlag1 = 0;
    int ReservedFlag2 = 0;
    int Faces = 0;
    int WhyAlwaysUp = 0;
    int WhatOption = 0;
};

// Working memories of the bidding engines, cleared with the rest of the per-hand state.
struct BiddingMemory {
    int HasPreempted = 0;    // -1 once the opener has preempted at the three level
    int OpenerPassFlag = 0;  // -1 once the opener has passed his second bid for good
    // The non-opening side entered with a take-out Double (1), and how often the doubler has
    // been asked to call since.
    int OvercallWasDouble = 0;
    int DoublerTurns = 0;
    // Per seat: -1 once partner has taken the seat out of its No Trump (it stays out of No Trump).
    int TakenOutOfNoTrump[5] = {};
};

// Working memories of the card-play engines (defence, discards, leads).
struct PlayMemory {
    // Per seat: the suit of its first discard and TricksPlayed when it was made.
    int DiscardSignalSuit[5] = {};
    int DiscardSignalTrick[5] = {};
    // The suit of the defence's last lead.
    int LastDefenceLeadSuit = 0;
};

// Working memories of the declarer's plans.
struct DeclarerMemory {
    int PlanQuestionAsked = 0;
    // Per suit: 0 no role, a seat (the short hand of a long or ruffing suit), -1 a suit to cash.
    int ShortHandOf[5] = {};
    // The long hand of the one long side suit when it is not the trump master hand, else 0.
    int SideSuitHand = 0;
    // The lead must not be followed by a finesse.
    int NoFinesseThisTrick = 0;
    // The cross ruff alone can bring the contract home.
    int CrossRuffOut = 0;
    // Per suit: we / partner hold a safe winner.
    int MyCash[5] = {};
    int PartnerCash[5] = {};
    // Ruffs the short hand can expect in the side suits: in dummy, and in declarer's hand.
    int RuffsInDummy = 0;
    int RuffsInDeclarer = 0;
    // The hand to lead a trump finesse from; negative once it has led; 0 for none.
    int TrumpFinesseHand = 0;
    // No Trump: the long suit to establish, and the suits the defence is strong in.
    int NoTrumpLongSuit = 0;
    int WeakNoTrumpSuit[5] = {};
    // Cross-ruff state: trumps still out, the hand with fewer trumps, the worry about control.
    int DefenderTrumps = 0;
    int ShortTrumpHand = 0;
    int TrumpWorry = 0;
    int MyCashCount = 0;
    int PartnerCashCount = 0;
    int MyWinners = 0;
    int PartnerWinners = 0;
    // Trumps of declarer and dummy together when the play began.
    int TrumpsAtStart = 0;
    // The plan chosen after the opening lead (kept for the self-play summary).
    int ChosenPlan = 0;
};

// Default colour of the table: the standard 16-colour palette's colour 9 (light blue),
// stored as the settings file stores colours, 0x00BBGGRR.
constexpr std::uint32_t LightBlue = 0x00FF0000;

struct GameState {
    // Table and deal.
    int Dealer = 0;
    int HumanSeat = 1;
    int CurrentSeat = 0;
    int HandNumber = 0;
    int HandNumberDrawn = 0;
    int CardOwner[53] = {};
    int Hand[5][14] = {};
    int FillCount[5] = {};
    int CardPlayed[53] = {};
    int Seen[5][5][14] = {};
    SuitInfoRec SuitInfo[5][5];
    SeatInfoRec SeatInfo[5];

    // Auction.
    int Contract = 0;
    int ContractBidder = 0;
    int PassCount = 0;
    int BidRound = 1;
    int Calls[5][8] = {};  // rounds 0..7
    int Opener = 0, Responder = 0, Overcaller = 0, Advancer = 0;
    int DoubleState = 0;
    int FirstBidderOfSuit[2][6] = {};  // sides 0 (North-South) and 1 (East-West)
    int AceAsker = 0, GerberAsker = 0, GerberMode = 0, StaymanAnswered = 0;
    int OpponentsBidCount[5] = {};
    int OwnBidCount[6] = {};
    int PartnerBidCount[6] = {};
    int LastDecidedCall = 0;
    int SavedHumanMin = 0, SavedHumanMax = 0;
    std::string AuctionWhatText, HumanWhatText;

    // Play.
    int TrumpSuit = 0;
    int Declarer = 0, Dummy = 0;
    int DeclaringSideSum = 0;
    int Leader = 0;
    int SuitLed = 0;
    int WinningCard = 0;
    int TrickRuffed = 0;
    int TrickCard[5] = {};
    int TricksPlayed = 0;
    int TrickLeader[14] = {};
    int PlayedCard[5][14] = {};
    int TrickWinner[14] = {};
    int TricksWon[3] = {};
    int DummyExposed = 0;
    int PlanOfTrick[14] = {};
    int DeclarerPlan = 0;

    BiddingMemory Bidding;
    PlayMemory Play;
    DeclarerMemory Plan;

    // Flow control.
    int Dealing = 0;
    int PlayInProgress = 0;
    int AwaitingUser = 0;
    int HumanCard = 0;
    int WaitingForContinue = 0;
    int PlayInterrupt = 0;
    int KeepDealer = 0;
    int ReplayHand = 0;
    int WipeScorePending = 0;
    int Scoring = 0;
    int Ending = 0;
    std::string SavedGame;
    int ReplaySeat = 0;
    int ReplayContract = 0;
    int TutorialRunning = 0;
    // The next deal plays the cards picked in the card-picking dialog.
    int PickedDeal = 0;
    // The next deal was asked for by the rewind button during the first trick.
    int RewindDeal = 0;
    // A hand is running inside MenuDeal_Click.
    int HandRunning = 0;
    // Requests from the user interface, seen by the flow after each KeepAlive.
    int DealRequested = 0;
    int CloseRequested = 0;

    // Explanation texts.
    std::string WhyText;
    std::string LineBreak;

    // Settings.
    int CardBack = 57;
    int HandArrangement = 2159;
    int PipOrderSouth = -1, PipOrderNorth = -1, PipOrderEast = -1, PipOrderWest = -1;
    int PauseAfterBid = 50, PauseAfterAllBids = 150, PauseAfterCard = 50, PauseAfterTrick = 150;
    std::uint32_t BackgroundColor = LightBlue;
    int Visible[5] = {0, -1, 0, 0, 0};
    int Aggressiveness[5] = {0, 2, 2, 2, 2};
    int FourCardMajors[3] = {0, -1, -1};
    int OneLevelMode = 0;  // 0 Decide at Time, 1 Throw Them Out, 2 Play Them, 3 Score Them
    int AskTutorial = 6;
    int WindowMode = 1;
    int BidsWindowTop = 0, CardsPlayedWindowTop = 3000, ScoreWindowTop = 4500;
    int ReservedInt1 = 0, ReservedInt2 = 0;
    OptionsRec Options;

    // Score state: below the line per game and side, above the line, totals, rubbers won.
    int GameScore[4][3] = {};
    int AboveTheLine[3] = {};
    int RubberTotal[3] = {};
    int RubbersWon[3] = {};
    int PartScore[3] = {};
    // Honours scored in the hand being played, by side, until the hand is scored; taken back
    // when the hand is abandoned instead.
    int HonoursPending[3] = {};

    // Window-shown flags: -1 while the window is loaded.
    int ScoreShown = 0, BidsShown = 0, CardsPlayedShown = 0, WhyShown = 0, ContinueShown = 0,
        ShowOffShown = 0, HandsShown = 0, BidTableShown = 0;
};

extern GameState G;

// Clears the per-hand state in the order the rules give (the card table is cleared by the
// flow's ResetForm, which calls this first).
void ResetHandState();

// Clears the auction record: no calls, no contract, no roles, round 1, the bidding engines'
// memories and the conventions in use. Part of ResetHandState; also used when the auction is
// replayed from its start.
void ResetAuctionRecord();

// Puts the whole state back to its start-up values (settings at their defaults).
void ResetAllState();

// Appends one sentence to the Why text.
void AddWhy(const std::string& sentence);

}  // namespace kestrel
