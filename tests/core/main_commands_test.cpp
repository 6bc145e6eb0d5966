#include <gtest/gtest.h>

#include "main/commands.h"

TEST(SplitCommandLine, FollowsThePlatformQuotingRules) {
    struct Case {
        const char* line;
        Args args;
    };
    const Case cases[] = {
        {R"(prog.exe a b)", {"prog.exe", "a", "b"}},
        {"prog.exe\ta \t  b  ", {"prog.exe", "a", "b"}},
        {R"(prog "a b" c)", {"prog", "a b", "c"}},
        {R"(prog a"b c"d)", {"prog", "ab cd"}},
        {R"(prog "")", {"prog", ""}},
        {R"(prog \"a)", {"prog", "\"a"}},                  // 1 backslash: literal quote
        {R"(prog \\"a b")", {"prog", "\\a b"}},            // 2: one backslash, quote groups
        {R"(prog \\\"a)", {"prog", "\\\"a"}},              // 3: one backslash and a quote
        {R"(prog \\\\"a b")", {"prog", "\\\\a b"}},        // 4: two backslashes, quote groups
        {R"(prog a\\b c\)", {"prog", "a\\\\b", "c\\"}},    // not before a quote: literal
        {R"(prog "a""b" c)", {"prog", "a\"b", "c"}},       // "" inside a group
        {R"(prog "unterminated arg)", {"prog", "unterminated arg"}},
        {R"("C:\Program Files\Ormick\ormick-oxel.exe" --pin)", {"C:\\Program Files\\Ormick\\ormick-oxel.exe", "--pin"}},
        {R"("C:\dir\"x.exe --exit)", {"C:\\dir\\x.exe", "--exit"}},  // program path takes no escapes
        {"prog \xC3\xA9t\xC3\xA9 \"\xE6\x96\x87 \xE5\xAD\x97\"", {"prog", "\xC3\xA9t\xC3\xA9", "\xE6\x96\x87 \xE5\xAD\x97"}},
        {"", {""}},
    };
    for (const Case& c : cases) EXPECT_EQ(split_command_line(c.line), c.args) << c.line;
}

TEST(SelectCommands, UserSwitchPrecedence) {
    struct Case {
        Args args;
        InstanceCommand forwarded;
        std::optional<InstanceCommand> startup;
        bool exit;
    };
    const Case cases[] = {
        {{"prog"}, InstanceCommand::Capture, std::nullopt, false},
        {{"prog", "--capture"}, InstanceCommand::Capture, InstanceCommand::Capture, false},
        {{"prog", "--capture", "--pin"}, InstanceCommand::PinClipboard, InstanceCommand::PinClipboard, false},
        {{"prog", "--settings", "--exit"}, InstanceCommand::Exit, std::nullopt, true},
        {{"prog", "--pin", "--capture-copy"}, InstanceCommand::CaptureCopy, InstanceCommand::CaptureCopy, false},
        {{"prog", "--capture-copy", "--settings"}, InstanceCommand::Settings, InstanceCommand::Settings, false},
        {{"prog", "--CAPTURE"}, InstanceCommand::Capture, std::nullopt, false},
        {{"prog", "--exit=1", "-pin", "--pin "}, InstanceCommand::Capture, std::nullopt, false},
        {{"--pin"}, InstanceCommand::PinClipboard, InstanceCommand::PinClipboard, false},  // argv[0] counts too
    };
    for (const Case& c : cases) {
        const CommandChoice choice = select_commands(c.args);
        EXPECT_FALSE(choice.job.has_value());
        EXPECT_EQ(choice.forwarded, c.forwarded) << c.args.back();
        EXPECT_EQ(choice.startup, c.startup) << c.args.back();
        EXPECT_EQ(choice.exit, c.exit) << c.args.back();
    }
}

TEST(SelectCommands, FirstDeveloperSwitchInTableOrderWinsOverUserSwitches) {
    struct Case {
        Args args;
        DevJob job;
        size_t index;
    };
    const Case cases[] = {
        {{"prog", "--compare-grab", "--bench"}, DevJob::Bench, 2},
        {{"prog", "--exit", "--uia-bench", "--out", "x"}, DevJob::UiaBench, 2},
        {{"prog", "--record-test", "0,0,640,480", "--scroll-test"}, DevJob::ScrollTest, 3},
        {{"prog", "--redact-file", "a.png", "--ocr-file", "b.png"}, DevJob::OcrFile, 3},
        {{"prog", "--compare-grab"}, DevJob::CompareGrab, 1},
        {{"prog", "--preview"}, DevJob::Preview, 1},
    };
    for (const Case& c : cases) {
        const CommandChoice choice = select_commands(c.args);
        ASSERT_TRUE(choice.job.has_value()) << c.args[1];
        EXPECT_EQ(choice.job->job, c.job) << c.args[1];
        EXPECT_EQ(choice.job->index, c.index) << c.args[1];
    }
    EXPECT_FALSE(select_commands({"prog", "--Bench", "--uia_bench"}).job.has_value());
    EXPECT_EQ(dev_job_switch(DevJob::RecordTest), "--record-test");
}

TEST(InstanceCommandFromWparam, OnlyOneToFive) {
    EXPECT_FALSE(instance_command_from_wparam(0));
    EXPECT_EQ(instance_command_from_wparam(1), InstanceCommand::Capture);
    EXPECT_EQ(instance_command_from_wparam(5), InstanceCommand::Settings);
    EXPECT_FALSE(instance_command_from_wparam(6));
    EXPECT_FALSE(instance_command_from_wparam(0x100000001ull));
}
