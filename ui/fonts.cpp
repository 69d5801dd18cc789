#include "fonts.hpp"

namespace numora::ui {

void Fonts::make(UINT dpi, MoneyForm form, bool with_digits) {
    font(FontKind::dialog) = make_dialog_font(dpi);
    font(FontKind::label) =
        label_fitted_ ? make_label_font(dpi, form, with_digits) : make_font(kLabelFont, dpi);
    font(FontKind::button) = make_font(kButtonFont, dpi);
    font(FontKind::text) = make_font(kTextFont, dpi);
}

HFONT Fonts::fit_label(UINT dpi, MoneyForm form, bool with_digits) {
    if (label_fitted_) return nullptr;
    label_fitted_ = true;
    font(FontKind::label) = make_label_font(dpi, form, with_digits);
    return of(FontKind::label);
}

}  // namespace numora::ui
