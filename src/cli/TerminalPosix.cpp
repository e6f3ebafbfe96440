#include "cli/Terminal.h"

#include <unistd.h>

bool OutputIsTerminal() { return isatty(STDOUT_FILENO) == 1; }
