#include <gtest/gtest.h>

#include "TestApp.h"
#include "app/DesktopFormControls.h"
#include "batch/Basic.h"

namespace {

const std::string Header = ";    00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \r\n\r\n";

TEST(Dump, RowsLabelledByIndexWithCrLf) {
  std::vector<uint8_t> bytes(1025);
  for (size_t k = 0; k < bytes.size(); ++k) bytes[k] = static_cast<uint8_t>(k);
  const std::string text = HexDump(bytes, 255);
  EXPECT_EQ(text.substr(0, Header.size()), Header);
  EXPECT_EQ(Header.size(), 53u + 4);
  EXPECT_NE(text.find("\r\n0000:00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \r\n0001:10 11"), std::string::npos);
  EXPECT_NE(text.find("\r\n000F:F0 F1"), std::string::npos);
  EXPECT_EQ(text.size(), Header.size() + 16 * (53 + 2));
  EXPECT_EQ(text.substr(text.size() - 5), "FF \r\n");
  EXPECT_EQ(HexDump(bytes, 0), Header + "0000:00 ");
  EXPECT_EQ(HexDump(bytes, 17), Header + "0000:00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \r\n0001:10 11 ");
  EXPECT_NE(HexDump(bytes, 1023).find("\r\n0010:00 01"), std::string::npos) << "the seventeenth row is 0010";
}

TEST(Dump, CodeAndReadBuffersGoToText6) {
  TestApp t;
  t.app.code.Buffer[0] = 0x02;
  t.app.code.Buffer[2] = 0x4C;
  DumpCodeBuffer(t.app, 15);
  EXPECT_EQ(t.controls.Text(DesktopFormControls::Text6),
            Header + "0000:02 00 4C 00 00 00 00 00 00 00 00 00 00 00 00 00 \r\n");
  t.app.BatchReadBuffer[1] = 0x0A;
  EXPECT_EQ(DumpReadBuffer(t.app, 1), Header + "0000:00 0A ");
}

}  // namespace
