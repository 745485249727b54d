// SPDX-License-Identifier: GPL-3.0-or-later
// What a person calls each word of the record and how the pages show it:
// the page it stands on, its caption there, and its value as text. The
// comparison table, the parameter report and the change marks speak of the
// record in these words.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace telvar {

struct ParameterName {
    const char* page;     // the title of the page it stands on; "" for a word on no page
    const char* caption;  // what the page calls it
};

// The titles of the parameter pages in reading order: each channel's two
// pages, the evaluation's two, the outputs' page. Read in the window's
// language, as parameter_name gives them.
class PageTitles {
public:
    class iterator {
    public:
        iterator(const PageTitles& titles, std::size_t page) : titles_(&titles), page_(page) {}
        const char* operator*() const { return (*titles_)[page_]; }
        iterator& operator++()
        {
            ++page_;
            return *this;
        }
        bool operator==(const iterator&) const = default;

    private:
        const PageTitles* titles_;
        std::size_t page_;
    };

    static constexpr std::size_t size() { return 7; }
    const char* operator[](std::size_t page) const;
    iterator begin() const { return {*this, 0}; }
    iterator end() const { return {*this, size()}; }
};

extern const PageTitles PARAMETER_PAGES;

// The name of a record index, 0 to PARAMETER_WORDS - 1.
ParameterName parameter_name(int index);

// A word as its page shows it: a tolerance below the reference negated, a
// choice of the evaluation page by its text ("Mean of A and B", "5 kHz"), the
// teach settings as "52 / 18", an output's configuration as flag and
// value, its mode word as the bits that are on, a selector group's word as
// its condition text ("RESULT VALID ON: CHANNEL A HIGH STATE, ...").
std::string shown_text(int index, std::uint16_t word);
// A word as its page shows it, followed by the word itself in brackets
// where the other side's word would read alike ("(word 24)").
std::string compared_text(int index, std::uint16_t word, std::uint16_t other);

}  // namespace telvar
