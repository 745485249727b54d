// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/reference.h"

#include "params/change_marks.h"
#include "params/record.h"

#include <algorithm>
#include <array>

namespace telvar {

namespace {

struct Reference {
    ReferenceKind kind = ReferenceKind::None;
    std::array<std::uint16_t, PARAMETER_WORDS> words{};
};

Reference g_reference;

}  // namespace

void take_reference(ReferenceKind kind)
{
    g_reference.kind = kind;
    std::copy(std::begin(parameter), std::end(parameter), g_reference.words.begin());
    refresh_change_marks();
}

void forget_reference()
{
    g_reference = Reference{};
    refresh_change_marks();
}

ReferenceKind reference_kind()
{
    return g_reference.kind;
}

const std::uint16_t* reference_words()
{
    return g_reference.words.data();
}

}  // namespace telvar
