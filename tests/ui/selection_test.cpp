// The selection's exchange against a scripted desk: a program in front that
// copies its selection as Ctrl+C asks (and not as Ctrl+Shift+C), and pastes
// by asking the clipboard for the words; a clipboard manager, other programs'
// copies and a clipboard held open by another program; and a clock that
// moves only when the exchange waits.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>

#include "selection.hpp"
#include "selection_outcome.hpp"
#include "win_text.hpp"

namespace numora::ui {
namespace {

HWND window(std::uintptr_t id) {
    return reinterpret_cast<HWND>(id);
}
const HWND kNumora = window(1);
const HWND kTarget = window(2);
const HWND kElsewhere = window(3);
constexpr DWORD kTargetProcess = 20, kOtherProcess = 30;
constexpr DWORD kNever = 1'000'000;

struct Script {
    const char* what = "";
    const wchar_t* selected = L"5";  // what Ctrl+C copies; nullptr: nothing
    bool line_copy = false;          // copied as a code editor copies the caret's line
    DWORD keys_up_at = 0;            // the chord's keys let go at this ms
    HWND front = kTarget;
    const wchar_t* front_class = L"Edit";
    bool above = false;               // run as administrator
    DWORD copy_after = 20;            // ms from Ctrl+C to its copy
    DWORD paste_after = 20;           // ms from Ctrl+V to its asking for the words
    DWORD holds_open = 10;            // ms it holds the clipboard open as it reads
    DWORD monitor_after = kNever;     // a clipboard manager asks for the words, ms after the offer
    DWORD other_copy_at = kNever;     // another program copies at this ms
    DWORD front_changes_at = kNever;  // the user goes to another window
    DWORD busy_from = 0, busy_until = 0;  // another program holds the clipboard open
    bool read_fails = false;
    bool cannot_keep = false;    // the clipboard holds data no copy can be made of
    bool render_counts = false;  // writing the words moves the sequence number
};

// What the clipboard holds, by whose doing.
enum class Held { user, copy, promise, words, other };

class Desk final : public Keys, public Clipboard, public ui::Desk {
public:
    explicit Desk(const Script& script)
        : script_(script),
          front_(script.front),
          other_copy_at_(script.other_copy_at),
          front_changes_at_(script.front_changes_at) {}

    bool chord_down() const override { return clock_ < script_.keys_up_at; }
    void send_copy() override {
        copied_at_ = clock_;
        // With Shift still held the program gets Ctrl+Shift+C: another command.
        if (!chord_down() && script_.selected != nullptr) copy_at_ = clock_ + script_.copy_after;
    }
    void send_paste() override { paste_at_ = clock_ + script_.paste_after; }

    DWORD sequence() const override { return sequence_; }
    DWORD owner_process() const override { return owner_; }
    win::Kept keep() override {
        if (busy()) return win::Kept::busy;
        if (script_.cannot_keep) return win::Kept::cannot_keep;
        kept_ = {held_, text_};
        return win::Kept::kept;
    }
    win::ClipboardText read() override {
        if (busy() || script_.read_fails) return {};
        if (held_ != Held::copy) return {win::ClipboardText::Status::no_text, {}, sequence_};
        return {win::ClipboardText::Status::text, text_, sequence_, script_.line_copy};
    }
    win::Replaced offer(DWORD if_still, std::string_view words, DWORD target) override {
        if (busy()) return win::Replaced::busy;
        if (if_still != sequence_) return win::Replaced::newer_copy;
        EXPECT_EQ(target, kTargetProcess);
        set(Held::promise, win::to_wide(words), 0);
        rendered_ = {};
        monitor_at_ = clock_ + script_.monitor_after;
        return win::Replaced::written;
    }
    win::Rendered rendered() const override { return rendered_; }
    DWORD opened_by() const override { return clock_ < open_until_ ? kTargetProcess : 0; }
    win::Replaced put_back(DWORD if_still) override {
        if (busy()) return win::Replaced::busy;
        if (if_still != sequence_) return win::Replaced::newer_copy;
        set(kept_->first, kept_->second, 0);
        put_back_at_ = clock_;
        return win::Replaced::written;
    }

    HWND front() const override { return front_; }
    std::wstring class_of(HWND) const override { return script_.front_class; }
    DWORD process_of(HWND window) const override {
        return window == kTarget ? kTargetProcess : kOtherProcess;
    }
    bool above_numora(HWND) const override { return script_.above; }
    DWORD now() const override { return clock_; }
    void pause(DWORD ms) override { run_until(clock_ + ms); }

    // Time passes to `end`, each program's doing at its ms; whatever they
    // still do once the exchange has ended, too.
    void run_until(DWORD end) {
        for (;;) {
            const DWORD next = std::min(
                {other_copy_at_, front_changes_at_, copy_at_, monitor_at_, paste_at_, end});
            clock_ = std::max(clock_, next);
            if (next == end) break;
            happen();
        }
    }

