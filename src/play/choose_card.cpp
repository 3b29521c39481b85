#include "play/choose_card.h"

#include "core/cards.h"
#include "core/flow.h"
#include "core/state.h"
#include "declarer/plan.h"
#include "play/leads.h"

namespace kestrel {

namespace {

int LowestOfLongestSuit(int seat, bool exceptTrump) {
    int best = 0, bestLen = 0;
    for (int s = 4; s >= 1; --s) {
        if (exceptTrump && s == G.TrumpSuit) continue;
        int len = CountInSuit(seat, s);
        if (len > bestLen) {
            best = s;
            bestLen = len;
        }
    }
    if (best == 0) return exceptTrump ? LowestOfLongestSuit(seat, false) : 0;
    return NthCardInSuit(seat, best, 13);
}

}  // namespace

int StandInCard(int seat) {
    // Leading: the top of the longest suit.
    if (G.WinningCard == 0) {
        int card = LowestOfLongestSuit(seat, false);
        return NthCardInSuit(seat, CardSuit(card), 1);
    }
    bool partnerWins = G.TrickCard[PartnerOf(seat)] == G.WinningCard;
    if (CountInSuit(seat, G.SuitLed) > 0) {
        // Follow: win as cheaply as possible unless partner is winning, else play low.
        if (!partnerWins && !G.TrickRuffed) {
            for (int k = 13; k >= 1; --k) {
                int card = NthCardInSuit(seat, G.SuitLed, k);
                if (card > G.WinningCard) return card;
            }
        }
        return NthCardInSuit(seat, G.SuitLed, 13);
    }
    // Void: ruff with the cheapest winning trump, else discard low.
    if (!partnerWins && G.TrumpSuit >= 1 && G.TrumpSuit <= 4 && CountInSuit(seat, G.TrumpSuit) > 0) {
        for (int k = 13; k >= 1; --k) {
            int card = NthCardInSuit(seat, G.TrumpSuit, k);
            if (CardSuit(G.WinningCard) != G.TrumpSuit || card > G.WinningCard) return card;
        }
    }
    return LowestOfLongestSuit(seat, true);
}

// Stand-in until the card rules are built.
void ChooseCard() {
    G.WhyText.clear();
    PlayCard(G.CurrentSeat, StandInCard(G.CurrentSeat));
}

void ChooseLead() {
    G.WhyText.clear();
    G.CurrentSeat = G.Leader;
    if (G.SeatInfo[G.Leader].OnOffense == -1)
        LeadForDeclarer();
    else
        DefensiveLead();
}

}  // namespace kestrel
