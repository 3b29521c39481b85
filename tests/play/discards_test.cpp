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
    int partnerCash = 0;  // a suit flagged PartnerCash (0: none)
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
        G.Plan.MyCash[suit] = 0;
        G.Plan.PartnerCash[suit] = suit == c.partnerCash ? -1 : 0;
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

// The deals below are all 4S by South (West leads a club, the dummy has none) unless named NoTrump.

// North: S 98765432, H 32, D 432; South: H AK, no diamond.
constexpr const char* kGoodAndVoid =
    "N:98765432.32.432. .QJ975.AQT86.KJ9 AKQJT.AK..765432 .T864.KJ975.AQT8";
// North: S T98765432, H AK, D K2 (the ace out); South: D 543.
constexpr const char* kBlankKing =
    "N:T98765432.AK.K2. .QJ9753.AJ97.KJ9 AKQJ..543.765432 .T8642.QT86.AQT8";
// North: D 432 against a singleton, H 32 against 654.
constexpr const char* kShortLoser =
    "N:98765432.32.432. .AKJ97.KJ97.KJ93 AKQJT.654.5.7654 .QT8.AQT86.AQT82";
// North: five trumps, H 2, D 8765432; South: three trumps, no heart, D 9.
constexpr const char* kSingleton =
    "N:AKQJT.2.8765432. 642.KJ9753.KJ.42 987..9.AKQJT8765 53.AQT864.AQT.93";
// North: D 5432 against A6, H 5432 against A76: the losers are South's.
constexpr const char* kPartnersLosers =
    "N:AKQJT.5432.5432. 42.QT8.QT8.T8642 98765.A76.A6.AKQ 3.KJ9.KJ97.J9753";
// North: D 5432 against A6, H 432 against AKQ.
constexpr const char* kThinWinners =
    "N:AKQJT9.432.5432. 3.J975.QT8.T8642 87654.AKQ.A6.AKQ 2.T86.KJ97.J9753";
// North: D 5432 against AKQJ, H 432 against AKQ; six trumps.
constexpr const char* kAllCovered =
    "N:AKQJT9.432.5432. 3.J975.97.QT8642 87654.AKQ.AKQJ.A 2.T86.T86.KJ9753";
// North: one trump, D 765432 and H 765432, each against AKQJ.
constexpr const char* kOneTrump =
    "N:A.765432.765432. 8753.T8.9.KJ9753 KQJT9.AKQJ.AKQJ. 642.9.T8.AQT8642";
// North: one trump, D 765432, H 765432; South: nine trumps, no red card.
constexpr const char* kRuffedOut =
    "N:A.765432.765432. 43.AQT8.KJ9.9753 KQJT98765...AKQJ 2.KJ9.AQT8.T8642";
// North: ten trumps, H A, D A2; South: three trumps, D K3.
constexpr const char* kTwoTops =
    "N:AKQJT98765.A.A2. .KQT8642.J975.53 432..K3.AKQJT987 .J9753.QT864.642";
// North: nine trumps, H AK, D A2; South: the other four trumps, D K3, no heart.
constexpr const char* kTwoTopsAndWinners =
    "N:AKQJT9876.AK.A2. .QT8642.J975.642 5432..K3.AKQJT98 .J9753.QT864.753";
// North: eleven trumps, H A, D A; South: the other two trumps.
constexpr const char* kBlankAces =
    "N:KQJT9876543.A.A. .KJ97.QT8.QT8642 A2.65432.65432.A .QT8.KJ97.KJ9753";
// North: H AJ against the queen (king and ten out), D 432 against a singleton.
constexpr const char* kAceJack =
    "N:98765432.AJ.432. .KT8642.KJ97.KJ9 AKQJT.Q.5.765432 .9753.AQT86.AQT8";
// North: D 432 against AKQJ, H 432 against AKQ, seven trumps: the red suits tie for shortest,
// both with a card under the highest out, and hearts, of which fewer are seen, go.
constexpr const char* kShortestTie =
    "N:AKQJT98.432.432. 3.J975.T97.QT864 7654.AKQ.AKQJ.A2 2.T86.865.KJ9753";
// 3NT by South. North: S 32, H 432, D 98765432; South: S AKQ, H AKQJ, D AT.
constexpr const char* kNoTrumpCovered =
    "N:32.432.98765432. JT864.975.Q.9753 AKQ.AKQJ.AT.AKQJ 975.T86.KJ.T8642";

