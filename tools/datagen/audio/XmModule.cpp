#include "XmModule.h"

#include <algorithm>
#include <cstring>

namespace {

class Writer {
  public:
    void U8(uint32_t v) { out.push_back(static_cast<uint8_t>(v)); }
    void U16(uint32_t v) {
        U8(v & 0xFF);
        U8((v >> 8) & 0xFF);
    }
    void U32(uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void Text(const std::string& s, size_t width, char pad = '\0') {
        for (size_t i = 0; i < width; ++i)
            U8(i < s.size() ? static_cast<uint8_t>(s[i]) : pad);
    }
    void Zeros(size_t n) { out.insert(out.end(), n, 0); }
    std::vector<uint8_t> out;
};

std::vector<uint8_t> PackPattern(const XmPattern& p) {
    std::vector<uint8_t> data;
    for (const XmCell& c : p.Cells) {
        // Packed form: a flag byte says which of the five fields follow.
        uint8_t flags = 0x80;
        if (c.Note) flags |= 1;
        if (c.Instrument) flags |= 2;
        if (c.Volume) flags |= 4;
        if (c.Effect) flags |= 8;
        if (c.Param) flags |= 16;
        data.push_back(flags);
        if (c.Note) data.push_back(c.Note);
        if (c.Instrument) data.push_back(c.Instrument);
        if (c.Volume) data.push_back(c.Volume);
        if (c.Effect) data.push_back(c.Effect);
        if (c.Param) data.push_back(c.Param);
    }
    return data;
}

void WritePattern(Writer& w, const XmPattern& p) {
    const std::vector<uint8_t> data = PackPattern(p);
    w.U32(9); // header length
    w.U8(0);  // packing type
    w.U16(static_cast<uint32_t>(p.Rows));
    w.U16(static_cast<uint32_t>(data.size()));
    w.out.insert(w.out.end(), data.begin(), data.end());
}

void WriteInstrument(Writer& w, const XmInstrument& ins) {
    constexpr uint32_t HeaderSize = 263, SampleHeaderSize = 40;
    const size_t start = w.out.size();
    w.U32(HeaderSize);
    w.Text(ins.Name, 22);
    w.U8(0);  // type
    w.U16(1); // one sample
    w.U32(SampleHeaderSize);
    w.Zeros(96); // every note plays sample 0
    const size_t points = std::min<size_t>(ins.VolumeEnvelope.size(), 12);
    for (size_t i = 0; i < 12; ++i) {
        w.U16(i < points ? ins.VolumeEnvelope[i].Tick : 0);
        w.U16(i < points ? ins.VolumeEnvelope[i].Value : 0);
    }
    w.Zeros(48); // no panning envelope
    w.U8(static_cast<uint32_t>(points));
    w.U8(0);
    w.U8(ins.SustainPoint >= 0 ? static_cast<uint32_t>(ins.SustainPoint) : 0);
    w.U8(0); // loop start
    w.U8(0); // loop end
    w.Zeros(3);
    uint32_t volumeType = points ? 1 : 0;
    if (points && ins.SustainPoint >= 0) volumeType |= 2;
    w.U8(volumeType);
    w.U8(0); // panning type
    w.U8(ins.VibratoType);
    w.U8(ins.VibratoSweep);
    w.U8(ins.VibratoDepth);
    w.U8(ins.VibratoRate);
    w.U16(ins.Fadeout);
    w.Zeros(start + HeaderSize - w.out.size());

    const XmSample& s = ins.Sample;
    w.U32(static_cast<uint32_t>(s.Data.size() * 2));
    w.U32(s.LoopStart * 2);
    w.U32(s.LoopLength * 2);
    w.U8(s.Volume);
    w.U8(static_cast<uint8_t>(s.Finetune));
    w.U8((s.LoopLength ? 1 : 0) | 0x10); // forward loop, 16-bit
    w.U8(s.Panning);
    w.U8(static_cast<uint8_t>(s.RelativeNote));
    w.U8(0);
    w.Text(s.Name, 22);
    int16_t previous = 0;
    for (int16_t v : s.Data) {
        w.U16(static_cast<uint16_t>(static_cast<int16_t>(v - previous))); // delta coded
        previous = v;
    }
}

} // namespace

std::vector<uint8_t> WriteXm(const XmModule& m) {
    Writer w;
    w.Text("Extended Module: ", 17);
    w.Text(m.Name, 20);
    w.U8(0x1A);
    w.Text("Quorrel datagen", 20);
    w.U16(0x0104);
    w.U32(276);
    w.U16(static_cast<uint32_t>(m.Order.size()));
    w.U16(static_cast<uint32_t>(m.RestartPosition));
    w.U16(static_cast<uint32_t>(m.Channels));
    w.U16(static_cast<uint32_t>(m.Patterns.size()));
    w.U16(static_cast<uint32_t>(m.Instruments.size()));
    w.U16(1); // linear frequency table
    w.U16(static_cast<uint32_t>(m.Speed));
    w.U16(static_cast<uint32_t>(m.Bpm));
    for (size_t i = 0; i < 256; ++i)
        w.U8(i < m.Order.size() ? m.Order[i] : 0);
    for (const XmPattern& p : m.Patterns)
        WritePattern(w, p);
    for (const XmInstrument& ins : m.Instruments)
        WriteInstrument(w, ins);
    return std::move(w.out);
}
