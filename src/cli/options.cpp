#include "cli/commands.h"
#include "cli/session.h"
#include "core/state.h"

namespace kestrel::cli {

void AddTableOptions(CLI::App* cmd, TableOptions& o, bool majors, bool vulnerable) {
    cmd->add_option("--aggressiveness", o.aggressiveness, "Per seat, as S=2,W=2,N=2,E=2");
    if (majors) cmd->add_option("--majors", o.majors, "Per side, as NS=4,EW=5");
    if (vulnerable) cmd->add_option("--vulnerable", o.vulnerable, "None, NS, EW or All");
}

void ApplyTableOptions(const TableOptions& o) {
    ResetAllState();
    ApplyAggressiveness(o.aggressiveness);
    ApplyMajors(o.majors);
    ApplyVulnerability(o.vulnerable);
}

}  // namespace kestrel::cli
