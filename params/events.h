// SPDX-License-Identifier: GPL-3.0-or-later
// The condition words of a channel (max-value acquisition, data snapshot,
// reset, result valid) share one bit assignment: each bit is one event of
// one source. On a channel's first page these words are edited through
// groups of selectors, one selector per event; this is the table of those
// selectors and the rules that tie them to the words.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace telvar {

// In the order of their bits. The max-value group of a page names the other
// channel rather than A or B.
enum class Source { ChannelB, In0, ChannelA, In1, OtherChannel, None };
enum class Event { PositiveEdge, NegativeEdge, LowState, HighState, EverySample };
enum class Channel { A, B };
enum class Group { ResultValid, MaxValue, Reset, Snapshot };

struct EventBit {
    Source source;
    Event event;
};

// The event-word bit table: bits 0-7 edges, 8-15 states.
inline constexpr EventBit EVENT_BITS[16] = {
    {Source::ChannelB, Event::PositiveEdge}, {Source::ChannelB, Event::NegativeEdge},
    {Source::In0, Event::PositiveEdge},      {Source::In0, Event::NegativeEdge},
    {Source::ChannelA, Event::PositiveEdge}, {Source::ChannelA, Event::NegativeEdge},
    {Source::In1, Event::PositiveEdge},      {Source::In1, Event::NegativeEdge},
    {Source::ChannelB, Event::LowState},     {Source::ChannelB, Event::HighState},
    {Source::In0, Event::LowState},          {Source::In0, Event::HighState},
    {Source::ChannelA, Event::LowState},     {Source::ChannelA, Event::HighState},
    {Source::In1, Event::LowState},          {Source::In1, Event::HighState},
};

struct Selector {
    std::string_view role;  // object name on the channel's first page
    Group group;
    Source source;
    Event event;
};

// Every event selector of a channel's first page, grouped.
extern const std::span<const Selector> EVENT_SELECTORS;

// The bit a selector stands for on the page of `page` (the other channel
// resolved), or -1 for an every-sample selector.
int selector_bit(const Selector& selector, Channel page);

// Whether the group has an every-sample selector (result valid, max value).
bool has_every_sample(Group group);

// The group's word from the states of its selectors (`is_on` is asked for
// each selector of the group): EVERY_SAMPLE when that selector is on.
template <typename IsOn>
std::uint16_t pack_group(Group group, Channel page, IsOn is_on);

// Whether a selector is on when the page shows `word` for its group.
bool shows(const Selector& selector, Channel page, std::uint16_t word);

// Whether switching `clicked` (on or off) clears `other`: within one source
// an edge excludes both states, a state excludes everything else of its
// source, every sample excludes all events; in the snapshot group each
// selector excludes all others.
bool clears(const Selector& clicked, const Selector& other);

template <typename IsOn>
std::uint16_t pack_group(Group group, Channel page, IsOn is_on)
{
    std::uint16_t word = 0;
    for (const Selector& s : EVENT_SELECTORS) {
        if (s.group != group || !is_on(s))
            continue;
        if (s.event == Event::EverySample)
            return 0xFFFF;
        word |= static_cast<std::uint16_t>(1u << selector_bit(s, page));
    }
    return word;
}

}  // namespace telvar
