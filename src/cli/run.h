#pragma once

#include <string>
#include <vector>

#include "cli/arguments.h"
#include "commands/session.h"
#include "platform/console_platform.h"

namespace kestal::cli {

// Runs one command on a session in its start-up state, through the same
// commands the window uses.
void RunCommand(Session& s, const Invocation& inv);

// Where report --pdf writes the document: its file, or the report's name
// with ".pdf".
std::string PdfPathOf(const Invocation& inv);

// The exit status of a command that ran: 1 when it showed any message box
// other than the result of a Calc button, else 0.
int ExitStatus(const std::vector<ShownMessage>& messages);

}  // namespace kestal::cli
