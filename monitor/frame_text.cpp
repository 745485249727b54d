// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/frame_text.h"

#include "link/orders.h"
#include "platform/csv_file.h"
#include "telvar_version.h"

#include <cstdio>
#include <utility>

namespace telvar {

const FrameColumnLook FRAME_COLUMN_LOOKS[FRAME_COLUMNS] = {
    {"Time", 10, true},
    {"Dir", 3, false},
    {"Code", 6, false},
    {"Name", 22, false},
    {"Marks", 22, false},
    {"Words (hex)", 79, false},
};

namespace {

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

std::string answer_name(const FrameRecord& record)
{
    if (text_answer(record))
        return "VERSION text";
    if (record.code == DATA_NO_TRIGGER)
        return "DATA_MEMORY no trigger";
    if (record.code >= DATA_BLOCK_FIRST && record.code <= DATA_BLOCK_LAST)
        return "DATA_MEMORY block " + std::to_string(record.code - DATA_BLOCK_FIRST);
    const OrderName* order = find_order(record.code);
    if (!order)
        return "unknown";
    if (!order->acknowledged)
        return order->name;
    return std::string(order->name) + (record.words[0] == ANSWER_ACK ? " ACK" : " no ACK");
}

std::string frame_name(const FrameRecord& record)
{
    if (record.event == FrameEvent::Answer)
        return answer_name(record);
    const std::string name = order_name(record.code);
    return name.empty() ? "unknown" : name;
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

std::string marks_text(const FrameRecord& record)
{
    switch (record.event) {
    case FrameEvent::Request:
        return record.attempt > 1 ? "retry " + std::to_string(record.attempt) : std::string();
    case FrameEvent::Answer:
        if (record.sync == frame::kSyncWord)
            return {};
        return text_answer(record) ? "text" : "wrong sync";
    case FrameEvent::TimedOut:
        return "time-out";
    case FrameEvent::WriteFailed:
        // No request row stands for an attempt whose write failed: the failure says which it was.
        return record.attempt > 1 ? "write failure, retry " + std::to_string(record.attempt) : "write failure";
    case FrameEvent::DataFailed:
        return "data failure";
    }
    return {};
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

}  // namespace

std::string frame_cell(const FrameRecord& record, int column)
{
    switch (column) {
    case COLUMN_TIME: return time_text(record.time);
    case COLUMN_DIRECTION: return outgoing(record) ? "out" : "in";
    case COLUMN_CODE: return hex(record.code);
    case COLUMN_NAME: return frame_name(record);
    case COLUMN_WORDS: return words_text(record);
    case COLUMN_MARKS: return marks_text(record);
    default: return {};
    }
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
