#pragma once
// Commands sent to a DDE server (the Program Manager, the shell's folder
// service) as a client-only DDEML session.
#include <string>

namespace tikolvo {

// Sends one command to the server of that service and topic; false when no
// server answers or it refuses the command. A server that does not answer
// holds the caller for a few seconds at the most.
bool ExecuteDdeCommand(const std::wstring& service, const std::wstring& topic, const std::string& command);

}  // namespace tikolvo