    Held held() const { return held_; }
    bool other_copied() const { return other_copied_; }
    const std::wstring& document() const { return document_; }
    std::optional<DWORD> copied_at_, put_back_at_, pasted_at_;

private:
    bool busy() const { return clock_ >= script_.busy_from && clock_ < script_.busy_until; }
    void set(Held held, std::wstring text, DWORD owner) {
        held_ = held;
        text_ = std::move(text);
        owner_ = owner;
        ++sequence_;
    }
    // The words written when a program asks; the asker's process holds it open.
    void render(bool by_target) {
        held_ = Held::words;
        (by_target ? rendered_.to_target : rendered_.to_other) = true;
        if (script_.render_counts) ++sequence_;
        rendered_.sequence = sequence_;
    }
    // What the programs do at this ms, each once.
    void happen() {
        const auto now = [&](DWORD& at) { return at == clock_ && (at = kNever, true); };
        if (now(other_copy_at_)) {
            set(Held::other, L"Nauja kopija", kOtherProcess);
            other_copied_ = true;
        }
        if (now(front_changes_at_)) front_ = kElsewhere;
        if (now(copy_at_)) set(Held::copy, script_.selected, kTargetProcess);
        if (now(monitor_at_) && held_ == Held::promise) render(false);
        if (now(paste_at_)) {
            if (held_ == Held::promise) render(true);
            document_ = text_;
            pasted_at_ = clock_;
            open_until_ = clock_ + script_.holds_open;
        }
    }

