#include "core/flow.h"

#include <chrono>
#include <cmath>
#include <stdexcept>
#include <string>

#include "bidding/auction.h"
#include "bidding/evaluation.h"
#include "core/cards.h"
#include "core/errors.h"
#include "core/host.h"
#include "core/random.h"
#include "core/saved_game.h"
#include "core/state.h"
#include "core/text.h"
#include "declarer/plan.h"
#include "play/choose_card.h"
#include "play/discards.h"
#include "play/knowledge.h"
#include "play/leads.h"
#include "scoring/rubber.h"

namespace kestrel {

DealRandom& Generator() {
    static DealRandom generator;
    return generator;
}

namespace {

constexpr long kHundredthsPerDay = 24L * 60 * 60 * 100;
constexpr const char* kErrorMessage = "An error has occured a new hand will start";

// How one hand ended: scored, or the game goes straight on to a new deal.
enum class HandEnd { Done, NewDeal };

void ClearWaits() {
    G.Dealing = 0;
    G.PlayInProgress = 0;
    G.AwaitingUser = 0;
    G.WaitingForContinue = 0;
    G.PlayInterrupt = 0;
    G.Scoring = 0;
}

void ShowIf(int alwaysUp, Window w) {
    if (alwaysUp)
        GetHost().ShowWindow(w);
    else
        GetHost().HideWindow(w);
}

// The score of a one-level contract taken as made exactly, without play.
void ScoreOneLevelWithoutPlay() {
    if (LastCall(North) == G.Contract || LastCall(South) == G.Contract) {
        G.TricksWon[1] = 7;
        G.TricksWon[2] = 6;
    } else {
        G.TricksWon[2] = 7;
        G.TricksWon[1] = 6;
        G.DeclaringSideSum = 6;
    }
    ScoreHand();
}

HandEnd PlayOneHand() {
    Host& host = GetHost();
    // 1. Honours of a hand abandoned before its score are taken back; a finished rubber
    //    clears the pad before the next deal.
    WithdrawUnfinishedHonours();
    if (G.WipeScorePending) {
        G.WipeScorePending = 0;
        WipeOutScore();
    }
    // 2. The Continue window starts each hand plain.
    if (G.ContinueShown) host.Info().ResetContinue();
    // 3. The Why window.
    if (G.Options.WhyAlwaysUp) host.ShowWindow(Window::Why);
    // 4. The table, without the rewind button.
    G.Dealing = -1;
    host.ShowWindow(Window::Hands);
    host.Table().SetRewindEnabled(false);
    // 5. The deal.
    NewDeal();
    // 6. The auction.
    host.ShowWindow(Window::BidTable);
    GetBid();
    host.HideWindow(Window::BidTable);
    G.Dealing = 0;
    // 7. Tool windows that are not Always Up go away.
    if (G.ScoreShown && !G.Options.ScoreAlwaysUp) host.HideWindow(Window::Score);
    if (G.BidsShown && !G.Options.BidsAlwaysUp) host.HideWindow(Window::Bids);
    // 8. Passed out, or ended by an illegal call: a new hand without a score.
    if (G.PassCount == 4) return HandEnd::NewDeal;
    // 9. A contract at the one level may be scored without play or thrown out.
    if (CallLevel(G.Contract) == 1 && G.OneLevelMode != 2 && G.HumanSeat != 0) {
        Answer choice = Answer::No;
        if (G.OneLevelMode == 0)
            choice = host.Ask("Yes, Score it. \nNo, just play it.\nCancel, lets play a new one.",
                              Buttons::YesNoCancel, Icon::None, "");
        else if (G.OneLevelMode == 3)
            choice = Answer::Yes;
        else if (G.OneLevelMode == 1)
            choice = Answer::Cancel;
        if (choice == Answer::Yes) {
            ScoreOneLevelWithoutPlay();
            return HandEnd::NewDeal;
        }
        if (choice == Answer::Cancel) return HandEnd::NewDeal;
    }
    // 10. The play begins.
    G.PlayInProgress = -1;
    host.Table().SetRewindEnabled(true);
    ShowIf(G.Options.CardsPlayedAlwaysUp, Window::CardsPlayed);
    // 11. The thirteen tricks; a hand stopped by the user is dealt anew without a score.
    DoneBidding();
    host.Table().SetRewindEnabled(false);
    if (G.PlayInterrupt == -1) {
        G.PlayInterrupt = 0;
        G.PlayInProgress = 0;
        return HandEnd::NewDeal;
    }
    // 12. The score.
    G.PlayInProgress = 0;
    ScoreHand();
    if (G.ScoreShown && !G.Options.ScoreAlwaysUp) host.HideWindow(Window::Score);
    return HandEnd::Done;
}

// Throws when the user asked, during the last events, for the running hand to give way.
void CheckRequests() {
    if (G.CloseRequested && G.HandRunning) throw ProgramClosing{};
    if (G.DealRequested && G.HandRunning) {
        G.DealRequested = 0;
        throw HandAbandoned{};
    }
}

int CardsPlayedCount() { return G.TricksPlayed * 4 + (G.TrickCard[1] != 0) + (G.TrickCard[2] != 0) +
                                (G.TrickCard[3] != 0) + (G.TrickCard[4] != 0); }

bool TrickIncomplete() {
    for (int seat = 1; seat <= 4; ++seat)
        if (G.TrickCard[seat] == 0) return true;
    return false;
}

// Every card decision must end by playing a card or by a request of the user.
void ExpectCardPlayed(int before) {
    if (G.PlayInterrupt == 0 && CardsPlayedCount() == before && G.TricksPlayed < 13)
        throw std::logic_error("no card was played");
}

}  // namespace

void KeepAlive() {
    GetHost().KeepAlive();
    CheckRequests();
}

void RequestDeal() {
    if (G.HandRunning)
        G.DealRequested = -1;
    else
        MenuDeal_Click();
}

void MenuDeal_Click() {
    if (G.HandRunning) {
        G.DealRequested = -1;
        return;
    }
    G.HandRunning = -1;
    G.DealRequested = 0;
    struct Running {
        ~Running() { G.HandRunning = 0; }
    } running;
    for (;;) {
        HandEnd end = HandEnd::Done;
        try {
            end = PlayOneHand();
        } catch (const HandAbandoned&) {
            ClearWaits();
            continue;  // the user asked for a new deal
        } catch (const ProgramClosing&) {
            ClearWaits();
            return;
        } catch (const FatalErrorException&) {
            ClearWaits();
            throw;
        } catch (const std::exception&) {
            ClearWaits();
            GetHost().Ask(kErrorMessage, Buttons::Ok, Icon::Critical, "");
            end = HandEnd::NewDeal;
        }
        if (end == HandEnd::Done || !GetHost().ContinuesToNextDeal()) return;
    }
}

void ResetForm() {
    ResetHandState();
    GetHost().Table().ResetForm();
}

void ClearCardOwners() {
    if (G.ReplayHand) return;
    for (int card = 1; card <= 52; ++card) {
        G.CardOwner[card] = 0;
        G.CardPlayed[card] = 0;
    }
}

namespace {

// Every card to the seat after its owner: each seat gets its right-hand neighbour's cards.
void RotateOwners() {
    for (int card = 1; card <= 52; ++card) G.CardOwner[card] = NextPlayer(G.CardOwner[card]);
}

int SameDealerOption() { return G.Options.SameDealer ? -1 : 0; }

}  // namespace

void NewDeal() {
    // 1. A clean table.
    ResetForm();
    // 2. The cards.
    if (G.SavedGame.size() > 10) {
        // A saved game: the same hand number with the recorded dealer.
        ClearCardOwners();
        Generator().Seed(static_cast<std::uint64_t>(G.HandNumber));
        G.KeepDealer = -1;
        DealCards();
        G.KeepDealer = SameDealerOption();
    } else if (G.PickedDeal) {
        // The cards picked by the user, with the dealer kept.
        G.PickedDeal = 0;
        RebuildHandsInCardOrder();
        G.ReplayHand = G.Options.SameHand ? -1 : 0;
        G.KeepDealer = SameDealerOption();
    } else if (G.ReplayHand && G.KeepDealer && G.HandNumber != 0) {
        // Same Hand with Same Dealer: the very same deal again.
        Generator().Seed(static_cast<std::uint64_t>(G.HandNumber));
        G.ReplayHand = 0;
        ClearCardOwners();
        DealCards();
        if (G.RewindDeal) {
            G.RewindDeal = 0;
            G.KeepDealer = SameDealerOption();
        }
    } else if (G.ReplayHand && G.CardOwner[1] != 0) {
        // Same Hand alone: the same cards, one seat on with the dealer.
        if (!G.KeepDealer) G.Dealer = NextPlayer(G.Dealer == 0 ? 4 : G.Dealer);
        RotateOwners();
        RebuildHandsInCardOrder();
    } else {
        int number = DrawHandNumber();
        ClearCardOwners();
        Generator().Seed(static_cast<std::uint64_t>(number));
        G.HandNumber = number;
        G.HandNumberDrawn = number;
        DealCards();
    }
    // 3. Evaluation.
    EvaluateHands();
    // 4. The hand number.
    GetHost().Info().SetHandNumberCaption("Hand # " + Str(G.HandNumber));
    GetHost().Table().ShowHandNumber(G.HandNumber);
    // 5. Best or Worst Hands, the hands on the table, the dealer to call first.
    G.CurrentSeat = G.Dealer;
    ApplyBestWorst();
    GetHost().Table().Deal();
    SortHands();
    GetHost().Table().DisplayInfo();
    if (G.Options.BidsAlwaysUp) GetHost().ShowWindow(Window::Bids);
    G.CurrentSeat = G.Dealer;
}

int DrawHandNumber() {
    auto sinceMidnight = std::chrono::system_clock::now().time_since_epoch() % std::chrono::hours(24);
    Generator().Seed(static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(sinceMidnight).count()));
    double r = Generator().Rnd();
    return static_cast<int>(std::lround(r * 32767));
}

