// The command line: any UTF-8 splits into at least the program path, no argument holds more
// than the line, and the switches chosen point at real arguments.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "main/commands.h"
#include "support/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const Args args = split_command_line(line);
    FUZZ_CHECK(!args.empty());
    size_t total = 0;
    for (const std::string& a : args) total += a.size();
    FUZZ_CHECK(total <= line.size());
    FUZZ_CHECK(args.size() <= line.size() / 2 + 2);

    const CommandChoice choice = select_commands(args);
    if (choice.job) {
        FUZZ_CHECK(choice.job->index < args.size());
        FUZZ_CHECK(args[choice.job->index] == dev_job_switch(choice.job->job));
    }
    FUZZ_CHECK(choice.exit == (choice.forwarded == InstanceCommand::Exit));
    const std::optional<InstanceCommand> command = instance_command_from_wparam(size);
    FUZZ_CHECK(command.has_value() == (size >= 1 && size <= 5));
    return 0;
}
