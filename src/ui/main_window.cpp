#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>

#include "core/errors.h"
#include "core/flow.h"
#include "core/state.h"
#include "core/text.h"
#include "scoring/rubber.h"
#include "ui/card_renderer.h"
#include "ui/form_all_bids_table.h"
#include "ui/form_bid_table.h"
#include "ui/form_cards_played.h"
#include "ui/form_continue.h"
#include "ui/form_score.h"
#include "ui/form_the_hands.h"
#include "ui/form_why.h"
#include "ui/qt_host.h"
#include "ui/twips.h"

namespace kestrel::ui {

namespace {

// The smallest main window, in twips.
constexpr int kMinWidthTwips = 5500;
constexpr int kMinHeightTwips = 4850;
// The card table's left edge when tool windows stand beside it.
constexpr int kTableLeftTwips = 1650;
// The room the card table leaves at its right for the Why window.
constexpr int kWhyRoomTwips = 2400;

const char* const kVersion = "Version 1.0.0";

const char* const kMouseHelp =
    "Left Button:\n"
    "    Does the obvious things: deals from the deck, makes calls in the bidding box\n"
    "    and plays the card you click.\n"
    "Right Button:\n"
    "    With a fresh deck showing, a right click and then a click on the deck changes\n"
    "    the card back.\n"
    "    During the auction, a right click on a call in the bidding box shows what that\n"
    "    call would tell your partner; anywhere else it shows what the computer would bid.\n"
    "    During the play it shows the card the computer would play.\n"
    "Enter Key:\n"
    "    With Show Computer Bid or Show Computer Play checked, Enter makes the proposed\n"
    "    call or plays the proposed card.\n"
    "Show Points and Show Quick Tricks put their values at the bottom of the Bids Made window.";

const char* const kPointsHelp =
    "Point Count:\n"
    "    Ace 4, King 3, Queen 2, Jack 1.\n"
    "    1 for each card less than 3 in a short suit.\n"
    "    1 for the fifth card and 2 for each further card of a long suit.\n"
    "    1 off for no aces, and 1 off for each unprotected face card.\n"
    "Biddable suit:  4 cards and 4 points, or any 5 cards.\n"
    "Rebiddable suit:  5 cards and 3 points, or any 6 cards.\n"
    "Re-rebiddable suit:  7 cards and 3 points, or any 8 cards.\n"
    "Trump fit:  8 cards between the partners.\n"
    "Conventions played:  Blackwood and Stayman.";

const char* const kConventionsHelp =
    "Blackwood:\n"
    "    Once either partner has made a jump bid, 4 No Trump asks for aces.\n"
    "    Replies: 5 Clubs none or four, 5 Diamonds one, 5 Hearts two, 5 Spades three.\n"
    "    5 No Trump then asks for kings with the same steps.\n"
    "Stayman:\n"
    "    A Clubs response to a No Trump opening that is not a jump.\n"
    "    The opener bids No Trump with both majors of four or more cards,\n"
    "    a major of four or more cards by bidding it, and Diamonds with neither.";

// The declarer's plans, one line each, as the Offense box shows them.
const char* const kOffenseHelp =
    "On offensive play the game will play, one of 3 different plans. \r\n"
    "    Cross Ruff is the plan of choice, take as many tricks with trump as possible.\r\n"
    "    Long Suit Establishment is the second choice, get rid of the trump, then play the long "
    "suit out\r\n"
    "    High Cards and Out is the last choice, no trump advantage. \r\n"
    "    When we run out of leads we move to an End Game plan. ";

const char* const kDefenseHelp =
    "Opening lead, in order of priority:\n"
    "    Partner's first bid suit.\n"
    "    A major never bid, headed by less than the Queen.\n"
    "    Fourth down from the longest and strongest suit.\n"
    "    One of the top two cards of a side suit.\n"
    "    A trump.\n"
    "In general do not change suits; leading partner's first discarded suit is good;\n"
    "avoid leading away from an honour.\n"
    "Second hand low, third hand high.\n"
    "Never give up the setting trick.";

const char* const kCredits =
    "Kestrel is written and maintained by its developers.\n"
    "The card pictures are drawn by the program itself.";

}  // namespace

MDIKSTR::MDIKSTR(QWidget* parent) : QMainWindow(parent) {
    setObjectName("MDIKSTR");
    setWindowTitle("Kestrel");
    area_ = new QMdiArea(this);
    area_->setObjectName("MDIArea");
    area_->viewport()->installEventFilter(this);
    setCentralWidget(area_);

    hands_ = new FormTheHands(*this);
    handsSub_ = area_->addSubWindow(hands_, Qt::FramelessWindowHint);
    handsSub_->setObjectName("FormTheHandsWindow");

    bidTable_ = new FormBidTable(*this);
    bidSub_ = area_->addSubWindow(bidTable_, Qt::FramelessWindowHint);
    bidSub_->setObjectName("FormBidTableWindow");
    bidSub_->hide();

    continue_ = new FormContinue(*this);
    continueSub_ = area_->addSubWindow(continue_, Qt::Tool | Qt::WindowTitleHint |
                                                      Qt::CustomizeWindowHint |
                                                      Qt::WindowCloseButtonHint);
    continueSub_->setObjectName("FormContinueWindow");
    continueSub_->setWindowTitle("Continue");
    continueSub_->installEventFilter(this);
    continueSub_->setAttribute(Qt::WA_DeleteOnClose, false);
    continueSub_->hide();
    connect(continueSub_, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates o, Qt::WindowStates n) {
                ActivationChanged(Window::Continue, o, n);
            });

