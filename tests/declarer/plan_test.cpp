// The plan chosen after the opening lead, from the survey of the suits, and the tie question.
#include "play/play_fixture.h"

#include "core/cards.h"
#include "core/rewind.h"
#include "declarer/plan.h"

namespace kestrel::test {
namespace {

class PlanTest : public PlayTest {};

// 4S by South: clubs 2-3 and diamonds 2-4 with dummy long give declarer two ruffs; no long
// side suit, so the ruffs outweigh the long-suit tricks and the plan is Cross Ruff.
TEST_F(PlanTest, ShortSuitsOppositeDummyGiveCrossRuff) {
    Decision d = Decide("N:QJ3.654.A732.AQ7 72.QJT98.T98.KT5 KT9865.A32.J6.96 A4.K7.KQ54.J8432",
                        "S", "1S P 4S P P P", "D4");
    ASSERT_EQ(d.status, 0) << d.error;
    EXPECT_EQ(G.Plan.RuffsInDeclarer, 2);
    EXPECT_EQ(G.Plan.RuffsInDummy, 0);
    EXPECT_EQ(G.Plan.ChosenPlan, 2);
    EXPECT_EQ(G.Plan.ShortHandOf[Hearts], 0);
    EXPECT_EQ(G.Plan.TrumpsAtStart, 9);
}

// One survey: the contract, the plan state expected after the opening lead.
struct SurveyCase {
    const char* name;
    const char* deal;
    const char* auction;
    const char* lead;
    int plan;
    int ruffsInDummy, ruffsInDeclarer;
    int shortHandOf[5];  // clubs to spades at 1..4
    int sideSuitHand;
    int noTrumpLongSuit;
    int weakNoTrumpSuits[5];
};
std::ostream& operator<<(std::ostream& os, const SurveyCase& c) { return os << c.name; }

class PlanSurveyTest : public PlanTest, public ::testing::WithParamInterface<SurveyCase> {};

TEST_P(PlanSurveyTest, SurveysTheSuitsAndChoosesThePlan) {
    const SurveyCase& c = GetParam();
    Decision d = Decide(c.deal, "S", c.auction, c.lead);
    ASSERT_EQ(d.status, 0) << d.error;
    EXPECT_EQ(G.Plan.ChosenPlan, c.plan);
    EXPECT_EQ(G.Plan.RuffsInDummy, c.ruffsInDummy);
    EXPECT_EQ(G.Plan.RuffsInDeclarer, c.ruffsInDeclarer);
    for (int suit = 1; suit <= 4; ++suit) {
        EXPECT_EQ(G.Plan.ShortHandOf[suit], c.shortHandOf[suit]) << "suit " << suit;
        EXPECT_EQ(G.Plan.WeakNoTrumpSuit[suit] != 0, c.weakNoTrumpSuits[suit] != 0) << "suit " << suit;
    }
    EXPECT_EQ(G.Plan.SideSuitHand, c.sideSuitHand);
    EXPECT_EQ(G.Plan.NoTrumpLongSuit, c.noTrumpLongSuit);
}

// South declares; North is the dummy.
// Hearts 5-1 with 7 out: need 4, so a long suit of South's, and dummy's singleton is worth two
// ruffs. Diamonds 1-5 likewise for North. Two long suits mastered in different hands, each
// opposite a short holding, with 5 ruffs: Cross Ruff.
constexpr const char* kTwoLongSuits =
    "N:K43.5.AQ732.A652 52.764.9865.T943 AJT98.KQJ32.4.87 Q76.AT98.KJT.KQJ";
// Dummy holds a single trump: its two heart ruffs are cut to one.
constexpr const char* kRuffCap =
    "N:K.5.AQ732.A96532 5432.764.9865.T4 AJT98.KQJ32.4.87 Q76.AT98.KJT.KQJ";
// Hearts 4-4 with the ace in dummy: dummy is the master hand, so the long suit is to be
// established in dummy, opposite South; no ruff for it. Long-suit tricks 2 (4 less the king
// and queen outstanding above need 3) against 2 ruffs in declarer's hand: a tie.
constexpr const char* kTie =
    "N:K43.A652.874.654 52.T9.9653.JT987 AJT98.8743.K2.32 Q76.KQJ.AQJT.AKQ";
// Hearts 4-4 with South holding more points: South is the master hand. Long-suit tricks 3
// (the queen is out) beat 2 ruffs: Long Suit Establishment.
constexpr const char* kEqualLengthDeclarerStronger =
    "N:K43.8743.874.654 52.95.9653.JT987 AJT98.AK62.K2.32 Q76.QJT.AQJT.AKQ";
// No Trump with no long suit: High Cards and Out; hearts, 0 points with 7 out, are to fear.
constexpr const char* kNoTrumpNoLongSuit =
    "N:Q43.765.A65.K654 765.JT98.987.987 AK2.432.K432.A32 JT98.AKQ.QJT.QJT";
// No Trump with diamonds 5-4 and clubs 4-4 long: the longer combined holding is chosen;
// clubs 4-4 with the ace in South's hand make South the master hand.
constexpr const char* kNoTrumpTwoLongSuits =
    "N:Q4.76.AJ765.K654 7653.T9832.98.98 AK2.54.K432.A732 JT98.AKQJ.QT.QJT";

// The ruff counts are surveyed in No Trump too, where every suit is a side suit.
// No Trump with diamonds 5-1 and spades 5-1 long (6 cards each) and clubs 4-3 not long (7):
// the choice starts from clubs and only a strictly longer long suit replaces it.
constexpr const char* kNoTrumpClubsStand =
    "N:5.8765.AKQ32.432 764.JT9.8765.987 AKQ32.432.4.AK65 JT98.AKQ.JT9.QJT";

// One long suit, hearts 6-3, holding only the ten of the five honours; clubs 3-2 with South
// long and diamonds 2-3 with dummy long are short suits mastered in opposite hands. The long
// suit's 3 tricks beat the 2 ruffs, yet the weak long suit makes it Cross Ruff.
constexpr const char* kWeakLongSuitCrosswise =
    "N:AKJ98.T92.543.43 543.QJ.8762.T765 Q2.876543.AK.AK2 T76.AK.QJT9.QJ98";
// The same long suit with both short suits mastered by dummy: the long suit's 3 tricks against
// the 2 ruffs decide, Long Suit Establishment.
constexpr const char* kWeakLongSuitSameSide =
    "N:AKJ9.T92.543.543 654.QJ.8762.9876 Q32.876543.AK.A2 T87.AK.QJT9.KQJT";

const SurveyCase kSurveys[] = {
    {"WeakLongSuitShortSuitsCrosswiseCrossRuff", kWeakLongSuitCrosswise, "1S P 4S P P P", "CQ", 2,
     1, 1, {0, 0, 0, North, 0}, 0, 0, {}},
    {"WeakLongSuitShortSuitsOneSideLongSuit", kWeakLongSuitSameSide, "1S P 4S P P P", "CK", 1, 0,
     2, {0, 0, 0, North, 0}, 0, 0, {}},
    {"NoTrumpChoiceStartsFromClubs", kNoTrumpClubsStand, "1N P 3N P P P", "HA", 1, 2, 2,
     {0, 0, South, 0, North}, 0, Clubs, {0, 0, 0, 0, 0}},
    {"TwoLongSuitsInDifferentHandsCrossRuff", kTwoLongSuits, "1S P 4S P P P", "CK", 2, 2, 3,
     {0, 0, South, North, 0}, 0, 0, {}},
    {"RuffsCutToTheShortHandsTrumps", kRuffCap, "1S P 4S P P P", "CK", 2, 1, 3,
     {0, South, South, North, 0}, 0, 0, {}},
    {"EqualLengthAceInDummyTieAtFourIsCrossRuff", kTie, "1S P 4S P P P", "CA", 2, 0, 2,
     {0, 0, 0, South, 0}, 0, 0, {}},
    {"EqualLengthAceInDummyTieAtFiveIsLongSuit", kTie, "1S P 5S P P P", "CA", 1, 0, 2,
     {0, 0, 0, South, 0}, 0, 0, {}},
    {"EqualLengthDeclarerStrongerIsMaster", kEqualLengthDeclarerStronger, "1S P 4S P P P", "CA",
     1, 0, 2, {0, 0, 0, North, 0}, 0, 0, {}},
    {"NoTrumpWithoutLongSuitHighCardsAndOut", kNoTrumpNoLongSuit, "1N P 3N P P P", "HA", 3, 0, 0,
     {0, 0, 0, 0, 0}, 0, 0, {0, 0, 0, 1, 0}},
    {"NoTrumpLongestLongSuitChosen", kNoTrumpTwoLongSuits, "1N P 3N P P P", "HA", 1, 1, 0,
     {0, North, South, 0, 0}, 0, Diamonds, {0, 0, 0, 1, 0}},
};

INSTANTIATE_TEST_SUITE_P(Surveys, PlanSurveyTest, ::testing::ValuesIn(kSurveys),
                         [](const auto& p) { return std::string(p.param.name); });

// 4S by South with 9872 of trumps opposite dummy's A Q 3: the trump routine from South's hand
// proposes the two, a finesse lead towards the queen, so South is the trump finesse hand; its
// first lead uses the position up.
TEST_F(PlanTest, TrumpFinesseHandIsUsedByItsFirstLead) {
    constexpr const char* deal =
        "N:AQ3.AK3.AK32.432 T54.872.987.8765 9872.654.654.AKQ KJ6.QJT9.QJT.JT9";
    Decision d = Decide(deal, "S", "1S P 4S P P P", "CJ");
    ASSERT_EQ(d.status, 0) << d.error;
    EXPECT_EQ(G.Plan.TrumpFinesseHand, South);
    d = Decide(deal, "S", "1S P 4S P P P", "CJ C2 C5 CA");
    ASSERT_EQ(d.status, 0) << d.error;
    EXPECT_EQ(d.seat, "S");
    EXPECT_EQ(G.Plan.TrumpFinesseHand, -South);
    EXPECT_EQ(G.PlanOfTrick[1], G.DeclarerPlan);
}

// Eight trumps with neither ace nor king out: no trump finesse hand.
TEST_F(PlanTest, NoTrumpFinesseHandWithEightTrumpsAndTheTopHonours) {
    Decision d = Decide(kTwoLongSuits, "S", "1S P 4S P P P", "CK");
    ASSERT_EQ(d.status, 0) << d.error;
    EXPECT_EQ(G.Plan.TrumpFinesseHand, 0);
}

// Taking back tricks: the plan recorded at the lead after the last trick left stands again,
// the cross ruff is judged afresh when that plan is Cross Ruff, and a used trump finesse
// position comes back once its hand has won none of the tricks left.
TEST_F(PlanTest, TakeBackRestoresThePlanAndTheTrumpFinessePosition) {
    constexpr const char* deal =
        "N:AQ3.AK3.AK32.432 T54.872.987.8765 9872.654.654.AKQ KJ6.QJT9.QJT.JT9";
    // South wins the club and leads a trump to dummy's queen; dummy is on lead.
    Decision d = Decide(deal, "S", "1S P 4S P P P", "CJ C2 C5 CA S2 S6 SQ S4");
    ASSERT_EQ(d.status, 0) << d.error;
    Reattach();
    ASSERT_EQ(G.Plan.TrumpFinesseHand, -South);
    G.PlanOfTrick[1] = 2;
    G.DeclarerPlan = 4;
    G.Plan.CrossRuffOut = -1;
    RewindPlay();
    ASSERT_EQ(G.TricksPlayed, 1);
    EXPECT_EQ(G.DeclarerPlan, 2);
    EXPECT_EQ(G.Plan.CrossRuffOut, 0);
    // South won the first trick, which stands: the position stays used.
    EXPECT_EQ(G.Plan.TrumpFinesseHand, -South);
    RewindPlay();
    ASSERT_EQ(G.TricksPlayed, 0);
    EXPECT_EQ(G.Plan.TrumpFinesseHand, South);
}

TEST_F(PlanTest, TakeBackToLongSuitKeepsTheCrossRuffFlag) {
    constexpr const char* deal =
        "N:AQ3.AK3.AK32.432 T54.872.987.8765 9872.654.654.AKQ KJ6.QJT9.QJT.JT9";
    Decision d = Decide(deal, "S", "1S P 4S P P P", "CJ C2 C5 CA S2 S6 SQ S4");
    ASSERT_EQ(d.status, 0) << d.error;
    Reattach();
    G.PlanOfTrick[1] = 1;
    G.DeclarerPlan = 4;
    G.Plan.CrossRuffOut = -1;
    RewindPlay();
    EXPECT_EQ(G.DeclarerPlan, 1);
    EXPECT_EQ(G.Plan.CrossRuffOut, -1);
}

// The tie with the user's side declaring and both options on: the question is asked once and
// its answer decides; with an option off, or with East-West declaring, no question and Long
// Suit Establishment.
TEST_F(PlanTest, TieAsksTheUserOnceWhenNorthSouthDeclare) {
    Decision d = Decide(kTie, "S", "1S P 4S P P P", "CA");
    ASSERT_EQ(d.status, 0) << d.error;
    Reattach();
    G.HumanSeat = South;
    G.Options.WhyAlwaysUp = -1;
    G.Options.ShowCompPlay = -1;
    G.Plan.PlanQuestionAsked = 0;
    host.answers.push_back(Answer::Yes);
    ChooseDeclarerPlan();
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0],
              "Chose Yes to play this hand as a crossruff plan instead of a long suit "
              "establishment plan.");
    EXPECT_EQ(G.DeclarerPlan, 2);
    // Surveyed again in the same hand: the answer stands, no second question.
    ChooseDeclarerPlan();
    EXPECT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(G.DeclarerPlan, 2);

    // No is Long Suit Establishment.
    G.Plan.PlanQuestionAsked = 0;
    host.answers.push_back(Answer::No);
    ChooseDeclarerPlan();
    EXPECT_EQ(host.questions.size(), 2u);
    EXPECT_EQ(G.DeclarerPlan, 1);

    // The Why option off: no question, Long Suit Establishment.
    G.Plan.PlanQuestionAsked = 0;
    G.Options.WhyAlwaysUp = 0;
    ChooseDeclarerPlan();
    EXPECT_EQ(host.questions.size(), 2u);
    EXPECT_EQ(G.DeclarerPlan, 1);
}

}  // namespace
}  // namespace kestrel::test
