// What the command-line commands share: a host that records every decision, the setup of a
// hand from its number or from a given deal, and the options common to all commands.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/headless_host.h"

namespace kestrel::cli {

// Bad input on the command line: reported in one line, exit status 2.
struct CliError {
    std::string message;
};

struct CallRecord {
    int seat = 0, call = 0, min = 0, max = 0;
    std::string what, why;
};

struct CardRecord {
    int seat = 0, card = 0;
    std::string why;
};

// The score records at one moment, by side (index 1 North-South, 2 East-West).
struct ScoreRecord {
    int game[4][3] = {};
    int above[3] = {};
    int total[3] = {};
    int rubbers[3] = {};
    int part[3] = {};
    bool operator==(const ScoreRecord&) const = default;
};
ScoreRecord TakeScore();

// What the scorer showed for the hand just played.
struct HandScore {
    ScoreRecord before;     // when the hand began
    bool shown = false;     // the result was shown (a contract was played or scored)
    std::string result;     // "You Won", "They Won", "You Set", "They Set"
    ScoreRecord afterHand;  // when the result was shown, before any end of the rubber
    int honours = 0, honoursSide = 0;
    bool rubberEnded = false;
    std::string outcome;  // "You Win" or "You Lose"
    ScoreRecord rubber;   // when the rubber's count was shown, before the pad was cleared
};

// Records every call and card as the table shows it, with its meaning and reasons.
class RecordingHost : public HeadlessHost {
public:
    RecordingHost();
    TableView& Table() override { return table_; }
    InfoView& Info() override { return info_; }

    std::vector<CallRecord> calls;
    std::vector<CardRecord> cards;
    std::string scoreText;  // the score explanation of the hand
    HandScore score;

    // Called by the table when a call is shown; may be overridden to stop the flow.
    virtual void OnCallShown(int seat, int call);
    virtual void OnCardShown(int seat, int card);

private:
    class Table_ : public TableView {
    public:
        explicit Table_(RecordingHost& host) : host_(host) {}
        void MakeBidVisible(int seat, int call) override;
        void ShowTrickCard(int seat, int card) override;
        void ShowDeck() override;
        RecordingHost& host_;
    };
    class Info_ : public InfoView {
    public:
        explicit Info_(RecordingHost& host) : host_(host) {}
        void ShowResult(const std::string& caption, const std::string& bidLabel,
                        const std::string& madeLabel) override;
        void SetContinueCaption(const std::string& caption) override;
        RecordingHost& host_;
    };
    Table_ table_;
    Info_ info_;
    size_t whatSeen_ = 0;
};

// Common options.
void ApplyAggressiveness(const std::string& text);  // "S=2,W=2,N=2,E=2"
void ApplyMajors(const std::string& text);          // "NS=4,EW=5"
void ApplyVulnerability(const std::string& text);   // "None", "NS", "EW", "All"

// The dealer of a hand number when none is given: South for hand 1, then clockwise.
int DefaultDealer(int hand);
int ParseSeat(const std::string& text);

// Plays one whole hand with the computer at every seat.
void PlayHandNumber(int hand, int dealer, RecordingHost& host);

// The hand just played as JSON, and as readable text.
nlohmann::json HandJson(const RecordingHost& host);
std::string HandText(const RecordingHost& host, bool why);
// A What text on one line: its line breaks dropped (each line already ends with a blank).
std::string OneLine(const std::string& text);

// The score pad as text: above the line, the three games and the totals of both sides.
std::string PadText(const ScoreRecord& pad);
nlohmann::json PadJson(const ScoreRecord& pad);
// The contract as "4SX", "3N", or "P" when passed out.
std::string ContractCode();
const char* SeatName(int seat);

std::string Today();

}  // namespace kestrel::cli