void DealCards() {
    // A deal always starts from an empty deck, whatever the caller left in CardOwner.
    for (int card = 1; card <= 52; ++card) G.CardOwner[card] = 0;
    for (int seat = 1; seat <= 4; ++seat)
        for (int i = 1; i <= 13; ++i) G.Hand[seat][i] = 0;
    // 1. The dealer.
    if (G.Dealer == 0)
        G.Dealer = South;
    else if (!G.KeepDealer)
        G.Dealer = NextPlayer(G.Dealer);
    // 2. The first card goes to the seat after the dealer.
    int seat = NextPlayer(G.Dealer);
    int k = 1;
    int remaining = 52;
    // 3. Where the search starts.
    DealRandom& rnd = Generator();
    int pos = static_cast<int>((remaining - 1) * rnd.Rnd()) + 1;
    // 4. Each card: walk on past the dealt cards a random number of undealt ones.
    while (remaining > 0) {
        int steps = static_cast<int>(remaining * rnd.Rnd()) + 1;
        while (steps > 0) {
            if (G.CardOwner[pos] == 0) {
                --steps;
                if (steps == 0) {
                    G.CardOwner[pos] = seat;
                    G.Hand[seat][k] = pos;
                }
            }
            pos = pos == 52 ? 1 : pos + 1;
        }
        --remaining;
        if (seat == G.Dealer) ++k;
        seat = NextPlayer(seat);
    }
}

