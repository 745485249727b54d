// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/command.h"

#include "link/com232.h"
#include "link/link_events.h"
#include "link/orders.h"
#include "link/status.h"
#include "platform/events.h"
#include "platform/translation.h"

#include <deque>
#include <string>

namespace telvar {

// The module's state, written only here; other files read it through the views below.
namespace state {
int stop_flag = 1;
}  // namespace state

const int& stop_flag = state::stop_flag;

namespace {

bool g_command_running = false;
std::deque<std::function<void()>> g_kept;

// Each kept job may run a command of its own, which takes the gate again.
void run_kept()
{
    while (!g_kept.empty() && !g_command_running) {
        const std::function<void()> job = std::move(g_kept.front());
        g_kept.pop_front();
        job();
    }
}

CommandOutcome judge_answer(const Command& command, int* answer_order)
{
    if (!command.answer)
        return CommandOutcome::Answered;
    const int code = GetRxBuf(command.answer);
    if (code == -1)
        return CommandOutcome::EchoIncorrect;
    if (answer_order)
        *answer_order = code;
    if (command.expects_ack && command.answer[0] != ANSWER_ACK)
        return CommandOutcome::NotAcknowledged;
    return CommandOutcome::Answered;
}

void stop_everything(const char* text)
{
    set_status(text);
    state::stop_flag = 1;
    report_link_event(LinkEvent::CommandsStopped);
}

void show_acknowledged(const Command& command)
{
    // The default acknowledgement is translated here; a caller's own text comes translated already.
    const std::string text =
        std::string(command.announcement ? command.announcement : "") + tr_text("Line", command.ack_text);
    set_status(text.c_str());
    ProcessSystemEvents();
}

}  // namespace

CommandGate::CommandGate() : held_(!g_command_running)
{
    g_command_running = true;
}

CommandGate::~CommandGate()
{
    if (!held_)
        return;
    g_command_running = false;
    run_kept();
}

void raise_stop_flag()
{
    state::stop_flag = 1;
}

void lower_stop_flag()
{
    state::stop_flag = 0;
}

bool command_running()
{
    return g_command_running;
}

bool run_whole(const std::function<void()>& command)
{
    const CommandGate gate;
    if (!gate) {
        set_status(tr_text("Line", BUSY_TEXT));
        return false;
    }
    command();
    return true;
}

void after_commands(std::function<void()> later)
{
    g_kept.push_back(std::move(later));
    run_kept();
}

CommandOutcome exchange_command(const Command& command, int* answer_order)
{
    const LinkHold hold;
    if (!hold)
        return CommandOutcome::Refused;
    set_order(command.order);
    FillTxBuf(hold, order, command.payload.data());
    if (command.announcement) {
        set_status(command.announcement);
        ProcessSystemEvents();
    }
    if (ExchangeFrame(hold) == 0)
        return CommandOutcome::ConnectionLost;
    return judge_answer(command, answer_order);
}

void report_command_outcome(const Command& command, CommandOutcome outcome)
{
    switch (outcome) {
    case CommandOutcome::Answered:
        if (command.expects_ack)
            show_acknowledged(command);
        break;
    case CommandOutcome::Refused:
        set_status(tr_text("Line", BUSY_TEXT));
        break;
    case CommandOutcome::ConnectionLost:
        stop_everything(tr_text("Line", CONNECTION_LOST_TEXT));
        break;
    case CommandOutcome::EchoIncorrect:
        stop_everything(tr_text("Line", ECHO_INCORRECT_TEXT));
        break;
    case CommandOutcome::NotAcknowledged:
        set_status(tr_text("Line", ECHO_INCORRECT_TEXT));
        break;
    }
}

bool send_acknowledged(int order, const char* announcement, const char* ack_text, const frame::Words& payload)
{
    Command command;
    command.order = order;
    command.payload = payload;
    command.answer = emptyframe_answer();
    command.announcement = announcement;
    command.expects_ack = true;
    command.ack_text = ack_text;
    return send_command(command) == CommandOutcome::Answered;
}

CommandOutcome send_command(const Command& command)
{
    const CommandOutcome outcome = exchange_command(command);
    report_command_outcome(command, outcome);
    return outcome;
}

}  // namespace telvar
