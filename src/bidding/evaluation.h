// Hand evaluation: points, quick tricks, biddable suits, partner's shown lengths, fits and
// the suit choices the bidding rules share.
#pragma once

namespace kestrel {

// Counts all four hands from CardOwner (after the per-deal reset).
void EvaluateHands();
// Ranks the seat's biddable suits and marks a square hand.
void RankBiddableSuits(int seat);

// Natural bid counts, the counting tables for the seat, and partner's shown lengths.
void InferPartnerLengths(int seat);
// The partnership's fit lengths, first and second fits, and whether No Trump suits the hand.
void FindFits(int seat);

// Points to add to the dummy points when the suit is partner's suit.
int SupportAdjustment(int seat, int suit);
// The points the seat counts for playing in the strain (0 = no strain, 5 = No Trump).
int PointsForStrain(int seat, int strain);
// How many of Ace, King, Queen, Jack and Ten of the suit the seat holds.
int TopHonourCount(int seat, int suit);
// The seat's side plays five-card majors and the seat speaks first or second.
bool FiveCardMajorOpener(int seat);

// Suit choices (0 = none). Each recomputes partner's lengths first.
int ChooseNewSuit(int seat, int mode);
int ChooseSuitAroundShortest(int seat, int mode);
int DesperationSuit(int seat);

}  // namespace kestrel
