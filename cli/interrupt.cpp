#include "cli/interrupt.h"

namespace telvar::cli {

namespace {

volatile std::sig_atomic_t g_requested = 0;

void request(int)
{
    g_requested = 1;
}

}  // namespace

InterruptWatch::InterruptWatch()
{
    g_requested = 0;
    struct sigaction action = {};
    action.sa_handler = request;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previous_int_);
    sigaction(SIGTERM, &action, &previous_term_);
}

InterruptWatch::~InterruptWatch()
{
    sigaction(SIGINT, &previous_int_, nullptr);
    sigaction(SIGTERM, &previous_term_, nullptr);
}

bool InterruptWatch::requested() const
{
    return g_requested != 0;
}

}  // namespace telvar::cli
