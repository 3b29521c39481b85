// The one interface between the engine and the outside world: the screen, the user and the
// clock. The Qt program and the headless tools each provide a Host; the engine never includes
// a window toolkit.
#pragma once

#include <string>

namespace kestrel {

// The card table.
class TableView {
public:
    virtual ~TableView() = default;
    virtual void ResetForm() {}                  // clear the pictures of the last hand
    virtual void Deal() {}                       // show the four hands after a deal
    virtual void PutCard(int seat, int position) { (void)seat, (void)position; }
    virtual void RefreshRow(int seat) { (void)seat; }  // the row of a seat after a card left it
    virtual void ShowTrickCard(int seat, int card) { (void)seat, (void)card; }
    virtual void HideTrickCards() {}
    virtual void ShowTrickTaken(int side, int count) { (void)side, (void)count; }
    virtual void MakeBidVisible(int seat, int call) { (void)seat, (void)call; }  // -1 clears
    virtual void ShowContract(int level, int strain, int doubleState) {
        (void)level, (void)strain, (void)doubleState;
    }
    virtual void SetPointer(int seat, int proposal) { (void)seat, (void)proposal; }
    virtual void LowerRaisedCards() {}
    virtual void ShowDummy(int seat) { (void)seat; }
    // The trump honours (ten up) of a seat that scored honours: moved out of line, or put back.
    virtual void MarkHonours(int seat, int trump, bool out) { (void)seat, (void)trump, (void)out; }
    virtual void ShowDeck() {}
    virtual void DisplayInfo() {}  // points and quick tricks of the shown hands
    virtual void ShowHandNumber(int number) { (void)number; }
    virtual void SetRewindEnabled(bool enabled) { (void)enabled; }
    virtual void ShowRewind() {}
    virtual void SetPipOrder() {}
};

// The bids-made window.
class BidsView {
public:
    virtual ~BidsView() = default;
    virtual void UpdateTable(int seat, int round, int call) { (void)seat, (void)round, (void)call; }
    // Empties the call cells (the auction is replayed from its start).
    virtual void ClearCalls() {}
};

// The tricks-played window.
class CardsPlayedView {
public:
    virtual ~CardsPlayedView() = default;
    virtual void UpdateTable(int player, int trick, int card) {
        (void)player, (void)trick, (void)card;
    }
    virtual void TrickWinner(int player, int trick) { (void)player, (void)trick; }
    // Empties one cell (a card taken back).
    virtual void ResetTableEntry(int player, int trick) { (void)player, (void)trick; }
};

// The bidding box, which takes the user's calls.
class BidBoxView {
public:
    virtual ~BidBoxView() = default;
    // The engine's call for the user; shown when Show Computer Bid is on.
    virtual void Propose(int call) { (void)call; }
};

// The labels of the score pad: above the line (index = side), the games (index 2 * (game - 1)
// + side) and the rubber totals (index = side).
enum class ScoreLabel { AboveTheLine, Game, RubberScore };

// The Why window, the Continue window and the score pad.
class InfoView {
public:
    virtual ~InfoView() = default;
    virtual void SetWhy(const std::string& text) { (void)text; }
    virtual void ResetContinue() {}
    virtual void ShowContinue() {}
    // The result of a hand, shown while the scorer waits: caption and two labels.
    virtual void ShowResult(const std::string& caption, const std::string& bidLabel,
                            const std::string& madeLabel) {
        (void)caption, (void)bidLabel, (void)madeLabel;
    }
    // The captions of the Continue window's two fixed labels ("Bidding"/"Making", "We"/"They").
    virtual void SetResultLabels(const std::string& bidText, const std::string& makingText) {
        (void)bidText, (void)makingText;
    }
    // The Continue window's caption alone ("You Win", "150 Honors", "Continue").
    virtual void SetContinueCaption(const std::string& caption) { (void)caption; }
    // One score pad label; an empty text empties it.
    virtual void SetScoreLabel(ScoreLabel label, int index, const std::string& text) {
        (void)label, (void)index, (void)text;
    }
    virtual void RefreshScore() {}
    virtual void SetHandNumberCaption(const std::string& text) { (void)text; }
    virtual void SetRubbersCaption(const std::string& text) { (void)text; }
};

// The child windows that the flow opens and closes. The host keeps the window-shown flags.
enum class Window { Score, Bids, CardsPlayed, Why, Continue, ShowOff, Hands, BidTable };

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { Ok, Yes, No, Cancel };

class Host {
public:
    virtual ~Host() = default;

    // Processes pending user events once. May block until an event or a short timer arrives.
    virtual void KeepAlive() = 0;
    // Time of day in hundredths of a second.
    virtual long Now() = 0;
    virtual Answer Ask(const std::string& text, Buttons buttons, Icon icon,
                       const std::string& title) = 0;

    virtual void ShowWindow(Window w) { (void)w; }
    virtual void HideWindow(Window w) { (void)w; }

    // One step of the walk-through while it drives the program.
    virtual void TutorialStep() {}

    // Whether the flow deals again by itself where the game goes straight on to a new hand
    // (passed out, thrown out, scored without play). Headless tools play one hand at a time.
    virtual bool ContinuesToNextDeal() { return true; }

    // A decision is about to take effect: the host may substitute a recorded one (returns true).
    virtual bool SubstituteCall(int seat, int& call) { (void)seat, (void)call; return false; }
    virtual bool SubstituteCard(int seat, int& card) { (void)seat, (void)card; return false; }

    virtual TableView& Table() { return table_; }
    virtual BidsView& Bids() { return bids_; }
    virtual CardsPlayedView& CardsPlayed() { return cardsPlayed_; }
    virtual BidBoxView& BidBox() { return bidBox_; }
    virtual InfoView& Info() { return info_; }

private:
    TableView table_;
    BidsView bids_;
    CardsPlayedView cardsPlayed_;
    BidBoxView bidBox_;
    InfoView info_;
};

void SetHost(Host& host);
Host& GetHost();

}  // namespace kestrel
