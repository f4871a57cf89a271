#include "app/CallersConsole.h"

void UseCallersConsole()
{
}
