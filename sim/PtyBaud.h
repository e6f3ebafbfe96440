#pragma once
// The line speed a program has set on a terminal. Kept in its own file: the
// kernel's termios2, which carries any speed (128000 too), clashes with the C
// library's <termios.h>.

// Bits per second set on the terminal `fd`, 0 when it cannot be read.
int LineBaud(int fd);
