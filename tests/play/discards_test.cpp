// Ruffs and discards of the declaring side, called directly on a replayed position (the
// declarer-side following rules that reach them are built elsewhere).
#include "play/discards.h"

#include "play/play_fixture.h"

namespace kestrel::test {
namespace {

// 4S by South; the dummy (North) holds no club. West leads the club jack.
constexpr const char* kDummyVoid =
    "N:Q43.A654.AK5432. JT7.QJT9.QJT987. AK9865.K3..AKQ54 2.872.6.JT987632";

class OffenseRuffTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        Decision d = Decide(kDummyVoid, "S", "1S P 4S P P P", "CJ");
        ASSERT_EQ(d.status, 0) << d.error;
        ASSERT_EQ(d.seat, "N");
        Reattach();
        G.CurrentSeat = North;
        G.WhyText.clear();
        G.Plan.CrossRuffOut = 0;
        G.Plan.SideSuitHand = 0;
        G.DeclarerPlan = 0;
    }
    std::string Ruff() { return CardCode(ChooseRuff(North)); }
};

TEST_F(OffenseRuffTest, CrossRuffLowWhileTheNextPlayerMayFollow) {
    G.Plan.CrossRuffOut = -1;
    EXPECT_EQ(Ruff(), "S3");
    EXPECT_EQ(G.WhyText, "This trick has not been trumped, we are the offense and we can cross "
                         "ruff this out. ");
}

TEST_F(OffenseRuffTest, CrossRuffOverTheirTrumpsWhenTheNextPlayerIsOut) {
    G.Plan.CrossRuffOut = -1;
    G.SuitInfo[East][Clubs].KnownVoid = -1;  // East is out of clubs (he holds none)
    EXPECT_EQ(Ruff(), "SQ");                 // the cheapest trump above West's jack
    EXPECT_EQ(G.WhyText, "This trick has not been trumped, we are the offense and we can cross "
                         "ruff this out. ");
}

TEST_F(OffenseRuffTest, RuffAbovePartnerWhenHisHandHoldsTheSideSuit) {
    G.DeclarerPlan = 2;
    G.Plan.SideSuitHand = South;
    // Nothing of South's spades can be topped: the lowest trump, and no sentence of its own.
    EXPECT_EQ(Ruff(), "S3");
    EXPECT_EQ(G.WhyText, "This trick has not been trumped, ");
}

TEST_F(OffenseRuffTest, OtherwiseRuffLowWhenTheNextPlayerMayFollow) {
    G.DeclarerPlan = 2;
    EXPECT_EQ(Ruff(), "S3");
    EXPECT_EQ(G.WhyText, "This trick has not been trumped, We don`t think the player to our left "
                         "is out of Clubs so trump it low. ");
}

// 4S by South; the dummy holds one trump (the partnership eleven) and no club. West leads a club.
constexpr const char* kLastTrump =
    "N:3.AQ654.AK65432. 2.732.QJT987.432 AKQJT98765.K..AK 4.JT98..QJT98765";

class LastTrumpRuffTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        Decision d = Decide(kLastTrump, "S", "1S P 4S P P P", "CQ");
        ASSERT_EQ(d.status, 0) << d.error;
        ASSERT_EQ(d.seat, "N");
        Reattach();
        G.CurrentSeat = North;
        G.WhyText.clear();
        G.Plan.CrossRuffOut = 0;
        G.DeclarerPlan = 1;
        for (int suit = 1; suit <= 4; ++suit) G.Plan.ShortHandOf[suit] = 0;
        // Declarer ruffs the dummy's side-suit losers: neither hand has a loser left.
        for (int seat : {North, South})
            for (int suit = 1; suit <= 4; ++suit) G.SuitInfo[seat][suit].Losers = 0;
    }
    std::string Ruff() { return CardCode(ChooseRuff(North)); }
};

TEST_F(LastTrumpRuffTest, TheLongSuitHandKeepsItsLastTrump) {
    G.Plan.SideSuitHand = North;
    EXPECT_EQ(Ruff(), "D2");
    EXPECT_EQ(G.WhyText,
              "This trick has not been trumped, we are the offense, we are playing a long suit "
              "establishment game. We only have one trump left in this hand, and we want to save "
              "it until they are out. So let`s preserve our last trump entry so we can get back "
              "in and run our long suit later. We have some Diamonds and we have no reason to "
              "keep any.We have some Hearts and we have no reason to keep any.In Diamonds we have "
              "more than 1. ");
}

TEST_F(LastTrumpRuffTest, TheOtherHandsLongSuitLetsItRuff) {
    G.Plan.SideSuitHand = South;
    EXPECT_EQ(Ruff(), "S3");
    EXPECT_EQ(G.WhyText, "This trick has not been trumped, We don`t think the player to our left "
                         "is out of Clubs so trump it low. ");
}

TEST_F(LastTrumpRuffTest, AnOpponentOutOfTrumpsLetsItRuff) {
    G.Plan.SideSuitHand = North;
    G.SuitInfo[West][Spades].KnownVoid = -1;  // eleven seen is not enough once one is out
    EXPECT_EQ(Ruff(), "S3");
    EXPECT_EQ(G.WhyText, "This trick has not been trumped, We don`t think the player to our left "
                         "is out of Clubs so trump it low. ");
}

