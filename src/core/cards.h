// Seats, suits, ranks, cards and calls, and the small helpers over the hands that every
// subsystem uses. Seats are 1 South, 2 West, 3 North, 4 East; suits 1 Clubs .. 4 Spades,
// strain 5 No Trump; ranks 1 (Two) .. 13 (Ace); card = (suit - 1) * 13 + rank.
#pragma once

#include <array>

namespace kestrel {

constexpr int South = 1, West = 2, North = 3, East = 4;
constexpr int Clubs = 1, Diamonds = 2, Hearts = 3, Spades = 4, NoTrump = 5;
constexpr int Ace = 13, King = 12, Queen = 11, Jack = 10, Ten = 9;

// Flags follow the program's convention: -1 true, 0 false.
constexpr int True = -1, False = 0;

// Call codes.
constexpr int NoCall = -1, Pass = 0, Double = 1, Redouble = 2;
inline int CallStrain(int call) { return call < 0 ? 0 : call / 10; }
inline int CallLevel(int call) { return call < 0 ? 0 : call % 10; }
inline int MakeBid(int level, int strain) { return strain * 10 + level; }
// Bids in the order of the auction: by level, then by strain.
inline int BidRank(int call) { return call > 10 ? CallLevel(call) * 5 + CallStrain(call) : 0; }

inline int MakeCard(int suit, int rank) { return (suit - 1) * 13 + rank; }
int CardRank(int card);
int CardSuit(int card);

int NextPlayer(int seat);
int PartnerOf(int seat);
int PlayerAt(int seat, int direction);
int PositionFromDealer(int seat);
// Side 1 North-South (seats 1 and 3), side 2 East-West.
inline int SideOf(int seat) { return (seat == 1 || seat == 3) ? 1 : 2; }

// The card code of the card-drawing library: rank index (Ace 0, Two 1 .. King 12) * 4 + suit - 1.
int CardDrawingCode(int card);

// Holdings: only cards still in the hand count.
int CountInSuit(int seat, int suit);
int HasCard(int suit, int rank);
int NthCardInSuit(int seat, int suit, int n);
int MyHighest(int suit);
int MyLowest(int suit);
int HighestRankOf(int seat, int suit);
int LowestRankOf(int seat, int suit);
int NextLowerCard(int suit, int rank);
int NextHigherCard(int suit, int rank);
int WinningRank();
int WinningSuit();
int CheapestWinner(int suit);
int HighIfItWins(int suit);

// Hand arrangement.
using SuitOrder = std::array<int, 4>;  // suits from left (slot 1) to right (slot 4)
SuitOrder ArrangementOrder(int arrangement, int seat, int trump);
void SortHands();
void SortCards(int player, int card);
// Rebuilds every hand from CardOwner, filling positions in card order (no arrangement).
void RebuildHandsInCardOrder();

// Which seat's card image lies on top when two neighbouring images overlap: the order in which
// the card table raises a seat's 13 positions, the last raised lying on top.
std::array<int, 13> PipRaiseOrder(int seat, int pipFlag);

}  // namespace kestrel
