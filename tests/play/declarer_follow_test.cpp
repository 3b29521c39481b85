// Declarer's and dummy's following play, on positions replayed through the normal flow.
#include "play/play_fixture.h"

namespace kestrel::test {
namespace {

// 4S by South, West on lead. North: QJ3.654.A732.AQ7, South: KT9865.A32.J6.96.
constexpr const char* kDealB =
    "N:QJ3.654.A732.AQ7 72.QJT98.T98.KT5 KT9865.A32.J6.96 A4.K7.KQ54.J8432";

// 4S by South. North: AKQ..5432.765432, South: 98765.AKQ2.A6.AK; East holds no heart.
constexpr const char* kRuff =
    "N:AKQ..5432.765432 T32..QJT987.JT98 98765.AKQ2.A6.AK J4.JT9876543.K.Q";
// North: AT4.AK2.AK32.432, South: 98762.543.54.AKQ; king, queen, jack, five, three of trumps out.
constexpr const char* kTrap =
    "N:AT4.AK2.AK32.432 KQ5.876.9876.765 98762.543.54.AKQ J3.QJT9.QJT.JT98";
// 3NT by South. North: Q4.76.AJ765.K654, South: AK2.54.K432.A732.
constexpr const char* kNoTrump =
    "N:Q4.76.AJ765.K654 7653.T9832.98.98 AK2.54.K432.A732 JT98.AKQJ.QT.QJT";

// 4S by South. North: 543.654.65.AK432, South: AKQJ2.AK32.A432 (no club).
constexpr const char* kVoid =
    "N:543.654.65.AK432 876.987.T987.765 AKQJ2.AK32.A432. T9.QJT.KQJ.QJT98";
// 4S by South. North: AQ3.AK3.AK32.432, South: 9872.654.654.AKQ; K J T 6 5 4 of trumps out.
constexpr const char* kFinesse =
    "N:AQ3.AK3.AK32.432 T54.872.987.8765 9872.654.654.AKQ KJ6.QJT9.QJT.JT9";
// 3NT by South. North: 432.76.AJ765.K65, South: AK5.54.K432.A732.
constexpr const char* kNoTrumpShort =
    "N:432.76.AJ765.K65 876.T9832.98.984 AK5.54.K432.A732 QJT9.AKQJ.QT.QJT";

class DeclarerFollowTest : public PlayTest, public ::testing::WithParamInterface<PlayCase> {};

TEST_P(DeclarerFollowTest, PlaysTheRuleCardWithItsReasons) { ExpectDecision(GetParam()); }

const PlayCase kCases[] = {
    // Partner's jack is below the king out and an outstanding card lies between: win it.
    {"SecondHandTakesWithTheAce", kDealB, "S", "1S P 4S P P P", "D4", "N", "DA",
     "We are on the offense in the second position, the trump is not no trump, and our partner "
     "has some Diamonds so he will have to follow suit. Our partner does not have the highest, so "
     "we want to take this if we can. Our highest card beats anything out there, so go high "},
    // Partner is winning: fourth hand ducks.
    {"FourthHandDucksUnderPartner", kDealB, "S", "1S P 4S P P P", "D4 DA D8", "S", "D6",
     "We are on the offense in the fourth position, our partner is already taking this trick we "
     "have some left so duckit "},
    // West leads the king; South holds the ace over it and dummy's low cards touch South's:
    // no cover from dummy.
    {"SecondHandDucksWhenPartnerHoldsTheAce", kDealB, "S", "1S P 4S P P P", "HK", "N", "H4",
     "We are on the offense in the second position, the trump is not no trump, and our partner "
     "has some Hearts so he will have to follow suit. and our partner has the highest, so look for "
     "cover is true Our partner has the same card and we have less then three in the suit that "
     "was lead, we will duck it instead of covering"},
    // East's queen beats dummy's four: fourth hand wins with its cheapest winner.
    {"FourthHandTakesItLow", kDealB, "S", "1S P 4S P P P", "HK H4 HQ", "S", "HA",
     "We are on the offense in the fourth position, and our partner is not taking this trick. We "
     "have more than one we can take this trick, so take it low. "},
    // Dummy leads a low heart and East plays the queen under the king out: third hand high.
    {"ThirdHandHigh", kDealB, "S", "1S P 4S P P P", "DK DA D8 D6 H4 HQ", "S", "HA",
     "We are on the offense in the third position. We have to follow suit, and we have a choice. "
     "The highest card played so far is less then the highest card out in this suit. We want to "
     "take this if we can. third hand high."},
    // Dummy void in hearts, South's king above every heart out, East known to be out of hearts
    // but not of trumps, dummy holding three of the top trumps with five out: dummy ruffs its
    // partner's winner.
    {"ThirdHandRuffsPartnersWinner", kRuff, "S", "1S P 4S P P P", "DK D2 D7 DA HA H3 C2 D8 HK H4",
     "N", "SA",
     "We are on the offense in the third position. We are out of Hearts and our partner is "
     "taking this trick. Our partner`s play is higher than the highest out and we know the "
     "player behind us is out of this suit too, but we don`t know if he is out of trump. We have "
     "the highest trump. we have  3 above the highest out which > half the number of trump we "
     "have not seen or we can cross ruff out, so trump rules This trick has not been trumped, we "
     "know the player to our left is out of Hearts but we don`t think he is out of trump so take "
     "it high. "},
    // 6S: South leads a trump towards dummy's A-T-4 with king and queen out and one spare
    // defence trick: dummy plays the ten, the five still out between it and the two.
    {"ThirdHandTrumpTrapPlaysTheTen", kTrap, "S", "1S P 6S P P P", "CJ C2 C5 CA S2 S3", "N", "ST",
     "We are on the offense in the third position. We have to follow suit, and we have a choice. "
     "The highest card played so far is less then the highest card out in this suit. We want to "
     "take this if we can. because the king and queen are out and we cant lose many we need to "
     "pass on the ace so we can be sure to trap one of them. "},
    // Dummy is void in hearts and South holds the ace over West's jack: no trick to take, so
    // dummy discards.
    {"SecondHandVoidDiscardsUnderPartnersAce", kRuff, "S", "1S P 4S P P P", "HJ", "N", "D2",
     "We are on the offense in the second position, the trump is not no trump, and our partner "
     "has some Hearts so he will have to follow suit. and our partner has the highest, so look for "
     "cover is true sluff rules. We have some Clubs  but this is a suit we want to establish. We "
     "have some Diamonds and we have no reason to keep any."},
    // South is void in clubs with trumps: dummy takes West's queen as cheaply as it can.
    {"SecondHandPartnerVoidWithTrumpsTakes", kVoid, "S", "1S P 4S P P P", "CQ", "N", "CK",
     "We are on the offense in the second position, Our partner cant follow suit, but he has "
     "trump, our highest is higher than the highest out, so we want to take this trick if we can. "
     "Although we would like to take this trick the high card on the table is a face card, so "
     "lowest over "},
    // Dummy ducked, West's queen wins: South, void, ruffs.
    {"FourthHandVoidRuffs", kVoid, "S", "1S P 4S P P P", "CQ C2 C5", "S", "S2",
     "We are on the offense in the fourth position, and our partner is not taking this trick. We "
     "have none, so let`s trump. This trick has not been trumped, We are the last to play, so "
     "trump it low. "},
    // South's ace of hearts is winning: dummy follows low.
    {"ThirdHandDucksUnderPartnersWinner", kVoid, "S", "1S P 4S P P P", "CQ CK C5 S2 HA HT", "N",
     "H4",
     "We are on the offense in the third position. We have to follow suit, and we have a choice. "
     "our partner is taking this trick, so duckit "},
    // South leads a low trump, West plays the six: dummy's A Q 3 with the king out finesses.
    {"ThirdHandTakesTheFinesse", kFinesse, "S", "1S P 4S P P P", "CJ C2 C5 CA S2 S6", "N", "SQ",
     "We are on the offense in the third position. We have to follow suit, and we have a choice. "
     "The highest card played so far is less then the highest card out in this suit. We want to "
     "take this if we can. We want to look to see if we can finesse because we have only one "
     "card higher than the highest out, and we have not seen all of this suit. We have at least 2 "
     "cards that can take this trick right now and they are not adjacent. We have a finesse, take "
     "it. "},
    // 3NT: dummy's K 6 5 of clubs opposite South's four: high on the short side.
    {"SecondHandHighOnTheShortSideInNoTrump", kNoTrumpShort, "S", "1N P 3N P P P", "CT", "N",
     "CK",
     "We are on the offense in the second position, trump is no trump, and suit lead is not a "
     "suit to fear, so we go high on the short side "},
    // 3NT: West leads the ace of hearts, a suit to fear (0 points, 9 out); dummy cannot beat it.
    {"SecondHandLowInASuitToFear", kNoTrump, "S", "1N P 3N P P P", "HA", "N", "H6",
     "We are on the offense in the second position, Second hand low. "},
    // West's diamond ace is ruffed by East: South, with two diamonds, ducks.
    {"FourthHandDucksATrumpedTrick",
     "N:432.AK2.K432.432 9876.T9876..9876 AKQJT.543.65.AK5 5.QJ.AQJT987.QJT", "S",
     "1S P 4S P P P", "DA D2 S6", "S", "D5",
     "We are on the offense in the fourth position, and our partner is not taking this trick. We "
     "have more than one this trick has been trumped, so duck it. "},
    // Dummy kept the ace over East's queen; South's king is also its cheapest winner: the king
    // wins and the ace stays as the way to dummy.
    {"FourthHandSavesTheEntryToPartner",
     "N:432.A432.K432.43 9876.Q76.987.762 AKQJT.KJ5.65.AK5 5.T98.AQJT.QJT98", "S",
     "1S P 4S P P P", "H8 H2 HQ", "S", "HK",
     "We are on the offense in the fourth position, and our partner is not taking this trick. We "
     "have more than one we can take this trick without using our top card, but let`s save the "
     "entry to our partner`s hand, so take it high. "},
    // West's jack beats South's two; dummy, void, ruffs low.
    {"ThirdHandVoidRuffsWhenPartnerIsBeaten", kRuff, "S", "1S P 4S P P P",
     "DK D2 D7 DA H2 HJ", "N", "SQ",
     "We are on the offense in the third position. We are out of Hearts and our partner is not "
     "taking this trick. the player about to play is not out of this suit, by seen in suit This "
     "trick has not been trumped, We don`t think the player to our left is out of Hearts so trump "
     "it low. "},
    // The same, East having shown out of hearts earlier.
    {"ThirdHandVoidRuffsWithTheLastPlayerOut", kRuff, "S", "1S P 4S P P P",
     "DK D2 D7 DA HA H3 C2 D8 H2 HJ", "N", "SA",
     "We are on the offense in the third position. We are out of Hearts and our partner is not "
     "taking this trick. The player on our left is out of this suit and we have not seen more "
     "than 11, and our partner is not taking this trick, so trump it. This trick has not been "
     "trumped, we know the player to our left is out of Hearts but we don`t think he is out of "
     "trump so take it high. "},
    // 3NT: dummy has run out of spades.
    {"ThirdHandVoidInNoTrumpDiscards", kNoTrump, "S", "1N P 3N P P P",
     "CQ C4 C8 CA SA S8 S4 S3 SK S9 SQ S5 S2 ST", "N", "C5",
     "We are on the offense in the third position. We are out of Spades and there is no trump. We "
     "have some Clubs and we have no reason to keep any.We have some Diamonds  but we are playing "
     "no trump, this is our longest suit. We have some Hearts and we have no reason to keep "
     "any.Found a loser in Clubs that we can sluff. "},
    // Trumps drawn: dummy, out of them, discards under South's jack.
    {"ThirdHandWithoutTrumpsDiscards", kVoid, "S", "1S P 4S P P P",
     "CQ CK C5 S2 SA S9 S3 S6 SK ST S4 S7 SQ CJ S5 S8 SJ CT", "N", "C2",
     "We are on the offense in the third position. We are out of Spades and trump. We have some "
     "Clubs and we have no reason to keep any.We have some Diamonds and we have no reason to keep "
     "any.We have some Hearts and we have no reason to keep any.Found a loser in Clubs that we can "
     "sluff. "},
    // Long Suit Establishment: South has no trumps and the diamonds to set up; dummy, the short
    // hand, protects them.
    {"SecondHandLongSuitProtectionLow",
     "N:AKQJT98.943.2.32 432.765.43.98764 .AK2.AKQJT98.AK5 765.QJT8.765.QJT", "S",
     "1S P 4S P P P", "HQ", "N", "H3",
     "We are on the offense in the second position, type of plan Long Suit, trump is not no "
     "trump, our partner has no trump, but there are still trump out our partner has some Hearts "
     "and he still has a suit to establish we can not go over the highcard, so low "},
    {"SecondHandLongSuitProtectionHigh",
     "N:AKQJT98.943.2.32 432.765.43.98764 .AK2.AKQJT98.AK5 765.QJT8.765.QJT", "S",
     "1S P 4S P P P", "H8", "N", "H9",
     "We are on the offense in the second position, type of plan Long Suit, trump is not no "
     "trump, our partner has no trump, but there are still trump out our partner has some Hearts "
     "and he still has a suit to establish we can go over the highcard, so high "},
    {"SecondHandLongSuitProtectionRuffs",
     "N:AKQJT98.9543.32. 432.76.54.876432 .AK2.AKQJT98.AK5 765.QJT8.76.QJT9", "S",
     "1S P 4S P P P", "CQ", "N", "S8",
     "We are on the offense in the second position, type of plan Long Suit, trump is not no "
     "trump, our partner has no trump, but there are still trump out our partner has some Clubs "
     "and he still has a suit to establish we have none so trumpit This trick has not been "
     "trumped, We don`t think the player to our left is out of Clubs so trump it low. "},
    // 3NT, hearts a suit to fear: dummy's jack-two under the ace.
    {"SecondHandShortHonourInASuitToFear",
     "N:Q4.J2.AJ765.K654 7653.98763.98.98 AK2.54.K432.A732 JT98.AKQT.QT.QJT", "S",
     "1N P 3N P P P", "HK", "N", "HJ",
     "We are on the offense in the second position, trump is no trump, and suit lead is a suit to "
     "fear, so we don`t want to play our highest, unless it is lower than the highest out and we "
     "have less than 3 in this suit "},
    // 3NT, hearts a suit to fear: dummy's king-queen covers West's jack with the queen.
    {"SecondHandCoversWithKingQueenInASuitToFear",
     "N:Q4.KQ2.AJ765.K65 7653.8763.98.984 AK2.54.K432.A732 JT98.AJT9.QT.QJT", "S",
     "1N P 3N P P P", "HJ", "N", "HQ",
     "We are on the offense in the second position, trump is no trump, and suit lead is a suit we "
     "are afraid of, so since we have the King and Queen we need to cover this honor. "},
    // West leads a trump into dummy, which holds the side suit; declarer's trumps are good, so
    // dummy neither covers nor tries to win.
    {"SecondHandSideSuitHandLeavesTrumpsToPartner",
     "N:52.AK32.AKQJT98. 43.876.2.JT98765 AKQJ98.954.3.432 T76.QJT.7654.AKQ", "S",
     "1S P 4S P P P", "S6", "N", "S2",
     "We are on the offense in the second position, the trump is not no trump, and our partner "
     "has some Spades so he will have to follow suit. and our partner has the highest, so look "
     "for cover is true Second hand low. "},
    // South is the hand to lead the trump finesse from and East has the lead: South wants it back.
    {"SecondHandTrumpFinesseHandWantsTheLead",
     "N:AQ3.AK3.AK32.432 T54.872.987.K876 9872.654.654.AQJ KJ6.QJT9.QJT.T95", "S",
     "1S P 4S P P P", "C5 C2 CK CJ H2", "S", "H6",
     "We are on the offense in the second position, the trump is not no trump, and our partner "
     "has some Hearts so he will have to follow suit. and our partner has the highest, so look for "
     "cover is true We determined in make plan that we need the lead asap, to lead trump to our "
     "partner, so we will try to take this if we can. Our highest card and our second highest "
     "card are the same, so go high "},
    // West shows out of trumps; East holds K J 9 over dummy's A T 3: the ten forces the king.
    {"ThirdHandForcesTheNextPlayerHigh",
     "N:AT3.AK2.K32.5432 KJ9.7654.8765.T9 Q876542.QJ3.A4.A .T98.QJT9.KQJ876", "S",
     "1S P 4S P P P", "CK C2 C9 CA S2 C6", "N", "ST",
     "We are on the offense in the third position. We have to follow suit, and we have a choice. "
     "The highest card played so far is less then the highest card out in this suit. We want to "
     "take this if we can. We need to force the next player high. "},
    // The same with dummy's A K 3 and Q J 9 behind it: take the two.
    {"ThirdHandTakesWithAllTrumpsBehind",
     "N:AK3.AK2.K32.5432 QJ9.7654.8765.T9 T876542.QJ3.A4.A .T98.QJT9.KQJ876", "S",
     "1S P 4S P P P", "CK C2 C9 CA S2 C6", "N", "SA",
     "We are on the offense in the third position. We have to follow suit, and we have a choice. "
     "The highest card played so far is less then the highest card out in this suit. We want to "
     "take this if we can. We had better take this one. "},
    // South leads the jack, only the queen above it behind dummy: duck.
    {"ThirdHandDucksWithOneTrumpBehind",
     "N:AK3.AK2.K32.5432 Q98.7654.8765.T9 JT76542.QJ3.A4.A .T98.QJT9.KQJ876", "S",
     "1S P 4S P P P", "CK C2 C9 CA SJ C6", "N", "S3",
     "We are on the offense in the third position. We have to follow suit, and we have a choice. "
     "The highest card played so far is less then the highest card out in this suit. We want to "
     "take this if we can. Since all the trump is behind us, and he is going to win one, duck "
     "it. "},
    // East has shown out of trumps: dummy covers West's eight with the queen.
    {"ThirdHandCoversWhenTheLastPlayerIsOutOfTrumps",
     "N:Q743.AK2.K32.543 .765.8765.T98762 AK52.QJ43.AQ4.AK JT986.T98.JT9.QJ", "S",
     "1S P 4S P P P", "HT H2 H5 HQ SA S6 S3 C6 S2 S8", "N", "SQ",
     "We are on the offense in the third position. We have to follow suit, and we have a choice. "
     "The highest card played so far is less then the highest card out in this suit. We want to "
     "take this if we can. The player on our right is out of trump, cover the defenders "
     "highcard. "},
    // 3NT: South's singleton queen is winning, but dummy's A K are its only winners and South
    // has no way back to them: no ducking under partner's card.
    {"ThirdHandWithWinnersAndNoEntryDoesNotDuck",
     "N:5432.5432.AK32.2 876.76.7654.8543 AKQ.AKQJ.Q.AKQ76 JT9.T98.JT98.JT9", "S",
     "1N P 3N P P P", "SJ S2 S6 SA DQ D8", "N", "D2",
     "We are on the offense in the third position. We have to follow suit, and we have a choice. "
     "third hand high unless are highest is the same as the card our partner has played."},
    // East has shown out of trumps and dummy has many ways into South's hand, few back: dummy
    // wants the trick.
    {"ThirdHandTakesWhenTheLastPlayerIsOutOfSuitAndTrumps",
     "N:Q743.432.432.543 .765.8765.T98762 AK52.AKQJ.AKQ.AK JT986.T98.JT9.QJ", "S",
     "1S P 4S P P P", "HT H2 H5 HA SA S6 S3 C6 S2 S8", "N", "SQ",
     "We are on the offense in the third position. We have to follow suit, and we have a choice. "
     "trump is not no trump, the last player is out of both this suit and trump, and our partner "
     "has more entries than we do, so take trick is true The highest card played so far is less "
     "then the highest card out in this suit. We want to take this if we can. The player on our "
     "right is out of trump, cover the defenders highcard. "},
    // 3NT, trick nine: dummy has no fewer losers than South and no way in: it plays high at
    // once.
    {"ThirdHandLateInNoTrumpPlaysHigh",
     "N:2.8765.KQ3.87654 3.T94.JT7654.JT9 AKQJT98.32.2.A32 7654.AKQJ.A98.KQ", "S",
     "1N P 3N P P P",
     "CK C4 C9 CA SA S4 S2 S3 SK S5 C8 D4 SQ S6 C7 D5 SJ S7 C6 D6 ST CQ C5 D7 S9 HJ H8 CT S8 D8 "
     "H7 CJ D2 D9",
     "N", "DK",
     "We are on the offense in the third position. We have to follow suit, and we have a choice. "
     "The highest card played so far is less then the highest card out in this suit. We want to "
     "take this if we can. "},
    // West shows out of hearts without ruffing; East still holds the king: dummy's ace.
    {"ThirdHandGoesHighWhenThePlayerBeforeIsOut",
     "N:432.AQ2.K32.5432 98.KT9876.876.T9 AKQJT.J543.A4.AK 765..QJT95.QJ876", "S",
     "1S P 4S P P P", "CQ C2 C9 CA H3 D5", "N", "HA",
     "We are on the offense in the third position. We have to follow suit, and we have a choice. "
     "The highest card played so far is less then the highest card out in this suit. We want to "
     "take this if we can. We have not seen all the Hearts and the player before is out but did "
     "not trump, so go high. "},
    // South, the hand for the trump finesse, has shown out of diamonds; East leads another.
    // A singleton heart under the queen is waiting while dummy holds the diamond ace: no hurry
    // to win, South discards.
    {"SecondHandTrumpFinesseHandVoidWithABlockedSingletonDiscards",
     "N:AQ3.AK43.AK32.32 T5.8765.QJT54.54 98742.2..AKQJT98 KJ6.QJT9.9876.76", "S",
     "1S P 4S P P P", "D6 D2 DQ C8 DJ", "S", "H2",
     "We are on the offense in the second position, the trump is not no trump, and our partner "
     "has some Diamonds so he will have to follow suit. and our partner has the highest, so look "
     "for cover is true sluff rules. We have some Clubs  but this is a suit we want to establish. "
     "We have some Hearts  but we want to keep as many entries to our partner as he has winners "
     "in this suit. We have trump and this is our shortest suit, we have not decided. "},
    // The same with South's singleton heart the ace: South ruffs to get the lead.
    {"SecondHandTrumpFinesseHandVoidRuffs",
     "N:AQ3.K432.AK32.32 T5.8765.QJT54.54 98742.A..AKQJT98 KJ6.QJT9.9876.76", "S",
     "1S P 4S P P P", "D6 D2 DQ C8 DJ", "S", "S2",
     "We are on the offense in the second position, the trump is not no trump, and our partner "
     "has some Diamonds so he will have to follow suit. and our partner has the highest, so look "
     "for cover is true We determined in make plan that we need the lead asap, to lead trump to "
     "our partner, so we will try to take this if we can. trump it rules This trick has not been "
     "trumped, We don`t think the player to our left is out of Diamonds so trump it low. "},
    // West shows out of trumps; South's nine touches dummy's ten, K J behind: duck.
    {"ThirdHandDucksWhenForcingGainsNothing",
     "N:AT3.AK2.K32.5432 KJ5.7654.8765.T9 Q987642.QJ3.A4.A .T98.QJT9.KQJ876", "S",
     "1S P 4S P P P", "CK C2 C9 CA S9 C6", "N", "S3",
     "We are on the offense in the third position. We have to follow suit, and we have a choice. "
     "The highest card played so far is less then the highest card out in this suit. We want to "
     "take this if we can. We can not take this trick, so duck it. "},
    // East is out of trumps and South's nine is winning: dummy ducks.
    {"ThirdHandDucksUnderPartnerWhenTheLastPlayerIsOutOfTrumps",
     "N:Q754.AK2.K32.543 .765.8765.T98762 AK92.QJ43.AQ4.AK JT863.T98.JT9.QJ", "S",
     "1S P 4S P P P", "HT H2 H5 HQ SA S3 S4 C6 S9 S6", "N", "S5",
     "We are on the offense in the third position. We have to follow suit, and we have a choice. "
     "The highest card played so far is less then the highest card out in this suit. We want to "
     "take this if we can. The player on our right is out of trump, our partner has this one, "
     "duck it. "},
};

INSTANTIATE_TEST_SUITE_P(Positions, DeclarerFollowTest, ::testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace kestrel::test
