#include "cli/session.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <sstream>

#include "core/cards.h"
#include "core/flow.h"
#include "core/pbn.h"
#include "core/state.h"
#include "core/text.h"

namespace kestrel::cli {

RecordingHost::RecordingHost() : table_(*this), info_(*this) {}

void RecordingHost::OnCallShown(int seat, int call) {
    CallRecord r;
    r.seat = seat;
    r.call = call;
    r.min = G.SeatInfo[seat].ShownMinPoints;
    r.max = G.SeatInfo[seat].ShownMaxPoints;
    const std::string& what = seat == G.HumanSeat ? G.HumanWhatText : G.AuctionWhatText;
    if (seat == G.HumanSeat) {
        r.what = what;
    } else {
        if (what.size() < whatSeen_) whatSeen_ = 0;
        r.what = what.substr(whatSeen_);
        whatSeen_ = what.size();
    }
    // Each meaning ends with its line breaks; they separate calls in the Why window only.
    while (!r.what.empty() && r.what.back() == '\n') r.what.pop_back();
    r.why = G.WhyText;
    calls.push_back(r);
}

void RecordingHost::OnCardShown(int seat, int card) { cards.push_back({seat, card, G.WhyText}); }

void RecordingHost::Table_::MakeBidVisible(int seat, int call) {
    if (call >= 0) host_.OnCallShown(seat, call);
}
void RecordingHost::Table_::ShowTrickCard(int seat, int card) { host_.OnCardShown(seat, card); }
void RecordingHost::Table_::ShowDeck() {
    // The scorer shows the deck once the play is over; the explanation is written after it.
}

ScoreRecord TakeScore() {
    ScoreRecord r;
    for (int side = 1; side <= 2; ++side) {
        for (int row = 1; row <= 3; ++row) r.game[row][side] = G.GameScore[row][side];
        r.above[side] = G.AboveTheLine[side];
        r.total[side] = G.RubberTotal[side];
        r.rubbers[side] = G.RubbersWon[side];
        r.part[side] = G.PartScore[side];
    }
    return r;
}

void RecordingHost::Info_::ShowResult(const std::string& caption, const std::string&,
                                      const std::string&) {
    HandScore& s = host_.score;
    if (caption == "Rubbers") {
        s.rubberEnded = true;
        s.rubber = TakeScore();
    } else if (caption != "Continue") {
        s.shown = true;
        s.result = caption;
        s.afterHand = TakeScore();
    }
}

void RecordingHost::Info_::SetContinueCaption(const std::string& caption) {
    HandScore& s = host_.score;
    if (caption == "You Win" || caption == "You Lose") s.outcome = caption;
    if (caption == "150 Honors" || caption == "100 Honors") {
        s.honours = caption[0] == '1' && caption[1] == '5' ? 150 : 100;
        s.honoursSide = G.DeclaringSideSum < 5 ? 1 : 2;
    }
}

namespace {

std::vector<std::pair<std::string, int>> KeyValues(const std::string& text, const std::string& what) {
    std::vector<std::pair<std::string, int>> out;
    for (const std::string& item : SplitWords(text)) {
        auto eq = item.find('=');
        if (eq == std::string::npos || eq == 0 || eq + 1 >= item.size())
            throw CliError{"bad " + what + " item '" + item + "', expected KEY=VALUE"};
        try {
            size_t used = 0;
            int value = std::stoi(item.substr(eq + 1), &used);
            if (used != item.size() - eq - 1) throw std::invalid_argument("trailing");
            out.emplace_back(item.substr(0, eq), value);
        } catch (const std::exception&) {
            throw CliError{"bad number in " + what + " item '" + item + "'"};
        }
    }
    return out;
}

}  // namespace

int ParseSeat(const std::string& text) {
    int seat = text.size() == 1 ? SeatFromLetter(text[0]) : 0;
    if (seat == 0) throw CliError{"unknown seat '" + text + "', expected S, W, N or E"};
    return seat;
}

void ApplyAggressiveness(const std::string& text) {
    for (auto& [key, value] : KeyValues(text, "aggressiveness")) {
        int seat = ParseSeat(key);
        if (value < 0 || value > 4)
            throw CliError{"aggressiveness of " + key + " must be 0 to 4"};
        G.Aggressiveness[seat] = value;
    }
}

void ApplyMajors(const std::string& text) {
    for (auto& [key, value] : KeyValues(text, "majors")) {
        if (key != "NS" && key != "EW") throw CliError{"unknown side '" + key + "', expected NS or EW"};
        if (value != 4 && value != 5) throw CliError{"majors of " + key + " must be 4 or 5"};
        G.FourCardMajors[key == "NS" ? 1 : 2] = value == 4 ? -1 : 0;
    }
}

void ApplyVulnerability(const std::string& text) {
    bool ns = text == "NS" || text == "All", ew = text == "EW" || text == "All";
    if (!ns && !ew && text != "None")
        throw CliError{"unknown vulnerability '" + text + "', expected None, NS, EW or All"};
    for (auto& row : G.GameScore)
        for (int& v : row) v = 0;
    // A game won makes a side vulnerable: North-South's in the first row, East-West's in the
    // first, or in the second when North-South won the first.
    if (ns) G.GameScore[1][1] = 100;
    if (ew) G.GameScore[ns ? 2 : 1][2] = 100;
}

int DefaultDealer(int hand) { return (hand - 1) % 4 + 1; }

void PlayHandNumber(int hand, int dealer, RecordingHost& host) {
    if (hand < 1 || hand > 32767) throw CliError{"hand number must be 1 to 32767"};
    SetHost(host);
    G.HumanSeat = 0;
    G.HandNumber = hand;
    G.Dealer = dealer;
    G.ReplayHand = -1;
    G.KeepDealer = -1;
    host.calls.clear();
    host.cards.clear();
    host.score = HandScore{};
    host.score.before = TakeScore();
    MenuDeal_Click();
    host.scoreText = G.Contract != 0 && !G.Options.DontScoreHand ? G.WhyText : "";
}

nlohmann::json HandJson(const RecordingHost& host) {
    using nlohmann::json;
    json j;
    j["hand"] = G.HandNumber;
    j["dealer"] = std::string(1, SeatLetter(G.Dealer));
    j["deal"] = FormatDeal(G.Dealer);
    json auction = json::array();
    for (const CallRecord& c : host.calls)
        auction.push_back({{"seat", std::string(1, SeatLetter(c.seat))},
                           {"call", CallCode(c.call)},
                           {"what", c.what},
                           {"min", c.min},
                           {"max", c.max},
                           {"why", c.why}});
    j["auction"] = auction;
    bool played = G.Contract != 0 && G.Declarer != 0;
    j["contract"] = played ? ContractCode() : "P";
    j["declarer"] = played ? std::string(1, SeatLetter(G.Declarer)) : "";
    json tricks = json::array();
    for (int t = 1; t <= G.TricksPlayed; ++t) {
        json cards = json::array();
        int seat = G.TrickLeader[t];
        for (int n = 0; n < 4; ++n, seat = NextPlayer(seat))
            cards.push_back(CardCode(G.PlayedCard[seat][t]));
        tricks.push_back({{"leader", std::string(1, SeatLetter(G.TrickLeader[t]))},
                          {"cards", cards},
                          {"winner", std::string(1, SeatLetter(G.TrickWinner[t]))}});
    }
    j["tricks"] = tricks;
    j["tricks_ns"] = G.TricksWon[1];
    j["tricks_ew"] = G.TricksWon[2];
    const HandScore& s = host.score;
    json score = {{"explanation", host.scoreText},
                  {"result", s.result},
                  {"above", {G.AboveTheLine[1], G.AboveTheLine[2]}},
                  {"part_score", {G.PartScore[1], G.PartScore[2]}},
                  {"honours", s.honours},
                  {"pad", PadJson(TakeScore())}};
    if (s.shown) {
        json below = json::array(), above = json::array();
        for (int side = 1; side <= 2; ++side) {
            int b = 0;
            for (int row = 1; row <= 3; ++row) b += s.afterHand.game[row][side] - s.before.game[row][side];
            below.push_back(b);
            above.push_back(s.afterHand.above[side] - s.before.above[side]);
        }
        score["hand"] = {{"below", below}, {"above", above}};
    }
    if (s.rubberEnded) score["rubber"] = {{"outcome", s.outcome}, {"pad", PadJson(s.rubber)}};
    j["score"] = score;
    return j;
}

std::string ContractCode() {
    if (G.Contract == 0) return "P";
    return CallCode(G.Contract) + (G.DoubleState == 1 ? "X" : G.DoubleState == 2 ? "XX" : "");
}

nlohmann::json PadJson(const ScoreRecord& pad) {
    using nlohmann::json;
    json j;
    for (int side = 1; side <= 2; ++side) {
        const char* key = side == 1 ? "ns" : "ew";
        j[key] = {{"above", pad.above[side]},
                  {"games", {pad.game[1][side], pad.game[2][side], pad.game[3][side]}},
                  {"total", pad.total[side]},
                  {"part_score", pad.part[side]},
                  {"rubbers_won", pad.rubbers[side]}};
    }
    return j;
}

std::string PadText(const ScoreRecord& pad) {
    std::ostringstream out;
    auto row = [&out](const std::string& name, int we, int they) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "  %-8s %7d %7d\n", name.c_str(), we, they);
        out << buf;
    };
    char head[64];
    std::snprintf(head, sizeof head, "  %-8s %7s %7s\n", "Pad", "We", "They");
    out << head;
    row("Above", pad.above[1], pad.above[2]);
    for (int g = 1; g <= 3; ++g) row("Game " + std::to_string(g), pad.game[g][1], pad.game[g][2]);
    row("Total", pad.total[1], pad.total[2]);
    out << "  Part scores: We " << pad.part[1] << ", They " << pad.part[2] << "; rubbers won: We "
        << pad.rubbers[1] << ", They " << pad.rubbers[2] << "\n";
    return out.str();
}

