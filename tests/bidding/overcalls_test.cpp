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
        EntryCase{"TakeOutDoubleOfOneHeart", "AQ85.4.KJ62.AT73", East, "1H", "X", ""},
        EntryCase{"NoFourCardSpadeSuitPasses", "A85.64.KJ62.AT73", East, "1H", "P", ""},
        EntryCase{"DoubleOfOneNoTrumpWith16", "KQ5.KQ4.KJ63.QJ2", East, "1N", "X", ""},
        EntryCase{"PassOverOneNoTrumpWith15", "KQ5.KQ4.KJ63.J32", East, "1N", "P", ""},
        EntryCase{"DoubleAtTwoLevel", "AQ85.4.KJ62.AT73", East, "2H", "X", ""},
        EntryCase{"TwoLevelOvercallFiveCards", "KQJT7.54.Q84.K52", East, "1H", "2S", ""},
        EntryCase{"NineCardsToFour", "KQJT98765.5.Q4.2", East, "1H", "4S", ""},
        EntryCase{"ThreeLevelOverTwo", "KQJT987.5.84.A52", East, "2D", "3S", ""},
        EntryCase{"JumpOverTwoClubs", "KQJT987.5.84.A52", East, "2C", "3S", ""},
        EntryCase{"PassedHandStaysQuiet", "AQ85.4.KJ62.AT73", South, "P 1H P 2H", "P", ""},
        EntryCase{"SuitOvercallerNeverBidsAgain", "AKQJ98.5.K84.A52", East, "1H 1S 2H P P", "P", ""},
        EntryCase{"DoublerRaisesAdvance", "AQ85.4.KJ62.AT73", East, "1H X P 1S P", "2S", ""}),
    [](const auto& p) { return p.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Advancer, SouthCall,
    ::testing::Values(
        EntryCase{"BothMajorsBidSpades", "KJ85.QT74.83.952", West, "1C X P", "1S", ""},
        EntryCase{"TooHighWithoutPoints", "KJ8.QT74.K83.952", West, "1S X 3S", "P", ""},
        EntryCase{"PenaltyDoubleLeftIn", "KJ8.QT74.K83.952", West, "4S X P", "P", ""},
        EntryCase{"RaiseOneLevelOvercallByThree", "K852..AK763.A952", West, "1H 1S P", "4S", ""},
        EntryCase{"NoSupportForOneLevelOvercall", "K8.Q852.AK763.A9", West, "1H 1S P", "P", ""},
        EntryCase{"TwoLevelOvercallFewTricks", "Q85.J7.Q8763.952", West, "1S 2H P", "P", ""},
        EntryCase{"GameOverThreeLevelMajor", "A5.A74.AK83.9532", West, "1C 3H P", "4H", ""},
        EntryCase{"CueBidAnsweredWithTwoNoTrump", "Q852.74.K83.J952", West, "1H 2H P", "2N", ""},
        EntryCase{"NothingElseToSay", "KJ85.QT74.83.952", West, "1C X P 1S 2C P P", "P", ""}),
    [](const auto& p) { return p.param.name; });

}  // namespace
}  // namespace kestrel::test
