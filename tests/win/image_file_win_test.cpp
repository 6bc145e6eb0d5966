#include <gtest/gtest.h>
#include <windows.h>
#include <aclapi.h>
#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "gdip/gdip_win.h"
#include "image/dib_bitmap_win.h"
#include "image/file_names.h"
#include "image/image_file_win.h"
#include "util/text.h"
#include "win/env.h"
#include "win/handles.h"

#include "support/test_support_win.h"

namespace gp = Gdiplus::DllExports;

namespace {

using namespace test_support;

// Flat colour blocks with sharp edges, so JPEG's error stays small; the fourth byte is junk.
DibBitmap sample_bitmap(int32_t w, int32_t h) {
    std::optional<DibBitmap> dib = DibBitmap::create(w, h);
    if (!dib) ADD_FAILURE() << "DibBitmap::create";
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            const uint32_t colour = (x < w / 2) ? (y < h / 2 ? 0x0000C0u : 0xE0E0E0u) : (y < h / 2 ? 0xC02020u : 0x20A040u);
            dib->bits[y * w + x] = colour | 0x5A000000u;
        }
    }
    // A few single pixels that only a lossless format keeps.
    dib->bits[0] = 0x123456u;
    dib->bits[w * h - 1] = 0xFEDCBAu;
    return std::move(*dib);
}

struct Decoded {
    bool ok = false;
    uint32_t width = 0, height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB
};

Decoded decode_gdip(Gdiplus::GpBitmap* bitmap) {
    Decoded d;
    if (!bitmap) return d;
    UINT w = 0, h = 0;
    gp::GdipGetImageWidth(bitmap, &w);
    gp::GdipGetImageHeight(bitmap, &h);
    Gdiplus::GpRect rect(0, 0, static_cast<INT>(w), static_cast<INT>(h));
    Gdiplus::BitmapData data{};
    if (gp::GdipBitmapLockBits(bitmap, &rect, Gdiplus::ImageLockModeRead, PixelFormat32bppRGB, &data) == Gdiplus::Ok) {
        d.ok = true;
        d.width = w;
        d.height = h;
        for (UINT y = 0; y < h; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(data.Scan0) + y * data.Stride);
            for (UINT x = 0; x < w; ++x) d.pixels.push_back(row[x] & 0xFFFFFFu);
        }
        gp::GdipBitmapUnlockBits(bitmap, &data);
    }
    gp::GdipDisposeImage(bitmap);
    return d;
}

Decoded decode_file(const std::string& path) {
    ensure_gdiplus_started();
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (gp::GdipCreateBitmapFromFile(to_wide(path).c_str(), &bitmap) != Gdiplus::Ok) return {};
    return decode_gdip(bitmap);
}

Decoded decode_bytes(const std::string& bytes) {
    ensure_gdiplus_started();
    ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) return {};
    ULONG written = 0;
    stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
    LARGE_INTEGER zero{};
    stream->Seek(zero, STREAM_SEEK_SET, nullptr);
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (gp::GdipCreateBitmapFromStream(stream.Get(), &bitmap) != Gdiplus::Ok) return {};
    return decode_gdip(bitmap);
}

double mean_abs_error(const Decoded& d, const DibBitmap& dib) {
    double sum = 0;
    for (size_t i = 0; i < d.pixels.size(); ++i) {
        for (int shift : {0, 8, 16}) {
            sum += std::abs(static_cast<int>((d.pixels[i] >> shift) & 0xFF) - static_cast<int>((dib.bits[i] >> shift) & 0xFF));
        }
    }
    return sum / (3.0 * static_cast<double>(d.pixels.size()));
}

bool is_png(const std::string& bytes) { return bytes.rfind("\x89PNG\r\n\x1A\n", 0) == 0; }
bool is_jpeg(const std::string& bytes) {
    return bytes.size() > 4 && bytes.rfind("\xFF\xD8", 0) == 0 && bytes.compare(bytes.size() - 2, 2, "\xFF\xD9") == 0;
}

// The bytes of the PDF's image stream (object 4).
std::string pdf_image_stream(const std::string& pdf) {
    const size_t obj = pdf.find("4 0 obj\n");
    const size_t len = pdf.find("/Length ", obj);
    const size_t data = pdf.find(">>\nstream\n", len);
    if (obj == std::string::npos || len == std::string::npos || data == std::string::npos) return {};
    const size_t n = std::stoull(pdf.substr(len + 8));
    if (data + 10 + n > pdf.size()) return {};
    return pdf.substr(data + 10, n);
}

