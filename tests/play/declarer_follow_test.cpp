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
    // 3NT: West leads the ace of hearts, a suit to fear (0 points, 9 out); dummy cannot beat it.
    {"SecondHandLowInASuitToFear", kNoTrump, "S", "1N P 3N P P P", "HA", "N", "H6",
     "We are on the offense in the second position, Second hand low. "},
};

INSTANTIATE_TEST_SUITE_P(Positions, DeclarerFollowTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kestrel::test
