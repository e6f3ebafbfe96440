// Choosing, opening and closing the port, on both windows.
#include "TestApp.h"
#include "app/BurnDesktopControls.h"
#include "link/PortCause.h"
#include "link/PortMap.h"

namespace {

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;

struct Port : AppTest {
  void SetUp() override { port.Close(); }
  void Choose(std::string_view text) { c.SetText(Main::DesktopSelectComPort, text); }
  // The text of a control on the main window, and of its twin on the burner window.
  std::string Both(Control main, Control burner) { return c.Text(main) + " | " + c.Text(burner); }
};

TEST_F(Port, ListShowsOpenablePortsWithTheirDevicesOnBothWindows) {
  port.present = {{1, "/dev/ttyS0"}, {3, "/dev/ttyUSB0"}, {7, "/dev/ttyUSB1"}, {12, "/dev/pts/4"}, {200, "/dev/pts/5"}};
  port.identities = {{7, "0403:6001 A50285BI"}};
  port.busy = 3;
  DesktopSelectComPort_DropDown(a);
  const std::vector<std::string> expected{"COM1 (/dev/ttyS0)", "COM7 (/dev/ttyUSB1 0403:6001 A50285BI)",
                                          "COM12 (/dev/pts/4)", "COM200 (/dev/pts/5)"};
  EXPECT_EQ(std::make_pair(c.Entries(Main::DesktopSelectComPort), c.Entries(Burner::DesktopSelectComPort)),
            std::make_pair(expected, expected));
  EXPECT_EQ(Both(Main::DesktopSelectComPort, Burner::DesktopSelectComPort), "串口 | 选择串口");
  EXPECT_FALSE(port.IsOpen()) << "listing opens nothing";

  port.present.clear();
  a.Language = 1;
  DesktopSelectComPort_DropDown(a);
  EXPECT_TRUE(c.Entries(Main::DesktopSelectComPort).empty() && c.Entries(Burner::DesktopSelectComPort).empty());
  EXPECT_EQ(c.Text(Burner::DesktopSelectComPort), "Select Port");
}

TEST_F(Port, OpenAndCloseMoveBetweenTheTwoStatesOnBothWindows) {
  port.present = {{200, "/dev/pts/4"}};
  Choose("COM200 (/dev/pts/4)");
  a.link.RxCount = 5;
  DesktopButtonSelectComSwitch_Click(a);
  EXPECT_EQ(std::make_tuple(a.ComOpen, port.opened, port.settings, a.link.RxCount),
            std::make_tuple(true, 200, std::string("38400,N,8,1"), int16_t{0}));
  EXPECT_EQ(Both(Main::DesktopButtonSelectComSwitch, Burner::DesktopButtonSelectComSwitch), "关闭串口 | 关闭串口");
  EXPECT_EQ(c.Text(Burner::DesktopSelectComPort), "COM200 (/dev/pts/4)");
  EXPECT_FALSE(c.Enabled(Main::DesktopSelectComPort) || c.Enabled(Burner::DesktopSelectComPort));

  a.Language = 1;
  a.link.RxCount = 5;
  DesktopButtonSelectComSwitch_Click(a);
  EXPECT_FALSE(a.ComOpen || port.IsOpen() || a.link.RxCount);
  EXPECT_EQ(Both(Main::DesktopButtonSelectComSwitch, Burner::DesktopButtonSelectComSwitch), "打开串口 | Open Com");
  EXPECT_TRUE(c.Enabled(Main::DesktopSelectComPort) && c.Enabled(Burner::DesktopSelectComPort));
  DesktopButtonSelectComSwitch_Click(a);
  EXPECT_EQ(c.Text(Burner::DesktopButtonSelectComSwitch), "Close Com");
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(Port, APortThatWillNotOpenIsReportedAndTheBufferKept) {
  port.present = {{3, "/dev/ttyUSB0"}};
  port.busy = 3;
  a.link.RxCount = 4;
  for (const char* text : {"COM3", "COM7", "COMx", "串口"}) {  // the last names no port: nothing said
    Choose(text);
    DesktopButtonSelectComSwitch_Click(a);
  }
  a.Language = 1;
  DesktopButtonSelectComSwitch_Click(a);
  EXPECT_EQ(t.dialogs.messages, (std::vector<std::string>{"打开串口失败 ! /dev/ttyUSB0: 被其他程序占用",
                                                          "打开串口失败 ! COM7: 没有这个设备", "打开串口失败 !"}));
  EXPECT_FALSE(a.ComOpen);
  EXPECT_EQ(std::make_pair(a.link.RxCount, c.Text(Main::DesktopButtonSelectComSwitch)), std::make_pair(int16_t{4}, std::string("打开串口")));
  Choose("COM3");
  DesktopButtonSelectComSwitch_Click(a);
  EXPECT_EQ(t.dialogs.messages.back(), "Can not open the port ! /dev/ttyUSB0: in use by another program");
  c.SetText(Burner::DesktopSelectComPort, "COM2 (/dev/ttyS1)");
  BurnDesktopSelectComPort_Click(a);
  EXPECT_EQ(c.Text(Main::DesktopSelectComPort), "COM2 (/dev/ttyS1)");
}

TEST_F(Port, TheDeviceTheListShowedIsOpenedWhateverTheNumberMeansByThen) {
  port.present = {{3, "/dev/ttyUSB0"}};
  DesktopSelectComPort_DropDown(a);
  Choose("COM3 (/dev/ttyUSB0)");
  // An adapter plugged in meanwhile sorts before the listed one and takes its number.
  port.present = {{3, "/dev/ttyACM0"}, {4, "/dev/ttyUSB0"}};
  DesktopButtonSelectComSwitch_Click(a);
  ASSERT_TRUE(a.ComOpen);
  EXPECT_EQ(port.present[port.opened], "/dev/ttyUSB0");
  DesktopButtonSelectComSwitch_Click(a);

  // Gone since the listing: said so, and no other device is opened in its place.
  port.present = {{3, "/dev/ttyACM0"}};
  DesktopButtonSelectComSwitch_Click(a);
  EXPECT_FALSE(a.ComOpen || port.IsOpen());
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"打开串口失败 ! /dev/ttyUSB0: 没有这个设备"});
  // Listed again, the number stands for what the list shows now.
  DesktopSelectComPort_DropDown(a);
  Choose("COM3 (/dev/ttyACM0)");
  DesktopButtonSelectComSwitch_Click(a);
  EXPECT_EQ(port.present[port.opened], "/dev/ttyACM0");
}