    bids_ = new FormAllBidsTable(*this);
    bidsSub_ = AddToolWindow(bids_, "FormAllBidsTableWindow", "Bids Made");
    played_ = new FormCardsPlayed(*this);
    playedSub_ = AddToolWindow(played_, "FormCardsPlayedWindow", "Played");
    why_ = new FormWhy(*this);
    whySub_ = AddToolWindow(why_, "FormWhyWindow", "Why Would I play that");
    score_ = new FormScore(*this);
    scoreSub_ = AddToolWindow(score_, "FormScoreWindow", "US  THEM");

    host_ = new QtHost(*this);
    BuildMenus();
    resize(Twips(9600), Twips(8400));
}

MDIKSTR::~MDIKSTR() {
    delete host_;
    cdtTerm();
}

QMdiSubWindow* MDIKSTR::AddToolWindow(QWidget* form, const char* name, const QString& caption) {
    QMdiSubWindow* sub = area_->addSubWindow(
        form, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    sub->setObjectName(name);
    sub->setWindowTitle(caption);
    // Closing only unloads: the window and its cells live as long as the main window.
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->installEventFilter(this);
    sub->hide();
    Window w = form == bids_ ? Window::Bids
               : form == played_ ? Window::CardsPlayed
               : form == why_ ? Window::Why
                              : Window::Score;
    connect(sub, &QMdiSubWindow::windowStateChanged, this,
            [this, w](Qt::WindowStates o, Qt::WindowStates n) { ActivationChanged(w, o, n); });
    return sub;
}

QMdiSubWindow* MDIKSTR::SubWindow(Window w) const {
    switch (w) {
        case Window::Hands: return handsSub_;
        case Window::BidTable: return bidSub_;
        case Window::Continue: return continueSub_;
        case Window::Bids: return bidsSub_;
        case Window::CardsPlayed: return playedSub_;
        case Window::Why: return whySub_;
        case Window::Score: return scoreSub_;
        default: return nullptr;
    }
}

QAction* MDIKSTR::AddItem(QMenu* menu, const QString& caption, const char* name, bool checkable) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setCheckable(checkable);
    return a;
}

bool MDIKSTR::Checked(const char* objectName) const {
    auto* a = findChild<QAction*>(objectName);
    return a && a->isChecked();
}

