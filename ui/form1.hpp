// Form1: the one window, its controls and what they do.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "control_ids.hpp"
#include "layout.hpp"
#include "scoped_win.hpp"
#include "settings.hpp"

namespace numora::ui {

class Form1 {
public:
    explicit Form1(HINSTANCE instance);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Creates the window and runs the load sequence; false if it could not be created.
    bool Form_Load(int show);
    // Brings the window of a Numora already running to the front; false if none is found.
    static bool bring_running_forward();
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
    void OnHotKey();
    BOOL OnTakeHotkey(const win::Chord& chord);
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
    void make_fonts(UINT dpi);
    HFONT font_for(const ControlDesign& design) const;
    HWND control(ControlId id) const { return GetDlgItem(hwnd_, id); }
    bool checked(ControlId id) const;
    Style style() const;
    void show_message(const wchar_t* text) const;
    void come_forward(const wchar_t* message);
    bool put_on_clipboard(const std::wstring& text);
    bool use_hotkey(win::Chord chord);
    void toggle_setting(int command);
    void choose_form(MoneyForm form);
    void set_top_most(bool on);

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    HWND focus_ = nullptr;       // the control that had the focus when the window lost it
    HWND tips_ = nullptr;        // the tooltips, owned by the window
    win::Settings settings_;     // read at load, changed from the system menu
    bool hotkey_taken_ = false;  // another program holds the chord of settings_.hotkey
    DWORD written_ = 0;          // the clipboard's sequence number once the words were put there
    bool answering_ = false;     // a hotkey's message box is open: a held chord's repeats wait
    std::array<win::ScopedFont, 4> fonts_;  // indexed by FontKind
    win::ScopedBitmap cross_;
    win::ScopedBitmap question_;
};

}  // namespace numora::ui
