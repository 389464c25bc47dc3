// What the website filter costs on a real desktop under Wine:
//   filter_bench.exe <top-level windows> <scans> <session seconds> <redirects> [wineserver pid]
// starts the stand-in program with three browsers (addresses that stay) and other programs'
// windows (three children each), waits until the system is idle, then measures
//   - one scan: the filter's tick with its timer stopped, run <scans> times (or for twenty
//     seconds) with a pause of 20 ms after each, as paced ticks run (back to back, each
//     scan costs more: the wineserver never rests);
//   - a session: the filter's own timer for <session seconds>, and the processor time it
//     took in this program and, given the wineserver's Linux process id, in the server,
//     where Wine's window calls spend about as much again;
//   - redirects: <redirects> times, at moments spread over the filter's cadence, a browser
//     shows a blocked address, and the time until the filter has sent it to the blocked page.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "BlockListSetting.h"
#include "lockdown/frmBlocks.h"
#include "runtime/App.h"
#include "runtime/win32/Win32Backend.h"
#include "StandIn.h"

namespace tavimo {
namespace {

constexpr char goodAddress[] = "http://www.goodsite.com/news";
constexpr char blockedAddress[] = "http://www.games.com/play";

double seconds(const FILETIME& time) {
  return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32 | time.dwLowDateTime) / 1e7;
}

double processCpu() {
  FILETIME created, ended, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
  return seconds(kernel) + seconds(user);
}

// The wineserver's user + system time from Linux's process table, through Wine's Z: drive.
double serverCpu(int pid) {
  if (pid <= 0) return 0;
  const std::string path = "Z:\\proc\\" + std::to_string(pid) + "\\stat";
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return 0;
  char text[1024] = {};
  std::fread(text, 1, sizeof text - 1, file);
  std::fclose(file);
  const char* after = std::strrchr(text, ')');
  if (!after) return 0;
  unsigned long long utime = 0, stime = 0;
  std::sscanf(after + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &utime, &stime);
  return (utime + stime) / 100.0;
}

double now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / frequency.QuadPart;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// Waits until the wineserver has had little to do for half a second: a program that has just
// opened hundreds of windows keeps it (and Wine's desktop) busy for a while.
void waitUntilIdle(int serverPid) {
  if (serverPid <= 0) {
    testing::pumpFor(2000);
    return;
  }
  for (int i = 0; i < 120; ++i) {
    const double before = serverCpu(serverPid);
    testing::pumpFor(500);
    if (serverCpu(serverPid) - before <= 0.02) return;
  }
}

struct Timing {
  double medianMs, meanMs, clientCpuMs, serverCpuMs;
};

// Runs the work the given number of times, or for twenty seconds if that comes first, with
// a pause after each; the processor times include what the pauses took.
Timing timeRepeatedly(int times, int serverPid, const std::function<void()>& work) {
  std::vector<double> each;
  const double cpu0 = processCpu(), server0 = serverCpu(serverPid), start = now();
  for (int i = 0; i < times && now() - start < 20; ++i) {
    const double t = now();
    work();
    each.push_back((now() - t) * 1000);
    testing::pumpFor(20);
  }
  const double n = static_cast<double>(each.size());
  double sum = 0;
  for (double ms : each) sum += ms;
  return {median(each), sum / n, (processCpu() - cpu0) * 1000 / n, (serverCpu(serverPid) - server0) * 1000 / n};
}

void print(const char* what, const Timing& t) {
  std::printf("  %-18s median %8.3f ms  mean %8.3f ms  CPU client %7.3f ms + wineserver %7.3f ms\n", what, t.medianMs,
              t.meanMs, t.clientCpuMs, t.serverCpuMs);
  std::fflush(stdout);
}

// The filter on its own timer, as in a customer's session; gives its share of one core.
double runSession(frmBlocks& filter, int sessionSeconds, int serverPid) {
  const std::function<void()> tick = filter.Timer1.onTimer;
  std::vector<double> each;
  filter.Timer1.onTimer = [&each, tick] {
    const double t = now();
    tick();
    each.push_back((now() - t) * 1000);
  };
  const double cpu0 = processCpu(), server0 = serverCpu(serverPid), start = now();
  testing::pumpFor(sessionSeconds * 1000);
  const double elapsed = now() - start, client = processCpu() - cpu0, server = serverCpu(serverPid) - server0;
  filter.Timer1.onTimer = tick;
  const int ticks = static_cast<int>(each.size());
  std::printf("  session of %.1f s: %d ticks, %.1f ms apart, each %.3f ms (median); CPU client %.2f s + wineserver %.2f s"
              " = %.1f%% of one core\n",
              elapsed, ticks, elapsed * 1000 / std::max(ticks, 1), median(each), client, server,
              (client + server) * 100 / elapsed);
  std::fflush(stdout);
  return (client + server) * 100 / elapsed;
}

// Times from the browser showing a blocked address to the end of the tick that sent it to
// the blocked page; each trial starts at a different moment of the filter's cadence.
std::vector<double> timeRedirects(frmBlocks& filter, HWND box, int trials) {
  const std::function<void()> tick = filter.Timer1.onTimer;
  double shown = 0, redirected = 0;
  filter.Timer1.onTimer = [&, tick] {
    tick();
    if (!redirected && testing::editText(box) == blockedPageAddress) redirected = now();
  };
  std::mt19937 phase(7);
  std::vector<double> times;
  for (int i = 0; i < trials; ++i) {
    testing::pumpFor(std::uniform_int_distribution<DWORD>(50, 3000)(phase));
    redirected = 0;
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(blockedAddress));
    shown = now();
    if (!testing::waitFor([&] { return redirected != 0; }, 30000)) {
      std::printf("  no redirect within 30 s\n");
      break;
    }
    times.push_back((redirected - shown) * 1000);
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(goodAddress));
  }
  filter.Timer1.onTimer = tick;
  if (!times.empty())
    std::printf("  redirect after    median %8.1f ms  worst %8.1f ms  (%zu times)\n", median(times),
                *std::max_element(times.begin(), times.end()), times.size());
  std::fflush(stdout);
  return times;
}

}  // namespace
}  // namespace tavimo