void MDIKSTR::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto menu = [&](const QString& title, const char* name, QMenu* parent = nullptr) {
        QMenu* m = parent ? parent->addMenu(title) : bar->addMenu(title);
        m->setObjectName(name);
        m->menuAction()->setObjectName(QString(name) + "Action");
        return m;
    };
    auto flag = [](bool on) { return on ? -1 : 0; };

    // File.
    QMenu* file = menu("&File", "MenuFile");
    connect(AddItem(file, "&Deal", "MenuDeal"), &QAction::triggered, this, [this] {
        QMetaObject::invokeMethod(this, "MenuDeal_Click", Qt::QueuedConnection);
    });
    // The picking and hand-type dialogs come with their own windows.
    QAction* pick = AddItem(file, "&Pick Cards ...", "MenuPickCards");
    connect(pick, &QAction::triggered, this, [this] {
        Qt::WindowStates state = windowState();
        showMaximized();
        // The pick-cards dialog is shown here, modal, once it exists.
        setWindowState(state);
    });
    AddItem(file, "&Choose Hand Type ...", "MenuChooseHand");
    file->addSeparator();
    connect(AddItem(file, "E&xit", "MenuExit"), &QAction::triggered, this, [this] {
        G.Ending = -1;
        close();
    });

    // Layout.
    QMenu* layout = menu("&Layout", "MenuLayout");
    AddItem(layout, "Set &Hand Arrangement ...", "MenuSetHandArrangement");
    AddItem(layout, "&Set Speed ...", "MenuSetSpeed");
    connect(AddItem(layout, "Set &Background Color ...", "MenuSetBackgroundColor"),
            &QAction::triggered, this, &MDIKSTR::SetBackgroundColor);
    connect(AddItem(layout, "Show &Cards", "MenuShowCards"), &QAction::triggered, this, [this] {
        // The who-is-visible dialog comes with the settings dialogs; the hands are redrawn.
        for (int player = 1; player <= 4; ++player) hands_->FlipTheCards(player);
    });

    // Options.
    QMenu* options = menu("&Options", "MenuOptions");
    connect(AddItem(options, "Show Computer &Bid", "MenuShowCompBid", true), &QAction::toggled,
            this, [this, flag](bool on) {
                G.Options.ShowCompBid = flag(on);
                if (G.Dealing && G.BidTableShown) bidTable_->FocusOnProposal(on);
            });
    connect(AddItem(options, "Show Computer &Play", "MenuShowComputerPlay", true),
            &QAction::toggled, this, [this, flag](bool on) {
                G.Options.ShowCompPlay = flag(on);
                if (G.PlayInProgress && G.AwaitingUser)
                    hands_->SetPointer(G.CurrentSeat, on ? G.HumanCard : 0);
            });
    options->addSeparator();
    AddItem(options, "Set &Aggressiveness ...", "MenuSetAggressiveness");
    options->addSeparator();
    AddItem(options, "&Majors ...", "MenuMajors");
    QAction* best = AddItem(options, "Best &Hands", "MenuBestHands", true);
    QAction* worst = AddItem(options, "&Worst Hands", "MenuWorstHands", true);
    connect(best, &QAction::toggled, this, [worst, flag](bool on) {
        G.Options.BestHands = flag(on);
        if (on) worst->setChecked(false);
    });
    connect(worst, &QAction::toggled, this, [best, flag](bool on) {
        G.Options.WorstHands = flag(on);
        if (on) best->setChecked(false);
    });
    connect(AddItem(options, "Same &Dealer", "MenuSameDealer", true), &QAction::toggled, this,
            [flag](bool on) {
                G.KeepDealer = flag(on);
                G.Options.SameDealer = flag(on);
            });
    QAction* sameHand = AddItem(options, "Same Ha&nd", "MenuSameHand", true);
    connect(sameHand, &QAction::triggered, this, [sameHand, flag](bool nowChecked) {
        // The item was checked before this choice when it is unchecked now.
        bool wasChecked = !nowChecked;
        bool on = !(G.ReplayHand == -1 || wasChecked);
        G.ReplayHand = flag(on);
        G.Options.SameHand = flag(on);
        QSignalBlocker block(sameHand);
        sameHand->setChecked(on);
    });
    QMenu* oneLevel = menu("1 &Level Bids", "Menu1LevelBids", options);
    for (auto [caption, name] : {std::pair{"Decide at Time", "MenuDecideatTime"},
                                 std::pair{"Play Them", "MenuPlayThem"},
                                 std::pair{"Score Them", "MenuScoreThem"},
                                 std::pair{"Throw Them Out", "MenuThrowThem"}}) {
        QAction* a = AddItem(oneLevel, caption, name, true);
        connect(a, &QAction::triggered, this, [this, a] { OneLevelChosen(a); });
    }
    QMenu* clear = menu("Clear Scores", "MenuClearScores", options);
    // The score resets belong to the scoring engine; the menu only asks for them.
    // The scoring engine clears the records and, while the pad is open, its labels.
    connect(AddItem(clear, "Clear Score Pad", "MenuClearScorePad"), &QAction::triggered, this,
            [] { kestrel::MenuClearScorePad(); });
    connect(AddItem(clear, "Clear Rubber Scores", "MenuClearRubberScores"), &QAction::triggered,
            this, [] { kestrel::MenuClearRubberScores(); });
    connect(AddItem(clear, "Clear All Scores", "MenuClearAllScores"), &QAction::triggered, this,
            [] { kestrel::MenuClearAllScores(); });
    connect(AddItem(options, "Dont &Score Hand", "MenuDontScoreHand", true), &QAction::toggled,
            this, [flag](bool on) { G.Options.DontScoreHand = flag(on); });

    // View.
    QMenu* view = menu("&View", "MenuView");
    connect(AddItem(view, "Show &Bids Made", "MenuShowBids"), &QAction::triggered, this, [this] {
        ShowChild(Window::Bids);
        BidsShownOnRequest = -1;
    });
    connect(AddItem(view, "Show &Cards Played", "MenuShowCardsPlayed"), &QAction::triggered, this,
            [this] { ShowChild(Window::CardsPlayed); });
    connect(AddItem(view, "Show &Score", "MenuShowScore"), &QAction::triggered, this,
            [this] { ShowChild(Window::Score); });
    view->addSeparator();
    connect(AddItem(view, "Show P&oints", "MenuShowPoints", true), &QAction::toggled, this,
            [this, flag](bool on) {
                G.Options.ShowPoints = flag(on);
                if (G.BidsShown) bids_->ShowHandInfo();
            });
    connect(AddItem(view, "Show &QT", "MenuShowQuickTricks", true), &QAction::toggled, this,
            [this, flag](bool on) {
                G.Options.ShowQT = flag(on);
                if (G.BidsShown) bids_->ShowHandInfo();
            });
    AddItem(view, "RubbersWon\\Lost", "MenuShowWonLostRubbers");
    AddItem(view, "HandNumber", "MenuHandNumber");

    // Always Up.
    QMenu* up = menu("&Always Up", "MenuAllwaysUp");
    connect(AddItem(up, "&Bids", "MenuBidsUp", true), &QAction::toggled, this,
            [this, flag](bool on) {
                G.Options.BidsAlwaysUp = flag(on);
                on ? ShowChild(Window::Bids) : HideChild(Window::Bids);
                LayOutUnlessShifted();
            });
    connect(AddItem(up, "&Cards Played", "MenuCardsPlayedUp", true), &QAction::toggled, this,
            [this, flag](bool on) {
                G.Options.CardsPlayedAlwaysUp = flag(on);
                if (on)
                    ShowChild(Window::CardsPlayed);
                else
                    RequestClose(Window::CardsPlayed);
                LayOutUnlessShifted();
            });
    connect(AddItem(up, "&Faces", "MenuFaces", true), &QAction::toggled, this,
            [this, flag](bool on) {
                G.Options.Faces = flag(on);
                LayOut();
            });
    connect(AddItem(up, "&Score", "MenuScoreUp", true), &QAction::toggled, this,
            [this, flag](bool on) {
                G.Options.ScoreAlwaysUp = flag(on);
                if (on)
                    ShowChild(Window::Score);
                else
                    RequestClose(Window::Score);  // refused while the hand is being scored
                LayOutUnlessShifted();
            });
    connect(AddItem(up, "&Why", "MenuWhy", true), &QAction::toggled, this, [this, flag](bool on) {
        G.Options.WhyAlwaysUp = flag(on);
        if (on)
            ShowChild(Window::Why);
        else
            RequestClose(Window::Why);
    });

    // Help.
    QMenu* help = menu("&Help", "MenuHelp");
    AddItem(help, "&Tutorial", "MenuTutor");  // the walk-through comes with its own window
    connect(AddItem(help, "&Mouse", "MenuMouse"), &QAction::triggered, this,
            [this] { Message("Mouse", kMouseHelp); });
    QMenu* about = menu("About &Bridge", "MenuAboutBridge", help);
    connect(AddItem(about, "Conventions", "MenuHelpConventions"), &QAction::triggered, this,
            [this] { Message("Conventions", kConventionsHelp); });
    connect(AddItem(about, "Defense", "MenuHelpDefense"), &QAction::triggered, this,
            [this] { Message("Defense", kDefenseHelp); });
    connect(AddItem(about, "Offense", "MenuHelpOffense"), &QAction::triggered, this,
            [this] { Message("Offense", kOffenseHelp); });
    connect(AddItem(about, "Points", "MenuHelpPoints"), &QAction::triggered, this,
            [this] { Message("Points", kPointsHelp); });
    connect(AddItem(help, "&HTML Help", "MenuHtml"), &QAction::triggered, this, [this] {
        QString dir = QCoreApplication::applicationDirPath();
        QString page = QDir(dir).filePath("aboutkstr.html");
        if (!QFileInfo::exists(page)) {
            QMessageBox::critical(
                this, "Kestrel",
                "The help files must be found:\naboutkstr.html\ndefbid.html\ndefinitions.html\n"
                "defplay.html\ngeneralinfo.html\noffplay.html\nopenbid.html\nresbid.html\n"
                "They come in the archive help.zip and belong in the program's directory, " +
                    dir + ".");
            return;
        }
        if (QMessageBox::information(this, "Kestrel",
                                     "OK starts your browser with the help pages. Without a "
                                     "browser associated with the html extension this help "
                                     "cannot be used.",
                                     QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok)
            QDesktopServices::openUrl(QUrl::fromLocalFile(page));
    });
    connect(AddItem(help, "&About", "MenuAbout"), &QAction::triggered, this, [this] {
        Message("About", QString("Kestrel\n") + kVersion);
        Message("About", kCredits);
    });
}

