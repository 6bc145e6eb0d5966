#include "main/commands.h"

#include <array>
#include <utility>

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

struct DevSwitch {
    std::string_view name;
    DevJob job;
};

constexpr std::array<DevSwitch, 8> DEV_SWITCHES = {{
    {"--bench", DevJob::Bench},
    {"--preview", DevJob::Preview},
    {"--ocr-file", DevJob::OcrFile},
    {"--redact-file", DevJob::RedactFile},
    {"--scroll-test", DevJob::ScrollTest},
    {"--record-test", DevJob::RecordTest},
    {"--uia-bench", DevJob::UiaBench},
    {"--compare-grab", DevJob::CompareGrab},
}};

struct UserSwitch {
    std::string_view name;
    InstanceCommand forwarded;
    std::optional<InstanceCommand> startup;
    bool exit;
};

constexpr std::array<UserSwitch, 5> USER_SWITCHES = {{
    {"--exit", InstanceCommand::Exit, std::nullopt, true},
    {"--settings", InstanceCommand::Settings, InstanceCommand::Settings, false},
    {"--capture-copy", InstanceCommand::CaptureCopy, InstanceCommand::CaptureCopy, false},
    {"--pin", InstanceCommand::PinClipboard, InstanceCommand::PinClipboard, false},
    {"--capture", InstanceCommand::Capture, InstanceCommand::Capture, false},
}};

}  // namespace

Args split_command_line(std::string_view line) {
    Args args;
    size_t i = 0;

    // The program path: quotes group, nothing is escaped.
    {
        std::string arg;
        bool quoted = false;
        while (i < line.size() && (quoted || !is_blank(line[i]))) {
            if (line[i] == '"') quoted = !quoted;
            else arg.push_back(line[i]);
            ++i;
        }
        args.push_back(std::move(arg));
    }

    for (;;) {
        while (i < line.size() && is_blank(line[i])) ++i;
        if (i >= line.size()) break;
        std::string arg;
        bool quoted = false;
        while (i < line.size()) {
            const char c = line[i];
            if (c == '\\') {
                size_t n = 0;
                while (i < line.size() && line[i] == '\\') ++n, ++i;
                if (i < line.size() && line[i] == '"') {
                    arg.append(n / 2, '\\');
                    if (n % 2) {
                        arg.push_back('"');
                        ++i;
                    }
                    // An even count leaves the quote to the next round, where it groups.
                } else {
                    arg.append(n, '\\');
                }
                continue;
            }
            if (c == '"') {
                if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                    arg.push_back('"');
                    i += 2;
                    continue;
                }
                quoted = !quoted;
                ++i;
                continue;
            }
            if (!quoted && is_blank(c)) break;
            arg.push_back(c);
            ++i;
        }
        args.push_back(std::move(arg));
    }
    return args;
}

CommandChoice select_commands(const Args& args) {
    CommandChoice choice;
    for (const DevSwitch& s : DEV_SWITCHES) {
        if (auto at = find_arg(args, s.name)) {
            choice.job = DevJobChoice{s.job, *at};
            break;
        }
    }
    for (const UserSwitch& s : USER_SWITCHES) {
        if (find_arg(args, s.name)) {
            choice.forwarded = s.forwarded;
            choice.startup = s.startup;
            choice.exit = s.exit;
            break;
        }
    }
    return choice;
}

std::string_view dev_job_switch(DevJob job) {
    for (const DevSwitch& s : DEV_SWITCHES)
        if (s.job == job) return s.name;
    return {};
}

std::optional<InstanceCommand> instance_command_from_wparam(uint64_t wparam) {
    if (wparam < 1 || wparam > 5) return std::nullopt;
    return static_cast<InstanceCommand>(wparam);
}
