#include "cli/ConsoleOutput.h"

void ShowUtf8OnConsole()
{
}
