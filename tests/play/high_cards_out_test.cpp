// The High Cards and Out plan.
#include "play/play_fixture.h"

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
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kestrel::test
