// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/reference.h"

#include "params/record.h"
#include "platform/translation.h"

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
}

void forget_reference()
{
    g_reference = Reference{};
}

ReferenceKind reference_kind()
{
    return g_reference.kind;
}

const std::uint16_t* reference_words()
{
    return g_reference.words.data();
}

const char* reference_name()
{
    return g_reference.kind == ReferenceKind::File ? tr_text("ChangeMarks", "file") : tr_text("ChangeMarks", "controller");
}

}  // namespace telvar