void ApplyBestWorst() {
    int ns = G.SeatInfo[1].Points + G.SeatInfo[3].Points;
    int ew = G.SeatInfo[2].Points + G.SeatInfo[4].Points;
    if ((G.Options.BestHands && ew > ns) || (G.Options.WorstHands && ew < ns)) {
        RotateOwners();
        ResetForm();
        RebuildHandsInCardOrder();
        EvaluateHands();
    }
}

void FindDeclarer() {
    // 1. The trump.
    G.TrumpSuit = G.Contract / 10;
    // 2. The first of the partnership to name the strain declares.
    G.Declarer = 0;
    for (int round = 1; round <= G.BidRound && round <= 7 && G.Declarer == 0; ++round) {
        int seat = G.Dealer;
        for (int n = 0; n < 4; ++n, seat = NextPlayer(seat)) {
            int call = G.Calls[seat][round];
            if (call > 10 && CallStrain(call) == G.TrumpSuit &&
                (seat == G.ContractBidder || seat == PartnerOf(G.ContractBidder))) {
                G.Declarer = seat;
                G.Dummy = PartnerOf(seat);
                break;
            }
        }
    }
    if (G.Declarer == 0) FatalError();
    // 3. The opening leader and the declaring side.
    G.Leader = NextPlayer(G.Declarer);
    G.DeclaringSideSum = G.Dummy + PartnerOf(G.Dummy);
    G.SeatInfo[G.Dummy].OnOffense = -1;
    G.SeatInfo[G.Declarer].OnOffense = -1;
}

