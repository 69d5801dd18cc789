#include "module1.hpp"

#include <algorithm>
#include <cstddef>
#include <cwctype>
#include <string>

#include "win_text.hpp"

namespace Module1 {

WNDPROC prevWndProc = nullptr;

namespace {

// Seven lines, each ending in CR LF; the third, long, wraps in the box and
// names the hotkey in force.
constexpr wchar_t kAboutStart[] =
    L"Numora " NUMORA_VERSION_WTEXT L", sukūrė Numora komanda\r\n"
    L"\r\n"
    L"Prieš sumą ar po jos įrašę € arba Eur ar meniu „Valiuta, kai neįrašyta“ pasirinkę Eur, "
    L"gausite sumą eurais; taip pat USD, GBP, PLN, CHF, SEK, NOK, DKK ir CZK. "
    L"Meniu „Kaip rašyti sumą“: „Penki Eur 25 ct“, „Penki eurai 25 ct“ arba "
    L"„Penki eurai dvidešimt penki centai“; meniu „Su skaičiais“: "
    L"„1 750,00 Eur (vienas tūkstantis septyni šimtai penkiasdešimt Eur)“. ";
constexpr wchar_t kAboutHotkey[] = L"Nukopijuokite sumą ar stulpelį sumų, spauskite ";
constexpr wchar_t kAboutHotkeyEnd[] = L" ir įklijuokite žodžius. ";
constexpr wchar_t kAboutNoHotkey[] =
    L"Meniu „Spartieji klavišai“ įjungtas derinys nukopijuotą sumą paverčia žodžiais "
    L"iškarpinėje. ";
constexpr wchar_t kAboutSelection[] =
    L"Pažymėkite sumą ar stulpelį sumų bet kurioje programoje ir spauskite ";
constexpr wchar_t kAboutSelectionEnd[] = L": vietoj jų bus žodžiai. ";
constexpr wchar_t kAboutNoSelection[] =
    L"Meniu „Spartieji klavišai“ įjungtas antrasis derinys pažymėtą sumą bet kurioje "
    L"programoje keičia žodžiais. ";
constexpr wchar_t kAboutEnd[] =
    L"Meniu „Paleisti kartu su Windows“: Numora pasileidžia kartu su Windows pranešimų "
    L"srityje. Nustatymai įsimenami registre "
    L"HKEY_CURRENT_USER\\Software\\Numora (Currency, TopMost, Form, Hotkey, SelectionHotkey, "
    L"WithDigits).\r\n"
    L"\r\n"
    L"Naudokitės ir džiaukitės !\r\n"
    L"\r\n"
    L"     numora@example.org\r\n";

UINT check_flag(bool checked) {
    return checked ? MF_CHECKED : MF_UNCHECKED;
}

// Each item shows what its way writes; K and the digits are no other item's
// access key, in English or in Lithuanian.
constexpr wchar_t kFormsMenu[] = L"&Kaip rašyti sumą";
constexpr std::array<const wchar_t*, numora::kMoneyForms> kFormItems{
    L"&1 Penki Eur 25 ct", L"&2 Penki eurai 25 ct", L"&3 Penki eurai dvidešimt penki centai"};

UINT command_of(numora::MoneyForm form) {
    return static_cast<UINT>(kFormCommands[static_cast<std::size_t>(form)]);
}

// "Valiuta, kai neįrašyta": each currency by its name and its word, its access
// key the first letter of its name that no item before it has.
constexpr wchar_t kCurrenciesMenu[] = L"Valiuta, kai n&eįrašyta";

UINT command_of(const numora::Currency& currency) {
    return static_cast<UINT>(kFirstCurrencyCommand + static_cast<int>(numora::index_of(currency)));
}

std::wstring currency_item(const numora::Currency& currency, std::wstring& keys_taken) {
    std::wstring name = numora::win::to_wide(currency.name());
    std::size_t key = 0;
    while (key + 1 < name.size() && keys_taken.find(towupper(name[key])) != std::wstring::npos) {
        ++key;
    }
    keys_taken += static_cast<wchar_t>(towupper(name[key]));
    name.insert(key, 1, L'&');
    return name + L" – " + numora::win::to_wide(currency.word.plural.substr(1));
}

HMENU currencies_menu(const numora::Currency& chosen) {
    HMENU menu = CreatePopupMenu();
    std::wstring keys_taken;
    for (const numora::Currency& currency : numora::kCurrencies) {
        AppendMenuW(menu, MF_STRING, command_of(currency),
                    currency_item(currency, keys_taken).c_str());
    }
    CheckMenuRadioItem(menu, command_of(numora::kCurrencies.front()),
                       command_of(numora::kCurrencies.back()), command_of(chosen), MF_BYCOMMAND);
    return menu;
}

HMENU forms_menu(numora::MoneyForm form) {
    HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < kFormItems.size(); ++i) {
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(kFormCommands[i]), kFormItems[i]);
    }
    CheckMenuRadioItem(menu, command_of(numora::MoneyForm::mark),
                       command_of(numora::MoneyForm::full), command_of(form), MF_BYCOMMAND);
    return menu;
}

// T is no other item's access key, in English or in Lithuanian.
constexpr std::wstring_view kHotkeyItem = L"Spar&tieji klavišai: ";
constexpr std::wstring_view kHotkeyOff = L"išjungtas";
constexpr std::wstring_view kHotkeyTaken = L" (užimtas)";
constexpr std::wstring_view kBetween = L", ";
constexpr std::wstring_view kItemEnd = L"...";

void add_chord(std::wstring& text, const ChordShown& chord) {
    text += chord.name.empty() ? kHotkeyOff : chord.name;
    if (chord.held_elsewhere) text += kHotkeyTaken;
}

