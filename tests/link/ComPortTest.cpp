#include <gtest/gtest.h>

#include "TestApp.h"
#include "app/BurnDesktopControls.h"
#include "app/DesktopFormControls.h"
#include "link/ComPort.h"
#include "link/PortMap.h"

namespace {

namespace Main = DesktopFormControls;
namespace Burner = BurnDesktopControls;
using Entries = std::vector<std::string>;

struct Port : ::testing::Test {
  TestApp t;
  Ambrelin& a = t.app;
  MapControls& c = t.controls;
  void Choose(std::string_view text) { c.SetText(Main::DesktopSelectComPort, text); }
};

TEST_F(Port, ListShowsOpenablePortsWithTheirDevicesOnBothWindows) {
  t.link.port.present = {{1, "/dev/ttyS0"}, {3, "/dev/ttyUSB0"}, {7, "/dev/ttyUSB1"}, {12, "/dev/pts/4"}};
  t.link.port.identities = {{7, "0403:6001 A50285BI"}};
  t.link.port.busy = 3;
  DesktopSelectComPort_DropDown(a);
  const Entries expected{"COM1 (/dev/ttyS0)", "COM7 (/dev/ttyUSB1 0403:6001 A50285BI)", "COM12 (/dev/pts/4)"};
  EXPECT_EQ(c.Entries(Main::DesktopSelectComPort), expected);
  EXPECT_EQ(c.Entries(Burner::DesktopSelectComPort), expected);
  EXPECT_EQ(c.Text(Main::DesktopSelectComPort), "串口");
  EXPECT_EQ(c.Text(Burner::DesktopSelectComPort), "选择串口");
  EXPECT_FALSE(t.link.port.IsOpen()) << "listing opens nothing";
}

TEST_F(Port, NoPortsLeavesBothListsEmpty) {
  t.link.port.present.clear();
  c.SetEntries(Main::DesktopSelectComPort, {"COM9 (/dev/gone)"});
  a.Language = 1;
  DesktopSelectComPort_DropDown(a);
  EXPECT_TRUE(c.Entries(Main::DesktopSelectComPort).empty());
  EXPECT_TRUE(c.Entries(Burner::DesktopSelectComPort).empty());
  EXPECT_EQ(c.Text(Main::DesktopSelectComPort), "串口");
  EXPECT_EQ(c.Text(Burner::DesktopSelectComPort), "Select Port");
}

TEST_F(Port, OpenAndCloseMoveBetweenTheTwoStatesOnBothWindows) {
  t.link.port.present = {{12, "/dev/pts/4"}};
  Choose("COM12 (/dev/pts/4)");
  a.link.RxCount = 5;
  DesktopButtonSelectComSwitch_Click(a);
  EXPECT_TRUE(a.ComOpen);
  EXPECT_EQ(t.link.port.opened, 12);
  EXPECT_EQ(t.link.port.settings, "38400,N,8,1");
  EXPECT_EQ(c.Text(Main::DesktopButtonSelectComSwitch), "关闭串口");
  EXPECT_EQ(c.Text(Burner::DesktopButtonSelectComSwitch), "关闭串口");
  EXPECT_EQ(c.Text(Burner::DesktopSelectComPort), "COM12 (/dev/pts/4)");
  EXPECT_FALSE(c.Enabled(Main::DesktopSelectComPort));
  EXPECT_FALSE(c.Enabled(Burner::DesktopSelectComPort));
  EXPECT_EQ(a.link.RxCount, 0);

  a.Language = 1;
  a.link.RxCount = 5;
  DesktopButtonSelectComSwitch_Click(a);
  EXPECT_FALSE(a.ComOpen);
  EXPECT_FALSE(t.link.port.IsOpen());
  EXPECT_EQ(c.Text(Main::DesktopButtonSelectComSwitch), "打开串口");
  EXPECT_EQ(c.Text(Burner::DesktopButtonSelectComSwitch), "Open Com");
  EXPECT_TRUE(c.Enabled(Main::DesktopSelectComPort));
  EXPECT_TRUE(c.Enabled(Burner::DesktopSelectComPort));
  EXPECT_EQ(a.link.RxCount, 0);

  DesktopButtonSelectComSwitch_Click(a);
  EXPECT_EQ(c.Text(Burner::DesktopButtonSelectComSwitch), "Close Com");
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(Port, TextThatIsNotAPortChangesNothing) {
  for (const char* text : {"串口", "com1", "选择串口"}) {
    Choose(text);
    DesktopButtonSelectComSwitch_Click(a);
  }
  EXPECT_FALSE(a.ComOpen);
  EXPECT_TRUE(t.dialogs.messages.empty());
  EXPECT_EQ(c.Text(Main::DesktopButtonSelectComSwitch), "打开串口");
}

TEST_F(Port, FailedOpenSaysSoAndStaysClosedWithTheBufferKept) {
  t.link.port.present = {{3, "/dev/ttyUSB0"}};
  t.link.port.busy = 3;
  for (const char* text : {"COM3", "COM", "COM7", "COMx"}) {
    a.link.RxCount = 4;
    Choose(text);
    DesktopButtonSelectComSwitch_Click(a);
    EXPECT_FALSE(a.ComOpen) << text;
    EXPECT_EQ(a.link.RxCount, 4) << text;
  }
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>(4, "打开串口失败 !"));
  EXPECT_EQ(c.Text(Main::DesktopButtonSelectComSwitch), "打开串口");
  EXPECT_TRUE(c.Enabled(Main::DesktopSelectComPort));

  a.Language = 1;
  t.link.port.busy = 0;
  Choose("COM3");
  DesktopButtonSelectComSwitch_Click(a);
  EXPECT_TRUE(a.ComOpen) << "the next press tries again";
  a.ComOpen = false;
  t.link.port.Close();
  t.link.port.present.clear();
  DesktopButtonSelectComSwitch_Click(a);
  EXPECT_EQ(t.dialogs.messages.back(), "Can not open the port !");
}

TEST_F(Port, BurnerChoiceBecomesTheMainChoice) {
  c.SetText(Burner::DesktopSelectComPort, "COM2 (/dev/ttyS1)");
  BurnDesktopSelectComPort_Click(a);
  EXPECT_EQ(c.Text(Main::DesktopSelectComPort), "COM2 (/dev/ttyS1)");
}

TEST(PortMap, PinsWinAndDevicesFillTheFreeNumbersInOrder) {
  const auto ports = MapComPorts({"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0"},
                                 {{1, "/tmp/unit"}, {2, "/dev/ttyUSB0"}, {40, "/dev/x"}, {5, ""}});
  const std::map<int, std::string> expected{
      {1, "/tmp/unit"}, {2, "/dev/ttyUSB0"}, {3, "/dev/ttyS0"}, {4, "/dev/ttyS1"}};
  EXPECT_EQ(ports, expected);
  std::vector<std::string> many;
  for (int k = 0; k < 40; ++k) many.push_back("/dev/ttyS" + std::to_string(k));
  EXPECT_EQ(MapComPorts(many, {}).size(), 32u);
}

}  // namespace
