// Every image loader fed any file: whatever it makes of the file, it writes
// nothing outside the code buffer (the sanitizers watch) and it ends.
#include <functional>
#include <map>
#include <string_view>

#include "FuzzApp.h"
#include "app/DesktopFormControls.h"
#include "dspflash/FlashOpen.h"
#include "images/BatFile.h"
#include "images/LoadCode.h"

namespace {

using Loader = std::function<void(Ambrelin&, const uint8_t*, size_t)>;

const std::map<std::string_view, Loader> Loaders{
    {"HexFile", [](Ambrelin& a, const uint8_t* data,
                   size_t size) { LoadCode_HexFile(a, FuzzFile(data, size, ".hex"), 0xFF, 0, 65535); }},
    {"CodeBox",
     [](Ambrelin& a, const uint8_t* data, size_t size) {
       a.controls.SetText(DesktopFormControls::DesktopTextCode1,
                          std::string_view(reinterpret_cast<const char*>(data), size));
       LoadCode_Include(a, 0x00, 0, 65535);
     }},
    {"TotFile", [](Ambrelin& a, const uint8_t* data,
                   size_t size) { LoadCode_TotFile(a, FuzzFile(data, size, ".Tot"), 0xFF, 0, 65535); }},
    {"TxtFile", [](Ambrelin& a, const uint8_t* data,
                   size_t size) { LoadCode_TxtFile(a, FuzzFile(data, size, ".txt"), 0xFF, 0, 65535); }},
    {"BinFile", [](Ambrelin& a, const uint8_t* data,
                   size_t size) { LoadCode_BinFile(a, FuzzFile(data, size, ".bin"), 0xFF, 0, 65535); }},
    {"ValFile", [](Ambrelin& a, const uint8_t* data,
                   size_t size) { LoadCode_ValFile(a, FuzzFile(data, size, ".val")); }},
    {"EggFile", [](Ambrelin& a, const uint8_t* data,
                   size_t size) { LoadCode_EggFile(a, FuzzFile(data, size, ".Img"), 0xFF); }},
    {"FlashFile", [](Ambrelin& a, const uint8_t* data,
                     size_t size) { LoadCode_FlashFile(a, FuzzFile(data, size, ".Img"), 0xFF); }},
    {"Script",
     [](Ambrelin& a, const uint8_t* data, size_t size) {
       const std::string script = FuzzFile(data, size, ".bat");
       for (int line = 0; line <= ScriptLineCount(a, script) + 1; ++line) {
         ScriptTargetId(a, script, line);
         ScriptImagePath(a, script, line);
       }
     }},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzApp* app = new FuzzApp;  // the 512 KiB buffer once, not per input
  app->link.port.Open("/dev/ttyS0", "38400,N,8,1");
  app->dialogs.messages.clear();
  app->link.port.writes.clear();
  Loaders.at(FUZZ_LOADER)(app->a, data, size);
  return 0;
}
