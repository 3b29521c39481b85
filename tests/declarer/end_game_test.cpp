// The End Game plan: the last cards, seeing to the end, and the fall back from the other plans.
#include "play/play_fixture.h"

namespace kestrel::test {
namespace {

class EndGameTest : public PlayTest, public ::testing::WithParamInterface<PlayCase> {};

TEST_P(EndGameTest, LeadsAsExpected) { ExpectDecision(GetParam()); }

const PlayCase kEndGameCases[] = {
    // 3NT, two cards left, both clubs, neither above the highest out: the second highest.
    {"TwoClubsLeftNoWinner", "N:Q3.743.K9832.Q96 AJ85.AQ5.AT65.J4 7642.J92.Q4.T753 KT9.KT86.J7.AK82",
     "N", "P 1D P 2C P 2S P 2N P 3N P P P",
     "D3 D5 DQ D7 D4 DJ DK DA HA H2 H6 H4 HQ H9 H8 H7 S5 S7 SK S3 CA C6 C4 C3 CK C9 CJ C5 HK H3 H5 "
     "HJ HT CQ D6 C7 ST SQ SA S4 S8 S6 S9 D8",
     "W", "C2",
     "Clubs is the only suit in which we have any left.We don`t have the highest card in the suit, "
     "so lead our second highest. "},
    // 2NT: partner's winners reach the contract, no lead to them outside the opening suit, so
    // out of ideas and low in the first suit held from spades down.
    {"WinnersAllHis", "N:AK3.KT9.T72.JT54 42.J8753.K8653.8 Q76.Q2.AQJ9.KQ92 JT985.A64.4.A763", "N",
     "P P 1C P 2C P 2D P 2N P P P",
     "D5 D9 D4 D2 CK CA C4 C8 C7 C5 D3 CQ S6 SJ SA S4 S3 S2 SQ S5 C2 C3 CJ H3 CT H5 C9 C6 SK H7 S7 "
     "S8",
     "N", "H9",
     "We can see to the end and the winners are all his outta ideas, no trump, we have some of these "
     "spades to Club go low"},
    // 1NT: our winners reach the contract but none is left to cash in our hand.
    {"WinnersAllOurs", "E:AQ5.A32.Q32.A972 762.KQJ.AK74.Q65 JT94.8654.T985.K K83.T97.J6.JT843", "E",
     "1N P P P",
     "D4 D5 DJ DQ D2 D7 DT D6 S4 SK SA S6 C2 C5 CK C3 S9 S8 S5 S7 ST S3 SQ S2 CA C6 D8 C4 HA HJ H4 H7",
     "E", "H2",
     "We can see to the end and the winners are all ours outta ideas, no trump, we have some of these "
     "spades to Club go low"},
    // High Cards and Out in No Trump finds no lead and falls back to End Game.
    {"HighCardsFallsBackToEndGame",
     "N:A3.Q986.986.J753 J964.AKJ5.AJ75.4 KQ82.432.K42.AQT T75.T7.QT3.K9862", "N",
     "P 1D X P 1H P 1N P P P",
     "DQ D6 D5 DK D2 D3 D9 DJ DA D4 DT D8 D7 CT C2 S3 C4 CA C6 C3 CQ CK C5 H5 S7 SA S4 S2 CJ S6 H2 C9",
     "N", "H6",
     "High Cards and Out. Our best suit is could not find a lead in high and out so off to end "
     "gameoutta ideas, no trump, we have some of these spades to Club go low"},
};

INSTANTIATE_TEST_SUITE_P(Positions, EndGameTest, ::testing::ValuesIn(kEndGameCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The fall back to End Game lasts for the rest of the hand.
TEST_F(EndGameTest, FallBackSwitchesThePlan) {
    const PlayCase& c = kEndGameCases[3];
    Decision d = Decide(c.deal, c.dealer, c.auction, c.play);
    ASSERT_EQ(d.status, 0) << d.error;
    EXPECT_EQ(G.DeclarerPlan, 4);
}

}  // namespace
}  // namespace kestrel::test
