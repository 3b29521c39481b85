#include "core/pbn.h"

#include <cctype>
#include <sstream>

#include "core/cards.h"
#include "core/state.h"
#include "core/text.h"
#include "scoring/rubber.h"

namespace kestrel {

std::vector<std::string> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c == ' ' || c == ',' || c == '\t' || c == '\n' || c == '\r') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

ParseResult ParseDeal(const std::string& text, int owner[53]) {
    for (int card = 0; card <= 52; ++card) owner[card] = 0;
    std::string t = text;
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.front()))) t.erase(0, 1);
    if (t.size() < 2 || t[1] != ':' || SeatFromLetter(t[0]) == 0)
        return ParseResult::Fail("deal must start with a seat and a colon, as in N:AKQ2.J54.T98.765 ...");
    int seat = SeatFromLetter(t[0]);
    std::vector<std::string> hands = SplitWords(t.substr(2));
    if (hands.size() != 4)
        return ParseResult::Fail("deal must have four hands, found " + std::to_string(hands.size()));
    static const char kRanks[] = "23456789TJQKA";
    for (const std::string& hand : hands) {
        int suit = Spades;
        int count = 0;
        for (char ch : hand) {
            if (ch == '.') {
                if (--suit < Clubs)
                    return ParseResult::Fail(std::string("hand of ") + SeatLetter(seat) +
                                             " has more than four suits");
                continue;
            }
            char r = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            int rank = 0;
            for (int i = 0; i < 13; ++i)
                if (kRanks[i] == r) rank = i + 1;
            if (rank == 0)
                return ParseResult::Fail(std::string("unknown card '") + ch + "' in the hand of " +
                                         SeatLetter(seat));
            int card = MakeCard(suit, rank);
            if (owner[card] != 0)
                return ParseResult::Fail("card " + CardCode(card) + " is dealt twice");
            owner[card] = seat;
            ++count;
        }
        if (suit != Clubs)
            return ParseResult::Fail(std::string("hand of ") + SeatLetter(seat) +
                                     " must have four suits separated by dots");
        if (count != 13)
            return ParseResult::Fail(std::string("hand of ") + SeatLetter(seat) + " has " +
                                     std::to_string(count) + " cards, not 13");
        seat = NextPlayer(seat);
    }
    return {};
}

std::string FormatDeal(int firstSeat) {
    static const char kRanks[] = "23456789TJQKA";
    std::string out{SeatLetter(firstSeat), ':'};
    int seat = firstSeat;
    for (int n = 0; n < 4; ++n, seat = NextPlayer(seat)) {
        if (n > 0) out += ' ';
        for (int suit = Spades; suit >= Clubs; --suit) {
            if (suit != Spades) out += '.';
            for (int rank = 13; rank >= 1; --rank)
                if (G.CardOwner[MakeCard(suit, rank)] == seat) out += kRanks[rank - 1];
        }
    }
    return out;
}

ParseResult ParseCalls(const std::string& text, std::vector<int>& calls) {
    calls.clear();
    for (const std::string& word : SplitWords(text)) {
        int call = ParseCallCode(word);
        if (call < 0) return ParseResult::Fail("unknown call '" + word + "'");
        calls.push_back(call);
    }
    return {};
}

ParseResult ParseCards(const std::string& text, std::vector<int>& cards) {
    cards.clear();
    for (const std::string& word : SplitWords(text)) {
        int card = ParseCardCode(word);
        if (card == 0) return ParseResult::Fail("unknown card '" + word + "'");
        cards.push_back(card);
    }
    return {};
}

namespace {

std::string Tag(const std::string& name, const std::string& value) {
    return "[" + name + " \"" + value + "\"]\n";
}

std::string PbnCall(int call) {
    if (call == Pass) return "Pass";
    if (call == Double) return "X";
    if (call == Redouble) return "XX";
    std::string text = CallCode(call);
    if (CallStrain(call) == NoTrump) text += "T";
    return text;
}

std::string PbnContract() {
    if (G.Contract == 0 || G.Declarer == 0) return "Pass";
    std::string text = PbnCall(G.Contract);
    if (G.DoubleState == 1) text += "X";
    if (G.DoubleState == 2) text += "XX";
    return text;
}

std::string Vulnerability() {
    bool ns = IsVulnerable(1), ew = IsVulnerable(2);
    if (ns && ew) return "All";
    if (ns) return "NS";
    if (ew) return "EW";
    return "None";
}

std::string SeatTag(int seat) { return std::string(1, SeatLetter(seat)); }

}  // namespace

std::string PbnRecord(const std::string& date) {
    bool played = G.Contract != 0 && G.Declarer != 0;
    std::ostringstream out;
    out << Tag("Event", "Kestrel rubber bridge") << Tag("Site", "") << Tag("Date", date)
        << Tag("Board", std::to_string(G.HandNumber)) << Tag("West", "Kestrel")
        << Tag("North", "Kestrel") << Tag("East", "Kestrel") << Tag("South", "Kestrel")
        << Tag("Dealer", SeatTag(G.Dealer)) << Tag("Vulnerable", Vulnerability())
        << Tag("Deal", FormatDeal(G.Dealer)) << Tag("Scoring", "Rubber")
        << Tag("Declarer", played ? SeatTag(G.Declarer) : "") << Tag("Contract", PbnContract())
        << Tag("Result", played ? std::to_string(G.TricksWon[SideOf(G.Declarer)]) : "");

    // The auction from the dealer; the closing passes are written as AP.
    std::vector<int> calls;
    for (int round = 1; round <= 7; ++round) {
        int seat = G.Dealer;
        for (int n = 0; n < 4; ++n, seat = NextPlayer(seat))
            if (G.Calls[seat][round] >= 0) calls.push_back(G.Calls[seat][round]);
    }
    size_t end = calls.size();
    while (end > 0 && calls[end - 1] == Pass) --end;
    bool allPass = end < calls.size();
    out << Tag("Auction", SeatTag(G.Dealer));
    int onLine = 0;
    for (size_t i = 0; i < end; ++i) {
        out << (onLine ? " " : "") << PbnCall(calls[i]);
        if (++onLine == 4) {
            out << "\n";
            onLine = 0;
        }
    }
    if (allPass) {
        out << (onLine ? " " : "") << "AP";
        ++onLine;
    }
    if (onLine) out << "\n";

    // The play: one trick a line, in seat order from the opening leader.
    if (played && G.TricksPlayed > 0) {
        int leader = NextPlayer(G.Declarer);
        out << Tag("Play", SeatTag(leader));
        for (int t = 1; t <= G.TricksPlayed; ++t) {
            int seat = leader;
            for (int n = 0; n < 4; ++n, seat = NextPlayer(seat)) {
                int card = G.PlayedCard[seat][t];
                out << (n ? " " : "") << (card ? CardCode(card) : "-");
            }
            out << "\n";
        }
    }
    return out.str();
}

}  // namespace kestrel