namespace {

// What the flow does after a card decision, by the user interface's request.
enum class AfterCard { Go, Stop, NextLead, Restart };

AfterCard ReadInterrupt() {
    switch (G.PlayInterrupt) {
        case -1: return AfterCard::Stop;
        case 1: G.PlayInterrupt = 0; return AfterCard::NextLead;
        case 2: G.PlayInterrupt = 0; return AfterCard::Restart;
        default: return AfterCard::Go;
    }
}

}  // namespace

void DoneBidding() {
    Host& host = GetHost();
    // 1. Nothing to play after a passed-out auction.
    if (G.PassCount > 3) return;
    if (G.TutorialRunning) G.HumanSeat = 1;
    // 2. The pause after all bids.
    if (G.HumanSeat != 0) PauseFor(G.PauseAfterAllBids);
    // 3. Clear the calls on the table and find the declarer.
    for (int seat = 1; seat <= 4; ++seat) host.Table().MakeBidVisible(seat, -1);
    if (G.Options.CardsPlayedAlwaysUp) host.ShowWindow(Window::CardsPlayed);
    KeepAlive();
    FindDeclarer();
    // 4. The contract on the table; the hands sorted with the trump known.
    host.Table().ShowContract(CallLevel(G.Contract), CallStrain(G.Contract), G.DoubleState);
    SortHands();

    enum class Step { OpeningLead, Trick, NextLead };
    Step step = Step::OpeningLead;
    for (;;) {
        if (step == Step::OpeningLead) {
            // 5. The opening lead, 6. then the declarer's plan.
            G.CurrentSeat = G.Leader;
            int before = CardsPlayedCount();
            OpeningLead();
            if (G.PlayInterrupt == -1) return;
            ExpectCardPlayed(before);
            ChooseDeclarerPlan();
            step = Step::Trick;
        }
        if (step == Step::Trick) {
            // 7. The other cards of the trick.
            step = Step::NextLead;
            bool leadNow = false;
            while (TrickIncomplete()) {
                int before = CardsPlayedCount();
                ChooseCard();
                AfterCard next = ReadInterrupt();
                if (next == AfterCard::Stop) return;
                if (next == AfterCard::Restart) {
                    step = Step::OpeningLead;
                    break;
                }
                if (next == AfterCard::NextLead) {
                    leadNow = true;
                    break;
                }
                ExpectCardPlayed(before);
                PauseFor(G.PauseAfterCard);
                if (G.TricksPlayed == 13) break;
            }
            if (step == Step::OpeningLead) continue;
            // 8. The trick is closed.
            if (!leadNow) {
                PauseFor(G.PauseAfterTrick);
                PickUpTrick();
            }
        }
        // 9. The next lead, 10. or the end of the play.
        if (G.TricksPlayed >= 13) return;
        int before = CardsPlayedCount();
        ChooseLead();
        PauseFor(G.PauseAfterCard);
        AfterCard next = ReadInterrupt();
        if (next == AfterCard::Stop) return;
        if (next == AfterCard::Restart) {
            step = Step::OpeningLead;
            continue;
        }
        if (next == AfterCard::Go) ExpectCardPlayed(before);
        step = next == AfterCard::NextLead ? Step::NextLead : Step::Trick;
    }
}

