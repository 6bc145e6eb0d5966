#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "capture/capture_win.h"
#include "dev/dev_jobs_win.h"
#include "dxgi/dxgi_win.h"
#include "dxgi/prewarm_timer_win.h"
#include "main/app_main.h"
#include "main/app_state_win.h"
#include "main/commands.h"
#include "main/main_window_win.h"
#include "main/shell_text.h"
#include "main/stale_temp_win.h"
#include "main/tray_win.h"
#include "main/window_classes_win.h"
#include "ocr/ocr_result_win.h"
#include "pin/pins_win.h"
#include "prefs/prefs_win.h"
#include "settings/hotkeys_win.h"
#include "settings/settings_win.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "util/text.h"
#include "util/ui_cell.h"
#include "win/handles.h"
#include "win/main_window.h"
#include "win/messages.h"

namespace {

constexpr wchar_t INSTANCE_MUTEX[] = L"Local\\OrmickOxel.Instance";
constexpr wchar_t MAIN_CLASS[] = L"OrmickOxelMain";

void run_dev_job(const DevJobChoice& choice, const Args& args) {
    switch (choice.job) {
        case DevJob::Bench: run_bench(args); break;
        case DevJob::Preview: run_preview(args); break;
        case DevJob::OcrFile: run_ocr_file(args); break;
        case DevJob::RedactFile: run_redact_file(args); break;
        case DevJob::ScrollTest: run_scroll_test(args); break;
        case DevJob::RecordTest: run_record_test(args); break;
        case DevJob::UiaBench: run_uia_bench(args); break;
        case DevJob::CompareGrab: run_compare_grab(args); break;
    }
}

void forward_to_running_instance(InstanceCommand command) {
    // A copy started a moment ago (a double launch, autostart at logon) makes its main window
    // soon: wait for it rather than drop the command.
    constexpr int WAIT_STEPS = 100, STEP_MS = 50;
    HWND running = FindWindowW(MAIN_CLASS, nullptr);
    for (int i = 0; !running && i < WAIT_STEPS; ++i) {
        Sleep(STEP_MS);
        running = FindWindowW(MAIN_CLASS, nullptr);
    }
    if (!running) {
        // The other instance is ending, or hangs before its window.
        debug_log("instance running but no main window: command dropped");
        return;
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(running, &pid);
    AllowSetForegroundWindow(pid);
    // Logged before posting, so that the log shows it before the running instance's own line.
    debug_log("forwarded command " + std::to_string(static_cast<int>(command)));
    if (!PostMessageW(running, WM_APP_INSTANCE_COMMAND, static_cast<WPARAM>(command), 0))
        debug_log("forwarding failed: " + std::to_string(GetLastError()));
}

// Milliseconds since this process was created.
uint64_t ms_since_process_start() {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    const auto value = [](const FILETIME& f) { return (uint64_t{f.dwHighDateTime} << 32) | f.dwLowDateTime; };
    const uint64_t a = value(created), b = value(now);
    return b > a ? (b - a) / 10000 : 0;
}

void show_startup_balloon(const Status& loaded, const HotkeyReport& hotkeys, bool first_run) {
    const std::optional<std::string> read_error =
        loaded ? std::nullopt : std::optional<std::string>(loaded.error().message);
    if (const std::optional<Notice> notice = settings_notice(read_error, hotkeys)) {
        tray_balloon(notice->title, notice->body);
    } else if (first_run) {
        tray_balloon(ui_text(BALLOON_RUNNING_TITLE), fill_hotkey_placeholders(ui_text(BALLOON_RUNNING_TEXT)));
    }
}

void run_startup_command(std::optional<InstanceCommand> command) {
    if (!command) return;
    switch (*command) {
        case InstanceCommand::Capture: begin_capture(std::nullopt); break;
        case InstanceCommand::PinClipboard: pin_clipboard(); break;
        case InstanceCommand::CaptureCopy: start_capture_copy(); break;
        case InstanceCommand::Settings: show_prefs_window(); break;
        case InstanceCommand::Exit: break;
    }
}

void run_message_loop() {
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        if (prefs_window_dialog_message(message)) continue;
        if (ocr_window_dialog_message(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

void app_main() {
    claim_ui_thread();
    debug_log("app_main start");
    const Args args = split_command_line(from_wide(GetCommandLineW()));
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    register_window_classes();

    const CommandChoice choice = select_commands(args);
    if (choice.job) {
        run_dev_job(*choice.job, args);
        return;
    }

    SetLastError(ERROR_SUCCESS);
    // Held until the process ends: it is what tells a second launch that we run.
    const Handle mutex(CreateMutexW(nullptr, FALSE, INSTANCE_MUTEX));
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        forward_to_running_instance(choice.forwarded);
        return;
    }
    if (choice.exit) return;

    register_main_window_class();
    HWND main = CreateWindowExW(0, MAIN_CLASS, MAIN_CLASS, 0, 0, 0, 0, 0, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!main) {
        // Without the window nothing could reach or end this instance.
        debug_log("main window not created (error " + std::to_string(GetLastError()) + ")");
        return;
    }
    MAIN_HWND.set(main);
    TASKBAR_CREATED_MSG.set(RegisterWindowMessageW(L"TaskbarCreated"));

    bool first_run = false;
    if (!settings_file_exists()) {
        write_settings_template();
        first_run = true;
    }
    const Status loaded = settings_load();
    if (!loaded) {
        // Nothing earlier to keep: run on the defaults, and say so once the icon is there.
        debug_log("settings: " + loaded.error().message + "; using the defaults");
        *SETTINGS.borrow() = default_settings();
    }
    if (autostart_enabled()) (void)set_autostart(true);
    start_stale_temp_cleanup();

    overlay_prewarm();
    choose_capture_engine(current_settings().capture_engine == CaptureEngine::Gdi);
    tray_add_icon(main);
    const HotkeyReport hotkeys = register_hotkeys(main);
    show_startup_balloon(loaded, hotkeys, first_run);
    run_startup_command(choice.startup);

    debug_log("message loop (" + std::to_string(ms_since_process_start()) + " ms since process start)");
    run_message_loop();

    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = main;
    data.uID = TRAY_ICON_ID;
    Shell_NotifyIconW(NIM_DELETE, &data);
    debug_log("exit");
}
