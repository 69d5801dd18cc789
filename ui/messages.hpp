// The chords' messages that the clipboard's chord and the selection's share.
#pragma once

namespace numora::ui {

inline constexpr wchar_t kClipboardFailed[] = L"Nepavyko įdėti teksto į iškarpinę";
inline constexpr wchar_t kClipboardUnread[] = L"Nepavyko paimti teksto iš iškarpinės";
inline constexpr wchar_t kTooMuch[] =
    L"Iškarpinėje per daug: žodžiais rašoma ne daugiau kaip 1 000 000 langelių ir 64 MiB teksto";
inline constexpr wchar_t kNewerCopy[] =
    L"Kol buvo rašomi žodžiai, iškarpinėje atsirado kitas tekstas: jis paliktas, kaip buvo";
inline constexpr wchar_t kNothingSelected[] = L"Nepažymėta jokia suma";

}  // namespace numora::ui
