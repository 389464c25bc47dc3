#pragma once
// A member or a ticket holder logged in at the login screen: the server answers the account
// request with the record given, and the account window is shown.
#include <string>

#include "CustomerSession.h"
#include "session/AccountTimerWindow.h"
#include "session/frmmemprof.h"

namespace tavimo::testing {

class AccountSession : public CustomerSession {
 protected:
  // "anna" (password "12345") whose account the server describes with these fields after
  // the password: scheme, registered, expires, total hours and minutes, used hours and
  // minutes, amount, logged in elsewhere, minimum minutes.
  frmmemprof& memberLogsIn(const std::string& account = "Gold|01/05/2026|12/31/2026|5|0|2|30|17.5|0|15") {
    logIn("anna", "12345");
    c.h.backend.advance(10);
    member.reply("1|12345|" + account);
    c.h.backend.advance(600);
    return c.h.app.form<frmmemprof>();
  }
  // Ticket "1001" (password "t1001"): the same fields without the amount.
  frmmemprof& ticketLogsIn(const std::string& account = "Hour|12/01/2026|12/31/2026|1|0|0|0|0|0") {
    logIn("1001", "t1001");
    c.h.backend.advance(10);
    ticket.reply("1|t1001|" + account);
    c.h.backend.advance(1100);
    return c.h.app.form<frmmemprof>();
  }
  // "&Ok" in the account window: the session starts.
  AccountTimerWindow& startSession(const std::string& timerName) {
    c.h.app.form<frmmemprof>().Command1.userClick();
    return static_cast<AccountTimerWindow&>(opened(timerName));
  }

  ServerPort member{c.h.server, 45674};
  ServerPort ticket{c.h.server, 45677};
};

}  // namespace tavimo::testing
