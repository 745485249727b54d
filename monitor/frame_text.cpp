// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/frame_text.h"

#include "link/orders.h"
#include "link/com232.h"
#include "platform/csv_file.h"
#include "platform/translation.h"
#include "telvar_version.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace telvar {

const FrameColumnLook FRAME_COLUMN_LOOKS[FRAME_COLUMNS] = {
    {TR_NOOP("FrameMonitor", "Time"), 10, true},
    {TR_NOOP("FrameMonitor", "Dir"), 3, false},
    {TR_NOOP("FrameMonitor", "Code"), 6, false},
    {TR_NOOP("FrameMonitor", "Name"), 22, false},
    {TR_NOOP("FrameMonitor", "Marks"), 22, false},
    {TR_NOOP("FrameMonitor", "Words (hex)"), 79, false},
};

namespace {

// The table's cells are shown, in the window's language; the lines and rows
// of the files keep the English.
enum class Language { Saved, Shown };

const char* say(const char* text, Language language)
{
    return language == Language::Shown ? tr_text("FrameMonitor", text) : text;
}

const OrderName* find_order(int code)
{
    for (const OrderName& order : ORDER_NAMES)
        if (order.code == code)
            return &order;
    return nullptr;
}

// The order's name, or an empty text for a code that is no order.
std::string order_name(int code)
{
    const OrderName* order = find_order(code);
    return order ? order->name : "";
}

std::string hex(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value);
    return text;
}

std::string word_text(std::uint16_t word)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04X", word);
    return text;
}

// The version query's answer is text from its first byte on, without a sync word.
bool text_answer(const FrameRecord& record)
{
    return record.event == FrameEvent::Answer && record.order == ORDER_VERSION;
}

std::string acknowledged_name(const char* name, bool acknowledged, Language language)
{
    return with_args(acknowledged ? say(TR_NOOP("FrameMonitor", "%1 ACK"), language)
                                  : say(TR_NOOP("FrameMonitor", "%1 no ACK"), language),
                     {name});
}

std::string block_name(int block, Language language)
{
    return with_args(say(TR_NOOP("FrameMonitor", "DATA_MEMORY block %1"), language), {std::to_string(block)});
}

std::string answer_name(const FrameRecord& record, Language language)
{
    if (text_answer(record))
        return say(TR_NOOP("FrameMonitor", "VERSION text"), language);
    if (record.code == DATA_NO_TRIGGER)
        return say(TR_NOOP("FrameMonitor", "DATA_MEMORY no trigger"), language);
    if (record.code >= DATA_BLOCK_FIRST && record.code <= DATA_BLOCK_LAST)
        return block_name(record.code - DATA_BLOCK_FIRST, language);
    const OrderName* order = find_order(record.code);
    if (!order)
        return say(TR_NOOP("FrameMonitor", "unknown"), language);
    if (!order->acknowledged)
        return order->name;
    return acknowledged_name(order->name, record.words[0] == ANSWER_ACK, language);
}

std::string frame_name(const FrameRecord& record, Language language)
{
    if (record.event == FrameEvent::Answer)
        return answer_name(record, language);
    const std::string name = order_name(record.code);
    return name.empty() ? say(TR_NOOP("FrameMonitor", "unknown"), language) : name;
}

std::string words_text(const FrameRecord& record)
{
    if (!whole_frame(record))
        return {};
    std::string text;
    for (std::uint16_t word : record.words)
        text += (text.empty() ? "" : " ") + word_text(word);
    return text;
}

std::string retry_text(int attempt, Language language)
{
    return with_args(say(TR_NOOP("FrameMonitor", "retry %1"), language), {std::to_string(attempt)});
}

std::string write_failure_text(int attempt, Language language)
{
    // No request row stands for an attempt whose write failed: the failure says which it was.
    if (attempt > 1)
        return with_args(say(TR_NOOP("FrameMonitor", "write failure, retry %1"), language), {std::to_string(attempt)});
    return say(TR_NOOP("FrameMonitor", "write failure"), language);
}

std::string marks_text(const FrameRecord& record, Language language)
{
    switch (record.event) {
    case FrameEvent::Request:
        return record.attempt > 1 ? retry_text(record.attempt, language) : std::string();
    case FrameEvent::Answer:
        if (record.sync == frame::kSyncWord)
            return {};
        return say(text_answer(record) ? TR_NOOP("FrameMonitor", "text") : TR_NOOP("FrameMonitor", "wrong sync"),
                   language);
    case FrameEvent::TimedOut:
        return say(TR_NOOP("FrameMonitor", "time-out"), language);
    case FrameEvent::WriteFailed:
        return write_failure_text(record.attempt, language);
    case FrameEvent::DataFailed:
        return say(TR_NOOP("FrameMonitor", "data failure"), language);
    }
    return {};
}

std::string direction_text(const FrameRecord& record, Language language)
{
    return say(outgoing(record) ? TR_NOOP("FrameMonitor", "out") : TR_NOOP("FrameMonitor", "in"), language);
}

std::string time_text(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", seconds);
    return text;
}

std::string padded(std::string text, int width, bool right)
{
    const auto missing = static_cast<std::size_t>(width) > text.size() ? width - text.size() : 0;
    return right ? std::string(missing, ' ') + text : text + std::string(missing, ' ');
}

