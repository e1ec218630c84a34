#pragma once

#include "platform/ProgramStarter.h"

namespace tempiro::host {

using platform::ProgramStarter;
using platform::StartOutcome;

class SystemProgramStarter final : public ProgramStarter {
public:
    StartOutcome start(const QString& program, const QStringList& arguments) override;
    QString findProgram(const QString& name) override;
    bool isRunning(qint64 taskId) override;
};

} // namespace tempiro::host
