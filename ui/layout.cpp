#include "layout.hpp"

#include <string_view>
#include <vector>

#include "win_text.hpp"

namespace numora::ui {
namespace {

constexpr BYTE kBalticCharset = 186;

win::ScopedFont make_font(const wchar_t* face, int height_pixels) {
    return win::ScopedFont(CreateFontW(-height_pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                       kBalticCharset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                       DEFAULT_QUALITY, DEFAULT_PITCH, face));
}

bool has_check_mark(const ControlDesign& design) {
    const DWORD kind = design.style & BS_TYPEMASK;
    return design.window_class == std::wstring_view(L"BUTTON") &&
           (kind == BS_AUTOCHECKBOX || kind == BS_AUTORADIOBUTTON);
}

// Whether every option and check-box caption fits beside its mark in this font.
bool captions_fit(HFONT font, UINT dpi) {
    const int mark = GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) + to_pixels(60, dpi);
    const win::MeasuringDc dc(font);
    for (const auto& design : kControls) {
        if (!has_check_mark(design)) continue;
        RECT caption{};
        DrawTextW(dc.get(), design.text, -1, &caption, DT_CALCRECT | DT_SINGLELINE);
        if (mark + caption.right > to_pixels(design.twips.right, dpi)) return false;
    }
    return true;
}

// Whether these results wrap inside Label1 in this font.
bool results_fit(HFONT font, UINT dpi, const std::vector<std::wstring>& results) {
    const RECT label = pixel_rect(design_of(kLabel1), dpi);
    const win::MeasuringDc dc(font);
    for (const auto& text : results) {
        RECT needed{0, 0, label.right - label.left, 0};
        DrawTextW(dc.get(), text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK);
        if (needed.right > label.right - label.left || needed.bottom > label.bottom - label.top) {
            return false;
        }
    }
    return true;
}

// The designed font, or where the face standing in for it is wider, a pixel
// or two less, down to three quarters of it, until the text it holds fits.
template <typename Fits>
win::ScopedFont fitted_font(const FontDesign& design, UINT dpi, Fits fits) {
    const int designed = font_pixels(design.height_twips, dpi);
    for (int height = designed;; --height) {
        win::ScopedFont font = make_font(design.face, height);
        if (height * 4 <= designed * 3 || fits(font.get(), dpi)) return font;
    }
}

}  // namespace

win::ScopedFont make_font(const FontDesign& font, UINT dpi) {
    return make_font(font.face, font_pixels(font.height_twips, dpi));
}

// The captions were sized for the classic dialog font.
win::ScopedFont make_dialog_font(UINT dpi) {
    return fitted_font(kDialogFont, dpi, captions_fit);
}

// Where the bitmap face of a Baltic Windows stands in, a line more than the
// label's height would otherwise cut the widest results. Fitted to the form
// in use: the cents in words take a line more than the short form needs.
win::ScopedFont make_label_font(UINT dpi, MoneyForm form, bool with_digits) {
    const WidestResults widest(form, with_digits);
    return fitted_font(kLabelFont, dpi, [&widest](HFONT font, UINT at) {
        return results_fit(font, at, widest.in(font));
    });
}

namespace {

// Widths of words in a font, all in one measurement: each word's is where
// it ends less where it starts, within their run written without a break.
std::vector<int> widths_in(HDC dc, const std::vector<std::string>& words) {
    std::wstring run;
    std::vector<std::size_t> ends;
    for (const auto& word : words) {
        run += win::to_wide(word);
        ends.push_back(run.size());
    }
    std::vector<int> extents(run.size() + 1, 0);  // extents[i]: where character i ends
    SIZE size{};
    GetTextExtentExPointW(dc, run.c_str(), static_cast<int>(run.size()), 0, nullptr,
                          extents.data() + 1, &size);
    std::vector<int> widths;
    std::size_t start = 0;
    for (const std::size_t end : ends) {
        widths.push_back(extents[end] - extents[start]);
        start = end;
    }
    return widths;
}

}  // namespace

Amount widest_amount(const Style& style, HFONT font) {
    const WidestAmount widest(style);
    return widest.given(widths_in(win::MeasuringDc(font).get(), widest.words()));
}

WidestResults::WidestResults(MoneyForm form, bool with_digits) : with_digits_(with_digits) {
    for (const Currency& currency : kCurrencies) {
        for (const bool capitals : {false, true}) {
            // With digits, the words begin with a small letter.
            const Style style{.first_capital = !with_digits,
                              .all_capitals = capitals,
                              .currency = &currency,
                              .form = form};
            ways_.push_back({style, WidestAmount(style)});
        }
    }
}

std::vector<std::wstring> WidestResults::in(HFONT font) const {
    std::vector<std::wstring> results;
    const win::MeasuringDc dc(font);
    for (const auto& [style, widest] : ways_) {
        std::string text;
        if (with_digits_) text = "999 999 999,99 " + std::string(style.currency->name()) + " (";
        rodyk(text, widest.given(widths_in(dc.get(), widest.words())), style);
        if (with_digits_) text += ')';
        results.push_back(win::to_wide(text));
    }
    return results;
}

const ControlDesign& design_of(ControlId id) {
    for (const auto& design : kControls) {
        if (design.id == id) return design;
    }
    return kControls.front();  // every id has a design: the tables list the same twelve
}

// Edges rounded once each, so that neighbours meet where the design has them meet.
RECT pixel_rect(const ControlDesign& design, UINT dpi) {
    const int left = design.origin.x + design.twips.left;
    const int top = design.origin.y + design.twips.top;
    return {to_pixels(left, dpi), to_pixels(top, dpi), to_pixels(left + design.twips.right, dpi),
            to_pixels(top + design.twips.bottom, dpi)};
}

RECT window_rect_for(UINT dpi) {
    RECT rect{0, 0, to_pixels(kClientTwips.cx, dpi), to_pixels(kClientTwips.cy, dpi)};
    AdjustWindowRectExForDpi(&rect, kWindowStyle, FALSE, 0, dpi);
    return rect;
}

// The window's rectangle at this DPI, centred in the primary screen's work area.
RECT centred_on_primary(UINT dpi) {
    const RECT size = window_rect_for(dpi);
    const int width = size.right - size.left;
    const int height = size.bottom - size.top;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const int left = work.left + (work.right - work.left - width) / 2;
    const int top = work.top + (work.bottom - work.top - height) / 2;
    return {left, top, left + width, top + height};
}

}  // namespace numora::ui
