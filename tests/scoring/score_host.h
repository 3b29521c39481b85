// A headless host that writes down what the scorer shows: the Continue window's captions and
// labels, the score pad's labels, the Why text, the rubbers caption and the marked honours.
#pragma once

#include <string>
#include <vector>

#include "core/headless_host.h"
#include "core/state.h"
#include "core/text.h"

namespace kestrel::test {

class ScoreHost : public HeadlessHost {
public:
    InfoView& Info() override { return info_; }
    TableView& Table() override { return table_; }
    // The rubber totals as the pad shows them while the rubbers wait.
    void KeepAlive() override {
        if (G.WaitingForContinue && G.WipeScorePending)
            for (int side = 1; side <= 2; ++side) {
                rubberTotal[side] = G.RubberTotal[side];
                rubberLabel[side] = label[static_cast<int>(ScoreLabel::RubberScore)][side];
            }
        HeadlessHost::KeepAlive();
    }
    void ShowWindow(Window w) override {
        if (w == Window::Score) log.push_back("show score");
    }
    void HideWindow(Window w) override {
        if (w == Window::Score) log.push_back("hide score");
    }

    std::vector<std::string> log;
    // The hand's explanation and the Scoring flag when the hand's result was shown.
    std::string whyAtResult;
    int scoringAtResult = 0;
    // The game state and the pad's labels when the hand's result was shown, before any end of
    // the rubber cleared the pad.
    GameState atResult;
    std::string labelAtResult[3][7];
    std::string label[3][7];  // current texts of the pad labels by kind and index
    int rubberTotal[3] = {-1, -1, -1};
    int aboveAtDeal[3] = {-1, -1, -1};  // above the line when the cards were dealt
    std::string rubberLabel[3];

    bool Logged(const std::string& entry) const {
        for (const std::string& e : log)
            if (e == entry) return true;
        return false;
    }

private:
    class Info_ : public InfoView {
    public:
        explicit Info_(ScoreHost& h) : h_(h) {}
        void SetWhy(const std::string& text) override { h_.log.push_back("why " + text); }
        void ShowResult(const std::string& caption, const std::string& bid,
                        const std::string& made) override {
            h_.log.push_back("result " + caption + "|" + bid + "|" + made);
            if (caption != "Continue" && caption != "Rubbers") {
                h_.whyAtResult = G.WhyText;
                h_.scoringAtResult = G.Scoring;
                h_.atResult = G;
                for (int k = 0; k < 3; ++k)
                    for (int i = 0; i < 7; ++i) h_.labelAtResult[k][i] = h_.label[k][i];
            }
        }
        void SetResultLabels(const std::string& bid, const std::string& making) override {
            h_.log.push_back("labels " + bid + "|" + making);
        }
        void SetContinueCaption(const std::string& caption) override {
            h_.log.push_back("caption " + caption);
        }
        void SetScoreLabel(ScoreLabel kind, int index, const std::string& text) override {
            h_.label[static_cast<int>(kind)][index] = text;
        }
        void SetRubbersCaption(const std::string& text) override {
            h_.log.push_back("rubbers " + text);
        }
        ScoreHost& h_;
    };
    class Table_ : public TableView {
    public:
        explicit Table_(ScoreHost& h) : h_(h) {}
        void Deal() override {
            h_.aboveAtDeal[1] = G.AboveTheLine[1];
            h_.aboveAtDeal[2] = G.AboveTheLine[2];
        }
        void MarkHonours(int seat, int trump, bool out) override {
            h_.log.push_back("mark " + std::to_string(seat) + " " + std::to_string(trump) +
                             (out ? " out" : " back"));
        }
        ScoreHost& h_;
    };
    Info_ info_{*this};
    Table_ table_{*this};
};

inline std::string PadLabel(const ScoreHost& h, ScoreLabel kind, int index) {
    return h.label[static_cast<int>(kind)][index];
}

}  // namespace kestrel::test
