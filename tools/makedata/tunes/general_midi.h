// The General MIDI instruments and drum keys the tunes use (programs counted from 0).
#pragma once

namespace makedata::tune::gm {

enum Program {
    kPiano = 0,
    kCelesta = 8,
    kOverdrivenGuitar = 29,
    kDistortionGuitar = 30,
    kFingeredBass = 33,
    kPickedBass = 34,
    kFretlessBass = 35,
    kSynthBass2 = 39,
    kTremoloStrings = 44,
    kHarp = 46,
    kStrings = 48,
    kSlowStrings = 49,
    kSynthStrings = 50,
    kOrchestraHit = 55,
    kBrass = 61,
    kFlute = 73,
    kSquareLead = 80,
};

enum DrumKey {
    kKick = 36,
    kSideStick = 37,
    kSnare = 38,
    kLowFloorTom = 41,
    kClosedHat = 42,
    kMidTom = 47,
    kCrash = 49,
    kHighTom = 50,
    kRide = 51,
};

}  // namespace makedata::tune::gm