bool UserPlaysSeat(int player) {
    if (G.HumanSeat == 0) return false;
    if (player == G.HumanSeat) return true;
    return player == PartnerOf(G.HumanSeat) && G.SeatInfo[G.HumanSeat].OnOffense == -1;
}

void PlayCard(int player, int card) {
    Host& host = GetHost();
    // 1. A replayed saved game, or a recorded decision, takes the place of the engine's card.
    ApplySavedGameCard(player, card);
    host.SubstituteCard(player, card);
    // 2. The user's turn: the engine's card is the proposal.
    if (UserPlaysSeat(player) && !G.AwaitingUser) {
        G.AwaitingUser = -1;
        G.HumanCard = card;
        host.Table().SetPointer(player, G.Options.ShowCompPlay ? card : 0);
        if (G.Options.WhyAlwaysUp) {
            if (G.WhyText.size() < 12)
                G.WhyText +=
                    "I am sorry I failed you on this logic I hope to clean up all these hole on a "
                    "future Demo.";
            host.Info().SetWhy(G.WhyText);
        }
        host.Table().ShowRewind();
        while (G.AwaitingUser) {
            KeepAlive();
            if (G.TutorialRunning) {
                host.TutorialStep();
                G.HumanCard = card;
            }
        }
        host.Table().LowerRaisedCards();
        if (G.PlayInterrupt != 0) return;
        SignalOfPlayedCard(player, card, G.HumanCard);
        card = G.HumanCard;
    }
    // 3. Nothing after the last trick.
    if (G.TricksPlayed == 13) return;
    // 4. Voids the seats can now infer.
    InferVoidsFromSeen();
    // 5-6. The card leaves the hand and goes to the middle of the table.
    int pos = 0;
    for (int i = 1; i <= 13; ++i)
        if (G.Hand[player][i] == card && card != 0) pos = i;
    if (pos == 0) FatalError();
    G.CardPlayed[card] = -1;
    for (int i = pos; i < 13; ++i) G.Hand[player][i] = G.Hand[player][i + 1];
    G.Hand[player][13] = 0;
    host.Table().RefreshRow(player);
    host.Table().ShowTrickCard(player, card);
    // 7. The tricks-played window.
    if (G.CardsPlayedShown) host.CardsPlayed().UpdateTable(player, G.TricksPlayed, card);
    // 8. Is it winning the trick?
    int s = CardSuit(card);
    if (s == G.TrumpSuit) {
        G.TrickRuffed = -1;
        if (CardSuit(G.WinningCard) != G.TrumpSuit || card > G.WinningCard) G.WinningCard = card;
    } else if (!G.TrickRuffed && s == CardSuit(G.WinningCard) && card > G.WinningCard) {
        G.WinningCard = card;
    }
    if (player == G.Leader) {
        G.WinningCard = card;
        G.SuitLed = s;
        G.TrickLeader[G.TricksPlayed + 1] = player;
    }
    // 9. The trick record; every seat has seen the card.
    G.TrickCard[player] = card;
    G.PlayedCard[player][G.TricksPlayed + 1] = card;
    for (int viewer = 1; viewer <= 4; ++viewer) G.Seen[viewer][s][CardRank(card)] = 1;
    G.SuitInfo[player][s].Length -= 1;
    // 10. The next seat, unless the trick is complete.
    if (TrickIncomplete()) G.CurrentSeat = NextPlayer(player);
    // 11. The opening lead lays out the dummy.
    if (!G.DummyExposed) ShowDummy();
}

