// Form1: the one window, its controls and what they do.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "chords.hpp"
#include "control_ids.hpp"
#include "copied.hpp"
#include "fonts.hpp"
#include "foreground.hpp"
#include "layout.hpp"
#include "notify_icon.hpp"
#include "offered_text.hpp"
#include "scoped_win.hpp"
#include "settings.hpp"

namespace numora::ui {

class Form1 {
public:
    explicit Form1(HINSTANCE instance);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Creates the window and runs the load sequence; false if it could not be
    // created. In the tray: no window shows, the notification area's icon does.
    bool Form_Load(int show, bool in_tray = false);
    // Brings the window of a Numora already running to the front, restored
    // if it was minimized or hidden; false if none answers.
    static bool bring_running_forward();
    // Takes the chords and keeps them; the use of one another program holds,
    // in which case none is registered.
    std::optional<ChordUse> take_hotkeys(const ChordPair& chords);
    // What the first paint can do without, once it is done.
    void after_first_paint();
    HWND hwnd() const { return hwnd_; }

private:
    static LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK Text1Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    // Message handlers.
    void OnCreate();
    void OnCommand(int id, int code);
    void OnActivate(WPARAM state);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    bool OnSysCommand(WPARAM command);
    void OnHotKey(WPARAM id);
    void OnClipboardChord();
    void OnSelectionChord();
    void OnTimer(UINT_PTR id);
    void OnNotifyIcon(UINT event);
    LRESULT OnShowRequest();
    LRESULT OnCtlColorStatic(HDC dc, HWND control);
    void OnClose();

    // Event procedures.
    void Command1_Click();
    bool Text1_KeyPress(wchar_t& key);
    bool Text1_Paste();
    void Check2_Click();
    void Picture1_Click();
    void Form_Unload();

    void create_controls(UINT dpi);
    void create_tooltips();
    void lay_out(UINT dpi);
    void fit_label_font();
    HWND control(ControlId id) const { return GetDlgItem(hwnd_, id); }
    bool checked(ControlId id) const;
    Style style() const;
    void show_message(const wchar_t* text) const;
    void bring_forward() const;
    void come_forward(const wchar_t* message);
    void refuse_copied(const wchar_t* message, std::string_view cell = {});
    void refuse_converted(const Converted& converted);
    void show_written(const BlockOutcome& outcome, std::wstring_view amounts_written);
    bool put_on_clipboard(const std::wstring& text);
    ChordPair chords_chosen() const { return {settings_.hotkey, settings_.selection_hotkey}; }
    void use_chords(const ChordPair& chords);
    void show_chords();
    void retake_hotkeys();
    void change_hotkeys();
    void show_window();
    void show_tray_icon();
    void end();
    void toggle_start_with_windows();
    void toggle_top_most();
    void toggle_with_digits();
    bool choose_from_submenu(WPARAM command);
    void choose_form(MoneyForm form);
    void choose_currency(const Currency& currency);
    void set_top_most(bool on);

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    HWND focus_ = nullptr;            // the control that had the focus when the window lost it
    HWND tips_ = nullptr;             // the tooltips, owned by the window
    win::Settings settings_;          // read at load, changed from the system menu
    Chords chords_{nullptr};          // those registered, or held by another program
    Foreground foreground_{nullptr};  // what should be in front, kept there a moment
    bool choosing_chords_ = false;    // the chords' dialog is open: none is registered
    std::optional<DWORD> written_;    // the clipboard's sequence number once words were put there
    win::OfferedText offered_;        // the selection's words, until a paste asks for them
    Fonts fonts_;
    std::unique_ptr<NotifyIcon> tray_;  // while started with /tray: × hides the window to it
    win::ScopedBitmap cross_;
    win::ScopedBitmap question_;
};

}  // namespace numora::ui
