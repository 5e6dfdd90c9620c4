// Loads every resource of the program from this executable (the resource
// object is linked in) and checks what the window code relies on: template
// sizes, styles, fonts and controls, the menu's items, the strings, the
// pictures' sizes and colour depths, the button pictures' key-colour
// corners, the version block and the manifest.

#include "res/resource.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace {

enum class Kind { Dialog, Menu, String, Icon, Bitmap, VersionNumbers, VersionString, Manifest };

struct IconImage {
    int size;
    int bits;
};

// One row per resource (or per version value). Which fields count depends on
// the kind; the constructors below fill them.
struct ResourceCase {
    ResourceCase(const char* name, Kind kind, int id) : name(name), kind(kind), id(id) {}

    const char* name;
    Kind kind;
    int id;
    int width = 0, height = 0;   // dialog units, or pixels for bitmaps
    DWORD style = 0, exStyle = 0;
    const char* text = "";       // caption, string, menu popup, version key...
    const char* text2 = "";      // font face, version value
    int number = 0;              // font size, bitmap depth
    std::vector<int> ids;        // controls or menu items, in template order
    std::vector<std::string> texts;
    std::vector<IconImage> images;
    int cornerKeyPixels = -1;    // magenta pixels per left corner (-1: none checked)
};

// Test output names the case rather than dumping its bytes.
void PrintTo(const ResourceCase& c, std::ostream* os) { *os << c.name; }

ResourceCase Dialog(const char* name, int id, int cx, int cy, DWORD style, DWORD exStyle,
                    const char* caption, int points, const char* face, std::vector<int> ids) {
    ResourceCase c{name, Kind::Dialog, id};
    c.width = cx;
    c.height = cy;
    c.style = style;
    c.exStyle = exStyle;
    c.text = caption;
    c.number = points;
    c.text2 = face;
    c.ids = std::move(ids);
    return c;
}

ResourceCase Menu(const char* name, int id, const char* popup, std::vector<int> ids,
                  std::vector<std::string> texts) {
    ResourceCase c{name, Kind::Menu, id};
    c.text = popup;
    c.ids = std::move(ids);
    c.texts = std::move(texts);
    return c;
}

ResourceCase String(const char* name, int id, const char* text) {
    ResourceCase c{name, Kind::String, id};
    c.text = text;
    return c;
}

ResourceCase Icon(const char* name, int id, std::vector<IconImage> images) {
    ResourceCase c{name, Kind::Icon, id};
    c.images = std::move(images);
    return c;
}

ResourceCase Bitmap(const char* name, int id, int width, int height, int bits,
                    int cornerKeyPixels = -1) {
    ResourceCase c{name, Kind::Bitmap, id};
    c.width = width;
    c.height = height;
    c.number = bits;
    c.cornerKeyPixels = cornerKeyPixels;
    return c;
}

ResourceCase Version(const char* name, const char* key, const char* value) {
    ResourceCase c{name, Kind::VersionString, 0};
    c.text = key;
    c.text2 = value;
    return c;
}

ResourceCase Simple(const char* name, Kind kind) { return ResourceCase{name, kind, 0}; }

constexpr DWORD kChildPage = WS_CHILD | DS_SETFONT;
constexpr DWORD kModalPopup = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