std::string line(const std::vector<std::string>& cells)
{
    std::string text;
    for (int column = 0; column < FRAME_COLUMNS; ++column) {
        if (column > 0)
            text += "  ";
        text += padded(cells[column], FRAME_COLUMN_LOOKS[column].characters, FRAME_COLUMN_LOOKS[column].right_aligned);
    }
    return text.erase(text.find_last_not_of(' ') + 1) + "\n";
}

std::vector<std::pair<std::string, std::string>> fact_rows(const SavedFacts& facts)
{
    return {
        {"Saved", facts.saved},
        {"Line", facts.line},
        {"Controller", facts.controller.empty() ? "not known" : facts.controller},
        {"Tool", std::string("TELVAR-K20-Dizer ") + TELVAR_VERSION},
    };
}

std::vector<std::string> cells(const FrameRecord& record)
{
    std::vector<std::string> all;
    for (int column = 0; column < FRAME_COLUMNS; ++column)
        all.push_back(frame_cell(record, column));
    return all;
}

std::string cell_text(const FrameRecord& record, int column, Language language)
{
    switch (column) {
    case COLUMN_TIME: return time_text(record.time);
    case COLUMN_DIRECTION: return direction_text(record, language);
    case COLUMN_CODE: return hex(record.code);
    case COLUMN_NAME: return frame_name(record, language);
    case COLUMN_WORDS: return words_text(record);
    case COLUMN_MARKS: return marks_text(record, language);
    default: return {};
    }
}

// The characters a text takes in the table's fixed-width font: one per UTF-8 character.
int characters_of(const std::string& text)
{
    const auto starts_character = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; };
    return static_cast<int>(std::ranges::count_if(text, starts_character));
}

// Every text of the column that does not come from the frame's own numbers,
// with the widest numbers it may hold.
std::vector<std::string> fixed_texts(int column, Language language)
{
    std::vector<std::string> texts;
    switch (column) {
    case COLUMN_DIRECTION:
        texts = {say(TR_NOOP("FrameMonitor", "out"), language), say(TR_NOOP("FrameMonitor", "in"), language)};
        break;
    case COLUMN_NAME:
        texts = {say(TR_NOOP("FrameMonitor", "VERSION text"), language),
                 say(TR_NOOP("FrameMonitor", "DATA_MEMORY no trigger"), language),
                 block_name(DATA_BLOCK_LAST - DATA_BLOCK_FIRST, language),
                 say(TR_NOOP("FrameMonitor", "unknown"), language)};
        for (const OrderName& order : ORDER_NAMES)
            if (order.acknowledged)
                for (bool acknowledged : {true, false})
                    texts.push_back(acknowledged_name(order.name, acknowledged, language));
        break;
    case COLUMN_MARKS:
        texts = {retry_text(EXCHANGE_ATTEMPTS, language),
                 write_failure_text(EXCHANGE_ATTEMPTS, language),
                 write_failure_text(1, language),
                 say(TR_NOOP("FrameMonitor", "text"), language),
                 say(TR_NOOP("FrameMonitor", "wrong sync"), language),
                 say(TR_NOOP("FrameMonitor", "time-out"), language),
                 say(TR_NOOP("FrameMonitor", "data failure"), language)};
        break;
    default: break;
    }
    return texts;
}

}  // namespace

std::string frame_cell(const FrameRecord& record, int column)
{
    return cell_text(record, column, Language::Saved);
}

std::string shown_frame_cell(const FrameRecord& record, int column)
{
    return cell_text(record, column, Language::Shown);
}

int shown_column_characters(int column)
{
    int characters = FRAME_COLUMN_LOOKS[column].characters;
    for (const std::string& text : fixed_texts(column, Language::Shown))
        characters = std::max(characters, characters_of(text));
    return characters;
}

std::string frame_lines(const FrameRows& rows)
{
    std::string text;
    for (const FrameRecord* record : rows)
        text += line(cells(*record));
    return text;
}

std::string frames_text(const FrameRows& rows, const SavedFacts& facts)
{
    std::string text;
    for (const auto& [name, value] : fact_rows(facts))
        text += padded(name + ":", 12, false) + value + "\n";
    std::vector<std::string> titles;
    for (const FrameColumnLook& look : FRAME_COLUMN_LOOKS)
        titles.push_back(look.title);
    return text + "\n" + line(titles) + frame_lines(rows);
}

std::string frames_csv(const FrameRows& rows, const SavedFacts& facts)
{
    std::string text;
    for (const auto& [name, value] : fact_rows(facts))
        text += CsvRow({name, value});
    std::vector<std::string> header{"seconds", "direction", "code", "name", "marks"};
    for (int k = 0; k < frame::kWords; ++k)
        header.push_back("word " + std::to_string(k));
    text += CsvRow(header);
    for (const FrameRecord* record : rows) {
        std::vector<std::string> fields;
        for (int column = 0; column < COLUMN_WORDS; ++column)
            fields.push_back(frame_cell(*record, column));
        for (std::uint16_t word : record->words)
            fields.push_back(whole_frame(*record) ? hex(word) : std::string());
        text += CsvRow(fields);
    }
    return text;
}

}  // namespace telvar
