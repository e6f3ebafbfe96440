1 front.hex
  2,panel.TOT

3 sub\a.bin
