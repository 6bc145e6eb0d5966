#pragma once
// Painting the overlay from the open session (WM_PAINT).
#include <windows.h>

void paint_overlay(HWND window);
