#include "support/simulator.h"

#include "platform/test_seams.h"

namespace telvar::test {

Simulator::Simulator(const QStringList& options)
{
    const QString link = dir_.filePath(QStringLiteral("ttyTELVAR0"));
    process_ = std::make_unique<sim::test::SimProcess>(QStringList{"--tcp", "0", "--pty", link} + options);
    ready_ = process_->wait_ready();
    SetPseudoTerminalDir(dir_.path().toStdString());
}

Simulator::~Simulator()
{
    process_->stop();
}

}  // namespace telvar::test
