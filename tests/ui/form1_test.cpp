// Form1 inside the test process, where its fonts and its text can be looked at
// directly: what another process cannot read of a window.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cwctype>
#include <future>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <thread>

#include "driver.hpp"
#include "form1.hpp"
#include "hotkey_dialog.hpp"
#include "letter_case.hpp"
#include "module1.hpp"
#include "number_words.hpp"
#include "resource_ids.h"
#include "win_text.hpp"

namespace numora::ui {
namespace {

using e2e::expected_dpi;
using win::window_text;

// Font heights at the screen's DPI, rounded down.
int pixels(int twips) {
    return static_cast<int>(twips * expected_dpi() / 1440);
}

HFONT font_handle(HWND control) {
    return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
}

// A text's size in a control's own font, laid out as DrawText lays it out.
SIZE text_size(HWND control, const std::wstring& text, int width, UINT flags = DT_WORDBREAK) {
    const win::MeasuringDc dc(font_handle(control));
    RECT rect{0, 0, width, 0};
    DrawTextW(dc.get(), text.c_str(), -1, &rect, DT_CALCRECT | flags);
    return {rect.right, rect.bottom};
}

// The face GDI really chose for a control's font.
std::wstring face_of(HWND control) {
    const win::MeasuringDc dc(font_handle(control));
    wchar_t name[LF_FACESIZE];
    const int length = GetTextFaceW(dc.get(), LF_FACESIZE, name);
    return std::wstring(name, static_cast<std::size_t>(length > 0 ? length - 1 : 0));
}

LOGFONTW font_of(HWND control) {
    LOGFONTW font{};
    GetObjectW(font_handle(control), sizeof font, &font);
    return font;
}

// One window for the whole suite: a window class registers once per process.
class Form1Test : public testing::Test {
protected:
    static void SetUpTestSuite() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                            ICC_STANDARD_CLASSES | ICC_HOTKEY_CLASS};
        InitCommonControlsEx(&controls);
        // Another program holds the hotkey's chord as the window starts.
        ASSERT_TRUE(RegisterHotKey(nullptr, kHeld, MOD_CONTROL | MOD_SHIFT, VK_F11));
        form_ = new Form1(GetModuleHandleW(nullptr));
        ASSERT_TRUE(form_->Form_Load(SW_SHOWNOACTIVATE));
    }
    static void TearDownTestSuite() {
        UnregisterHotKey(nullptr, kHeld);
        DestroyWindow(form_->hwnd());
        delete form_;
    }
    static HWND item(int id) { return GetDlgItem(form_->hwnd(), id); }
    static std::wstring hotkey_item() {
        wchar_t text[128] = L"";
        GetMenuStringW(GetSystemMenu(form_->hwnd(), FALSE), Module1::kHotkeyCommand, text, 128,
                       MF_BYCOMMAND);
        return text;
    }

    static constexpr int kHeld = 7;

    static Form1* form_;
};

Form1* Form1Test::form_ = nullptr;

// Every size of the icon loads, the PNG images too, at its own size.
TEST(Icon, LoadsAtEverySize) {
    for (const int size : {16, 20, 24, 32, 48}) {
        const win::ScopedIcon icon(static_cast<HICON>(LoadImageW(
            GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_NUMORA), IMAGE_ICON, size, size, 0)));
        ASSERT_TRUE(icon) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon.get(), &info)) << size;
        BITMAP colour{};
        GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        EXPECT_EQ(colour.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
}

