// Rubber scoring.
#pragma once

namespace kestrel {

void UpdateScoreCard();
void ScoreHonours();
void WipeOutScore();

// A side is vulnerable once it has won a game of the rubber (more than 99 in row 1 or 2).
bool IsVulnerable(int side);

}  // namespace kestrel
