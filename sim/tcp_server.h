// SPDX-License-Identifier: GPL-3.0-or-later
// The controller's TCP side: listens on the loopback address only, one
// session per connection.
#pragma once

#include <QObject>
#include <QString>
#include <QTcpServer>

#include "sim/core/controller.h"
#include "sim/core/faults.h"

namespace telvar::sim {

class TcpServer : public QObject {
public:
    // `paced`: requests reach the controller, and answers leave it, no faster
    // than its 19200-baud serial line would carry them.
    TcpServer(Controller& controller, const FaultOptions& faults, bool paced, QObject* parent = nullptr);

    bool listen(quint16 port, QString& error);
    quint16 port() const { return server_.serverPort(); }

private:
    void accept();

    Controller& controller_;
    FaultOptions faults_;
    bool paced_;
    QTcpServer server_;
};

}  // namespace telvar::sim
