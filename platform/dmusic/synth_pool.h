// FluidSynth synthesisers with a SoundFont loaded, lent to the performances while they
// have a tune. The SoundFont is the slow and the large part of a synthesiser; a stopped
// tune hands its synthesiser back for the next one, so a run that starts tune after tune,
// each stopping the one before, keeps a single synthesiser and loads the SoundFont once.
// Called from the game's thread only, never from the mix.
#pragma once

#include <cstddef>
#include <string>

struct _fluid_synth_t;

namespace dmusic {

// A synthesiser at this rate with this SoundFont, silent and in its starting state: one
// handed back before, or a new one. Null when the SoundFont cannot be loaded.
_fluid_synth_t* BorrowSynthesiser(int rate, const std::string& soundFontPath);
// Silences and resets a borrowed synthesiser and keeps it for the next borrower; one
// idle synthesiser is kept at most.
void ReturnSynthesiser(_fluid_synth_t* synth);

// The performances whose audio is set up join, and leave when they close down; once
// none is left, the idle synthesiser is freed too.
void JoinSynthesiserPool();
void LeaveSynthesiserPool();

// Synthesisers that exist, lent or idle.
size_t LiveSynthesisers();

}  // namespace dmusic
