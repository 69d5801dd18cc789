// What any window with Numora's controls costs: the same manifest (comctl32
// v6, per-monitor DPI), the same window and its twelve controls created bare
// at their places, in their order, and nothing else: no fonts, pictures,
// menu, settings or tooltips. numora.exe's start-up is measured against it.
#include <windows.h>

#include <commctrl.h>

#include "layout.hpp"

namespace {

LRESULT CALLBACK FloorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

RECT place_of(const numora::ui::ControlDesign& design, UINT dpi) {
    const auto at = [dpi](int twips) { return numora::ui::to_pixels(twips, dpi); };
    const int left = design.origin.x + design.twips.left;
    const int top = design.origin.y + design.twips.top;
    return {at(left), at(top), at(left + design.twips.right), at(top + design.twips.bottom)};
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &FloorProc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"ControlsFloor";
    RegisterClassExW(&wc);
    const UINT dpi = GetDpiForSystem();
    RECT size{0, 0, numora::ui::to_pixels(numora::ui::kClientTwips.cx, dpi),
              numora::ui::to_pixels(numora::ui::kClientTwips.cy, dpi)};
    AdjustWindowRectExForDpi(&size, numora::ui::kWindowStyle, FALSE, 0, dpi);
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"Floor", numora::ui::kWindowStyle,
                                CW_USEDEFAULT, CW_USEDEFAULT, size.right - size.left,
                                size.bottom - size.top, nullptr, nullptr, instance, nullptr);
    for (const auto id : numora::ui::kTabOrder) {
        for (const auto& design : numora::ui::kControls) {
            if (design.id != id) continue;
            const RECT place = place_of(design, dpi);
            CreateWindowExW(
                design.ex_style, design.window_class, design.text, design.style, place.left,
                place.top, place.right - place.left, place.bottom - place.top, hwnd,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)), instance, nullptr);
        }
    }
    ShowWindow(hwnd, show);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
