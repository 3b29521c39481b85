// The main window: the frame of the game, its menus, and the child windows in its MDI area.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <string>

#include "core/host.h"

class QApplication;
class QMdiArea;
class QMdiSubWindow;
class QAction;
class QMenu;

namespace kestrel::ui {

class FormTheHands;
class FormBidTable;
class FormContinue;
class FormAllBidsTable;
class FormCardsPlayed;
class FormWhy;
class FormScore;
class QtHost;

class MDIKSTR : public QMainWindow, public InfoView {
    Q_OBJECT
public:
    explicit MDIKSTR(QWidget* parent = nullptr);
    ~MDIKSTR() override;

    FormTheHands& Hands() { return *hands_; }
    FormBidTable& BidTable() { return *bidTable_; }
    FormContinue& Continue() { return *continue_; }
    FormAllBidsTable& AllBids() { return *bids_; }
    FormCardsPlayed& CardsPlayedForm() { return *played_; }
    FormWhy& Why() { return *why_; }
    FormScore& Score() { return *score_; }
    // The MDI window that holds a child window.
    QMdiSubWindow* SubWindow(Window w) const;
    QMdiArea& Area() { return *area_; }
    QtHost& Host() { return *host_; }

    // Start-up: the check marks from the options, the card drawing, the table with the deck.
    void Load();

    // Shows a child window, loading it first when it is not loaded.
    void ShowChild(Window w);
    // What the flow's HideWindow does: the bids-made and tricks-played windows are hidden
    // (they stay loaded and keep being updated); the others are unloaded.
    void HideChild(Window w);
    // A request to close a tool window, refused while the window must stay up (unless the
    // program is ending). Returns whether the window was unloaded.
    bool RequestClose(Window w);
    // Hides the window and clears its window-shown flag.
    void Unload(Window w);
    // Docks the Why window at the right of the card table.
    void DockWhy();
    // Gives the focus back to the card table.
    void FocusTable();
    // Run by every KeepAlive: the tool windows stay beside the card table.
    void KeepToolsInPlace();
    // The main window's part of ResetForm: the history windows are cleared for a new deal.
    void ResetToolWindows();
    // -1 while the bids-made window is open because the user asked for it from the View menu.
    int BidsShownOnRequest = 0;
    // Lays the card table and the bidding box out again for the main window's size.
    void LayOut();

    // The Show Points and Show QT captions while a deal is prepared, and after it is shown.
    void ResetInfoCaptions();
    void DisplayInfo();
    // Whether an option's menu item is checked, by the item's object name.
    bool Checked(const char* objectName) const;

    // InfoView: the Continue window and the display-only menu items.
    void SetWhy(const std::string& text) override;
    void ResetContinue() override;
    void ShowContinue() override;
    void ShowResult(const std::string& caption, const std::string& bidLabel,
                    const std::string& madeLabel) override;
    void SetResultLabels(const std::string& bidText, const std::string& makingText) override;
    void SetContinueCaption(const std::string& caption) override;
    void SetScoreLabel(ScoreLabel label, int index, const std::string& text) override;
    void RefreshScore() override;
    void SetHandNumberCaption(const std::string& text) override;
    void SetRubbersCaption(const std::string& text) override;

public slots:
    // The Deal command: starts a hand, or asks the running one to give way.
    void MenuDeal_Click();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QAction* AddItem(QMenu* menu, const QString& caption, const char* name, bool checkable = false);
    void BuildMenus();
    void ApplyCheckMarks();
    void OneLevelChosen(QAction* chosen);
    void BackgroundClick();
    QMdiSubWindow* AddToolWindow(QWidget* form, const char* name, const QString& caption);
    void ActivationChanged(Window w, Qt::WindowStates oldState, Qt::WindowStates newState);
    void LostFocus(Window w);
    // Centres a child window in the main window.
    void Centre(QMdiSubWindow* sub);
    // After an Always Up item: the table is laid out again unless it stands at 1650 twips.
    void LayOutUnlessShifted();
    void SetBackgroundColor();
    void ApplyBackground();
    void RubbersCaption();
    void Message(const QString& title, const QString& text);

    QMdiArea* area_ = nullptr;
    FormTheHands* hands_ = nullptr;
    FormBidTable* bidTable_ = nullptr;
    FormContinue* continue_ = nullptr;
    QMdiSubWindow* handsSub_ = nullptr;
    QMdiSubWindow* bidSub_ = nullptr;
    QMdiSubWindow* continueSub_ = nullptr;
    FormAllBidsTable* bids_ = nullptr;
    FormCardsPlayed* played_ = nullptr;
    FormWhy* why_ = nullptr;
    FormScore* score_ = nullptr;
    QMdiSubWindow* bidsSub_ = nullptr;
    QMdiSubWindow* playedSub_ = nullptr;
    QMdiSubWindow* whySub_ = nullptr;
    QMdiSubWindow* scoreSub_ = nullptr;
    QtHost* host_ = nullptr;
    bool resizing_ = false;
    // True while the program itself places a tool window: such moves are not remembered.
    bool placing_ = false;
    struct Placing {
        explicit Placing(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
        ~Placing() { flag_ = was_; }
        bool& flag_;
        bool was_;
    };
    // A tool window the user moved beside the shifted card table: its height is remembered.
    void RememberToolPosition(QObject* watched);
};

// Runs the game: the main window, the host, the event loop.
int RunGame(QApplication& app);

}  // namespace kestrel::ui
