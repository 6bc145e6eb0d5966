#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "main/main_window_win.h"
#include "prefs/prefs_layout.h"
#include "prefs/prefs_window_win.h"
#include "prefs/prefs_win.h"
#include "settings/settings_win.h"
#include "strings/ui_strings.h"
#include "util/text.h"
#include "win/env.h"
#include "win/file_io.h"
#include "win/handles.h"
#include "win/monitor.h"

#include "support/main_window_support_win.h"

namespace {

using namespace test_support;

constexpr uint32_t CTRL = MOD_CONTROL_BIT, ALT = MOD_ALT_BIT, SHIFT = MOD_SHIFT_BIT, WIN = MOD_WIN_BIT;

// The thread's key state as GetKeyState reads it: these modifiers held, nothing else.
void hold(uint32_t modifiers) {
    BYTE state[256] = {};
    if (modifiers & CTRL) state[VK_CONTROL] = state[VK_LCONTROL] = 0x80;
    if (modifiers & ALT) state[VK_MENU] = state[VK_LMENU] = 0x80;
    if (modifiers & SHIFT) state[VK_SHIFT] = state[VK_LSHIFT] = 0x80;
    if (modifiers & WIN) state[VK_LWIN] = 0x80;
    SetKeyboardState(state);
}

std::string item_text(HWND box, int index) {
    std::wstring text(static_cast<size_t>(std::max<LRESULT>(SendMessageW(box, CB_GETLBTEXTLEN, index, 0), 0)) + 1, L'\0');
    const LRESULT n = SendMessageW(box, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(std::max<LRESULT>(n, 0)));
    return from_wide(text);
}

LONG font_height(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

// The open window's record, read at once (it goes with its window).
const PrefsWindow& record_of(HWND window) {
    static const PrefsWindow none;
    const PrefsWindow* record = PrefsWindow::from(window);
    if (!record) ADD_FAILURE() << "no settings window record";
    return record ? *record : none;
}

// Where the window lists a control, in DIPs.
Rect dips_of(HWND control) {
    for (const ControlPlacement& c : record_of(GetParent(control)).controls)
        if (c.window == control) return c.dips;
    ADD_FAILURE() << "control not listed";
    return {};
}

// A control's place in its parent's client area.
PixelPlace place_of(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// HKCU, for this process, where the Run key cannot be made: its parent is volatile, and a
// volatile key takes no lasting child.
class UnwritableRunKey {
public:
    UnwritableRunKey() {
        RegDeleteTreeW(HKEY_CURRENT_USER, ROOT);
        HKEY windows = nullptr, current = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, ROOT, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root_, nullptr) ==
                ERROR_SUCCESS &&
            RegCreateKeyExW(root_, L"Software\\Microsoft\\Windows", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &windows, nullptr) == ERROR_SUCCESS &&
            RegCreateKeyExW(windows, L"CurrentVersion", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                            &current, nullptr) == ERROR_SUCCESS)
            overridden_ = RegOverridePredefKey(HKEY_CURRENT_USER, root_) == ERROR_SUCCESS;
        if (current) RegCloseKey(current);
        if (windows) RegCloseKey(windows);
    }
    ~UnwritableRunKey() {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        if (root_) RegCloseKey(root_);
        RegDeleteTreeW(HKEY_CURRENT_USER, ROOT);
    }
    UnwritableRunKey(const UnwritableRunKey&) = delete;
    UnwritableRunKey& operator=(const UnwritableRunKey&) = delete;
    bool overridden() const { return overridden_; }

private:
    static constexpr wchar_t ROOT[] = L"Software\\OrmickOxelTests\\UnwritableRun";
    HKEY root_ = nullptr;
    bool overridden_ = false;
};

class PrefsWindowTest : public MainWindow {
protected:
    void SetUp() override {
        MainWindow::SetUp();
        *SETTINGS.borrow() = default_settings();
        hold(0);
    }
    void TearDown() override {
        hold(0);
        if (const HWND open = prefs_window()) DestroyWindow(open);
        unregister_hotkeys();
        MainWindow::TearDown();
    }
    HWND open() {
        show_prefs_window();
        const HWND w = prefs_window();
        EXPECT_NE(w, nullptr);
        return w;
    }
    static void click(HWND window, int id) {
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
    }
    static std::string text(HWND window, int id) { return window_text(GetDlgItem(window, id)); }
    // A key as the box receives it, with these modifiers held.
    static void key(HWND box, uint32_t modifiers, UINT message, UINT vk) {
        hold(modifiers);
        SendMessageW(box, message, vk, 0);
        hold(0);
    }
    // A key message offered to the dialog manager first, as the message loop does.
    static bool dialog_key(HWND window, uint32_t modifiers, UINT vk) {
        hold(modifiers);
        MSG m{GetFocus(), WM_KEYDOWN, vk, 0, 0, {}};
        const bool taken = IsDialogMessageW(window, &m);
        hold(0);
        return taken;
    }
    std::string settings_file() const { return join_path(join_path(appdata_.path(), "Ormick Oxel"), "settings.ini"); }