void MDIKSTR::Message(const QString& title, const QString& text) {
    if (host_->askHook) {
        host_->askHook(text.toStdString(), Buttons::Ok);
        return;
    }
    // A message box breaks lines at line feeds; a carriage return would show as a stray mark.
    QString shown = text;
    shown.replace("\r\n", "\n");
    QMessageBox::information(this, title, shown);
}

void MDIKSTR::OneLevelChosen(QAction* chosen) {
    const char* names[4] = {"MenuDecideatTime", "MenuThrowThem", "MenuPlayThem", "MenuScoreThem"};
    // QAction has already toggled the chosen item: unchecked now means it was checked.
    bool wasChecked = !chosen->isChecked();
    QAction* decide = findChild<QAction*>(names[0]);
    QAction* toCheck = (wasChecked && chosen != decide) ? decide : chosen;
    for (const char* name : names) {
        QAction* a = findChild<QAction*>(name);
        a->setChecked(a == toCheck);
    }
    G.OneLevelMode = 0;
    for (int mode = 1; mode <= 3; ++mode)
        if (Checked(names[mode])) G.OneLevelMode = mode;
}

void MDIKSTR::ApplyCheckMarks() {
    auto set = [this](const char* name, int value) {
        QAction* a = findChild<QAction*>(name);
        QSignalBlocker block(a);
        a->setChecked(value != 0);
    };
    set("MenuFaces", G.Options.Faces == -1);
    set("MenuShowPoints", G.Options.ShowPoints);
    set("MenuShowQuickTricks", G.Options.ShowQT);
    set("MenuCardsPlayedUp", G.Options.CardsPlayedAlwaysUp);
    set("MenuBidsUp", G.Options.BidsAlwaysUp);
    set("MenuScoreUp", G.Options.ScoreAlwaysUp);
    set("MenuSameDealer", G.Options.SameDealer);
    set("MenuSameHand", G.Options.SameHand);
    set("MenuWhy", G.Options.WhyAlwaysUp);
    set("MenuShowCompBid", G.Options.ShowCompBid);
    set("MenuShowComputerPlay", G.Options.ShowCompPlay);
    set("MenuBestHands", G.Options.BestHands);
    set("MenuWorstHands", G.Options.WorstHands);
    set("MenuDontScoreHand", G.Options.DontScoreHand);
    if (G.Options.SameDealer) G.KeepDealer = -1;
    if (G.Options.SameHand) G.ReplayHand = -1;
    RubbersCaption();
    const char* names[4] = {"MenuDecideatTime", "MenuThrowThem", "MenuPlayThem", "MenuScoreThem"};
    for (int mode = 0; mode <= 3; ++mode) set(names[mode], G.OneLevelMode == mode);
}

