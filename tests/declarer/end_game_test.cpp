// The End Game plan: the last cards, seeing to the end, and the fall back from the other plans.
#include "play/play_fixture.h"

#include "core/cards.h"
#include "core/state.h"
#include "declarer/end_game.h"

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
    // One trump out, partner can finesse back: low to his top spade.
    {"FewTrumpsLeadToPartnersWinner",
     "E:QJ92.3.K54.KJT94 A85.K4.J8.AQ8753 743.J852.AT97.62 KT6.AQT976.Q632.", "E",
     "P 1C P 1H P 3C P 3H P P P",
     "H3 HK H2 H6 H4 H5 HA C4 HQ S2 D8 H8",
     "N", "S6",
     "End Game.\r\nThey have one trump Spades because we can lead our partner`s high card and "
     "he can finesse back to usand he has the highest out "},
    // Partner's winner is a ruff: he holds none of the target suit, so our highest.
    {"FewTrumpsPartnerRuffsTarget",
     "E:3.QT765.42.T9853 Q62.AJ94.A85.A42 984.2.KJT73.QJ76 AKJT75.K83.Q96.K", "E",
     "P 1C P 2S P 3H P 3S P 4N P 5D P 6S P P P",
     "H6 H4 H2 H8 CK C3 C2 C6 S5 S3 SQ S8 S6 S4 SA D4 SK D2 S2 S9 D6 C5 DA D3",
     "S", "CA",
     "End Game.\r\nThey have no trump Hearts because we can lead our partner`s high card and he "
     "can finesse back to usare partner has none of these"},
    // One side suit left, partner void with trumps and a way back: low for his ruff.
    {"OneSideCardPartnerRuffs",
     "E:62.K4.KQ54.KJ974 AT53.T963.T2.QT5 K8.AQJ85.87.A862 QJ974.72.AJ963.3", "E",
     "1D P 1H P 2C P 5C P P X P P P",
     "S3 SK S4 S2 C2 C3 CJ CQ SA S8 S7 S6 CT CA D3 C4 C8 H2 C7 C5 HA H7 H4 H3 HQ S9 HK H6 DK D2 "
     "D7 DA DJ DQ DT D8",
     "E", "D4",
     "End Game.\r\nThey have no trump We only have one non trump card and our partner is out "
     "and has trump and the defense is out of trump. "},
    // One losing side card kept for last: our winning trump first.
    {"OneSideCardOurTrumpWins",
     "E:Q3.A74.A654.KJ52 8.KT932.Q87.AQ97 AKT9764.QJ85..83 J52.6.KJT932.T64", "E",
     "1D P 2S P 3C P 3S P 3N P 4S P 4N P 5D P 6S P P P",
     "H6 HA H2 H5 SQ S8 S4 S2 S3 C7 SA S5 SK SJ H4 D7 C8 CT CK CA HK H8 D2 H7 H9 HQ C6 C2 HJ C4 "
     "D4 H3",
     "W", "ST",
     "End Game.\r\nThey have no trump We only have one non trump card save for last, and we "
     "have a winner in trump. "},
    // One losing side card kept for last, no winning trump: our second highest trump.
    {"OneSideCardNoTrumpWinner",
     "E:AQ85.876.43.KT53 KT2.T54.AJ8.A764 93.A3.KQ9762.Q98 J764.KQJ92.T5.J2", "E",
     "P P 1D P 1S P 3D P P P",
     "S4 SA S2 S3 D3 D8 DK D5 DQ DT D4 DA SK S9 S6 S5 ST C8 S7 SQ C3 CA C9 C2 C7 CQ CJ C5 HA H2 "
     "H6 H4",
     "W", "D7",
     "End Game.\r\nThey have one trump We only have one non trump card save for last, and we "
     "neither of us have a winner in trump. "},
    // The only side suit, partner's single card and no winner of ours: low.
    {"OnlySideSuitPartnerSingleton",
     "W:AJ7.AKQ9742.AK.T K962.T5.T3.KJ976 Q3.J83.Q7652.Q84 T854.6.J984.A532", "W",
     "2C P 2D P 2H P 3H P 4H P 4N P 5S P 6H P P P",
     "DT D2 DJ DA H2 H5 H8 H6 HJ C2 H4 HT DQ D8 DK D3 SA S2 S3 S4 CT CK C4 C3 C6 CQ CA H7",
     "W", "S7",
     "End Game.\r\nThey have no trump Spades because it is the only non trump suit he only has "
     "one and our highest is less than the highest out "},
    // The only side suit, partner's top card above ours: low.
    {"OnlySideSuitPartnersTopHigher",
     "E:J9.98743.AQ3.K53 K764.AQT.T9.QJ42 AT8532.K52.54.76 Q.J6.KJ8762.AT98", "E",
     "P 1C P 1D P 1N P 5D X P P P",
     "H9 HT HK H6 H2 HJ H7 HQ HA H5 SQ H4 D9 D4 DK DA DQ DT D5 D2 D3 C4 S2 D6 CA C3 C2 C7",
     "N", "C8",
     "End Game.\r\nThey have no trump Clubs because it is the only non trump suit his highest "
     "is higher than our highest"},
    // The only side suit, no card out between the two tops: low.
    {"OnlySideSuitTopsTouch",
     "W:J8653.J8.T5.K932 A2..AKQ62.AQ8654 K97.KQT43.J87.J7 QT4.A97652.943.T", "W",
     "P 2C P 2D P 3D P 3H P 4D P 4N P 5S P 6D P P X P P P",
     "S5 SA S7 S4 DA D7 D3 D5 DK D8 D4 DT DQ DJ D9 C2 CA C7 CT C3 S2 SK ST S3 CJ H2 C9 CQ",
     "N", "C4",
     "End Game.\r\nThey have no trump Clubs because it is the only non trump suit his highest "
     "is the same as our highest"},
    // The only side suit, our top card above partner's: our highest.
    {"OnlySideSuitOurTopHigher",
     "S:A.J9432.Q54.T985 964.KQT8.AJ96.A6 T83.A765.2.QJ742 KQJ752..KT873.K3", "S",
     "P 1H P 2S P 3D P 5D P P P",
     "C4 CK C5 C6 D3 D4 DJ D2 D6 H5 DK D5 DT DQ DA S3 CA C2 C3 C8 HK HA D7 H2",
     "E", "SK",
     "End Game.\r\nThey have no trump Spades because it is the only non trump suit our highest "
     "is higher than his highest"},
    // Fewer spades than the defence may hold, with trumps: towards a void, low to partner's one.
    {"TowardsOurVoidPartnerSingleton",
     "N:AK74.T53.T43.AT8 Q2.AK642.AQ.9762 J9865.QJ8.J6.KJ5 T3.97.K98752.Q43", "N",
     "P 1H P 2D P 3H P P P",
     "DJ DK D3 DQ H9 H3 HA H8 DA D6 D2 D4 S2 S5 ST SK DT H2 HJ D5 HQ H7 H5 HK",
     "E", "SQ",
     "End Game.\r\nThey have one trump Spades because it is not trump and we might get to a "
     "void our partner only has one so go low?"},
    // Partner short in clubs with trumps: towards his void, low to his one.
    {"TowardsPartnersVoidSingleton",
     "W:K962.A652.A7.KT9 53.QT8743.85.Q82 T8.9.KQT6432.J63 AQJ74.KJ.J9.A754", "W",
     "1C P 1D X 1H P 3D 3S 3N P 5D X P P P",
     "DJ DA D5 D2 D7 D8 DK D9 H9 HK HA H3 H5 HQ D3 HJ CJ CA C9 C2 C7 CK C8 C3",
     "W", "CT",
     "End Game.\r\nThey have no trump Clubs because it is not trump and he might get to a void "
     "our partner only has one so go low?"},
    // Towards our void; partner's top card is higher: low.
    {"TowardsOurVoidPartnersTopHigher",
     "E:A.JT2.QJ642.Q852 K9854.K63.T973.T QT.Q9875.5.AK743 J7632.A4.AK8.J96", "E",
     "1D P 1H X 2D P 3C P 4C P 5C X P P P",
     "SJ SA S4 ST C5 CT CA C6 C3 CJ CQ D3 C8 D7 CK C9",
     "W", "D5",
     "End Game.\r\nThey have no trump Diamonds because it is not trump and we might get to a "
     "void his highest is higher than our highest"},
    // Towards partner's void; the tops touch: low.
    {"TowardsPartnersVoidTopsTouch",
     "N:54.K84.AKQ942.J7 AK98.Q6.JT83.K65 J76.AJT72.7.T843 QT32.953.65.AQ92", "N",
     "1D P 1H P 3D P 3H P P P",
     "D6 DA D3 D7 H4 HQ HA H5 H2 H3 HK H6 H8 S8 HJ H9 SJ SQ S4 S9 D5 DK D8 C3 DQ DT C4 C2",
     "N", "C7",
     "End Game.\r\nThey have no trump Clubs because it is not trump and he might get to a void "
     "his highest is the same as our highest"},
    // Towards our void; our top card is higher: our highest.
    {"TowardsOurVoidOurTopHigher",
     "E:A.JT2.QJ642.Q852 K9854.K63.T973.T QT.Q9875.5.AK743 J7632.A4.AK8.J96", "E",
     "1D P 1H X 2D P 3C P 4C P 5C X P P P",
     "SJ SA S4 ST C5 CT CA C6 C3 CJ CQ D3 C8 D7 CK C9 D5 D8 DQ D9",
     "E", "DJ",
     "End Game.\r\nThey have no trump Diamonds because it is not trump and he might get to a "
     "void our highest is higher than his highest"},
    // No suit to void: low in the first suit we hold more than one of.
    {"FewTrumpsOutOfIdeas",
     "N:.983.Q52.AKQ9753 AKQJ953.KQJ.K8.6 6.7642.T9764.842 T8742.AT5.AJ3.JT", "N",
     "1C 2C P 2S 3C P P P",
     "SA S6 S2 C3 CA C6 C2 CT CK HJ C4 CJ C5 D8 C8 D3",
     "S", "D4",
     "End Game.\r\nThey have no trump we are out of ideas, so go low in anything "},
};

