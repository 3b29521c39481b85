// Bidding decisions of the opening side taken through `kestrel-cli decide`: the deal, the
// auction so far, the call the engine makes next and its exact Why text.
#pragma once

#include "play/play_fixture.h"

namespace kestrel::test {

struct BidCase {
    const char* name;
    const char* deal;
    const char* dealer;
    const char* auction;
    const char* majors;  // "NS=5" for a five-card-major partnership, else ""
    const char* call;
    const char* why;
};

inline std::ostream& operator<<(std::ostream& os, const BidCase& c) { return os << c.name; }

inline void ExpectCall(const BidCase& c) {
    std::vector<std::string> extra;
    if (*c.majors) extra = {"--majors", c.majors};
    Decision d = Decide(c.deal, c.dealer, c.auction, "", extra);
    ASSERT_EQ(d.status, 0) << d.error;
    EXPECT_EQ(d.seat, "S");
    EXPECT_EQ(d.card, c.call);
    EXPECT_EQ(d.why, c.why);
}

inline std::string CaseName(const ::testing::TestParamInfo<BidCase>& info) { return info.param.name; }

}  // namespace kestrel::test