void MDIKSTR::Load() {
    // The card pictures are drawn by the program itself, so there is no library file to look
    // for before the table is loaded.
    int scratch = 0;
    cdtInit(scratch, scratch);
    SetHost(*host_);
    ApplyCheckMarks();
    ApplyBackground();
    ShowChild(Window::Hands);
    LayOut();
    // The windows kept always up open with the program.
    if (Checked("MenuBidsUp")) ShowChild(Window::Bids);
    if (Checked("MenuCardsPlayedUp")) ShowChild(Window::CardsPlayed);
    if (Checked("MenuScoreUp")) ShowChild(Window::Score);
    if (Checked("MenuWhy")) ShowChild(Window::Why);
    LayOut();
    hands_->SetPipOrder();
    hands_->ShowDeck();
}

void MDIKSTR::RubbersCaption() {
    findChild<QAction*>("MenuShowWonLostRubbers")
        ->setText(QString::fromStdString("WE " + Str(G.RubbersWon[1]) + "\\THEY " +
                                         Str(G.RubbersWon[2])));
}

void MDIKSTR::ResetInfoCaptions() {
    findChild<QAction*>("MenuShowPoints")->setText("Show &Points");
    findChild<QAction*>("MenuShowQuickTricks")->setText("Show &Quick Tricks");
}

void MDIKSTR::DisplayInfo() {
    const SeatInfoRec& south = G.SeatInfo[1];
    findChild<QAction*>("MenuShowPoints")
        ->setText(QString::fromStdString("Points = " + Str(south.Points)));
    // Quick tricks are kept in halves; a half shows as .5.
    QString qt = QString::fromStdString(QuickTricksText(south.QuickTrickHalves));
    findChild<QAction*>("MenuShowQuickTricks")->setText("QT = " + qt);
    // The points and quick-tricks cells of the bids-made window.
    if (G.BidsShown) bids_->ShowHandInfo();
}

void MDIKSTR::SetHandNumberCaption(const std::string& text) {
    findChild<QAction*>("MenuHandNumber")->setText(QString::fromStdString(text));
}

void MDIKSTR::SetRubbersCaption(const std::string& text) {
    findChild<QAction*>("MenuShowWonLostRubbers")->setText(QString::fromStdString(text));
}

void MDIKSTR::SetWhy(const std::string& text) {
    if (G.WhyShown) why_->SetText(text);
}

void MDIKSTR::SetResultLabels(const std::string& bidText, const std::string& makingText) {
    continue_->SetResultLabels(bidText, makingText);
}

void MDIKSTR::SetContinueCaption(const std::string& caption) {
    continue_->SetCaption(caption);
    continueSub_->setWindowTitle(QString::fromStdString(caption));
}

void MDIKSTR::SetScoreLabel(ScoreLabel label, int index, const std::string& text) {
    if (G.ScoreShown) score_->SetLabel(label, index, QString::fromStdString(text));
}

void MDIKSTR::RefreshScore() {
    if (G.ScoreShown) score_->update();
}

void MDIKSTR::ResetContinue() { continue_->ResetContinue(); }
void MDIKSTR::ShowContinue() { ShowChild(Window::Continue); }
void MDIKSTR::ShowResult(const std::string& caption, const std::string& bidLabel,
                         const std::string& madeLabel) {
    continue_->ShowResult(caption, bidLabel, madeLabel);
    continueSub_->setWindowTitle(QString::fromStdString(caption));
    continueSub_->adjustSize();
}

void MDIKSTR::Centre(QMdiSubWindow* sub) {
    QSize a = area_->viewport()->size(), s = sub->size();
    sub->move(a.width() / 2 - s.width() / 2, a.height() / 2 - s.height() / 2);
}

