// The High Cards and Out plan.
#include "play/play_fixture.h"

#include "core/cards.h"
#include "core/state.h"
#include "core/text.h"
#include "play/high_cards_out.h"

namespace kestrel::test {
namespace {

class HighCardsOutTest : public PlayTest, public ::testing::WithParamInterface<PlayCase> {};

TEST_P(HighCardsOutTest, LeadsAsExpected) { ExpectDecision(GetParam()); }

const PlayCase kCases[] = {
    // The last trick of 3NT: one side suit, partner holds a singleton in it: our lowest.
    {"SingleSuitPartnerSingleton",
     "N:AQJ6.KT73.AT2.Q9 KT872.AQ86.Q8.62 94.J95.K753.AT74 53.42.J964.KJ853", "N",
     "1N P 2N P 3S P 3N P P P",
     "H6 HJ H4 H3 H5 H2 HK HA HQ H9 C3 H7 H8 S4 S3 HT CQ C2 CA C5 C4 CK C9 C6 S5 S6 SK S9 D8 DK D4 "
     "D2 D3 D6 DA DQ SA S2 D5 C8 SQ S7 C7 D9 SJ S8 CT CJ",
     "N", "DT",
     "High Cards and Out. We only have one suit that is not trump, and our partner has 1 in this "
     "suit so play our lowest"},
};


INSTANTIATE_TEST_SUITE_P(Positions, HighCardsOutTest, ::testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

// The plan in a suit contract: the plan chooser gives a suit contract Long Suit Establishment or
// Cross Ruff, so these positions set the plan directly and call the plan's lead.
struct SuitPlanCase {
    const char* name;
    const char* deal;
    const char* dealer;
    const char* auction;
    const char* play;
    int seat;
    const char* card;
    const char* why;
};

inline std::ostream& operator<<(std::ostream& os, const SuitPlanCase& c) { return os << c.name; }

class HighCardsOutSuitTest : public PlayTest, public ::testing::WithParamInterface<SuitPlanCase> {};

TEST_P(HighCardsOutSuitTest, LeadsAsExpected) {
    const SuitPlanCase& c = GetParam();
    Decision d = Decide(c.deal, c.dealer, c.auction, c.play);
    ASSERT_EQ(d.status, 0) << d.error;
    Reattach();
    G.CurrentSeat = G.Leader = c.seat;
    G.WhyText.clear();
    G.DeclarerPlan = 3;
    int trick = G.TricksPlayed + 1;
    PlayHighCardsAndOut();
    EXPECT_EQ(CardCode(G.PlayedCard[c.seat][trick]), c.card);
    EXPECT_EQ(G.WhyText, c.why);
    EXPECT_EQ(G.DeclarerPlan, 3);
}

const SuitPlanCase kSuitCases[] = {
    // 4S, two trumps out: the trump routine's finesse, with the trump sentence.
    {"TrumpRoutineLeads", "E:654.T9543.92.KQ3 K932.KQ8.AT74.T8 QJ.AJ76.53.A9654 AT87.2.KQJ86.J72",
     "E", "P 1C P 1S P 2S P 4S P P P", "S4 S2 SQ SA", North, "ST",
     "High Cards and Out. We have trump and so does the defense. We found a finesse. Trump is not "
     "no trump, our partner`s only entry is in trump, take trump rules"},
    // 4S, trumps drawn, South AKQ.A32.K32.5432 without trumps, dummy void in clubs with the last
    // trump: clubs, for dummy to ruff; no card out below South's five, so low.
    {"ShortSuitForPartnersVoid",
     "S:AKQ.A32.K32.5432 765.KQJ.AQJ.KQJT JT98.7654.7654.A 432.T98.T98.9876", "S",
     "1S P 4S P P P", "CK CA C6 C2 S8 S2 SQ S5 SA S6 S9 S3 SK S7 ST S4", South, "C3",
     "High Cards and Out. Our best suit is Clubs because this will hopefull lead to a void for our "
     "partner our partner has more than 1 our highest cards are the same "},
    // 4S, trumps drawn, South KQ of trumps and K32 of diamonds against eight out: diamonds, for
    // South's own void; the king is well above dummy's five.
    {"ShortSuitForOurVoid",
     "S:AKQJ.A32.K32.432 54.KQJT9.AQJ.AKQ T9876.54.54.8765 32.876.T9876.JT9", "S",
     "1S P 4S P P P", "S5 S6 S2 SJ SA S4 S7 S3", South, "DK",
     "High Cards and Out. Our best suit is Diamonds because this will hopefull lead to a void for "
     "us our partner has more than 1 our highest card is higher than his "},
};

INSTANTIATE_TEST_SUITE_P(Positions, HighCardsOutSuitTest, ::testing::ValuesIn(kSuitCases),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace kestrel::test
