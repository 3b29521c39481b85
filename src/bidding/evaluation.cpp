#include "bidding/evaluation.h"

#include "core/cards.h"
#include "core/state.h"

namespace kestrel {

// Counts each hand from CardOwner: lengths, high-card points, honours, quick tricks.
// Points here are the aggressiveness offset plus high cards; distribution comes with the
// full evaluation rules.
void EvaluateHands() {
    for (int card = 52; card >= 1; --card) {
        int seat = G.CardOwner[card];
        if (seat < 1 || seat > 4) continue;
        int s = CardSuit(card);
        int v = CardRank(card) - 9;
        SuitInfoRec& suit = G.SuitInfo[seat][s];
        suit.Length += 1;
        if (v > 0) {
            suit.HighCardPoints += v;
            suit.Honours += 1;
            if (v == 4) {
                suit.QuickTrickHalves = 2;
                G.SeatInfo[seat].Aces += 1;
            } else if (v == 3) {
                G.SeatInfo[seat].Kings += 1;
                suit.QuickTrickHalves += suit.QuickTrickHalves == 2 ? 2 : 1;
            } else if (v == 2 && suit.QuickTrickHalves >= 1 && suit.QuickTrickHalves <= 3) {
                suit.QuickTrickHalves += 1;
            }
            suit.HonourTrickHalves += 2;
        }
    }
    for (int seat = 1; seat <= 4; ++seat) {
        SeatInfoRec& info = G.SeatInfo[seat];
        for (int s = 1; s <= 4; ++s) {
            const SuitInfoRec& suit = G.SuitInfo[seat][s];
            info.Points += suit.HighCardPoints;
            info.HighCardPoints += suit.HighCardPoints;
            info.DummyPoints += suit.HighCardPoints;
            info.QuickTrickHalves += suit.QuickTrickHalves;
        }
        if (info.Points < 0) info.Points = 0;
    }
}

}  // namespace kestrel
