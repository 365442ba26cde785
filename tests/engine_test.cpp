#include "engine/excuse_engine.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/mixing_random.h"
#include "tests/doubles/fake_services.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> split(const std::string& joined) {
    std::vector<std::string> words;
    std::stringstream stream(joined);
    for (std::string word; std::getline(stream, word, '|');) {
        words.push_back(word);
    }
    return words;
}

// Typed in again from the printed lists, so that a slip in either copy shows.
const std::vector<std::vector<std::string>> expectedLists = {
    split("Temporary|Intermittant|Partial|Redundant|Total|Multiplexed|Inherent|Duplicated|"
          "Dual - Homed|Synchronous|Bidirectional|Serial|Asynchronous|Multiple|Replicated|"
          "Non - Replicated|Unregistered|Non - Specific|Generic|Migrated|Localised|Resignalled|"
          "Dereferenced|Nullified|Aborted|Serious|Minor|Major|Extraneous|Illegal|Insufficient|"
          "Viral|Unsupported|Outmoded|Legacy|Permanent|Invalid|Deprecated|Virtual|Unreportable|"
          "Undetermined|Undiagnosable|Unfiltered|Static|Dynamic|Delayed|Immediate|Nonfatal|Fatal|"
          "Non - Valid|Unvalidated|Non-Static|Unreplicatable|Non - Serious"),
    split("Array|Systems|Hardware|Software|Firmware|Backplane|Logic - Subsystem|Integrity|"
          "Subsystem|Memory|Comms|Integrity|Checksum|Protocol|Parity|Bus|Timing|Synchronisation|"
          "Topology|Transmission|Reception|Stack|Framing|Code|Programming|Peripheral|"
          "Environmental|Loading|Operation|Parameter|Syntax|Initialisation|Execution|Resource|"
          "Encryption|Decryption|File|Precondition|Authentication|Paging|Swapfile|Service|"
          "Gateway|Request|Proxy|Media|Registry|Configuration|Metadata|Streaming|Retrieval|"
          "Installation|Library|Handler"),
    split("Interruption|Destabilisation|Destruction|Desynchronisation|Failure|Dereferencing|"
          "Overflow|Underflow|NMI|Interrupt|Corruption|Anomoly|Seizure|Override|Reclock|"
          "Rejection|Invalidation|Halt|Exhaustion|Infection|Incompatibility|Timeout|Expiry|"
          "Unavailability|Bug|Condition|Crash|Dump|Crashdump|Stackdump|Problem|Lockout"),
    split("Error|Problem|Warning|Signal|Flag"),
};

// A random number whose product with the factor is exactly p in single precision.
float randomGiving(float p, float factor) {
    float r = p / factor;
    for (int step = 0; step < 64 && r * factor != p; ++step) {
        r = std::nextafter(r, r * factor < p ? 1.0F : 0.0F);
    }
    EXPECT_EQ(r * factor, p) << "no single-precision r gives " << p;
    return r;
}

std::int16_t drawWith(float r, const engine::WordList& list) {
    platform::fake::ScriptedRandom random({r});
    return engine::drawIndex(random, list);
}

TEST(WordLists, HoldTheWordsLetterForLetterInOrder) {
    const auto& lists = engine::wordLists();
    ASSERT_EQ(lists.size(), expectedLists.size());
    std::size_t total = 0;
    for (std::size_t list = 0; list < lists.size(); ++list) {
        ASSERT_EQ(lists[list].words.size(), expectedLists[list].size()) << "list " << list + 1;
        for (std::size_t i = 0; i < expectedLists[list].size(); ++i) {
            EXPECT_EQ(lists[list].words[i], expectedLists[list][i])
                << "list " << list + 1 << " index " << i;
            const auto word = lists[list].words[i];
            EXPECT_GE(word.size(), 3U);
            EXPECT_LE(word.size(), 17U);
            EXPECT_EQ(word.find("  "), std::string_view::npos);
            EXPECT_NE(word.front(), ' ');
            EXPECT_NE(word.back(), ' ');
        }
        total += lists[list].words.size();
    }
    EXPECT_EQ(total, 145U);
}

