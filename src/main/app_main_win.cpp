#include <windows.h>

#include "main/app_main.h"

void app_main() {}