// Denies everyone adding files or folders to the folder while it lives, then puts its old
// access list back. Windows checks the list; Wine turns it into the folder's Unix permission,
// which root does not obey.
class DenyNewFiles {
public:
    explicit DenyNewFiles(const std::string& folder) : path_(to_wide(folder)) {
        PACL old_acl = nullptr;
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (GetNamedSecurityInfoW(path_.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                  &old_acl, nullptr, &descriptor) != ERROR_SUCCESS) {
            ADD_FAILURE() << "cannot read the access list of " << folder;
            return;
        }
        old_descriptor_.reset(descriptor);
        old_acl_ = old_acl;
        DWORD sid_size = sizeof everyone_;
        if (!CreateWellKnownSid(WinWorldSid, nullptr, everyone_, &sid_size)) {
            ADD_FAILURE() << "no SID for everyone";
            return;
        }
        EXPLICIT_ACCESSW deny{};
        deny.grfAccessPermissions = FILE_ADD_FILE | FILE_ADD_SUBDIRECTORY;
        deny.grfAccessMode = DENY_ACCESS;
        deny.grfInheritance = NO_INHERITANCE;
        BuildTrusteeWithSidW(&deny.Trustee, everyone_);
        PACL acl = nullptr;
        if (SetEntriesInAclW(1, &deny, old_acl_, &acl) != ERROR_SUCCESS) {
            ADD_FAILURE() << "cannot build the access list";
            return;
        }
        new_acl_.reset(acl);
        applied_ = SetNamedSecurityInfoW(path_.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                         acl, nullptr) == ERROR_SUCCESS;
        if (!applied_) ADD_FAILURE() << "cannot set the access list of " << folder;
    }
    ~DenyNewFiles() {
        if (applied_) {
            SetNamedSecurityInfoW(path_.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, old_acl_,
                                  nullptr);
        }
    }
    DenyNewFiles(const DenyNewFiles&) = delete;
    DenyNewFiles& operator=(const DenyNewFiles&) = delete;

private:
    std::wstring path_;
    LocalMemory old_descriptor_;  // owns old_acl_
    PACL old_acl_ = nullptr;
    LocalMemory new_acl_;
    alignas(SID) BYTE everyone_[SECURITY_MAX_SID_SIZE] = {};
    bool applied_ = false;
};

// Whether a new file can be made in the folder now (made and deleted again).
bool takes_new_files(const std::string& folder) {
    const std::wstring probe = to_wide(join_path(folder, "probe.tmp"));
    Handle file(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    if (!file) return false;
    file.reset();
    DeleteFileW(probe.c_str());
    return true;
}

class SaveImageTest : public ::testing::Test {
protected:
    std::string at(const std::string& name) const { return save_.at(name); }
    ScratchFolder save_{"save"};
    const std::string dir = save_.path();
};

}  // namespace

TEST_F(SaveImageTest, WritesTheFormatTheExtensionNames) {
    const DibBitmap dib = sample_bitmap(37, 23);
    enum Kind { Png, Jpeg, Pdf };
    struct Case { const char* name; Kind kind; };
    const Case cases[] = {
        {"a.png", Png}, {"b.JPEG", Jpeg}, {"c.jpg", Jpeg}, {"d.Pdf", Pdf},
        {"e.tiff", Png}, {"f", Png}, {".pdf", Png},
    };
    for (const Case& c : cases) {
        const Status s = save_image(dib, at(c.name));
        ASSERT_TRUE(s.ok()) << c.name << ": " << s.error().message;
        const std::string bytes = read_whole_file(at(c.name));
        switch (c.kind) {
        case Png: {
            EXPECT_TRUE(is_png(bytes)) << c.name;
            const Decoded d = decode_file(at(c.name));
            ASSERT_TRUE(d.ok) << c.name;
            ASSERT_EQ(d.width, 37u);
            ASSERT_EQ(d.height, 23u);
            for (size_t i = 0; i < d.pixels.size(); ++i) {
                ASSERT_EQ(d.pixels[i], dib.bits[i] & 0xFFFFFFu) << c.name << " pixel " << i;
            }
            break;
        }
        case Jpeg: {
            EXPECT_TRUE(is_jpeg(bytes)) << c.name;
            const Decoded d = decode_file(at(c.name));
            ASSERT_TRUE(d.ok) << c.name;
            EXPECT_EQ(d.width, 37u);
            EXPECT_EQ(d.height, 23u);
            EXPECT_LT(mean_abs_error(d, dib), 12.0) << c.name;
            break;
        }
        case Pdf: {
            EXPECT_EQ(bytes.rfind("%PDF-1.4\n", 0), 0u);
            EXPECT_NE(bytes.find("/MediaBox [0 0 27.75 17.25]"), std::string::npos);
            const std::string jpeg = pdf_image_stream(bytes);
            EXPECT_TRUE(is_jpeg(jpeg));
            const Decoded d = decode_bytes(jpeg);
            ASSERT_TRUE(d.ok);
            EXPECT_EQ(d.width, 37u);
            EXPECT_EQ(d.height, 23u);
            EXPECT_LT(mean_abs_error(d, dib), 12.0);
            break;
        }
        }
    }
    // Nothing but the saved files: no temporary file is left behind.
    std::vector<std::string> want;
    for (const Case& c : cases) want.push_back(c.name);
    std::sort(want.begin(), want.end());
    EXPECT_EQ(folder_names(dir), want);
}