    const Script& script_;
    HWND front_;
    DWORD clock_ = 0;
    DWORD sequence_ = 7;
    Held held_ = Held::user;
    std::wstring text_ = L"Kita kopija";
    DWORD owner_ = kOtherProcess;
    std::optional<std::pair<Held, std::wstring>> kept_;
    win::Rendered rendered_{true, false, 3};  // a previous exchange's
    DWORD other_copy_at_, front_changes_at_;
    DWORD copy_at_ = kNever, paste_at_ = kNever, monitor_at_ = kNever, open_until_ = 0;
    bool other_copied_ = false;
    std::wstring document_ = L"5";  // the selection, or what was pasted in its place
};

const Style kStyle{.money = true, .first_capital = true, .currency = &kLitas};

SelectionResult run(Desk& desk) {
    return replace_selection(desk, desk, desk, kNumora, {".", " ", false}, kStyle);
}

TEST(Selection, WordsStandInPlaceAndTheClipboardComesBack) {
    struct Case {
        Script script;
        Selection ends;
        const wchar_t* document;
        Held clipboard = Held::user;
    };
    const Case cases[] = {
        {{"an amount"}, Selection::replaced, L"Penki Lt"},
        {{.what = "blanks, no-break spaces and the line end around it",
          .selected = L" \u00A05  \r\n"},
         Selection::replaced,
         L" \u00A0Penki Lt  \r\n"},
        {{.what = "a block", .selected = L"5\t6\r\n\r\n7\r\n"},
         Selection::replaced,
         L"Penki Lt\tŠeši Lt\r\n\r\nSeptyni Lt\r\n"},
        {{.what = "a block with blank cells at its edges", .selected = L"  \t5\n \n"},
         Selection::replaced,
         L"  \tPenki Lt\n \n"},
        {{.what = "the keys let go 300 ms late", .keys_up_at = 300},
         Selection::replaced,
         L"Penki Lt"},
        {{.what = "a paste that asks 1.5 s late", .paste_after = 1500},
         Selection::replaced,
         L"Penki Lt"},
        {{.what = "a clipboard manager first", .monitor_after = 0},
         Selection::unconfirmed,
         L"Penki Lt"},
        {{.what = "writing the words counts as a change", .render_counts = true},
         Selection::replaced,
         L"Penki Lt"},
        {{.what = "the keys held on", .keys_up_at = 5000}, Selection::keys_held, L"5"},
        {{.what = "nothing selected", .selected = nullptr}, Selection::nothing_selected, L"5"},
        {{.what = "blanks alone", .selected = L"  \r\n"}, Selection::nothing_selected, L"5"},
        {{.what = "the caret's line copied whole", .selected = L"125.50\r\n", .line_copy = true},
         Selection::nothing_selected,
         L"5"},
        {{.what = "a refused cell", .selected = L"5\r\n5x"}, Selection::refused, L"5"},
        {{.what = "a copy 2.6 s late", .copy_after = 2600}, Selection::late_copy, L"5"},
        {{.what = "no paste ever", .paste_after = kNever}, Selection::not_pasted, L"5"},
        {{.what = "another window in front by then", .front_changes_at = 10},
         Selection::front_changed,
         L"5"},
        {{.what = "a console", .front_class = L"ConsoleWindowClass"}, Selection::terminal, L"5"},
        {{.what = "PuTTY", .front_class = L"PuTTY"}, Selection::terminal, L"5"},
        {{.what = "a program run as administrator", .above = true}, Selection::above_numora, L"5"},
        {{.what = "data that cannot come back", .cannot_keep = true}, Selection::cannot_keep, L"5"},
        {{.what = "the copy not read", .read_fails = true}, Selection::busy, L"5"},
        {{.what = "the clipboard held open 1 s as it is put back",
          .busy_from = 100,
          .busy_until = 1100},
         Selection::replaced,
         L"Penki Lt"},
        {{.what = "Numora's own window", .front = kNumora}, Selection::own_window, L"5"},
        {{.what = "a newer copy while the paste is read", .other_copy_at = 60},
         Selection::replaced,
         L"Penki Lt",
         Held::other},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script.what);
        Desk desk(c.script);
        const SelectionResult result = run(desk);
        desk.run_until(20'000);
        EXPECT_EQ(result.ends, c.ends);
        EXPECT_FALSE(result.not_put_back);
        EXPECT_EQ(desk.document(), c.document);
        EXPECT_EQ(desk.held(), c.clipboard);
        // Nothing is sent while the chord is held, nor to a terminal or to Numora.
        if (desk.copied_at_) {
            EXPECT_GE(*desk.copied_at_, c.script.keys_up_at);
        }
        // What the clipboard held goes back only once the program has had the words.
        if (desk.pasted_at_ && desk.put_back_at_) {
            EXPECT_GT(*desk.put_back_at_, *desk.pasted_at_);
        }
    }
}

// Any order and timing of the programs' doings, and any fault: afterwards the
// clipboard holds the user's copy, or a copy another program made after the
// press; the document holds the words or is as it was; and whenever the
// words are not in place, or the user's copy is not back, the user is told.
TEST(Selection, NothingIsLostWhateverThePrograms) {
    std::mt19937 random(2026);
    const auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    const auto between = [&](DWORD low, DWORD high) {
        return low + static_cast<DWORD>(random() % (high - low + 1));
    };
    const wchar_t* const selections[] = {L"5", L" 5 \r\n", L"5\t6", L"  ", L"5x", nullptr};
    for (int run_number = 0; run_number < 100'000; ++run_number) {
        Script script;
        script.selected = selections[random() % std::size(selections)];
        script.line_copy = chance(10);
        script.keys_up_at = chance(90) ? between(0, 400) : between(1500, 2500);
        script.front_class = chance(3) ? L"mintty" : L"Edit";
        script.above = chance(3);
        // Copies and pastes come within the waits or never: one later than
        // those would take what the clipboard holds then.
        script.copy_after = chance(80)   ? between(0, 600)
                            : chance(50) ? between(1900, 3900)
                                         : kNever;
        script.paste_after = chance(70)   ? between(0, 300)
                             : chance(70) ? between(300, 4900)
                                          : kNever;
        script.holds_open = between(0, 100);
        script.monitor_after = chance(20) ? between(0, 200) : kNever;
        script.other_copy_at = chance(10) ? between(0, 8000) : kNever;
        script.front_changes_at = chance(5) ? between(0, 3000) : kNever;
        if (chance(20)) {
            script.busy_from = between(0, 3000);
            script.busy_until = script.busy_from + between(0, chance(90) ? 3000 : 8000);
        }
        script.read_fails = chance(5);
        script.cannot_keep = chance(3);
        script.render_counts = chance(50);

        Desk desk(script);
        const SelectionResult result = run(desk);
        desk.run_until(30'000);
        const bool told = !message_of(result).empty();
        const std::wstring words = script.selected == nullptr
                                       ? L""
                                       : win::to_wide(in_place_of(win::to_utf8(script.selected),
                                                                  result.converted.outcome.text));
        const bool in_place = result.converted.accepted() && desk.document() == words;
        SCOPED_TRACE(::testing::Message()
                     << "run " << run_number << ", ends " << static_cast<int>(result.ends)
                     << "; keys up " << script.keys_up_at << ", copy " << script.copy_after
                     << ", paste " << script.paste_after << ", monitor " << script.monitor_after
                     << ", other copy " << script.other_copy_at << ", front "
                     << script.front_changes_at << ", busy " << script.busy_from << "-"
                     << script.busy_until << (script.read_fails ? ", read fails" : "")
                     << (script.line_copy ? ", line copy" : ""));
        // The user's own newer copy, made as the program pastes, is what it pastes.
        const bool newer = desk.other_copied() && desk.document() == L"Nauja kopija";
        ASSERT_TRUE(desk.document() == L"5" || in_place || newer) << win::to_utf8(desk.document());
        ASSERT_TRUE(in_place || told) << "the words are not in place, and nothing is said";
        const bool user_copy = desk.held() == Held::user || desk.held() == Held::other;
        ASSERT_TRUE(user_copy || (result.not_put_back && told))
            << "the clipboard holds " << static_cast<int>(desk.held());
    }
}

}  // namespace
}  // namespace numora::ui
