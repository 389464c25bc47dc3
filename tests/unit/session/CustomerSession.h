#pragma once
// A started client at its login screen whose customer is about to log in, with the café
// server's ports keeping what the client sends them. Once a timer window opens, session time
// is counted in the window's own seconds, as it shows them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../client/AtLoginScreen.h"
#include "core/ClientContext.h"
#include "core/StoredState.h"
#include "runtime/App.h"
#include "session/SavKey.h"
#include "session/TimerWindow.h"
#include "session/frmClock.h"
#include "util/mdlRegistry.h"

namespace tavimo::testing {

class CustomerSession : public AtLoginScreen {
 protected:
  CustomerSession() {
    client().localAddress = "10.0.0.7";
    client().backupFile = stored::systemFile(stored::backupFileName);
    // What every Windows computer with a browser has.
    createKey(stored::browserMainKey.hive, stored::browserMainKey.path);
  }

  // Types the name and password and presses Enter; the server answers the probe with the
  // café's date and time.
  void logIn(const std::string& name, const std::string& password) {
    screen.txtlog.setText(name);
    screen.txtpas.setText(password);
    screen.cmdsubt_Click();
    c.h.backend.advance(10);
    hello.reply("2|admin|mgr|guest|Rs|12/09/2026|10:31:05 AM");
    c.h.backend.advance(600);
  }
  // Waits for the timer window of that name to open; from then on its seconds count.
  TimerWindow& opened(const std::string& name) {
    hello.received.clear();
    reports.received.clear();
    EXPECT_TRUE(c.h.backend.runUntil([&name] { return rt::app().formNamed(name) != nullptr; }, 2000));
    timerName_ = name;
    opened_ = c.h.clock.now();
    startedAt_ = shownSeconds();
    c.h.backend.advance(10);  // what the opening sent arrives
    return *timer();
  }
  TimerWindow* timer() { return static_cast<TimerWindow*>(c.h.app.formNamed(timerName_)); }

  // Lets time run until the window has counted this many seconds since it opened: the second
  // has passed, and the timer (every 950 ms) has ticked since. A window that stopped counting
  // is given no more than a second.
  void runTo(int second) {
    const std::uint64_t due = opened_ + static_cast<std::uint64_t>(second) * 1000;
    if (due > c.h.clock.now()) c.h.backend.advance(due - c.h.clock.now());
    for (int step = 0; step < 20 && timer() && shownSeconds() - startedAt_ < second; ++step) c.h.backend.advance(50);
  }
  static int at(int hours, int minutes, int seconds) { return hours * 3600 + minutes * 60 + seconds; }
  std::string elapsedShown() { return timer()->lbltimer2.caption(); }

  // The server answers the logout's probe.
  void confirmLogout() {
    c.h.backend.advance(10);
    ASSERT_EQ(hello.texts(), std::vector<std::string>{"0|TAVIMO-PC07"});
    hello.reply("2|admin|mgr|guest|Rs|12/09/2026|11:02:00 AM");
    c.h.backend.advance(600);
  }
  // The last session, ended, as the key and its backup hold it when the next one starts.
  void previousSessionEnded(const std::string& userId) {
    stored::write(stored::UserId, userId);
    stored::write(stored::Status, 0);
    stored::write(stored::Elapsed, "0:37:49");
    stored::write(stored::LoginTime, "9:02:11 AM");
    stored::write(stored::LogoutTime, "9:40:0 AM");
    saveKey(stored::timersKey.path, client().backupFile, stored::timersKey.hive);
  }
  // What the next start brings back, were the client killed now: the key as its backup holds it.
  void restartAfterCrash() { restoreKey(stored::timersKey.path, client().backupFile, stored::timersKey.hive); }
  std::string clockShows() { return c.h.app.form<frmClock>().Label1.caption(); }
  // The page of the tab with that key, as the customer picks it.
  void showTab(const std::string& key) {
    rt::TabStrip& tabs = timer()->TabStrip1;
    for (std::size_t i = 0; i < tabs.tabs().size(); ++i)
      if (tabs.tabs()[i].key == key) tabs.userSelected(static_cast<int>(i));
  }
  // The four display settings of text-only browsing, as stored.
  std::vector<StoredValue> browserDisplay() {
    std::vector<StoredValue> values;
    for (const stored::Value& v : stored::browserDisplaySettings) values.push_back(c.stored(v));
    return values;
  }

  ServerPort hello{c.h.server, 45671};
  ServerPort reports{c.h.server, 45672};
  ServerPort help{c.h.server, 45676};

  // The elapsed time the window shows, in seconds.
  int shownSeconds() {
    const std::string shown = timer()->lbltimer2.caption();
    int h = 0, m = 0, s = 0;
    std::sscanf(shown.c_str(), "%d:%d:%d", &h, &m, &s);
    return at(h, m, s);
  }

 private:
  std::string timerName_;
  std::uint64_t opened_ = 0;
  int startedAt_ = 0;
};

}  // namespace tavimo::testing
