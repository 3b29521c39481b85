#include "play/defence.h"

#include "core/cards.h"
#include "core/state.h"
#include "core/text.h"
#include "play/discards.h"
#include "play/knowledge.h"

namespace kestrel {

namespace {

// What one call of the defence rules works on.
struct Position {
    int me, partner, lho, rho, pos, suit, trumps, top, trickRank, ho, held;
    bool partnerWinning, noTrump;
};

int SecondHand(const Position& p) {
    AddWhy("in position 2. ");
    int suit = p.suit;
    // 1. The ace of trumps will win later: let partner try now.
    if (p.top == Ace && suit == p.trumps) {
        AddWhy("The suit lead is trump, our ace will always be good, so go low maybe our partner "
               "has a high one. ");
        return ChooseLowCard(suit);
    }
    // 2. An honour led is covered by the cheapest honour above it.
    if (p.trickRank > 9 && NextHigherCard(suit, p.trickRank) > G.WinningCard) {
        AddWhy("Cover an honor with an honor. ");
        return NextHigherCard(suit, p.trickRank);
    }
    // 3. Following suit: second hand low, unless the dummy's cards say otherwise.
    if (p.held > 0) {
        if (p.trickRank > 9) AddWhy("We had no honor to cover that honor. ");
        if (p.rho == G.Dummy) {
            // The dummy led, so its remaining cards are all we have to beat.
            AddWhy("the dummy has already played ");
            if (CountSeen(p.me, suit) > 8) {
                AddWhy("we have seen more than 8 of these ");
                if (p.top > p.ho) {
                    AddWhy("we have the highest ");
                    if (OtherHandHolds(suit, p.ho)) {
                        AddWhy("the dummy has the highest out ");
                        int under = NextLowerCard(suit, p.ho);
                        if (CountOutBetween(suit, p.ho, CardRank(under)) == 0) {
                            AddWhy("we have the highest card under the dummys highest, play it ");
                            return under;
                        }
                        AddWhy("we don`t have the highest card under the dummys highest, go high ");
                        return HighIfItWins(suit);
                    }
                    AddWhy("the dummy does not have the highest out ");
                    return HighIfItWins(suit);
                }
                AddWhy("we don`t know where the highest out is but we don`t have it, second hand "
                       "low ");
                return ChooseLowCard(suit);
            }
            if (HighestRankOf(G.Dummy, suit) == p.ho) {
                AddWhy("the dummy has the highest card in " + SuitName(suit));
                if (HasCard(suit, p.ho - 1) && p.held < 3) {
                    AddWhy("we have less than 3 of these and we have the card under the dummys "
                           "highest, so let`s force the dummy to go high ");
                    return HighIfItWins(suit);
                }
                AddWhy("we have more than 2 of these or we do not have the card under the dummys "
                       "highest, so let`s force the dummy to go high ");
                return ChooseLowCard(suit);
            }
            AddWhy("we don`t know where the highest in " + SuitName(suit) +
                   "is so second hand low ");
            return ChooseLowCard(suit);
        }
        // Declarer led and the dummy plays after us.
        AddWhy("The dummy is yet to play and ");
        if (HasCard(suit, p.ho - 1)) {
            AddWhy("my hand has the card 1 point below the highest card out ");
            int dummyTop = HighestRankOf(G.Dummy, suit);
            int x = NextHigherCard(suit, dummyTop);
            int over = NextHigherCard(suit, p.trickRank);
            if (CardRank(x) < p.trickRank && CardRank(over) > CardRank(x)) {
                AddWhy("the lowest over the dummys highest card is less than the highcard rank "
                       "but we can beat the highcard so do it ");
                return over;
            }
            if (CardRank(x) > p.trickRank) {
                AddWhy("we can beat the highcard and the dummy ");
                return x;
            }
            if (CardRank(x) > dummyTop) {
                AddWhy("or we can beat the dummy highcard but not the highcard ");
                return ChooseLowCard(suit);
            }
            AddWhy("or we can not beat the dummys highcard ");
            return ChooseLowCard(suit);
        }
        AddWhy("my hand does not have the card 1 point below the highest card out in " +
               SuitName(suit) +
               "so we want to play the lowest card we have over the high card played on this "
               "trick. ");
        return NextHigherCard(suit, p.trickRank);
    }
    // 4. Out of the suit: ruff only when partner cannot be expected to win it.
    AddWhy("We are out of the suit that was lead. ");
    if (p.noTrump) {
        AddWhy("The trump is no trump. ");
        return ChooseDiscard(p.me);
    }
    AddWhy("The trump is not no trump. ");
    if (KnownVoid(p.lho, suit) && !KnownVoid(p.lho, p.trumps)) {
        AddWhy("The dummy is out of this suit, but is not out of trump. ");
        return ChooseDiscard(p.me);
    }
    if (KnownVoid(p.partner, suit) && !KnownVoid(p.partner, p.trumps)) {
        AddWhy("We think know our partner is out of the suit that was lead but not out of trump. ");
        return ChooseDiscard(p.me);
    }
    if (!KnownVoid(p.partner, suit) && p.ho > p.trickRank && WinningSuit() == suit) {
        AddWhy("We think our partner still has some of the suit that was lead, and the highest out "
               "is higher than the highcard rank, and this trick has not been trumped, so let`s "
               "see if our partner has the high card. ");
        return ChooseDiscard(p.me);
    }
    AddWhy("We don`t think our partner is out of the suit that was lead and that he has trump, we "
           "know the same about the dummy, the highcard is greater than the highest out in this "
           "suit, so let`s trump this puppy. ");
    return ChooseRuff(p.me);
}

int ThirdHandVoid(const Position& p) {
    int suit = p.suit;
    AddWhy("We are out and ");
    // Partner's card holds and the dummy cannot beat it: keep our trumps.
    if (p.partnerWinning && p.ho < p.trickRank && CountSeen(p.me, suit) < 13 &&
        ((p.lho == G.Dummy && CountInSuit(G.Dummy, suit) > 0) ||
         (CountInSuit(G.Dummy, p.trumps) == 0 && HighestRankOf(G.Dummy, suit) < p.trickRank))) {
        AddWhy("our partner is taking this trick, the dummy still has to play and he can not take "
               "it. ");
        return ChooseDiscard(p.me);
    }
    // Partner's card will probably be beaten.
    if (p.partnerWinning && p.ho > p.trickRank) {
        AddWhy("our partner is taking this trick, but will probably lose it, ");
        if (p.noTrump) {
            AddWhy("the trump is no trump, oh well. ");
            return ChooseDiscard(p.me);
        }
        AddWhy("the trump is not no trump we better take it with trump if we can. ");
        return ChooseRuff(p.me);
    }
    // Partner is winning and the last player may still follow.
    if (p.partnerWinning && !KnownVoid(p.lho, suit)) {
        AddWhy("our partner is taking this trick and we think the last player still has some " +
               SuitName(suit));
        if (p.lho == G.Dummy && CountInSuit(G.Dummy, suit) == 0 &&
            CountInSuit(p.me, p.trumps) > 1 && !p.noTrump) {
            AddWhy("the dummy is yet to play and he is out and he has trump ");
            int dummyTrump = HighestRankOf(G.Dummy, p.trumps);
            if (HighestRankOf(p.me, p.trumps) > dummyTrump) {
                AddWhy("but we can go over his highest trump. ");
                return NextHigherCard(p.trumps, dummyTrump);
            }
            AddWhy("and we can not go over his highest trump. ");
            return ChooseDiscard(p.me);
        }
        AddWhy("the declarer is yet to play, or the dummy is not out or the dummy has no trump ");
        return ChooseDiscard(p.me);
    }
    // The opponents are winning: ruff if we can.
    if (p.noTrump) {
        AddWhy("the trump is no trump. ");
        return ChooseDiscard(p.me);
    }
    AddWhy("we are losing unless we trump this trick. ");
    return ChooseRuff(p.me);
}

int ThirdHandFollows(const Position& p) {
    int suit = p.suit;
    AddWhy("We have to follow suit and ");
    // Nothing we hold beats the card winning the trick.
    if (p.trickRank > p.top) {
        AddWhy("we can not beat the highcard go low. ");
        return ChooseLowCard(suit);
    }
    if (p.partnerWinning) {
        AddWhy("our partner is taking this trick so far. ");
        // Partner's card is a winner or an honour: no need to spend ours.
        if (p.trickRank > p.ho || p.trickRank > 9) {
            AddWhy("With ethier the highest card in this suit or a face card. ");
            return ChooseLowCard(suit);
        }
        if (p.top > p.ho) {
            AddWhy("But not with ethier the highest card in this suit or a face card ");
            AddWhy("our highest is higher than the highest out though. ");
            if (p.rho == G.Dummy) {
                // Only declarer is still to play.
                AddWhy("The dummy has already played and ");
                if (KnownVoid(G.Declarer, suit)) {
                    AddWhy("the declarer is out of this suit. ");
                    return ChooseLowCard(suit);
                }
                int x = NextLowerCard(suit, p.ho);
                if (x > G.WinningCard && CountSeen(p.me, suit) < 12 &&
                    CountOutBetween(suit, CardRank(x), p.ho) == 0) {
                    AddWhy("our second highest is greater than the high card and it is just under "
                           "the highest out. We have seen less than 12 of these and we think the "
                           "declarer has some. ");
                    if (CountOutBetween(suit, CardRank(x), p.trickRank) != 0) {
                        AddWhy("Our second highest card is better than his winner. ");
                        return x;
                    }
                    AddWhy("Our second highest card is really no better than his winner. ");
                    return ChooseLowCard(suit);
                }
                AddWhy("our highest card under the highest out is not high enough to try to take "
                       "this trick and we think the declarer still has some. ");
                return HighIfItWins(suit);
            }
            // The dummy is still to play: beat its best as cheaply as we can.
            int x = NextHigherCard(suit, HighestRankOf(G.Dummy, suit));
            if (CardRank(x) > p.trickRank) {
                AddWhy("we don`t need to use our highest card ");
                return x;
            }
            AddWhy("we need to use our highest card ");
            return HighIfItWins(suit);
        }
        AddWhy("but not with ethier the highest card in this suit or a face card ");
        AddWhy("our highest is not higher than the highest out ethier ");
        int second = NextLowerCard(suit, p.top);
        if (CountOutBetween(suit, p.top, CardRank(second)) == 0) {
            AddWhy("our highest and second highest are adjacent ");
            return MyHighest(suit);
        }
        AddWhy("our highest and second highest are not adjacent play our second highest ");
        return second;
    }
    AddWhy("this one belongs to them so far. ");
    // An honour is covered by the cheapest card above it.
    if (p.trickRank > 9 && p.top > p.trickRank) {
        AddWhy("Cover an honor with an honor. ");
        return NextHigherCard(suit, p.trickRank);
    }
    // A ruffed trick is lost.
    if (WinningSuit() != suit) {
        AddWhy("This trick has been trumped, it is theirs. ");
        return ChooseLowCard(suit);
    }
    if (p.lho == G.Dummy) {
        // The dummy plays last: make it spend its honour.
        AddWhy("The dummy still has to play ");
        int dummyTop = HighestRankOf(G.Dummy, suit);
        if (dummyTop > p.trickRank) {
            AddWhy("and he can go higher then the high card on this trick ");
            if (p.top > dummyTop) {
                AddWhy("but we can go higher then he can. ");
                return HighIfItWins(suit);
            }
            AddWhy("and we can not go over him, so force him up with our lowest card over the card "
                   "taking this trick. ");
            return NextHigherCard(suit, p.trickRank);
        }
        AddWhy("but he can not go higher, then the highest card played so far. ");
        return HighIfItWins(suit);
    }
    // Declarer plays last: third hand high, as cheaply as the seen cards allow.
    AddWhy("declarer to play ");
    int card = 0;
    int cheap = CheapestWinner(suit), high = HighIfItWins(suit);
    if (high != cheap) AddWhy("we can take this with more than one card ");
    bool allSeen = true;
    for (int r = CardRank(cheap); r <= CardRank(high); ++r)
        if (!G.Seen[p.me][suit][r]) allSeen = false;
    if (allSeen) {
        AddWhy("the dummy has any cards between our lowest card and our highest card we could take "
               "this trick with that have not been played so take it low ");
        card = cheap;
    }
    if (card == 0) {
        AddWhy("third hand high ");
        card = high;
    }
    return card;
}

int FourthHand(const Position& p) {
    int suit = p.suit;
    AddWhy("in position 4 and ");
    if (p.partnerWinning) {
        // Partner has the trick: play low or throw a card.
        AddWhy("our partner is taking this trick. ");
        if (p.held > 0) return ChooseLowCard(suit);
        AddWhy("we are out ");
        return ChooseDiscard(p.me);
    }
    AddWhy("our partner is not taking this trick. ");
    if (p.held == 0) {
        AddWhy("We are out of the suit lead. ");
        return p.noTrump ? ChooseDiscard(p.me) : ChooseRuff(p.me);
    }
    // Win as cheaply as possible when we can.
    if (p.top > p.trickRank && WinningSuit() != p.trumps) {
        AddWhy("We are not out and we can take this trick.");
        return CheapestWinner(suit);
    }
    if (p.top > p.trickRank && suit == p.trumps) {
        AddWhy("We are not out and we can take this and this suit is trump. ");
        return CheapestWinner(suit);
    }
    AddWhy("We can not take this trick, so go low. ");
    return ChooseLowCard(suit);
}

}  // namespace

int DefendByPosition() {
    Position p{};
    p.me = G.CurrentSeat;
    p.partner = PartnerOf(p.me);
    p.lho = PlayerAt(p.me, 1);
    p.rho = PlayerAt(p.me, -1);
    p.pos = 1;
    for (int seat = 1; seat <= 4; ++seat)
        if (G.TrickCard[seat] != 0) ++p.pos;
    p.suit = G.SuitLed;
    p.trumps = G.TrumpSuit;
    p.noTrump = NoTrumpContract();
    p.top = HighestRankOf(p.me, p.suit);
    p.trickRank = WinningRank();
    p.ho = HighestOut(p.suit);
    p.held = CountInSuit(p.me, p.suit);
    p.partnerWinning = G.TrickCard[p.partner] == G.WinningCard;

    AddWhy("We are on the defense, ");
    int card = 0;
    if (p.pos == 2)
        card = SecondHand(p);
    else if (p.pos == 3) {
        AddWhy("in position 3. ");
        card = p.held == 0 ? ThirdHandVoid(p) : ThirdHandFollows(p);
    } else
        card = FourthHand(p);

    // Second thoughts: do not duck below a trick we could win with our second card.
    if (!p.partnerWinning && CardRank(card) < p.trickRank &&
        CardRank(MySecondHighest(p.suit)) > p.trickRank && p.suit != p.trumps && !G.TrickRuffed &&
        card != HighIfItWins(p.suit)) {
        AddWhy("all that and now we change our mind, ");
        AddWhy("because our partner is not taking this, and we were not either ");
        AddWhy("and our second highest is higher than the highest card played and this trick has "
               "not been trumped ");
        card = HighIfItWins(p.suit);
    }
    return card;
}

}  // namespace kestrel
