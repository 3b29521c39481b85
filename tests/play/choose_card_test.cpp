// The card dispatcher, defence by position, ruffs and overruffs, on positions replayed through
// the normal flow.
#include "play/play_fixture.h"

namespace kestrel::test {
namespace {

// 1S by South, West on lead. West: S A4 H K7 D KQ54 C J8432.
constexpr const char* kDealB =
    "N:QJ3.654.A732.AQ7 72.QJT98.T98.KT5 KT9865.A32.J6.96 A4.K7.KQ54.J8432";
// 4S by South; North and East are void in clubs and East cannot beat North's queen of trumps.
constexpr const char* kDealR =
    "N:J43.A654.AK5432. QT7.QJT9.QJT987. AK9865.K3..AKQ54 2.872.6.JT987632";
constexpr const char* kDealR3 =
    "N:Q43.A654.AK5432. JT7.QJT9.QJT987. AK9865.K3..AKQ54 2.872.6.JT987632";
// A whole hand in 1H by South, played by the engine.
constexpr const char* kHand5 =
    "S:KJ65.AQT98.8.AQ5 QT.KJ54.AK53.K82 A9432.62.T97.943 87.73.QJ642.JT76";
constexpr const char* kHand5To11 =
    "DK D7 D2 D8 DA D9 D4 H8 SK ST S2 S8 HA H4 H2 H3 SJ SQ SA S7 S9 C6 S5 H5 D3 DT DJ H9 CA C2 "
    "C3 C7 HQ HK H6 H7 D5 S3 D6 HT CQ CK C4 CT";

// 4S by South; East holds only hearts (ace-topped) and diamonds (king-topped).
constexpr const char* kDealDiscards =
    "N:QJ6.K76.AQ2.AK98 .AQJ98.KT876543. AKT987.T5.J9.QJT 5432.432..765432";
// 3N by South; East holds no club: ace-topped spades, king-topped hearts, eight-high diamonds.
constexpr const char* kDealNoTrumpDiscards =
    "N:K76.Q54.AKQ.AK98 AQ32.KJ9.876543. JT9.AT87.JT9.QJT 854.632.2.765432";

// 3N by South; East holds no club and the ace on top of each other suit.
constexpr const char* kDealAllAces =
    "N:K76.KQ5.KQ2.AK98 A432.A98.A76543. QJT.JT76.JT9.QJT 985.432.8.765432";

class ChooseCardTest : public PlayTest, public ::testing::WithParamInterface<PlayCase> {};

TEST_P(ChooseCardTest, PlaysTheRuleCardWithItsReasons) { ExpectDecision(GetParam()); }

const PlayCase kCases[] = {
    {"LastTrickFollows", kHand5, "S", "1H P P P",
     "DK D7 D2 D8 DA D9 D4 H8 SK ST S2 S8 HA H4 H2 H3 SJ SQ SA S7 S9 C6 S5 H5 D3 DT DJ H9 CA C2 "
     "C3 C7 HQ HK H6 H7 D5 S3 D6 HT CQ CK C4 CT C8 C9 CJ C5 DQ",
     "S", "S6", "This is the last card. "},
    {"SingletonInFourthSeat", kHand5, "S", "1H P P P", "DK D7 D2", "S", "D8",
     "We must follow suit and this is the last card we have in the suit that was lead. "},
    {"SingletonInSecondSeat", kHand5, "S", "1H P P P",
     "DK D7 D2 D8 DA D9 D4 H8 SK ST S2 S8 HA H4 H2 H3 SJ", "W", "SQ",
     "We must follow suit and this is the last card we have in the suit that was lead. "},
    {"DoubletonKingSecondHandGoesHigh", kDealB, "S", "1S P 4S P P P", "D4 D2 D8 DJ H2", "W", "HK",
     "We are in position 2 or 3, we have 2 Hearts and one or more of those is a face card higher "
     "than the highcard played so far. This trick has not been trumped, so go high. "},
    {"DoubletonTrumpAceGoesLow", kDealB, "S", "1S P 4S P P P", "D4 D2 D8 DJ S5", "W", "S4",
     "We are in position 2 or 3, we have 2 Spades and one or more of those is a face card higher "
     "than the highcard played so far. The suit is trump and our highest card is the ace. We are "
     "on the defense, in position 2. The suit lead is trump, our ace will always be good, so go "
     "low maybe our partner has a high one. "},
    {"CoverAnHonourWithAnHonour", kDealB, "S", "1S P 4S P P P", "C2 CA C5 C9 H4 H8 HA H7 DJ", "W",
     "DQ", "We are on the defense, in position 2. Cover an honor with an honor. "},
    {"SecondHandLowAfterDummyLeads", kDealB, "S", "1S P 4S P P P", "C2 CA C5 C9 H4", "E", "H8",
     "We are on the defense, in position 2. the dummy has already played we don`t know where the "
     "highest in Hearts is so second hand low "},
    {"ThirdHandHigh", kDealB, "S", "1S P 4S P P P", "C2 C7", "E", "CK",
     "We are on the defense, in position 3. We have to follow suit and this one belongs to them so "
     "far. declarer to play we can take this with more than one card third hand high "},
    {"OverruffTheDummy", kDealR, "S", "1S P 4S P P P", "CJ S4", "E", "S7",
     "We are on the defense, in position 3. We are out and we are losing unless we trump this "
     "trick. This trick has alredy been trumped, but we can over trump it. "},
    {"CannotOverruffSoDiscards", kDealR3, "S", "1S P 4S P P P", "CJ SQ", "E", "H9",
     "We are on the defense, in position 3. We are out and we are losing unless we trump this "
     "trick. This trick has alredy been trumped, and we can not go over it, so sluff. "},
    {"FourthHandRuffsLow", kDealR, "S", "1S P 4S P P P", "D6 DA D7 H3 H4 H9 HK H2 CA C2 D2", "E",
     "S7",
     "We are on the defense, in position 4 and our partner is not taking this trick. We are out "
     "of the suit lead. This trick has not been trumped, We are the last to play, so trump it "
     "low. "},
    {"FourthHandOverruffsTheDummy", kDealR, "S", "1S P 4S P P P",
     "D6 DA D7 H3 H4 H9 HK H2 CA C2 S3", "E", "S7",
     "We are on the defense, in position 4 and our partner is not taking this trick. We are out "
     "of the suit lead. This trick has alredy been trumped, but we can over trump it. "},
    {"FirstDiscardSkipsTheSuitLastLed", kHand5, "S", "1H P P P",
     "DK D7 D2 D8 DA D9 D4 H8 SK ST S2 S8 HA H4 H2 H3 SJ SQ SA S7 S9", "E", "C6",
     "We are on the defense, in position 2. We are out of the suit that was lead. The trump is "
     "not no trump. We think know our partner is out of the suit that was lead but not out of "
     "trump. "},
    // Second hand low after the dummy's seven, then the king-queen beats it after all.
    {"SecondThoughtsWinWithTheSecondCard",
     "N:64.765.987.AKQJ2 T98.KJ98.KQ2.876 AKQJ.AT4.AJT.543 7532.Q32.6543.T9", "S",
     "1S P 4S P P P", "CT CA C6 C3 D7", "E", "DK",
     "We are on the defense, in position 2. the dummy has already played we don`t know where the "
     "highest in Diamonds is so second hand low all that and now we change our mind, because our "
     "partner is not taking this, and we were not either and our second highest is higher than "
     "the highest card played and this trick has not been trumped "},
    // East, out of trumps and clubs: the first discard shows the ace-topped hearts; the next
    // throws from diamonds, the weak suit.
    {"FirstDiscardShowsTheStrongSuit", kDealDiscards, "S", "1S P 4S P P P", "C2 CA", "E", "H8",
     "We are on the defense, in position 3. We are out and we are losing unless we trump this "
     "trick. We have no trump and though we would like to trump we must sluff. "},
    {"LaterDiscardFromTheWeakSuit", kDealDiscards, "S", "1S P 4S P P P", "C2 CA H8 CT CK", "E",
     "D3",
     "We are on the defense, in position 2. We are out of the suit that was lead. The trump is "
     "not no trump. We don`t think our partner is out of the suit that was lead and that he has "
     "trump, we know the same about the dummy, the highcard is greater than the highest out in "
     "this suit, so let`s trump this puppy. We have no trump and though we would like to trump "
     "we must sluff. "},
    // Partner bid both of East's suits: nothing is free, low from the longest.
    {"DiscardWithNoFreeSuitFromTheLongest", kDealDiscards, "S", "1S 2H 2S P 3S 4D 4S P P P",
     "C2 CA", "E", "D3",
     "We are on the defense, in position 3. We are out and we are losing unless we trump this "
     "trick. We have no trump and though we would like to trump we must sluff. "},
    // No Trump, East out of clubs with three suits: the strong suit, partner's suit kept, or the
    // one suit partner did not bid.
    {"NoTrumpFirstDiscardStrongSuit", kDealNoTrumpDiscards, "S", "1N P 3N P P P", "C2 CA", "E",
     "S2", "We are on the defense, in position 3. We are out and the trump is no trump. "},
    {"NoTrumpDiscardKeepsPartnersSuit", kDealNoTrumpDiscards, "S", "1N 2S 3N P P P", "C2 CA", "E",
     "H9", "We are on the defense, in position 3. We are out and the trump is no trump. "},
    {"NoTrumpDiscardTheOneFreeSuit", kDealNoTrumpDiscards, "S",
     "1N 2S 2N P 3N 4H P P 4N P P P", "C2 CA", "E", "D3",
     "We are on the defense, in position 3. We are out and the trump is no trump. "},
    // Three ace-topped suits: the first discard is the shortest of them in No Trump; the next,
    // with no weak suit, comes from the longest.
    {"NoTrumpEqualTopsSignalTheShorter", kDealAllAces, "S", "1N P 3N P P P", "C2 CA", "E", "H8",
     "We are on the defense, in position 3. We are out and the trump is no trump. "},
    {"NoWeakSuitDiscardFromTheLongest", kDealAllAces, "S", "1N P 3N P P P", "C2 CA H8 CT CK", "E",
     "D3",
     "We are on the defense, in position 2. We are out of the suit that was lead. The trump is no "
     "trump. "},
    // The heart ace has gone, so East's king-queen are winners: keep them, throw the longest.
    {"WeakSuitOfWinnersKeptDiscardTheLongest",
     "N:K76.J5.K.AKQJT98 A432.KQ.A765432. QJT.A76432.QJT9. 985.T98.8.765432", "S",
     "1N P 3N P P P", "C2 CA S2 HA CK", "E", "D2",
     "We are on the defense, in position 2. We are out of the suit that was lead. The trump is no "
     "trump. "},
};

INSTANTIATE_TEST_SUITE_P(Positions, ChooseCardTest, ::testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

// The doubleton-honour rule on the declaring side, which decides the card itself.
const PlayCase kOffenseDoubletons[] = {
    // The dummy's K-J with the ace and queen out: the jack is the finesse.
    {"DummyFinessesWithTheJack",
     "N:QJ3.KJ.Q32.AJ743 72.Q9854.AT98.K5 AKT9865.T3.764.9 4.A762.KJ5.QT862", "S",
     "1S P 4S P P P", "H2", "N", "HJ",
     "We are in position 2 or 3, we have 2 Hearts and one or more of those is a face card higher "
     "than the highcard played so far. This trick has not been trumped, so go high. let`s try a "
     "finesse instead. "},
    // The dummy's K-J over declarer's singleton ace: the jack goes, the ace wins.
    {"DummyLowUnderPartnersSingletonAce",
     "N:QJ3.KJ.Q32.AJ743 72.Q9854.AT98.K5 AKT9865.A.764.98 4.T7632.KJ5.QT62", "S",
     "1S P 4S P P P", "H2", "N", "HJ",
     "We are in position 2 or 3, we have 2 Hearts and one or more of those is a face card higher "
     "than the highcard played so far. This trick has not been trumped, so go high. "},
    // The dummy led its singleton heart and it is still winning; declarer holds A-J.
    {"DeclarerOverPartnersLastCard",
     "N:QJ3.5.Q32.AJ7432 72.KQ9842.AT9.K5 AKT9865.AJ.764.9 4.T763.KJ85.QT86", "S",
     "1S P 4S P P P", "C6 CA C5 C9 H5 H4", "S", "HA",
     "We are in position 2 or 3, we have 2 Hearts and one or more of those is a face card higher "
     "than the highcard played so far. Our partner is taking this trick, We are on the offense, "
     "and the trump is not no trump. Our partner is out or will be this trick. and he has trump "
     "and our highest is higher than the highest out, so go high."},
    // East covered with the king: nothing to finesse, the ace.
    {"DeclarerAceOverTheKing",
     "N:QJ3.5.Q32.AJ7432 72.KQ9842.AT9.K5 AKT9865.AJ.764.9 4.T763.KJ85.QT86", "S",
     "1S P 4S P P P", "C6 CA C5 C9 H5 HK", "S", "HA",
     "We are in position 2 or 3, we have 2 Hearts and one or more of those is a face card higher "
     "than the highcard played so far. This trick has not been trumped, so go high. "},
};

INSTANTIATE_TEST_SUITE_P(OffenseDoubletons, ChooseCardTest, ::testing::ValuesIn(kOffenseDoubletons),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace kestrel::test