int main(int argc, char** argv) {
  using namespace tavimo;
  if (argc < 5) {
    std::fprintf(stderr, "usage: filter_bench <top-level windows> <scans> <session seconds> <redirects> [wineserver pid]\n");
    return 2;
  }
  const int windows = std::atoi(argv[1]), scans = std::atoi(argv[2]), sessionSeconds = std::atoi(argv[3]);
  const int redirects = std::atoi(argv[4]), serverPid = argc > 5 ? std::atoi(argv[5]) : 0;

  testing::Win32Services services;
  rt::Win32Backend backend{GetModuleHandleA(nullptr)};
  rt::App app{backend};
  const char* patterns[] = {"games", "chat", "casino", "poker", "dating", "torrent", "warez", "proxy", "betting", "adult"};
  for (const char* p : patterns) testing::storeBlockList(p);

  constexpr int browsers = 3;
  const int others = std::max(windows - browsers, 0);
  std::string arguments = "--others " + std::to_string(others);
  for (int i = 0; i < browsers; ++i) arguments += std::string(" ") + goodAddress;
  testing::StandIn desktop(arguments);
  const std::string lastOther = "Document " + std::to_string(others) + " - Notepad";
  if (!desktop.started() ||
      !testing::waitFor([&] { return others == 0 || FindWindowA("TavimoStandInFrame", lastOther.c_str()); }, 60000) ||
      !testing::waitFor([] { return testing::StandIn::addressBox(browsers) != nullptr; }, 60000)) {
    std::fprintf(stderr, "the stand-in program did not come up\n");
    return 1;
  }
  waitUntilIdle(serverPid);
  HWND box = testing::StandIn::addressBox(2);

  int topLevel = 0, all = 0;
  EnumWindows([](HWND, LPARAM count) { return ++*reinterpret_cast<int*>(count), TRUE; }, reinterpret_cast<LPARAM>(&topLevel));
  EnumChildWindows(GetDesktopWindow(), [](HWND, LPARAM count) { return ++*reinterpret_cast<int*>(count), TRUE; },
                   reinterpret_cast<LPARAM>(&all));
  std::printf("%d top-level windows, %d windows in all below the desktop\n", topLevel, all);
  std::fflush(stdout);

  frmBlocks& filter = app.form<frmBlocks>();
  filter.Timer1.setEnabled(false);
  print("enumeration alone", timeRepeatedly(scans, serverPid, [] {
          int n = 0;
          platform().desktop->enumChildWindows(platform().desktop->desktopWindow(), [&n](WindowHandle) { return ++n, true; });
        }));
  const Timing scan = timeRepeatedly(scans, serverPid, filter.Timer1.onTimer);
  print("one scan", scan);
  filter.Timer1.setEnabled(true);
  const double share = sessionSeconds > 0 ? runSession(filter, sessionSeconds, serverPid) : 0;
  const std::vector<double> redirected = redirects > 0 ? timeRedirects(filter, box, redirects) : std::vector<double>{};
  // One row for a table: windows, scan (median), share of a core, redirect (median, worst).
  std::printf("| %d (%d) | %.1f ms | %.1f%% | %.0f / %.0f ms |\n", windows, topLevel, scan.medianMs, share,
              median(redirected), redirected.empty() ? 0 : *std::max_element(redirected.begin(), redirected.end()));

  filter.unload();
  for (const char* p : patterns) testing::removeBlockList(p);
  return 0;
}
