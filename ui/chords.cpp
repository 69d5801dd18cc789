#include "chords.hpp"

namespace numora::ui {
namespace {

constexpr UINT kRetakeMs = 1000;

// The hotkey identifiers: 1 for the clipboard's chord, 2 for the selection's.
int id_of(std::size_t index) {
    return static_cast<int>(index) + 1;
}

}  // namespace

void Chords::use(const ChordPair& chords) {
    release();
    chords_ = chords;
    for (std::size_t i = 0; i < kChordUses; ++i) {
        held_[i] = chords_[i] != win::kNoChord && !take(i);
    }
    update_timer();
}

void Chords::release() {
    for (std::size_t i = 0; i < kChordUses; ++i) UnregisterHotKey(window_, id_of(i));
    held_ = {};
    KillTimer(window_, kRetakeTimer);
}

bool Chords::retake() {
    bool taken = false;
    for (std::size_t i = 0; i < kChordUses; ++i) {
        if (!held_[i]) continue;
        held_[i] = !take(i);
        taken = taken || !held_[i];
    }
    update_timer();
    return taken;
}

bool Chords::take(std::size_t i) {
    const win::Chord chord = chords_[i];
    return RegisterHotKey(window_, id_of(i), chord.modifiers | MOD_NOREPEAT, chord.key) != FALSE;
}

void Chords::update_timer() {
    if (held_[0] || held_[1]) {
        SetTimer(window_, kRetakeTimer, kRetakeMs, nullptr);
    } else {
        KillTimer(window_, kRetakeTimer);
    }
}

std::optional<ChordUse> Chords::use_of(WPARAM id) {
    if (id == 1) return ChordUse::clipboard;
    if (id == 2) return ChordUse::selection;
    return std::nullopt;
}

}  // namespace numora::ui