TEST_F(Form1Test, FontsAreBalticAtTheirSizes) {
    struct Expected {
        ControlId id;
        const wchar_t* face;
        int height_twips;
        bool fitted = true;  // down to a quarter less where a wider face stands in
    };
    constexpr std::array<Expected, 10> kNamed{{
        {kText1, L"MS Sans Serif", 270, false},
        {kCommand1, L"Verdana", 225, false},
        {kLabel1, L"MS Sans Serif", 195},
        {kFrame1, L"MS Sans Serif", 165},
        {kFrame2, L"MS Sans Serif", 165},
        {kFrame3, L"MS Sans Serif", 165},
        {kOption1, L"MS Sans Serif", 165},
        {kOption2, L"MS Sans Serif", 165},
        {kCheck1, L"MS Sans Serif", 165},
        {kCheck2, L"MS Sans Serif", 165},
    }};
    for (const auto& [id, face, height, fitted] : kNamed) {
        SCOPED_TRACE(id);
        const LOGFONTW font = font_of(item(id));
        EXPECT_STREQ(font.lfFaceName, face);
        EXPECT_LE(-font.lfHeight, pixels(height));
        EXPECT_GE(-font.lfHeight, fitted ? pixels(height) * 3 / 4 : pixels(height));
        EXPECT_EQ(font.lfWeight, FW_NORMAL);
        EXPECT_EQ(font.lfCharSet, 186);
        EXPECT_FALSE(font.lfItalic || font.lfUnderline || font.lfStrikeOut);
    }
}

TEST_F(Form1Test, CaptionsFitTheirControls) {
    const int box = GetSystemMetricsForDpi(SM_CXMENUCHECK, expected_dpi());
    for (const ControlId id : {kOption1, kOption2, kCheck1, kCheck2}) {
        SCOPED_TRACE(id);
        RECT rect;
        GetClientRect(item(id), &rect);
        const SIZE caption = text_size(item(id), window_text(item(id)), 0, DT_SINGLELINE);
        EXPECT_LE(box + caption.cx, rect.right)
            << "font " << testing::PrintToString(face_of(item(id)));
        EXPECT_LE(caption.cy, rect.bottom);
    }
}

// A result as the places it is made of: the words of the millions, of the
// thousands, of the units with the currency, and of the cents, each place
// given any of its values whatever the others hold (the whole value not 0).
class ResultPlaces {
public:
    explicit ResultPlaces(const Style& style) : style_(style) {}

    // The words at a place for a value, in the style's case, before any
    // capital first letter.
    std::vector<std::string> words(int place, int value) const {
        const bool capitals = style_.all_capitals;
        std::string text;
        const auto agreeing_word = [&](const ScaleWord& word) {
            const std::size_t from = text.size();
            text += agreeing(word, value);
            if (capitals) make_upper(text, from);
        };
        if (place == 0) append_words(text, value * 1'000'000, capitals);
        if (place == 1) append_words(text, value * 1000, capitals);
        const Currency& currency = *style_.currency;
        if (place == 2) {
            append_words(text, value, capitals, currency.gender);
            if (style_.form == MoneyForm::mark) text += currency.mark;
            if (style_.form != MoneyForm::mark) agreeing_word(currency.word);
        }
        if (place == 3 && value > 0 && style_.form == MoneyForm::full) {
            append_words(text, value, capitals, currency.minor_gender);
            agreeing_word(currency.minor);
        } else if (place == 3 && value > 0) {
            text = std::to_string(value);
            if (currency.minor_is_cent()) text += kCt;
            if (!currency.minor_is_cent()) agreeing_word(currency.minor);
        }
        std::vector<std::string> words;
        for (std::size_t from = 0; from < text.size();) {
            const std::size_t space = std::min(text.find(' ', from), text.size());
            if (space > from) words.push_back(text.substr(from, space - from));
            from = space + 1;
        }
        return words;
    }
    static constexpr std::array<int, 4> kValues{1000, 1000, 1000, 100};

private:
    Style style_;
};

// DrawText's word wrap, followed word by word: the pen's place on the line,
// -1 before the first word, and the lines broken so far.
class Wrap {
public:
    Wrap(HFONT font, int line_width, bool first_capital)
        : dc_(font), line_width_(line_width), first_capital_(first_capital) {}

