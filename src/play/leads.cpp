#include "play/leads.h"

#include "bidding/evaluation.h"
#include "core/cards.h"
#include "core/flow.h"
#include "core/state.h"
#include "core/text.h"
#include "play/choose_card.h"
#include "play/discards.h"
#include "play/knowledge.h"

namespace kestrel {

namespace {

bool Holds(int suit) { return CountInSuit(G.CurrentSeat, suit) > 0; }
int Top(int suit) { return HighestRankOf(G.CurrentSeat, suit); }
bool IsSideSuit(int suit) { return NoTrumpContract() || suit != G.TrumpSuit; }

// The suit held whose top card is lowest.
int WeakestSuit(int seat) {
    int weakest = 0, low = Ace;
    for (int suit = 4; suit >= 1; --suit)
        if (CountInSuit(seat, suit) > 0 && HighestRankOf(seat, suit) < low) {
            weakest = suit;
            low = HighestRankOf(seat, suit);
        }
    return weakest;
}

// The longest suit, the stronger one on equal length; never a void.
int LongestSuit(int seat) {
    int longest = 0;
    for (int suit = 4; suit >= 1; --suit) {
        const SuitInfoRec& s = G.SuitInfo[seat][suit];
        if (s.Length <= 0) continue;
        if (longest == 0 || s.Length > G.SuitInfo[seat][longest].Length ||
            (s.Length == G.SuitInfo[seat][longest].Length &&
             s.HighCardPoints > G.SuitInfo[seat][longest].HighCardPoints))
            longest = suit;
    }
    return longest;
}

// Among the side suits both the leader and the dummy hold, the one where dummy's top card is
// highest (or lowest); the first such suit on a tie.
int DummyTopSuit(bool highest) {
    int found = 0;
    for (int suit = 1; suit <= 4; ++suit) {
        if (!IsSideSuit(suit) || !Holds(suit) || CountInSuit(G.Dummy, suit) == 0) continue;
        int r = HighestRankOf(G.Dummy, suit);
        if (found == 0 || (highest ? r > HighestRankOf(G.Dummy, found)
                                   : r < HighestRankOf(G.Dummy, found)))
            found = suit;
    }
    return found;
}

// The declarer's bids of a suit count when he bid it at all, clubs only when bid twice.
bool DeclarerBid(int suit) {
    int times = G.SuitInfo[G.Declarer][suit].TimesBid;
    return (times > 0 && suit != Clubs) || times > 1;
}

// Plays the lead; a rule that found no legal card gives way to the legal stand-in.
void PlayLead(int leader, int card) {
    if (!IsLegalPlay(leader, card)) card = StandInCard(leader);
    PlayCard(leader, card);
    if (G.PlayInterrupt == 0 && G.TrickCard[leader] != 0)
        G.Play.LastDefenceLeadSuit = CardSuit(G.TrickCard[leader]);
}

// The opening lead in No Trump from the best (or second) suit.
int NoTrumpOpeningLead(int leader) {
    G.WhyText = "No Trump is trump, ";
    int best = G.SeatInfo[leader].MainSuit;
    int second = G.SeatInfo[leader].SecondSuit;
    int suit = best;
    if (best != 0 && DeclarerBid(best) && second != 0 && !DeclarerBid(second)) {
        suit = second;
        AddWhy("Declarer bid " + SuitName(best));
    }
    if (suit == 0) {
        AddWhy("we had no biddable suits, so 4th down for our longest &strongest");
        return MyFourthHighest(LongestSuit(leader));
    }
    if (CountInSuit(leader, suit) <= 3) return 0;
    AddWhy("we have at least 3 " + SuitName(suit));
    int top = Top(suit), next = CardRank(MySecondHighest(suit));
    if (CardRank(MyThirdHighest(suit)) > 9) {
        // Three honours: lead the top of the sequence, the king from ace-king.
        AddWhy(" above the ten ");
        if (CountOutBetween(suit, top, next) == 0) {
            AddWhy(" our top two are adjacent ");
            if (HasCard(suit, Ace) && HasCard(suit, King)) {
                AddWhy(" the King and the Ace, play the King. ");
                return MySecondHighest(suit);
            }
            AddWhy(" but not the King and the Ace, play high. ");
            return MyHighest(suit);
        }
        AddWhy(" our top two are not adjacent go fourth down. ");
        return MyFourthHighest(suit);
    }
    if (top == King && HasCard(suit, Queen)) {
        AddWhy("and the King and Queen ");
        return MySecondHighest(suit);
    }
    if ((HasCard(suit, Ace) && HasCard(suit, Queen)) || top == King) {
        AddWhy("and the Ace and the King or Queen ");
        if (CountInSuit(leader, suit) > 5) {
            AddWhy("and this suit is longer than 5");
            return MyHighest(suit);
        }
        AddWhy("and this suit is shorter than 6");
        return MyFourthHighest(suit);
    }
    if (G.OpponentsBidCount[suit] == 0) {
        AddWhy("so 4th down from longest strongest");
        return MyFourthHighest(suit);
    }
    int weakest = WeakestSuit(leader);
    if (weakest != 0 && G.SuitInfo[leader][weakest].TimesBid == 0) {
        AddWhy("Top of nothing. ");
        return MyHighest(weakest);
    }
    return 0;
}

// The suit dummy bid, by how often; sets leastBid when it was the least-bid of dummy's suits.
int DummysSuit(bool& leastBid) {
    int count[5] = {};
    for (int round = 7; round >= 1; --round) {
        int strain = CallStrain(G.Calls[G.Dummy][round]);
        if (G.Calls[G.Dummy][round] > 10 && strain >= 1 && strain <= 4) ++count[strain];
    }
    int most = 0;
    for (int suit = 1; suit <= 4; ++suit)
        if (count[suit] > most) most = count[suit];
    leastBid = false;
    for (int suit = 1; suit <= 4; ++suit)
        if (count[suit] > 0 && count[suit] < most) {
            leastBid = true;
            return suit;
        }
    // All equally often: the suit whose count reached the top first, scanning back from round 7.
    int running[5] = {};
    for (int round = 7; round >= 1; --round) {
        int strain = CallStrain(G.Calls[G.Dummy][round]);
        if (G.Calls[G.Dummy][round] > 10 && strain >= 1 && strain <= 4)
            if (++running[strain] == most) return strain;
    }
    return 0;
}

}  // namespace

void OpeningLead() {
    G.WhyText.clear();
    int card = 0;
    int leader = G.Leader;
    G.CurrentSeat = leader;
    int partner = PartnerOf(leader);
    InferPartnerLengths(leader);

    if (leader == G.Overcaller || leader == G.Advancer) {
        // 1. Our side competed: partner's first suit, or a suit the declaring side never bid.
        for (int round = 1; round <= 3; ++round) {
            int strain = CallStrain(G.Calls[partner][round]);
            if (G.Calls[partner][round] > 10 && strain >= 1 && strain <= 4) {
                card = MyHighest(strain);
                if (card != 0) G.WhyText = "Partner our partner`s first bid suit. ";
                break;
            }
        }
        if (card == 0)
            for (int suit = 4; suit >= 1; --suit)
                if (G.OpponentsBidCount[suit] == 0 && Top(suit) < Queen) {
                    card = MyHighest(suit);
                    if (card != 0)
                        G.WhyText =
                            "The Offense never bid this suit and our highest is less than the "
                            "Queen.";
                    break;
                }
    } else {
        // 2. They took the contract from us: lead partner's suit.
        for (int suit = 4; suit >= 1; --suit)
            if (G.SuitInfo[partner][suit].TimesBid > 0) {
                card = MyHighest(suit);
                if (card != 0)
                    G.WhyText =
                        "They stole the contract, since our partner bid this suit let`s lead it. ";
                break;
            }
    }

    // 3. No Trump: the long suit.
    if (card == 0 && NoTrumpContract()) card = NoTrumpOpeningLead(leader);

    // 4. A short side suit, hoping to ruff; of several singletons the lowest suit's.
    bool sideVoid = false;
    if (card == 0) {
        for (int suit = 4; suit >= 1; --suit) {
            if (suit == G.TrumpSuit) continue;
            int n = CountInSuit(leader, suit);
            if (n == 0) sideVoid = true;
            if (n == 1 && Top(suit) < Queen) {
                card = MyHighest(suit);
                G.WhyText = SuitName(suit) + "has only one card it is not higher than the Jack. ";
            }
        }
    }

    // 5. Ace-king: the king.
    if (card == 0)
        for (int suit = 4; suit >= 1; --suit)
            if (HasCard(suit, Ace) && HasCard(suit, King)) {
                card = MySecondHighest(suit);
                G.WhyText = "We have has both the Ace and King of " + SuitName(suit);
            }

    // 6. The suit dummy bid the least.
    if (card == 0) {
        bool leastBid = false;
        int suit = DummysSuit(leastBid);
        if (suit >= 1 && suit <= 4 && suit != G.TrumpSuit &&
            !((HasCard(suit, Ace) && HasCard(suit, Queen)) || Top(suit) == King)) {
            if (CountInSuit(leader, suit) == 2) {
                card = MyHighest(suit);
                G.WhyText = "The Dummy bid " + SuitName(suit) + "and you have 2";
            } else {
                card = MyLowest(suit);
                if (card != 0)
                    G.WhyText = leastBid ? "The Dummy bid " + SuitName(suit) +
                                               "the least number of times. "
                                         : "The Dummy bid " + SuitName(suit) + ", so go low. ";
            }
        }
    }

    // 7. Our best suit.
    int best = G.SeatInfo[leader].MainSuit;
    if (card == 0 && best >= 1 && best <= 4 && best != G.TrumpSuit &&
        CountInSuit(leader, best) > 3 && Top(best) > 9) {
        if (Top(best) == King && HasCard(best, Queen)) {
            card = MySecondHighest(best);
            G.WhyText = "Your best suit is " + SuitName(best) +
                        "and your highest is the King and you also have the Queen";
        } else if (!((HasCard(best, Ace) && HasCard(best, Queen)) || Top(best) == King)) {
            card = MyFourthHighest(best);
            G.WhyText = "Your best suit is " + SuitName(best) +
                        "and you do not have 2 of the top 3, so 4th down from the longest "
                        "strongest";
        }
    }

    // 8. Our second suit.
    int second = G.SeatInfo[leader].SecondSuit;
    if (card == 0 && second >= 1 && second <= 4 && CountInSuit(leader, second) > 3 &&
        Top(second) > 9 &&
        !((HasCard(second, Ace) && HasCard(second, Queen)) || Top(second) == King)) {
        card = MyFourthHighest(second);
        G.WhyText = "Your second best suit is " + SuitName(second) +
                    "and you do not have the Ace and the King or Queen, so 4th down from the "
                    "second longest strongest";
    }

    // 9. Trump contract: top of nothing, or a small trump to cut dummy's ruffs.
    if (card == 0 && !NoTrumpContract()) {
        int trumps = G.TrumpSuit;
        bool noTrumps = CountInSuit(leader, trumps) == 0;
        bool highTrump = Top(trumps) >= 9;
        if (noTrumps || highTrump || sideVoid) {
            int weakest = WeakestSuit(leader);
            if (weakest != 0 && G.SuitInfo[leader][weakest].TimesBid == 0) {
                card = MyHighest(weakest);
                G.WhyText = "Top of nothing, because ";
                AddWhy(noTrumps    ? "we have no trump. "
                       : highTrump ? "we have trump higher than an 8. "
                                   : "we have a void. ");
                AddWhy("So don`t lead trump. ");
            }
        } else {
            card = MyLowest(trumps);
            G.WhyText = "Smallest trump, force out dummys trump";
        }
    }

    // 10. Last resort: fourth best of the longest suit.
    if (card == 0) {
        int longest = LongestSuit(leader);
        card = MyFourthHighest(longest);
        G.WhyText = "Your best suit is " + SuitName(longest) +
                    "so 4th down from the second longest strongest";
    }

    PlayLead(leader, card);
}

void DefensiveLead() {
    G.WhyText.clear();
    int card = 0;
    int leader = G.Leader;
    G.CurrentSeat = leader;
    int partner = PartnerOf(leader);
    int lho = PlayerAt(leader, 1), rho = PlayerAt(leader, -1);
    int trumps = G.TrumpSuit;
    bool noTrump = NoTrumpContract();
    InferPartnerLengths(leader);

    auto secondRank = [](int suit) { return CardRank(NextLowerCard(suit, Top(suit))); };

    // 1. The last trick: our last card.
    if (G.TricksPlayed == 12)
        for (int suit = 1; suit <= 4 && card == 0; ++suit)
            if (Holds(suit)) {
                card = MyHighest(suit);
                G.WhyText = "Lead our last card. ";
            }

    // 2. Partner is out of trumps and the declaring side is not: draw their trumps.
    if (card == 0 && !noTrump && KnownVoid(partner, trumps) && !KnownVoid(G.Dummy, trumps) &&
        !KnownVoid(G.Declarer, trumps) && Holds(trumps)) {
        G.WhyText = "Trump is not no trump and our partner is out of trump but neither the dummy or "
                    "the declarer is out of trump ";
        if (Top(trumps) > HighestOut(trumps)) {
            card = MyHighest(trumps);
            AddWhy("our highest is higher than the highest out, so go high ");
        } else {
            card = MySecondHighest(trumps);
            AddWhy("our highest is not higher than the highest out, so second high ");
        }
    }

    // 3. No Trump: back to the suit of the opening lead, or through the dummy.
    if (card == 0 && noTrump) {
        G.WhyText = "Trump is no trump, ";
        int f = OpeningLeadSuit();
        int dummyTop = HighestRankOf(G.Dummy, f);
        if (CountInSuit(G.Dummy, f) == 1 && dummyTop > 9 && Holds(f)) {
            AddWhy("the dummy has only 1 of the suit lead on the first trick, so lead the lowest "
                   "over the dummy card if possible, else go low ");
            card = NextHigherCard(f, dummyTop);
        } else if (Holds(f)) {
            if (Top(f) > HighestOut(f)) {
                if (CardRank(MySecondHighest(f)) > HighestOut(f)) {
                    AddWhy("we have some of the first lead suit, and our second highest is higher "
                           "than the highest out, play our highest ");
                    card = MyHighest(f);
                } else if (CountSeen(leader, f) > 10) {
                    AddWhy("we have some of the first lead suit, and our second highest is not "
                           "higher than the highest out, but we have seen at least 10, play our "
                           "highest ");
                    card = MyHighest(f);
                }
            }
            if (card == 0 && rho == G.Dummy) {
                AddWhy("player on our right is the dummy, so lead the lowest over the dummy highest "
                       "card if possible, else go low in the first lead suit ");
                card = NextHigherCard(f, dummyTop);
            } else if (card == 0 && lho == G.Dummy) {
                AddWhy("player on our left is the dummy, ");
                if (CountInSuit(leader, f) > 2) {
                    AddWhy("we have more than 2 of the first lead suit, go low ");
                    card = MyLowest(f);
                } else {
                    AddWhy("we have less than 3 of the first lead suit, go high");
                    card = MyHighest(f);
                }
            }
        } else {
            AddWhy("we are out of the suit lead on the first trick ");
            if (G.TricksPlayed > 7 || OneMoreTrickSets())
                for (int suit = 1; suit <= 4 && card == 0; ++suit)
                    if (Holds(suit) && Top(suit) > HighestOut(suit)) {
                        card = MyHighest(suit);
                        AddWhy("tricks played > 7 or any winning trick sets them lead our winner ");
                    }
            if (card == 0 && rho == G.Dummy) {
                int s = DummyTopSuit(false);
                if (s != 0 && HighestOut(s) > Top(s) &&
                    CountOutBetween(s, HighestOut(s), Top(s)) > 0) {
                    AddWhy("we leading through the declarer, to the dummys low suit, go high ");
                    card = MyHighest(s);
                }
            } else if (card == 0 && lho == G.Dummy) {
                int s = DummyTopSuit(true);
                if (s != 0) {
                    AddWhy("we leading through the dummy, to the dummys high suit, go second high ");
                    card = MySecondHighest(s);
                }
            }
            if (card == 0) {
                int longest = 0;
                for (int suit = 1; suit <= 4; ++suit)
                    if (longest == 0 || CountInSuit(leader, suit) > CountInSuit(leader, longest))
                        longest = suit;
                AddWhy("cant lead through the dummys high suit or to his low suit, so we lead our "
                       "longest suit, the fourth down ");
                card = MyFourthHighest(longest);
            }
        }
    }

    // 4. Back to the suit the defence led last, unless the dummy ruffs it.
    int s = G.Play.LastDefenceLeadSuit;
    if (card == 0 && s >= 1 && s <= 4 && Holds(s)) {
        bool dummyRuffs = CountInSuit(G.Dummy, s) == 0 && !noTrump && CountInSuit(G.Dummy, trumps) > 0;
        bool skip = (dummyRuffs && rho == G.Dummy) ||
                    (dummyRuffs && (!KnownVoid(partner, s) || KnownVoid(partner, trumps)));
        if (!skip) {
            AddWhy("The last defensive lead was " + SuitName(s, -1));
            if (CountInSuit(G.Dummy, s) > 0)
                AddWhy("The the dummy still has some of these. ");
            else if (!noTrump && CountInSuit(G.Dummy, trumps) == 0)
                AddWhy("The dummy is out of trump and this suit. ");
            else
                AddWhy("Our partmer has not shown out of trump yet, but he is out of this and plays "
                       "after the dummy who can trump. ");
            if (HighestOut(s) < Top(s)) {
                AddWhy("We should go high with this because we have the highest in this suit. ");
                card = MyHighest(s);
            } else {
                if (CountInSuit(leader, s) > 1)
                    AddWhy("We should go second highest with this because we do not have the "
                           "highest in this suit. ");
                card = NextLowerCard(s, Top(s));
            }
        }
    }

    // 5. The suit partner signalled with his first discard.
    int signal = G.Play.DiscardSignalSuit[partner];
    if (card == 0 && signal != 0 && Holds(signal)) {
        card = MyLowest(signal);
        AddWhy("we have some of our partner`s first sluffed suit ");
    }

    // 6. A suit already led that both declarer and the dummy still follow.
    for (int suit = 1; suit <= 4 && card == 0; ++suit) {
        if (!SuitLedBefore(suit) || KnownVoid(G.Declarer, suit) || CountInSuit(G.Dummy, suit) == 0 ||
            !Holds(suit))
            continue;
        int r2 = secondRank(suit);
        if (r2 > HighestOut(suit) && OutstandingCount(suit) > 0) {
            AddWhy("This suit has already been lead, we know the dummy is not out and we don`t "
                   "think the declarer is out ");
            AddWhy("our second highest card is higher than the highest out there is still at "
                   "least 1  " +
                   SuitName(suit) + "so lead our second highest ");
            card = MySecondHighest(suit);
        } else if (r2 <= HighestOut(suit)) {
            AddWhy("This suit has already been lead, we know the dummy is not out and we don`t "
                   "think the declarer is out ");
            AddWhy("our second highest card is not higher than the highest out so lead our "
                   "highest ");
            card = MyHighest(suit);
        }
    }

    // 7. A suit in which we hold the highest card.
    for (int suit = 1; suit <= 4 && card == 0; ++suit) {
        if (!Holds(suit) || Top(suit) <= HighestOut(suit)) continue;
        int r2 = secondRank(suit);
        if (r2 > HighestOut(suit)) {
            bool dummyRuffs = CountInSuit(G.Dummy, suit) == 0 && !noTrump &&
                              CountInSuit(G.Dummy, trumps) > 0;
            if (dummyRuffs && rho == G.Dummy) continue;
            if (dummyRuffs && (!KnownVoid(partner, suit) || KnownVoid(partner, trumps))) continue;
            if (!noTrump && suit == trumps &&
                (KnownVoid(G.Dummy, trumps) || KnownVoid(G.Declarer, trumps)))
                continue;
            if (OutstandingCount(suit) > 0) {
                card = MySecondHighest(suit);
                if (!noTrump && suit == trumps)
                    AddWhy("This suit has not already been lead and our second highest card is "
                           "higher than the highest out this suit is trump and we beleive both "
                           "offense players have some, we have not seen all of these so play our "
                           "second highest ");
                else
                    AddWhy("This suit has not already been lead and our second highest card is "
                           "higher than the highest out if the dummy is on our right and has some "
                           "or is out of trump of if the dummy is on our left and we believe our "
                           "partner might be able to over trump the dummy this suit is not trump, "
                           "we have not seen all of these so play our second highest ");
            }
        } else {
            card = MyHighest(suit);
            AddWhy("This suit has not already been lead and our second highest card is not higher "
                   "than the highest out. ");
        }
    }

    // 8. Lead through the dummy's strength, or up to its weakness.
    if (card == 0 && lho == G.Dummy) {
        AddWhy("We are leading through the dummy ");
        for (int suit = 1; suit <= 4; ++suit) {
            int top = Top(suit);
            if (G.PartnerBidCount[suit] > 0 && Holds(suit) && !SeatHolds(G.Dummy, suit, top - 1) &&
                !SeatHolds(G.Dummy, suit, top + 1)) {
                card = MyHighest(suit);
                AddWhy(std::string("for Club to spade our partner bid") + SuitName(suit) +
                       "the dummy does not have one higher or lower than our highest card" +
                       "then go high ");
            }
        }
        if (card == 0) {
            int high = DummyTopSuit(true);
            if (high != 0) {
                card = MySecondHighest(high);
                AddWhy(SuitName(high) +
                       "is not trump it is the suit in which the dummy has the highest card, so "
                       "play second highest ");
            }
        }
    } else if (card == 0 && rho == G.Dummy) {
        AddWhy("We are leading through the declarer ");
        for (int suit = 1; suit <= 4; ++suit) {
            int top = Top(suit);
            if (G.PartnerBidCount[suit] > 0 && Holds(suit) && !SeatHolds(G.Dummy, suit, top - 1)) {
                card = MyHighest(suit);
                AddWhy(std::string("for Club to spade our partner bid") + SuitName(suit) +
                       "the dummy does not have one lower than our highest card" + "then go high ");
            }
        }
        int low = DummyTopSuit(false);
        if (low != 0 && HighestOut(low) > Top(low) &&
            CountOutBetween(low, HighestOut(low), Top(low)) > 0) {
            AddWhy(SuitName(low) + "is not trump it is the suit in which the dummy has the lowest card, " +
                   "and the highest out > our highest by 1, so play highest ");
            card = MyHighest(low);
        }
    }

    // 9. A small trump when the dummy is short of trumps.
    if (card == 0 && !noTrump && CountInSuit(G.Dummy, trumps) < 3 && Holds(trumps)) {
        AddWhy("leading to and through rules failed, trump is not no trump dummy has less than 3 "
               "trump, go low ");
        card = MyLowest(trumps);
    }

    // 10. Only one suit left.
    if (card == 0) {
        AddWhy("leading to and through rules failed, ");
        int held = 0, only = 0;
        for (int suit = 1; suit <= 4; ++suit)
            if (Holds(suit)) {
                ++held;
                only = suit;
            }
        if (held == 1) {
            AddWhy("this is the only suit left, go low ");
            card = MyLowest(only);
        }
    }

    // 11. A suit nobody else holds.
    for (int suit = 1; suit <= 4 && card == 0; ++suit)
        if (Holds(suit) && CountSeen(leader, suit) == 13) {
            AddWhy("nobody else has any of these ");
            card = MyLowest(suit);
        }

    // 12. Partner may hold the card above ours: lead the second card of touching ones.
    for (int suit = 1; suit <= 4 && card == 0; ++suit) {
        if (!Holds(suit) || HighestOut(suit) <= Top(suit)) continue;
        if (CountOutBetween(suit, HighestOut(suit), Top(suit)) == 0 ||
            CountOutBetween(suit, Top(suit), CardRank(MySecondHighest(suit))) == 0) {
            AddWhy("suit Club to spade, the high out > our highest I think if our two highest "
                   "cards are the same then play the little one ");
            card = MySecondHighest(suit);
        }
    }

    // 13. Nothing fits: the card we would discard.
    if (card == 0) {
        AddWhy("TOTAL DESPERATION GONE TO SLUFF !!!! ");
        card = ChooseDiscard(leader);
    }

    PlayLead(leader, card);
}

}  // namespace kestrel
