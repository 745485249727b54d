// SPDX-License-Identifier: GPL-3.0-or-later
// The graph: plots of y against x, each kept by a handle of its own.
// Internal to the platform layer.
#pragma once

#include "platform/chart.h"
#include "platform/handle_table.h"
#include "platform/line_look.h"

#include <string>
#include <vector>

namespace telvar::detail {

class EdgeCurve;

class GraphChart : public Chart {
    Q_OBJECT
public:
    using Chart::Chart;

    // The new plot's handle.
    int add(const std::vector<double>& x, const std::vector<double>& y, int style, const LineLook& look);
    // Every plot with handle -1.
    int remove(int handle, bool now);
    // ATTR_PLOT_LG_TEXT or ATTR_PLOT_EDGE_TEXT.
    int set_text(int handle, int attribute, const char* text);
    int get_text(int handle, int attribute, std::string* text) const;
    int get(int handle, int attribute, int* value) const;
    // Oldest first.
    std::vector<int> handles() const;

    // The x values of the plots, whole numbers: the samples of a record.
    std::optional<SampleSpan> cursor_span() const override;

    // The plots drawn: a transparent plot holds a place or a curve switched off.
    std::string csv() const override;

private:
    struct Plot {
        EdgeCurve* curve;
        LineLook look;
        int style;
        std::string name;
    };

    HandleTable<Plot> plots_;
};

}  // namespace telvar::detail
