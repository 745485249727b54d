// SPDX-License-Identifier: GPL-3.0-or-later
// The graph: plots of y against x, each kept by a handle of its own.
// Internal to the platform layer.
#pragma once

#include "platform/chart.h"
#include "platform/handle_table.h"
#include "platform/line_look.h"

#include <string>
#include <vector>

class QCPCurve;

namespace telvar::detail {

class GraphChart : public Chart {
    Q_OBJECT
public:
    using Chart::Chart;

    // The new plot's handle.
    int add(const std::vector<double>& x, const std::vector<double>& y, int style, const LineLook& look);
    // Every plot with handle -1. A plot leaves the legend with its curve.
    int remove(int handle, bool now);
    int set_name(int handle, const char* name);
    int get(int handle, int attribute, int* value) const;
    // Oldest first.
    std::vector<int> handles() const;

    // The plots drawn: a transparent plot holds a place or a curve switched off.
    std::string csv() const override;

private:
    struct Plot {
        QCPCurve* curve;
        LineLook look;
        int style;
        std::string name;
    };

    void update_legend();

    HandleTable<Plot> plots_;
};

}  // namespace telvar::detail
