// The tool windows beside the card table, driven through their real widgets, offscreen.
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>

#include "core/cards.h"
#include "core/flow.h"
#include "core/host.h"
#include "core/state.h"
#include "core/text.h"
#include "ui/form_all_bids_table.h"
#include "ui/form_bid_table.h"
#include "ui/form_cards_played.h"
#include "ui/form_continue.h"
#include "ui/form_score.h"
#include "ui/form_the_hands.h"
#include "ui/form_why.h"
#include "ui/main_window.h"
#include "ui/qt_host.h"
#include "ui/twips.h"

using namespace kestrel;
using namespace kestrel::ui;

namespace {

// The grid text of a call, written out independently of the window's code.
QString CallText(int call) {
    switch (call) {
        case Pass: return "  P";
        case Double: return "  D";
        case Redouble: return "  R";
        default: break;
    }
    const char* letters = "?CDHSN";
    return QString("  %1%2").arg(call % 10).arg(QChar(letters[call / 10]));
}

// The score pad label's number: an empty label is 0.
int LabelValue(const QLabel* l) { return l->text().trimmed().toInt(); }

void SaveShot(QWidget& w, const char* name) {
    QByteArray dir = qgetenv("KESTREL_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    w.grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

}  // namespace

class ToolWindowsTest : public QObject {
    Q_OBJECT

    MDIKSTR* w = nullptr;
    bool acted = false;  // the test's turn acted in place of the user's default

    QAction* Item(const char* name) { return w->findChild<QAction*>(name); }
    QMdiSubWindow* Sub(Window win) { return w->SubWindow(win); }
    FormAllBidsTable& Bids() { return w->AllBids(); }
    FormCardsPlayed& Played() { return w->CardsPlayedForm(); }

    // Plays the user's part in the waits of one hand: `turn` acts at each KeepAlive first.
    void Run(const std::function<void()>& turn) {
        w->Host().idleHook = [this, &turn] {
            if (QTest::currentTestFailed()) {
                G.CloseRequested = -1;
                return;
            }
            acted = false;
            turn();
            if (!acted && !QTest::currentTestFailed()) DefaultTurn();
        };
        G.Options.ShowCompPlay = -1;  // Enter accepts the proposal
        QPoint deck = w->Hands().ImagePixels(0).center();
        QTest::mouseClick(&w->Hands(), Qt::LeftButton, {}, deck);
        QCoreApplication::processEvents();
        w->Host().idleHook = nullptr;
    }

    // The user's default: Continue, the engine's own call, the proposed card.
    void DefaultTurn() {
        if (G.WaitingForContinue) {
            QTest::mouseClick(w->Continue().findChild<QPushButton*>("ComWaitForYou"),
                              Qt::LeftButton);
            return;
        }
        if (!G.AwaitingUser) return;
        if (G.Dealing && !G.PlayInProgress) {
            int call = G.Calls[G.CurrentSeat][G.BidRound];
            int index = call == Redouble ? Double : call;
            QPushButton* b = (index >= 0 && index < 58) ? w->BidTable().Button(index) : nullptr;
            if (!b || !b->isEnabled()) b = w->BidTable().Button(0);
            QTest::mouseClick(b, Qt::LeftButton);
            return;
        }
        QTest::keyClick(&w->Hands(), Qt::Key_Return);
    }

    bool UsersCardTurn() { return G.AwaitingUser && G.PlayInProgress; }

    // Every grid cell agrees with the calls made so far.
    void CheckGridAgainstCalls() {
        for (int round = 1; round <= G.BidRound && round <= 7; ++round)
            for (int seat = 1; seat <= 4; ++seat) {
                const int call = G.Calls[seat][round];
                if (call < 0) continue;
                const int index = seat < G.Dealer ? seat + 4 * round : seat + 4 * (round - 1);
                QCOMPARE(Bids().CellText(index), CallText(call));
            }
    }

    // Every score pad label shows its record (an empty label stands for 0).
    void CheckPadAgainstRecords() {
        FormScore& pad = w->Score();
        for (int side = 1; side <= 2; ++side) {
            QCOMPARE(LabelValue(pad.AboveTheLine(side)), G.AboveTheLine[side]);
            QCOMPARE(LabelValue(pad.RubberScore(side)), G.RubberTotal[side]);
            for (int g = 1; g <= 3; ++g)
                QCOMPARE(LabelValue(pad.Game(2 * (g - 1) + side)), G.GameScore[g][side]);
        }
    }

private slots:
    void init() {
        ResetAllState();
        G.PauseAfterBid = G.PauseAfterAllBids = G.PauseAfterCard = G.PauseAfterTrick = 0;
        G.OneLevelMode = 2;
        G.HandNumber = 1234;
        G.ReplayHand = -1;
        G.KeepDealer = -1;
        G.Dealer = 4;
        w = new MDIKSTR;
        w->resize(1000, 760);
        w->show();
        w->Load();
        w->Host().askHook = [](const std::string&, Buttons) { return Answer::Ok; };
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }

    void cleanup() {
        delete w;
        w = nullptr;
    }

    void bidsGridWithDealerWest() {
        G.Dealing = -1;
        G.Dealer = West;
        for (auto& seat : G.Calls)
            for (int& c : seat) c = NoCall;
        G.Calls[West][1] = 11;  // 1 Club
        G.Calls[North][1] = Pass;
        G.Calls[East][1] = Pass;
        G.Calls[South][1] = 31;  // 1 Heart
        G.BidRound = 1;
        G.SeatInfo[South].Points = 13;
        G.SeatInfo[South].QuickTrickHalves = 3;
        Item("MenuShowPoints")->trigger();
        Item("MenuShowQuickTricks")->trigger();
        // Opened from the View menu: the auction is written from the game state.
        Item("MenuShowBids")->trigger();
        QCOMPARE(G.BidsShown, -1);
        QCOMPARE(w->BidsShownOnRequest, -1);
        QCOMPARE(Sub(Window::Bids)->windowTitle(), QString("Bids Made"));
        QCOMPARE(w->findChild<QLabel*>("LabelTopLable")->text(), QString(" S  W  N  E"));
        QCOMPARE(Bids().CellText(1), QString());
        QCOMPARE(Bids().CellText(2), QString("  1C"));
        QCOMPARE(Bids().CellText(3), QString("  P"));
        QCOMPARE(Bids().CellText(4), QString("  P"));
        QCOMPARE(Bids().CellText(5), QString("  1H"));  // row 2, column S
        // Row 8: South's points and quick tricks.
        QCOMPARE(Bids().CellText(29), QString(" 13"));
        QCOMPARE(Bids().CellText(32), QString(" 1.5"));
        Item("MenuShowPoints")->trigger();
        QCOMPARE(Bids().CellText(29), QString());
        // A later call through the host, and a call not yet made writes nothing.
        GetHost().Bids().UpdateTable(West, 2, 41);
        QCOMPARE(Bids().CellText(6), QString("  1S"));
        GetHost().Bids().UpdateTable(North, 2, NoCall);
        QCOMPARE(Bids().CellText(7), QString());
        GetHost().Bids().UpdateTable(North, 2, 12);
        QCOMPARE(Bids().CellText(7), QString("  2C"));
        // Cell geometry: column S at 25 twips, row 2 at 600 twips.
        QCOMPARE(Bids().Cell(5)->geometry().topLeft(), QPoint(Twips(25), Twips(600)));
        // During the auction a background click cannot close it.
        QTest::mouseClick(w->Area().viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(G.BidsShown, -1);
        G.Dealing = 0;
        QTest::mouseClick(w->Area().viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(G.BidsShown, 0);
        QVERIFY(!Sub(Window::Bids)->isVisible());
    }

    void hiddenBidsWindowKeepsBeingUpdated() {
        bool opened = false, hidden = false, checked = false;
        Run([&] {
            if (G.Dealing && !G.PlayInProgress && G.AwaitingUser && !opened) {
                // The user opens it in the middle of the auction, then clicks the table.
                Item("MenuShowBids")->trigger();
                QVERIFY(Sub(Window::Bids)->isVisible());
                w->FocusTable();
                opened = true;
                acted = true;
                return;
            }
            if (opened && !hidden && G.Dealing) {
                if (Sub(Window::Bids)->isVisible()) return;
                // Hidden on losing the focus, but still loaded.
                QCOMPARE(G.BidsShown, -1);
                QCOMPARE(w->BidsShownOnRequest, 0);
                hidden = true;
            }
            if (UsersCardTurn() && !checked) {
                QVERIFY(hidden);
                QCOMPARE(G.BidsShown, -1);
                QVERIFY(!Sub(Window::Bids)->isVisible());
                // Every call of the auction reached the hidden window.
                CheckGridAgainstCalls();
                Item("MenuShowBids")->trigger();
                QVERIFY(Sub(Window::Bids)->isVisible());
                CheckGridAgainstCalls();
                checked = true;
                G.CloseRequested = -1;
                acted = true;
                return;
            }
            return;
        });
        QVERIFY(checked);
    }

    void tricksWindowReopenedAfterTrickFive() {
        bool checked = false;
        Run([&] {
            if (!(UsersCardTurn() && G.TricksPlayed == 5) || checked) return;
            QCOMPARE(G.CardsPlayedShown, 0);
            Item("MenuShowCardsPlayed")->trigger();
            QCOMPARE(G.CardsPlayedShown, -1);
            QCOMPARE(Sub(Window::CardsPlayed)->windowTitle(), QString("Played"));
            for (int t = 0; t < 13; ++t)
                for (int seat = 1; seat <= 4; ++seat) {
                    const int card = G.PlayedCard[seat][t + 1];
                    QCOMPARE(Played().CellShown(seat, t), card != 0);
                    if (card == 0) continue;
                    QCOMPARE(Played().CellText(seat, t), QString::fromStdString(CardName(card)));
                    const bool winner = t < 5 && G.TrickWinner[t + 1] == seat;
                    QCOMPARE(Played().CellColour(seat, t),
                             winner ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::white));
                }
            // Some of trick 6 is on the table already unless the user leads it.
            int shownInTrick6 = 0;
            for (int seat = 1; seat <= 4; ++seat) shownInTrick6 += Played().CellShown(seat, 5);
            QCOMPARE(shownInTrick6, (G.TrickCard[1] != 0) + (G.TrickCard[2] != 0) +
                                        (G.TrickCard[3] != 0) + (G.TrickCard[4] != 0));
            checked = true;
            G.CloseRequested = -1;
            acted = true;
                return;
        });
        QVERIFY(checked);
    }

    void rewindClearsExactlyTheCardsTakenBack() {
        Item("MenuCardsPlayedUp")->trigger();
        QCOMPARE(G.CardsPlayedShown, -1);
        // The card table stands clear of the window kept up.
        QCOMPARE(Sub(Window::Hands)->x(), Twips(1650));
        bool rewound = false;
        Run([&] {
            if (!(UsersCardTurn() && G.TricksPlayed == 4) || rewound) return;
            QString before[13][5];
            for (int t = 0; t < 13; ++t)
                for (int s = 1; s <= 4; ++s) before[t][s] = Played().CellText(s, t);
            const int winner4 = G.TrickWinner[4];
            QCOMPARE(Played().CellColour(winner4, 3), QColor(0xC0, 0xC0, 0xC0));
            bool inTrick5[5];
            for (int s = 1; s <= 4; ++s) inTrick5[s] = G.TrickCard[s] != 0;
            QTest::mouseClick(w->Hands().RewindButton(), Qt::LeftButton);
            rewound = true;
            for (int s = 1; s <= 4; ++s) {
                // Tricks 1 to 3 untouched.
                for (int t = 0; t < 3; ++t) {
                    QCOMPARE(Played().CellText(s, t), before[t][s]);
                    QVERIFY(Played().CellShown(s, t));
                }
                // Trick 4 and what was played of trick 5 are gone, the grey with them.
                QVERIFY(!Played().CellShown(s, 3));
                QCOMPARE(Played().CellText(s, 3), QString());
                QCOMPARE(Played().CellColour(s, 3), QColor(Qt::white));
                QVERIFY(!Played().CellShown(s, 4));
                if (inTrick5[s]) QCOMPARE(Played().CellText(s, 4), QString());
            }
            G.CloseRequested = -1;
            acted = true;
                return;
        });
        QVERIFY(rewound);
    }

    void whatAfterTheAuctionAndWhy() {
        Item("MenuWhy")->trigger();
        QCOMPARE(G.WhyShown, -1);
        QCOMPARE(Sub(Window::Why)->windowTitle(), QString("Why Would I play that"));
        // Docked at the right of the card table, at the top.
        const QRect table = Sub(Window::Hands)->geometry();
        QCOMPARE(Sub(Window::Why)->y(), 0);
        QVERIFY(Sub(Window::Why)->x() >= table.right() && Sub(Window::Why)->x() <= table.right() + 3);
        // Closing it with its menu item checked is refused.
        Sub(Window::Why)->close();
        QCOMPARE(G.WhyShown, -1);
        QVERIFY(Sub(Window::Why)->isVisible());
        std::string whatAtEnd;
        bool checked = false;
        Run([&] {
            if (!UsersCardTurn() || checked) return;
            if (whatAtEnd.empty()) {
                whatAtEnd = G.AuctionWhatText + G.HumanWhatText;
                QVERIFY(!whatAtEnd.empty());
                // The proposal's reasons are in the window while the user is to play.
                QCOMPARE(w->Why().Text(), QString::fromStdString(G.WhyText));
                QTest::mouseClick(w->Why().OptionWhat(), Qt::LeftButton);
                QCOMPARE(G.Options.WhatOption, -1);
                QVERIFY(w->Why().OptionWhat()->isChecked());
                QCOMPARE(w->Why().Text(), QString::fromStdString(whatAtEnd));
                QCOMPARE(G.AuctionWhatText + G.HumanWhatText, whatAtEnd);  // unchanged
                QTest::mouseClick(w->Why().OptionWhy(), Qt::LeftButton);
                QCOMPARE(G.Options.WhatOption, 0);
                QVERIFY(!w->Why().OptionWhat()->isChecked());
                QCOMPARE(w->Why().Text(), QString::fromStdString(G.WhyText));
                checked = true;
                G.CloseRequested = -1;
                acted = true;
                return;
            }
            return;
        });
        QVERIFY(checked);
        // Unchecking the item closes it.
        Item("MenuWhy")->trigger();
        QCOMPARE(G.WhyShown, 0);
        QVERIFY(!Sub(Window::Why)->isVisible());
    }

    void scorePadShowsSeventyInTheRightColumn() {
        G.GameScore[1][2] = 70;
        G.AboveTheLine[1] = 50;
        Item("MenuShowScore")->trigger();
        QCOMPARE(G.ScoreShown, -1);
        QCOMPARE(Sub(Window::Score)->windowTitle(), QString("US  THEM"));
        FormScore& pad = w->Score();
        QCOMPARE(pad.Game(2)->text(), QString(" 70"));
        QCOMPARE(pad.Game(1)->text(), QString());
        QVERIFY(pad.Game(2)->x() > pad.Game(1)->x());
        QCOMPARE(pad.Game(2)->geometry().topLeft(), QPoint(Twips(735), Twips(480)));
        QCOMPARE(pad.AboveTheLine(1)->text(), QString(" 50"));
        QCOMPARE(pad.AboveTheLine(2)->text(), QString());
        // Opened on request, it goes on a background click.
        QTest::mouseClick(w->Area().viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(G.ScoreShown, 0);
        // Kept up: refused; after turning it off the pad closes.
        Item("MenuScoreUp")->trigger();
        QCOMPARE(G.ScoreShown, -1);
        Sub(Window::Score)->close();
        QCOMPARE(G.ScoreShown, -1);
        Item("MenuScoreUp")->trigger();
        QCOMPARE(G.ScoreShown, 0);
    }

    void clearCommands() {
        G.RubbersWon[1] = 2;
        G.RubbersWon[2] = 1;
        G.GameScore[1][1] = 60;
        G.PartScore[1] = 60;
        // Pad closed: Clear Rubber Scores changes the caption and nothing else.
        Item("MenuClearRubberScores")->trigger();
        QCOMPARE(Item("MenuShowWonLostRubbers")->text(), QString("WE  0\\THEY  0"));
        QCOMPARE(G.RubbersWon[1], 0);
        QCOMPARE(G.GameScore[1][1], 60);
        QCOMPARE(G.ScoreShown, 0);
        // Pad closed: Clear Score Pad clears the records; the pad opens empty.
        Item("MenuClearScorePad")->trigger();
        QCOMPARE(G.GameScore[1][1], 0);
        QCOMPARE(G.PartScore[1], 0);
        Item("MenuShowScore")->trigger();
        QCOMPARE(w->Score().Game(1)->text(), QString());
        // Pad open: Clear All Scores empties its labels and the rubbers caption.
        G.GameScore[2][2] = 40;
        G.AboveTheLine[2] = 300;
        G.RubbersWon[2] = 3;
        w->SetScoreLabel(ScoreLabel::Game, 4, " 40");
        w->SetScoreLabel(ScoreLabel::AboveTheLine, 2, " 300");
        QCOMPARE(w->Score().Game(4)->text(), QString(" 40"));
        Item("MenuClearAllScores")->trigger();
        QCOMPARE(w->Score().Game(4)->text(), QString());
        QCOMPARE(w->Score().AboveTheLine(2)->text(), QString());
        QCOMPARE(G.AboveTheLine[2], 0);
        QCOMPARE(Item("MenuShowWonLostRubbers")->text(), QString("WE  0\\THEY  0"));
    }

    void continueWindowForms() {
        FormContinue& c = w->Continue();
        w->SetResultLabels("Bidding", "Making");
        w->ShowResult("They Set", "   " + Str(4), "   " + Str(2));
        G.WaitingForContinue = -1;
        w->ShowChild(Window::Continue);
        QCOMPARE(G.ContinueShown, -1);
        QCOMPARE(Sub(Window::Continue)->windowTitle(), QString("They Set"));
        QCOMPARE(c.ScoreBid()->text(), QString("    4"));
        QCOMPARE(c.LabelBid()->text(), QString("Bidding"));
        // Centred in the main window.
        const QSize a = w->Area().viewport()->size();
        const QRect r = Sub(Window::Continue)->geometry();
        QVERIFY(std::abs(r.center().x() - a.width() / 2) <= 1);
        // Losing the focus closes it, and counts as Continue.
        w->FocusTable();
        QTRY_COMPARE(G.ContinueShown, 0);
        QCOMPARE(G.WaitingForContinue, 0);
        // The honours display.
        w->ResetContinue();
        w->SetContinueCaption("150 Honors");
        w->ShowChild(Window::Continue);
        QCOMPARE(Sub(Window::Continue)->windowTitle(), QString("150 Honors"));
        QCOMPARE(c.ScoreBid()->text(), QString());
    }

    void wholeRubberWithThePadUp() {
        Item("MenuScoreUp")->trigger();
        QCOMPARE(G.ScoreShown, -1);
        QCOMPARE(Sub(Window::Hands)->x(), Twips(1650));
        const int rubbersBefore = G.RubbersWon[1] + G.RubbersWon[2];
        int results = 0, rubberWaits = 0, refusals = 0;
        bool cleared = false;
        for (int hand = 0; hand < 40 && G.RubbersWon[1] + G.RubbersWon[2] == rubbersBefore;
             ++hand) {
            // A fixed series of deals.
            G.HandNumber = 100 + hand;
            G.ReplayHand = -1;
            G.KeepDealer = -1;
            Run([&] {
                if (G.WaitingForContinue && G.Scoring) {
                    QCOMPARE(G.ScoreShown, -1);
                    CheckPadAgainstRecords();
                    if (w->Continue().Caption() == "Rubbers") {
                        ++rubberWaits;
                        QCOMPARE(w->Continue().LabelBid()->text(), QString("We"));
                        QCOMPARE(LabelValue(w->Continue().ScoreBid()), G.RubbersWon[1]);
                    } else {
                        ++results;
                    }
                    // Closing the pad while scoring is refused.
                    Sub(Window::Score)->close();
                    if (G.ScoreShown) ++refusals;
                }
                return;
            });
            QVERIFY(!QTest::currentTestFailed());
            if (G.RubbersWon[1] + G.RubbersWon[2] != rubbersBefore) {
                // The pad is clean for the next rubber, and shows it.
                CheckPadAgainstRecords();
                for (int i = 1; i <= 6; ++i) QCOMPARE(w->Score().Game(i)->text(), QString());
                cleared = true;
            }
        }
        QVERIFY(results >= 2);
        QCOMPARE(rubberWaits, 1);
        QVERIFY(refusals >= results);
        QVERIFY(cleared);
        QCOMPARE(G.ScoreShown, -1);  // kept up all along
    }

    void scorePadAndBidsWindowKeptUpDoNotOverlap() {
        Item("MenuBidsUp")->trigger();
        Item("MenuScoreUp")->trigger();
        QCoreApplication::processEvents();
        w->Host().KeepAlive();
        // The table stands shifted; both windows at the left edge, at their remembered heights.
        QCOMPARE(Sub(Window::Hands)->x(), Twips(1650));
        QCOMPARE(Sub(Window::Bids)->pos(), QPoint(0, Twips(G.BidsWindowTop)));
        QCOMPARE(Sub(Window::Score)->pos(), QPoint(0, Twips(G.ScoreWindowTop)));
        QVERIFY(!Sub(Window::Bids)->geometry().intersects(Sub(Window::Score)->geometry()));
    }

    void movedToolWindowsRememberTheirHeight() {
        Item("MenuBidsUp")->trigger();
        Item("MenuCardsPlayedUp")->trigger();
        Item("MenuScoreUp")->trigger();
        w->Host().KeepAlive();
        QVERIFY(Sub(Window::Hands)->x() != 0);
        // The user moves the three windows (as a drag of the title bar does).
        Sub(Window::Bids)->move(30, 20);
        Sub(Window::CardsPlayed)->move(0, 250);
        Sub(Window::Score)->move(10, 140);
        QCOMPARE(G.BidsWindowTop, 20 * 15);
        QCOMPARE(G.CardsPlayedWindowTop, 250 * 15);
        QCOMPARE(G.ScoreWindowTop, 140 * 15);
        // Kept at the left edge by the program: the heights stay as the user left them.
        w->Host().KeepAlive();
        QCOMPARE(Sub(Window::Bids)->pos(), QPoint(0, 20));
        QCOMPARE(G.BidsWindowTop, 20 * 15);
        // The score pad closed and opened again comes back where it was left.
        Item("MenuScoreUp")->trigger();
        QCOMPARE(G.ScoreShown, 0);
        Item("MenuScoreUp")->trigger();
        QCOMPARE(Sub(Window::Score)->pos(), QPoint(0, 140));
        QCOMPARE(G.ScoreWindowTop, 140 * 15);
        // A main window too short for the remembered height: against the bottom, and the
        // remembered height is kept for later.
        G.ScoreWindowTop = 100000;
        Item("MenuScoreUp")->trigger();
        Item("MenuScoreUp")->trigger();
        const int bottom = w->Area().viewport()->height() - Sub(Window::Score)->height();
        QCOMPARE(Sub(Window::Score)->pos(), QPoint(0, bottom));
        QCOMPARE(G.ScoreWindowTop, 100000);
    }

    void allFiveWindowsScreenshot() {
        Item("MenuBidsUp")->trigger();
        Item("MenuCardsPlayedUp")->trigger();
        Item("MenuScoreUp")->trigger();
        Item("MenuWhy")->trigger();
        G.PauseAfterTrick = 999;
        bool shot = false;
        Run([&] {
            if (G.WaitingForContinue && G.PlayInProgress && G.TricksPlayed == 3 && !shot) {
                QVERIFY(G.BidsShown && G.CardsPlayedShown && G.ScoreShown && G.WhyShown &&
                        G.ContinueShown);
                for (Window win : {Window::Bids, Window::CardsPlayed, Window::Score, Window::Why,
                                   Window::Continue})
                    QVERIFY(Sub(win)->isVisible());
                SaveShot(*w, "tool_windows");
                shot = true;
                G.CloseRequested = -1;
                acted = true;
                return;
            }
            return;
        });
        QVERIFY(shot);
    }
};

QTEST_MAIN(ToolWindowsTest)
#include "tool_windows_test.moc"
