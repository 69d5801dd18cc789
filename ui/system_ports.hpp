// The exchange's interfaces over Windows itself: the keyboard's state and
// SendInput, the clipboard through win/, the foreground window and the clock.
#pragma once

#include "selection.hpp"
#include "settings.hpp"

namespace numora::ui {

class SystemPorts final : public Keys, public Clipboard, public Desk {
public:
    SystemPorts(HWND owner, win::Chord chord) : owner_(owner), chord_(chord) {}

    bool chord_down() const override;
    void send_copy() override;
    void send_paste() override;

    DWORD sequence() const override;
    bool keep() override;
    win::ClipboardText read() override;
    win::Replaced write(const win::ClipboardText& read, std::string_view words) override;
    win::Replaced put_back(DWORD if_still) override;

    HWND front() const override;
    std::wstring class_of(HWND window) const override;
    DWORD now() const override;
    void pause(DWORD ms) override;

private:
    HWND owner_;
    win::Chord chord_;
    win::KeptClipboard kept_;
};

}  // namespace numora::ui
