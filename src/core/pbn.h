// Reading and writing deals, calls and cards in the notation players exchange deals in:
// "N:AKQ2.J54.T98.765 ..." (four hands clockwise from the named seat, suits S.H.D.C),
// calls "1C".."7N", "P", "X", "XX", cards "SA", "HT", "D2".
#pragma once

#include <string>
#include <vector>

namespace kestrel {

// Bad input from outside: the message names what is wrong.
struct ParseResult {
    bool ok = true;
    std::string error;
    static ParseResult Fail(std::string message) { return {false, std::move(message)}; }
};

// Fills owner[1..52] with the seat of each card.
ParseResult ParseDeal(const std::string& text, int owner[53]);
// The deal in G.CardOwner, starting with the given seat.
std::string FormatDeal(int firstSeat);

ParseResult ParseCalls(const std::string& text, std::vector<int>& calls);
ParseResult ParseCards(const std::string& text, std::vector<int>& cards);

// Splits on blanks, commas and line ends.
std::vector<std::string> SplitWords(const std::string& text);

// A whole game record of the hand just finished, from the state: the mandatory tags, the
// auction and the play.
std::string PbnRecord(const std::string& date);

}  // namespace kestrel
