#pragma once

#include "platform/ProgramStarter.h"

namespace tempiro::platform {

class SystemProgramStarter final : public ProgramStarter {
public:
    StartOutcome start(const QString& program, const QStringList& arguments) override;
    QString findProgram(const QString& name) override;
    bool isRunning(qint64 taskId) override;
};

} // namespace tempiro::platform
