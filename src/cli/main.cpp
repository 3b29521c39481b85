#include <iostream>

#include "cli/commands.h"

int main(int argc, char** argv) { return kestrel::cli::RunCli(argc, argv, std::cout, std::cerr); }
