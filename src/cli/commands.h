// The commands of kestrel-cli. Each adds its subcommand to the application and sets the
// action that runs when it is chosen; the action returns the exit status.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <string>

namespace kestrel::cli {

using Action = std::function<int()>;

// The options of the table every playing command shares: aggressiveness per seat, majors per
// side and (where it applies) the vulnerability.
struct TableOptions {
    std::string aggressiveness, majors, vulnerable = "None";
};
void AddTableOptions(CLI::App* cmd, TableOptions& o, bool majors, bool vulnerable);
// Starts from a fresh state with the options applied.
void ApplyTableOptions(const TableOptions& o);
class RecordingHost;

void AddPlayCommand(CLI::App& app, Action& action);
void AddSelfplayCommand(CLI::App& app, Action& action);
void AddDecideCommand(CLI::App& app, Action& action);
void AddGoldenCommand(CLI::App& app, Action& action);
void AddEvaluateCommand(CLI::App& app, Action& action);
void AddScoreCommand(CLI::App& app, Action& action);
void AddRubberCommand(CLI::App& app, Action& action);

// Plays hands from the given number until a rubber ends (at most maxHands); the text of each
// hand and of the rubber. Sets ended when the rubber ended.
std::string RubberText(int from, int maxHands, bool& ended);

// The full auctions and plays of the fixed hands kept in the golden file.
std::string GoldenText();

// Checks the invariants of the hand just played, the score included; returns an empty text
// when all hold.
std::string CheckHand(const RecordingHost& host);
// The deal, the auction and the play alone, for hands played by any host.
std::string CheckDealAndPlay();

// Checks that the score of the hand just played adds up: an independent recount from the
// contract, the tricks, the honours and the vulnerability before the hand.
std::string CheckScore(const RecordingHost& host);

// Runs kestrel-cli with the given arguments; output to the streams given.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace kestrel::cli