void MDIKSTR::ShowChild(Window w) {
    const QSize a = area_->viewport()->size();
    // Beside the card table when it stands shifted right, or is about to be because this
    // window is kept up: then the window goes to its remembered height at the left edge.
    const bool tableShifted = handsSub_->x() != 0;
    Placing placing(placing_);
    switch (w) {
        case Window::Hands:
            G.HandsShown = -1;
            handsSub_->show();
            handsSub_->lower();
            break;
        case Window::BidTable:
            G.BidTableShown = -1;
            LayOut();
            bidSub_->show();
            bidSub_->raise();
            break;
        case Window::Continue: {
            G.ContinueShown = -1;
            continueSub_->setWindowTitle(continue_->Caption());
            continueSub_->adjustSize();
            // Centred in the main window.
            Centre(continueSub_);
            continueSub_->show();
            continueSub_->raise();
            continue_->FocusButton();
            break;
        }
        case Window::Bids:
            if (!G.BidsShown) {
                // Loading: beside the shifted card table at its remembered height, or centred.
                bidsSub_->adjustSize();
                if (tableShifted || Checked("MenuBidsUp")) {
                    const int top = Twips(G.BidsWindowTop);
                    bidsSub_->move(0, a.height() > top + bidsSub_->height() ? top : 0);
                } else {
                    Centre(bidsSub_);
                }
                bids_->ClearTable();
                bids_->ShowHandInfo();
                G.BidsShown = -1;
            }
            bidsSub_->show();
            bidsSub_->raise();
            area_->setActiveSubWindow(bidsSub_);
            bids_->Form_Activate();
            break;
        case Window::CardsPlayed:
            if (!G.CardsPlayedShown) {
                G.CardsPlayedShown = -1;
                playedSub_->adjustSize();
                if (tableShifted || Checked("MenuCardsPlayedUp")) {
                    const int top = Twips(G.CardsPlayedWindowTop);
                    const int h = playedSub_->height();
                    playedSub_->move(0, a.height() > top + h ? top : a.height() - h);
                } else {
                    Centre(playedSub_);
                }
                // The whole play so far.
                played_->ResetAll();
                played_->Rebuild();
            }
            playedSub_->show();
            playedSub_->raise();
            area_->setActiveSubWindow(playedSub_);
            break;
        case Window::Score:
            if (!G.ScoreShown) {
                scoreSub_->adjustSize();
                const int wPad = scoreSub_->width(), hPad = scoreSub_->height();
                if (tableShifted || Checked("MenuScoreUp")) {
                    // Beside the shifted table, below the other tool windows: at its
                    // remembered height, or against the bottom when the window is too short.
                    const int top = Twips(G.ScoreWindowTop);
                    scoreSub_->move(0, a.height() > top + hPad ? top : std::max(0, a.height() - hPad));
                } else if (handsSub_->width() > 0) {
                    // At the top, at the remembered position when the main window is wide
                    // enough, else against its right edge.
                    const int left = Twips(G.ScoreWindowTop);
                    scoreSub_->move(a.width() > left + wPad ? left : a.width() - wPad, 0);
                } else {
                    Centre(scoreSub_);
                }
                // Filled from the score records: only the values above 0.
                score_->EmptyLabels();
                G.ScoreShown = -1;
                LoadScorePad();
            }
            scoreSub_->show();
            scoreSub_->raise();
            area_->setActiveSubWindow(scoreSub_);
            break;
        case Window::Why:
            if (!G.WhyShown) {
                whySub_->show();
                // The table makes room for the window, which docks at its right.
                G.WhyShown = -1;
                LayOut();
                DockWhy();
                why_->Form_Load();
                // During a hand the focus stays with the card table.
                if ((G.HandsShown && G.Dealing) || G.PlayInProgress) FocusTable();
            }
            whySub_->show();
            break;
        default:
            // The walk-through's window comes with the walk-through.
            break;
    }
}

void MDIKSTR::HideChild(Window w) {
    switch (w) {
        case Window::BidTable:
            G.BidTableShown = 0;
            bidSub_->hide();
            break;
        case Window::Hands:
            G.HandsShown = 0;
            handsSub_->hide();
            break;
        case Window::Bids:
            // Hidden, still loaded: the calls keep being written.
            bidsSub_->hide();
            break;
        case Window::CardsPlayed:
            playedSub_->hide();
            break;
        case Window::Continue:
        case Window::Score:
        case Window::Why:
            Unload(w);
            break;
        default: break;
    }
}

void MDIKSTR::Unload(Window w) {
    QMdiSubWindow* sub = SubWindow(w);
    if (sub) sub->hide();
    switch (w) {
        case Window::Bids:
            G.BidsShown = 0;
            BidsShownOnRequest = 0;
            break;
        case Window::CardsPlayed: G.CardsPlayedShown = 0; break;
        case Window::Score: G.ScoreShown = 0; break;
        case Window::Continue: G.ContinueShown = 0; break;
        case Window::Why:
            G.WhyShown = 0;
            LayOut();
            break;
        default: break;
    }
}

bool MDIKSTR::RequestClose(Window w) {
    // While the program ends every window may close.
    if (!G.Ending) {
        switch (w) {
            case Window::Bids:
                if (Checked("MenuBidsUp") || G.Dealing) return false;
                break;
            case Window::CardsPlayed:
                if (Checked("MenuCardsPlayedUp")) return false;
                break;
            case Window::Why:
                if (Checked("MenuWhy")) return false;
                break;
            case Window::Score:
                if (Checked("MenuScoreUp") || G.Scoring) return false;
                break;
            default: break;
        }
    }
    if (w == Window::Continue) {
        // Closing the Continue window ends the wait it serves, as the button does.
        continue_->ComWaitForYou_Click();
        return true;
    }
    Unload(w);
    return true;
}

