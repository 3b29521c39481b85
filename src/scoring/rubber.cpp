#include "scoring/rubber.h"

#include "core/cards.h"
#include "core/flow.h"
#include "core/host.h"
#include "core/state.h"
#include "core/text.h"

namespace kestrel {

namespace {

// A side wins a game when its entry in the row exceeds this.
constexpr int kGamePoints = 99;

bool WonGame(int row, int side) { return G.GameScore[row][side] > kGamePoints; }

// The declaring side: North-South when declarer and dummy add up to less than 5 (1 + 3).
int OffenseSide() { return G.DeclaringSideSum < 5 ? 1 : 2; }

void ShowAboveTheLine(int side) {
    GetHost().Info().SetScoreLabel(ScoreLabel::AboveTheLine, side, Str(G.AboveTheLine[side]));
}

void ShowGame(int row, int side) {
    GetHost().Info().SetScoreLabel(ScoreLabel::Game, 2 * (row - 1) + side,
                                   Str(G.GameScore[row][side]));
}

void ShowRubberTotal(int side) {
    GetHost().Info().SetScoreLabel(ScoreLabel::RubberScore, side, Str(G.RubberTotal[side]));
}

// Empties the ten number labels of the pad.
void EmptyScoreLabels() {
    InfoView& info = GetHost().Info();
    for (int i = 1; i <= 6; ++i) info.SetScoreLabel(ScoreLabel::Game, i, "");
    for (int side = 1; side <= 2; ++side) {
        info.SetScoreLabel(ScoreLabel::RubberScore, side, "");
        info.SetScoreLabel(ScoreLabel::AboveTheLine, side, "");
    }
}

// The waiting window's button, with the walk-through stepping while it runs.
void WaitForResultButton() {
    G.WaitingForContinue = -1;
    GetHost().ShowWindow(Window::Continue);
    while (G.WaitingForContinue) {
        KeepAlive();
        if (G.TutorialRunning) GetHost().TutorialStep();
    }
}

// What the scoring of one hand works from.
struct HandResult {
    int offense = 0;  // the declaring side
    int row = 0;      // the game row being played
    bool vulnerable = false;
    int level = 0;
    int made = 0;  // tricks of the declaring side over six
};

// A contract that made: trick points, over tricks, doubling and slams.
void ScoreMadeContract(const HandResult& h) {
    std::string& why = G.WhyText;
    int level = h.level, offense = h.offense, row = h.row;
    bool vulnerable = h.vulnerable;
    int over = h.made - level;
    int strain = CallStrain(G.Contract);
    int below = 0, above = 0;
    why += "The offense gets ";
    // Trick values by strain: minors 20, majors 30, No Trump 40 then 30.
    if (strain == Clubs || strain == Diamonds) {
        below = level * 20;
        above = over * 20;
        why += "20 points below the line for each bid trick and 20 ";
    } else if (strain == Hearts || strain == Spades) {
        below = level * 30;
        above = over * 30;
        why += "30 points below the line for each bid trick and 30 ";
    } else {
        below = 40 + (level - 1) * 30;
        above = over * 30;
        why += "40 points for the first and 30 points below the line for each additional bid "
               "trick and 30 ";
    }
    why += "above the line for every over trick for a total of " + Str(above) + " above and " +
           Str(below) + " below the line ";
    // Doubled: everything twice, and 50 for the insult; redoubled: four times, nothing more.
    if (G.DoubleState == 1) {
        below *= 2;
        above = above * 2 + 50;
        why += "All points are doubled, because the defense doubled, plus 50 points for the "
               "insult for a total of " +
               Str(above) + " above and " + Str(below) + " below the line ";
    } else if (G.DoubleState == 2) {
        below *= 4;
        above *= 4;
        why += "All points are quadrupled, because the offense redoubled for a total of " +
               Str(above) + " above and " + Str(below) + " below the line ";
    }
    // Slam bonuses.
    if (level == 6) {
        why += "A small slam nets an additional ";
        if (vulnerable) {
            above += 1000;
            why += "1000 points because we are vulnerable. ";
        } else {
            above += 500;
            why += "500 points. ";
        }
    } else if (level == 7) {
        why += "A grand slam nets an additional ";
        if (vulnerable) {
            above += 1500;
            why += "1500 points because we are vulnerable. ";
        } else {
            above += 750;
            why += "750 points. ";
        }
    }
    why += "The grand totals are " + Str(above) + " above and " + Str(below) + " below the line ";
    // Below the line into the game being played, above the line to the side's account.
    G.GameScore[row][offense] += below;
    G.AboveTheLine[offense] += above;
    ShowGame(row, offense);
    ShowAboveTheLine(offense);
    // A part score carries on; a game wipes both sides' part scores.
    if (G.GameScore[row][offense] < 100) {
        G.PartScore[offense] = G.GameScore[row][offense];
    } else {
        G.PartScore[1] = 0;
        G.PartScore[2] = 0;
    }
}

// A contract that failed: the defense scores the penalty above the line.
void ScoreSetContract(const HandResult& h) {
    std::string& why = G.WhyText;
    int offense = h.offense;
    bool vulnerable = h.vulnerable;
    int down = 6 + h.level - G.TricksWon[offense];
    int penalty = 0;
    why += "The offense set. ";
    if (vulnerable) {
        why += "They are vulnerable. ";
        if (G.DoubleState == 1) {
            penalty = 200 + (down - 1) * 300;
            why += "We doubled them, 200 for the first trick, 300 for an additional tricks the "
                   "offense set by. ";
        } else if (G.DoubleState == 2) {
            penalty = 400 + (down - 1) * 600;
            why += "They redoubled, 400 for the first trick, 600 for an additional tricks the "
                   "offense set by. ";
        } else {
            why += "The defense gets 100 for each trick the offense set by. ";
            penalty = down * 100;
        }
    } else {
        if (G.DoubleState == 1) {
            penalty = 100 + (down - 1) * 200;
            why += "We doubled them, 100 for the first trick, 200 for an additional tricks the "
                   "offense set by. ";
        } else if (G.DoubleState == 2) {
            penalty = 200 + (down - 1) * 400;
            why += "They redoubled, 200 for the first trick, 400 for an additional tricks the "
                   "offense set by. ";
        } else {
            penalty = down * 50;
            why += "The defense gets 50 for each trick the offense set by. ";
        }
    }
    why += "The totals points to put above the line are " + Str(penalty) + ".";
    int defense = 3 - offense;
    G.AboveTheLine[defense] += penalty;
    ShowAboveTheLine(defense);
}

// The points of the hand and their explanation.
void ScoreTheHand(HandResult h) {
    G.WhyText.clear();
    // The game row being played.
    h.row = CurrentGameRow();
    // Vulnerability of the declaring side.
    h.vulnerable = IsVulnerable(h.offense);
    if (h.vulnerable) G.WhyText += "The offense is vulnerable. ";
    // Made or set.
    if (h.made >= h.level)
        ScoreMadeContract(h);
    else
        ScoreSetContract(h);
    // The explanation in the Why window.
    if (G.Options.WhyAlwaysUp) GetHost().Info().SetWhy(G.WhyText);
}

// The rubber is won: its bonus, the totals, the rubber count, and a clean pad.
void ScoreTheRubber() {
    InfoView& info = GetHost().Info();
    // 1. No part score survives the rubber.
    G.PartScore[1] = 0;
    G.PartScore[2] = 0;
    // 2. The bonus: 750 for two games to none, 500 for two games to one.
    if (G.GameScore[3][1] == 0 && G.GameScore[3][2] == 0) {
        int winner = WonGame(1, 1) ? 1 : WonGame(1, 2) ? 2 : 0;
        if (winner != 0) {
            G.AboveTheLine[winner] += 750;
            G.WhyText += winner == 1 ? "We get a 750 bonus for winning 2 out of 2. "
                                     : "They get a 750 bonus for winning 2 out of 2. ";
        }
    } else {
        int winner = WonGame(3, 1) ? 1 : WonGame(3, 2) ? 2 : 0;
        if (winner != 0) {
            G.AboveTheLine[winner] += 500;
            G.WhyText += winner == 1 ? "We get a 500 bonus for winning 2 out of 3. "
                                     : "They get a 500 bonus for winning 2 out of 3. ";
        }
    }
    // 3. The totals: the three games and above the line.
    for (int side = 1; side <= 2; ++side) {
        G.RubberTotal[side] =
            G.GameScore[1][side] + G.GameScore[2][side] + G.GameScore[3][side] + G.AboveTheLine[side];
        ShowAboveTheLine(side);
        ShowRubberTotal(side);
    }
    // 4. The user's side wins only with the greater total; a tie is a loss.
    if (G.RubberTotal[1] > G.RubberTotal[2]) {
        info.SetContinueCaption("You Win");
        G.RubbersWon[1] += 1;
    } else {
        info.SetContinueCaption("You Lose");
        G.RubbersWon[2] += 1;
    }
    // 5. The whole explanation in the Why window.
    if (G.Options.WhyAlwaysUp) info.SetWhy(G.WhyText);
    // 6. The count of rubbers, on the waiting window and on the rubbers menu item.
    info.SetResultLabels("We", "They");
    info.ShowResult("Rubbers", Str(G.RubbersWon[1]), Str(G.RubbersWon[2]));
    info.SetRubbersCaption(RubbersCaption());
    G.WipeScorePending = -1;
    WaitForResultButton();
    // 7. A clean pad for the next rubber.
    info.ShowResult("Continue", "", "");
    WipeOutScore();
}

}  // namespace

int CurrentGameRow() {
    if (!WonGame(1, 1) && !WonGame(1, 2)) return 1;
    if (!WonGame(2, 1) && !WonGame(2, 2)) return 2;
    return 3;
}

bool IsVulnerable(int side) { return WonGame(1, side) || WonGame(2, side); }

bool RubberIsOver() {
    return WonGame(3, 1) || WonGame(3, 2) || (WonGame(1, 1) && WonGame(2, 1)) ||
           (WonGame(1, 2) && WonGame(2, 2));
}

void UpdateScoreCard() {
    Host& host = GetHost();
    G.Scoring = -1;
    HandResult h;
    h.offense = OffenseSide();
    h.level = CallLevel(G.Contract);
    h.made = G.TricksWon[h.offense] - 6;
    bool scored = !G.Options.DontScoreHand;
    // The hand is finished: its honours stay.
    G.HonoursPending[1] = 0;
    G.HonoursPending[2] = 0;
    // The points of the hand, unless the user asked for hands not to be scored.
    if (scored) ScoreTheHand(h);
    // The result on the waiting window; the pad comes up with it when the hand was scored.
    InfoView& info = host.Info();
    info.SetResultLabels("Bidding", "Making");
    std::string who = h.offense == 1 ? "You" : "They";
    info.ShowResult(who + (h.made >= h.level ? " Won" : " Set"), "   " + Str(h.level),
                    "   " + Str(h.made));
    if (scored) host.ShowWindow(Window::Score);
    WaitForResultButton();
    info.ShowResult("Continue", "", "");
    // The end of the rubber, only after a scored hand.
    if (scored && RubberIsOver()) ScoreTheRubber();
    // Scoring is over; the pad goes away unless it is kept up.
    G.Scoring = 0;
    if (!G.Options.ScoreAlwaysUp) host.HideWindow(Window::Score);
}

namespace {

// The bonus for the honours of one hand: 150 with all five, 100 with ace to jack, else 0.
int HonoursBonus(int seat, int trump) {
    for (int rank = Jack; rank <= Ace; ++rank)
        if (G.CardOwner[MakeCard(trump, rank)] != seat) return 0;
    return G.CardOwner[MakeCard(trump, Ten)] == seat ? 150 : 100;
}

}  // namespace

void ScoreHonours() {
    // Suit contracts only.
    int trump = G.TrumpSuit;
    if (trump < Clubs || trump > Spades || G.Declarer == 0) return;
    // 1. The dummy's trumps first, then declarer's; the defenders' never count.
    int seat = G.Dummy;
    int bonus = HonoursBonus(seat, trump);
    if (bonus == 0) {
        seat = G.Declarer;
        bonus = HonoursBonus(seat, trump);
    }
    if (bonus == 0) return;
    // 2. The bonus above the line, shown with the honours picked out until the user goes on.
    int side = OffenseSide();
    G.AboveTheLine[side] += bonus;
    G.HonoursPending[side] += bonus;
    ShowAboveTheLine(side);
    Host& host = GetHost();
    host.Table().MarkHonours(seat, trump, true);
    host.Info().SetContinueCaption(bonus == 150 ? "150 Honors" : "100 Honors");
    WaitForContinue();
    host.Table().MarkHonours(seat, trump, false);
    // The next plain wait reads "Continue" again.
    host.Info().SetContinueCaption("Continue");
}

void WithdrawUnfinishedHonours() {
    for (int side = 1; side <= 2; ++side) {
        if (G.HonoursPending[side] == 0) continue;
        G.AboveTheLine[side] -= G.HonoursPending[side];
        G.HonoursPending[side] = 0;
        GetHost().Info().SetScoreLabel(ScoreLabel::AboveTheLine, side,
                                       G.AboveTheLine[side] > 0 ? Str(G.AboveTheLine[side]) : "");
    }
}

void WipeOutScore() {
    InfoView& info = GetHost().Info();
    // The six games.
    for (int row = 1; row <= 3; ++row)
        for (int side = 1; side <= 2; ++side) {
            info.SetScoreLabel(ScoreLabel::Game, 2 * (row - 1) + side, "");
            G.GameScore[row][side] = 0;
        }
    // The totals and above the line.
    for (int side = 1; side <= 2; ++side) {
        G.RubberTotal[side] = 0;
        G.AboveTheLine[side] = 0;
        G.HonoursPending[side] = 0;
        info.SetScoreLabel(ScoreLabel::RubberScore, side, "");
        info.SetScoreLabel(ScoreLabel::AboveTheLine, side, "");
    }
}

void MenuClearScorePad() {
    for (int row = 1; row <= 3; ++row)
        for (int side = 1; side <= 2; ++side) G.GameScore[row][side] = 0;
    for (int side = 1; side <= 2; ++side) {
        G.AboveTheLine[side] = 0;
        G.RubberTotal[side] = 0;
        G.PartScore[side] = 0;
        G.HonoursPending[side] = 0;
    }
    if (G.ScoreShown) EmptyScoreLabels();
}

void MenuClearRubberScores() {
    G.RubbersWon[1] = 0;
    G.RubbersWon[2] = 0;
    GetHost().Info().SetRubbersCaption(RubbersCaption());
}

void MenuClearAllScores() {
    MenuClearScorePad();
    MenuClearRubberScores();
}

std::string RubbersCaption() {
    return "WE " + Str(G.RubbersWon[1]) + "\\THEY " + Str(G.RubbersWon[2]);
}

void RestorePartScores() {
    G.PartScore[1] = 0;
    G.PartScore[2] = 0;
    // The latest game row still open (nobody above 99) that holds points gives the part scores.
    for (int row = 3; row >= 1; --row) {
        if (G.PartScore[1] != 0 || G.PartScore[2] != 0) break;
        if (WonGame(row, 1) || WonGame(row, 2)) continue;
        for (int side = 1; side <= 2; ++side)
            if (G.GameScore[row][side] > 0) G.PartScore[side] = G.GameScore[row][side];
    }
}

void LoadScorePad() {
    for (int row = 1; row <= 3; ++row)
        for (int side = 1; side <= 2; ++side)
            if (G.GameScore[row][side] > 0) ShowGame(row, side);
    for (int side = 1; side <= 2; ++side) {
        if (G.RubberTotal[side] > 0) ShowRubberTotal(side);
        if (G.AboveTheLine[side] > 0) ShowAboveTheLine(side);
    }
}

}  // namespace kestrel
