#include "scoring/rubber.h"

#include "core/cards.h"
#include "core/flow.h"
#include "core/host.h"
#include "core/state.h"
#include "core/text.h"

namespace kestrel {

// The score itself comes with the rubber scoring rules; this shows the result and waits.
void UpdateScoreCard() {
    G.Scoring = -1;
    int offense = G.DeclaringSideSum < 5 ? 1 : 2;
    int level = CallLevel(G.Contract);
    int made = G.TricksWon[offense] - 6;
    std::string who = offense == 1 ? "You" : "They";
    std::string caption = who + (made >= level ? " Won" : " Set");
    GetHost().Info().ShowResult(caption, "   " + Str(level), "   " + Str(made));
    if (!G.Options.DontScoreHand) GetHost().ShowWindow(Window::Score);
    WaitForContinue();
    GetHost().Info().ResetContinue();
    G.Scoring = 0;
}

void ScoreHonours() {}

void WipeOutScore() {}

bool IsVulnerable(int side) { return G.GameScore[1][side] > 99 || G.GameScore[2][side] > 99; }

}  // namespace kestrel