INSTANTIATE_TEST_SUITE_P(Positions, EndGameTest, ::testing::ValuesIn(kEndGameCases),
                         [](const auto& p) { return std::string(p.param.name); });

// The winner counts and cash flags: "my 1 his 1 mine H his C".
std::string WinnersText() {
    std::string mine, his;
    for (int suit = Clubs; suit <= Spades; ++suit) {
        if (G.Plan.MyCash[suit]) mine += "?CDHS"[suit];
        if (G.Plan.PartnerCash[suit]) his += "?CDHS"[suit];
    }
    return "my " + std::to_string(G.Plan.MyWinners) + " his " +
           std::to_string(G.Plan.PartnerWinners) + " mine " + mine + " his " + his;
}

class CountWinnersTest : public PlayTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(CountWinnersTest, CountsBothHands) {
    const ValueCase& c = GetParam();
    LeadAt(c.deal, c.auction, c.play, c.seat);
    CountWinners();
    EXPECT_EQ(WinnersText(), c.expected);
}

// South AKQJ.A32.K32.432, North T9876.54.54.8765.
constexpr const char* kWinnersDeal =
    "S:AKQJ.A32.K32.432 54.KQJT9.AQJ.AKQ T9876.54.54.8765 32.876.T9876.JT9";
// South AKQ.A32.K32.5432, North JT98.7654.7654.A.
constexpr const char* kRuffDeal =
    "S:AKQ.A32.K32.5432 765.KQJ.AQJ.KQJT JT98.7654.7654.A 432.T98.T98.9876";

