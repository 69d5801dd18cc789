// The two chords Numora answers in any program: registered for its window,
// and tried again every second while another program holds one.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <optional>

#include "settings.hpp"

namespace numora::ui {

// What a chord does: the clipboard's amounts in words, or the selection's.
enum class ChordUse { clipboard, selection };
inline constexpr std::size_t kChordUses = 2;
using ChordPair = std::array<win::Chord, kChordUses>;

class Chords {
public:
    // The timer that tries a held chord again; its WM_TIMER goes to retake().
    static constexpr UINT_PTR kRetakeTimer = 1;

    explicit Chords(HWND window) : window_(window) {}

    // These chords in place of those in force; one another program holds is
    // tried again until it is free.
    void use(const ChordPair& chords);
    // None registered and none tried again: while the chords are being chosen.
    void release();
    // Those held elsewhere, tried again; true when one was taken.
    bool retake();

    const ChordPair& chords() const { return chords_; }
    bool held_elsewhere(ChordUse use) const { return held_[index(use)]; }
    // The use of a WM_HOTKEY's identifier; nothing for one not Numora's.
    static std::optional<ChordUse> use_of(WPARAM id);

private:
    static std::size_t index(ChordUse use) { return static_cast<std::size_t>(use); }
    bool take(std::size_t i);  // registers chords_[i]; false when another program holds it
    void update_timer();

    HWND window_;
    ChordPair chords_{win::kNoChord, win::kNoChord};
    std::array<bool, kChordUses> held_{};
};

}  // namespace numora::ui
