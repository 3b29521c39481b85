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
class QtHost;

class MDIKSTR : public QMainWindow, public InfoView {
    Q_OBJECT
public:
    explicit MDIKSTR(QWidget* parent = nullptr);
    ~MDIKSTR() override;

    FormTheHands& Hands() { return *hands_; }
    FormBidTable& BidTable() { return *bidTable_; }
    FormContinue& Continue() { return *continue_; }
    QMdiArea& Area() { return *area_; }
    QtHost& Host() { return *host_; }

    // Start-up: the check marks from the options, the card drawing, the table with the deck.
    void Load();

    void ShowChild(Window w);
    void HideChild(Window w);
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
    QtHost* host_ = nullptr;
    bool resizing_ = false;
};

// Runs the game: the main window, the host, the event loop.
int RunGame(QApplication& app);

}  // namespace kestrel::ui