const ValueCase kValueCases[] = {
    // No Trump: the spade ace, king and queen over dummy's ten, and the heart ace.
    {"NoTrumpTopCards", kWinnersDeal, "1N P 3N P P P", "S5 S6 S2 SJ", South,
     "my 4 his 0 mine HS his "},
    // Spades trumps, two out: the heart ace, and dummy's ten of trumps above them; South's three
    // trumps do not outnumber dummy's four.
    {"TrumpsOutSideWinnerAndPartnersTopTrump", kWinnersDeal, "1S P 4S P P P", "S5 S6 S2 SJ",
     South, "my 1 his 1 mine H his S"},
    // Trumps drawn, dummy void in clubs with his last trump: one ruff, and no trump left over
    // for a trump winner.
    {"RuffInPartnersVoid", kRuffDeal, "1S P 4S P P P",
     "CK CA C6 C2 S8 S2 SQ S5 SA S6 S9 S3 SK S7 ST S4", South, "my 1 his 1 mine H his C"},
    // Trumps drawn, dummy on lead with three trumps to declarer's king-queen: all three of
    // dummy's count, and declarer's king above dummy's lowest counts one.
    {"TrumpsDrawnLongerTrumpsAllCount", kWinnersDeal, "1S P 4S P P P", "S5 S6 S2 SJ SA S4 S7 S3",
     North, "my 3 his 2 mine S his HS"},
};

INSTANTIATE_TEST_SUITE_P(Counts, CountWinnersTest, ::testing::ValuesIn(kValueCases),
                         [](const auto& p) { return std::string(p.param.name); });

// No Trump, neither hand's winners alone reach the contract but both together do: the entries
// between the hands (outside trump winners) decide whether we cash first or lead to partner.
// South AKQ of spades and a single heart; North AKQ of hearts. 1NT after South's club ace.
struct SeeToTheEndCase {
    const char* name;
    const char* deal;  // South deals
    const char* play;
    const char* card;
    const char* why;
};

inline std::ostream& operator<<(std::ostream& os, const SeeToTheEndCase& c) { return os << c.name; }

class SeeToTheEndTest : public PlayTest, public ::testing::WithParamInterface<SeeToTheEndCase> {};

TEST_P(SeeToTheEndTest, EntriesDecideTheOrder) {
    const SeeToTheEndCase& c = GetParam();
    LeadAt(c.deal, "1N P P P", c.play, South);
    G.DeclarerPlan = 4;
    int trick = G.TricksPlayed + 1;
    PlayEndGame();
    EXPECT_EQ(CardCode(G.PlayedCard[South][trick]), c.card);
    EXPECT_EQ(G.WhyText, c.why);
    EXPECT_NE(G.Plan.NoFinesseThisTrick, 0);
}