const std::vector<ResourceCase>& Cases() {
    static const std::vector<ResourceCase> cases = {
        Dialog("AboutBox", IDD_ABOUTBOX, 236, 123, kModalPopup, 0, "About Quillon", 8,
               "MS Shell Dlg", {IDC_STATIC, IDC_STATIC, IDC_STATIC, IDC_STATIC, IDC_STATIC,
                                IDC_STATIC, IDOK}),
        Dialog("MainWindow", IDD_QUILLON_DIALOG, 447, 315, kModalPopup | WS_MINIMIZEBOX,
               WS_EX_APPWINDOW, "Quillon V1.31", 9, "MS Shell Dlg",
               {IDC_EXPLORER, IDC_BANNER, IDC_PAGE_FRAME, IDC_DOWNLOADER_PAGE_BUTTON,
                IDC_PLAYER_PAGE_BUTTON}),
        Dialog("DownloaderPage", IDD_DOWNLOADER_PAGE, 360, 271, kChildPage | WS_SYSMENU, 0, "", 8,
               "Microsoft Sans Serif",
               {IDC_STATIC, IDC_URL, IDC_DOWNLOAD, IDC_STATIC, IDC_SAVE_TO, IDC_BROWSE, IDC_HINT,
                IDC_TASK_LIST, IDC_RETRY, IDC_DELETE_TASK, IDC_DELETE_FILE, IDC_PLAY_VIDEO}),
        Dialog("PlayerPage", IDD_PLAYER_PAGE, 371, 282, kChildPage, 0, "", 8, "MS Shell Dlg",
               {IDC_SHOCKWAVEFLASH}),
        Menu("TaskMenu", IDR_TASK_MENU, "Main",
             {ID_TASK_PLAY, 0, ID_TASK_RETRY, ID_TASK_DELETE, ID_TASK_DELETE_FILE},
             {"&Play", "", "&Retry", "&Delete Task", "Delete Task&&&File"}),
        String("AboutItem", IDS_ABOUTBOX, "About Quillon(&A)..."),
        String("SocketsFailed", IDS_SOCKETS_INIT_FAILED, "Windows Socket Init Failed."),
        Icon("ProgramIcon", IDR_MAINFRAME, {{32, 32}, {16, 32}}),
        Icon("StateAnalysing", IDI_STATE_ANALYSING, {{16, 8}}),
        Icon("StateFailed", IDI_STATE_FAILED, {{16, 8}}),
        Icon("StateCompleted", IDI_STATE_COMPLETED, {{16, 8}}),
        Icon("StateWaiting", IDI_STATE_WAITING, {{16, 8}}),
        Icon("StateTransferring", IDI_STATE_TRANSFERRING, {{16, 8}}),
        Bitmap("Background", IDB_BACKGROUND, 778, 550, 24, 0),
        Bitmap("Banner", IDB_BANNER, 514, 68, 8),
        Bitmap("DownloaderNormal", IDB_DOWNLOADER_NORMAL, 173, 27, 24, 8),
        Bitmap("DownloaderDisabled", IDB_DOWNLOADER_DISABLED, 173, 27, 24, 8),
        Bitmap("DownloaderHot", IDB_DOWNLOADER_HOT, 173, 27, 24, 8),
        Bitmap("PlayerNormal", IDB_PLAYER_NORMAL, 173, 27, 24, 8),
        Bitmap("PlayerDisabled", IDB_PLAYER_DISABLED, 173, 27, 24, 8),
        Bitmap("PlayerHot", IDB_PLAYER_HOT, 173, 27, 24, 8),
        Simple("VersionNumbers", Kind::VersionNumbers),
        Version("CompanyName", "CompanyName", "Velmora"),
        Version("ProductName", "ProductName", "Quillon"),
        Version("FileDescription", "FileDescription", "Quillon"),
        Version("InternalName", "InternalName", "Quillon"),
        Version("OriginalFilename", "OriginalFilename", "Quillon"),
        Version("LegalCopyright", "LegalCopyright", nullptr),
        Simple("Manifest", Kind::Manifest),
    };
    return cases;
}

// --- reading a DLGTEMPLATEEX ----------------------------------------------

struct DialogHeader {
    WORD dlgVer, signature;
    DWORD helpID, exStyle, style;
    WORD cDlgItems;
    short x, y, cx, cy;
};

struct TemplateReader {
    const BYTE* p;

    WORD Word() {
        WORD w;
        std::memcpy(&w, p, sizeof w);
        p += sizeof w;
        return w;
    }
    // A string or an ordinal (0xFFFF, value); ordinals come back as "#value".
    std::string Text() {
        WORD first = Word();
        if (first == 0xFFFF)
            return "#" + std::to_string(Word());
        std::string s;
        for (WORD c = first; c != 0; c = Word())
            s += static_cast<char>(c);
        return s;
    }
};

struct FoundTemplate {
    DialogHeader header{};
    std::string caption, face;
    int points = 0;
    const DLGTEMPLATE* data = nullptr;
};

FoundTemplate ReadTemplate(int id) {
    FoundTemplate t;
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));  // RT_DIALOG
    if (!found)
        return t;
    const BYTE* bytes = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    std::memcpy(&t.header, bytes, sizeof t.header);
    TemplateReader r{bytes + 26};  // the packed header is 26 bytes
    r.Text();                      // menu
    r.Text();                      // window class
    t.caption = r.Text();
    if (t.header.style & DS_SETFONT) {
        t.points = r.Word();
        r.Word();  // weight
        r.Word();  // italic, charset
        t.face = r.Text();
    }
    t.data = reinterpret_cast<const DLGTEMPLATE*>(bytes);
    return t;
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

