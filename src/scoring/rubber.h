// Rubber scoring: the score of each hand with its explanation, honours, games, the end of the
// rubber, and the score records behind the score pad.
#pragma once

#include <string>

namespace kestrel {

// Scores the hand just finished (or only shows its result while Dont Score Hand is on), waits
// for the user, and ends the rubber when a side has won it.
void UpdateScoreCard();

// The honours bonus of a suit contract, scored when the dummy is laid out.
void ScoreHonours();

// Takes back the honours of a hand that ended without being scored (abandoned by the user).
void WithdrawUnfinishedHonours();

// Clears the pad for the next rubber: the game rows, above the line and the totals.
void WipeOutScore();

// The menu commands that clear the score records.
void MenuClearScorePad();
void MenuClearRubberScores();
void MenuClearAllScores();

// The caption of the rubbers menu item: "WE " + rubbers won by North-South + "\THEY " + by
// East-West.
std::string RubbersCaption();

// Rebuilds both part scores from the game rows, as when the scores are read back at start-up.
void RestorePartScores();

// Fills the score pad's labels from the records when the pad opens (only values above 0).
void LoadScorePad();

// A side is vulnerable once it has won a game of the rubber (more than 99 in row 1 or 2).
bool IsVulnerable(int side);

// The game row being played: 1 + the number of games finished in the rubber.
int CurrentGameRow();

// Whether the rubber is over: a side won game 3, or one side won games 1 and 2.
bool RubberIsOver();

}  // namespace kestrel
