#include "fontgen/FontTables.h"

#include <algorithm>

namespace {

struct Glyph {
  std::string_view seg7, seg14, seg16;
};

// One row per code from 0x20; the letters keep the order the font was drawn in.
constexpr Glyph Glyphs[] = {
    {"", "", ""},                                  // 0x20 space
    {"", "", ""},                                  // 0x21 !
    {"", "DF", "CE"},                              // 0x22 "
    {"", "", ""},                                  // 0x23 #
    {"", "", "ABCEXYJLMN"},                        // 0x24 $
    {"", "", ""},                                  // 0x25 %
    {"", "", ""},                                  // 0x26 &
    {"C", "F", "F"},                               // 0x27 '
    {"ACHM", "EK", "BEJN"},                        // 0x28 (
    {"AGLM", "DI", "AEJM"},                        // 0x29 )
    {"", "DEFXYIJK", "DEFXYIJK"},                  // 0x2A *
    {"", "EXYJ", "EJXY"},                          // 0x2B +
    {"H", "I", "I"},                               // 0x2C ,
    {"X", "XY", "XY"},                             // 0x2D -
    {"", "K", "K"},                                // 0x2E .
    {"", "FI", "FI"},                              // 0x2F /
    {"ACGHLM", "ACGHLM", "ABCGHLMN"},              // 0x30 0
    {"GL", "GL", "GL"},                            // 0x31 1
    {"AGXHM", "AGXYHM", "ABGXYHMN"},               // 0x32 2
    {"AGXLM", "AGXYLM", "ABGXYLMN"},               // 0x33 3
    {"CGXL", "CXYGL", "CXYGL"},                    // 0x34 4
    {"ACXLM", "ACXYLM", "ABCXYLMN"},               // 0x35 5
    {"ACXHLM", "ACHMLXY", "ABCXYHLMN"},            // 0x36 6
    {"AGL", "AGL", "ABGL"},                        // 0x37 7
    {"ACGXHLM", "ACGXYHLM", "ABCGXYHLMN"},         // 0x38 8
    {"ACGXLM", "ACGXYLM", "ABCGXYLMN"},            // 0x39 9
    {"", "", "XM"},                                // 0x3A :
    {"", "", ""},                                  // 0x3B ;
    {"", "FK", "FK"},                              // 0x3C <
    {"XM", "XYM", "XYMN"},                         // 0x3D =
    {"", "DI", "DI"},                              // 0x3E >
    {"", "", ""},                                  // 0x3F ?
    {"", "EYGACHM", "YJNLGBACH"},                  // 0x40 @
    {"ACGXHL", "ACGXYHL", "ABCGXYHL"},             // 0x41 A
    {"CXHLM", "AEGYJLM", "ABEGYJLMN"},             // 0x42 B
    {"ACHM", "ACHM", "ABCHMN"},                    // 0x43 C
    {"GXHLM", "AEGJLM", "ABGEJLMN"},               // 0x44 D
    {"ACXHM", "ACXYHM", "ABCXYHMN"},               // 0x45 E
    {"ACXH", "ACXYH", "ABCXYH"},                   // 0x46 F
    {"ACGXLM", "ACHMLY", "ABCHMNLY"},              // 0x47 G
    {"CHXGL", "CHXYGL", "CHXYGL"},                 // 0x48 H
    {"CH", "AEJM", "ABEJMN"},                      // 0x49 I
    {"GLM", "GLM", "GLMN"},                        // 0x4A J
    {"", "CHXEK", "CHXFK"},                        // 0x4B K
    {"CHM", "CHM", "CHMN"},                        // 0x4C L
    {"", "CHDFGL", "CHDFGL"},                      // 0x4D M
    {"ACGHL", "CHDKGL", "CHDKGL"},                 // 0x4E N
    {"ACGHLM", "ACGHLM", "ABCGHLMN"},              // 0x4F O
    {"ACGXH", "AGXYCH", "ABCGXYH"},                // 0x50 P
    {"ACGXL", "ACGHLMK", "ABCGHLMNK"},             // 0x51 Q
    {"XH", "ACGXYHK", "ABCGHXYK"},                 // 0x52 R
    {"ACXLM", "ACXYLM", "ABCXYLMN"},               // 0x53 S
    {"CXHM", "AEJ", "ABEJ"},                       // 0x54 T
    {"CGHLM", "CHMGL", "CHMNGL"},                  // 0x55 U
    {"", "CHIF", "CHIF"},                          // 0x56 V
    {"", "CHIKLG", "CHIKLG"},                      // 0x57 W
    {"", "DKFI", "DKFI"},                          // 0x58 X
    {"CGXLM", "CXYGLM", "CXYGLMN"},                // 0x59 Y
    {"", "AFIM", "ABFIMN"},                        // 0x5A Z
    {"ACHM", "ACHM", "BEJN"},                      // 0x5B [
    {"", "DK", "DK"},                              // 0x5C backslash
    {"AGLM", "AGLM", "AEJM"},                      // 0x5D ]
    {"", "CD", "CD"},                              // 0x5E ^
    {"M", "M", "MN"},                              // 0x5F _
    {"", "D", "K"},                                // 0x60 grave accent
    {"AGXHLM", "ACGXYHL", "ABGXYHLMN"},            // 0x61 a
    {"CXHLM", "AEGYJLM", "CHXYMNL"},               // 0x62 b
    {"XHM", "ACHM", "ABCHMN"},                     // 0x63 c
    {"GXHLM", "AEGJLM", "GLXYHMN"},                // 0x64 d
    {"ACGXHM", "ACXYHM", "XYGABCHMN"},             // 0x65 e
    {"ACXH", "ACXYH", "BEXYJ"},                    // 0x66 f
    {"ACGXLM", "ACHMLY", "ABCGXYLMN"},             // 0x67 g
    {"CHXL", "CHXYGL", "CXYHL"},                   // 0x68 h
    {"CH", "EJ", "EJ"},                            // 0x69 i
    {"GLM", "GLM", "GLMN"},                        // 0x6A j
    {"", "CHXEK", "CHXFK"},                        // 0x6B k
    {"CHM", "CHM", "CHMN"},                        // 0x6C l
    {"", "CHDFGL", "CHDFGL"},                      // 0x6D m
    {"XHL", "CHDKGL", "CHABGL"},                   // 0x6E n
    {"XHLM", "ACGHLM", "ABCGHLMN"},                // 0x6F o
    {"ACGXH", "AGXYCH", "ABCGXYH"},                // 0x70 p
    {"ACGXL", "ACGHLMK", "ABCGXYL"},               // 0x71 q
    {"XH", "ACGXYHK", "ABCGXYHK"},                 // 0x72 r
    {"ACXLM", "ACXYLM", "ABCXYLMN"},               // 0x73 s
    {"CXHM", "AEJ", "XYEJN"},                      // 0x74 t
    {"HLM", "CHMGL", "CGHLMN"},                    // 0x75 u
    {"", "CHIF", "CHIF"},                          // 0x76 v
    {"", "CHIKLG", "CHIKGL"},                      // 0x77 w
    {"", "DKFI", "DKFI"},                          // 0x78 x
    {"CGXLM", "CXYGLM", "CXYGLMN"},                // 0x79 y
    {"", "AFIM", "ABFIMN"},                        // 0x7A z
    {"", "", "BEXJN"},                             // 0x7B {
    {"", "EJ", "EJ"},                              // 0x7C vertical bar
    {"", "", "AEJMY"},                             // 0x7D }
    {"", "", ""},                                  // 0x7E ~
    {"", "", ""},                                  // 0x7F DEL
};
static_assert(std::size(Glyphs) == LastCode - FirstCode + 1);

}  // namespace

std::string_view LitSegments(LedDisplay display, int code) {
  if (code < FirstCode || code > LastCode) return {};
  const Glyph& glyph = Glyphs[code - FirstCode];
  return display == LedDisplay::Seg7 ? glyph.seg7 : display == LedDisplay::Seg14 ? glyph.seg14 : glyph.seg16;
}

std::string SegmentLetters(LedDisplay display) {
  std::string letters;
  for (int code = FirstCode; code <= LastCode; ++code)
    for (char c : LitSegments(display, code))
      if (letters.find(c) == std::string::npos) letters += c;
  std::sort(letters.begin(), letters.end());
  return letters;
}
