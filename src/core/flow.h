// The hand driver: one call of MenuDeal_Click plays a hand from the shuffle to the score.
#pragma once

namespace kestrel {

void MenuDeal_Click();
void NewDeal();
void ResetForm();
void ClearCardOwners();
void DealCards();
int DrawHandNumber();
void ApplyBestWorst();
void FindDeclarer();
void DoneBidding();
void PlayCard(int player, int card);
void PickUpTrick();
void ShowDummy();
void ScoreHand();

// Waits n hundredths of a second while processing user events; returns at once below 10.
void Pause(int hundredths);
// A pause setting: 999 waits for the Continue button, any other value is a timed pause.
void PauseFor(int setting);
// Shows the Continue window and waits until the user presses Continue.
void WaitForContinue();
// Processes pending user events once; unwinds the running hand when the user asked for a new
// deal or to close the program.
void KeepAlive();

// The user's side of the waits. Each returns false, and the wait goes on, when the choice
// is not allowed.
bool UserPlaysCard(int seat, int card);
bool UserMakesCall(int call);
void UserPressesContinue();

// The user chose Deal: starts a hand, or, while one runs, asks the running hand to give way.
void RequestDeal();

// Whether the user plays the given seat's card now.
bool UserPlaysSeat(int player);

}  // namespace kestrel
