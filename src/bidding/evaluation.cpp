#include "bidding/evaluation.h"

#include "bidding/auction.h"
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

// The counting half of the partner inference; the lengths partner has shown come with the full
// evaluation rules.
void InferPartnerLengths(int seat) {
    if (seat < 1 || seat > 4) return;
    // 1. Every bid counts as natural to start with.
    for (int s = 1; s <= 4; ++s)
        for (int suit = 1; suit <= 4; ++suit)
            G.SuitInfo[s][suit].NaturalTimesBid = G.SuitInfo[s][suit].TimesBid;
    int openerFirst = FirstCall(G.Opener);
    // 2. The overcaller's cue-bid of the opener's suit.
    if (G.Overcaller != 0 && G.Opener != 0 && openerFirst > 10 &&
        FirstCall(G.Overcaller) == openerFirst + 1) {
        int suit = CallStrain(openerFirst);
        if (suit >= 1 && suit <= 4) G.SuitInfo[G.Overcaller][suit].NaturalTimesBid -= 1;
    }
    // 3. A Club opening, Stayman and the waiting Two Diamonds are not natural.
    if (G.Responder != 0 && G.Opener != 0 && (seat == G.Opener || seat == G.Responder)) {
        int responderAnswer = G.Calls[G.Responder][1];
        if (responderAnswer == Pass) responderAnswer = G.Calls[G.Responder][2];
        if (CallStrain(openerFirst) == Clubs && G.SuitInfo[G.Opener][Clubs].TimesBid == 1) {
            G.SuitInfo[G.Opener][Clubs].NaturalTimesBid = 0;
        } else if (CallStrain(openerFirst) == NoTrump && LastCall(G.Opener) == openerFirst &&
                   responderAnswer > 10 && CallStrain(responderAnswer) == Clubs &&
                   CallLevel(responderAnswer) == CallLevel(openerFirst) + 1) {
            G.SuitInfo[G.Responder][Clubs].NaturalTimesBid = 0;
        }
        if (openerFirst == MakeBid(2, Clubs) && responderAnswer == MakeBid(2, Diamonds) &&
            G.SuitInfo[G.Responder][Diamonds].TimesBid == 1)
            G.SuitInfo[G.Responder][Diamonds].NaturalTimesBid = 0;
    }
    // 4. The counting tables of the seat.
    int partner = PartnerOf(seat);
    for (int suit = 1; suit <= 4; ++suit) {
        G.OpponentsBidCount[suit] = G.SuitInfo[PlayerAt(seat, 1)][suit].NaturalTimesBid +
                                    G.SuitInfo[PlayerAt(seat, -1)][suit].NaturalTimesBid;
        G.OwnBidCount[suit] = G.SuitInfo[seat][suit].NaturalTimesBid;
        G.PartnerBidCount[suit] = G.SuitInfo[partner][suit].NaturalTimesBid;
    }
    G.PartnerBidCount[5] = 0;
    // 5. Partner has bid No Trump.
    if (G.Opener != 0)
        for (int round = 1; round <= 7; ++round) {
            if (G.Calls[G.Opener][round] == MakeBid(2, Clubs)) continue;
            int call = G.Calls[partner][round];
            if (call > 10 && CallStrain(call) == NoTrump) {
                G.PartnerBidCount[5] = 1;
                break;
            }
        }
}

}  // namespace kestrel
