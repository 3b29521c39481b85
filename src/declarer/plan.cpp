#include "declarer/plan.h"

#include "core/cards.h"
#include "core/flow.h"
#include "core/host.h"
#include "core/state.h"
#include "declarer/cross_ruff.h"
#include "declarer/end_game.h"
#include "declarer/long_suit.h"
#include "declarer/trumps.h"
#include "play/choose_card.h"
#include "play/high_cards_out.h"
#include "play/knowledge.h"

namespace kestrel {

namespace {

constexpr const char* kCrLf = "\r\n";

// The highest rank of the suit the defenders still hold, 0 when they hold none.
int DefendersHighest(int suit) {
    for (int rank = 13; rank >= 1; --rank) {
        int owner = G.CardOwner[MakeCard(suit, rank)];
        if (owner != G.Declarer && owner != G.Dummy && !G.CardPlayed[MakeCard(suit, rank)])
            return rank;
    }
    return 0;
}

// Honours (ace to ten) of the suit dealt to declarer and dummy.
int DealtHonours(int suit) {
    int n = 0;
    for (int rank = Ten; rank <= Ace; ++rank) {
        int owner = G.CardOwner[MakeCard(suit, rank)];
        if (owner == G.Declarer || owner == G.Dummy) ++n;
    }
    return n;
}

// The tie between the long suit and the ruffs: the user is asked once per hand when the
// user's side declares and both the Why and the computer-play options are on.
int TiePlan() {
    if (G.HumanSeat == 0) return CallLevel(G.Contract) > 4 ? 1 : 2;
    if (!(G.Options.WhyAlwaysUp && G.Options.ShowCompPlay && SideOf(G.Declarer) == 1)) return 1;
    if (G.Plan.PlanQuestionAsked == 0) {
        Answer a = GetHost().Ask(
            "Chose Yes to play this hand as a crossruff plan instead of a long suit "
            "establishment plan.",
            Buttons::YesNo, Icon::Question, "Kestrel");
        G.Plan.PlanQuestionAsked = a == Answer::Yes ? 2 : 1;
    }
    return G.Plan.PlanQuestionAsked;
}

}  // namespace

std::string PlanName(int plan) {
    switch (plan) {
        case 1: return "Long Suit Establishment";
        case 2: return "Cross Ruff";
        case 3: return "High Cards and Out";
        case 4: return "End Game";
        default: return "none";
    }
}

void ChooseDeclarerPlan() {
    auto& plan = G.Plan;
    int decl = G.Declarer, dummy = G.Dummy;
    if (decl < 1 || decl > 4 || dummy < 1 || dummy > 4) return;
    bool noTrump = NoTrumpContract();
    int t = G.TrumpSuit;
    // A fresh start.
    G.DeclarerPlan = 0;
    plan.RuffsInDummy = plan.RuffsInDeclarer = 0;
    plan.SideSuitHand = 0;
    plan.NoTrumpLongSuit = 0;
    plan.TrumpFinesseHand = 0;
    for (int suit = 0; suit <= 4; ++suit) plan.ShortHandOf[suit] = plan.WeakNoTrumpSuit[suit] = 0;
    plan.TrumpsAtStart = noTrump ? 0 : CountInSuit(decl, t) + CountInSuit(dummy, t);

    int master[5] = {}, longSuits[5] = {}, shortSuits[5] = {};
    int longCount = 0, shortCount = 0, longTricks = 0;
    for (int suit = 1; suit <= 4; ++suit) {
        int lenD = CountInSuit(decl, suit), lenM = CountInSuit(dummy, suit);
        int out = 13 - lenD - lenM;
        bool side = noTrump || suit != t;
        // The master hand: the longer, or on equal length declarer with more points.
        if (lenD > lenM)
            master[suit] = decl;
        else if (lenM > lenD)
            master[suit] = dummy;
        else
            master[suit] = G.SuitInfo[decl][suit].HighCardPoints > G.SuitInfo[dummy][suit].HighCardPoints
                               ? decl
                               : dummy;
        int other = PartnerOf(master[suit]);
        int longLen = CountInSuit(master[suit], suit), shortLen = CountInSuit(other, suit);
        // Ruffing potential of a short side suit.
        if (side && shortLen < 3) {
            int ruffs = longLen < 3 ? longLen - shortLen : 3 - shortLen;
            if (master[suit] == decl)
                plan.RuffsInDummy += ruffs;
            else
                plan.RuffsInDeclarer += ruffs;
            if (lenD != lenM) shortSuits[++shortCount] = suit;
        }
        // A long side suit and the tricks it should bring.
        int need = out / 2 + 1;
        if (side && longLen > need) {
            plan.ShortHandOf[suit] = other;
            longSuits[++longCount] = suit;
            int highest = DefendersHighest(suit);
            int top = highest == 0 ? 13 : 13 - highest;
            longTricks += top > need ? longLen : longLen - (need - top);
        }
        // No Trump: a suit the defence holds long and strong.
        if (noTrump && out > 6 &&
            G.SuitInfo[decl][suit].HighCardPoints + G.SuitInfo[dummy][suit].HighCardPoints < 6)
            plan.WeakNoTrumpSuit[suit] = -1;
    }

    if (!noTrump) {
        // Ruffs cannot exceed the short hand's trumps.
        if (plan.RuffsInDeclarer > CountInSuit(decl, t)) plan.RuffsInDeclarer = CountInSuit(decl, t);
        if (plan.RuffsInDummy > CountInSuit(dummy, t)) plan.RuffsInDummy = CountInSuit(dummy, t);
        int ruffTotal = plan.RuffsInDummy + plan.RuffsInDeclarer;
        if (ruffTotal > 3) {
            if (longCount > 1) {
                // Long suits mastered in different hands, each opposite a short holding.
                int first = 0;
                for (int i = 1; i <= longCount; ++i) {
                    int suit = longSuits[i];
                    if (CountInSuit(PartnerOf(master[suit]), suit) >= 3) continue;
                    if (first == 0)
                        first = master[suit];
                    else if (master[suit] != first)
                        G.DeclarerPlan = 2;
                }
            } else if (longCount == 1 && master[longSuits[1]] != master[t]) {
                plan.SideSuitHand = master[longSuits[1]];
            }
        }
        if (longCount == 1 && G.DeclarerPlan == 0 && shortCount > 1) {
            // A weak long suit: ruff in both hands when the short suits sit crosswise.
            int suit = longSuits[1];
            if (DealtHonours(suit) <= OutstandingCount(suit) / 2) {
                int first = 0;
                for (int i = 1; i <= shortCount; ++i) {
                    int sh = shortSuits[i];
                    if (first == 0)
                        first = master[sh];
                    else if (master[sh] == PartnerOf(first))
                        G.DeclarerPlan = 2;
                }
            }
        }
        if (G.DeclarerPlan == 0) {
            // The long suit's tricks against the ruffs.
            if (longTricks == ruffTotal)
                G.DeclarerPlan = TiePlan();
            else if (longTricks > ruffTotal)
                G.DeclarerPlan = 1;
            else if (ruffTotal > 0)
                G.DeclarerPlan = 2;
            if (G.DeclarerPlan == 0) G.DeclarerPlan = 3;
        }
    } else if (longCount >= 1) {
        // No Trump: establish the long suit; of several, clubs unless a higher long suit is
        // strictly longer in the two hands together.
        G.DeclarerPlan = 1;
        auto combined = [&](int suit) { return CountInSuit(decl, suit) + CountInSuit(dummy, suit); };
        int choice = longSuits[1];
        if (longCount > 1) {
            choice = Clubs;
            for (int suit = Diamonds; suit <= Spades; ++suit)
                if (plan.ShortHandOf[suit] != 0 && combined(suit) > combined(choice)) choice = suit;
        }
        plan.NoTrumpLongSuit = choice;
    } else {
        G.DeclarerPlan = 3;
    }

    if (!noTrump) {
        // The hand to lead a trump finesse from, unless the defence's top trumps are gone.
        bool solid = plan.TrumpsAtStart > 7 && DefendersHighest(t) < King;
        if (!solid) {
            int savedSeat = G.CurrentSeat, savedLeader = G.Leader;
            std::string savedWhy = G.WhyText;
            for (int seat : {decl, dummy}) {
                G.CurrentSeat = G.Leader = seat;
                int card = TrumpPlay();
                if (card > 0 && FindFinesse(t, 1) != 0 && plan.TrumpFinesseHand == 0)
                    plan.TrumpFinesseHand = seat;
            }
            G.CurrentSeat = savedSeat;
            G.Leader = savedLeader;
            G.WhyText = savedWhy;
        }
    }
    plan.ChosenPlan = G.DeclarerPlan;
}

void PlayDeclarerLead(int seat, int card) {
    if (!IsLegalPlay(seat, card)) card = StandInCard(seat);
    PlayCard(seat, card);
}

void LeadForDeclarer() {
    int s = G.CurrentSeat;
    // A fresh lead: finesses allowed again; the plan in force is recorded for the rewind.
    G.Plan.NoFinesseThisTrick = 0;
    if (G.TricksPlayed >= 0 && G.TricksPlayed <= 12) G.PlanOfTrick[G.TricksPlayed] = G.DeclarerPlan;
    // The trump finesse position is used by this lead.
    if (G.Plan.TrumpFinesseHand == s) G.Plan.TrumpFinesseHand = -s;
    // Game in a suit: clear losers first while the defence still holds trumps.
    int strain = CallStrain(G.Contract), level = CallLevel(G.Contract);
    bool game = (strain >= Hearts && strain <= Spades && level >= 4) ||
                (strain >= Clubs && strain <= Diamonds && level >= 5);
    if (game && G.TricksPlayed < 9 && OutstandingCount(G.TrumpSuit) > 0) {
        G.WhyText.clear();
        int card = ClearLosersLead();
        if (card != 0) {
            G.WhyText = std::string("Clearing Losers") + kCrLf + G.WhyText;
            PlayDeclarerLead(s, card);
            return;
        }
    }
    if (NoTrumpContract()) {
        G.WhyText.clear();
        PlayNoTrump();
        return;
    }
    switch (G.DeclarerPlan) {
        case 1: PlayLongSuit(); break;
        case 2: PlayCrossRuff(); break;
        case 3: PlayHighCardsAndOut(); break;
        default:
            G.WhyText = std::string("End Game.") + kCrLf;
            PlayEndGame();
            break;
    }
}

void RestorePlanAfterTakeBack() {
    // The cross ruff is judged again from the position now on the table.
    if (G.DeclarerPlan == 2) G.Plan.CrossRuffOut = 0;
    // A used trump finesse position is available again unless that hand won a remaining trick.
    int hand = G.Plan.TrumpFinesseHand;
    if (hand < 0) {
        bool won = false;
        for (int trick = 1; trick <= G.TricksPlayed; ++trick)
            if (G.TrickWinner[trick] == -hand) won = true;
        if (!won) G.Plan.TrumpFinesseHand = -hand;
    }
}

}  // namespace kestrel