    LogCapture log_;
    ScratchEnvFolder appdata_{"prefs", {"APPDATA"}};
};

}  // namespace

// Each window a test destroys costs about two seconds under Wine: the tests keep to few.

TEST_F(PrefsWindowTest, OpensOnceFilledFromTheSettingsAndFollowsTheDpi) {
    Settings& s = *SETTINGS.borrow();
    s.capture_copy_hotkey = parse_hotkey("Ctrl+Alt+F12");
    s.history = 42;
    s.record_fps = 24;
    s.capture_engine = CaptureEngine::Gdi;
    s.capture_detect = CaptureDetect::Window;
    s.record_format = RecordFormat::Gif;
    s.record_cursor = false;
    s.translate_to = "it";
    s.save_dir = "C:\\Shots";
    HotkeyHolder other({{CTRL | ALT, VK_F12}});
    ASSERT_TRUE(other.holds_all());
    ASSERT_EQ(register_hotkeys(window_).in_use.size(), 1u);  // F1 and F3 are ours

    const HWND w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(window_text(w), ui_text(PREFS_TITLE));
    EXPECT_TRUE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    EXPECT_EQ(GetFocus(), GetDlgItem(w, PREFS_ID_SAVE));

    const PrefsMetrics metrics = compute_prefs_metrics({});
    std::vector<int> ids;
    for (HWND c = GetWindow(w, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ids.push_back(GetDlgCtrlID(c));
    std::vector<int> expected;
    for (const PrefsControlSpec& spec : prefs_control_table(metrics)) expected.push_back(spec.id);
    EXPECT_EQ(ids, expected);  // creation order, which is the Tab order

    struct Field {
        int id;
        std::string text;
    };
    const Field fields[] = {
        {100, "F1"}, {101, "Ctrl+Alt+F12"}, {102, "F3"}, {110, ""}, {111, ui_text(PREFS_HOTKEY_IN_USE)}, {112, ""},
        {121, "C:\\Shots"}, {123, "42"}, {131, "24"}, {300, ui_text(PREFS_HOTKEYS)}, {1, ui_text(TOOLBAR_SAVE)},
    };
    for (const Field& f : fields) EXPECT_EQ(text(w, f.id), f.text) << f.id;
    EXPECT_EQ(SendDlgItemMessageW(w, PREFS_ID_HISTORY, EM_GETLIMITTEXT, 0, 0), 3);
    EXPECT_EQ(SendDlgItemMessageW(w, PREFS_ID_RECORD_FPS, EM_GETLIMITTEXT, 0, 0), 2);
    EXPECT_EQ(IsDlgButtonChecked(w, PREFS_ID_LOW_MEMORY), UINT{BST_CHECKED});
    EXPECT_EQ(IsDlgButtonChecked(w, PREFS_ID_RECORD_CURSOR), UINT{BST_UNCHECKED});
    EXPECT_EQ(IsDlgButtonChecked(w, PREFS_ID_AUTOSTART) == BST_CHECKED, autostart_enabled());
    EXPECT_EQ(SendDlgItemMessageW(w, PREFS_ID_DETECT, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendDlgItemMessageW(w, PREFS_ID_RECORD_FORMAT, CB_GETCURSEL, 0, 0), 1);
    const HWND translate = GetDlgItem(w, PREFS_ID_TRANSLATE);
    EXPECT_EQ(SendMessageW(translate, CB_GETCOUNT, 0, 0), 12);
    EXPECT_EQ(SendMessageW(translate, CB_GETCURSEL, 0, 0), 11);
    EXPECT_EQ(item_text(translate, 11), "it");
    EXPECT_EQ(item_text(translate, 6), "Fran\xC3\xA7" "ais  (fr)");

    // Laid out for the monitor's DPI (96 in the test prefix).
    const uint32_t dpi = record_of(w).dpi;
    const int32_t width = static_cast<int32_t>(record_of(w).metrics.width);
    RECT client{};
    GetClientRect(w, &client);
    EXPECT_EQ((PixelSize{client.right, client.bottom}), prefs_client_size(width, dpi));
    const Rect save_dips = dips_of(GetDlgItem(w, PREFS_ID_SAVE));
    const Rect cancel_dips = dips_of(GetDlgItem(w, PREFS_ID_CANCEL));
    EXPECT_EQ(save_dips.r + 8, cancel_dips.l);
    EXPECT_EQ(cancel_dips.r, width - 24);
    EXPECT_EQ(save_dips.width(), cancel_dips.width());
    EXPECT_GE(save_dips.width(), 104);
    EXPECT_EQ(place_of(GetDlgItem(w, PREFS_ID_SAVE)), scale_placement(save_dips, dpi));
    EXPECT_EQ(font_height(GetDlgItem(w, 300)), -prefs_font_heights(dpi).bold);
    EXPECT_EQ(font_height(GetDlgItem(w, 340)), -prefs_font_heights(dpi).regular);

    // The background: white above the footer, a grey line at its top, light grey below.
    {
        const WindowDc screen(nullptr);
        MemoryDc dc(CreateCompatibleDC(screen.get()));
        Bitmap bitmap(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
        const SelectGuard selected(dc.get(), bitmap.get());
        SendMessageW(w, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
        const int32_t y = prefs_pixels(dpi, PREFS_FOOTER_TOP);
        EXPECT_EQ(GetPixel(dc.get(), 3, y - 1), RGB(255, 255, 255));
        EXPECT_EQ(GetPixel(dc.get(), 3, y), RGB(224, 224, 224));
        EXPECT_EQ(GetPixel(dc.get(), 3, y + 1), RGB(243, 243, 243));
    }

    // A second opening brings the same window back.
    show_prefs_window();
    EXPECT_EQ(prefs_window(), w);
    EXPECT_TRUE(log_.has("prefs window: brought to the front"));
    EXPECT_EQ(thread_windows_of_class(L"OrmickOxelPrefs").size(), 1u);

    // Moved to a 150 % monitor: laid out again for it, as large as its work area lets the whole
    // window be (a 1080-pixel screen holds less than 1068 pixels of client area and a frame).
    RECT suggested{100, 100, 100 + client.right * 3 / 2, 100 + 1068};
    SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    const uint32_t moved = record_of(w).dpi;
    EXPECT_LE(moved, 144u);
    EXPECT_GT(moved, 96u);
    RECT outer{};
    GetWindowRect(w, &outer);
    const Rect work = monitor_place_at(POINT{outer.left, outer.top}).work;
    EXPECT_TRUE(outer.left >= work.l && outer.top >= work.t && outer.right <= work.r && outer.bottom <= work.b)
        << outer.left << "," << outer.top << "," << outer.right << "," << outer.bottom;
    EXPECT_EQ(place_of(GetDlgItem(w, PREFS_ID_SAVE)), scale_placement(save_dips, moved));
    EXPECT_EQ(font_height(GetDlgItem(w, 300)), -prefs_font_heights(moved).bold);
    EXPECT_EQ(font_height(GetDlgItem(w, 340)), -prefs_font_heights(moved).regular);

    // Cancel writes nothing; the hotkeys are registered again.
    click(w, PREFS_ID_CANCEL);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(prefs_window(), nullptr);
    EXPECT_FALSE(path_exists(settings_file()));
    EXPECT_EQ(REGISTERED_HOTKEYS.get(), (std::vector<Hotkey>{{0, VK_F1}, {0, VK_F3}}));
}

TEST_F(PrefsWindowTest, HotkeyBoxTakesKeysAsPressedAndLetsTabThrough) {
    ASSERT_TRUE(register_hotkeys(window_).empty());
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    const HWND box = GetDlgItem(w, PREFS_ID_HOTKEY_FIRST);
    SetFocus(box);
    EXPECT_TRUE(REGISTERED_HOTKEYS.get().empty()) << "the program's hotkeys are let go while a box has the focus";

    const std::string need = ui_text(PREFS_HOTKEY_NEED_MODIFIER);
    const std::string same_as_pin = replace_all(ui_text(PREFS_HOTKEY_SAME_AS), "{name}", ui_text(MENU_PIN_CLIPBOARD));
    const std::string same_as_capture = replace_all(ui_text(PREFS_HOTKEY_SAME_AS), "{name}", ui_text(MENU_CAPTURE));
    struct Step {
        const char* what;
        uint32_t modifiers;
        UINT message, vk;
        std::string slot, status, pin_status;
    };
    const Step steps[] = {
        {"A alone", 0, WM_KEYDOWN, 'A', "F1", need, ""},
        {"Shift+A", SHIFT, WM_KEYDOWN, 'A', "F1", need, ""},
        {"Ctrl+Shift+K", CTRL | SHIFT, WM_KEYDOWN, 'K', "Ctrl+Shift+K", "", ""},
        {"the pin key", 0, WM_KEYDOWN, VK_F3, "F3", same_as_pin, same_as_capture},
        {"Backspace clears", 0, WM_KEYDOWN, VK_BACK, "", "", ""},
        {"Print Screen pressed: not yet", 0, WM_KEYDOWN, VK_SNAPSHOT, "", "", ""},
        {"Print Screen released", 0, WM_KEYUP, VK_SNAPSHOT, "PrintScreen", "", ""},
        {"Alt+F4 as a system key", ALT, WM_SYSKEYDOWN, VK_F4, "Alt+F4", "", ""},
        {"Ctrl+Enter", CTRL, WM_KEYDOWN, VK_RETURN, "Ctrl+Enter", "", ""},
        {"Win+A (either Win key counts)", WIN, WM_KEYDOWN, 'A', "Win+A", "", ""},
        {"typed characters change nothing", 0, WM_CHAR, 'x', "Win+A", "", ""},
    };
    for (const Step& s : steps) {
        key(box, s.modifiers, s.message, s.vk);
        const std::optional<HotkeySetting> slot = record_of(w).slots[0];
        EXPECT_EQ(slot ? slot->text : "", s.slot) << s.what;
        EXPECT_EQ(window_text(box), s.slot) << s.what;
        EXPECT_EQ(text(w, 110), s.status) << s.what;
        EXPECT_EQ(text(w, 112), s.pin_status) << s.what;
    }

    // Modifiers held are shown until a key comes.
    hold(CTRL | SHIFT);
    SendMessageW(box, WM_KEYDOWN, VK_SHIFT, 0);
    EXPECT_EQ(record_of(w).live_modifiers, CTRL | SHIFT);
    hold(0);
    SendMessageW(box, WM_KEYUP, VK_SHIFT, 0);
    EXPECT_EQ(record_of(w).live_modifiers, 0u);

    // What the box leaves to the dialog manager; the question may come without a message.
    EXPECT_EQ(SendMessageW(box, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS | DLGC_WANTCHARS);
    struct Code {
        uint32_t modifiers;
        UINT message, vk;
        LRESULT code;
    };
    const Code codes[] = {
        {0, WM_KEYDOWN, VK_TAB, 0},
        {0, WM_KEYDOWN, VK_RETURN, 0},
        {CTRL, WM_KEYDOWN, VK_TAB, DLGC_WANTALLKEYS | DLGC_WANTCHARS},
        {0, WM_CHAR, VK_TAB, DLGC_WANTALLKEYS | DLGC_WANTCHARS},
    };
    for (const Code& c : codes) {
        hold(c.modifiers);
        MSG m{box, c.message, c.vk, 0, 0, {}};
        EXPECT_EQ(SendMessageW(box, WM_GETDLGCODE, c.vk, reinterpret_cast<LPARAM>(&m)), c.code)
            << c.modifiers << " " << c.message << " " << c.vk;
        hold(0);
    }

    // Tab moves on, Shift+Tab back, Ctrl+Tab stays in the box.
    EXPECT_TRUE(dialog_key(w, 0, VK_TAB));
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), 101);
    EXPECT_TRUE(REGISTERED_HOTKEYS.get().empty());
    EXPECT_TRUE(dialog_key(w, SHIFT, VK_TAB));
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), 100);
    dialog_key(w, CTRL, VK_TAB);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), 100);

    // Another window taken to the front gives the keys back; coming back gives the box the focus.
    const HWND other = create_test_popup({L"OxelPrefsOther"}, {0, 0, 50, 50});
    ShowWindow(other, SW_SHOW);
    SetActiveWindow(other);
    EXPECT_EQ(REGISTERED_HOTKEYS.get(), (std::vector<Hotkey>{{0, VK_F1}, {0, VK_F3}}));
    SetActiveWindow(w);
    EXPECT_EQ(GetFocus(), box);
    EXPECT_TRUE(REGISTERED_HOTKEYS.get().empty());
    DestroyWindow(other);

    // Leaving the boxes registers the program's hotkeys again (from the settings, not the boxes).
    SetFocus(GetDlgItem(w, PREFS_ID_CANCEL));
    EXPECT_EQ(REGISTERED_HOTKEYS.get(), (std::vector<Hotkey>{{0, VK_F1}, {0, VK_F3}}));

    // Esc is Cancel: nothing is written.
    EXPECT_TRUE(dialog_key(w, 0, VK_ESCAPE));
    EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(path_exists(settings_file()));
}

