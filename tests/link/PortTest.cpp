// Choosing, opening and closing the port, on both windows.
#include "TestApp.h"
#include "app/BurnDesktopControls.h"
#include "link/PortMap.h"

namespace {

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;

struct Port : AppTest {
  void SetUp() override { port.Close(); }
  void Choose(std::string_view text) { c.SetText(Main::DesktopSelectComPort, text); }
};

TEST_F(Port, ListShowsOpenablePortsWithTheirDevicesOnBothWindows) {
  port.present = {{1, "/dev/ttyS0"}, {3, "/dev/ttyUSB0"}, {7, "/dev/ttyUSB1"}, {12, "/dev/pts/4"}};
  port.identities = {{7, "0403:6001 A50285BI"}};
  port.busy = 3;
  DesktopSelectComPort_DropDown(a);
  const std::vector<std::string> expected{"COM1 (/dev/ttyS0)", "COM7 (/dev/ttyUSB1 0403:6001 A50285BI)",
                                          "COM12 (/dev/pts/4)"};
  EXPECT_EQ(c.Entries(Main::DesktopSelectComPort), expected);
  EXPECT_EQ(c.Entries(Burner::DesktopSelectComPort), expected);
  EXPECT_EQ(c.Text(Main::DesktopSelectComPort), "串口");
  EXPECT_EQ(c.Text(Burner::DesktopSelectComPort), "选择串口");
  EXPECT_FALSE(port.IsOpen()) << "listing opens nothing";

  port.present.clear();
  a.Language = 1;
  DesktopSelectComPort_DropDown(a);
  EXPECT_TRUE(c.Entries(Main::DesktopSelectComPort).empty() && c.Entries(Burner::DesktopSelectComPort).empty());
  EXPECT_EQ(c.Text(Burner::DesktopSelectComPort), "Select Port");
}

TEST_F(Port, OpenAndCloseMoveBetweenTheTwoStatesOnBothWindows) {
  port.present = {{12, "/dev/pts/4"}};
  Choose("COM12 (/dev/pts/4)");
  a.link.RxCount = 5;
  DesktopButtonSelectComSwitch_Click(a);
  EXPECT_TRUE(a.ComOpen);
  EXPECT_EQ(std::make_pair(port.opened, port.settings), std::make_pair(12, std::string("38400,N,8,1")));
  EXPECT_EQ(c.Text(Main::DesktopButtonSelectComSwitch), "关闭串口");
  EXPECT_EQ(c.Text(Burner::DesktopButtonSelectComSwitch), "关闭串口");
  EXPECT_EQ(c.Text(Burner::DesktopSelectComPort), "COM12 (/dev/pts/4)");
  EXPECT_FALSE(c.Enabled(Main::DesktopSelectComPort) || c.Enabled(Burner::DesktopSelectComPort));
  EXPECT_EQ(a.link.RxCount, 0);

  a.Language = 1;
  a.link.RxCount = 5;
  DesktopButtonSelectComSwitch_Click(a);
  EXPECT_FALSE(a.ComOpen || port.IsOpen());
  EXPECT_EQ(c.Text(Main::DesktopButtonSelectComSwitch), "打开串口");
  EXPECT_EQ(c.Text(Burner::DesktopButtonSelectComSwitch), "Open Com");
  EXPECT_TRUE(c.Enabled(Main::DesktopSelectComPort) && c.Enabled(Burner::DesktopSelectComPort));
  EXPECT_EQ(a.link.RxCount, 0);
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
  EXPECT_EQ(t.dialogs.messages, (std::vector<std::string>{"打开串口失败 !", "打开串口失败 !", "打开串口失败 !"}));
  EXPECT_FALSE(a.ComOpen);
  EXPECT_EQ(std::make_pair(a.link.RxCount, c.Text(Main::DesktopButtonSelectComSwitch)), std::make_pair(int16_t{4}, std::string("打开串口")));
  Choose("COM3");
  DesktopButtonSelectComSwitch_Click(a);
  EXPECT_EQ(t.dialogs.messages.back(), "Can not open the port !");
  c.SetText(Burner::DesktopSelectComPort, "COM2 (/dev/ttyS1)");
  BurnDesktopSelectComPort_Click(a);
  EXPECT_EQ(c.Text(Main::DesktopSelectComPort), "COM2 (/dev/ttyS1)");
}

TEST(PortMap, PinsWinAndDevicesFillTheFreeNumbersInOrder) {
  const auto ports = MapComPorts({"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0"},
                                 {{1, "/tmp/unit"}, {2, "/dev/ttyUSB0"}, {40, "/dev/x"}, {5, ""}, {32, "/dev/y"}});
  EXPECT_EQ(ports, (std::map<int, std::string>{
                       {1, "/tmp/unit"}, {2, "/dev/ttyUSB0"}, {3, "/dev/ttyS0"}, {4, "/dev/ttyS1"}, {32, "/dev/y"}}));
  std::vector<std::string> many;
  for (int k = 0; k < 40; ++k) many.push_back("/dev/ttyS" + std::to_string(k));
  EXPECT_EQ(MapComPorts(many, {}).size(), 32u);
}

}  // namespace
