#include "platform/seeded_random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

std::vector<std::int32_t> FromRuntime(unsigned seed, int count) {
    std::srand(seed);
    std::vector<std::int32_t> values;
    for (int i = 0; i < count; ++i) values.push_back(std::rand());
    return values;
}

std::vector<std::int32_t> FromSeededRandom(unsigned seed, int count) {
    platform::SeededRandom random(seed);
    std::vector<std::int32_t> values;
    for (int i = 0; i < count; ++i) values.push_back(random.Next());
    return values;
}

} // namespace

// The engine's choices on every build follow this machine's runtime: the
// same numbers for any seed, the unusual ones (0, 2^31 and above) included.
TEST(SeededRandom, FollowsTheRuntimeSequence) {
    std::vector<unsigned> seeds = {0u,          1u,          2u,          1000u,      127773u,
                                   1700000000u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu};
    std::mt19937 pick(5);
    for (int i = 0; i < 50; ++i) seeds.push_back(static_cast<unsigned>(pick()));
    for (unsigned seed : seeds)
        EXPECT_EQ(FromSeededRandom(seed, 100), FromRuntime(seed, 100)) << "seed " << seed;
}
