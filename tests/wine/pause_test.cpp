#include "fixture.h"
#include "message_watch.h"

namespace grabwell::testing {
namespace {

double ProcessCpuMilliseconds() {
  FILETIME created, exited, kernel, user;
  ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto ms = [](const FILETIME& t) {
    return ((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
  };
  return ms(kernel) + ms(user);
}

int g_ticks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++g_ticks; }

TEST(Pause, WaitsTheTimeDispatchingMessagesWithoutSpinning) {
  g_ticks = 0;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &CountTick);
  const double cpuBefore = ProcessCpuMilliseconds();
  const DWORD start = ::GetTickCount();
  PauseWithEvents(600);
  const DWORD elapsed = ::GetTickCount() - start;
  const double cpu = ProcessCpuMilliseconds() - cpuBefore;
  ::KillTimer(nullptr, timer);
  EXPECT_GE(elapsed, 600u);
  EXPECT_LT(elapsed, 1500u);
  EXPECT_GE(g_ticks, 5);  // messages kept flowing
  EXPECT_LT(cpu, 300.0) << "a spinning wait would use about 600 ms of CPU";
}

TEST(Pause, ZeroOrLessReturnsAtOnceAndQuitIsPassedOn) {
  g_ticks = 0;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 1, &CountTick);
  ::Sleep(20);
  PauseWithEvents(0);
  PauseWithEvents(-5);
  EXPECT_EQ(g_ticks, 0);
  ::KillTimer(nullptr, timer);

  ::PostQuitMessage(3);
  PauseWithEvents(5000);  // must not swallow the request to end, nor wait for it
  MSG msg;
  ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}

using SaveFailure = MainWindowTest;

TEST_F(SaveFailure, UnwritableFolderIsReportedNamingTheFile) {
  MainWindow& main = Start("[原图6]\r\n原图=1\r\n[格式4]\r\n图片格式=bmp\r\n");
  // A file where the folder should be: the folder cannot be made again.
  ASSERT_TRUE(::RemoveDirectoryA(state_.SaveFolder().c_str())) << ::GetLastError();
  WriteFileBytes(state_.SaveFolder(), "in the way");
  main.SetControlText(Ctl::Edit1, "0");
  main.SetControlText(Ctl::Edit2, "0");
  main.SetControlText(Ctl::Edit3, "8");
  main.SetControlText(Ctl::Edit4, "8");
  MessageWatch watch;
  const DWORD start = ::GetTickCount();
  Click(Ctl::Button5);
  const DWORD shownFor = ::GetTickCount() - start;
  EXPECT_GE(shownFor, 900u);  // the box stays about a second and closes by itself
  EXPECT_LT(shownFor, 4000u);
  ASSERT_EQ(watch.seen().size(), 1u);
  EXPECT_NE(watch.seen()[0].text.find(state_.SaveFolder() + "\\1.bmp"), std::string::npos)
      << watch.seen()[0].text;
  EXPECT_EQ(watch.seen()[0].owner, main.hwnd());
  EXPECT_EQ(main.StatusText(4), "已截图次数:1/1");  // the capture still counts
  ::DeleteFileA(state_.SaveFolder().c_str());
}

}  // namespace
}  // namespace grabwell::testing
