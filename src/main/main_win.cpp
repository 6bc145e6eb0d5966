#include <windows.h>

#include "main/app_main.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    app_main();
    return 0;
}
