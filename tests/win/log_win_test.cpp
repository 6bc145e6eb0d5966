#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "util/log.h"
#include "util/text.h"
#include "win/env.h"

#include "support/test_support_win.h"

namespace {

using namespace test_support;

// Points TMP/TEMP at a fresh folder for one test and puts them back afterwards.
class ScopedTempDir : public ScratchEnvFolder {
public:
    ScopedTempDir() : ScratchEnvFolder("log", {"TMP", "TEMP"}) {}
    std::string log_path() const { return at("ormick-oxel.log"); }
};

// Set only in the child runs of DebugLog.LinesOfTwoProcessesAllArrive: the tag of their lines.
constexpr char LOG_CHILD_VAR[] = "ORMICK_TEST_LOG_CHILD";
constexpr int LOG_CHILD_LINES = 2000;

// This test program again, running only DebugLogChild.AppendsItsLines; the environment is ours.
Handle start_log_child() {
    const std::wstring exe = to_wide(module_path());
    std::wstring command = L"\"" + exe + L"\" --gtest_brief=1 --gtest_filter=DebugLogChild.AppendsItsLines";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return Handle();
    CloseHandle(process.hThread);
    return Handle(process.hProcess);
}

}  // namespace

TEST(DebugLog, SetButEmptyVariableWritesTheLog) {
    ScopedTempDir tmp;
    SetEnvironmentVariableW(L"ORMICK_OXEL_LOG", L"");
    debug_log("first line");
    debug_log("second");
    SetEnvironmentVariableW(L"ORMICK_OXEL_LOG", nullptr);
    const std::string text = read_whole_file(tmp.log_path());
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text[0], '[');
    EXPECT_NE(text.find("] first line\n"), std::string::npos);
    EXPECT_NE(text.find("] second\n"), std::string::npos);
}

TEST(DebugLog, UnsetVariableCreatesNothing) {
    ScopedTempDir tmp;
    SetEnvironmentVariableW(L"ORMICK_OXEL_LOG", nullptr);
    debug_log("not written");
    EXPECT_FALSE(path_exists(tmp.log_path()));
}

TEST(DebugLogChild, AppendsItsLines) {
    const std::optional<std::string> tag = env_var(LOG_CHILD_VAR);
    if (!tag) GTEST_SKIP() << "runs only as a child of DebugLog.LinesOfTwoProcessesAllArrive";
    for (int i = 0; i < LOG_CHILD_LINES; ++i) debug_log(*tag + " " + std::to_string(i));
}

TEST(DebugLog, LinesOfTwoProcessesAllArrive) {
    ScopedTempDir tmp;
    ScopedEnv log({"ORMICK_OXEL_LOG"}, "");
    std::vector<Handle> children;
    for (const char* tag : {"a", "b"}) {
        ScopedEnv child_tag({LOG_CHILD_VAR}, tag);
        children.push_back(start_log_child());
        ASSERT_TRUE(children.back()) << GetLastError();
    }
    for (const Handle& child : children) {
        ASSERT_EQ(WaitForSingleObject(child.get(), 120000), WAIT_OBJECT_0);
        DWORD code = 1;
        GetExitCodeProcess(child.get(), &code);
        EXPECT_EQ(code, 0u);
    }

    // Every line whole, and each process's lines all there in its own order.
    std::map<std::string, std::vector<int>> numbers;
    std::vector<std::string> broken;
    const std::regex shape(R"(\[\d+\] ([ab]) (\d+))");
    std::istringstream in(read_whole_file(tmp.log_path()));
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (std::regex_match(line, m, shape)) numbers[m[1]].push_back(std::stoi(m[2]));
        else broken.push_back(line);
    }
    EXPECT_TRUE(broken.empty()) << broken.size() << " broken lines, the first: \"" << broken.front() << "\"";
    for (const char* tag : {"a", "b"}) {
        const std::vector<int>& got = numbers[tag];
        EXPECT_EQ(got.size(), size_t{LOG_CHILD_LINES}) << tag;
        for (size_t i = 0; i < got.size(); ++i) {
            if (got[i] == static_cast<int>(i)) continue;
            ADD_FAILURE() << "process " << tag << ": line " << i << " is number " << got[i];
            break;
        }
    }
}

TEST(DebugLog, WritesEvenWhileAnotherHandleKeepsTheLock) {
    ScopedTempDir tmp;
    ScopedEnv log({"ORMICK_OXEL_LOG"}, "");
    debug_log("first");
    // Everything from the first TiB on: wherever far out the writers lock, it is taken.
    const Handle holder(CreateFileW(to_wide(tmp.log_path()).c_str(), FILE_READ_DATA,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0,
                                    nullptr));
    ASSERT_TRUE(holder);
    OVERLAPPED at{};
    at.OffsetHigh = 0x100;
    ASSERT_TRUE(LockFileEx(holder.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                           MAXDWORD - 0x100, &at));
    debug_log("second");
    const std::string text = read_whole_file(tmp.log_path());
    EXPECT_NE(text.find("] first\n["), std::string::npos) << text;
    EXPECT_NE(text.find("] second\n"), std::string::npos) << text;
    UnlockFileEx(holder.get(), 0, MAXDWORD, MAXDWORD - 0x100, &at);
}
