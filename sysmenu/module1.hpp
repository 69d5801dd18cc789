// The "Apie..." command in the window's system menu, answered by a window
// procedure put over the window's own.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string_view>

#include "currency.hpp"
#include "format.hpp"

namespace Module1 {

// The system-menu command that shows the About box.
inline constexpr int kAboutCommand = 999;
// The settings' items; their commands go on to the window.
inline constexpr int kTopMostCommand = 1001;
// The radio items of the submenu "Kaip rašyti sumą", one per money form in
// the order of MoneyForm.
inline constexpr std::array<int, numora::kMoneyForms> kFormCommands{1002, 1003, 1004};
// The item that shows the chords in force and opens the dialog that changes them.
inline constexpr int kHotkeyCommand = 1005;
// "Paleisti kartu su Windows", ticked while Numora starts with Windows.
inline constexpr int kStartupCommand = 1006;
// "Su skaičiais", ticked while results are the amount's text and its words.
inline constexpr int kWithDigitsCommand = 1007;
// The radio items of the submenu "Valiuta, kai neįrašyta", one per currency
// in the order of kCurrencies, from this command on.
inline constexpr int kFirstCurrencyCommand = 1010;

// The money form a command chooses, or nothing for any other command.
std::optional<numora::MoneyForm> form_chosen(WPARAM command);
// The currency a command chooses, or nullptr for any other command.
const numora::Currency* currency_chosen(WPARAM command);

// The procedure WindowProc replaced; every message but the command goes there.
extern WNDPROC prevWndProc;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Before the window is first shown: the settings' items, checked and chosen
// as they are set, then "Apie...".
struct MenuSettings {
    const numora::Currency* currency = &numora::kLitas;
    bool top_most = false;
    numora::MoneyForm form = numora::MoneyForm::mark;
    bool with_digits = false;
    bool starts_with_windows = false;
};
void extend_system_menu(HWND hwnd, const MenuSettings& settings);
// A chord as its item shows it: by name (empty: none), and whether another
// program holds it.
struct ChordShown {
    std::wstring_view name;
    bool held_elsewhere = false;
};
// Shows the clipboard's and the selection's chords in their item.
void show_hotkeys(HWND hwnd, const ChordShown& clipboard, const ChordShown& selection);
// Shows a settings item's check mark, or takes it away.
void show_checked(HWND hwnd, int command, bool checked);
// Puts the radio mark on the form's item alone.
void show_form(HWND hwnd, numora::MoneyForm form);
// Puts the radio mark on the currency's item alone.
void show_currency(HWND hwnd, const numora::Currency& currency);
// After it is shown, and at unload.
void install(HWND hwnd);
void remove(HWND hwnd);

}  // namespace Module1