TEST_F(PrefsWindowTest, SaveWritesInPlaceAppliesAndKeepsEverythingWhenTheFileIsLocked) {
    const std::string path = settings_file();
    ASSERT_TRUE(CreateDirectoryW(to_wide(parent_path(path)).c_str(), nullptr));
    const std::string before = "; mine\r\ncapture_hotkey=F1\r\nhistory=30\r\n";
    write_whole_file(path, before);
    ASSERT_TRUE(settings_load().ok());
    const HWND w = open();
    ASSERT_NE(w, nullptr);
    const HWND box = GetDlgItem(w, PREFS_ID_HOTKEY_FIRST);
    SetFocus(box);
    key(box, CTRL | SHIFT, WM_KEYDOWN, 'K');
    SetFocus(GetDlgItem(w, PREFS_ID_SAVE));
    SetDlgItemTextW(w, PREFS_ID_HISTORY, L"999");
    SetDlgItemTextW(w, PREFS_ID_RECORD_FPS, L"0");
    SetDlgItemTextW(w, PREFS_ID_SAVE_DIR, L"  D:\\Shots ");
    CheckDlgButton(w, PREFS_ID_LOW_MEMORY, BST_CHECKED);
    SendDlgItemMessageW(w, PREFS_ID_RECORD_FORMAT, CB_SETCURSEL, 1, 0);
    SendDlgItemMessageW(w, PREFS_ID_TRANSLATE, CB_SETCURSEL, 7, 0);

    {
        // Held open without sharing, as another program might.
        Handle lock(CreateFileW(to_wide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock);
        click(w, PREFS_ID_SAVE);
    }
    EXPECT_TRUE(IsWindow(w)) << "a failed save keeps the window";
    EXPECT_EQ(prefs_window(), w);
    EXPECT_EQ(read_whole_file(path), before);
    EXPECT_EQ(text(w, PREFS_ID_HISTORY), "999");
    EXPECT_EQ(current_settings().history, 30u);
    bool balloon = false;
    for (const std::string& m : log_.messages())
        balloon = balloon || m.rfind(std::string("balloon: ") + ui_text(SAVE_FAILED) + " | ", 0) == 0;
    EXPECT_TRUE(balloon) << log_.text();

    {
        // Autostart refused: the other settings are still written, and the user is told why
        // the box did not take.
        const UnwritableRunKey run;
        ASSERT_TRUE(run.overridden());
        ASSERT_FALSE(autostart_enabled());
        CheckDlgButton(w, PREFS_ID_AUTOSTART, BST_CHECKED);
        click(w, PREFS_ID_SAVE);
        EXPECT_FALSE(autostart_enabled());
    }
    EXPECT_TRUE(log_.has(std::string("balloon: ") + ui_text(AUTOSTART_FAILED) + " | ")) << log_.text();
    // Its notice comes before the store's, which (a hotkey in use) must be the one left on
    // screen; the new keys are registered once.
    const std::vector<std::string> lines = log_.messages();
    const auto autostart_notice = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
        return l.starts_with(std::string("balloon: ") + ui_text(AUTOSTART_FAILED));
    });
    const auto new_keys = std::find_if(lines.begin(), lines.end(),
                                       [](const std::string& l) { return l.starts_with("hotkeys registered: Ctrl+Shift+K"); });
    EXPECT_LT(autostart_notice, new_keys) << log_.text();
    EXPECT_EQ(std::count_if(new_keys, lines.end(),
                            [](const std::string& l) { return l.starts_with("hotkeys registered: Ctrl+Shift+K"); }),
              1)
        << log_.text();
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(prefs_window(), nullptr);
    EXPECT_EQ(read_whole_file(path),
              "; mine\r\ncapture_hotkey=Ctrl+Shift+K\r\nhistory=500\r\ncapture_copy_hotkey=\r\npin_hotkey=F3\r\n"
              "save_dir=D:\\Shots\r\ncapture_engine=gdi\r\ncapture_detect=element\r\nrecord_format=gif\r\n"
              "record_fps=1\r\nrecord_cursor=1\r\ntranslate_to=de\r\n");
    const Settings applied = current_settings();
    ASSERT_TRUE(applied.capture_hotkey);
    EXPECT_EQ(applied.capture_hotkey->text, "Ctrl+Shift+K");
    EXPECT_EQ(applied.history, 500u);
    EXPECT_EQ(applied.record_fps, 1u);
    EXPECT_EQ(applied.translate_to, "de");
    EXPECT_EQ(REGISTERED_HOTKEYS.get(), (std::vector<Hotkey>{{CTRL | SHIFT, 'K'}, {0, VK_F3}}));
}