void MDIKSTR::ActivationChanged(Window w, Qt::WindowStates oldState, Qt::WindowStates newState) {
    const bool was = oldState & Qt::WindowActive, is = newState & Qt::WindowActive;
    if (is && !was) {
        if (w == Window::Bids && G.BidsShown) bids_->Form_Activate();
        // The Why window passes the focus on to the card table.
        if (w == Window::Why && G.HandsShown)
            QTimer::singleShot(0, this, [this] { FocusTable(); });
    } else if (was && !is) {
        // Acted on once the activation has settled, unless the window is active again.
        QTimer::singleShot(0, this, [this, w] { LostFocus(w); });
    }
}

void MDIKSTR::LostFocus(Window w) {
    QMdiSubWindow* sub = SubWindow(w);
    if (!sub || area_->activeSubWindow() == sub || !sub->isVisible()) return;
    switch (w) {
        case Window::Bids:
            if (G.BidsShown && !Checked("MenuBidsUp")) {
                bidsSub_->hide();
                BidsShownOnRequest = 0;
            }
            break;
        case Window::CardsPlayed:
            if (G.CardsPlayedShown && !Checked("MenuCardsPlayedUp")) playedSub_->hide();
            break;
        case Window::Why:
            if (G.WhyShown && !Checked("MenuWhy")) whySub_->hide();
            break;
        case Window::Score:
            if (G.ScoreShown && !Checked("MenuScoreUp")) RequestClose(Window::Score);
            break;
        case Window::Continue:
            // Unloads itself, which counts as Continue; not during the walk-through.
            if (G.ContinueShown && !G.TutorialRunning) RequestClose(Window::Continue);
            break;
        default: break;
    }
}

void MDIKSTR::DockWhy() {
    if (!whySub_ || !G.WhyShown) return;
    constexpr int p = 1;  // one pixel
    const int left = handsSub_->x() + handsSub_->width() + 2 * p;
    // Already docked: nothing to do.
    if (whySub_->x() == left) return;
    whySub_->move(left, 0);
    // Inside the main window it fills the room at the right, the text box with it.
    const QSize a = area_->viewport()->size();
    if (left < a.width()) {
        whySub_->resize(std::max(1, a.width() - (left + 8 * p)), std::max(1, a.height() - 50 * p));
        why_->SizeText(whySub_->width() - 8, whySub_->height() - 50);
    }
}

void MDIKSTR::FocusTable() {
    if (!G.HandsShown) return;
    area_->setActiveSubWindow(handsSub_);
    hands_->setFocus(Qt::OtherFocusReason);
}

void MDIKSTR::KeepToolsInPlace() {
    // 1. Beside a shifted card table the score pad and the history windows keep to the left.
    if (handsSub_->x() != 0) {
        const std::pair<int, QMdiSubWindow*> tools[] = {
            {G.ScoreShown, scoreSub_}, {G.BidsShown, bidsSub_}, {G.CardsPlayedShown, playedSub_}};
        Placing placing(placing_);
        for (auto [shown, sub] : tools)
            if (shown && sub->x() != 0) sub->move(0, sub->y());
    }
    // 2. The Continue window while the pad is not scoring.
    if (!G.Scoring && G.ContinueShown) continue_->ActivateContinue();
    // 3. The Why window stays at the top, flush with the card table's right edge.
    if (G.WhyShown) {
        if (whySub_->y() != 0) whySub_->move(whySub_->x(), 0);
        const int left = handsSub_->x() + handsSub_->width();
        if (whySub_->x() != left) whySub_->move(left, whySub_->y());
    }
}

void MDIKSTR::ResetToolWindows() {
    // The bids-made window empties, and goes away unless it is kept up.
    if (G.BidsShown) {
        bids_->ClearTable();
        if (!Checked("MenuBidsUp")) HideChild(Window::Bids);
    }
    // The tricks-played window empties cell by cell.
    if (G.CardsPlayedShown) played_->ResetAll();
}

void MDIKSTR::LayOutUnlessShifted() {
    if (handsSub_->x() != Twips(kTableLeftTwips)) LayOut();
}