const DiscardCase kMoreDiscardCases[] = {
    // Both suits kept for the plan; hearts, where South has the winners, are given up.
    {"PlanTwoKeepsAGoodSuitAndPartnersVoid", kGoodAndVoid, "1S P 4S P P P", "CA", 2, 0, false,
     "H3",
     "We have some Diamonds  but this is a suit is our partner`s void. We have some Hearts  but "
     "this is a suit is good. Well we ran out of suits, so Hearts has winners for our partner. We "
     "will still have an entry if we sluff this, so go ahead. "},
    // Both suits kept, the diamond loser goes all the same.
    {"KeepsTheKingUnderTheAceAndTheWinners", kBlankKing, "1S P 4S P P P", "CA", 0, 0, false, "D2",
     "We have some Diamonds  but we have exactly two and our high < the high out and their are no "
     "cards between our highcard and the high out.We have some Hearts  but we have no losers in "
     "it. Found a loser in Diamonds that we can sluff. "},
    {"ShortSideLoserBeforeAnyOther", kShortLoser, "1S P 4S P P P", "CA", 0, 0, false, "H2",
     "We have some Diamonds and we have no reason to keep any.We have some Hearts and we have no "
     "reason to keep any.Found a short side loser in Hearts that we can sluff. "},
    {"SingletonLoserBeforeAnyOther", kSingleton, "1S P 4S P P P", "C9", 0, 0, false, "H2",
     "We have some Diamonds and we have no reason to keep any.We have some Hearts and we have no "
     "reason to keep any.Found a singleton loser in Hearts that we can sluff. "},
    // No loser of North's: the suit one longer than South's, where South has losers.
    {"MatchesPartnersLosers", kPartnersLosers, "1S P 4S P P P", "CJ", 0, 0, false, "H2",
     "We have some Diamonds and we have no reason to keep any.We have some Hearts and we have no "
     "reason to keep any.Found a loser in Hearts that we can sluff. "},
    {"TooFewWinnersForEitherHand", kThinWinners, "1S P 4S P P P", "CJ", 0, 0, false, "D2",
     "We have some Diamonds and we have no reason to keep any.We have some Hearts and we have no "
     "reason to keep any.Found a loser in Diamonds that we can sluff. "},
    {"WithTrumpsTheShortestSuit", kAllCovered, "1S P 4S P P P", "CK", 0, 0, false, "H2",
     "We have some Diamonds and we have no reason to keep any.We have some Hearts and we have no "
     "reason to keep any.We have trump and this is our shortest suit, we have not decided. "},
    {"OneTrumpLowFromASuitBothHold", kOneTrump, "1S P 4S P P P", "CA", 0, 0, false, "D2",
     "We have some Diamonds and we have no reason to keep any.We have some Hearts and we have no "
     "reason to keep any.We have more than 1 Diamonds and the trump is not no trump. "},
    {"FreeSuitWithCardsToSpare", kRuffedOut, "1S P 4S P P P", "CT", 0, 0, false, "D2",
     "We have some Diamonds and we have no reason to keep any.We have some Hearts and we have no "
     "reason to keep any.In Diamonds we have more than 1. "},
    {"EverySuitKeptOutOfOptions", kRuffedOut, "1S P 4S P P P", "CT", 2, 0, false, "D2",
     "We have some Diamonds  but this is a suit we want to establish. We have some Hearts  but "
     "this is a suit we want to establish. We have more than 1 Diamonds but are out of options. "},
    // Ace-deuce opposite the king is spared while another suit has two cards; here none has.
    {"KeepsEntriesThenOutOfOptions", kTwoTops, "1S P 4S P P P", "C6", 0, 0, false, "D2",
     "We have some Diamonds  but we want to keep as many entries to our partner as he has winners "
     "in this suit. We have some Hearts  but we have no losers in it. We have more than 1 Diamonds "
     "but are out of options. "},
    // With another suit of two to throw, the ace-deuce stays.
    {"OutOfOptionsSparesTwoTopsOppositePartners", kTwoTopsAndWinners, "1S P 4S P P P", "C7", 0, 0,
     false, "HK",
     "We have some Diamonds  but we want to keep as many entries to our partner as he has winners "
     "in this suit. We have some Hearts  but we have no losers in it. We have more than 1 Hearts "
     "but are out of options. "},
    {"OnlySingletonsLeft", kBlankAces, "1S P 4S P P P", "CK", 0, 0, false, "DA",
     "We have some Diamonds  but we have no losers in it. We have some Hearts  but we have no "
     "losers in it. We have a Diamonds but are out of options. "},
    {"KeepsTwoTopsAboveTheSecondOut", kAceJack, "1S P 4S P P P", "CA", 0, 0, false, "D2",
     "We have some Diamonds and we have no reason to keep any.We have some Hearts  but we have "
     "exactly two and our high is higher than the highest  out and our partner`s highest and our "
     "second highest card are both above the second highest out.Found a loser in Diamonds that we "
     "can sluff. "},
    {"WithTrumpsShortestTieFewerSeen", kShortestTie, "1S P 4S P P P", "CK", 0, 0, false, "H2",
     "We have some Diamonds and we have no reason to keep any.We have some Hearts and we have no "
     "reason to keep any.We have trump and this is our shortest suit, we have not decided. "},
    // No finesse this trick: hearts cash for South, so the spades go, silently.
    {"NoTrumpNoFinesseSuitWithoutWinners", kNoTrumpCovered, "1N P 3N P P P", "CT", 0, 0, true,
     "S2",
     "We have some Diamonds  but we are playing no trump, this is our longest suit. We have some "
     "Hearts and we have no reason to keep any.We have some Spades and we have no reason to keep "
     "any.",
     Hearts},
};

