// Declarer's and dummy's following play, on positions replayed through the normal flow.
#include "play/play_fixture.h"

namespace kestrel::test {
namespace {

// 4S by South, West on lead. North: QJ3.654.A732.AQ7, South: KT9865.A32.J6.96.
constexpr const char* kDealB =
    "N:QJ3.654.A732.AQ7 72.QJT98.T98.KT5 KT9865.A32.J6.96 A4.K7.KQ54.J8432";

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
};

INSTANTIATE_TEST_SUITE_P(Positions, DeclarerFollowTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kestrel::test