void MDIKSTR::LayOut() {
    if (!hands_) return;
    // A main window in its normal state that is too small for the card table and the Why
    // window beside it: the Why window closes and its menu item is unchecked.
    if (G.WhyShown && !isMaximized() && !isFullScreen() &&
        width() < Twips(kMinWidthTwips + kWhyRoomTwips)) {
        // Unchecking the item unloads the window, which lays the table out again.
        findChild<QAction*>("MenuWhy")->setChecked(false);
        if (G.WhyShown) Unload(Window::Why);
        return;
    }
    QSize a = area_->viewport()->size();
    // The table stands clear of the tool windows that are up beside it.
    bool toolsUp = (G.BidsShown && G.Options.BidsAlwaysUp) ||
                   (G.CardsPlayedShown && G.Options.CardsPlayedAlwaysUp) ||
                   (G.ScoreShown && G.Options.ScoreAlwaysUp) || isMaximized();
    int left = toolsUp ? Twips(kTableLeftTwips) : 0;
    int height = a.height() - (isMaximized() ? 150 : 50);
    // Room at the right for the Why window when it is shown.
    int right = G.WhyShown ? Twips(kWhyRoomTwips) : 0;
    handsSub_->setGeometry(left, 0, std::max(1, a.width() - left - right), std::max(1, height));
    hands_->ReSize();
    bidTable_->ReSize();
    QRect box = bidTable_->BoxRect();
    bidSub_->setGeometry(box.translated(handsSub_->geometry().topLeft()));
    DockWhy();
}

void MDIKSTR::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    if (isMinimized() || resizing_) return;
    G.WindowMode = isMaximized() ? 2 : 0;
    // The smallest size keeps the table readable; the enlargement's own resize is ignored.
    QSize s = size();
    QSize min(std::max(s.width(), Twips(kMinWidthTwips)), std::max(s.height(), Twips(kMinHeightTwips)));
    if (min != s) {
        resizing_ = true;
        resize(min);
        resizing_ = false;
    }
    bool boxShown = G.BidTableShown && bidSub_->isVisible();
    if (boxShown) bidSub_->hide();
    LayOut();
    if (boxShown) {
        bidSub_->show();
        bidSub_->raise();
    }
}

void MDIKSTR::closeEvent(QCloseEvent* e) {
    G.Ending = -1;
    if (G.HandRunning) {
        // The running hand unwinds first; the window closes once it has (see MenuDeal_Click).
        // Saving the game in progress comes with the settings file.
        G.CloseRequested = -1;
        e->ignore();
        return;
    }
    G.SavedGame.clear();
    // Settings file call site: the options are written here once the settings file exists.
    HideChild(Window::Continue);
    e->accept();
}

void MDIKSTR::RememberToolPosition(QObject* watched) {
    // Only the user's own moves count, and only beside the shifted card table, where the
    // windows open at their remembered heights.
    if (placing_ || handsSub_->x() == 0) return;
    auto top = [](QMdiSubWindow* sub) { return ToTwips(sub->y()); };
    if (watched == bidsSub_ && G.BidsShown && bidsSub_->isVisible())
        G.BidsWindowTop = top(bidsSub_);
    else if (watched == playedSub_ && G.CardsPlayedShown && playedSub_->isVisible())
        G.CardsPlayedWindowTop = top(playedSub_);
    else if (watched == scoreSub_ && G.ScoreShown && scoreSub_->isVisible())
        G.ScoreWindowTop = top(scoreSub_);
}

bool MDIKSTR::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Move) RememberToolPosition(watched);
    if (watched == area_->viewport() && e->type() == QEvent::MouseButtonPress) {
        BackgroundClick();
    } else if (e->type() == QEvent::Close) {
        // A tool window's close button asks the window to close; the window itself stays.
        for (Window w : {Window::Continue, Window::Bids, Window::CardsPlayed, Window::Why,
                         Window::Score})
            if (watched == SubWindow(w)) {
                e->ignore();
                RequestClose(w);
                return true;
            }
    }
    return QMainWindow::eventFilter(watched, e);
}

void MDIKSTR::BackgroundClick() {
    // The windows opened on request close again; those that must stay up refuse.
    if (G.BidsShown) RequestClose(Window::Bids);
    if (G.CardsPlayedShown) RequestClose(Window::CardsPlayed);
    if (G.ScoreShown) RequestClose(Window::Score);
}

void MDIKSTR::ApplyBackground() {
    const std::uint32_t bgr = G.BackgroundColor;
    QColor c(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    area_->setBackground(c);
    hands_->update();
}

void MDIKSTR::SetBackgroundColor() {
    const std::uint32_t bgr = G.BackgroundColor;
    QColor now(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    QColor c = QColorDialog::getColor(now, this, "Color");
    if (!c.isValid()) return;
    G.BackgroundColor = std::uint32_t(c.red()) | (std::uint32_t(c.green()) << 8) |
                        (std::uint32_t(c.blue()) << 16);
    ApplyBackground();
    // Settings file call site: written at once once the settings file exists.
    // During the auction each seat's last call is drawn again on the new colour.
    if (G.Dealing) hands_->RedrawCalls();
}

void MDIKSTR::MenuDeal_Click() {
    if (G.HandRunning) {
        RequestDeal();
        return;
    }
    try {
        kestrel::MenuDeal_Click();
    } catch (const FatalErrorException& e) {
        // A broken invariant ends the program with its message.
        QMessageBox::critical(this, "Kestrel", e.what());
        G.CloseRequested = -1;
    }
    if (G.CloseRequested) {
        G.CloseRequested = 0;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

int RunGame(QApplication& app) {
    MDIKSTR window;
    window.show();
    window.Load();
    return app.exec();
}

}  // namespace kestrel::ui
