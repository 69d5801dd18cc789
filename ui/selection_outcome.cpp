#include "selection_outcome.hpp"

#include "messages.hpp"
#include "win_text.hpp"

namespace numora::ui {
namespace {

// Ctrl+C interrupts what runs in a terminal.
constexpr wchar_t kInTerminal[] =
    L"Terminale suma nekeičiama: nukopijuokite ją ir spauskite iškarpinės spartųjį klavišą";
constexpr wchar_t kAboveNumora[] =
    L"Programa paleista administratoriaus teisėmis: Numora jos pasiekti negali, niekas "
    L"nepakeista";
constexpr wchar_t kKeysHeld[] = L"Klavišai neatleisti per 2 sekundes: niekas nepakeista";
constexpr wchar_t kCannotKeep[] =
    L"Iškarpinėje yra duomenų, kurių Numora negali grąžinti: niekas nepakeista";
constexpr wchar_t kTooBigToKeep[] =
    L"Iškarpinėje daugiau kaip 64 MiB duomenų, jų Numora negali grąžinti: niekas nepakeista";
constexpr wchar_t kLateCopy[] =
    L"Programa nukopijavo pažymėtą tekstą per vėlai: niekas nepakeista, iškarpinė grąžinta";
constexpr wchar_t kFrontChanged[] =
    L"Kol buvo rašomi žodžiai, buvo atvertas kitas langas: niekas neįklijuota";
constexpr wchar_t kNotPasted[] =
    L"Programa per 5 sekundes nepaėmė žodžių: tekstas nepakeistas, iškarpinė grąžinta";
constexpr wchar_t kUnconfirmed[] =
    L"Žodžius pirma paėmė kita programa: ar jie įklijuoti, nežinoma; iškarpinė grąžinta";
constexpr wchar_t kNotPutBack[] =
    L"Nepavyko grąžinti to, kas buvo iškarpinėje: ji per ilgai užimta kitos programos";

std::wstring message_of_end(const SelectionResult& result) {
    switch (result.ends) {
        case Selection::replaced:
        case Selection::own_window:
            return {};
        case Selection::terminal:
            return kInTerminal;
        case Selection::above_numora:
            return kAboveNumora;
        case Selection::keys_held:
            return kKeysHeld;
        case Selection::cannot_keep:
            return kCannotKeep;
        case Selection::too_big_to_keep:
            return kTooBigToKeep;
        case Selection::busy:
            return kClipboardUnread;
        case Selection::nothing_selected:
            return kNothingSelected;
        case Selection::too_much:
            return kTooMuch;
        case Selection::refused:
            return win::to_wide(message_of(result.converted.outcome));
        case Selection::late_copy:
            return kLateCopy;
        case Selection::front_changed:
            return kFrontChanged;
        case Selection::newer_copy:
            return kNewerCopy;
        case Selection::not_pasted:
            return kNotPasted;
        case Selection::unconfirmed:
            return kUnconfirmed;
    }
    return {};
}

}  // namespace

std::wstring message_of(const SelectionResult& result) {
    std::wstring message = message_of_end(result);
    if (!result.not_put_back) return message;
    return message.empty() ? kNotPutBack : message + L"\n" + kNotPutBack;
}

}  // namespace numora::ui
