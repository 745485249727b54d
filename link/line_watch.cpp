#include "link/line_watch.h"

namespace telvar {

namespace {

LineObserver g_observer;

void report(const LineState& state)
{
    if (g_observer)
        g_observer(state);
}

}  // namespace

void set_line_observer(LineObserver observer)
{
    g_observer = std::move(observer);
}

void report_line_open(const std::string& line, const std::string& version)
{
    report(LineState{true, line, version});
}

void report_line_closed()
{
    report(LineState{});
}

}  // namespace telvar
