// What each seat knows of the cards during the play, and the queries the play rules ask of it.
// Every query answers from the point of view of G.CurrentSeat and changes nothing.
#pragma once

namespace kestrel {

// Marks KnownVoid for every seat and suit that can now be inferred from what has been seen.
void InferVoidsFromSeen();

// -- Small facts about seats and the contract -------------------------------------------------

// Whether the seat still holds the card of that suit and rank.
bool SeatHolds(int seat, int suit, int rank);
// Declarer or dummy.
bool OnOffense(int seat);
// The seat is known to hold no card of the suit.
bool KnownVoid(int seat, int suit);
// The contract is in No Trump.
bool NoTrumpContract();
// The hand CurrentSeat can see besides its own: declarer's when CurrentSeat is dummy, else dummy's.
int OtherVisibleHand();

// -- Card and rank shortcuts over CurrentSeat and its partner ---------------------------------

int MySecondHighest(int suit);
int MyThirdHighest(int suit);
int MyFourthHighest(int suit);
int MySecondLowest(int suit);
int PartnerHighestRank(int suit);
int PartnerSecondHighestRank(int suit);
int PartnerSecondLowestRank(int suit);
int PartnerLowestRank(int suit);

// -- Counting and status queries --------------------------------------------------------------

int CardsLeft();
int CountSeen(int seat, int suit);
int OutstandingCount(int suit);
int RelativeTricks(int side);
int DefenceSpareTricks();
bool OneMoreTrickSets();
int OpeningLeadSuit();
bool SuitLedBefore(int suit);
bool OtherHandHolds(int suit, int rank);
int HighestOut(int suit);
int SecondHighestOut(int suit);
int CountOutBetween(int suit, int rank1, int rank2);
int OurCardsAbove(int suit, int rank);
int OpponentCardsAbove(int suit, int rank);
int NthHighestOurs(int suit, int n);
int HolderOfNthHighestOurs(int suit, int n);
int MaxOpponentLength(int suit);
int StrongerSuit(int suit1, int suit2);
bool SafeWinner(int seat, int suit, int requirePartnerVoid, int relaxed);
bool OpponentCanRuff(int seat, int suit);
bool TouchingInOtherHand(int card);
bool AllTricksOurs();
int ChooseLowCard(int suit);

}  // namespace kestrel
