#include "play/declarer_follow.h"

#include "core/cards.h"
#include "core/state.h"
#include "declarer/shorthand.h"
#include "core/text.h"
#include "declarer/clear_losers.h"
#include "declarer/end_game.h"
#include "declarer/trumps.h"
#include "play/discards.h"
#include "play/knowledge.h"

namespace kestrel {

using namespace shorthand;

namespace {

struct Follow {
    int me = 0, partner = 0, lho = 0, rho = 0;
    int suit = 0, t = 0;
    bool take = false, cover = false;
    int top = 0, trickRank = 0, ptop = 0;
    bool partnerWinning = false;
};

bool HasTrump(int seat) { return !NoTrumpContract() && Len(seat, G.TrumpSuit) > 0; }

int SecondPosition(Follow& f) {
    AddWhy("in the second position, ");
    int suit = f.suit, me = f.me, p = f.partner;
    int ho = HighestOut(suit);
    bool holds = Len(me, suit) > 0;
    // Long-suit protection: partner has no trumps left and a suit still to establish.
    bool shortHand = false;
    for (int s = 1; s <= 4; ++s)
        if (G.Plan.ShortHandOf[s] == me) shortHand = true;
    if (G.DeclarerPlan == 1 && !NoTrumpContract() && Len(p, f.t) == 0 && CountSeen(me, f.t) < 13 &&
        Len(p, suit) > 1 && shortHand) {
        AddWhy("type of plan Long Suit, trump is not no trump, our partner has no trump, but there "
               "are still trump out our partner has some " +
               SuitName(suit, 0) + "and he still has a suit to establish ");
        if (holds && f.top > f.trickRank) {
            AddWhy("we can go over the highcard, so high ");
            return MyHighest(suit);
        }
        if (holds) {
            AddWhy("we can not go over the highcard, so low ");
            return ChooseLowCard(suit);
        }
        AddWhy("we have none so trumpit ");
        return ChooseRuff(me);
    }
    int card = 0;
    if (NoTrumpContract() && G.Plan.WeakNoTrumpSuit[suit]) {
        // A suit the defence is strong in.
        if (f.top > ho) {
        } else if (f.top > 9 && Len(me, suit) < 3) {
            AddWhy("trump is no trump, and suit lead is a suit to fear, so we don`t want to play our "
                   "highest, unless it is lower than the highest out and we have less than 3 in this "
                   "suit ");
            card = MyHighest(suit);
        } else if (CardRank(MySecondHighest(suit)) > f.trickRank && f.trickRank > 9) {
            card = MySecondHighest(suit);
            AddWhy("trump is no trump, and suit lead is a suit we are afraid of, so since we have the "
                   "King and Queen we need to cover this honor. ");
        }
    } else if (NoTrumpContract()) {
        if (Len(me, suit) < Len(p, suit)) {
            AddWhy("trump is no trump, and suit lead is not a suit to fear, so we go high on the short "
                   "side ");
            card = MyHighest(suit);
        } else if (Len(p, suit) == 0 && f.top > ho && f.top > f.trickRank) {
            AddWhy("trump is no trump, and suit lead is not a suit to fear, since our partner is out "
                   "and we can take this let`s do it. ");
            card = MyHighest(suit);
        }
    } else if (holds || HasTrump(me)) {
        if (Len(p, suit) > 0) {
            // Partner follows after us: whether to win or cover depends on his cards.
            AddWhy("the trump is not no trump, and our partner has some " + SuitName(suit, 0) +
                   "so he will have to follow suit. ");
            int myHighRank = CardRank(MyHighest(suit));
            if (f.ptop > ho && f.ptop > f.trickRank && Len(p, suit) > 1) {
                f.cover = true;
                AddWhy("and our partner has the highest, so look for cover is true ");
            } else if (f.ptop < ho && Len(p, suit) == 1 && CountOutBetween(suit, f.ptop, myHighRank) > 0) {
                f.take = true;
                AddWhy("Our partner does not have the highest, so we want to take this if we can. ");
            } else if ((f.ptop < ho && (f.ptop < f.trickRank ||
                                        (CountOutBetween(suit, f.ptop, f.trickRank) != 0 &&
                                         f.ptop > f.trickRank))) ||
                       f.ptop < f.trickRank) {
                f.take = true;
                AddWhy("Our partner does not have the highest, so we want to take this if we can. ");
            } else if (CountOutBetween(suit, ho, f.ptop) == 0 && OutstandingCount(suit) == 1 &&
                       f.ptop < ho) {
                f.take = true;
                AddWhy("Our partner highest card is adjacent to the highest card out, ");
                AddWhy("and there is only one card out and it is lower than our partner`s. ");
            } else if (CountOutBetween(suit, ho, f.ptop) == 0) {
                f.cover = true;
                AddWhy("Our partner highest card is adjacent to the highest card out, ");
                AddWhy(" it is not lower than our partner`s or there is more than one card out in this "
                       "suit, so let`s look for to see if we can cover the high card. ");
            } else {
                f.take = true;
                AddWhy("partner cant take this, so take trick is true ");
            }
        } else if (HasTrump(p)) {
            // Partner will ruff.
            if (f.top > ho) {
                AddWhy("Our partner cant follow suit, but he has trump, our highest is higher than "
                       "the highest out, ");
                if (G.Plan.TrumpFinesseHand == p && G.TricksWon[1] < 1) {
                    AddWhy("but we want him to lead, so we want him to take this trick. ");
                } else {
                    AddWhy("so we want to take this trick if we can. ");
                    f.take = true;
                }
            } else if (CardRank(MySecondHighest(suit)) > SecondHighestOut(suit)) {
                AddWhy("Our partner cant follow suit, but he has trump, our second highest is higher "
                       "than the second highest out, but we don`t have the highest card in this "
                       "suit. ");
                f.take = true;
            } else {
                f.cover = true;
            }
        } else {
            AddWhy("partner no trump and cant follow suit, so take this trick if we can ");
            f.take = true;
        }
    }
    // Adjustments to the flags.
    if (f.take && Len(p, suit) == 1 && holds && TouchingInOtherHand(MyHighest(suit))) {
        AddWhy("our partner only has 1 and we have more than 1 and his is the same as mine, so we "
               "will try to take this if we can. ");
        f.take = false;
    }
    if (!NoTrumpContract() && suit == f.t && G.Plan.SideSuitHand == me &&
        PartnerHighestRank(f.t) > HighestOut(f.t)) {
        f.take = false;
        f.cover = false;
    }
    if (G.Plan.TrumpFinesseHand == me) {
        // We need the lead to take the trump finesse.
        if (KnownVoid(me, suit)) {
            f.take = true;
            bool blocked = false;
            for (int s = 1; s <= 4; ++s)
                if (s != f.t && Len(me, s) == 1 && HighestRankOf(me, s) < HighestOut(s)) blocked = true;
            if (blocked && f.ptop > ho) f.take = false;
        } else {
            f.take = true;
        }
        if (f.take)
            AddWhy("We determined in make plan that we need the lead asap, to lead trump to our "
                   "partner, so we will try to take this if we can. ");
    }
    if (DefenceSpareTricks() == 0) f.take = true;
    if ((Len(p, suit) == 0 && !holds && G.Plan.TrumpFinesseHand != p) || KnownVoid(f.lho, suit))
        f.cover = true;
    if (card != 0) return card;

    // The card.
    int len = Len(me, suit);
    if (len > 1 && f.take) {
        if (f.top < f.trickRank) {
            AddWhy("Although we would like to take this trick our highest does not beat the high card "
                   "on the table, so duck it ");
            return ChooseLowCard(suit);
        }
        if (f.trickRank > 9 && f.top > f.trickRank) {
            AddWhy("Although we would like to take this trick the high card on the table is a face "
                   "card, so lowest over ");
            return NextHigherCard(suit, f.trickRank);
        }
        if (f.top > ho && f.cover && CardRank(NextHigherCard(suit, f.trickRank)) > f.trickRank) {
            AddWhy("We should cover the high card played so far. ");
            return NextHigherCard(suit, f.trickRank);
        }
        if (f.top > ho) {
            AddWhy("Our highest card beats anything out there, so go high ");
            return HighIfItWins(suit);
        }
        if (CountOutBetween(suit, CardRank(MyHighest(suit)), CardRank(MySecondHighest(suit))) == 0) {
            AddWhy("Our highest card and our second highest card are the same, so go high ");
            return HighIfItWins(suit);
        }
        if (len > 2 &&
            CountOutBetween(suit, CardRank(MySecondHighest(suit)), CardRank(MyThirdHighest(suit))) == 0) {
            AddWhy("We have more than 2, ");
            AddWhy("our 2nd and 3rd card are the same, so play the lowest card over the high card "
                   "played so far. ");
            return NextHigherCard(suit, f.trickRank);
        }
        if (len > 2) {
            AddWhy("We have more than 2, ");
            AddWhy("our 2nd and 3rd not card are the same, so duckit ");
            return ChooseLowCard(suit);
        }
        AddWhy("Although we would like to take this trick and our highest beats the high card on the "
               "table, the highcard is less than a jack or our highest is less than the highcard and "
               "our highest is less than the highest out, we have 2 " +
               SuitName(suit, 0) + " so let`s duckit. ");
        return ChooseLowCard(suit);
    }
    if (len > 1 && f.cover) {
        int over = NextHigherCard(suit, f.trickRank);
        if (f.ptop > ho && Len(p, suit) == 1) {
            AddWhy("Our partner`s highest is higher than the highest out and he has only one, we will "
                   "duck it instead of covering. ");
            return ChooseLowCard(suit);
        }
        if (TouchingInOtherHand(over) && OurCardsAbove(suit, SecondHighestOut(suit)) < 4) {
            AddWhy("Our partner has the same card and we have less then three in the suit that was "
                   "lead, we will duck it instead of covering");
            return ChooseLowCard(suit);
        }
        if (CardRank(over) > f.ptop && ((f.ptop > ho && ho != 0) || f.ptop > f.trickRank)) {
            AddWhy("Covering would steal this from our partner, we will duck it instead of covering");
            return ChooseLowCard(suit);
        }
        AddWhy("We should cover the high card played so far. ");
        return over;
    }
    if (len > 1) {
        if (NoTrumpContract() && f.trickRank < 13 && SeatHolds(me, suit, f.trickRank + 1)) {
            AddWhy("We should cover the high card played so far. ");
            return NextHigherCard(suit, f.trickRank);
        }
        AddWhy("Second hand low. ");
        return ChooseLowCard(suit);
    }
    if (len == 0) {
        if (HasTrump(me) && f.take) {
            AddWhy("trump it rules ");
            return ChooseRuff(me);
        }
        AddWhy("sluff rules. ");
        return ChooseDiscard(me);
    }
    return 0;
}

int FourthPosition(Follow& f) {
    AddWhy("in the fourth position, ");
    int suit = f.suit, me = f.me;
    if (f.partnerWinning) {
        AddWhy("our partner is already taking this trick ");
        if (Len(me, suit) > 0) {
            AddWhy("we have some left so duckit ");
            return ChooseLowCard(suit);
        }
        AddWhy("cant follow suit ");
        return ChooseDiscard(me);
    }
    AddWhy("and our partner is not taking this trick. ");
    AddWhy("We have ");
    if (Len(me, suit) > 1) {
        AddWhy("more than one ");
        if (!NoTrumpContract() && WinningSuit() == f.t && suit != f.t) {
            AddWhy("this trick has been trumped, so duck it. ");
            return ChooseLowCard(suit);
        }
        if (NextLowerCard(suit, f.ptop) == CheapestWinner(suit) && f.ptop > HighestOut(suit)) {
            AddWhy("we can take this trick without using our top card, but let`s save the entry to "
                   "our partner`s hand, so take it high. ");
            return HighIfItWins(suit);
        }
        if (f.top > f.trickRank) {
            AddWhy("we can take this trick, so take it low. ");
            return CheapestWinner(suit);
        }
        AddWhy("we can not take this trick, so duck it. ");
        return ChooseLowCard(suit);
    }
    if (Len(me, suit) == 0) {
        if (NoTrumpContract()) {
            AddWhy("none, and no trump is trup so sluff rules ");
            return ChooseDiscard(me);
        }
        if (HasTrump(me)) {
            AddWhy("none, so let`s trump. ");
            return ChooseRuff(me);
        }
        AddWhy("none, and we have no trump so sluff rules ");
        return ChooseDiscard(me);
    }
    return 0;
}

int ThirdFinesse(Follow& f) {
    int suit = f.suit;
    AddWhy("We want to look to see if we can finesse because we have only one card higher than the "
           "highest out, and we have not seen all of this suit. ");
    int ho = HighestOut(suit);
    int r1 = CardRank(HighIfItWins(suit));
    int r2 = CardRank(NextLowerCard(suit, r1));
    int partnerCard = G.TrickCard[f.partner];
    if (r2 > f.trickRank && DefenceSpareTricks() >= 1) {
        AddWhy("We have at least 2 cards that can take this trick right now ");
        if (CountOutBetween(suit, r1, r2) > 0) {
            AddWhy("and they are not adjacent. ");
            int gapBelowTop = CountOutBetween(suit, ho, CardRank(NextLowerCard(suit, ho)));
            if (f.trickRank < 13 && SeatHolds(f.me, suit, f.trickRank + 1) && !f.take) {
                AddWhy("We can cover the card that is taking the trick. ");
                return MakeCard(suit, f.trickRank + 1);
            }
            if (gapBelowTop == 0) {
                int card = 0;
                if (f.partnerWinning) {
                    if (suit == f.t && CountSeen(f.me, suit) >= 11 && CountSeen(f.me, suit) <= 12 &&
                        !KnownVoid(f.lho, suit) && ho > CardRank(partnerCard)) {
                        AddWhy("Play for the drop. ");
                        card = HighIfItWins(suit);
                    } else if (CountOutBetween(suit, f.trickRank, r2) == 0) {
                        AddWhy("We wanted to finesse but our partner beat us to it. ");
                        card = ChooseLowCard(suit);
                    }
                }
                if (card == 0) {
                    AddWhy("We have a finesse, take it. ");
                    card = NextLowerCard(suit, r1);
                }
                return card;
            }
            if (gapBelowTop == 1 && suit == f.t && G.Plan.TrumpWorry) {
                AddWhy("Take double finesse, because we are worried about the trump situation. ");
                return NextLowerCard(suit, ho);
            }
            if (f.take) {
                AddWhy("Third hand high. ");
                return HighIfItWins(suit);
            }
            AddWhy("Play our third highest, if we have that many. ");
            return NextLowerCard(suit, r2);
        }
        if (CountOutBetween(suit, r2, f.trickRank) == 0 && f.partnerWinning) {
            AddWhy("and they are adjacent. and adjacent to the high card which is our partner`s, so "
                   "duck it ");
            return ChooseLowCard(suit);
        }
        AddWhy("and they are adjacent, and not adjacent to the high card or the high card is not our "
               "partner`s ");
        return NextLowerCard(suit, r1);
    }
    AddWhy("we only have one card above the high card, ");
    if (f.partnerWinning && CountSeen(f.me, suit) < 12) {
        AddWhy("our partner is taking this trick and there are still some out ");
        int between = CountOutBetween(suit, f.top, f.trickRank);
        if (Len(f.partner, suit) == 0 && DefenceSpareTricks() < 2) {
            AddWhy("since we can only lose one trick or less, and our partner is now out, we can not "
                   "finesse this. ");
            return HighIfItWins(suit);
        }
        if (between == 1) {
            AddWhy("and we have the second card over the high card, we will duck it ");
            return ChooseLowCard(suit);
        }
        if (between > 2 && CardRank(partnerCard) > f.ptop && suit == f.t) {
            AddWhy("our high card is at least 3 pts higher than the highcard and our partner played his "
                   "highest card and the suit is trump, so duck it ");
            return ChooseLowCard(suit);
        }
        if (f.top < f.trickRank && between == 0) {
            AddWhy("our highest cant take this trick, and we have the card adjacent below the high "
                   "card, so duck it ");
            return ChooseLowCard(suit);
        }
        if (f.top > f.trickRank && between == 0) {
            AddWhy("we have the card adjacent above the high card as our highest card, so duck it ");
            return ChooseLowCard(suit);
        }
        AddWhy("and we don`t have the second card over the high card, or our high card is not more "
               "than 2 pts higher than the highcard or our partner did not play his highest card and "
               "the suit is not trump, our highest can take this trick or we don`t have the card "
               "adjacent below the high card, we don`t have the card adjacent above the high card as "
               "our highest card, so take it high ");
        return HighIfItWins(suit);
    }
    AddWhy("ethier our partner is not taking this or we have seen at least 11 " + SuitName(suit, 0));
    if (f.top > f.trickRank) {
        AddWhy("our highest is higher than the highcard rank, take it high ");
        return HighIfItWins(suit);
    }
    AddWhy("our highest is not higher than the highcard rank, duck it ");
    return ChooseLowCard(suit);
}

int ThirdPosition(Follow& f) {
    AddWhy("in the third position. ");
    int suit = f.suit, me = f.me, p = f.partner, t = f.t;
    bool trumpContract = !NoTrumpContract();
    int partnerCard = G.TrickCard[p];
    int partnerRank = CardRank(partnerCard);
    if (Len(me, suit) > 0) {
        AddWhy("We have to follow suit, ");
        AddWhy("and we have a choice. ");
        f.take = false;
        int ho = HighestOut(suit);
        int card = 0;
        // The player behind is out of both the suit and trumps: win it where entries are short.
        if (trumpContract && KnownVoid(f.lho, t) && KnownVoid(f.lho, suit) &&
            EntryCount(me, -1) > EntryCount(p, -1)) {
            f.take = true;
            AddWhy("trump is not no trump, the last player is out of both this suit and trump, and our "
                   "partner has more entries than we do, so take trick is true ");
        }
        // Late in No Trump: win in the hand with more losers when partner has no entry.
        if (!trumpContract && G.TricksPlayed > 7) {
            CountLosers();
            int pl = 0, ml = 0;
            for (int s = 1; s <= 4; ++s) pl += G.SuitInfo[p][s].Losers, ml += G.SuitInfo[me][s].Losers;
            if (pl <= ml && EntryCount(p, -1) == 0) card = HighIfItWins(suit);
        }
        // Winners to cash in our hand and no way to partner: win the trick.
        if (CardRank(MyHighest(suit)) > ho && EntryCount(p, 0) == 0 && OutstandingCount(t) == 0) {
            CountWinners();
            if (G.Plan.MyWinners > 1) f.take = true;
        }
        if (f.trickRank < ho) {
            AddWhy("The highest card played so far is less then the highest card out in this suit. We "
                   "want to take this if we can. ");
            f.take = true;
        }
        if (card != 0) return card;
        // Trump trap: king and queen out, hold up the ace.
        bool tenHere = SeatHolds(me, t, Ten) || SeatHolds(p, t, Ten) || partnerCard == MakeCard(t, Ten);
        if (trumpContract && suit == t && SeatHolds(me, t, Ace) && OpponentCardsAbove(t, Jack) == 2 &&
            tenHere && DefenceSpareTricks() < 2) {
            AddWhy("because the king and queen are out and we cant lose many we need to pass on the ace "
                   "so we can be sure to trap one of them. ");
            if (SeatHolds(me, t, Ten) && CountOutBetween(t, Ten, partnerRank) > 0) return MakeCard(t, Ten);
            if (partnerCard == MakeCard(t, Ten)) return ChooseLowCard(suit);
            int under = NextLowerCard(t, HighestOut(t));
            if (CountOutBetween(t, CardRank(under), partnerRank) > 0) return ChooseLowCard(suit);
            return under;
        }
        if (f.partnerWinning && !f.take) {
            AddWhy("our partner is taking this trick, so duckit ");
            return ChooseLowCard(suit);
        }
        // Whether a finesse is off this trick.
        auto& nf = G.Plan.NoFinesseThisTrick;
        if (AllTricksOurs() ||
            (DefenceSpareTricks() == 1 && trumpContract &&
             OpponentCardsAbove(t, NthHighestOurs(t, 1)) > 0))
            nf = -1;
        else if (Len(p, suit) == 1 && Len(me, suit) == 2) {
            if (PartnerHighestRank(suit) > ho) nf = -1;
        } else if (!trumpContract && MaxOpponentLength(suit) < OurCardsAbove(suit, ho)) {
            nf = -1;
        }
        bool rhoVoid = KnownVoid(f.rho, suit);
        int rhoCard = G.TrickCard[f.rho];
        int second = CardRank(MySecondHighest(suit));
        if (f.trickRank > f.top) {
            AddWhy("We can not take this trick, so duck it. ");
            return ChooseLowCard(suit);
        }
        if (trumpContract && suit == t && rhoVoid &&
            (OpponentCardsAbove(suit, second) == 2 ||
             (OpponentCardsAbove(suit, partnerRank) == 2 && OpponentCardsAbove(suit, second) >= 2)) &&
            OurCardsAbove(suit, ho) == 1) {
            if (CountOutBetween(suit, second, partnerRank) == 0) {
                AddWhy("We can not take this trick, so duck it. ");
                return ChooseLowCard(suit);
            }
            AddWhy("We need to force the next player high. ");
            return NextLowerCard(suit, ho);
        }
        bool rhoOut = rhoVoid && CountSeen(me, suit) < 13 && CardSuit(rhoCard) != t;
        if (rhoOut && suit == t) {
            if (OpponentCardsAbove(t, partnerRank) == 1 && CountSeen(me, t) < 11) {
                AddWhy("Since all the trump is behind us, and he is going to win one, duck it. ");
                return ChooseLowCard(suit);
            }
            AddWhy("We had better take this one. ");
            return HighIfItWins(suit);
        }
        if (rhoOut && suit != t) {
            if (f.partnerWinning && CountOutBetween(suit, CardRank(MyHighest(suit)), partnerRank) == 0 &&
                !f.take) {
                AddWhy("We have not seen all the " + SuitName(suit, 0) +
                       "and the player before is out, but our highest card is adjacent to our "
                       "partner`s card and he is taking the trick, so go low. ");
                return MyLowest(suit);
            }
            AddWhy("We have not seen all the " + SuitName(suit, 0) + "and the player before is out ");
            if (trumpContract) AddWhy("but did not trump, ");
            AddWhy("so go high. ");
            return HighIfItWins(suit);
        }
        if (CardRank(MyHighest(suit)) > ho &&
            CountOutBetween(suit, CardRank(MyHighest(suit)), second) == 1 && CountSeen(me, suit) < 12 &&
            !nf)
            return ThirdFinesse(f);
        if (trumpContract && suit == t && KnownVoid(f.lho, t)) {
            AddWhy("The player on our right is out of trump, ");
            if (!f.partnerWinning) {
                AddWhy("cover the defenders highcard. ");
                return CheapestWinner(suit);
            }
            AddWhy("our partner has this one, duck it. ");
            return ChooseLowCard(suit);
        }
        AddWhy("third hand high");
        if (G.DeclarerPlan == 1 && SafeWinner(me, suit, 0, 0) && Len(me, suit) > 1 && Len(p, suit) == 0) {
            AddWhy(".");
            return HighIfItWins(suit);
        }
        if ((CountOutBetween(suit, f.top, partnerRank) == 0 && partnerRank >= f.trickRank &&
             CardSuit(partnerCard) == suit) ||
            (G.TrickRuffed && suit != t)) {
            AddWhy(" unless are highest is the same as the card our partner has played.");
            return ChooseLowCard(suit);
        }
        AddWhy(".");
        return HighIfItWins(suit);
    }
    // Void in the suit led.
    AddWhy("We are out of " + SuitName(suit, 0));
    G.SuitInfo[me][suit].KnownVoid = -1;
    if (!f.partnerWinning && HasTrump(me)) {
        if (suit == t) {
            AddWhy("which is trump, so sluff rules");
            return ChooseDiscard(me);
        }
        AddWhy("and our partner is not taking this trick. ");
        if (KnownVoid(f.lho, suit)) {
            AddWhy("The player on our left is out of this suit ");
            AddWhy("and we have not seen more than 11, and our partner is not taking this trick, so "
                   "trump it. ");
        } else {
            AddWhy("the player about to play is not out of this suit, by seen in suit ");
        }
        return ChooseRuff(me);
    }
    if (NoTrumpContract()) {
        AddWhy("and there is no trump. ");
        return ChooseDiscard(me);
    }
    if (!HasTrump(me)) {
        AddWhy("and trump. ");
        return ChooseDiscard(me);
    }
    AddWhy("and our partner is taking this trick. ");
    if (f.trickRank > HighestOut(suit)) {
        AddWhy("Our partner`s play is higher than the highest out and ");
        if ((KnownVoid(f.lho, suit) || CountSeen(me, suit) == 13) && !KnownVoid(f.lho, t)) {
            AddWhy("we know the player behind us is out of this suit too, but we don`t know if he is "
                   "out of trump. ");
            int hot = HighestOut(t);
            if (HighestRankOf(me, t) > hot) {
                AddWhy("We have the highest trump. ");
                int n = OurCardsAbove(t, hot);
                if (n > OutstandingCount(t) / 2 || G.Plan.CrossRuffOut) {
                    if (CountSeen(me, t) == 12 && Len(me, t) == 1 && Len(p, t) == 0 &&
                        HighestRankOf(me, t) > hot) {
                        AddWhy("Since we have 1 trump and they have 1 trump, and if we lead trump we can "
                               "take theres let`s save ours. ");
                        return ChooseDiscard(me);
                    }
                    AddWhy("we have " + Str(n) +
                           " above the highest out which > half the number of trump we have not seen or "
                           "we can cross ruff out, so trump rules ");
                    return ChooseRuff(me);
                }
                AddWhy("we have " + Str(n) +
                       " above the highest out which < half the number of trump we have not seen and "
                       "we can not cross ruff out, so sluff rules ");
                return ChooseDiscard(me);
            }
            AddWhy("We don`t have the highest trump. ");
            return ChooseDiscard(me);
        }
        AddWhy("we don`t think the player behind us is out of this suit, and our partner is taking "
               "this trick ");
        return ChooseDiscard(me);
    }
    AddWhy("this trick is lost unless we trump ");
    return ChooseRuff(me);
}

int TrickPosition() {
    int played = 0;
    for (int seat = 1; seat <= 4; ++seat)
        if (G.TrickCard[seat] != 0) ++played;
    return played + 1;
}

}  // namespace

int DeclarerFollow() {
    Follow f;
    f.me = G.CurrentSeat;
    f.partner = PartnerOf(f.me);
    f.lho = PlayerAt(f.me, 1);
    f.rho = PlayerAt(f.me, -1);
    f.suit = G.SuitLed;
    f.t = G.TrumpSuit;
    f.top = HighestRankOf(f.me, f.suit);
    f.trickRank = WinningRank();
    f.ptop = HighestRankOf(f.partner, f.suit);
    f.partnerWinning = G.TrickCard[f.partner] != 0 && G.TrickCard[f.partner] == G.WinningCard;
    G.WhyText = "We are on the offense ";
    int pos = TrickPosition();
    int card = 0;
    if (pos == 2)
        card = SecondPosition(f);
    else if (pos == 3)
        card = ThirdPosition(f);
    else
        card = FourthPosition(f);
    G.Plan.NoFinesseThisTrick = 0;
    return card;
}

}  // namespace kestrel
