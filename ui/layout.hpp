// Form1's controls as designed: kinds, texts, fonts and twips (1/1440 inch),
// and their places and fonts in pixels at a DPI.
// Pixels come from twips at the window's DPI, so 15 twips are 1 px at 96 dpi.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "control_ids.hpp"
#include "format.hpp"
#include "scoped_win.hpp"
#include "widest.hpp"

namespace numora::ui {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
inline constexpr SIZE kClientTwips{5010, 3570};

inline int to_pixels(int twips, UINT dpi) {
    return MulDiv(twips, static_cast<int>(dpi), kTwipsPerInch);
}

// Font heights round down: at 144 dpi 9.75 pt is 19 px, not 20, so the
// text never outgrows the boxes that were drawn around it.
inline int font_pixels(int twips, UINT dpi) {
    return static_cast<int>(static_cast<long long>(twips) * dpi / kTwipsPerInch);
}

enum class FontKind { dialog, label, button, text };
inline constexpr std::size_t kFontKinds = 4;  // rows of a table indexed by FontKind
static_assert(static_cast<std::size_t>(FontKind::text) + 1 == kFontKinds);

struct FontDesign {
    const wchar_t* face;
    int height_twips;  // character height: 9.75 pt = 195 twips
};

// The classic 8.25 pt dialog font, which the captions were sized for: the newer
// message fonts are wide enough to clip the check-box captions.
inline constexpr FontDesign kDialogFont{L"MS Sans Serif", 165};
inline constexpr FontDesign kLabelFont{L"MS Sans Serif", 195};
inline constexpr FontDesign kButtonFont{L"Verdana", 225};
inline constexpr FontDesign kTextFont{L"MS Sans Serif", 270};

struct ControlDesign {
    ControlId id;
    const wchar_t* window_class;
    DWORD style;
    DWORD ex_style;
    const wchar_t* text;
    POINT origin;  // the parent frame's top-left, in window twips
    RECT twips;    // left, top, width, height relative to the parent
    FontKind font;
};

inline constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
inline constexpr DWORD kTabGroup = WS_TABSTOP | WS_GROUP;
inline constexpr DWORD kFrame = kChild | BS_GROUPBOX;
inline constexpr DWORD kCheckBox = kChild | BS_AUTOCHECKBOX | kTabGroup;
inline constexpr DWORD kOption = kChild | BS_AUTORADIOBUTTON;
inline constexpr DWORD kButton = kChild | BS_PUSHBUTTON | kTabGroup;
inline constexpr DWORD kEdit = kChild | ES_LEFT | ES_AUTOHSCROLL | kTabGroup;
inline constexpr DWORD kLabel = kChild | SS_LEFT | SS_NOPREFIX;
inline constexpr DWORD kPicture = kChild | SS_BITMAP | SS_NOTIFY | SS_REALSIZECONTROL;

inline constexpr POINT kWindow{0, 0};
inline constexpr POINT kInFrame1{480, 1960};
inline constexpr POINT kInFrame2{2160, 120};
inline constexpr POINT kInFrame3{480, 120};

// As designed, in the designer's creation order; they are created in kTabOrder.
// clang-format off
inline constexpr std::array<ControlDesign, 12> kControls{{
    {kFrame2,   L"BUTTON", kFrame,    0, L"Raidės",                   kWindow,   {2160, 120, 2415, 975},  FontKind::dialog},
    {kCheck2,   L"BUTTON", kCheckBox, 0, L"&Visos raidės didžiosios", kInFrame2, {240, 560, 2000, 255},   FontKind::dialog},
    {kCheck1,   L"BUTTON", kCheckBox, 0, L"Pirma &raidė didžioji",    kInFrame2, {240, 220, 1815, 255},   FontKind::dialog},
    {kPicture2, L"STATIC", kPicture,  0, nullptr,                     kWindow,   {30, 3240, 315, 315},    FontKind::dialog},
    {kFrame1,   L"BUTTON", kFrame,    0, L"Suma žodžiais",            kWindow,   {480, 1960, 4095, 1455}, FontKind::dialog},
    {kLabel1,   L"STATIC", kLabel,    0, L"",                         kInFrame1, {60, 240, 3945, 1160},   FontKind::label},
    {kCommand1, L"BUTTON", kButton,   0, L"&Pasakyk",                 kWindow,   {2835, 1310, 1335, 615}, FontKind::button},
    {kText1,    L"EDIT",   kEdit,     WS_EX_CLIENTEDGE, L"",          kWindow,   {600, 1320, 1815, 495},  FontKind::text},
    {kPicture1, L"STATIC", kPicture,  0, nullptr,                     kWindow,   {4680, 3240, 315, 315},  FontKind::dialog},
    {kFrame3,   L"BUTTON", kFrame,    0, L"Forma",                    kWindow,   {480, 120, 1575, 975},   FontKind::dialog},
    {kOption2,  L"BUTTON", kOption,   0, L"&Skaičiai",                kInFrame3, {240, 560, 975, 255},    FontKind::dialog},
    {kOption1,  L"BUTTON", kOption | kTabGroup, 0, L"P&inigai",       kInFrame3, {240, 220, 1215, 255},   FontKind::dialog},
}};
// clang-format on

// The dialog manager tabs in z-order, so the controls are stacked in the tab
// order: Text1, Command1, the options, the check boxes; each label above its
// frame so the frame does not paint over it.
inline constexpr std::array<ControlId, 12> kTabOrder{kText1,    kCommand1, kOption1, kOption2,
                                                     kCheck1,   kCheck2,   kLabel1,  kFrame1,
                                                     kPicture1, kPicture2, kFrame2,  kFrame3};

struct Tooltip {
    ControlId id;
    const wchar_t* text;
};

inline constexpr std::array<Tooltip, 3> kTooltips{{
    {kText1, L"Čia įrašyk skaičius"},
    {kPicture2, L" Išverstą tekstą patalpina į Clipbord'ą "},
    {kPicture1, L" Užbaigti programą "},
}};

// Pixels at a DPI, from the tables above.
win::ScopedFont make_font(const FontDesign& font, UINT dpi);
win::ScopedFont make_dialog_font(UINT dpi);  // fitted to the option and check-box captions
// Fitted to the widest results of a money form, with their amount in digits or not.
win::ScopedFont make_label_font(UINT dpi, MoneyForm form, bool with_digits = false);
// The results that take Label1 the most room in a money form, in each
// currency, with a capital first letter and in capitals; with digits, after
// the largest amount in that currency as invoices write it. Their words are
// found once, and measured in each font a fit tries.
class WidestResults {
public:
    WidestResults(MoneyForm form, bool with_digits);
    std::vector<std::wstring> in(HFONT font) const;

private:
    struct Way {
        Style style;
        WidestAmount widest;
    };
    std::vector<Way> ways_;
    bool with_digits_;
};
// The amount whose result in a money style takes the most room in a font.
Amount widest_amount(const Style& style, HFONT font);
const ControlDesign& design_of(ControlId id);
RECT pixel_rect(const ControlDesign& design, UINT dpi);  // in the window's client area
RECT window_rect_for(UINT dpi);                          // the whole window, frame included
RECT centred_on_primary(UINT dpi);                       // placed in the primary work area

}  // namespace numora::ui
