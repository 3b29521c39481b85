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

// Records every call and card as the table shows it, with its meaning and reasons.
class RecordingHost : public HeadlessHost {
public:
    RecordingHost();
    TableView& Table() override { return table_; }

    std::vector<CallRecord> calls;
    std::vector<CardRecord> cards;
    std::string scoreText;  // the score explanation of the hand

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
    Table_ table_;
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

std::string Today();

}  // namespace kestrel::cli
