#pragma once
// A guest logged in at the login screen of a started client, with the café's tariff file in
// the system folder, up to the moment the guest timer opens; the server's ports keep what the
// client sends them. Session time is counted in the window's own seconds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../client/AtLoginScreen.h"
#include "core/ClientContext.h"
#include "core/StoredState.h"
#include "runtime/App.h"
#include "session/Tariff.h"
#include "session/frmClock.h"
#include "session/frmtimer2.h"
#include "support/IniText.h"
#include "util/mdlRegistry.h"

namespace tavimo::testing {

// The café's slot tariff (section "1": 10, 15, 20, 25 up to minutes 15, 30, 45 and 60, then 12
// per started half hour) and its flat tariff (section "Flat": 0.5 per started minute).
inline const std::string cafeTariff =
    iniText({"[1]", "type=1", "slots=15,30,45,60", "rates=10,15,20,25", "after=1", "charges=12", "min=30", "[Flat]",
             "type=0", "rates=0.5"});

class GuestSession : public AtLoginScreen {
 protected:
  GuestSession() {
    resetTariff();
    client().localAddress = "10.0.0.7";
    client().backupFile = stored::systemFile(stored::backupFileName);
    // What every Windows computer with a browser has.
    createKey(stored::browserMainKey.hive, stored::browserMainKey.path);
  }
  ~GuestSession() override { resetTariff(); }

  // Logs in as "guest", answers the probe with the café's date and time, and opens the
  // timer once the tariff of that section has been read from the file.
  frmtimer2& logIn(const std::string& rateType = "1", const std::string& tariffFile = cafeTariff) {
    if (rateType != "1") stored::write(stored::RateType, rateType);
    screen.txtlog.setText("guest");
    screen.txtpas.setText("guest");
    screen.cmdsubt_Click();
    c.h.backend.advance(10);
    hello.reply("2|admin|mgr|guest|Rs|12/09/2026|10:31:05 AM");
    c.h.backend.advance(600);
    EXPECT_TRUE(c.files.writeAll(c.systemFile("charges24.ini"), tariffFile));
    loadTariff();
    return open();
  }
  // Opens the timer as the login screen does once the tariff is there.
  frmtimer2& open() {
    hello.received.clear();
    reports.received.clear();
    EXPECT_TRUE(c.h.backend.runUntil([] { return rt::app().isLoaded<frmtimer2>(); }, 2000));
    opened_ = c.h.clock.now();
    startedAt_ = counted();
    c.h.backend.advance(10);  // what the opening sent arrives
    return window();
  }
  frmtimer2& window() { return c.h.app.form<frmtimer2>(); }

  // Lets time run until the window has counted this many seconds since it opened: the second
  // has passed, and the timer (every 950 ms) has ticked since. A window that stopped counting
  // is given no more than a second.
  void runTo(int second) {
    const std::uint64_t due = opened_ + static_cast<std::uint64_t>(second) * 1000;
    if (due > c.h.clock.now()) c.h.backend.advance(due - c.h.clock.now());
    for (int step = 0; step < 20 && c.h.app.isLoaded<frmtimer2>() && counted() < second; ++step) c.h.backend.advance(50);
  }
  // The seconds the window has counted since it opened (at a minute's end its seconds are -1
  // and its minutes already the next).
  int counted() {
    const Billing& b = window().billing();
    return b.hours * 3600 + b.minutes * 60 + b.seconds - startedAt_;
  }
  static int at(int hours, int minutes, int seconds) { return hours * 3600 + minutes * 60 + seconds; }

  // The page of the tab with that key, as the customer picks it.
  void showTab(const std::string& key) {
    rt::TabStrip& tabs = window().TabStrip1;
    for (std::size_t i = 0; i < tabs.tabs().size(); ++i)
      if (tabs.tabs()[i].key == key) tabs.userSelected(static_cast<int>(i));
  }
  std::string clockShows() { return c.h.app.form<frmClock>().Label1.caption(); }
  std::string elapsedShown() { return window().lbltimer2.caption(); }
  std::string amountShown() { return window().lblamt.caption(); }
  // The server answers the logout's probe.
  void confirmLogout() {
    c.h.backend.advance(10);
    ASSERT_EQ(hello.texts(), std::vector<std::string>{"0|TAVIMO-PC07"});
    hello.reply("2|admin|mgr|guest|Rs|12/09/2026|11:02:00 AM");
    c.h.backend.advance(600);
  }
  // The four display settings of text-only browsing, as stored.
  std::vector<StoredValue> browserDisplay() {
    std::vector<StoredValue> values;
    for (const stored::Value& v : stored::browserDisplaySettings) values.push_back(c.stored(v));
    return values;
  }

  ServerPort hello{c.h.server, 45671};
  ServerPort reports{c.h.server, 45672};
  ServerPort guest{c.h.server, 45673};
  ServerPort help{c.h.server, 45676};
  std::uint64_t opened_ = 0;
  int startedAt_ = 0;
};

}  // namespace tavimo::testing
