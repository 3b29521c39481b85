// The computer's call for the seat to act, by its role in the auction. Each procedure writes
// its decision into Calls(seat, BidRound), builds the Why text and ends in Bid2Screen.
#pragma once

namespace kestrel {

void DecideOpenerCall();
void DecideResponderCall();
void DecideOvercallerCall();
void DecideAdvancerCall();

// Later rounds of the auction: the opener's and the responder's rebids and beyond.
void DecideLaterCall(int x);
void DecideResponderLaterCall(int responder);

// A fit found: how high to go, and the ace-asking conventions on the way to slam.
void FitCall(int x);
void SlamConventionCall(int x);

// The partnership's contract doubled, and the search without a fit.
void DoubledContractCall(int x);
void NoFitCall(int x);

// May turn a Pass into a penalty Double; returns the call to make.
int PenaltyDoubleCall(int player, int call);
// May turn a call into a Pass when game is already reached; returns the call to make.
int GameReachedCall(int player, int call);

}  // namespace kestrel
