#include <iostream>

#include "cli/commands.h"
#include "cli/session.h"
#include "core/pbn.h"
#include "core/state.h"

namespace kestrel::cli {

void AddPlayCommand(CLI::App& app, Action& action) {
    struct Options {
        int hand = 1;
        std::string dealer;
        TableOptions table;
        bool why = false, json = false, pbn = false;
    };
    auto o = std::make_shared<Options>();
    CLI::App* cmd = app.add_subcommand("play", "The computer plays all four seats of one hand");
    cmd->add_option("--hand", o->hand, "Hand number, 1 to 32767")->required();
    cmd->add_option("--dealer", o->dealer, "Dealer: S, W, N or E (default: by hand number)");
    cmd->add_flag("--why", o->why, "Show every decision's reasons");
    cmd->add_flag("--json", o->json, "Print one JSON object");
    cmd->add_flag("--pbn", o->pbn, "Print a game record");
    AddTableOptions(cmd, o->table, true, true);
    action = [o]() {
        ApplyTableOptions(o->table);
        int dealer = o->dealer.empty() ? DefaultDealer(o->hand) : ParseSeat(o->dealer);
        RecordingHost host;
        PlayHandNumber(o->hand, dealer, host);
        if (o->json)
            std::cout << HandJson(host).dump(2) << "\n";
        else if (o->pbn)
            std::cout << PbnRecord(Today());
        else
            std::cout << HandText(host, o->why);
        return 0;
    };
}

}  // namespace kestrel::cli
