// The Long Suit Establishment plan: trumps first, then the long suits.
#include "play/play_fixture.h"

namespace kestrel::test {
namespace {

class LongSuitTest : public PlayTest, public ::testing::WithParamInterface<PlayCase> {};

TEST_P(LongSuitTest, LeadsAsExpected) { ExpectDecision(GetParam()); }

constexpr const char* kFourSpades =
    "S:KJ75.K86.Q2.Q865 A9.3.AKJ9853.JT4 Q643.AJT972..AK7 T82.Q54.T764.932";
constexpr const char* kFourHearts =
    "W:KQJ86.Q9.T6.Q952 73.AT.A98754.AK3 T2.K64.J32.JT876 A954.J87532.KQ.4";

const PlayCase kCases[] = {
    // Dummy holds two hearts with at most one entry to declarer: unblock the doubleton.
    {"DoubletonLimitedEntries", kFourSpades, "S", "P 1D X P 1S 2D 3S P 4S P P P",
     "H3 H7 HQ HK S5 S9 SQ S2 S3 S8 SK SA CT C7 C3 CQ SJ D3 S4 ST H8 C4 H2 H5 C8 CJ CA C9 CK C2 C5 "
     "D5 H9 H4 H6 D8 HA D4 D2 D9",
     "N", "HJ",
     "Long Suit Est.\r\nHearts Go high because he has none of these and we have a winner. we have "
     "exactly 2 and limited entries into our partner`s hand, unblock suit "},
    // A suit never led: the unblocking lead, with the never-led prefix.
    {"NeverLedSuitUnblocked", kFourHearts, "W", "P 1D P 1S P 3D P 3H P 3N P 4H P P P",
     "DT D4 D3 DQ HJ HQ HA H4 HT HK H2 H9 D2 DK D6 D5 H8 S6 S3 H6 SA S8 S7 S2", "S", "C4",
     "Long Suit Est.\r\nUnblock Clubs  by going high because we have fewer than our partner. Clubs "
     "has never been lead and it  is our suit to establish, and we found no finesse, so unblock "
     "suit. "},
    // No trump in our hand to lead: cash a safe winner first.
    {"NoTrumpsCashSafeWinner", kFourHearts, "W", "P 1D P 1S P 3D P 3H P 3N P 4H P P P",
     "DT D4 D3 DQ HJ HQ HA H4 HT HK H2 H9 D2 DK D6 D5 H8 S6 S3 H6", "S", "SA",
     "Long Suit Est.\r\nSpades is not trump, and we have the highest  and we don`t think they can "
     "trump "},
    // Partner's suit with no finesse, unblock or way back: our highest card of it.
    {"PartnersSuitOurHighest", kFourSpades, "S", "P 1D X P 1S 2D 3S P 4S P P P",
     "H3 H7 HQ HK S5 S9 SQ S2 S3 S8 SK SA CT C7 C3 CQ SJ D3 S4 ST H8 C4 H2 H5", "S", "C8",
     "Long Suit Est.\r\nClubs partner`s highest in not greater than the highest out or he can not "
     "finesse back to us, and we could not finesse or unblock this suit, "},
    // Partner's only entry is a trump: no trump lead, the side-suit finesse instead.
    {"PartnersOnlyEntryInTrump",
     "W:AQ843.A.AQT.9854 T765.J972.92.AQT K92.Q4.J84.KJ732 J.KT8653.K7653.6", "W",
     "1C P 2C P 3C P P P",
     "D9 DJ DK DA C4 CT CK C6 C3 H3 C9 CQ CA C2 D3 C5 H2 H4 HK HA SA S5 S2 SJ DQ D2 D4 D6 DT S6 D8 "
     "D7 SQ S7 SK H5 HQ H6 S3 H7",
     "E", "S9",
     "Long Suit Est.\r\nTrump is not no trump, our partner`s only entry is in trump.  Spades is not "
     "trump, and we can finesse to our partner "},
};

INSTANTIATE_TEST_SUITE_P(Positions, LongSuitTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kestrel::test