// --- the checks, one per kind ---------------------------------------------

void CheckDialog(const ResourceCase& c) {
    FoundTemplate t = ReadTemplate(c.id);
    ASSERT_NE(t.data, nullptr) << "no template " << c.id;
    EXPECT_EQ(t.header.dlgVer, 1);
    EXPECT_EQ(t.header.signature, 0xFFFF) << "not an extended template";
    EXPECT_EQ(t.header.cx, c.width);
    EXPECT_EQ(t.header.cy, c.height);
    EXPECT_EQ(t.header.style, c.style) << std::hex << t.header.style;
    EXPECT_EQ(t.header.exStyle, c.exStyle) << std::hex << t.header.exStyle;
    EXPECT_EQ(t.caption, c.text);
    EXPECT_EQ(t.points, c.number);
    EXPECT_EQ(t.face, c.text2);
    EXPECT_EQ(t.header.cDlgItems, c.ids.size());

    // The template must also create, with every control in template order.
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), t.data, parent,
                                             QuietDialogProc, 0);
    ASSERT_NE(dialog, nullptr) << "the template does not create, error " << GetLastError();
    std::vector<int> ids;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ids.push_back(GetDlgCtrlID(child));
    EXPECT_EQ(ids, c.ids);
    if (c.id == IDD_QUILLON_DIALOG) {
        HWND banner = GetDlgItem(dialog, IDC_BANNER);
        EXPECT_NE(SendMessageA(banner, STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << "no banner picture";
    }
    DestroyWindow(dialog);
    DestroyWindow(parent);
}

void CheckMenu(const ResourceCase& c) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.id));
    ASSERT_NE(menu, nullptr);
    char text[64] = {};
    GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, c.text);
    HMENU popup = GetSubMenu(menu, 0);
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(c.ids.size()));
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        text[0] = 0;
        GetMenuStringA(popup, i, text, sizeof text, MF_BYPOSITION);
        EXPECT_EQ(static_cast<int>(GetMenuItemID(popup, i)), c.ids[i]) << "item " << i;
        EXPECT_EQ(text, c.texts[i]) << "item " << i;
    }
    DestroyMenu(menu);
}

