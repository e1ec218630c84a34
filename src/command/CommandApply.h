#pragma once

#include "command/Command.h"
#include "core/Timer.h"

namespace tempiro::command {

// Carries a command out on the running timer as the Enter Time dialog's OK would: the same
// checks and messages, the alarm saved and shown at once. A refused command leaves the timer as
// it was. A command that only changes the alarm's title, address, warning or auto-open keeps its
// target and its count as they are.
Answer applyCommand(Timer& timer, const Command& command);

// The status as `--status` prints it, of a running timer or of the alarm a closed one saved.
Answer statusAnswer(const TimerState& state, const QString& link, const Moment& now,
                    const UtcOffsetAt& offsetAt, const DateText& text, bool running, bool json);

} // namespace tempiro::command
