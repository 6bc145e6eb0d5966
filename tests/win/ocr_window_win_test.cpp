#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ocr/ocr_result_win.h"
#include "ocr/ocr_window_win.h"
#include "settings/settings_win.h"
#include "strings/ui_strings.h"
#include "win/messages.h"
#include "win/post_result.h"

#include "support/main_window_support_win.h"
#include "support/ocr_window_support_win.h"

namespace {

using namespace test_support;

std::vector<OcrRerunRequest> reruns;
void record_rerun(OcrRerunRequest request) { reruns.push_back(std::move(request)); }

std::optional<std::string> clipboard_text() {
    std::optional<std::string> out;
    if (!OpenClipboard(nullptr)) return out;
    if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* p = static_cast<const wchar_t*>(GlobalLock(h))) {
            out = from_wide(p);
            GlobalUnlock(h);
        }
    }
    CloseClipboard();
    return out;
}

void set_clipboard(const std::string& text) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    const std::wstring w = to_wide(text);
    if (HGLOBAL g = GlobalAlloc(GMEM_MOVEABLE, (w.size() + 1) * sizeof(wchar_t))) {
        std::memcpy(GlobalLock(g), w.c_str(), (w.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(g);
        if (!SetClipboardData(CF_UNICODETEXT, g)) GlobalFree(g);
    }
    CloseClipboard();
}

class OcrWindowTest : public MainWindow {
protected:
    void SetUp() override {
        MainWindow::SetUp();
        ensure_ocr_window_class();
        reruns.clear();
    }
    void TearDown() override {
        close_ocr_windows();
        MainWindow::TearDown();
    }

    // An OCR-mode window with an image and the given languages; re-runs are only recorded.
    HWND open(std::string assembled, std::string lines, std::vector<OcrLanguage> languages = {}) {
        OcrWindowSetup setup;
        setup.assembled = std::move(assembled);
        setup.lines = std::move(lines);
        setup.placement = Rect{100, 100, 400, 300};
        setup.image = OcrImage{std::vector<uint32_t>(12, 0xFFFFFFFF), 4, 3};
        setup.languages = std::move(languages);
        setup.start_rerun = record_rerun;
        return create_ocr_window(std::move(setup));
    }
    static void click(HWND window, int id) {
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
    }
    static void choose_language(HWND window, int item) {
        const HWND box = GetDlgItem(window, OCR_ID_LANGUAGE);
        SendMessageW(box, CB_SETCURSEL, item, 0);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(OCR_ID_LANGUAGE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
    }
    static void rerun_answer(HWND window, uintptr_t request, OcrTextResult result) {
        ASSERT_TRUE(post_result(window, WM_APP_OCR_RERUN_DONE, request, std::make_unique<OcrTextResult>(std::move(result))));
        MSG m;
        while (PeekMessageW(&m, window, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    }
};

}  // namespace

// Each window that a test destroys costs about two seconds under Wine without a window manager
// (it waits for the window to be withdrawn): the tests reuse their windows where they can.

TEST_F(OcrWindowTest, ControlsOfEachMode) {
    struct Case {
        const char* what;
        bool qr;
        std::string text;
        bool image;
        std::vector<int> present, absent;
    };
    const Case cases[] = {
        {"OCR with image", false, "a", true, {1000, 3, 4, 1, 2, 7, 6}, {5}},
        {"QR with one link", true, "  HTTPS://X/y  ", false, {1000, 5, 4, 1, 2}, {3, 6, 7}},
        {"QR with two texts", true, "https://x\n\nsecond", false, {1000, 4, 1, 2}, {3, 5, 6, 7}},
    };
    for (const Case& c : cases) {
        LogCapture log;
        OcrWindowSetup setup;
        setup.assembled = setup.lines = c.text;
        setup.qr = c.qr;
        if (c.image) setup.image = OcrImage{{0xFFFFFFFF}, 1, 1};
        const HWND w = create_ocr_window(std::move(setup));
        ASSERT_NE(w, nullptr) << c.what;
        for (int id : c.present) EXPECT_NE(GetDlgItem(w, id), nullptr) << c.what << " " << id;
        for (int id : c.absent) EXPECT_EQ(GetDlgItem(w, id), nullptr) << c.what << " " << id;
        EXPECT_EQ(GetFocus(), GetDlgItem(w, OCR_ID_EDIT)) << c.what;
        DWORD start = 1, end = 0;
        SendMessageW(GetDlgItem(w, OCR_ID_EDIT), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u) << c.what;  // all selected
        EXPECT_EQ(end, static_cast<DWORD>(GetWindowTextLengthW(GetDlgItem(w, OCR_ID_EDIT)))) << c.what;
        EXPECT_TRUE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) << c.what;
        if (const HWND check = GetDlgItem(w, OCR_ID_KEEP_BREAKS)) {
            EXPECT_FALSE(IsWindowEnabled(check)) << "equal texts";
        }
        if (GetDlgItem(w, OCR_ID_OPEN_LINK)) {
            click(w, OCR_ID_OPEN_LINK);
            EXPECT_TRUE(log.has("shell open: HTTPS://X/y\n")) << log.text();  // trimmed, its own case
        }
        DestroyWindow(w);
    }
}

TEST_F(OcrWindowTest, KeepLineBreaksChoosesTheTextForThisAndLaterWindows) {
    const HWND w = open("one two", "one\ntwo");
    ASSERT_NE(w, nullptr);
    const HWND check = GetDlgItem(w, OCR_ID_KEEP_BREAKS);
    EXPECT_TRUE(IsWindowEnabled(check));
    EXPECT_EQ(edit_text(w), "one two");
    SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    click(w, OCR_ID_KEEP_BREAKS);
    EXPECT_EQ(edit_text(w), "one\r\ntwo");
    EXPECT_TRUE(ocr_keep_line_breaks());

    const HWND later = open("a b", "a\nb");
    EXPECT_EQ(edit_text(later), "a\r\nb");  // the line text at once
    EXPECT_EQ(SendMessageW(GetDlgItem(later, OCR_ID_KEEP_BREAKS), BM_GETCHECK, 0, 0), BST_CHECKED);

    SendMessageW(check, BM_SETCHECK, BST_UNCHECKED, 0);
    click(w, OCR_ID_KEEP_BREAKS);
    EXPECT_FALSE(ocr_keep_line_breaks());
    EXPECT_EQ(edit_text(w), "one two");
}

TEST_F(OcrWindowTest, CopyAndCloseTakesTheSelectionOrAll) {
    struct Case {
        int start, end;
        std::string copied;
    };
    const Case cases[] = {{0, 0, "ab\ncd"}, {1, 5, "b\nc"}};
    for (const Case& c : cases) {
        set_clipboard("before");
        const HWND w = open("ab\ncd", "ab\ncd");
        ASSERT_NE(w, nullptr);
        SendMessageW(GetDlgItem(w, OCR_ID_EDIT), EM_SETSEL, c.start, c.end);
        click(w, OCR_ID_COPY);
        EXPECT_FALSE(IsWindow(w));
        EXPECT_EQ(clipboard_text(), c.copied) << c.start << "-" << c.end;
    }
}

TEST_F(OcrWindowTest, AWindowThatCannotBeMadeLeavesTheTextOnTheClipboardAndSaysWhy) {
    close_ocr_windows();
    // Without its class the window cannot be made.
    ASSERT_TRUE(UnregisterClassW(OCR_WINDOW_CLASS.name, GetModuleHandleW(nullptr)));
    for (const bool busy : {false, true}) {
        set_clipboard("before");
        const LogCapture log;
        {
            std::optional<ClipboardHolder> holder;
            if (busy) {
                ASSERT_TRUE(holder.emplace().held());
            }
            show_ocr_window("found text", "found text", Rect{100, 100, 400, 300}, true, std::nullopt);
        }
        EXPECT_TRUE(ocr_windows().empty());
        EXPECT_EQ(clipboard_text(), busy ? "before" : "found text");
        // One notice (a second would replace it): what failed, the system's reason, and where the text is.
        const std::string title = std::string("balloon: ") + ui_text(RESULT_WINDOW_FAILED) + " | ";
        const std::string end = std::string("\\n") + ui_text(busy ? COPY_FAILED : TEXT_ON_CLIPBOARD);
        std::vector<std::string> balloons;
        for (const std::string& l : log.messages())
            if (l.starts_with("balloon: ")) balloons.push_back(l);
        ASSERT_EQ(balloons.size(), 1u) << log.text();
        EXPECT_TRUE(balloons[0].starts_with(title) && balloons[0].ends_with(end) &&
                    balloons[0].size() > title.size() + end.size())
            << balloons[0];
    }
    ensure_ocr_window_class();
}

TEST_F(OcrWindowTest, CopyAndCloseKeepsTheWindowWhileTheClipboardIsBusy) {
    set_clipboard("before");
    const HWND w = open("kept", "kept");
    ASSERT_NE(w, nullptr);
    {
        const LogCapture log;
        const ClipboardHolder holder;
        ASSERT_TRUE(holder.held());
        click(w, OCR_ID_COPY);
        EXPECT_TRUE(IsWindow(w)) << "the text would be lost with the window";
        EXPECT_TRUE(log.has(std::string("balloon: ") + ui_text(COPY_FAILED) + " | " + ui_text(CLIPBOARD_BUSY)))
            << log.text();
    }
    click(w, OCR_ID_COPY);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(clipboard_text(), "kept");
}

TEST_F(OcrWindowTest, EscClosesWithoutCopyingAndTabMovesOn) {
    set_clipboard("before");
    HWND w = open("text", "text\n");  // texts that differ: the check box takes part
    ASSERT_NE(w, nullptr);
    const HWND edit = GetDlgItem(w, OCR_ID_EDIT);
    SetFocus(edit);
    MSG tab{edit, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(ocr_window_dialog_message(tab));
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), OCR_ID_KEEP_BREAKS);
    EXPECT_EQ(edit_text(w), "text");  // nothing typed into the text
    MSG next{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(ocr_window_dialog_message(next));
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), OCR_ID_TRANSLATE);
    MSG mouse{edit, WM_LBUTTONDOWN, 0, 0, 0, {}};
    EXPECT_FALSE(ocr_window_dialog_message(mouse));

    // Esc on a button is the dialog's cancel: Close.
    MSG esc_button{GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(ocr_window_dialog_message(esc_button));
    EXPECT_FALSE(IsWindow(w));

    w = open("text", "text");
    SetFocus(GetDlgItem(w, OCR_ID_EDIT));
    MSG esc{GetDlgItem(w, OCR_ID_EDIT), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(ocr_window_dialog_message(esc));
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(clipboard_text(), "before");
}

TEST_F(OcrWindowTest, TranslateOpensThePageOrCopiesWhenTooLong) {
    SETTINGS.borrow()->translate_to = "de";
    SETTINGS.borrow()->translate_url = "oxel-test:{to}/{text}";
    struct Case {
        std::string text;
        std::string opened;
        bool copied;
        bool clipboard_busy = false;
    };
    const Case cases[] = {
        {"  a b\xC3\xBC  ", "oxel-test:de/a%20b%C3%BC", false},
        // 8,001 bytes: copied instead. (8,000 bytes would be opened: the native tests check the
        // limit, since Wine's ShellExecuteW fails on so long a target.)
        {std::string(7988, 'x'), "oxel-test:de/", true},
        {"   ", "", false},
        // Not copied: an empty page would be no use, so nothing opens and the user is told.
        {std::string(7988, 'x'), "", false, true},
    };
    const HWND w = open("", "");
    const HWND edit = GetDlgItem(w, OCR_ID_EDIT);
    for (const Case& c : cases) {
        LogCapture log;
        set_clipboard("before");
        SetWindowTextW(edit, to_wide(c.text).c_str());
        SendMessageW(edit, EM_SETSEL, 0, 0);
        {
            std::optional<ClipboardHolder> holder;
            if (c.clipboard_busy) {
                ASSERT_TRUE(holder.emplace().held());
            }
            click(w, OCR_ID_TRANSLATE);
        }
        EXPECT_EQ(log.has(std::string("balloon: ") + ui_text(COPY_FAILED)), c.clipboard_busy) << log.text();
        if (c.opened.empty()) {
            EXPECT_FALSE(log.has("shell open:"));
        } else {
            EXPECT_TRUE(log.has("shell open: " + c.opened + "\n")) << c.text.size();
        }
        EXPECT_EQ(clipboard_text(), c.copied ? std::string(trim(c.text)) : "before") << c.text.size();
        EXPECT_EQ(log.has(std::string("balloon: Ormick Oxel | ") + ui_text(TRANSLATE_TEXT_TOO_LONG)), c.copied);
    }
}

TEST_F(OcrWindowTest, LanguageBoxListsTheLanguagesStartsAtTheSettingAndAddsOne) {
    LogCapture log;
    SETTINGS.borrow()->ocr_lang = "JA";
    const HWND w = open("x", "x", {{"en-US", "English (United States)"}, {"ja", "Japanese"}});
    const HWND box = GetDlgItem(w, OCR_ID_LANGUAGE);
    ASSERT_EQ(SendMessageW(box, CB_GETCOUNT, 0, 0), 4);
    const auto item = [&](int i) {
        std::wstring t(static_cast<size_t>(SendMessageW(box, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        SendMessageW(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(t.data()));
        t.resize(t.size() - 1);
        return from_wide(t);
    };
    EXPECT_EQ(item(0), ui_text(OCR_LANGUAGE_AUTO));
    EXPECT_EQ(item(1), "English (United States)  (en-US)");
    EXPECT_EQ(item(2), "Japanese  (ja)");
    EXPECT_EQ(item(3), ui_text(OCR_ADD_LANGUAGE));
    EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), 2);

    choose_language(w, 3);  // "Add a language…": the settings page, and the box goes back
    EXPECT_TRUE(log.has("shell open: ms-settings:regionlanguage")) << log.text();
    EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), 2);
    choose_language(w, 2);  // the item already chosen
    EXPECT_TRUE(reruns.empty());
    EXPECT_EQ(edit_text(w), "x");

    SETTINGS.borrow()->ocr_lang = "fr";  // not installed: Automatic
    const HWND other = open("x", "x", {{"en-US", "English"}});
    EXPECT_EQ(SendMessageW(GetDlgItem(other, OCR_ID_LANGUAGE), CB_GETCURSEL, 0, 0), 0);
}

TEST_F(OcrWindowTest, TwoQuickLanguageChangesShowOnlyTheSecondResult) {
    const ScratchEnvFolder appdata("ocr-window", {"APPDATA"});
    const HWND w = open("first", "first", {{"en-US", "English"}, {"ja", "Japanese"}});
    choose_language(w, 2);
    choose_language(w, 0);
    ASSERT_EQ(reruns.size(), 2u);
    EXPECT_EQ(reruns[0].tag, "ja");
    EXPECT_EQ(reruns[0].request, 1u);
    EXPECT_EQ(reruns[1].tag, "");
    EXPECT_EQ(reruns[1].request, 2u);
    EXPECT_EQ(reruns[1].target, w);
    EXPECT_EQ(reruns[1].pixels.size(), 12u);
    EXPECT_EQ(reruns[1].width, 4);
    EXPECT_EQ(edit_text(w), ui_text(OCR_RECOGNIZING));
    EXPECT_EQ(SETTINGS.borrow()->ocr_lang, "");
    EXPECT_NE(read_whole_file(settings_path()).find("ocr_lang="), std::string::npos);

    rerun_answer(w, 1, OcrText{"stale", "stale"});
    EXPECT_EQ(edit_text(w), ui_text(OCR_RECOGNIZING));
    rerun_answer(w, 2, OcrText{"new text", "new\ntext"});
    EXPECT_EQ(edit_text(w), "new text");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(w, OCR_ID_KEEP_BREAKS)));

    choose_language(w, 1);
    rerun_answer(w, 3, make_error("engine gone"));
    EXPECT_EQ(edit_text(w), std::string(ui_text(OCR_FAILED)) + ": engine gone");
    // The texts stay: "Keep line breaks" shows the last good ones.
    click(w, OCR_ID_KEEP_BREAKS);
    EXPECT_EQ(edit_text(w), "new text");

    // A result still queued when the window goes is freed with it.
    choose_language(w, 2);
    ASSERT_TRUE(post_result(w, WM_APP_OCR_RERUN_DONE, 4, std::make_unique<OcrTextResult>(OcrText{"late", "late"})));
    DestroyWindow(w);
    MSG m;
    EXPECT_FALSE(PeekMessageW(&m, nullptr, WM_APP_OCR_RERUN_DONE, WM_APP_OCR_RERUN_DONE, PM_REMOVE));
}