TEST(ComNumber, OneToThreeDigitsFromCom1ToCom256) {
  const std::pair<std::string_view, std::optional<int>> cases[] = {
      {"COM1", 1}, {"COM256", 256}, {"COM120 (/dev/ttyUSB0)", 120}, {"COM7x", 7}, {"COM0", {}},
      {"COM257", {}}, {"COM1000", {}}, {"COM", {}}, {"com3", {}}};
  for (const auto& [text, n] : cases) EXPECT_EQ(ComNumber(text), n) << text;
}

TEST(PortCause, FactsGiveTheFirstFaultInEitherLanguage) {
  const auto fact = [](auto change) {
    PortFacts f;
    f.group = "dialout";
    change(f);
    return CauseOf(f);
  };
  const auto opened = [](int error, bool terminal) {
    return [=](PortFacts& f) {
      f.tried = true;
      f.openError = std::error_code(error, std::generic_category());
      f.terminal = terminal;
    };
  };
  const std::tuple<PortCause, std::string, std::string> cases[] = {
      {fact([](PortFacts& f) { f.characterDevice = false; f.lockOwner = 7; }), "不是串口设备", "not a serial device"},
      {fact([](PortFacts& f) { f.lockOwner = 4242; f.readWrite = false; }), "被其他程序占用 (PID 4242)",
       "in use by another program (PID 4242)"},
      {fact([](PortFacts& f) { f.readWrite = false; }), "没有权限, 请加入 dialout 组后重新登录",
       "permission denied; join the group dialout and log in again"},
      {fact(opened(EACCES, false)), "没有权限, 请加入 dialout 组后重新登录",
       "permission denied; join the group dialout and log in again"},
      {fact([](PortFacts& f) { f.readWrite = false; f.group.clear(); }), "没有权限", "permission denied"},
      {fact(opened(EBUSY, false)), "被其他程序占用", "in use by another program"},
      {fact(opened(EIO, false)), "没有这个设备", "no such device"},
      {fact(opened(ENXIO, false)), "没有这个设备", "no such device"},
      {fact(opened(ETIMEDOUT, false)), std::generic_category().message(ETIMEDOUT),
       std::generic_category().message(ETIMEDOUT)},
  };
  for (const auto& [cause, chinese, english] : cases) {
    EXPECT_EQ(CauseText(cause, false), chinese);
    EXPECT_EQ(CauseText(cause, true), english);
  }
  EXPECT_EQ(fact(opened(0, true)).fault, PortFault::None);
  EXPECT_EQ(fact([](PortFacts&) {}).fault, PortFault::None) << "not tried: nothing against it";
}

TEST(PortMap, PinsWinAndDevicesFillTheFreeNumbersInOrder) {
  const auto ports = MapComPorts({"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0"},
                                 {{1, "/tmp/unit"}, {2, "/dev/ttyUSB0"}, {200, "/dev/x"}, {5, ""}, {32, "/dev/y"},
                                  {257, "/dev/z"}});
  EXPECT_EQ(ports, (std::map<int, std::string>{{1, "/tmp/unit"}, {2, "/dev/ttyUSB0"}, {3, "/dev/ttyS0"},
                                               {4, "/dev/ttyS1"}, {32, "/dev/y"}, {200, "/dev/x"}}));
  std::vector<std::string> many;
  for (int k = 0; k < 40; ++k) many.push_back("/dev/ttyS" + std::to_string(k));
  // A pin above COM32 does not draw the devices past COM32 after it.
  EXPECT_EQ(MapComPorts(many, {{200, "/dev/x"}}).size(), 33u);
}

}  // namespace
