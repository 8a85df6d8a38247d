#pragma once
#include <cstdint>
#include <string>
#include <vector>

// An extended tracker module (XM) as our music is written: patterns of note cells,
// instruments with one sample each and a volume envelope. WriteXm gives the file's bytes.

struct XmCell {
    static constexpr uint8_t NoteOff = 97;
    uint8_t Note = 0;       // 1..96 (1 = C-0, 49 = C-4), 97 = note off, 0 = none
    uint8_t Instrument = 0; // 1-based, 0 = none
    uint8_t Volume = 0;     // volume column: 0x10 + 0..64 sets the volume, 0 = none
    uint8_t Effect = 0;
    uint8_t Param = 0;
    bool Empty() const { return !Note && !Instrument && !Volume && !Effect && !Param; }
};

struct XmPattern {
    int Rows = 64;
    int Channels = 0;
    std::vector<XmCell> Cells; // Rows x Channels, row by row
    XmPattern(int rows, int channels)
        : Rows(rows), Channels(channels), Cells(static_cast<size_t>(rows) * channels) {}
    XmCell& At(int row, int channel) {
        return Cells[static_cast<size_t>(row) * Channels + channel];
    }
};

struct XmEnvelopePoint {
    uint16_t Tick = 0;
    uint16_t Value = 0; // 0..64
};

struct XmSample {
    std::string Name;
    std::vector<int16_t> Data;
    uint32_t LoopStart = 0;  // in samples
    uint32_t LoopLength = 0; // in samples; 0 = no loop
    uint8_t Volume = 64;
    int8_t Finetune = 0;
    int8_t RelativeNote = 0;
    uint8_t Panning = 128;
};

struct XmInstrument {
    std::string Name;
    XmSample Sample;
    std::vector<XmEnvelopePoint> VolumeEnvelope; // at most 12 points; empty = no envelope
    int SustainPoint = -1;                       // index into the envelope, -1 = none
    uint16_t Fadeout = 0;
    uint8_t VibratoType = 0, VibratoSweep = 0, VibratoDepth = 0, VibratoRate = 0;
};

struct XmModule {
    std::string Name;
    int Channels = 8;
    int Speed = 6; // ticks per row
    int Bpm = 125;
    int RestartPosition = 0;
    std::vector<uint8_t> Order;
    std::vector<XmPattern> Patterns;
    std::vector<XmInstrument> Instruments;
};

std::vector<uint8_t> WriteXm(const XmModule& module);
