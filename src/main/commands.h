#pragma once
// The command line: splitting it, and what its switches ask for. Platform-free.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "util/dev_args.h"

// What a launch asks of the running instance (wParam of WM_APP_INSTANCE_COMMAND).
enum class InstanceCommand : uint8_t {
    Capture = 1,
    PinClipboard = 2,
    Exit = 3,
    CaptureCopy = 4,
    Settings = 5,
};

// The developer jobs, in the order they are looked for.
enum class DevJob : uint8_t { Bench, Preview, OcrFile, RedactFile, ScrollTest, RecordTest, UiaBench, CompareGrab };

struct DevJobChoice {
    DevJob job;
    size_t index;  // position of the switch in the arguments
};

struct CommandChoice {
    std::optional<DevJobChoice> job;
    // Sent to an instance that already runs; capture when no switch names another.
    InstanceCommand forwarded = InstanceCommand::Capture;
    // What a new instance does once it stands; none without a switch.
    std::optional<InstanceCommand> startup;
    bool exit = false;
};

// Splits a command line (UTF-8) by the platform's rules: blanks and tabs separate, double
// quotes group, 2n backslashes before a quote give n backslashes and the quote toggles
// grouping, 2n+1 give n backslashes and a literal quote, other backslashes are literal, and
// "" inside a group is a literal quote. The first argument, the program path, ends at the
// first blank or tab outside quotes and takes no backslash escapes.
Args split_command_line(std::string_view line);

// Switches are exact, case-sensitive whole arguments and may stand anywhere, argv[0] included.
CommandChoice select_commands(const Args& args);

// "--bench" and so on.
std::string_view dev_job_switch(DevJob job);

// The command a WM_APP_INSTANCE_COMMAND's wParam names; none for any other value.
std::optional<InstanceCommand> instance_command_from_wparam(uint64_t wparam);
