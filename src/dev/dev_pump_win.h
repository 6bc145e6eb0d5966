#pragma once
// The message loop of a developer job that drives the program from inside: dispatches what comes
// while `go_on` holds, and checks it between messages, so a timer that is always due cannot keep
// the loop going past it.
#include <windows.h>

#include <chrono>
#include <thread>

template <class GoOn>
void pump_while(GoOn go_on) {
    while (go_on()) {
        MSG msg;
        if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
}
