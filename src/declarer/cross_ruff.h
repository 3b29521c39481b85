// The Cross Ruff plan: ruff in both hands, cash the safe side winners, keep trump control.
#pragma once

namespace kestrel {

// Plays the lead of the declaring side while the plan is Cross Ruff.
void PlayCrossRuff();
// The cross-ruff count: ruffs and cash suits of both hands, MyWinners and PartnerWinners.
void CountCrossRuff();
void ClassifySuits();
int CountVoidRuffSuits();
int CashSafeWinner();
int CrossRuffToTheEnd();
int EstablishTwoSuits();
int SingletonSuitLead();
int FinesseOrEstablish(int mode, int hand, int flag);
int ShortSuitWinner(int mode);

}  // namespace kestrel