    void put(std::string word, int& at, int& breaks) {
        if (at < 0) {
            if (first_capital_) make_first_upper(word);
            at = width(word);
        } else if (const int w = width(word); at + space_ + w <= line_width_) {
            at += space_ + w;
        } else {
            ++breaks;
            at = w;
        }
    }
    // The most lines any result takes: for each place on the line, the most
    // breaks that lead there, carried over every value of each place in turn.
    int most_lines(const ResultPlaces& places) {
        std::vector<int> best(static_cast<std::size_t>(line_width_) + 2, -1);  // by at + 1
        best[0] = 0;
        for (int place = 0; place < 4; ++place) {
            std::vector<int> next(best.size(), -1);
            for (int value = 0; value < ResultPlaces::kValues[std::size_t(place)]; ++value) {
                const auto words = places.words(place, value);
                for (std::size_t from = 0; from < best.size(); ++from) {
                    if (best[from] < 0) continue;
                    int at = static_cast<int>(from) - 1, breaks = best[from];
                    for (const auto& word : words) put(word, at, breaks);
                    EXPECT_LE(at, line_width_) << "a word wider than the label";
                    auto& kept = next[std::min(static_cast<std::size_t>(at + 1), best.size() - 1)];
                    kept = std::max(kept, breaks);
                }
            }
            best = std::move(next);
        }
        return 1 + *std::max_element(best.begin(), best.end());
    }
    int lines_of(const std::vector<std::string>& words) {
        int at = -1, breaks = 0;
        for (const auto& word : words) put(word, at, breaks);
        return 1 + breaks;
    }

private:
    int width(const std::string& word) {
        auto& known = widths_[word];
        if (known == 0) {
            const std::wstring wide = win::to_wide(word);
            SIZE size{};
            GetTextExtentPoint32W(dc_.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
            known = static_cast<int>(size.cx);
        }
        return known;
    }

    win::MeasuringDc dc_;
    int line_width_;
    bool first_capital_;
    std::map<std::string, int> widths_;
    int space_ = width(" ");
};

// Every result of every money form, case and currency wraps inside the label,
// in each form's own label font, chosen as the system menu chooses it. The
// wrap followed here is checked against DrawText's on sampled results, and
// those against the program's own results.
TEST_F(Form1Test, EveryResultWrapsInsideTheLabel) {
    RECT label;
    GetClientRect(item(kLabel1), &label);
    std::mt19937 draw(24);
    for (const MoneyForm form : {MoneyForm::full, MoneyForm::word, MoneyForm::mark}) {
        const auto command = Module1::kFormCommands[static_cast<std::size_t>(form)];
        SendMessageW(form_->hwnd(), WM_SYSCOMMAND, static_cast<WPARAM>(command), 0);
        const HFONT font = font_handle(item(kLabel1));
        TEXTMETRICW metrics{};
        GetTextMetricsW(win::MeasuringDc(font).get(), &metrics);
        const int room = label.bottom / metrics.tmHeight;
        for (const Currency& currency : kCurrencies) {
            for (const auto& [first, capitals] :
                 {std::pair{true, false}, {true, true}, {false, false}}) {
                const Style style{.first_capital = first,
                                  .all_capitals = capitals,
                                  .currency = &currency,
                                  .form = form};
                const ResultPlaces places(style);
                Wrap wrap(font, label.right, first && !capitals);
                const int most = wrap.most_lines(places);
                std::printf("%s%s%s: at most %d lines of %d, font %ld px\n", name_of(form).data(),
                            currency.mark.data(),
                            capitals ? " capitals"
                            : first  ? ""
                                     : " small",
                            most, room, -font_of(item(kLabel1)).lfHeight);
                EXPECT_LE(most, room) << name_of(form) << currency.mark;
                for (int sample = 0; sample < 200; ++sample) {
                    const std::array<int, 4> values{int(draw() % 1000), int(draw() % 1000),
                                                    int(draw() % 999) + 1, int(draw() % 100)};
                    std::vector<std::string> words;
                    for (int place = 0; place < 4; ++place) {
                        for (auto& word : places.words(place, values[std::size_t(place)])) {
                            words.push_back(std::move(word));
                        }
                    }
                    std::string text;
                    rodyk(text, {values[0] * 1'000'000 + values[1] * 1000 + values[2], values[3]},
                          style);
                    std::string joined;
                    for (const auto& word : words) joined += (joined.empty() ? "" : " ") + word;
                    if (!capitals && first) make_first_upper(joined);
                    ASSERT_EQ(joined, text);
                    const SIZE drawn = text_size(item(kLabel1), win::to_wide(text), label.right);
                    ASSERT_EQ(wrap.lines_of(words), drawn.cy / metrics.tmHeight) << text;
                }
                for (int cents = 0; cents < 100; ++cents) {  // and the whole value 0
                    std::string text;
                    rodyk(text, {0, cents}, style);
                    EXPECT_LE(text_size(item(kLabel1), win::to_wide(text), label.right).cy,
                              label.bottom);
                }
            }
        }
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, win::kSettingsKey);
}

TEST_F(Form1Test, LaysOutAgainWhenTheDpiChanges) {
    const UINT start = expected_dpi();
    for (const UINT dpi : {start * 3 / 2, start}) {
        SCOPED_TRACE(dpi);
        RECT suggested;
        GetWindowRect(form_->hwnd(), &suggested);
        SendMessageW(form_->hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        const auto at = [dpi](int twips) { return MulDiv(twips, static_cast<int>(dpi), 1440); };
        // The frame's own size follows the monitor's metrics, which a sent
        // message does not change: only what the window lays out is checked.
        RECT text;
        GetWindowRect(item(kText1), &text);
        MapWindowPoints(HWND_DESKTOP, form_->hwnd(), reinterpret_cast<POINT*>(&text), 2);
        EXPECT_NEAR(text.left, at(600), 1);
        EXPECT_NEAR(text.top, at(1320), 1);
        EXPECT_NEAR(text.right, at(600 + 1815), 1);
        EXPECT_NEAR(text.bottom, at(1320 + 495), 1);
        EXPECT_EQ(-font_of(item(kText1)).lfHeight, static_cast<int>(270 * dpi / 1440));
    }
}

// Closes the next message box of this process from another thread, giving its text.
std::future<std::wstring> close_next_message_box() {
    return std::async(std::launch::async, [] {
        for (int tries = 0; tries < 500; ++tries) {
            HWND box = FindWindowW(L"#32770", L"Numora");
            DWORD process = 0;
            GetWindowThreadProcessId(box, &process);
            if (box != nullptr && process == GetCurrentProcessId() && IsWindowVisible(box)) {
                const std::wstring text = window_text(GetDlgItem(box, 0xFFFF));
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                return text;
            }
            Sleep(10);
        }
        return std::wstring(L"(no box)");
    });
}

// The access keys of a menu's items, in capitals, in their order.
std::wstring access_keys(HMENU menu) {
    std::wstring keys;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = L"";
        GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
        std::wstring_view item(text);
        for (auto at = item.find(L'&'); at != std::wstring_view::npos && at + 1 < item.size();
             at = item.find(L'&', at + 2)) {
            if (item[at + 1] != L'&') keys += static_cast<wchar_t>(std::towupper(item[at + 1]));
        }
        std::printf("menu item %d: %ls\n", i, text);
    }
    return keys;
}

// The settings' items and the forms' submenu come before "Apie...", which
// stays last; their access keys belong to no other item of their menu in
// the locale the suite runs in.
TEST_F(Form1Test, SystemMenuItemsAndTheirAccessKeys) {
    HMENU menu = GetSystemMenu(form_->hwnd(), FALSE);
    const int count = GetMenuItemCount(menu);
    const std::array<UINT, 9> last{0,
                                   UINT(-1),
                                   Module1::kTopMostCommand,
                                   UINT(-1),
                                   Module1::kWithDigitsCommand,
                                   Module1::kHotkeyCommand,
                                   Module1::kStartupCommand,
                                   0,
                                   Module1::kAboutCommand};
    ASSERT_GE(count, static_cast<int>(last.size()));
    for (std::size_t i = 0; i < last.size(); ++i) {
        EXPECT_EQ(GetMenuItemID(menu, count - 9 + static_cast<int>(i)), last[i]) << i;
    }
    const std::wstring keys = access_keys(menu);
    for (const wchar_t key : {L'E', L'V', L'K', L'I', L'T', L'L'}) {
        EXPECT_EQ(std::count(keys.begin(), keys.end(), key), 1) << testing::PrintToString(keys);
    }
    HMENU forms = GetSubMenu(menu, count - 6);
    ASSERT_NE(forms, nullptr);
    ASSERT_EQ(GetMenuItemCount(forms), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(GetMenuItemID(forms, i), UINT(Module1::kFormCommands[std::size_t(i)])) << i;
    }
    EXPECT_EQ(access_keys(forms), L"123");
    HMENU currencies = GetSubMenu(menu, count - 8);
    ASSERT_NE(currencies, nullptr);
    ASSERT_EQ(GetMenuItemCount(currencies), static_cast<int>(kCurrencies.size()));
    for (std::size_t i = 0; i < kCurrencies.size(); ++i) {
        EXPECT_EQ(Module1::currency_chosen(GetMenuItemID(currencies, static_cast<int>(i))),
                  &kCurrencies[i]);
    }
    EXPECT_EQ(access_keys(currencies), L"LEUGPCSNDZ");
}

// The hotkey's item shows the chord in force, and whether another program
// holds it; let go, the chord is taken by the time the menu opens. A chord
// another holds, chosen in the dialog, leaves it as it was.
TEST_F(Form1Test, TheHotkeysItemSaysWhetherItIsTaken) {
    EXPECT_EQ(hotkey_item(), L"Spar&tieji klavišai: Ctrl+Shift+F11 (užimtas), Ctrl+Shift+F12...");
    UnregisterHotKey(nullptr, kHeld);
    HMENU menu = GetSystemMenu(form_->hwnd(), FALSE);
    SendMessageW(form_->hwnd(), WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    EXPECT_EQ(hotkey_item(), L"Spar&tieji klavišai: Ctrl+Shift+F11, Ctrl+Shift+F12...");
    EXPECT_FALSE(RegisterHotKey(nullptr, kHeld, MOD_CONTROL | MOD_SHIFT, VK_F11));
    const auto take = [](win::Chord chord) { return form_->take_hotkeys({win::Chord{}, chord}); };
    ASSERT_TRUE(RegisterHotKey(nullptr, kHeld, MOD_CONTROL | MOD_SHIFT, VK_F9));
    EXPECT_EQ(take({MOD_CONTROL | MOD_SHIFT, VK_F9}), ChordUse::selection);
    EXPECT_EQ(hotkey_item(), L"Spar&tieji klavišai: Ctrl+Shift+F11, Ctrl+Shift+F12...");
    EXPECT_FALSE(win::read_settings().selection_hotkey ==
                 (win::Chord{MOD_CONTROL | MOD_SHIFT, VK_F9}));
}

TEST_F(Form1Test, LongTextIsRefusedAtOnce) {
    // 16 K characters: Wine's edit control alone takes seconds over 64 K, and
    // the engine's benchmark times a whole megabyte.
    const std::wstring huge = std::wstring(1 << 14, L'7') + L"x";
    const auto start = std::chrono::steady_clock::now();
    SetWindowTextW(item(kText1), huge.c_str());
    const auto pasted = std::chrono::steady_clock::now();
    auto message = close_next_message_box();
    SendMessageW(item(kCommand1), BM_CLICK, 0, 0);  // returns once the box is closed
    const auto answered = std::chrono::steady_clock::now();
    EXPECT_EQ(message.get(), L"Turi būti skaičius");
    EXPECT_EQ(window_text(item(kLabel1)), L"");
    using std::chrono::duration_cast, std::chrono::milliseconds;
    std::printf("16 K characters: set in %lld ms, refused in %lld ms\n",
                static_cast<long long>(duration_cast<milliseconds>(pasted - start).count()),
                static_cast<long long>(duration_cast<milliseconds>(answered - pasted).count()));
}

}  // namespace
}  // namespace numora::ui

int main(int argc, char** argv) {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    testing::InitGoogleTest(&argc, argv);
    std::printf("%u dpi\n", numora::e2e::expected_dpi());
    return RUN_ALL_TESTS();
}
