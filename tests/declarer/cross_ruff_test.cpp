// The Cross Ruff plan: its leads on replayed positions, and sub-rules on positions whose plan
// state is set directly.
#include "play/play_fixture.h"

#include "core/cards.h"
#include "core/state.h"
#include "core/text.h"
#include "core/headless_host.h"
#include "declarer/cross_ruff.h"
#include "play/knowledge.h"

namespace kestrel::test {
namespace {

class CrossRuffTest : public PlayTest {
protected:
    void Roles(int clubs, int diamonds, int hearts, int spades) {
        G.Plan.ShortHandOf[Clubs] = clubs;
        G.Plan.ShortHandOf[Diamonds] = diamonds;
        G.Plan.ShortHandOf[Hearts] = hearts;
        G.Plan.ShortHandOf[Spades] = spades;
    }
};

// 3S by South. South: 9872.654.654.AQ2, North: AQ.AK32.AK32.543; the club king is out.
constexpr const char* kTwoSuits =
    "N:AQ.AK32.AK32.543 T543.87.987.9876 9872.654.654.AQ2 KJ6.QJT9.QJT.KJT";

TEST_F(CrossRuffTest, EstablishTwoSuitsSkipsASuitWithSplitHonours) {
    LeadAt(kTwoSuits, "1S P 3S P P P", "HQ HA H7", South);
    Roles(0, 0, North, 0);
    // Clubs: ace and queen with the king out are split honours; diamonds 6-5 are not.
    EXPECT_EQ(CardCode(EstablishTwoSuits()), "D6");
    EXPECT_EQ(G.WhyText,
              "There are 2 suits to establish, which we have some of and Diamonds  is not 1 nor "
              "is it trump, we don`t have split honors");
}

TEST_F(CrossRuffTest, EstablishTwoSuitsJudgesOnlyTheHighestSuitWithARole) {
    LeadAt(kTwoSuits, "1S P 3S P P P", "HQ HA H7", South);
    // Every side suit has a role: hearts, the highest, decides; South's 6 is no winner and
    // North holds three, so there is no card, though South's club ace is the top club.
    Roles(North, North, North, 0);
    EXPECT_EQ(EstablishTwoSuits(), 0);
    EXPECT_EQ(G.WhyText, "");
}

// 3S by South. North: AKQ..5432.765432, South: 98765.AKQ2.A6.AK; East holds no heart.
constexpr const char* kRuff =
    "N:AKQ..5432.765432 T32..QJT987.JT98 98765.AKQ2.A6.AK J4.JT9876543.K.Q";

TEST_F(CrossRuffTest, CountVoidRuffSuitsCountsShortHandsThatAreVoid) {
    LeadAt(kRuff, "1S P 3S P P P", "DK D2 D7 DA", South);
    // Dummy is void in hearts and holds clubs; a cash suit (-1) has no short hand.
    Roles(0, 0, North, 0);
    EXPECT_EQ(CountVoidRuffSuits(), 1);
    Roles(North, 0, North, 0);
    EXPECT_EQ(CountVoidRuffSuits(), 1);
    Roles(0, 0, -1, 0);
    EXPECT_EQ(CountVoidRuffSuits(), 0);
}

// The count shows the contract home by ruffing: no more finesses, and the trump routine's
// card is led. 3S with one trick won: 8 more tricks are needed.
TEST_F(CrossRuffTest, CrossRuffToTheEndWhenTheRuffsBringTheContractHome) {
    LeadAt(kRuff, "1S P 3S P P P", "DK D2 D7 DA", South);
    G.DeclarerPlan = 2;
    G.Plan.CrossRuffOut = 0;
    G.Plan.NoFinesseThisTrick = 0;
    G.Plan.MyWinners = 4;
    G.Plan.PartnerWinners = 3;
    EXPECT_EQ(CrossRuffToTheEnd(), 0);
    EXPECT_EQ(G.Plan.CrossRuffOut, 0);
    EXPECT_EQ(G.WhyText, "");

    G.Plan.MyWinners = 5;
    EXPECT_EQ(CardCode(CrossRuffToTheEnd()), "S5");
    EXPECT_NE(G.Plan.CrossRuffOut, 0);
    EXPECT_NE(G.Plan.NoFinesseThisTrick, 0);
    EXPECT_EQ(G.WhyText,
              "we should be able to cross ruff out we should no longer try a finesse as we can see "
              "to the end  and it looks good, We have trump and so does the defense. We have at "
              "least 2 trump, and our partner`s high trump is good, and our trump suit is long. ");
}

// Dummy on lead without a trump: the trump routine has nothing, so each of South's cash suits
// in which dummy's lowest card is below South's highest leads towards South; the last one
// gives the card.
TEST_F(CrossRuffTest, CrossRuffToTheEndLeadsToPartnersWinner) {
    // 4S by South, who won the first trick: 9 more tricks are needed.
    LeadAt("N:.8765432.765432. .AKQJT.AKQJT9.J2 AKQJT98.9.8.AKQ3 765432...T987654",
           "1S P 4S P P P", "S2 H2 C2 S8", North);
    G.DeclarerPlan = 2;
    G.Plan.CrossRuffOut = 0;
    G.Plan.MyWinners = 4;
    G.Plan.PartnerWinners = 5;
    for (int suit = 0; suit <= 4; ++suit) G.Plan.PartnerCash[suit] = 0;
    G.Plan.PartnerCash[Diamonds] = G.Plan.PartnerCash[Hearts] = -1;
    EXPECT_EQ(CardCode(CrossRuffToTheEnd()), "H3");
    EXPECT_NE(G.Plan.CrossRuffOut, 0);
    EXPECT_EQ(G.WhyText,
              "we should be able to cross ruff out we should no longer try a finesse as we can see "
              "to the end  and it looks good, so lead to our partner`s winner so lead to our "
              "partner`s winner ");
}

// 4C by South. North: 5432.5432.5432.K, South: AK6.AK6.A.AQJT98 after the spade ace.
constexpr const char* kSingletons =
    "N:5432.5432.5432.K 987.987.9876.432 AK6.AK6.A.AQJT98 QJT.QJT.KQJT.765";

TEST_F(CrossRuffTest, SingletonSuitLeadPassesOverPartnersSingletonTrump) {
    LeadAt(kSingletons, "1C P 4C P P P", "SQ S2 S7 SA", South);
    // Dummy's single club is a trump: the first singleton side suit, diamonds, is led.
    EXPECT_EQ(CardCode(SingletonSuitLead()), "DA");
    EXPECT_EQ(G.WhyText,
              "Diamonds  is not trump, and one of us has only 1, we think they still have some."
              "Since we have highest unplayed card in this suit, let`s play it. ");
}

// 7S by South after the club ace: South holds the top hearts, diamonds and clubs, dummy two
// or more of each.
constexpr const char* kTopsInEverySuit =
    "N:JT9876.43.43.654 32..QJT98765.987 AKQ.AK2.AK2.AK32 54.QJT98765..QJT";

// The club suit led first is passed over while the defence holds trumps: the diamond ace.
TEST_F(CrossRuffTest, CashSafeWinnerPassesOverTheOpeningLeadSuit) {
    LeadAt(kTopsInEverySuit, "1S P 7S P P P", "CQ C4 C7 CA", South);
    EXPECT_EQ(CardCode(CashSafeWinner()), "DA");
    EXPECT_EQ(G.WhyText,
              "Diamonds is not trump, and we have the highest  and we don`t think they can trump ");
}

// 4S by South. Dummy led its single heart to South's ace and West showed out: dummy is void
// with trumps and South's king is the top heart.
constexpr const char* kHeartsBehindWest =
    "N:AKQ87.2.87.AJT98 32.QJT9876..Q654 JT9.AK543.65432. 654..AKQJT9.K732";

// West, on the left, is out of hearts, but dummy can overruff him: only the relaxed pass
// takes the king.
TEST_F(CrossRuffTest, CashSafeWinnerLastPassLetsPartnerOverruff) {
    LeadAt(kHeartsBehindWest, "1S P 4S P P P", "CK CA C4 D2 H2 H6 HA D9", South);
    EXPECT_EQ(CardCode(CashSafeWinner()), "HK");
    EXPECT_EQ(G.WhyText,
              "Hearts is not trump, and we have the highest are partner is out and has trump and "
              "we don`t think the player on our right can trump ");
}

struct ShortSuitCase {
    const char* name;
    const char* deal;
    const char* play;
    int mode;
    int roles[5];  // clubs to spades at 1..4
    const char* card;
    const char* why;
};
std::ostream& operator<<(std::ostream& os, const ShortSuitCase& c) { return os << c.name; }

class ShortSuitWinnerTest : public CrossRuffTest,
                            public ::testing::WithParamInterface<ShortSuitCase> {};

TEST_P(ShortSuitWinnerTest, LeadsFromTheSuitPartnerIsShortIn) {
    const ShortSuitCase& c = GetParam();
    LeadAt(c.deal, "1S P 4S P P P", c.play, South);
    Roles(c.roles[1], c.roles[2], c.roles[3], c.roles[4]);
    int card = ShortSuitWinner(c.mode);
    EXPECT_EQ(card == 0 ? "" : CardCode(card), c.card);
    EXPECT_EQ(G.WhyText, c.why);
}

// 4S by South: dummy's single diamond king is good over the queen, South's heart ace-king
// face dummy's single two.
constexpr const char* kDummySingletons =
    "N:AKQ87.2.K.AJT987 32.7654.87654.Q6 JT9.AK3.A32.5432 654.QJT98.QJT9.K";

const ShortSuitCase kShortSuits[] = {
    // Diamonds: dummy's last card is good, so low; the search goes on and hearts, South's safe
    // top card, replace it and stop.
    {"PartnersWinnerThenOurWinnerReplacesIt", kDummySingletons, "CK CA C6 C2", 0, {0, 0, 0, 0, 0},
     "HA",
     "Diamonds  is not trump, and our partner`s last card is higher then the highest out. We "
     "don`t think the player on our right is out, but our partner will be after this trick. "
     "Hearts  is not trump, and we hold the highest one. We don`t think the player on our right "
     "is out, but our partner will be after this trick."},
    // Diamonds are dummy's suit to ruff: passed over by the first pass, taken by the second.
    {"SuitOfARolePassedOverFirst", kDummySingletons, "CK CA C6 C2", 0, {0, 0, North, 0, 0}, "HA",
     "Hearts  is not trump, and we hold the highest one. We don`t think the player on our right "
     "is out, but our partner will be after this trick."},
    {"SuitOfARoleTakenSecond", kDummySingletons, "CK CA C6 C2", -1, {0, 0, North, 0, 0}, "HA",
     "Diamonds  is not trump, and our partner`s last card is higher then the highest out. We "
     "don`t think the player on our right is out, but our partner will be after this trick. "
     "Hearts  is not trump, and we hold the highest one. We don`t think the player on our right "
     "is out, but our partner will be after this trick."},
    // Dummy void in hearts with trumps, West out of them: South's king is safe only because
    // dummy can overruff West.
    {"OurWinnerWithPartnerVoid", kHeartsBehindWest, "CK CA C4 D2 H2 H6 HA D9", 0, {0, 0, 0, 0, 0},
     "HK",
     "Hearts  is not trump, and we hold the highest one. We don`t think the player on our right "
     "is out, but our partner is out. "},
};

INSTANTIATE_TEST_SUITE_P(ShortSuits, ShortSuitWinnerTest, ::testing::ValuesIn(kShortSuits),
                         [](const auto& p) { return std::string(p.param.name); });

// 4S by South after West's heart ace. Clubs: South's ace over dummy's queen-jack, with the
// king and ten the two highest out. Hearts: nothing but small cards.
constexpr const char* kQueenJackUnderAce =
    "N:AKQ87.43.AJT9.QJ 32.82.KQ876.7654 JT9.765.5432.A32 654.AKQJT9..KT98";

// Clubs would be South's to establish, but dummy's queen-jack already lie between the king
// and the ten under South's ace: the suit is passed over and hearts, also South's, are led.
TEST_F(CrossRuffTest, FinesseOrEstablishPassesOverASuitPartnerHoldsJustUnderTheTop) {
    LeadAt(kQueenJackUnderAce, "1S P 4S P P P", "HA H3 H2 H5", South);
    Roles(South, 0, South, 0);
    EXPECT_EQ(CardCode(FinesseOrEstablish(-1, South, -1)), "H7");
    EXPECT_EQ(G.WhyText,
              "Hearts  are not trump, our partner wants to establish this suit, so let`s play our "
              "highest");
    // Without the flag neither suit gives a card.
    G.WhyText.clear();
    EXPECT_EQ(FinesseOrEstablish(-1, South, 0), 0);
    EXPECT_EQ(G.WhyText, "");
}

// A suit for dummy, the hand named, to establish: the lead gets its own sentence.
TEST_F(CrossRuffTest, FinesseOrEstablishForPartnersSuitLeadsOurHighest) {
    LeadAt(kQueenJackUnderAce, "1S P 4S P P P", "HA H3 H2 H5", South);
    Roles(0, 0, North, 0);
    EXPECT_EQ(CardCode(FinesseOrEstablish(-1, North, -1)), "H7");
    EXPECT_EQ(G.WhyText,
              "Hearts  are not trump, we want to establish this suit, and we can finesse to our "
              "partner ");
}

// At each lead: a cash suit with fewer than two top tricks becomes a ruffing suit again (the
// short hand is dummy when dummy is shorter, else declarer), a suit with two top tricks
// becomes a cash suit, and the rest keep their role.
TEST_F(CrossRuffTest, ClassifySuitsMovesSuitsBetweenCashingAndRuffing) {
    LeadAt(kQueenJackUnderAce, "1S P 4S P P P", "HA H3 H2 H5", South);
    // Clubs 2-3 and hearts 1-2: dummy shorter; diamonds 4-4: declarer.
    Roles(-1, -1, -1, 0);
    ClassifySuits();
    EXPECT_EQ(G.Plan.ShortHandOf[Clubs], North);
    EXPECT_EQ(G.Plan.ShortHandOf[Diamonds], South);
    EXPECT_EQ(G.Plan.ShortHandOf[Hearts], North);
    EXPECT_EQ(G.Plan.ShortHandOf[Spades], 0);
    // One top trick or none: a ruffing suit or a suit of no role stays as it is.
    Roles(South, 0, North, 0);
    ClassifySuits();
    EXPECT_EQ(G.Plan.ShortHandOf[Clubs], South);
    EXPECT_EQ(G.Plan.ShortHandOf[Diamonds], 0);
    EXPECT_EQ(G.Plan.ShortHandOf[Hearts], North);

    // Ace-king in diamonds and hearts: cash suits; clubs, with only the king left on top,
    // keep their role; trumps get none.
    LeadAt(kTopsInEverySuit, "1S P 7S P P P", "CQ C4 C7 CA", South);
    Roles(North, North, 0, 0);
    ClassifySuits();
    EXPECT_EQ(G.Plan.ShortHandOf[Clubs], North);
    EXPECT_EQ(G.Plan.ShortHandOf[Diamonds], -1);
    EXPECT_EQ(G.Plan.ShortHandOf[Hearts], -1);
    EXPECT_EQ(G.Plan.ShortHandOf[Spades], 0);
}

struct LeadCase {
    const char* name;
    const char* deal;
    const char* auction;
    const char* play;
    const char* card;
    const char* why;
};
std::ostream& operator<<(std::ostream& os, const LeadCase& c) { return os << c.name; }

class CrossRuffLeadTest : public CrossRuffTest, public ::testing::WithParamInterface<LeadCase> {};

TEST_P(CrossRuffLeadTest, LeadsByTheFirstRuleThatGivesACard) {
    const LeadCase& c = GetParam();
    Decision d = Decide(c.deal, "S", c.auction, c.play);
    ASSERT_EQ(d.status, 0) << d.error;
    EXPECT_EQ(G.DeclarerPlan, 2);
    // The lead recorded the plan in force for the rewind.
    EXPECT_EQ(G.PlanOfTrick[G.TricksPlayed], 2);
    EXPECT_EQ(d.card, c.card);
    EXPECT_EQ(d.why, c.why);
}

const LeadCase kLeads[] = {
    // Trick 2: both hands have trumps to spare beyond their ruffs, so the lead-to-finesse
    // rules ask the trump routine: dummy's A K Q are good and dummy is the shorter, so low.
    {"TrumpTowardsPartnersTopTrumps", kRuff, "1S P 3S P P P", "DK D2 D7 DA", "S5",
     "Cross Ruff.\r\nWe need to worry about our trump, because we had less than 9 at the start, "
     "and we have not seen at least twelve of them. We have trump and so does the defense. We "
     "have at least 2 trump, and our partner`s high trump is good, and our trump suit is long. "},
    // Eight trumps: trump worry. Dummy's hearts void makes hearts the best suit (dummy's queen
    // of trumps is above the jack out though East has shown out of hearts), and South's king is
    // a winner: unblock it while dummy has none.
    {"BestSuitIsPartnersVoid", kRuff, "1S P 3S P P P", "DK D2 D7 DA HA H3 C2 D8", "HK",
     "Cross Ruff.\r\nWe need to worry about our trump, because we had less than 9 at the start, "
     "and we have not seen at least twelve of them. for Club to spades Hearts  is our bestsuit "
     "because its our partner`s void Hearts Go high because he has none of these and we have a "
     "winner. "},
};

INSTANTIATE_TEST_SUITE_P(Leads, CrossRuffLeadTest, ::testing::ValuesIn(kLeads),
                         [](const auto& p) { return std::string(p.param.name); });

// The card a plan routine plays stops the flow right there: the host records it and throws, so
// the rules after the one that decided are not run.
struct Played {
    int seat, card;
};
class StopAtCardHost : public HeadlessHost {
public:
    bool SubstituteCard(int seat, int& card) override { throw Played{seat, card}; }
};

// A rule of the Cross Ruff lead, reached by calling the plan directly on a replayed position.
struct RuleCase {
    const char* name;
    const char* deal;
    const char* auction;
    const char* play;
    int leader;
    int crossRuffOut;  // -1: the count and the trump-situation rules are skipped
    void (*setup)();   // plan state the rule reads, or nullptr
    const char* card;  // "" when no card is played
    std::string why;   // after the heading "Cross Ruff.\r\n"
};
std::ostream& operator<<(std::ostream& os, const RuleCase& c) { return os << c.name; }

class CrossRuffRuleTest : public CrossRuffTest, public ::testing::WithParamInterface<RuleCase> {
protected:
    StopAtCardHost stop;
    // Plays the lead; the card the plan played, "" when none.
    std::string Lead() {
        try {
            PlayCrossRuff();
        } catch (const Played& played) {
            EXPECT_EQ(played.seat, G.CurrentSeat);
            return CardCode(played.card);
        }
        return "";
    }
};

TEST_P(CrossRuffRuleTest, FirstRuleWithACardDecides) {
    const RuleCase& c = GetParam();
    LeadAt(c.deal, c.auction, c.play, c.leader);
    SetHost(stop);
    G.DeclarerPlan = 2;
    G.Plan.CrossRuffOut = c.crossRuffOut;
    if (c.setup) c.setup();
    EXPECT_EQ(Lead(), c.card);
    EXPECT_EQ(G.WhyText, std::string("Cross Ruff.\r\n") + c.why);
}

const std::string kWorry8 =
    "We need to worry about our trump, because we had less than 9 at the start, and we have not "
    "seen at least twelve of them. ";

// 4S by South. Dummy holds no trump and no club: it has no way into South's hand.
constexpr const char* kNoEntry =
    "N:.8765432.765432. .AKQJT.AKQJT9.J2 AKQJT98.9.8.AKQ3 765432...T987654";
// 4S by South, who holds twelve hearts and no trump; dummy eleven trumps; West the trump ace.
constexpr const char* kLastTrumpLeft =
    "N:KQJT9876543...32 .2.543.QJT987654 .AKQJT9876543.2. A2..AKQJT9876.AK";

// Plan state as a count leaves it, for leads made while the cross ruff runs to the end: no
// cash suit (no cashing for want of an entry), some winners (no lead through to the last
// trump), no ruffs counted, and the roles of the suits, clubs to spades.
void Counted(int myWinners, int partnerWinners, int shortTrumpHand, int clubs, int diamonds,
             int hearts, int spades) {
    auto& plan = G.Plan;
    for (int suit = 0; suit <= 4; ++suit) plan.MyCash[suit] = plan.PartnerCash[suit] = 0;
    plan.MyCashCount = plan.PartnerCashCount = 0;
    plan.MyWinners = myWinners;
    plan.PartnerWinners = partnerWinners;
    plan.ShortTrumpHand = shortTrumpHand;
    plan.RuffsInDummy = plan.RuffsInDeclarer = 0;
    plan.ShortHandOf[Clubs] = clubs;
    plan.ShortHandOf[Diamonds] = diamonds;
    plan.ShortHandOf[Hearts] = hearts;
    plan.ShortHandOf[Spades] = spades;
}

// 4S by South with A 3 2 of trumps, dummy 8 7 6 5 4; dummy's diamond A K and South's heart
// A K are the side winners.
constexpr const char* kAceInTheShortHand =
    "N:87654.65.AK4.765 T9.987.8765.JT98 A32.AK432.32.432 KQJ.QJT.QJT9.AKQ";
// 4S by South with A 3 of trumps, dummy Q 5 4 2; South's heart A K, dummy's diamond A K.
constexpr const char* kAceThreeInTheShortHand =
    "N:Q542.65.AK65.765 876.987.987.JT98 A3.AK432.432.432 KJT9.QJT.QJT.AKQ";
// The same with dummy's Q J T 2; the king and six small trumps out.
constexpr const char* kAceThreeUnderQueenJackTen =
    "N:QJT2.65.AK65.765 654.987.987.JT98 A3.AK432.432.432 K987.QJT.QJT.AKQ";
// 4S by South with J T 9 8 7 of trumps, dummy A K 2 and a single club ace.
constexpr const char* kKingAceInTheShortHand =
    "N:AK2.T9543.A654.A 643.82..JT987654 JT987.AQ76.32.32 Q5.KJ.KQJT987.KQ";
// 6S by South with three small trumps; dummy holds the rest but the five and six, West's.
constexpr const char* kLastTrumpPartnerAbove =
    "N:AKQJT987.A.A.AKQ ..T9876.JT987654 432.5432.5432.32 65.KQJT9876.KQJ.";
// 7S by South with the top trumps; dummy's are small; West holds the six and five.
constexpr const char* kLastTrumpOursAbove =
    "N:7432.A.AK.AKQJT9 ..987654.8765432 AKQJT98.5432.32. 65.KQJT9876.QJT.";

// 6S by South; dummy, void in hearts and diamonds, holds all trumps but South's small three
// and West's six and five.
constexpr const char* kLastTrumpDummyVoids =
    "N:AKQJT987...AKQJT .T987654..987654 432.AK32.5432.32 65.QJ.AKQJT9876.";
// 4S by South; dummy holds only trumps and clubs; the defenders hold five trumps.
constexpr const char* kDummyTwoVoids =
    "N:AKQ87...AJT98765 32..AKQJT9876.Q4 JT9.5432.5432.32 654.AKQJT9876..K";
// 4S by South; dummy's diamond ace and queen lie over West's king; South holds no club.
constexpr const char* kDiamondFinesse =
    "N:AKQ87..AQ.AJT987 32..JT9876.Q6543 JT9.765432.5432. 654.AKQJT98.K.K2";

// 4S by South after three diamonds won by West: dummy, North, threw its three hearts, so
// South holds every heart left and the defenders hold no trump.
constexpr const char* kOnlyOurHearts =
    "N:JT98765432.432.. ..5432.T98765432 AKQ.AKQJT98765.. ..AKQJT9876.AKQJ";
// 7S by South with the ace, king, queen of trumps; dummy the jack down to the six, each with
// two or more of every side suit.
constexpr const char* kGrandDrop =
    "N:JT9876.43.43.654 32..QJT98765.987 AKQ.AK2.AK2.AK32 54.QJT98765..QJT";
// 4S by South; dummy is void in hearts and holds two diamonds; South holds no club and no
// side-suit winner.
constexpr const char* kDummyHeartVoid =
    "N:AKQ87..76.AJT987 32..KQJT98.Q6543 JT9.765432.5432. 654.AKQJT98.A.K2";
// 4S by South with twelve trumps between the hands, West the two; nothing else of ours wins.
constexpr const char* kTwelveTrumpsLow =
    "N:76543.654.654.54 ..T987.AKQJT9876 AKQJT98.32.32.32 2.AKQJT987.AKQJ.";
constexpr const char* kTwelveTrumpsAceInDummy =
    "N:A6543.654.654.54 ..T987.AKQJT9876 KQJT987.32.32.32 2.AKQJT987.AKQJ.";
// 4S by South with five trumps, dummy none; no side-suit winner for either hand.
constexpr const char* kDummyNoTrump =
    "N:.8765.8765.87654 7654..JT9.AKQJT9 AKQ32.432.432.32 JT98.AKQJT9.AKQ.";
// 3S by South, who threw his three side cards under West's aces and holds only trumps now;
// dummy one trump. Without a side suit in South's hand there is no best suit.
constexpr const char* kOnlyTrumpsFinesse =
    "N:A.543.543.876543 2.T9876.T9876.T9 QJT9876543.2.2.2 K.AKQJ.AKQJ.AKQJ";
constexpr const char* kOnlyTrumpsDummyAce =
    "N:A.543.543.876543 2.T9876.T9876.T9 KQJT987654.2.2.2 3.AKQJ.AKQJ.AKQJ";
constexpr const char* kOnlyTrumpsAceOut =
    "N:3.543.543.876543 2.T9876.T9876.T9 KQJT987654.2.2.2 A.AKQJ.AKQJ.AKQJ";
constexpr const char* kOnlyTrumpsTwoHonoursOut =
    "N:2.543.543.876543 .T9876.T9876.JT9 QJT9876543.2.2.2 AK.AKQJ.AKQJ.AKQ";
constexpr const char* kThreeAces = "HA H3 H6 H2 DA D3 D6 D2 CA C3 C9 C2";
// 4S by South with nine good trumps; dummy holds two small hearts and three diamonds, South
// four of each, with the heart ace or only the jack.
constexpr const char* kBestSuitHighCard =
    "N:J654.65.876.7653 87.987.JT9.T9842 AKQ32.A432.5432. T9.KQJT.AKQ.AKQJ";
constexpr const char* kBestSuitLow =
    "N:J654.65.876.7653 87.987.JT9.T9842 AKQ32.J432.5432. T9.AKQT.AKQ.AKQJ";
// The same low hands with eleven trumps, the ten and nine out.
constexpr const char* kBestSuitTwoTrumpsOut =
    "N:J87654.65.876.76 9.987.JT9.985432 AKQ32.J432.5432. T.AKQT.AKQ.AKQJT";
// 4S by South with six small trumps; dummy A K Q 3 2, the jack and ten out.
constexpr const char* kBestSuitPartnersTopTrumps =
    "N:AKQ32.65.876.762 J.9872.JT9.98543 987654.J43.5432. T.AKQT.AKQ.AKQJT";
// 4S by South with nine small trumps; West holds the ace, king, queen and two, East none.
constexpr const char* kTopTrumpsWest =
    "N:T9876.76.5432.76 .JT98.T9876.JT98 J543.5432.A.5432 AKQ2.AKQ.KQJ.AKQ";
// The same with South's single trump, the ace.
constexpr const char* kSingleTrump =
    "N:.9876.9876.T9876 765432..QJT.AKQJ A.5432.5432.5432 KQJT98.AKQJT.AK.";

// 4S by South, whose long hearts lack only the king; dummy holds a single heart, a single club
// and ten trumps, West the last trump.
constexpr const char* kHeartsButTheKing =
    "N:QJT9876543.2.2.2 .K.76543.9876543 AK.AQJT9876543.. 2..AKQJT98.AKQJT";

const RuleCase kRules[] = {
    // Dummy cannot reach South, East has shown out of trumps: cash the first winner, the club
    // ace (no sentence of its own).
    {"PartnerWithoutEntryCashesOurWinner", kNoEntry, "1S P 4S P P P", "S2 H2 C2 S8", South, 0,
     nullptr, "CA", kWorry8},
    // No ruff or cash counted, one trump out and East out of trumps: hearts, of which South
    // has seen twelve, go through West to dummy's void.
    {"LastTrumpAheadOfPartnerLeadsIntoTheVoid", kLastTrumpLeft, "1S P 4S P P P", "S2 S3 C4 H3",
     South, 0, nullptr, "HA",
     "Since we know the last trump is sitting ahead of our partner let`s play suit where they "
     "are out. "},
    // Seven trumps, a worry; dummy has no way into South's hand outside trumps and South's
    // trumps are good: cash the club king, safe with dummy void. East has not shown out of
    // trumps, so the cash for want of an entry stays quiet.
    {"OnlyEntryInTrumpCashesASafeWinner", kNoEntry, "1S P 4S P P P", "CT H2 CJ CA", South, 0,
     nullptr, "CK",
     "We need to worry about our trump, because we had less than 9 at the start, and we have not "
     "seen at least twelve of them. Our only entry is in trump, so let`s not lead them let`s "
     "take any high cards we might have. Clubs is not trump, and we have the highest are "
     "partner is out and we don`t think they can trump "},
    // Eight trumps, South the short hand with the ace alone above the K Q J T 9 out: no trump
    // finesse to lead towards, so South keeps the ace and leads towards dummy's diamonds.
    {"WorriedShortHandKeepsTheAceAndLeadsToPartner", kAceInTheShortHand, "1S P 4S P P P",
     "CA C5 C8 C2 HQ H5 H7 HA", South, 0, nullptr, "D2",
     kWorry8 + std::string("We are worried about the trump situation, we have the highest and "
                           "we don`t want to waste it trumping a trick but we need to lead out "
                           "of the other hand ")},
    // Six trumps, South's A 3 against dummy's Q 5 4 2, the king and six more out, two tricks
    // to spare: no lead from dummy is needed, and with most of the trumps out above our third
    // best South keeps control by leading low.
    {"WorriedShortHandKeepsControlWithALowTrump", kAceThreeInTheShortHand, "1S P 4S P P P",
     "CA C5 C8 C2 HQ H5 H7 HA", South, 0, nullptr, "S3",
     kWorry8 + std::string("We are worried about the trump situation, we have the highest and "
                           "we don`t want to waste it trumping a trick but we can not lose "
                           "control of trump, so lead it low ")},
    // The same with dummy's Q J T: only the king is out above our third best, so the ace.
    {"WorriedShortHandCashesTheAceOverTheKing", kAceThreeUnderQueenJackTen, "1S P 4S P P P",
     "CA C5 C8 C2 HQ H5 H7 HA", South, 0, nullptr, "SA",
     kWorry8 + std::string("We are worried about the trump situation, we have the highest and "
                           "we don`t want to waste it trumping a trick ")},
    // Dummy, the short trump hand, holds the A K over the queen and three out, one of them
    // counted for a club ruff: the touching top trumps leave no finesse to lead towards, so
    // South, all below the queen, leads his lowest trump towards them.
    {"WorriedLongHandLeadsLowToPartnersTopTrumps", kKingAceInTheShortHand, "1S P 4S P P P",
     "HK H3 H2 HA S7 S5 S2 S4 D2 D7 D4 S6 H8 HQ HJ H4", South, 0, nullptr, "S8", kWorry8},
    // One trump out and one trick to spare: only dummy's trumps beat the five (a trump of
    // either hand above the last one counts), so South leads low towards them.
    {"LastTrumpOnlyPartnerAboveLeadsLowestTrump", kLastTrumpPartnerAbove, "1S P 6S P P P",
     "S6 S7 C4 S2", South, 0, nullptr, "S3",
     "They only have one trump it is lower then our highest and we cannot afford to lose one "
     "more trick. "},
    // A grand slam, no trick to spare: South's ace draws the last trump.
    {"LastTrumpOursAboveLeadsHighestTrump", kLastTrumpOursAbove, "1S P 7S P P P", "S6 S7 C2 S8",
     South, 0, nullptr, "SA",
     "They only have one trump it is lower then our highest and we cannot afford to lose more "
     "then one trick. "},
    // One trump out, dummy void in two suits with trumps: each gives a card, the last decides:
    // hearts, where South's king beats the jack, the second highest out.
    {"OneTrumpOutLeadsTowardsPartnersVoid", kLastTrumpDummyVoids, "1S P 6S P P P", "S6 S7 C4 S2",
     South, -1, +[] { Counted(1, 1, 0, -1, 0, 0, 0); }, "HK", ""},
    // One trump out, dummy void nowhere: the cash suit, clubs, is unblocked.
    {"OneTrumpOutUnblocksTheCashSuit", kLastTrumpPartnerAbove, "1S P 6S P P P", "S6 S7 C4 S2",
     South, -1, +[] { Counted(1, 1, 0, -1, 0, 0, 0); }, "C3",
     "Unblock Clubs  by going high because we have fewer than our partner. "},
    // Dummy is the short hand of hearts and diamonds and void in both: two suits to establish;
    // clubs, of no role and without split honours, is led first.
    {"TwoVoidShortHandsEstablishTwoSuits", kDummyTwoVoids, "1S P 4S P P P", "CK CA C4 C2", South,
     -1, +[] { Counted(1, 1, 0, 0, North, North, 0); }, "C3",
     kWorry8 + std::string("There are 2 suits to establish, which we have some of and Clubs  is "
                           "not 1 nor is it trump, we don`t have split honors")},
    // Diamonds are South's to establish and dummy's ace-queen lie over the king: finesse.
    {"OurSuitToEstablishLeadsToAFinesse", kDiamondFinesse, "1S P 4S P P P", "CK CA C3 H2", South,
     -1, +[] { Counted(1, 1, 0, 0, South, 0, 0); }, "D2",
     kWorry8 + std::string("Diamonds  are not trump, our partner wants to establish this suit "
                           "and we can lead to a finesse")},
    // Hearts are South's to establish without a finesse: once the tricks are not all ours,
    // South's highest heart.
    {"OurSuitToEstablishLeadsOurHighest", kDiamondFinesse, "1S P 4S P P P", "CK CA C3 H2", South,
     -1, +[] { Counted(1, 1, 0, 0, 0, South, 0); }, "H7",
     kWorry8 + std::string("Hearts  are not trump, our partner wants to establish this suit, so "
                           "let`s play our highest")},
    // One trump out: the flag lets the establishing lead through at once, where the tricks are
    // all ours and so the later establishing rule would not run.
    {"OneTrumpOutOurSuitToEstablishLeadsOurHighest", kHeartsButTheKing, "1S P 4S P P P",
     "DA D2 D3 H3", South, -1,
     +[] {
         Counted(1, 1, 0, 0, 0, South, 0);
         EXPECT_TRUE(AllTricksOurs());
     },
     "HA",
     "Hearts  are not trump, our partner wants to establish this suit, so let`s play our "
     "highest"},
    // Dummy counts more winners: the diamond finesse, in a suit of no role, early.
    {"PartnerAheadOnWinnersFinessesEarly", kDiamondFinesse, "1S P 4S P P P", "CK CA C3 H2", South,
     -1, +[] { Counted(1, 2, 0, 0, 0, 0, 0); }, "D2",
     kWorry8 + std::string("Diamonds  are not trump, we can not work to establish a suit this "
                           "trick, but we can finesse to our partner in this suit and need to do "
                           "it early. ")},
    // Diamonds are dummy's to establish: the finesse towards the ace-queen.
    {"PartnersSuitToEstablishLeadsToAFinesse", kDiamondFinesse, "1S P 4S P P P", "CK CA C3 H2",
     South, -1, +[] { Counted(1, 1, 0, 0, North, 0, 0); }, "D2",
     kWorry8 + std::string("Diamonds  are not trump, our partner wants to establish this suit "
                           "and we can lead to a finesse")},
    // No suit has a role and the winners are level: dummy is void in hearts, where South has no
    // winner and East has not shown out: South's second highest heart.
    {"ShortSuitWithoutOurWinnerLeadsSecondHighest", kDiamondFinesse, "1S P 4S P P P",
     "CK CA C3 H2", South, -1, +[] { Counted(1, 1, 0, 0, 0, 0, 0); }, "H6",
     kWorry8 + std::string("Hearts  is not trump, and we don`t hold the highest one. Our partner "
                           "is out but we don`t think the player on our right is out. ")},
    // The same with South the shorter trump hand and trumps a worry: no short-suit lead, so the
    // early diamond finesse.
    {"ShortTrumpHandWorriedFinessesInstead", kDiamondFinesse, "1S P 4S P P P", "CK CA C3 H2",
     South, -1, +[] { Counted(1, 1, South, 0, 0, 0, 0); }, "D2",
     kWorry8 + std::string("Diamonds  are not trump, we can not work to establish a suit this "
                           "trick, but we can finesse to our partner in this suit and need to do "
                           "it early. ")},
    // Trump worry but no short trump hand: the singleton diamond ace.
    {"SingletonSuitIsLed", kSingletons, "1C P 4C P P P", "SQ S2 S7 SA", South, -1,
     +[] { Counted(1, 1, 0, 0, 0, 0, 0); }, "DA",
     "We need to worry about our trump, because we had less than 9 at the start, and we have "
     "not seen at least twelve of them. Diamonds  is not trump, and one of us has only 1, we "
     "think they still have some.Since we have highest unplayed card in this suit, let`s play "
     "it. "},
    // East showed out of trumps and West's three beat all of ours: a worry. The singleton
    // diamond ace is led all the same.
    {"TrumpWorryDefenderShownOutSingletonLed", kTopTrumpsWest, "1S P 4S P P P", "S2 S6 H8 SJ",
     South, -1, +[] { Counted(1, 1, 0, 0, 0, 0, 0); }, "DA",
     "We need to worry about our trump, because we don`t have more high trump than the trump "
     "out and one of them has shown out and we have not seen at least twelve of them. Diamonds  "
     "is not trump, and one of us has only 1, we think they still have some.Since we have "
     "highest unplayed card in this suit, let`s play it. "},
    // The defenders hold no trump and nobody but South holds hearts: the heart ace.
    {"NoTrumpOutCashesTheSuitOnlyWeHold", kOnlyOurHearts, "1S P 4S P P P",
     "DA H2 D2 H5 DK H3 D3 H6 DQ H4 D4 H7", South, -1, +[] { Counted(1, 1, 0, 0, 0, 0, 0); },
     "HA", ""},
    // No trick to spare, no ruff counted and our trumps above all of theirs: the trump
    // routine plays for the drop, low towards dummy's good trumps.
    {"NothingToRuffAndNoSpareTrickDrawsTrumps", kGrandDrop, "1S P 7S P P P", "CQ C4 C7 CA",
     South, -1, +[] { Counted(1, 1, 0, 0, 0, 0, 0); }, "SQ",
     "We have trump and so does the defense. We want to play for the drop. "},
    // Hearts are dummy's suit to ruff, which the first short-suit pass leaves alone; the
    // second takes it: dummy is void with trumps and East has not shown out.
    {"ShortSuitOfPartnersRoleLedSecondHighest", kDummyHeartVoid, "1S P 4S P P P", "CK CA C3 H2",
     South, -1, +[] { Counted(1, 1, 0, 0, 0, North, 0); }, "H6",
     kWorry8 + std::string("Hearts  is not trump, and we don`t hold the highest one. Our partner "
                           "is out but we don`t think the player on our right is out. ")},
    // Twelve trumps at the start and one out: dummy's top trump, the seven, is below South's
    // second lowest and above the two, so South's lowest.
    {"TwelveTrumpsOneOutLeadsLowest", kTwelveTrumpsLow, "1S P 4S P P P", "HA H4 C6 H2", South,
     -1, +[] { Counted(1, 1, 0, 0, 0, 0, 0); }, "S8", ""},
    // Dummy's ace outranks South's second lowest trump: South's highest.
    {"TwelveTrumpsOneOutLeadsHighest", kTwelveTrumpsAceInDummy, "1S P 4S P P P", "HA H4 C6 H2",
     South, -1, +[] { Counted(1, 1, 0, 0, 0, 0, 0); }, "SK", ""},
    // Dummy has no trump and no winner: no best suit; South's ace is above the jack out.
    {"NoBestSuitLeadsOurGoodTrump", kDummyNoTrump, "1S P 4S P P P", "HA H5 D9 H2", South, -1,
     +[] { Counted(1, 1, 0, 0, 0, 0, 0); }, "SA",
     "We need to worry about our trump, because we had less than 9 at the start, and we have "
     "not seen at least twelve of them. We found no best suit, we have some trump, but we have "
     "not seen them all, and our highest trump is greater than the highest trump out. "},
    // Dummy runs out of hearts first: the best suit. South's ace is the one winner, dummy's
    // six the second card of the suit, so there is nothing to unblock: the ace.
    {"BestSuitOurHighCard", kBestSuitHighCard, "1S P 4S P P P", "DA D6 D9 D2", South, -1,
     +[] { Counted(1, 1, 0, 0, 0, 0, 0); }, "HA",
     "Hearts  is our bestsuit because it is our partner`s shortest suit. We have the high card, "
     "let`s take it. "},
    // Diamonds are the best suit, with no winner and four trumps out: low.
    {"BestSuitLowest", kBestSuitLow, "1S P 4S P P P", "DA D6 D9 D2", South, -1,
     +[] { Counted(1, 1, 0, 0, 0, 0, 0); }, "D3",
     "Diamonds  is our bestsuit because it is our partner`s shortest suit. Play lowest in the "
     "bestsuit. "},
    // The same with two trumps out, neither defender known short: draw them, South's ace wins.
    {"BestSuitWithoutWinnerDrawsTheLastTrumps", kBestSuitTwoTrumpsOut, "1S P 4S P P P",
     "DA D6 D9 D2", South, -1, +[] { Counted(1, 1, 0, 0, 0, 0, 0); }, "SA",
     "Diamonds  is our bestsuit because it is our partner`s shortest suit. We think we can get "
     "there last trump. We can win so go high. "},
    // The same with dummy's A K Q over the jack and ten out and South's trumps all below them:
    // low towards dummy's winners.
    {"BestSuitWithoutWinnerLeadsLowToPartnersTopTrumps", kBestSuitPartnersTopTrumps,
     "1S P 4S P P P", "DA D6 D9 D2", South, -1, +[] { Counted(1, 1, 0, 0, 0, 0, 0); }, "S4",
     "Diamonds  is our bestsuit because it is our partner`s shortest suit. We think we can get "
     "there last trump. We cant win so go low. "},
    // South holds only trumps: the king lies between dummy's ace and South's queen, a finesse.
    {"NoBestSuitTrumpFinesse", kOnlyTrumpsFinesse, "1S P 3S P P P", kThreeAces, South, -1,
     +[] { Counted(1, 1, 0, 0, 0, 0, 0); }, "SQ",
     "We found no best suit, we have some trump, but we have not seen them all, and Spades has a "
     "finesse. "},
    // Dummy's single ace is good and dummy is shorter: South leads low to it.
    {"NoBestSuitLowToPartnersGoodTrump", kOnlyTrumpsDummyAce, "1S P 3S P P P", kThreeAces, South,
     -1, +[] { Counted(1, 1, 0, 0, 0, 0, 0); }, "S4",
     "We found no best suit, we have some trump, but we have not seen them all, and our "
     "partner`s highest trump is greater than the highest trump out and our partner has less "
     "Trump than we do. "},
    // The ace is out, South's queen beats the two: the second highest trump. No top trump
    // against two out is a worry too.
    {"NoBestSuitSecondHighestTrump", kOnlyTrumpsAceOut, "1S P 3S P P P", kThreeAces, South, -1,
     +[] { Counted(1, 1, 0, 0, 0, 0, 0); }, "SQ",
     "We need to worry about our trump, because we don`t have more high trump than one half of "
     "the trump out and neither of them has shown out and we have not seen at least twelve of "
     "them. We found no best suit, we have some trump, but we have not seen them all, and our "
     "second highest trump is higher than the second highest trump out. "},
    // Ace and king out, above South's queen and jack: South's lowest trump.
    {"NoBestSuitLowestTrump", kOnlyTrumpsTwoHonoursOut, "1S P 3S P P P", kThreeAces, South, -1,
     +[] { Counted(1, 1, 0, 0, 0, 0, 0); }, "S3",
     "We need to worry about our trump, because we don`t have more high trump than one half of "
     "the trump out and neither of them has shown out and we have not seen at least twelve of "
     "them. We found no best suit, we have some trump, but we have not seen them all, and our "
     "highest trump is not higher than the highest trump out. "},
};

INSTANTIATE_TEST_SUITE_P(Rules, CrossRuffRuleTest, ::testing::ValuesIn(kRules),
                         [](const auto& p) { return std::string(p.param.name); });

// No rule gives a card and there is no best suit, and South's single trump is no reason to
// lead trumps: the plan becomes End Game, which plays the card.
TEST_F(CrossRuffRuleTest, NoPlayFoundHandsOverToTheEndGame) {
    LeadAt(kSingleTrump, "1S P 4S P P P", "HA H6 DT H2", South);
    SetHost(stop);
    G.DeclarerPlan = 2;
    G.Plan.CrossRuffOut = -1;
    Counted(1, 1, 0, 0, 0, 0, 0);
    // The end game's trump routine plays for the drop with South's ace.
    EXPECT_EQ(Lead(), "SA");
    EXPECT_EQ(G.DeclarerPlan, 4);
    EXPECT_EQ(G.WhyText,
              "Cross Ruff.\r\nWe need to worry about our trump, because we had less than 9 at the "
              "start, and we have not seen at least twelve of them. We found no play in Cross Ruff "
              "so off to end game.We have trump and so does the defense. We want to play for the "
              "drop and we have more high trump then our partner. ");
}

}  // namespace
}  // namespace kestrel::test
