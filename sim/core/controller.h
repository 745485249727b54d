// SPDX-License-Identifier: GPL-3.0-or-later
// The controller itself: parameter RAM and EEPROM, the measurement, the two
// data memories and test mode. One request in, the answer bytes out; the
// links around it decide how those bytes travel.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "link/frame.h"
#include "sim/core/actions.h"
#include "sim/core/data_memory.h"
#include "sim/core/parameters.h"
#include "sim/core/signal_model.h"
#include "sim/core/time.h"

namespace telvar::sim {

inline constexpr std::string_view kVersionText = "TELVAR-K20 SIM V1.00";

enum class LinkKind { serial, tcp };

using Request = frame::Answer;

struct Response {
    Bytes bytes;  // empty: the controller stays silent
    bool start_boot_loader = false;
};

class Controller {
public:
    using EepromWritten = std::function<void(const ParameterSet&)>;

    Controller(const ParameterSet& eeprom, std::uint32_t noise_start, Time now);

    void on_eeprom_written(EepromWritten callback) { eeprom_written_ = std::move(callback); }

    Response handle(const Request& request, LinkKind link, Time now);

    // Runs the scans due up to now. A long idle time is not replayed scan by
    // scan: only the latest stretch that the data memory can hold.
    void advance_to(Time now);

    const ParameterSet& ram() const { return ram_; }
    const ParameterSet& eeprom() const { return eeprom_; }
    const Sample& sample() const { return model_.current(); }
    bool in_test_mode() const { return test_mode_; }

private:
    Bytes write_block(const Request& request, bool to_eeprom);
    Bytes read_block(const Request& request, const ParameterSet& from) const;
    Bytes live_sample(const Request& request) const;
    Bytes data_memory_block(const Request& request);
    Bytes teach();
    Bytes test_data(const Request& request);
    Response start_download(const Request& request, LinkKind link) const;
    void store_eeprom();
    void scan();

    ParameterSet eeprom_;
    ParameterSet ram_;
    SignalModel model_;
    DataMemory memory_a_;
    DataMemory memory_b_;
    bool test_mode_ = false;
    frame::Words test_block_{};
    Time scanned_until_;
    EepromWritten eeprom_written_;
};

}  // namespace telvar::sim
