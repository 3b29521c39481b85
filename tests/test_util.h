// Small fixtures shared by the engine tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/cards.h"
#include "core/headless_host.h"
#include "core/text.h"
#include "core/pbn.h"
#include "core/state.h"

namespace kestrel::test {

// Puts a deal on the table as the owner of each card; fails the test on bad text.
inline void SetOwners(const std::string& deal) {
    int owner[53];
    ParseResult r = ParseDeal(deal, owner);
    ASSERT_TRUE(r.ok) << r.error;
    for (int card = 1; card <= 52; ++card) G.CardOwner[card] = owner[card];
}

// Cards as text, for readable assertions: "SA SK H2".
inline std::string Cards(const int* cards, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) {
        if (cards[i] == 0) continue;
        if (!out.empty()) out += ' ';
        out += CardCode(cards[i]);
    }
    return out;
}

inline int Card(const char* code) { return ParseCardCode(code); }

// Every test starts from a fresh state and a headless host.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAllState();
        SetHost(host);
    }
    HeadlessHost host;
};

}  // namespace kestrel::test
