// The selection's exchange against a scripted desk: a program in front that
// copies its selection as Ctrl+C asks (and not as Ctrl+Shift+C), a clipboard
// with a sequence number, and a clock that moves only when the exchange waits.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "selection.hpp"
#include "win_text.hpp"

namespace numora::ui {
namespace {

HWND window(std::uintptr_t id) {
    return reinterpret_cast<HWND>(id);
}
const HWND kNumora = window(1);
const HWND kTarget = window(2);
const HWND kElsewhere = window(3);

struct Script {
    const char* what;
    const wchar_t* selected = L"5";  // what Ctrl+C copies; nullptr: nothing
    DWORD keys_up_at = 0;            // the chord's keys let go at this ms
    HWND front = kTarget;
    const wchar_t* front_class = L"Edit";
    HWND front_after_copy = kTarget;  // the user went elsewhere as the copy was made
    bool copy_while_pasted = false;   // another copy comes while the paste is read
};

class Desk final : public Keys, public Clipboard, public ui::Desk {
public:
    explicit Desk(const Script& script) : script_(script), front_(script.front) {}

    bool chord_down() const override { return clock_ < script_.keys_up_at; }
    void send_copy() override {
        copied_at_ = clock_;
        // With Shift still held the program gets Ctrl+Shift+C: another command.
        if (chord_down() || script_.selected == nullptr) return;
        set(script_.selected);
        front_ = script_.front_after_copy;
    }
    void send_paste() override {
        pasted_ = text_;
        pasted_at_ = clock_;
    }

    DWORD sequence() const override { return sequence_; }
    bool keep() override {
        kept_ = text_;
        return true;
    }
    win::ClipboardText read() override {
        return {win::ClipboardText::Status::text, text_, sequence_};
    }
    win::Replaced write(const win::ClipboardText& read, std::string_view words) override {
        if (read.sequence != sequence_) return win::Replaced::newer_copy;
        set(win::to_wide(words));
        return win::Replaced::written;
    }
    win::Replaced put_back(DWORD if_still) override {
        if (if_still != sequence_) return win::Replaced::newer_copy;
        set(kept_);
        put_back_at_ = clock_;
        return win::Replaced::written;
    }

    HWND front() const override { return front_; }
    std::wstring class_of(HWND) const override { return script_.front_class; }
    DWORD now() const override { return clock_; }
    void pause(DWORD ms) override {
        clock_ += ms;
        if (pasted_ && script_.copy_while_pasted) set(L"6");
    }

    const std::wstring& clipboard() const { return text_; }
    std::optional<std::wstring> pasted_;
    std::optional<DWORD> copied_at_, pasted_at_, put_back_at_;

private:
    void set(std::wstring text) {
        text_ = std::move(text);
        ++sequence_;
    }

    const Script& script_;
    HWND front_;
    DWORD clock_ = 0;
    std::wstring text_ = L"Kita kopija";
    std::wstring kept_;
    DWORD sequence_ = 7;
};

TEST(Selection, WordsStandInPlaceAndTheClipboardComesBack) {
    struct Case {
        Script script;
        Selection ends;
        const wchar_t* pasted;  // nullptr: nothing
        const wchar_t* clipboard_after;
    };
    const Case cases[] = {
        {{"an amount"}, Selection::replaced, L"Penki Lt", L"Kita kopija"},
        {{"blanks and the line end around it", L" 5  \r\n"},
         Selection::replaced,
         L" Penki Lt  \r\n",
         L"Kita kopija"},
        {{"a block", L"5\t6\r\n\r\n7\r\n"},
         Selection::replaced,
         L"Penki Lt\tŠeši Lt\r\n\r\nSeptyni Lt\r\n",
         L"Kita kopija"},
        {{"a block with blank cells at its edges", L"  \t5\n \n"},
         Selection::replaced,
         L"  \tPenki Lt\n \n",
         L"Kita kopija"},
        {{"the keys let go 300 ms late", L"5", 300},
         Selection::replaced,
         L"Penki Lt",
         L"Kita kopija"},
        {{"the keys held on", L"5", 5000}, Selection::keys_held, nullptr, L"Kita kopija"},
        {{"nothing selected", nullptr}, Selection::nothing_selected, nullptr, L"Kita kopija"},
        {{"blanks alone", L"  \r\n"}, Selection::nothing_selected, nullptr, L"Kita kopija"},
        {{"a refused cell", L"5\r\n5x"}, Selection::refused, nullptr, L"Kita kopija"},
        {{"another window in front by then", L"5", 0, kTarget, L"Edit", kElsewhere},
         Selection::front_changed,
         nullptr,
         L"Kita kopija"},
        {{"a console", L"5", 0, kTarget, L"ConsoleWindowClass"},
         Selection::console,
         nullptr,
         L"Kita kopija"},
        {{"Windows Terminal", L"5", 0, kTarget, L"CASCADIA_HOSTING_WINDOW_CLASS"},
         Selection::console,
         nullptr,
         L"Kita kopija"},
        {{"Numora's own window", L"5", 0, kNumora}, Selection::own_window, nullptr, L"Kita kopija"},
        {{"a newer copy while the paste is read", L"5", 0, kTarget, L"Edit", kTarget, true},
         Selection::replaced,
         L"Penki Lt",
         L"6"},
    };
    const Style style{.money = true, .first_capital = true, .currency = &kLitas};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script.what);
        Desk desk(c.script);
        Converted converted;
        EXPECT_EQ(replace_selection(desk, desk, desk, kNumora, {".", " ", false}, style, converted),
                  c.ends);
        EXPECT_EQ(desk.pasted_, c.pasted ? std::optional<std::wstring>(c.pasted) : std::nullopt);
        EXPECT_EQ(desk.clipboard(), c.clipboard_after);
        // Nothing is sent while the chord is held, nor to a console or to Numora.
        if (desk.copied_at_) {
            EXPECT_GE(*desk.copied_at_, c.script.keys_up_at);
        }
        // The old data goes back only once the target has had the words.
        if (desk.pasted_at_ && desk.put_back_at_) {
            EXPECT_GE(*desk.put_back_at_ - *desk.pasted_at_, kPastedMs);
        }
    }
}

}  // namespace
}  // namespace numora::ui
