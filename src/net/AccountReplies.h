#pragma once
// The server's answers to a member or ticket login request: the account, whose password the
// login screen compares on this computer.
#include <string>

namespace tavimo {

// Member reply: marks the reply as come whatever its code; a "1" reply marks the member found
// and fills memberAccount. A field that does not convert keeps its previous value.
void takeMemberReply(const std::string& datagram);
// Ticket reply: only a "1" reply counts; it marks the ticket found and fills ticketAccount,
// every text trimmed.
void takeTicketReply(const std::string& datagram);

}  // namespace tavimo
