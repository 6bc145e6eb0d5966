#include "settings/hotkey_plan.h"

#include <algorithm>

std::string_view hotkey_role_key(HotkeyRole role) {
    switch (role) {
        case HotkeyRole::Capture: return "capture_hotkey";
        case HotkeyRole::Pin: return "pin_hotkey";
        case HotkeyRole::CaptureCopy: return "capture_copy_hotkey";
    }
    return "";
}

HotkeyPlan plan_hotkeys(const Settings& s) {
    const std::pair<HotkeyRole, const std::optional<HotkeySetting>*> wanted[] = {
        {HotkeyRole::Capture, &s.capture_hotkey},
        {HotkeyRole::Pin, &s.pin_hotkey},
        {HotkeyRole::CaptureCopy, &s.capture_copy_hotkey},
    };
    HotkeyPlan plan;
    for (const auto& [role, setting] : wanted) {
        if (!*setting) continue;
        const HotkeySetting& hotkey = **setting;
        const auto earlier = std::find_if(plan.to_register.begin(), plan.to_register.end(),
                                          [&](const PlannedHotkey& p) { return p.hotkey.hotkey() == hotkey.hotkey(); });
        if (earlier != plan.to_register.end()) plan.clashes.push_back({earlier->role, role, hotkey.text});
        else plan.to_register.push_back({role, hotkey});
    }
    return plan;
}

namespace {

std::string joined(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& t : texts) out += (out.empty() ? "" : ", ") + t;
    return out.empty() ? "none" : out;
}

}  // namespace

std::string hotkey_report_log(const std::vector<std::string>& registered, const HotkeyReport& report) {
    std::string line = joined(registered) + "; in use: " + joined(report.in_use);
    if (!report.clashes.empty()) {
        std::vector<std::string> clashes;
        for (const HotkeyClash& c : report.clashes)
            clashes.push_back(std::string(hotkey_role_key(c.second)) + " = " + std::string(hotkey_role_key(c.first)) +
                              " (" + c.text + ")");
        line += "; same key: " + joined(clashes);
    }
    if (!report.unread.empty()) {
        std::vector<std::string> unread;
        for (const UnreadHotkey& u : report.unread) unread.push_back(u.key + "=" + u.text);
        line += "; not a key: " + joined(unread);
    }
    return line;
}
