// The exchange's interfaces over Windows itself: the keyboard's state and
// SendInput, the clipboard through win/, the foreground window and the clock.
#pragma once

#include "offered_text.hpp"
#include "selection.hpp"
#include "settings.hpp"

namespace numora::ui {

class SystemPorts final : public Keys, public Clipboard, public Desk {
public:
    // Numora's window, the selection's chord, and the words Numora's window
    // renders when a program asks for them.
    SystemPorts(HWND owner, win::Chord chord, win::OfferedText& offered)
        : owner_(owner), chord_(chord), offered_(offered) {}

    bool chord_down() const override;
    void send_copy() override;
    void send_paste() override;

    DWORD sequence() const override;
    DWORD owner_process() const override;
    win::Kept keep() override;
    win::ClipboardText read() override;
    win::Replaced offer(DWORD if_still, std::string_view words, DWORD target) override;
    win::Rendered rendered() const override { return offered_.rendered(); }
    DWORD opened_by() const override;
    win::Replaced put_back(DWORD if_still) override;

    HWND front() const override;
    std::wstring class_of(HWND window) const override;
    DWORD process_of(HWND window) const override;
    bool above_numora(HWND window) const override;
    DWORD now() const override;
    void pause(DWORD ms) override;

    // The clipboard's chord was pressed while the exchange ran: its turn comes after.
    bool clipboard_chord_pressed() const { return clipboard_chord_pressed_; }

private:
    HWND owner_;
    win::Chord chord_;
    win::OfferedText& offered_;
    win::KeptClipboard kept_;
    bool clipboard_chord_pressed_ = false;
};

}  // namespace numora::ui
