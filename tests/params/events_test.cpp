// SPDX-License-Identifier: GPL-3.0-or-later
// The selectors of the event groups: their bits on each channel's page, the
// words they show, and which selectors a click clears.
#include "params/events.h"
#include "params/record.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace telvar {
namespace {

const Selector& selector(std::string_view role)
{
    for (const Selector& s : EVENT_SELECTORS)
        if (s.role == role)
            return s;
    throw std::out_of_range(std::string(role));
}

std::uint16_t pack(Group group, Channel page, const std::set<std::string_view>& on)
{
    return pack_group(group, page, [&](const Selector& s) { return on.count(s.role) > 0; });
}

TEST(EventSelectors, GroupsHaveTheirSizes)
{
    std::map<Group, int> count;
    for (const Selector& s : EVENT_SELECTORS)
        ++count[s.group];
    EXPECT_EQ(count[Group::ResultValid], 17);
    EXPECT_EQ(count[Group::MaxValue], 13);
    EXPECT_EQ(count[Group::Reset], 8);
    EXPECT_EQ(count[Group::Snapshot], 8);
}

TEST(EventSelectors, MaxValueSelectorsStandForTheOtherChannel)
{
    // Bit on the channel A page, bit on the channel B page.
    const std::map<std::string_view, std::pair<int, int>> bits = {
        {"MAX_OTHER_POS", {0, 4}},   {"MAX_OTHER_NEG", {1, 5}},  {"MAX_IN0_POS", {2, 2}},
        {"MAX_IN0_NEG", {3, 3}},     {"MAX_IN1_POS", {6, 6}},    {"MAX_IN1_NEG", {7, 7}},
        {"MAX_OTHER_LOW", {8, 12}},  {"MAX_OTHER_HIGH", {9, 13}}, {"MAX_IN0_LOW", {10, 10}},
        {"MAX_IN0_HIGH", {11, 11}},  {"MAX_IN1_LOW", {14, 14}},  {"MAX_IN1_HIGH", {15, 15}},
        {"MAX_EVERY", {-1, -1}},
    };
    for (const auto& [role, expected] : bits) {
        EXPECT_EQ(selector_bit(selector(role), Channel::A), expected.first) << role;
        EXPECT_EQ(selector_bit(selector(role), Channel::B), expected.second) << role;
    }
    EXPECT_EQ(pack(Group::MaxValue, Channel::B, {"MAX_OTHER_POS"}), 0x0010);
    EXPECT_EQ(pack(Group::MaxValue, Channel::A, {"MAX_OTHER_POS"}), 0x0001);
}

TEST(EventSelectors, EveryBitOfTheResultValidWordHasOneSelectorOnEitherPage)
{
    for (Channel page : {Channel::A, Channel::B}) {
        std::set<int> bits;
        for (const Selector& s : EVENT_SELECTORS)
            if (s.group == Group::ResultValid && s.event != Event::EverySample)
                bits.insert(selector_bit(s, page));
        EXPECT_EQ(bits.size(), 16u);
    }
}

TEST(EventSelectors, EverySampleIsTheWholeWordAndShowsAlone)
{
    EXPECT_EQ(pack(Group::MaxValue, Channel::A, {"MAX_EVERY", "MAX_IN0_POS"}), EVERY_SAMPLE);
    for (const Selector& s : EVENT_SELECTORS) {
        if (s.group == Group::MaxValue) {
            EXPECT_EQ(shows(s, Channel::A, EVERY_SAMPLE), s.event == Event::EverySample) << s.role;
        }
    }
    // Result valid 0x0003: the two channel B edges, not every sample.
    EXPECT_TRUE(shows(selector("VALID_B_POS"), Channel::A, 0x0003));
    EXPECT_TRUE(shows(selector("VALID_B_NEG"), Channel::A, 0x0003));
    EXPECT_FALSE(shows(selector("VALID_EVERY"), Channel::A, 0x0003));
    // Reset and snapshot have no every sample: all eight edges on is just that.
    EXPECT_TRUE(shows(selector("RESET_A_POS"), Channel::A, 0xFFFF));
}

TEST(EventSelectors, ShowingAWordAndPackingItAgainGivesTheWord)
{
    for (Channel page : {Channel::A, Channel::B})
        for (Group group : {Group::ResultValid, Group::MaxValue, Group::Reset, Group::Snapshot})
            for (unsigned word : {0x0000u, 0x0001u, 0x00A5u, 0x5A00u, 0x3C3Cu, 0xFFFFu}) {
                std::uint16_t carried = 0;
                for (const Selector& s : EVENT_SELECTORS)
                    if (s.group == group && s.event != Event::EverySample)
                        carried |= static_cast<std::uint16_t>(1u << selector_bit(s, page));
                const std::uint16_t expected = word == 0xFFFF && has_every_sample(group)
                    ? EVERY_SAMPLE : static_cast<std::uint16_t>(word & carried);
                const auto again = pack_group(group, page, [&](const Selector& s) {
                    return shows(s, page, static_cast<std::uint16_t>(word));
                });
                EXPECT_EQ(again, expected) << int(group) << " " << std::hex << word;
            }
}

// The exclusion rules of the result-valid and max-value groups, over every
// pair of their selectors.
TEST(EventSelectors, AClickClearsWhatCannotGoWithIt)
{
    for (const Selector& clicked : EVENT_SELECTORS) {
        for (const Selector& other : EVENT_SELECTORS) {
            bool expected = false;
            if (clicked.group == other.group && clicked.role != other.role) {
                const bool every = clicked.event == Event::EverySample || other.event == Event::EverySample;
                const bool same_source = clicked.source == other.source;
                const bool edges = clicked.event <= Event::NegativeEdge && other.event <= Event::NegativeEdge;
                switch (clicked.group) {
                case Group::ResultValid:
                case Group::MaxValue: expected = every || (same_source && !edges); break;
                case Group::Snapshot: expected = true; break;
                case Group::Reset: expected = false; break;
                }
            }
            EXPECT_EQ(clears(clicked, other), expected) << clicked.role << " -> " << other.role;
        }
    }
    EXPECT_TRUE(clears(selector("MAX_IN1_LOW"), selector("MAX_IN1_HIGH")));
    EXPECT_FALSE(clears(selector("MAX_IN1_LOW"), selector("MAX_IN0_HIGH")));
    EXPECT_FALSE(clears(selector("VALID_A_POS"), selector("VALID_A_NEG")));
}

}  // namespace
}  // namespace telvar