namespace {

std::string HandLine(int seat) {
    static const char kRanks[] = "23456789TJQKA";
    std::string out;
    for (int suit = Spades; suit >= Clubs; --suit) {
        out += StrainLetter(suit);
        out += ' ';
        bool any = false;
        for (int rank = 13; rank >= 1; --rank)
            if (G.CardOwner[MakeCard(suit, rank)] == seat) {
                out += kRanks[rank - 1];
                any = true;
            }
        if (!any) out += '-';
        out += suit == Clubs ? "" : "  ";
    }
    return out;
}

}  // namespace

const char* SeatName(int seat) {
    static const char* names[] = {"", "South", "West", "North", "East"};
    return seat >= 1 && seat <= 4 ? names[seat] : "";
}

std::string OneLine(const std::string& text) {
    std::string out;
    for (char ch : text)
        if (ch != '\n') out += ch;
    return out;
}

std::string HandText(const RecordingHost& host, bool why) {
    std::ostringstream out;
    out << "Hand # " << G.HandNumber << ", dealer " << SeatName(G.Dealer) << "\n";
    out << "Deal " << FormatDeal(G.Dealer) << "\n";
    for (int seat : {North, West, East, South})
        out << "  " << SeatName(seat) << std::string(6 - std::string(SeatName(seat)).size(), ' ')
            << HandLine(seat) << "   (" << G.SeatInfo[seat].Points << " points)\n";
    out << "Auction:\n";
    for (const CallRecord& c : host.calls) {
        out << "  " << SeatLetter(c.seat) << " " << CallCode(c.call);
        if (c.min != 0 || c.max != 0) out << "  [" << c.min << "-" << c.max << "]";
        if (!c.what.empty()) out << "  " << OneLine(c.what);
        out << "\n";
        if (why && !c.why.empty()) out << "      why: " << c.why << "\n";
    }
    if (G.Contract == 0 || G.Declarer == 0) {
        out << "Passed out.\n" << PadText(TakeScore());
        return out.str();
    }
    out << "Contract " << ContractCode() << " by " << SeatName(G.Declarer) << "\n";
    size_t k = 0;
    for (int t = 1; t <= G.TricksPlayed; ++t) {
        out << "  Trick " << (t < 10 ? " " : "") << t << ":";
        int seat = G.TrickLeader[t];
        for (int n = 0; n < 4; ++n, seat = NextPlayer(seat))
            out << " " << SeatLetter(seat) << " " << CardCode(G.PlayedCard[seat][t]);
        out << "   won by " << SeatName(G.TrickWinner[t]) << "\n";
        if (why)
            for (int n = 0; n < 4 && k < host.cards.size(); ++n, ++k)
                if (!host.cards[k].why.empty())
                    out << "      " << SeatLetter(host.cards[k].seat) << " "
                        << CardCode(host.cards[k].card) << ": " << host.cards[k].why << "\n";
    }
    out << "Tricks: North-South " << G.TricksWon[1] << ", East-West " << G.TricksWon[2] << "\n";
    const HandScore& s = host.score;
    if (s.honours != 0)
        out << "Honours: " << s.honours << " to " << (s.honoursSide == 1 ? "North-South" : "East-West")
            << "\n";
    if (!s.result.empty()) out << "Result: " << s.result << "\n";
    if (!host.scoreText.empty()) out << "Score: " << host.scoreText << "\n";
    if (s.rubberEnded) {
        out << "Rubber over: " << s.outcome << "\n" << PadText(s.rubber);
        out << "The pad is cleared for the next rubber.\n";
    } else {
        out << PadText(TakeScore());
    }
    return out.str();
}

std::string Today() {
    std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
    localtime_r(&now, &tm);
    char buf[16];
    std::strftime(buf, sizeof buf, "%Y.%m.%d", &tm);
    return buf;
}

}  // namespace kestrel::cli
