// The commands of kestrel-cli. Each adds its subcommand to the application and sets the
// action that runs when it is chosen; the action returns the exit status.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <string>

namespace kestrel::cli {

using Action = std::function<int()>;

void AddPlayCommand(CLI::App& app, Action& action);
void AddSelfplayCommand(CLI::App& app, Action& action);
void AddDecideCommand(CLI::App& app, Action& action);
void AddGoldenCommand(CLI::App& app, Action& action);
void AddEvaluateCommand(CLI::App& app, Action& action);

// The full auctions and plays of the fixed hands kept in the golden file.
std::string GoldenText();

// Checks the invariants of the hand just played; returns an empty text when all hold.
std::string CheckHand();

// Runs kestrel-cli with the given arguments; output to the streams given.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace kestrel::cli