TEST_F(SaveImageTest, ReplacesAnExistingFile) {
    write_whole_file(at("old.pdf"), "an older file of the same name");
    // The JPEG inside a PDF never passes through a file beside the target.
    write_whole_file(at("old.ormick-tmp.jpg"), "the user's own file");
    const DibBitmap dib = sample_bitmap(8, 8);
    ASSERT_TRUE(save_image(dib, at("old.pdf")).ok());
    EXPECT_EQ(read_whole_file(at("old.pdf")).rfind("%PDF-1.4", 0), 0u);
    EXPECT_EQ(read_whole_file(at("old.ormick-tmp.jpg")), "the user's own file");
    EXPECT_EQ(folder_names(dir), (std::vector<std::string>{"old.ormick-tmp.jpg", "old.pdf"}));
}

TEST_F(SaveImageTest, FailureReportsAnErrorAndKeepsTheOldFile) {
    const DibBitmap dib = sample_bitmap(16, 16);
    for (const char* name : {"locked.png", "locked.jpg", "locked.pdf"}) {
        write_whole_file(at(name), "precious");
        // Opened elsewhere without sharing.
        Handle lock(CreateFileW(to_wide(at(name)).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock);
        const Status s = save_image(dib, at(name));
        ASSERT_FALSE(s.ok()) << name;
        EXPECT_FALSE(s.error().message.empty()) << name;
        lock.reset();
        EXPECT_EQ(read_whole_file(at(name)), "precious") << name;
    }
    EXPECT_EQ(folder_names(dir), (std::vector<std::string>{"locked.jpg", "locked.pdf", "locked.png"}));

    // Wider than JPEG allows: the encoder fails before anything is written.
    const std::optional<DibBitmap> wide = DibBitmap::create(70000, 1);
    ASSERT_TRUE(wide);
    for (const char* name : {"locked.jpg", "locked.pdf"}) {
        const Status s = save_image(*wide, at(name));
        ASSERT_FALSE(s.ok()) << name;
        EXPECT_EQ(s.error().message, "JPEG encoder failed");
        EXPECT_EQ(read_whole_file(at(name)), "precious") << name;
    }

    // A folder that does not exist, and a name that is a folder.
    CreateDirectoryW(to_wide(at("taken.png")).c_str(), nullptr);
    for (const std::string& path : {at("missing\\shot.png"), at("missing\\shot.pdf"), at("taken.png")}) {
        const Status s = save_image(dib, path);
        ASSERT_FALSE(s.ok()) << path;
        EXPECT_FALSE(s.error().message.empty()) << path;
    }
    EXPECT_EQ(folder_names(dir), (std::vector<std::string>{"locked.jpg", "locked.pdf", "locked.png", "taken.png"}));
    EXPECT_TRUE(folder_names(at("taken.png")).empty());
}

TEST_F(SaveImageTest, ReadOnlyFolderReportsAnErrorAndKeepsTheOldFile) {
    const std::string folder = at("read-only");
    ASSERT_TRUE(CreateDirectoryW(to_wide(folder).c_str(), nullptr));
    const std::vector<std::string> names = {"shot.jpg", "shot.pdf", "shot.png"};
    for (const std::string& name : names) write_whole_file(join_path(folder, name), "precious");
    const DibBitmap dib = sample_bitmap(16, 16);
    {
        const DenyNewFiles deny(folder);
        if (takes_new_files(folder)) {
            GTEST_SKIP() << "the folder still takes new files: Wine running as root (uid 0) ignores the "
                            "folder's permission; run the tests as another user to check this";
        }
        for (const std::string& name : names) {
            const Status s = save_image(dib, join_path(folder, name));
            ASSERT_FALSE(s.ok()) << name;
            EXPECT_FALSE(s.error().message.empty()) << name;
            EXPECT_EQ(read_whole_file(join_path(folder, name)), "precious") << name;
        }
    }
    EXPECT_EQ(folder_names(folder), names);
}

TEST_F(SaveImageTest, AutoSavePathCountsUpWithinOneSecond) {
    bool checked = false;
    // Retried when the clock passes a second between the names.
    for (int attempt = 0; attempt < 5 && !checked; ++attempt) {
        std::vector<std::string> paths;
        for (int i = 0; i < 3; ++i) {
            paths.push_back(auto_save_path(dir, "png"));
            write_whole_file(paths.back(), "x");
        }
        const std::string first = paths[0].substr(0, paths[0].size() - 4);
        if (paths[2].rfind(first, 0) == 0) {
            EXPECT_EQ(parent_path(paths[0]), dir);
            EXPECT_EQ(paths[0].substr(dir.size() + 1, 7), "Ormick_");
            EXPECT_EQ(paths[0].size(), dir.size() + 1 + 22 + 4);
            EXPECT_EQ(paths[1], first + "_2.png");
            EXPECT_EQ(paths[2], first + "_3.png");
            checked = true;
        }
        for (const std::string& p : paths) DeleteFileW(to_wide(p).c_str());
    }
    EXPECT_TRUE(checked);
}

namespace {

// Drives the Save As dialog from another thread: reports the folder it opened in, then either
// types a name and presses Save, or cancels.
class DialogDriver {
public:
    explicit DialogDriver(std::wstring name) : name_(std::move(name)), thread_([this] { run(); }) {}
    ~DialogDriver() {
        if (thread_.joinable()) thread_.join();
    }
    std::wstring opened_in() {
        if (thread_.joinable()) thread_.join();
        return folder_;
    }

private:
    static HWND find_dialog() {
        struct Search { DWORD pid; HWND found; } search{GetCurrentProcessId(), nullptr};
        EnumWindows([](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            wchar_t cls[16] = {};
            GetClassNameW(w, cls, 16);
            if (pid == s->pid && std::wstring_view(cls) == L"#32770" && IsWindowVisible(w)) {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        }, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    void run() {
        HWND dialog = nullptr;
        for (int i = 0; i < 200 && !dialog; ++i) {
            Sleep(50);
            dialog = find_dialog();
        }
        if (!dialog) return;
        Sleep(200);  // let it finish filling its controls
        wchar_t folder[MAX_PATH] = {};
        if (SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder)) > 0) folder_ = folder;
        if (name_.empty()) {
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        SendMessageW(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(name_.c_str()));
        SendMessageW(dialog, CDM_SETCONTROLTEXT, edt1, reinterpret_cast<LPARAM>(name_.c_str()));
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    }

    std::wstring name_;
    std::wstring folder_;
    std::thread thread_;
};

}  // namespace

TEST_F(SaveImageTest, SaveAsOpensWhereTheLastFileWasChosen) {
    const ScratchFolder other_folder("other");
    const std::string other = other_folder.path();
    SAVE_DIALOG_STATE.borrow()->folder.reset();

    std::optional<std::string> chosen;
    std::wstring first_folder;
    {
        DialogDriver driver(to_wide(join_path(other, "picked")));
        chosen = ask_save_path(nullptr, dir);
        first_folder = driver.opened_in();
    }
    EXPECT_TRUE(iequals_ascii(from_wide(first_folder), dir)) << from_wide(first_folder);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(iequals_ascii(*chosen, join_path(other, "picked.png"))) << *chosen;
    ASSERT_TRUE(SAVE_DIALOG_STATE.borrow()->folder.has_value());
    EXPECT_TRUE(iequals_ascii(*SAVE_DIALOG_STATE.borrow()->folder, other));

    // The second time it opens in the folder chosen before; cancelling changes nothing.
    std::wstring second_folder;
    {
        DialogDriver driver(L"");
        chosen = ask_save_path(nullptr, dir);
        second_folder = driver.opened_in();
    }
    EXPECT_FALSE(chosen.has_value());
    EXPECT_TRUE(iequals_ascii(from_wide(second_folder), other)) << from_wide(second_folder);
    ASSERT_TRUE(SAVE_DIALOG_STATE.borrow()->folder.has_value());
    EXPECT_TRUE(iequals_ascii(*SAVE_DIALOG_STATE.borrow()->folder, other));

    SAVE_DIALOG_STATE.borrow()->folder.reset();
}