std::wstring hotkey_item(const ChordShown& clipboard, const ChordShown& selection) {
    std::wstring text(kHotkeyItem);
    add_chord(text, clipboard);
    text += kBetween;
    add_chord(text, selection);
    return text += kItemEnd;
}

// The chords in force, as their item shows them: the menu is where they
// are kept. Empty for one turned off.
std::array<std::wstring, 2> hotkeys_shown(HWND hwnd) {
    wchar_t text[160] = L"";
    GetMenuStringW(GetSystemMenu(hwnd, FALSE), kHotkeyCommand, text, 160, MF_BYCOMMAND);
    std::wstring_view item(text);
    std::array<std::wstring, 2> chords;
    if (!item.starts_with(kHotkeyItem)) return chords;
    item.remove_prefix(kHotkeyItem.size());
    for (std::wstring& chord : chords) {
        const std::wstring_view shown = item.substr(0, item.find_first_of(L" ,."));
        if (shown != kHotkeyOff) chord = shown;
        item.remove_prefix(std::min(item.size(), item.find(kBetween)));
        if (!item.empty()) item.remove_prefix(kBetween.size());
    }
    return chords;
}

std::wstring about_text(HWND hwnd) {
    const auto [clipboard, selection] = hotkeys_shown(hwnd);
    std::wstring text = kAboutStart;
    text += clipboard.empty() ? std::wstring(kAboutNoHotkey)
                              : kAboutHotkey + clipboard + kAboutHotkeyEnd;
    text += selection.empty() ? std::wstring(kAboutNoSelection)
                              : kAboutSelection + selection + kAboutSelectionEnd;
    return text += kAboutEnd;
}

}  // namespace

std::optional<numora::MoneyForm> form_chosen(WPARAM command) {
    for (std::size_t i = 0; i < kFormCommands.size(); ++i) {
        if (command == static_cast<WPARAM>(kFormCommands[i])) {
            return static_cast<numora::MoneyForm>(i);
        }
    }
    return std::nullopt;
}

const numora::Currency* currency_chosen(WPARAM command) {
    for (const numora::Currency& currency : numora::kCurrencies) {
        if (command == command_of(currency)) return &currency;
    }
    return nullptr;
}

void extend_system_menu(HWND hwnd, const MenuSettings& settings) {
    HMENU menu = GetSystemMenu(hwnd, FALSE);
    // The two calls below are kept as the program has always made them; only
    // the appended items matter.
    DeleteMenu(menu, 0, 0);
    InsertMenuW(menu, 1, 0, 0, nullptr);
    // One line above the settings: the menu may end in one already (Wine's
    // shows the item inserted above as a line at its end).
    const int last = GetMenuItemCount(menu) - 1;
    if (last >= 0 &&
        (GetMenuState(menu, static_cast<UINT>(last), MF_BYPOSITION) & MF_SEPARATOR) == 0) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    }
    // E and V are no system item's access key, in English or in Lithuanian.
    // The menu owns the submenus and destroys them with the window.
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(currencies_menu(*settings.currency)),
                kCurrenciesMenu);
    AppendMenuW(menu, MF_STRING | check_flag(settings.top_most), kTopMostCommand,
                L"&Visada viršuje");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(forms_menu(settings.form)), kFormsMenu);
    // I: S and U are the system's own items' keys in Lithuanian, K the forms'.
    AppendMenuW(menu, MF_STRING | check_flag(settings.with_digits), kWithDigitsCommand,
                L"Su skaič&iais");
    AppendMenuW(menu, MF_STRING, kHotkeyCommand, hotkey_item({}, {}).c_str());
    // L: X is Maximize's in English, W Wine's own item's in Lithuanian.
    AppendMenuW(menu, MF_STRING | check_flag(settings.starts_with_windows), kStartupCommand,
                L"Pa&leisti kartu su Windows");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kAboutCommand, L"Apie...");
}

void show_hotkeys(HWND hwnd, const ChordShown& clipboard, const ChordShown& selection) {
    ModifyMenuW(GetSystemMenu(hwnd, FALSE), kHotkeyCommand, MF_BYCOMMAND | MF_STRING,
                kHotkeyCommand, hotkey_item(clipboard, selection).c_str());
}

void show_currency(HWND hwnd, const numora::Currency& currency) {
    // By command: the system menu looks into its submenus for the items.
    CheckMenuRadioItem(GetSystemMenu(hwnd, FALSE), command_of(numora::kCurrencies.front()),
                       command_of(numora::kCurrencies.back()), command_of(currency), MF_BYCOMMAND);
}

void show_checked(HWND hwnd, int command, bool checked) {
    CheckMenuItem(GetSystemMenu(hwnd, FALSE), static_cast<UINT>(command),
                  MF_BYCOMMAND | check_flag(checked));
}

void show_form(HWND hwnd, numora::MoneyForm form) {
    // By command: the system menu looks into its submenus for the items.
    CheckMenuRadioItem(GetSystemMenu(hwnd, FALSE), command_of(numora::MoneyForm::mark),
                       command_of(numora::MoneyForm::full), command_of(form), MF_BYCOMMAND);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // The whole parameter is compared: no system-command bits are masked off.
    if (message == WM_SYSCOMMAND && wParam == kAboutCommand) {
        MessageBoxW(hwnd, about_text(hwnd).c_str(), L"Numora", MB_ICONINFORMATION);
        return 0;
    }
    return CallWindowProcW(prevWndProc, hwnd, message, wParam, lParam);
}

void install(HWND hwnd) {
    prevWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc)));
}

void remove(HWND hwnd) {
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prevWndProc));
}

}  // namespace Module1
