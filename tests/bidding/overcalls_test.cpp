// The non-opening side: overcalls, take-out doubles, the doubler's next turn and the advancer.
#include "role_fixture.h"

namespace kestrel::test {
namespace {

struct EntryCase {
    const char* name;
    const char* south;  // South's hand, S.H.D.C
    int dealer;
    const char* auction;  // the calls before South's turn
    const char* call;     // South's call
    const char* why;
};

class SouthCall : public RoleTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(SouthCall, CallAndWhy) {
    const EntryCase& e = GetParam();
    Deal(e.south, e.dealer);
    Drive(e.auction);
    ASSERT_EQ(G.CurrentSeat, South);
    int call = Decide();
    EXPECT_EQ(CallCode(call), e.call);
    EXPECT_EQ(why, e.why);
}

INSTANTIATE_TEST_SUITE_P(
    Overcaller, SouthCall,
    ::testing::Values(
        EntryCase{"TakeOutDoubleOfOneHeart", "AQ85.4.KJ62.AT73", East, "1H", "X", 
                  "We have 2 or more quick tricks and at least 10 highcard points. The current bid level is 1. The opener`s first bid was not No Trump. Our points are more than 16. Our longest suit has not been bid by the opposition. We want to double. "},
        EntryCase{"NoFourCardSpadeSuitPasses", "A85.64.KJ62.AT73", East, "1H", "P", 
                  "We have 2 or more quick tricks and at least 10 highcard points. The current bid level is 1. We should pass because we don`t have at least 4 in an unbid major. "},
        EntryCase{"DoubleOfOneNoTrumpWith16", "KQ5.KQ4.KJ63.QJ2", East, "1N", "X", 
                  "We have 2 or more quick tricks and at least 10 highcard points. The current bid level is 1. The opener`s first bid was No Trump and our highcard points are more than 15. We want to double. "},
        EntryCase{"PassOverOneNoTrumpWith15", "KQ5.KQ4.KJ63.J32", East, "1N", "P", 
                  "We have 2 or more quick tricks and at least 10 highcard points. The current bid level is 1. The opener`s first bid was No Trump, but our highcard points are less than 16, so we should just pass. "},
        EntryCase{"DoubleAtTwoLevel", "AQ85.4.KJ62.AT73", East, "2H", "X", 
                  "We have 2 or more quick tricks and at least 10 highcard points. The current bid level is 2. We have a biddable suit. We have more than 15 points, so double. "},
        EntryCase{"TwoLevelOvercallFiveCards", "KQJT7.54.Q84.K52", East, "1H", "2S", 
                  "We have more than 12 points. The level of the current bid is 1. We have a biddable suit and it was not the first bid of the opener. Since we have more than 4, and 3 of the top 5, we can bid at the 2 level. "},
        EntryCase{"NineCardsToFour", "KQJT98765.5.Q4.2", East, "1H", "4S", 
                  "We have more than 12 points. The level of the current bid is 1. We have a biddable suit and it was not the first bid of the opener. Since we have more than 8, we can bid to the 4 level. "},
        EntryCase{"ThreeLevelOverTwo", "KQJT987.5.84.A52", East, "2D", "3S", 
                  "We have more than 12 points. The level of the current bid is greater than 1. We have a biddable suit with more than 6, and 3 of the top 5, or more than 7. We can bid up to the 3 level. Otherwise we must pass. "},
        EntryCase{"JumpOverTwoClubs", "KQJT987.5.84.A52", East, "2C", "3S", 
                  "The first bid of the opener was 2 Clubs. We have a suit longer than 6. Jump bid it. "},
        EntryCase{"PassedHandStaysQuiet", "AQ85.4.KJ62.AT73", South, "P 1H P 2H", "P", 
                  "We passed the first round and will only pass or double for penalties. "},
        EntryCase{"SuitOvercallerNeverBidsAgain", "AKQJ98.5.K84.A52", East, "1H 1S 2H P P", "P", ""},
        EntryCase{"DoublerRaisesAdvance", "AQ85.4.KJ62.AT73", East, "1H X P 1S P", "2S", 
                  "We doubled last round. We found a fit and it is not in No Trump. We have more than 15 points. And we have a suit to bid. We are ok with this fit. Our points are greater than 15. We want to bid as high as the 3 level without jumping. "}),
    [](const auto& p) { return p.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Advancer, SouthCall,
    ::testing::Values(
        EntryCase{"BothMajorsBidSpades", "KJ85.QT74.83.952", West, "1C X P", "1S", 
                  "Our partner doubled and the current level of the bid is less than 4. We want to bid our longest major that was not bid by the opposition. If we don`t have a major longer than 3 cards, then check for a minor. If we have no suit longer then 3 cards that was not bid by the opposition then bid no trump. "},
        EntryCase{"TooHighWithoutPoints", "KJ8.QT74.K83.952", West, "1S X 3S", "P", 
                  "Our partner doubled and the current level of the bid is less than 4. We want to bid our longest major that was not bid by the opposition. If we don`t have a major longer than 3 cards, then check for a minor. If we have no suit longer then 3 cards that was not bid by the opposition then bid no trump. Whoops, we have less than 12 points and we would have to bid passed the 1 level, that would be a mistake. "},
        EntryCase{"PenaltyDoubleLeftIn", "KJ8.QT74.K83.952", West, "4S X P", "P", 
                  "Our partner doubled for penalties. "},
        EntryCase{"RaiseOneLevelOvercallByTwo", "K852..AK763.A952", West, "1H 1S P", "3S", 
                  "Our partner must have been an overcaller at the  1 level We have trump support and we have 3 or more quick tricks. We get a 3 or less point advantage for being the dummy, we want to raise our partner`s level by 2. "},
        EntryCase{"NoSupportForOneLevelOvercall", "K8.Q852.AK763.A9", West, "1H 1S P", "P", 
                  "Our partner must have been an overcaller at the  1 level we have less than 3 in his suit, no trump support. "},
        EntryCase{"TwoLevelOvercallFewTricks", "Q85.J7.Q8763.952", West, "1S 2H P", "P", 
                  "Our partner must have been an overcaller at the  2 level We have at least 2 in our partner`s suit and we have 2 or less quick tricks, pass.  "},
        EntryCase{"GameOverThreeLevelMajor", "A5.A74.AK83.9532", West, "1C 3H P", "4H", 
                  "Our partner must have been an overcaller at the  3 level Having any in our partner`s suit is trump support and since we have exactly 4 quick tricks and our suit is a major we can go to game. "},
        EntryCase{"CueBidAnsweredWithTwoNoTrump", "Q852.74.K83.J952", West, "1H 2H P", "2N", 
                  "Our partner raised the opener`s first bid, this should be a party. We have less than 8 points and less than 2 quick tricks, we are not a freebidder and we can bid no trump at the 2 level. "},
        EntryCase{"AfterTheDoubleLaterRulesDecide", "KJ85.QT74.83.952", West, "1C X P 1S 2C P P", "P", 
                  "We have already bid at least once. "},
        EntryCase{"NothingElseToSay", "KJ85.QT74.83.952", West, "1C 1H P 1S 2C P P", "P", 
                  "We have already bid at least once. We have nothing else to say. "}),
    [](const auto& p) { return p.param.name; });

// Three quick tricks, support and a dummy worth more than 3 points over the hand's own count:
// 1 Spades goes to 4 Spades. The dummy count is set, since no hand gains that much as dummy.
TEST_F(RoleTest, AdvancerRaisesByThreeWithDummyValue) {
    Deal("K852..AK763.A952", West);
    Drive("1H 1S P");
    G.SeatInfo[South].DummyPoints = G.SeatInfo[South].Points + 4;
    EXPECT_EQ(CallCode(Decide()), "4S");
    EXPECT_EQ(why,
              "Our partner must have been an overcaller at the  1 level We have trump support and we have 3 or more "
              "quick tricks. If we get a 4 or more point advantage for being the dummy, we want to raise our "
              "partner`s bid by 3. ");
}

// A take-out double is remembered for the doubler's next turn; a suit overcall is not.
TEST_F(RoleTest, TakeOutDoubleIsRemembered) {
    Deal("AQ85.4.KJ62.AT73", East);
    Drive("1H");
    EXPECT_EQ(Decide(), Double);
    EXPECT_EQ(G.Overcaller, South);
    EXPECT_EQ(G.Bidding.OvercallWasDouble, 1);
    Deal("AQ85.4.KJ62.AT73", East);
    Drive("1H 1S");
    EXPECT_EQ(G.Overcaller, South);
    EXPECT_EQ(G.Bidding.OvercallWasDouble, 0);
}

}  // namespace
}  // namespace kestrel::test
