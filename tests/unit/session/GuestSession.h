#pragma once
// A guest logged in at the login screen, with the café's tariff file in the system folder,
// up to the moment the guest timer opens.
#include <string>

#include "CustomerSession.h"
#include "session/Tariff.h"
#include "session/frmtimer2.h"
#include "support/IniText.h"

namespace tavimo::testing {

// The café's slot tariff (section "1": 10, 15, 20, 25 up to minutes 15, 30, 45 and 60, then 12
// per started half hour) and its flat tariff (section "Flat": 0.5 per started minute).
inline const std::string cafeTariff =
    iniText({"[1]", "type=1", "slots=15,30,45,60", "rates=10,15,20,25", "after=1", "charges=12", "min=30", "[Flat]",
             "type=0", "rates=0.5"});

class GuestSession : public CustomerSession {
 protected:
  GuestSession() { resetTariff(); }
  ~GuestSession() override { resetTariff(); }

  // Logs in as "guest" and opens the timer once the tariff of that section has been read.
  frmtimer2& logIn(const std::string& rateType = "1", const std::string& tariffFile = cafeTariff) {
    if (rateType != "1") stored::write(stored::RateType, rateType);
    CustomerSession::logIn("guest", "guest");
    EXPECT_TRUE(c.files.writeAll(c.systemFile("charges24.ini"), tariffFile));
    loadTariff();
    return static_cast<frmtimer2&>(opened("frmtimer2"));
  }
  frmtimer2& window() { return c.h.app.form<frmtimer2>(); }
  std::string amountShown() { return window().lblamt.caption(); }

  ServerPort guest{c.h.server, 45673};
};

}  // namespace tavimo::testing
