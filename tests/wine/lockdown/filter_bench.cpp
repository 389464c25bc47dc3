// What the website filter costs on a real desktop under Wine:
//   filter_bench.exe <top-level windows> <ticks> <session seconds> [wineserver pid]
// (each measurement stops after ten seconds) starts the stand-in program with one browser (an address that stays) and other programs'
// windows (three children each), then times single ticks of the filter, the window scan
// alone, and a session of real timer ticks. With the wineserver's Linux process id it also
// counts the server's processor time, which Wine's window calls spend there.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "BlockListSetting.h"
#include "lockdown/frmBlocks.h"
#include "lockdown/ienann.h"
#include "runtime/App.h"
#include "runtime/win32/Win32Backend.h"
#include "StandIn.h"

namespace tavimo {
namespace {

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

struct Timing {
  double meanMs, medianMs, worstMs, clientCpuMs, serverCpuMs;
};

// Runs the work the given number of times, or for ten seconds if that comes first.
Timing timeRepeatedly(int times, int serverPid, const std::function<void()>& work) {
  std::vector<double> each;
  const double cpu0 = processCpu(), server0 = serverCpu(serverPid), start = now();
  for (int i = 0; i < times && now() - start < 10; ++i) {
    const double t = now();
    work();
    each.push_back((now() - t) * 1000);
  }
  times = static_cast<int>(each.size());
  const double total = now() - start;
  std::sort(each.begin(), each.end());
  return {total * 1000 / times, each[each.size() / 2], each.back(), (processCpu() - cpu0) * 1000 / times,
          (serverCpu(serverPid) - server0) * 1000 / times};
}

void print(const char* what, const Timing& t) {
  std::printf("  %-24s mean %7.3f ms  median %7.3f ms  worst %7.3f ms  CPU client %7.3f ms + wineserver %7.3f ms\n", what,
              t.meanMs, t.medianMs, t.worstMs, t.clientCpuMs, t.serverCpuMs);
  std::fflush(stdout);
}

}  // namespace
}  // namespace tavimo

int main(int argc, char** argv) {
  using namespace tavimo;
  if (argc < 4) {
    std::fprintf(stderr, "usage: filter_bench <top-level windows> <ticks> <session seconds> [wineserver pid]\n");
    return 2;
  }
  const int windows = std::atoi(argv[1]), ticks = std::atoi(argv[2]), sessionSeconds = std::atoi(argv[3]);
  const int serverPid = argc > 4 ? std::atoi(argv[4]) : 0;

  testing::Win32Services services;
  rt::Win32Backend backend{GetModuleHandleA(nullptr)};
  rt::App app{backend};
  const char* patterns[] = {"games", "chat", "casino", "poker", "dating", "torrent", "warez", "proxy", "betting", "adult"};
  for (const char* p : patterns) testing::storeBlockList(p);

  testing::StandIn desktop("--others " + std::to_string(windows - 1) + " http://www.goodsite.com/news");
  if (!desktop.started() ||
      !testing::waitFor([&] { return FindWindowA("TavimoStandInFrame", ("Document " + std::to_string(windows - 1) + " - Notepad").c_str()) || windows == 1; }, 60000) ||
      !testing::waitFor([] { return testing::StandIn::addressBox(1) != nullptr; }, 60000)) {
    std::fprintf(stderr, "the stand-in program did not come up\n");
    return 1;
  }
  testing::pumpFor(500);  // let it paint and settle

  frmBlocks& filter = app.form<frmBlocks>();
  WindowList all;
  listChildWindows(all, platform().desktop->desktopWindow());
  int topLevel = 0;
  EnumWindows([](HWND, LPARAM count) { return ++*reinterpret_cast<int*>(count), TRUE; }, reinterpret_cast<LPARAM>(&topLevel));
  std::printf("%d top-level windows, %zu windows in all below the desktop, %d ticks\n", topLevel, all.size(), ticks);
  std::fflush(stdout);

  const std::function<void()> tick = filter.Timer1.onTimer;
  print("one tick", timeRepeatedly(ticks, serverPid, tick));
  print("window list with titles", timeRepeatedly(ticks, serverPid, [&all] { listChildWindows(all, platform().desktop->desktopWindow()); }));
  print("enumeration alone", timeRepeatedly(ticks, serverPid, [] {
          int n = 0;
          platform().desktop->enumChildWindows(platform().desktop->desktopWindow(), [&n](WindowHandle) { return ++n, true; });
        }));
  HWND box = testing::StandIn::addressBox(1);
  print("browser address read", timeRepeatedly(ticks, serverPid, [box] { testing::editText(box); }));
  print("address length (seam)", timeRepeatedly(ticks, serverPid, [box] {
          platform().desktop->sendMessage(reinterpret_cast<WindowHandle>(box), wm::GetTextLength, 0, 0);
        }));
  HWND frame = GetAncestor(box, GA_ROOT);
  WindowList below;
  print("browser descendants", timeRepeatedly(ticks, serverPid, [&below, frame] { listChildWindows(below, reinterpret_cast<WindowHandle>(frame)); }));

  if (sessionSeconds > 0) {
    int sessionTicks = 0;
    filter.Timer1.onTimer = [&sessionTicks, tick] {
      ++sessionTicks;
      tick();
    };
    const double cpu0 = processCpu(), server0 = serverCpu(serverPid), start = now();
    testing::pumpFor(sessionSeconds * 1000);
    const double elapsed = now() - start, client = processCpu() - cpu0, server = serverCpu(serverPid) - server0;
    std::printf("  session of %.1f s: %d ticks (%.1f ms apart); CPU client %.2f s + wineserver %.2f s = %.1f%% of one core;"
                " an hour: %.0f s of CPU\n",
                elapsed, sessionTicks, elapsed * 1000 / sessionTicks, client, server, (client + server) * 100 / elapsed,
                (client + server) * 3600 / elapsed);
  }
  filter.unload();
  for (const char* p : patterns) testing::removeBlockList(p);
  return 0;
}
