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
    // 5CX by North, hand 15.
    {"LongSuitFallsBackToEndGame", "N:KJ9..AK.KJT96532 A8.T9874.643.AQ8 QT6543.KQ5.J982. 72.AJ632.QT75.74", "N", "2C P 2S P 5C X P P P",
     "SA S3 S7 S9 S8 ST S2 SJ CK C8 D2 C4 CJ CQ D8 C7 H9 HK HA C2 DA D3 D9 D5 DK D4 DJ D7 "
     "SK D6 S4 DT",
     "N", "C9",
     "Long Suit Est.\r\nWe have trump and so does the defense. No lead in Long Suit est so "
     "off to end gameClubs is the only suit in which we have any left.We don`t have the "
     "highest card in the suit, so lead our second highest. "},
    // 4S by South, hand 1.
    {"CrossRuffFallsBackOnLastTrick", "S:KJ75.K86.Q2.Q865 A9.3.AKJ9853.JT4 Q643.AJT972..AK7 T82.Q54.T764.932", "S", "P 1D X P 1S 2D 3S P 4S P P P",
     "H3 H7 HQ HK S5 S9 SQ S2 S3 S8 SK SA CT C7 C3 CQ SJ D3 S4 ST H8 C4 H2 H5 C8 CJ CA C9 "
     "CK C2 C5 D5 H9 H4 H6 D8 HA D4 D2 D9 HJ D6 DQ DJ HT D7 C6 DK",
     "N", "S6",
     "Cross Ruff.\r\nwe should be able to cross ruff out we should no longer try a finesse "
     "as we can see to the end  and it looks good, We found no play in Cross Ruff so off "
     "to end game.Spades is the only suit in which we have any left.Our highest is higher "
     "than the highest out. "},
    // 2H by North, hand 4.
    {"TwoCardsTrumpPartnerVoid", "E:543.4.AQJ6.KQ764 JT2.K92.KT543.AJ A98.Q853.987.T95 KQ76.AJT76.2.832", "E", "1D P 1N 2H P P P",
     "CQ CA C5 C2 S2 S8 SK S4 D2 DA D3 D8 CK CJ C9 C3 DQ DK D9 S6 H2 H3 HJ H4 H6 S3 HK H5 "
     "ST SA S7 S5 H8 HT C6 H9 SQ C7 SJ S9 HA C4 D4 HQ",
     "N", "H7",
     "Cross Ruff.\r\nWe found no play in Cross Ruff so off to end game.We have 2 cards and "
     "some trump our partner has no trump, and our highest trump is lower than the highest "
     "out trump, so lead low trump anyway?trump is our only winning suit "},
    // 5DX by West, hand 82.
    {"AllTrumpsOurs", "W:KT2.T.AQT754.976 J953.KJ7532.3.Q2 AQ74.A98.KJ.KJ85 86.Q64.9862.AT43", "W", "1D P 2S P 3D P 3N P 5D P P X P P P",
     "S3 S4 S6 ST DA D3 DJ D8 D4 H2 DK D6 HA H4 HT H3 S7 S8 SK S5 S2 SJ SA D2 D9 DT S9 C5 "
     "C9 CQ CK CA H6 D5 H5 H8 C6 C2 CJ C3 SQ C4 C7 H7",
     "E", "C8",
     "End Game.\r\nThey have no trump one of us has all trump, play anything"},
    // 5SX by South, hand 25.
    {"PartnersSecondAndFourth", "S:KT642.J93.K98.A2 AJ7.A5.AJ7532.87 Q98.K2.QT4.KT954 53.QT8764.6.QJ63", "S", "1S X 2C 2H 2S 3D 4S P P 5D 5S P P X P P P",
     "HA H2 H4 H3 H5 HK H6 H9 S8 S3 SK SA SJ SQ S5 S2 S9 C3 S4 S7 C4 C6 CA C8 C2 C7 CK CJ "
     "C9 CQ S6 D2",
     "S", "DK",
     "Cross Ruff.\r\nClubs  is our bestsuit because we can lead our partner`s winner We "
     "found no play in Cross Ruff so off to end game.They have no trump and our partner "
     "has the second and fourth highest unplayed cards in this suit. Our only hope is that "
     "they are in front of him and we lead to him. "},
    // 1H by North, hand 40.
    {"OneTrumpOutOurWinner", "E:96.T763.KQ4.K843 Q8432.542.T2.T75 KJT5.98.9875.AQ2 A7.AKQJ.AJ63.J96", "E", "P P P 1H P P P",
     "S9 SQ SK SA HA H3 H2 H8 HK H6 H4 H9 HQ H7 H5 C2 S7 S6 S2 ST SJ HJ D4 S3",
     "N", "DA",
     "Cross Ruff.\r\nWe found no play in Cross Ruff so off to end game.They have one trump "
     "Diamonds we has the highest and we don`t think they can trumpwe have the highest"},
    // 2D by South, hand 68.
    {"TrumpsStillOutOutOfIdeas", "E:KT762.Q86.T74.KJ AQ8.97532.KJ85.7 954.AK4.Q32.A853 J3.JT.A96.QT9642", "E", "P 1H P 2C P 2D P P P",
     "HK HT H6 H2 HA HJ H8 H3 CA C2 CJ C7 C5 CQ CK D5 D8 DQ DA D4 D9 D7 DJ D2 H7 H4 D6 HQ "
     "SJ SK SA S5 SQ S9 S3 S2",
     "S", "DK",
     "Cross Ruff.\r\nWe need to worry about our trump, because we had less than 9 at the "
     "start, and we have not seen at least twelve of them. Clubs  is our bestsuit because "
     "we can lead our partner`s winner We found no play in Cross Ruff so off to end "
     "game.We have trump and so does the defense. they have more than 1 trump we still "
     "have entries to our hand outta ideas, try trumpgo low"},
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
