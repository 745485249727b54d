// SPDX-License-Identifier: GPL-3.0-or-later
// telvar-k20-sim: a stand-in for a TELVAR-K20 controller, for demos and
// end-to-end tests of the tool without the hardware.
#include <csignal>
#include <cstdio>

#include <QCoreApplication>

#include "sim/options.h"
#include "sim/signal_watch.h"
#include "sim/simulator.h"

int main(int argc, char* argv[])
{
    using telvar::sim::ParsedOptions;
    QCoreApplication app(argc, argv);
    const ParsedOptions parsed = telvar::sim::parse_options(app.arguments());
    if (parsed.outcome == ParsedOptions::Outcome::help) {
        std::printf("%s", qPrintable(parsed.text));
        return 0;
    }
    if (parsed.outcome == ParsedOptions::Outcome::version) {
        std::printf("%s\n", qPrintable(parsed.text));
        return 0;
    }
    if (parsed.outcome == ParsedOptions::Outcome::error) {
        std::fprintf(stderr, "telvar-k20-sim: %s\nTry --help.\n", qPrintable(parsed.text));
        return 2;
    }

    // A peer that vanishes must not end the program.
    std::signal(SIGPIPE, SIG_IGN);
    telvar::sim::SignalWatch signal_watch([] { QCoreApplication::quit(); });
    if (!signal_watch.install()) {
        std::fprintf(stderr, "telvar-k20-sim: cannot watch for signals\n");
        return 1;
    }

    telvar::sim::Simulator simulator(parsed.options);
    QString error;
    if (!simulator.start(error)) {
        std::fprintf(stderr, "telvar-k20-sim: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