void ShowDummy() {
    G.DummyExposed = -1;
    // When the user is the dummy he plays the declarer's hand, which is shown instead.
    GetHost().Table().ShowDummy(G.Dummy == G.HumanSeat ? G.Declarer : G.Dummy);
    for (int card = 1; card <= 52; ++card) {
        int owner = G.CardOwner[card];
        int s = CardSuit(card), r = CardRank(card);
        if (owner == G.Dummy) {
            // Everybody sees the dummy.
            for (int viewer = 1; viewer <= 4; ++viewer) G.Seen[viewer][s][r] = 1;
        } else if (owner == G.Declarer) {
            // Declarer's cards are seen by the declarer and the dummy.
            G.Seen[G.Declarer][s][r] = 1;
            G.Seen[G.Dummy][s][r] = 1;
        } else {
            // A defender sees his own.
            G.Seen[owner][s][r] = 1;
        }
    }
    ApplySavedGameDummyShown();
    ScoreHonours();
}

void PickUpTrick() {
    // 1. Nothing after the last trick.
    if (G.TricksPlayed > 12) return;
    // 2. The winner takes the trick and leads next.
    int winner = 0;
    for (int seat = 1; seat <= 4 && winner == 0; ++seat)
        if (G.TrickCard[seat] == G.WinningCard && G.WinningCard != 0) winner = seat;
    if (winner == 0) FatalError();
    G.Leader = winner;
    int side = SideOf(winner);
    G.TricksWon[side] += 1;
    GetHost().Table().ShowTrickTaken(side, G.TricksWon[side]);
    // 3. The trick leaves the table.
    for (int seat = 1; seat <= 4; ++seat) G.TrickCard[seat] = 0;
    GetHost().Table().HideTrickCards();
    // 4. The winner is to play; the tricks-played window marks him.
    G.CurrentSeat = G.Leader;
    if (G.CardsPlayedShown) GetHost().CardsPlayed().TrickWinner(winner, G.TricksPlayed);
    // 5. The count of tricks.
    G.TricksPlayed += 1;
    G.TrickWinner[G.TricksPlayed] = winner;
    G.TrickRuffed = 0;
    G.WinningCard = 0;
}

void ScoreHand() {
    if (G.Contract == 0) return;
    GetHost().Table().HideTrickCards();
    GetHost().Table().ShowDeck();
    UpdateScoreCard();
    KeepAlive();
}

void Pause(int hundredths) {
    if (hundredths < 10) return;
    long start = GetHost().Now();
    for (;;) {
        KeepAlive();
        long elapsed = GetHost().Now() - start;
        if (elapsed < 0) elapsed += kHundredthsPerDay;  // the clock passed midnight
        if (elapsed >= hundredths) return;
    }
}

void PauseFor(int setting) {
    if (setting == 999)
        WaitForContinue();
    else
        Pause(setting);
}

void WaitForContinue() {
    G.WaitingForContinue = -1;
    GetHost().ShowWindow(Window::Continue);
    GetHost().Info().ShowContinue();
    while (G.WaitingForContinue) KeepAlive();
}

void UserPressesContinue() { G.WaitingForContinue = 0; }

bool UserPlaysCard(int seat, int card) {
    if (!G.AwaitingUser || !G.PlayInProgress || seat != G.CurrentSeat || !UserPlaysSeat(seat))
        return false;
    bool held = false;
    for (int i = 1; i <= 13; ++i)
        if (G.Hand[seat][i] == card && card != 0) held = true;
    if (!held) return false;
    // Follow suit when able.
    if (G.WinningCard != 0 && CardSuit(card) != G.SuitLed && CountInSuit(seat, G.SuitLed) > 0)
        return false;
    G.HumanCard = card;
    G.AwaitingUser = 0;
    return true;
}

bool UserMakesCall(int call) {
    if (!G.AwaitingUser || !G.Dealing || G.HumanSeat == 0 || G.CurrentSeat != G.HumanSeat)
        return false;
    if (!IsLegalCall(G.HumanSeat, call)) return false;
    G.Calls[G.HumanSeat][G.BidRound] = call;
    G.AwaitingUser = 0;
    return true;
}

}  // namespace kestrel