INSTANTIATE_TEST_SUITE_P(MoreRows, OffenseDiscardTest, ::testing::ValuesIn(kMoreDiscardCases),
                         [](const auto& p) { return std::string(p.param.name); });

// No Trump discards reached by the normal play of the hand (3NT by South, West leads a club).
class NoTrumpDiscardTest : public ::testing::TestWithParam<PlayCase> {};

TEST_P(NoTrumpDiscardTest, KeepsTheSuitsThatWin) { ExpectDecision(GetParam()); }

const PlayCase kNoTrumpCases[] = {
    // North: S 987654, H AKQ2, D K32 (the ace out); South: H J, the ten out.
    {"FaceCardUnderTheAceAndHeartsAbovePartner",
     "N:987654.AKQ2.K32. J3.T864.A975.642 AKQ.J.QJ.AKQJT98 T2.9753.T864.753", "S",
     "1N P 3N P P P", "C7", "N", "H2",
     "We are on the offense in the second position, trump is no trump, and suit lead is not a suit "
     "to fear, so we go high on the short side sluff rules. We have some Diamonds  but we are "
     "playing no trump, and our highcard is a face card and it is lower than the high out. We have "
     "some Hearts  but we are playing no trump, and second lowest card is greater than our "
     "partner`s highcard and his highest is higher than the high out. We have some Spades  but we "
     "are playing no trump, this is our longest suit. We ran out of suits, so Hearts our partner`s "
     "highest is higher than the highout and this is not our longest suit, and trump = nt, then "
     "this suit is the one. "},
    // North: S T98765432 (all spades are ours), H AQ (king out), D KQ; South: H 3, D A.
    {"GoodLookingSuitKeptSpadesNoneOut",
     "N:T98765432.AQ.KQ. .KT864.J9753.642 AKQJ.3.A.AKQJT98 .J9752.T8642.753", "S",
     "1N P 3N P P P", "C7", "N", "S2",
     "We are on the offense in the second position, trump is no trump, and suit lead is not a suit "
     "to fear, so we go high on the short side sluff rules. We have some Diamonds  but we are "
     "playing no trump, our card is the highest in the suit and we only have 1.We have some "
     "Hearts  but we are playing no trump, and this suit looks good or is missing one card of "
     "being good. We have some Spades  but we are playing no trump, this is our longest suit. In "
     "Spades we have more than 1. "},
    // North: D T98765432 opposite AKQ (the jack out), H AQ, S AK.
    {"KeptSuitWherePartnerIsHigh",
     "N:AK.AQ.T98765432. QT8642.J9752..42 .3.AKQ.AKQJT9876 J9753.KT864.J.53", "S",
     "1N P 3N P P P", "C5", "N", "D2",
     "We are on the offense in the second position, trump is no trump, and suit lead is not a suit "
     "to fear, so we go high on the short side sluff rules. We have some Diamonds  but we are "
     "playing no trump, this is our longest suit. We have some Hearts  but we are playing no "
     "trump, and this suit looks good or is missing one card of being good. We have some Spades  "
     "but we are playing no trump, our card is the highest in the suit and we only have 1.In "
     "Diamonds we have more than 1. "},
    // North: S JT98765432, H AK, D A: every other suit is good.
    {"LongestGoesWhenAllElseIsGood",
     "N:JT98765432.AK.A. .QT86.KJ97.T8642 AKQ.432.5432.AKQ .J975.QT86.J9753", "S",
     "1N P 3N P P P", "CJ", "N", "S2",
     "We are on the offense in the second position, trump is no trump, and suit lead is not a suit "
     "to fear, so we go high on the short side sluff rules. We have some Diamonds  but we are "
     "playing no trump, our card is the highest in the suit and we only have 1.We have some "
     "Hearts  but we are playing no trump, our card is the highest in the suit and we only have "
     "1.We have some Spades  but we are playing no trump, this is our longest suit. Spades is good "
     "to sluff, because it is our longest suit and we are good everywhere else. "},
    {"SecondLowestUnderPartnersWinners", kNoTrumpCovered, "S", "1N P 3N P P P", "CT", "N", "H3",
     "We are on the offense in the second position, trump is no trump, and suit lead is not a suit "
     "to fear, so we go high on the short side sluff rules. We have some Diamonds  but we are "
     "playing no trump, this is our longest suit. We have some Hearts and we have no reason to "
     "keep any.We have some Spades and we have no reason to keep any.We have more than 1 Hearts "
     "and the trump is no trump. Our partner has as many as we do, our partner`s highest is > the "
     "high out and our lowest, play our second lowest. "},
    // After a diamond trick: North D 8765 and H 5432, South the ace and a small card in each.
    // Diamonds are passed over, three out cannot outlast North's four.
    {"ThinWinnersWhereADefenderCanHoldAsMany",
     "N:5432.5432.87654. 76.KQT8.T.QT8642 AKQJT98.A6.A32.A .J97.KQJ9.KJ9753", "S",
     "1N P 3N P P P", "DK D4 DT D2 C3", "N", "H2",
     "We are on the offense in the second position, sluff rules. We have some Diamonds and we have "
     "no reason to keep any.We have some Hearts and we have no reason to keep any.We have some "
     "Spades  but we are playing no trump, this is our longest suit. Found a loser in Hearts that "
     "we can sluff. "},
    // North: D 65432, H 65432 (South AKQ, no diamond), S AKQ: the red suits tie for longest, and
    // hearts, of which more are seen, are kept; the diamonds go.
    {"LongestTieMoreSeenIsKept",
     "N:AKQ.65432.65432. 9876.JT9.AKQJ.65 JT.AKQ..AKQJT987 5432.87.T987.432", "S",
     "1N P 3N P P P", "C4", "N", "D2",
     "We are on the offense in the second position, trump is no trump, and suit lead is not a suit "
     "to fear, so we go high on the short side sluff rules. We have some Diamonds and we have no "
     "reason to keep any.We have some Hearts  but we are playing no trump, this is our longest "
     "suit. We have some Spades  but we are playing no trump, and second lowest card is greater "
     "than our partner`s highcard and his highest is higher than the high out. Found a loser in "
     "Diamonds that we can sluff. "},
    // Declarer last to a trick the dummy's ace wins: the suit the dummy lacks goes.
    {"PartnerWinsDiscardWhereHeHasNone",
     "N:.3.AKQJ.AKQJT987 QJ9753.KT864..53 AK.AQ.T98765432. T8642.J9752..642", "S",
     "1N P 3N P P P", "C6 CA C5", "S", "SK",
     "We are on the offense in the fourth position, our partner is already taking this trick cant "
     "follow suit We have some Diamonds  but we are playing no trump, this is our longest suit. We "
     "have some Hearts  but we are playing no trump, and this suit looks good or is missing one "
     "card of being good. We have some Spades  but we are playing no trump, our card is the "
     "highest in the suit and we only have 1.In Spades Our partner has the lead and none of "
     "these. "},
};

INSTANTIATE_TEST_SUITE_P(Rows, NoTrumpDiscardTest, ::testing::ValuesIn(kNoTrumpCases),
                         [](const auto& p) { return std::string(p.param.name); });

INSTANTIATE_TEST_SUITE_P(Rows, OffenseDiscardTest, ::testing::ValuesIn(kDiscardCases),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace kestrel::test