void CheckString(const ResourceCase& c) {
    char text[256] = {};
    EXPECT_GT(LoadStringA(GetModuleHandleA(nullptr), c.id, text, sizeof text), 0);
    EXPECT_STREQ(text, c.text);
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bits;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

void CheckIcon(const ResourceCase& c) {
    HRSRC group = FindResourceA(nullptr, MAKEINTRESOURCEA(c.id), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const BYTE* dir = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
    WORD count;
    std::memcpy(&count, dir + 4, sizeof count);
    ASSERT_EQ(count, c.images.size());
    for (WORD i = 0; i < count; ++i) {
        GroupIconEntry e;
        std::memcpy(&e, dir + 6 + i * sizeof e, sizeof e);
        EXPECT_EQ(e.width, c.images[i].size) << "image " << i;
        EXPECT_EQ(e.height, c.images[i].size) << "image " << i;
        EXPECT_EQ(e.bits, c.images[i].bits) << "image " << i;
    }
    for (const IconImage& image : c.images) {
        HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.id),
                                                   IMAGE_ICON, image.size, image.size, 0));
        ASSERT_NE(icon, nullptr) << image.size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bm{};
        GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, image.size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

void CheckBitmap(const ResourceCase& c) {
    HINSTANCE module = GetModuleHandleA(nullptr);
    HBITMAP device = LoadBitmapA(module, MAKEINTRESOURCEA(c.id));
    ASSERT_NE(device, nullptr);
    BITMAP bm{};
    GetObjectA(device, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, c.width);
    EXPECT_EQ(bm.bmHeight, c.height);
    DeleteObject(device);

    // The depth stored in the resource shows in a section made from it.
    HBITMAP section = static_cast<HBITMAP>(
        LoadImageA(module, MAKEINTRESOURCEA(c.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(section, nullptr);
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectA(section, sizeof dib, &dib), static_cast<int>(sizeof dib));
    EXPECT_EQ(dib.dsBm.bmBitsPixel, c.number);

    if (c.cornerKeyPixels >= 0 && c.number == 24) {
        // Count magenta pixels: in the top-left and bottom-left 4 x 4 corners,
        // and anywhere else (rows are stored bottom-up).
        int topLeft = 0, bottomLeft = 0, elsewhere = 0;
        const BYTE* bits = static_cast<const BYTE*>(dib.dsBm.bmBits);
        for (int row = 0; row < c.height; ++row) {
            const BYTE* line = bits + static_cast<size_t>(dib.dsBm.bmWidthBytes) * row;
            int y = c.height - 1 - row;
            for (int x = 0; x < c.width; ++x) {
                const BYTE* px = line + 3 * x;  // blue, green, red
                if (px[0] != 255 || px[1] != 0 || px[2] != 255)
                    continue;
                if (x < 4 && y < 4)
                    ++topLeft;
                else if (x < 4 && y >= c.height - 4)
                    ++bottomLeft;
                else
                    ++elsewhere;
            }
        }
        EXPECT_EQ(topLeft, c.cornerKeyPixels);
        EXPECT_EQ(bottomLeft, c.cornerKeyPixels);
        EXPECT_EQ(elsewhere, 0);
    }
    DeleteObject(section);
}

std::vector<BYTE> OwnVersionInfo() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    DWORD ignored = 0;
    std::vector<BYTE> info(GetFileVersionInfoSizeA(path, &ignored));
    if (!info.empty() && !GetFileVersionInfoA(path, 0, static_cast<DWORD>(info.size()), info.data()))
        info.clear();
    return info;
}

void CheckVersionNumbers(const ResourceCase&) {
    std::vector<BYTE> info = OwnVersionInfo();
    ASSERT_FALSE(info.empty()) << "no version block";
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010003u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00010001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010003u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00010001u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &size));
    ASSERT_GE(size, 4u);
    EXPECT_EQ(translation[0], 0x0409);  // US English
    EXPECT_EQ(translation[1], 1252);    // the ANSI code page of the texts
}

void CheckVersionString(const ResourceCase& c) {
    std::vector<BYTE> info = OwnVersionInfo();
    ASSERT_FALSE(info.empty()) << "no version block";
    std::string key = std::string("\\StringFileInfo\\040904e4\\") + c.text;
    char* value = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &size))
        << key;
    if (c.text2)
        EXPECT_STREQ(value, c.text2);
    else
        EXPECT_NE(std::strstr(value, "Velmora"), nullptr) << value;
}

void CheckManifest(const ResourceCase&) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    std::string xml(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                    SizeofResource(nullptr, found));
    for (const char* part : {"name=\"Microsoft.Windows.Common-Controls\"", "version=\"6.0.0.0\"",
                             "processorArchitecture=\"x86\"", "publicKeyToken=\"6595b64144ccf1df\""})
        EXPECT_NE(xml.find(part), std::string::npos) << part;

    // The manifest takes effect: the controls come from the side-by-side
    // assembly of version 6, not from the system folder. (The module's own
    // DllGetVersion is no witness: Wine's reports 5.81 for both.)
    HMODULE comctl = GetModuleHandleA("comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(comctl, path, sizeof path);
    std::string lower(path);
    for (char& ch : lower)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    EXPECT_NE(lower.find("microsoft.windows.common-controls_6595b64144ccf1df_6."), std::string::npos)
        << path;
}

class Resources : public ::testing::TestWithParam<ResourceCase> {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&init);
    }
};

TEST_P(Resources, LoadAsExpected) {
    const ResourceCase& c = GetParam();
    switch (c.kind) {
    case Kind::Dialog: CheckDialog(c); break;
    case Kind::Menu: CheckMenu(c); break;
    case Kind::String: CheckString(c); break;
    case Kind::Icon: CheckIcon(c); break;
    case Kind::Bitmap: CheckBitmap(c); break;
    case Kind::VersionNumbers: CheckVersionNumbers(c); break;
    case Kind::VersionString: CheckVersionString(c); break;
    case Kind::Manifest: CheckManifest(c); break;
    }
}

INSTANTIATE_TEST_SUITE_P(All, Resources, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<ResourceCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
