#include "play/choose_card.h"

#include "core/cards.h"
#include "core/flow.h"
#include "core/state.h"
#include "core/text.h"
#include "declarer/plan.h"
#include "play/declarer_follow.h"
#include "play/defence.h"
#include "play/knowledge.h"
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

int TrickPosition() {
    int played = 0;
    for (int seat = 1; seat <= 4; ++seat)
        if (G.TrickCard[seat] != 0) ++played;
    return played + 1;
}

// The shared rule for a doubleton holding an honour in second or third seat. Returns the card,
// or 0 when the general rules are to decide.
int DoubletonHonour(int me, int pos) {
    int partner = PartnerOf(me);
    int suit = G.SuitLed;
    int trumps = G.TrumpSuit;
    int top = CardRank(MyHighest(suit));
    int trickRank = WinningRank();
    bool partnerWinning = G.TrickCard[partner] == G.WinningCard;
    int partnerCard = G.TrickCard[partner];
    int partnerCount = CountInSuit(partner, suit);
    bool partnerHasTrump = !NoTrumpContract() && CountInSuit(partner, trumps) > 0;
    int card = 0;
    bool take = false;

    G.WhyText = "We are in position 2 or 3, we have 2 " + SuitName(suit) +
                "and one or more of those is a face card higher than the highcard played so far. ";

    if ((suit == trumps && top == Ace) || partnerWinning) {
        // Partner is winning, or we hold the ace of trumps.
        AddWhy(partnerWinning ? "Our partner is taking this trick, "
                              : "The suit is trump and our highest card is the ace. ");
        // A defender, or anyone in No Trump, leaves it to the general rules.
        if (!OnOffense(me) || NoTrumpContract()) return 0;
        AddWhy("We are on the offense, and the trump is not no trump. ");
        int ho = HighestOut(suit);
        if (partnerCount == 0 || (partnerCount == 1 && pos == 2)) {
            // Partner is out of the suit, or will be after this trick.
            AddWhy("Our partner is out or will be this trick. ");
            if (pos == 3) {
                if (CardSuit(partnerCard) == suit && suit != trumps &&
                    CountOutBetween(suit, CardRank(partnerCard), CardRank(MyHighest(suit))) == 0) {
                    card = ChooseLowCard(suit);
                    AddWhy("and his card is the same as our high card so let`s go low. ");
                } else if (partnerHasTrump && top > ho) {
                    card = MyHighest(suit);
                    AddWhy("and he has trump and our highest is higher than the highest out, so "
                           "go high.");
                } else if (suit == trumps) {
                    AddWhy("and he has no trump or our highest is not higher than the highest "
                           "out, but trump was lead so set take trick to true. ");
                    take = true;
                }
            } else {
                if (partnerHasTrump && top > ho) {
                    AddWhy("and he has trump and our highest is higher than the highest out, so "
                           "go high ");
                    card = MyHighest(suit);
                } else if (suit == trumps) {
                    AddWhy("and he has no trump or our highest is not higher than the highest "
                           "out, but trump was lead so set take trick to true ");
                    take = true;
                }
            }
        } else {
            // Partner keeps cards of the suit: take the trick when the gaps make it worth it.
            if (CountOutBetween(suit, top, trickRank) > 1 &&
                CountOutBetween(suit, top, CardRank(NextLowerCard(suit, top))) > 1)
                take = true;
        }
        // Unblock the honour so that partner's long suit can run.
        int low = CardRank(MyLowest(suit));
        if (G.DeclarerPlan == 1 && SafeWinner(me, suit, 0, 0) &&
            CountInSuit(me, suit) < partnerCount && CountInSuit(me, suit) == 2 &&
            low < CardRank(partnerCard) && top > CardRank(partnerCard) &&
            low < PartnerHighestRank(suit))
            card = MyHighest(suit);
        if (card == 0 && !take) {
            bool partnerCannotWin = PartnerHighestRank(suit) < trickRank &&
                                    WinningSuit() == suit && partnerCard == 0;
            if (CountSeen(me, suit) == 12 && trickRank < ho && CountInSuit(me, suit) > 0) {
                // Every card but one seen, and the trick can still be beaten.
                card = MyHighest(suit);
                AddWhy("we have seen 12 cards in " + SuitName(suit) +
                       "the highcard is lower than the highest out, so go high ");
            } else if (top == Ace && trickRank > 9 && (!partnerWinning || partnerCannotWin)) {
                // Our ace takes an honour partner cannot beat.
                card = MyHighest(suit);
                AddWhy("we have the ace of " + SuitName(suit) +
                       "the highcard is a face card, our partner did not or wont be able to take "
                       "this trick, so go high ");
            } else if (top == Ace && G.Plan.ShortHandOf[suit] != 0 && CountSeen(me, suit) > 9 &&
                       (!partnerWinning || trickRank < ho || partnerCannotWin)) {
                // The ace in a suit of the plan, late in the suit.
                card = MyHighest(suit);
                AddWhy("we have the ace of " + SuitName(suit) +
                       "the highcard is a face card, our partner did not or wont be able to take "
                       "this trick, so go high ");
            } else if (AllTricksOurs()) {
                card = MyHighest(suit);
                AddWhy("We are good. ");
            } else if (partnerCount == 1 && PartnerHighestRank(suit) > ho && top > ho) {
                // Partner's last card of the suit wins the next round.
                card = MyHighest(suit);
                AddWhy("Our partner has a winner for the next round. ");
            } else if (suit == trumps && PartnerHighestRank(trumps) > ho && top > ho &&
                       partnerCard != 0 && CardRank(partnerCard) < ho) {
                card = MyHighest(suit);
                AddWhy("Our partner has a winner for the next round. ");
            } else {
                // Duck, unless the low card and the high card are worth the same.
                if (!HasCard(suit, Ace))
                    AddWhy("We don`t have the ace, of " + SuitName(suit));
                else if (trickRank < 10)
                    AddWhy("The highcard is not a face card, ");
                else if (partnerWinning)
                    AddWhy("Our partner might take this, ");
                else
                    AddWhy("we have seen less than 12 or our highest card is not less than the "
                           "highcard, ");
                AddWhy("so duckit. ");
                if (CountOutBetween(suit, CardRank(ChooseLowCard(suit)), trickRank) == 0 &&
                    CountOutBetween(suit, CardRank(MyHighest(suit)), trickRank) > 0) {
                    AddWhy("Wait, there is no point in not taking this. ");
                    card = MyHighest(suit);
                } else {
                    card = ChooseLowCard(suit);
                }
            }
        }
        return card;
    }

    // An opponent is winning and this is not the trump ace.
    if (G.TrickRuffed && suit != trumps) {
        // Following to a ruffed trick: nothing to gain.
        AddWhy("this trick has been trumped and we have to follow suit, so duckit ");
        return ChooseLowCard(suit);
    }
    if (suit == trumps) {
        // Trumps led: a defender goes high; the offense keeps equal cards in the two hands.
        if (!OnOffense(me)) return MyHighest(suit);
        if (CountInSuit(partner, trumps) == 1 &&
            CountOutBetween(trumps, PartnerHighestRank(trumps), CardRank(MyHighest(suit))) == 0)
            return ChooseLowCard(suit);
        return MyHighest(suit);
    }
    AddWhy(NoTrumpContract() ? "Go high. " : "This trick has not been trumped, so go high. ");
    if (!OnOffense(me)) return MyHighest(suit);
    int ho = HighestOut(suit);
    if (partnerCount == 1 && pos == 2 &&
        (PartnerHighestRank(suit) > ho || CountOutBetween(suit, PartnerHighestRank(suit), top) == 0))
        return MyLowest(suit);
    if (CountOutBetween(suit, CardRank(MyHighest(suit)), CardRank(MySecondHighest(suit))) == 1 &&
        CardRank(MySecondHighest(suit)) > trickRank && !SafeWinner(me, suit, 0, 0)) {
        AddWhy("let`s try a finesse instead. ");
        return MySecondHighest(suit);
    }
    return MyHighest(suit);
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

bool IsLegalPlay(int seat, int card) {
    if (card < 1 || card > 52 || seat < 1 || seat > 4) return false;
    bool held = false;
    for (int i = 1; i <= 13; ++i)
        if (G.Hand[seat][i] == card) held = true;
    if (!held) return false;
    return G.WinningCard == 0 || CardSuit(card) == G.SuitLed || CountInSuit(seat, G.SuitLed) == 0;
}

void ChooseCard() {
    // 1. A fresh explanation; who plays and in which seat of the trick.
    G.WhyText.clear();
    int card = 0;
    int me = G.CurrentSeat;
    int pos = TrickPosition();

    // 2. The last trick: the one card left.
    if (G.TricksPlayed == 12) {
        for (int suit = 1; suit <= 4; ++suit)
            if (CountInSuit(me, suit) > 0) {
                G.WhyText = "This is the last card. ";
                PlayCard(me, MyHighest(suit));
                return;
            }
    }

    // 3. A singleton in the suit led is forced; a void is noted for everybody.
    int held = CountInSuit(me, G.SuitLed);
    if (held == 1) {
        G.WhyText =
            "We must follow suit and this is the last card we have in the suit that was lead. ";
        card = HighIfItWins(G.SuitLed);
    } else if (held == 0) {
        G.SuitInfo[me][G.SuitLed].KnownVoid = -1;
    }

    // 4. A doubleton with an honour above the card winning the trick.
    if (card == 0 && (pos == 2 || pos == 3) && held == 2) {
        int top = CardRank(MyHighest(G.SuitLed));
        if (top > 9 && top > WinningRank()) card = DoubletonHonour(me, pos);
    }

    // 5. Otherwise the rules of the declaring side or of the defence.
    if (card == 0 && OnOffense(me))
        card = DeclarerFollow();
    else if (card == 0)
        card = DefendByPosition();

    // A rule that found no legal card must not stop the game: play the legal stand-in.
    if (!IsLegalPlay(me, card)) card = StandInCard(me);

    // 6. Play it.
    PlayCard(me, card);
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