// The user plays another card than the engine proposed: the signal follows his card.
class UserSignalTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        G.TrumpSuit = Spades;
        G.SuitLed = Hearts;
        G.WinningCard = Card("HK");
        G.TricksPlayed = 3;
        // The proposal, a club discard, was recorded as South's signal in this trick.
        G.Play.DiscardSignalSuit[South] = Clubs;
        G.Play.DiscardSignalTrick[South] = 3;
    }
};

TEST_F(UserSignalTest, AnotherDiscardSignalsItsOwnSuit) {
    SignalOfPlayedCard(South, Card("C5"), Card("D7"));
    EXPECT_EQ(G.Play.DiscardSignalSuit[South], Diamonds);
    EXPECT_EQ(G.Play.DiscardSignalTrick[South], 3);
}

TEST_F(UserSignalTest, ARuffSignalsNothing) {
    SignalOfPlayedCard(South, Card("C5"), Card("S2"));
    EXPECT_EQ(G.Play.DiscardSignalSuit[South], 0);
}

TEST_F(UserSignalTest, AnEarlierSignalStands) {
    G.Play.DiscardSignalTrick[South] = 1;  // given two tricks ago
    SignalOfPlayedCard(South, Card("C5"), Card("D7"));
    EXPECT_EQ(G.Play.DiscardSignalSuit[South], Clubs);
    EXPECT_EQ(G.Play.DiscardSignalTrick[South], 1);
}

TEST_F(UserSignalTest, TheProposalPlayedChangesNothing) {
    SignalOfPlayedCard(South, Card("C5"), Card("C5"));
    EXPECT_EQ(G.Play.DiscardSignalSuit[South], Clubs);
}


// The declaring side's discards: a position replayed to the dummy's turn (the dummy holds no
// club and West has led one), the plan set by hand, then ChooseDiscard on the dummy.
struct DiscardCase {
    const char* name;
    const char* deal;
    const char* auction;
    const char* play;
    int plan;        // DeclarerPlan
    int shortHand;   // a suit whose short hand the plan names (0: none)
    bool noFinesse;  // NoFinesseThisTrick
    const char* card;
    const char* why;
};

std::ostream& operator<<(std::ostream& os, const DiscardCase& c) { return os << c.name; }

class OffenseDiscardTest : public PlayTest, public ::testing::WithParamInterface<DiscardCase> {};

TEST_P(OffenseDiscardTest, KeepsWhatThePlanNeeds) {
    const DiscardCase& c = GetParam();
    Decision d = Decide(c.deal, "S", c.auction, c.play);
    ASSERT_EQ(d.status, 0) << d.error;
    ASSERT_EQ(d.seat, "N");
    Reattach();
    G.CurrentSeat = North;
    G.WhyText.clear();
    G.DeclarerPlan = c.plan;
    G.Plan.CrossRuffOut = 0;
    G.Plan.NoFinesseThisTrick = c.noFinesse ? -1 : 0;
    for (int suit = 1; suit <= 4; ++suit) {
        G.Plan.ShortHandOf[suit] = suit == c.shortHand ? South : 0;
        G.Plan.MyCash[suit] = G.Plan.PartnerCash[suit] = 0;
    }
    EXPECT_EQ(CardCode(ChooseDiscard(North)), c.card);
    EXPECT_EQ(G.WhyText, c.why);
}

// 4S by South. North: S 432, H 5432, D 765432.
constexpr const char* kTrumpA =
    "N:432.5432.765432. 98765.JT98.QJ.JT AKQJT.AKQ.AK.AKQ .76.T98.98765432";
// 3NT by South. North: S A, H 765432, D 765432.
constexpr const char* kNoTrumpA =
    "N:A.765432.765432. KQJ.JT98.JT98.JT 65432.AKQ.AK.AKQ T987..Q.98765432";

const DiscardCase kDiscardCases[] = {
    // Suits are scanned clubs upwards: the diamond losers go before the heart one.
    {"TrumpAnyLoser", kTrumpA, "1S P 4S P P P", "C9", 0, 0, false, "D2",
     "We have some Diamonds and we have no reason to keep any.We have some Hearts and we have no "
     "reason to keep any.Found a loser in Diamonds that we can sluff. "},
    // The long diamonds are kept for the plan; hearts, loserless once ruffs count, are the one free suit.
    {"TrumpPlanTwoKeepsTheLongSuit", kTrumpA, "1S P 4S P P P", "C9", 2, 0, false, "H2",
     "We have some Diamonds  but this is a suit we want to establish. We have some Hearts and we "
     "have no reason to keep any."},
    {"TrumpPlanOneKeepsTheShortHandsSuit", kTrumpA, "1S P 4S P P P", "C9", 1, 3, false, "D2",
     "We have some Diamonds and we have no reason to keep any.We have some Hearts  but this is a "
     "suit we want to establish. Found a loser in Diamonds that we can sluff. "},
    {"NoTrumpKeepsTheLongestAndTheBlankAce", kNoTrumpA, "1N P 3N P P P", "C9", 0, 0, false, "D2",
     "We have some Diamonds and we have no reason to keep any.We have some Hearts  but we are "
     "playing no trump, this is our longest suit. We have some Spades  but we are playing no "
     "trump, our card is the highest in the suit and we only have 1.Found a loser in Diamonds "
     "that we can sluff. "},
};

INSTANTIATE_TEST_SUITE_P(Rows, OffenseDiscardTest, ::testing::ValuesIn(kDiscardCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kestrel::test
