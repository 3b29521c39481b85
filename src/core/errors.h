// Control-flow and failure types of the hand driver.
#pragma once

#include <stdexcept>

namespace kestrel {

// A broken internal invariant. The program's top level shows the message and ends.
struct FatalErrorException : std::runtime_error {
    FatalErrorException() : std::runtime_error(kFatalMessage) {}
    static constexpr const char* kFatalMessage =
        "This Program has performed an illegal operation and will be terminated";
};

[[noreturn]] void FatalError();

// The user asked for a new deal while a hand was running; the running hand unwinds.
struct HandAbandoned {};

// The program is closing while a hand runs; the hand unwinds and the program closes.
struct ProgramClosing {};

}  // namespace kestrel
