// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/unsent_texts.h"

#include "params/parameter_names.h"
#include "platform/counted.h"
#include "platform/translation.h"
#include "storage/reading_order.h"
#include "storage/transfer.h"

#include <algorithm>
#include <string_view>

namespace telvar {

std::vector<UnsentChange> in_reading_order(std::vector<UnsentChange> changes)
{
    const std::vector<int>& order = words_in_reading_order();
    const auto place = [&order](const UnsentChange& change) {
        return std::find(order.begin(), order.end(), change.index) - order.begin();
    };
    std::stable_sort(changes.begin(), changes.end(),
                     [&place](const UnsentChange& a, const UnsentChange& b) { return place(a) < place(b); });
    return changes;
}

std::string unsent_value_text(const UnsentChange& change, const std::string& against)
{
    return compared_text(change.index, change.pages, change.reference) + ", " + against + ": "
        + compared_text(change.index, change.reference, change.pages);
}

std::string unsent_changes_question(const std::string& question, const std::vector<UnsentChange>& changes,
                                    const std::string& against)
{
    if (changes.empty())
        return question;
    const std::vector<UnsentChange> ordered = in_reading_order(changes);
    std::string listing;
    std::string_view page;
    const std::size_t listed = std::min<std::size_t>(ordered.size(), UNSENT_CHANGES_LISTED);
    for (std::size_t k = 0; k < listed; ++k) {
        const ParameterName name = parameter_name(ordered[k].index);
        if (page != name.page)
            listing += "\n" + std::string(name.page);
        page = name.page;
        listing += std::string("\n    ") + name.caption + ": " + unsent_value_text(ordered[k], against);
    }
    if (const std::size_t more = ordered.size() - listed; more > 0)
        listing += "\n"
            + with_args(tr_text("Transfer", "... and %1"),
                        {counted(static_cast<long long>(more), tr_text("Transfer", "more change."),
                                 tr_text("Transfer", "more changes."))});
    // Before the question at its end, after the blank line that parts it from the rest.
    const std::size_t ask = std::min(question.rfind("\n\n"), question.size());
    return question.substr(0, ask) + "\n" + listing + question.substr(ask);
}

std::string send_button_text(int to)
{
    switch (to) {
    case EEPROM: return tr_text("Transfer", "Send to EEPROM");
    case DATFILE: return tr_text("Transfer", "Send to file");
    default: return tr_text("Transfer", "Send to RAM");
    }
}

}  // namespace telvar