TEST(WordLists, LookupYieldsEmptyOnePastTheEndAndFailsBeyond) {
    const auto& lists = engine::wordLists();
    struct Case {
        std::size_t list;
        std::int16_t index;
        std::string_view word;
    };
    for (const Case& c : std::vector<Case>{{0, 0, "Temporary"},
                                           {0, 8, "Dual - Homed"},
                                           {0, 53, "Non - Serious"},
                                           {0, 54, ""},
                                           {1, 6, "Logic - Subsystem"},
                                           {1, 7, "Integrity"},
                                           {1, 11, "Integrity"},
                                           {1, 54, ""},
                                           {2, 30, "Problem"},
                                           {2, 32, ""},
                                           {3, 1, "Problem"},
                                           {3, 5, ""}}) {
        EXPECT_EQ(engine::lookup(lists[c.list], c.index), c.word)
            << "list " << c.list + 1 << " index " << c.index;
    }
    EXPECT_THROW((void)engine::lookup(lists[3], 6), platform::RuntimeError);
    EXPECT_THROW((void)engine::lookup(lists[0], -1), platform::RuntimeError);
}

TEST(ExcuseDraw, RoundsHalvesToTheEvenNeighbour) {
    const auto& lists = engine::wordLists();
    struct Case {
        std::size_t list;
        float p;
        std::int16_t index;
    };
    for (const Case& c : std::vector<Case>{{0, 0.5F, 0},
                                           {3, 0.5F, 0},
                                           {0, 1.5F, 2},
                                           {0, 52.5F, 52},
                                           {1, 52.5F, 52},
                                           {2, 30.5F, 30},
                                           {3, 3.5F, 4},
                                           {3, 2.5F, 2}}) {
        const float factor = lists[c.list].factor;
        EXPECT_EQ(drawWith(randomGiving(c.p, factor), lists[c.list]), c.index)
            << "list " << c.list + 1 << " p " << c.p;
    }
    // Just above a half goes up.
    EXPECT_EQ(drawWith(std::nextafter(randomGiving(52.5F, 53.0F), 1.0F), lists[0]), 53);
    EXPECT_EQ(drawWith(std::nextafter(randomGiving(30.5F, 31.0F), 1.0F), lists[2]), 31);
    EXPECT_EQ(drawWith(std::nextafter(randomGiving(0.5F, 4.0F), 1.0F), lists[3]), 1);
}

TEST(ExcuseDraw, ReachesEveryWordAndNeverAnEmptyOne) {
    const float largestBelowOne = std::nextafter(1.0F, 0.0F);
    for (const auto& list : engine::wordLists()) {
        const auto last = static_cast<std::int16_t>(list.words.size() - 1);
        EXPECT_EQ(drawWith(0.0F, list), 0);
        EXPECT_EQ(drawWith(largestBelowOne, list), last);
        for (std::int16_t index = 0; index < last; ++index) {
            // Close enough to the whole number to round to it.
            const float r = static_cast<float>(index) / list.factor;
            const std::int16_t drawn = drawWith(r, list);
            EXPECT_EQ(drawn, index);
            EXPECT_FALSE(engine::lookup(list, drawn).empty());
        }
    }
}

TEST(ExcuseDraw, RealGeneratorSpreadsIndicesWithHalfWeightAtBothEnds) {
    platform::MixingRandom random;
    const auto& reports = engine::wordLists()[3];
    std::map<int, int> counts;
    constexpr int draws = 200000;
    for (int i = 0; i < draws; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0F);
        ASSERT_LT(r, 1.0F);
        random.reseed(static_cast<float>(i));
        ++counts[engine::drawIndex(random, reports)];
    }
    // Factor 4: indices 0 and 4 one eighth each, 1 to 3 one quarter each.
    for (const auto& [index, count] : counts) {
        const double expected = (index == 0 || index == 4) ? draws / 8.0 : draws / 4.0;
        EXPECT_NEAR(count, expected, expected * 0.05) << "index " << index;
    }
    EXPECT_EQ(counts.size(), 5U);
}

TEST(Randomness, ReseedMixesRatherThanReplaces) {
    platform::MixingRandom random;
    random.reseed(std::int16_t{15});
    random.reseed(1000.25F);
    const float first = random.next();
    random.reseed(std::int16_t{15});
    random.reseed(1000.25F);
    EXPECT_NE(random.next(), first) << "the same clock reading twice gave the same draw";

    platform::MixingRandom a;
    platform::MixingRandom b;
    a.reseed(std::int16_t{1});
    b.reseed(1.0F);
    EXPECT_NE(a.next(), b.next()) << "integer and float seeds of equal value collide";
}

} // namespace
