#include <iostream>

#include "cli/commands.h"
#include "cli/session.h"
#include "core/errors.h"

namespace kestrel::cli {

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app{"Kestrel: the computer's view of a bridge deal"};
    app.require_subcommand(1);
    Action play, selfplay, decide, golden, evaluate, score, rubber;
    AddPlayCommand(app, play);
    AddSelfplayCommand(app, selfplay);
    AddDecideCommand(app, decide);
    AddGoldenCommand(app, golden);
    AddEvaluateCommand(app, evaluate);
    AddScoreCommand(app, score);
    AddRubberCommand(app, rubber);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return 0;
    } catch (const CLI::ParseError& e) {
        err << "kestrel-cli: " << e.what() << "\n";
        return 2;
    }
    try {
        std::string name = app.get_subcommands().front()->get_name();
        if (name == "play") return play();
        if (name == "selfplay") return selfplay();
        if (name == "decide") return decide();
        if (name == "golden") return golden();
        if (name == "evaluate") return evaluate();
        if (name == "score") return score();
        if (name == "rubber") return rubber();
        return 2;
    } catch (const CliError& e) {
        err << "kestrel-cli: " << e.message << "\n";
        return 2;
    } catch (const FatalErrorException& e) {
        err << "kestrel-cli: " << e.what() << "\n";
        return 3;
    }
}

}  // namespace kestrel::cli