const SeeToTheEndCase kSeeToTheEndCases[] = {
    // One entry each way (North's single spade, South's single heart): cash our spades first.
    {"OneEntryEachWayCashOurs",
     "S:AKQ.2.765432.A32 JT98.JT98.AKQ.KQ 2.AKQ.T98.987654 76543.76543.J.JT", "CK C4 CT CA",
     "SA", "We can see to the end and between us we have less than 2 losers winning suit, play away"},
    // One entry to North, two back (North's two spades under South's three honours): lead to
    // North's hearts first.
    {"OneEntryToPartnerLeadToHim",
     "S:AKQ.2.765432.A32 JT98.JT98.AKQ.KQ 32.AKQ.T98.98765 7654.76543.J.JT4", "CK C5 C4 CA",
     "H2", "We can see to the end and between us we have less than 2 losers He can win in Hearts "},
    // Two entries to North, one back: cash our spades first.
    {"OneEntryBackCashOurs",
     "S:AKQ.32.76543.A32 JT98.JT98.AKQ.KQ 2.AKQ.T98.987654 76543.7654.J2.JT", "CK C4 CT CA",
     "SA", "We can see to the end and between us we have less than 2 losers winning suit, play away"},
    // Two entries each way (South's two hearts, North's two spades): cash our spades first.
    {"TwoEntriesEachWayCashOurs",
     "S:AKQ.32.76543.A32 JT98.JT98.AKQ.KQ 32.AKQ.T98.98765 7654.7654.J2.JT4", "CK C5 C4 CA",
     "SA", "We can see to the end and between us we have less than 2 losers winning suit, play away"},
};

INSTANTIATE_TEST_SUITE_P(NoTrump, SeeToTheEndTest, ::testing::ValuesIn(kSeeToTheEndCases),
                         [](const auto& p) { return std::string(p.param.name); });

// Trumps drawn; South KQJ of trumps, AQ2 of hearts and five diamonds, North 987 of trumps and
// no club; the defence holds every club. Dummy's club ruff takes one of his trumps, and his top
// trump ranks below South's lowest, so he has no trump winner to lead to: partner can finesse
// hearts back to South, and the lead goes to trumps.
TEST_F(EndGameTest, FewTrumpsOutTrumpsAsTheSuitToReachPartner) {
    LeadAt("S:AKQJT.AQ2.65432. 43.KJT.AK.AKQJ76 98765.76543.987. 2.98.QJT.T985432",
           "1S P 2S P P P", "S3 S5 S2 ST SA S4 S6 C2", South);
    G.DeclarerPlan = 4;
    int trick = G.TricksPlayed + 1;
    PlayEndGame();
    EXPECT_EQ(CardCode(G.PlayedCard[South][trick]), "SJ");
    EXPECT_EQ(G.WhyText,
              "They have no trump Spades we will still have at least one left in one hand or the "
              "other and he has the highest out ");
}

// Spades trumps, the nine the one trump out; South S32 and the club five, North SAK and H2, the
// club ace, king and queen out. No finesse, no way back from partner in a singleton club, and
// neither hand's top club wins: the club is kept for last and the lead goes to partner's trump.
// FewTrumpsOut is called directly: in play the trump routine leads a trump before it is reached.
TEST_F(EndGameTest, FewTrumpsOutOneSideCardPartnerTrumpWins) {
    LeadAt("S:QJ32.QJ.AKQJ.JT5 976.T94.852.KQ98 AKT8.8732.963.76 54.AK65.T74.A432",
           "1S P 4S P P P",
           "H4 H3 H5 HQ SQ S6 S8 S4 SJ S7 ST S5 DA D2 D3 D4 DK D5 D6 D7 DQ D8 D9 DT DJ HT H8 C2 "
           "HJ H9 H7 H6 CJ C9 C7 C4 CT C8 C6 C3",
           South);
    G.DeclarerPlan = 4;
    TakeTrumpState();
    CountWinners();
    EXPECT_EQ(CardCode(FewTrumpsOut()), "S2");
    EXPECT_EQ(G.WhyText,
              "They have one trump We only have one non trump card save for last, and our partner "
              "has a winner in trump. ");
}

// The fall back to End Game lasts for the rest of the hand.
TEST_F(EndGameTest, FallBackSwitchesThePlan) {
    const PlayCase& c = kEndGameCases[3];
    Decision d = Decide(c.deal, c.dealer, c.auction, c.play);
    ASSERT_EQ(d.status, 0) << d.error;
    EXPECT_EQ(G.DeclarerPlan, 4);
}

}  // namespace
}  // namespace kestrel::test
