// SPDX-License-Identifier: GPL-3.0-or-later
// What the benchmarks that run in rounds and count paints share: the
// median of the rounds, the --rounds N argument, and a counter of a
// widget's paint events.
#pragma once

#include <QEvent>
#include <QObject>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace telvar::bench {

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// `--rounds N`, or the default without arguments; 0 for anything else.
inline int rounds_of(int argc, char** argv, int default_rounds)
{
    if (argc == 3 && std::strcmp(argv[1], "--rounds") == 0 && std::atoi(argv[2]) > 0)
        return std::atoi(argv[2]);
    return argc == 1 ? default_rounds : 0;
}

class PaintCounter : public QObject {
public:
    long paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace telvar::bench
