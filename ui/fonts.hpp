// Form1's fonts at a DPI, one for each kind of control. The label's is fitted
// to the widest results of the money form in use, which takes measuring
// every currency's words: once, when asked, and again only after unfit_label().
#pragma once

#include <windows.h>

#include <array>

#include "format.hpp"
#include "layout.hpp"
#include "scoped_win.hpp"

namespace numora::ui {

class Fonts {
public:
    // Every font made again at this DPI; the label's fitted again if it was.
    void make(UINT dpi, MoneyForm form, bool with_digits);
    // The label's font fitted to the results, unless it already is: the new
    // font, or none when nothing changed.
    HFONT fit_label(UINT dpi, MoneyForm form, bool with_digits);
    // The results are written another way: the label's is fitted again when asked.
    void unfit_label() { label_fitted_ = false; }
    HFONT of(FontKind kind) const { return fonts_[static_cast<std::size_t>(kind)].get(); }

private:
    win::ScopedFont& font(FontKind kind) { return fonts_[static_cast<std::size_t>(kind)]; }

    std::array<win::ScopedFont, kFontKinds> fonts_;
    bool label_fitted_ = false;
};

}  // namespace numora::ui
