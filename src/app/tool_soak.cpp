// quorrel-tool soak: the real game headless under a player's random hand for a stretch of game
// time, never asking it to quit; a run that ends without a crash prints what it went through
// and how the heap grew.
#include <malloc.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <set>

#include "app/HeadlessRun.h"
#include "app/ToolCommands.h"
#include "archive/Random.h"
#include "archive/SFunctions.h"
#include "graphics/SurfEngine.h"
#include "interface/VexForm.h"
#include "interface/VexInterfaceObject.h"
#include "main/shell/GameRenderer.h"
#include "platform/VirtualKeys.h"

namespace {

constexpr uint32_t FrameMs = 33;

// Present when the sanitizers' runtime is linked in; their allocator is out of the C library's
// sight, so mallinfo2 sees nothing of it.
extern "C" __attribute__((weak)) size_t __sanitizer_get_current_allocated_bytes();

size_t HeapInUse() {
    if (__sanitizer_get_current_allocated_bytes) return __sanitizer_get_current_allocated_bytes();
    return mallinfo2().uordblks;
}

// The heap as if every surface held 32-bit pixels. The options switch the colour depth back and
// forth, which halves or doubles the pictures' memory (about 20 MB): counted at one depth, heaps
// taken at different moments compare.
size_t HeapAtFullDepth(TSurfEngine& surfaces) {
    size_t heap = HeapInUse();
    for (int i = 0; i < surfaces.Count(); ++i) {
        const TSurface* s = surfaces.Record(i).Surface.get();
        if (!s || s->BitsPerPixel() == 32) continue;
        const size_t row16 = static_cast<size_t>(s->Pitch());
        const size_t row32 = (static_cast<size_t>(s->Width()) * 4 + 15) & ~size_t{15};
        heap += (row32 - std::min(row32, row16)) * s->Height();
    }
    return heap;
}

class TSoak {
  public:
    TSoak(const TGameFolders& folders, uint32_t seed)
        : game_(folders, TMainFormOptions{seed, std::nullopt}), random_(seed ^ 0x5eed) {
        game_.Start();
        // A frame started from stale pixels would show for one frame only: the soak compares
        // every start with a whole copy of the still layers.
        form_.Renderer().FrameStart().SetChecking(true);
    }
    std::string LastTarget; // the last object clicked, for a report

    // One frame, with now and then something a player does.
    bool Frame() {
        if (random_.Next(4) == 0) Act();
        const bool goOn = game_.Loop.RunOnce();
        game_.Clock.Advance(FrameMs);
        ++frames_;
        Count();
        return goOn;
    }
    size_t Heap() { return HeapAtFullDepth(form_.Surfaces()); }
    const TFrameRestore::TCounts& FrameStarts() { return form_.Renderer().FrameStart().Counts(); }
    std::string Report(size_t heapAfterFive, size_t peak, size_t final,
                       const TFrameRestore::TCounts& starts) const {
        std::string windows;
        for (const std::string& w : windows_)
            windows += (windows.empty() ? "\"" : ", \"") + w + "\"";
        return "{\"frames\": " + std::to_string(frames_) +
               ", \"levelsStarted\": " + std::to_string(started_) +
               ", \"levelsFinished\": " + std::to_string(finished_) +
               ", \"levelsLost\": " + std::to_string(lost_) + ", \"windows\": [" + windows +
               "], \"heapAfterFiveMinutes\": " + std::to_string(heapAfterFive) +
               ", \"peakHeap\": " + std::to_string(peak) +
               ", \"finalHeap\": " + std::to_string(final) +
               ", \"frameStartsByTiles\": " + std::to_string(starts.Tiles) +
               ", \"frameStartsWhole\": " + std::to_string(starts.Whole) +
               ", \"frameStartsMismatched\": " + std::to_string(starts.Mismatched) + "}";
    }

  private:
    void Push(EventType type, TPoint at, MouseButton button = MouseButton::Left, int key = 0,
              uint8_t ch = 0) {
        PlatformEvent e;
        e.Type = type;
        e.X = at.X, e.Y = at.Y, e.Button = button, e.Key = key, e.Char = ch;
        if (type == EventType::MouseMove || type == EventType::MouseDown) host_.Pointer = at;
        host_.Push(e);
    }
    // Objects that end the program: the soak goes round them.
    static bool Quits(const TVexInterfaceObject& o, const TVexForm& top) {
        return o.Name.find("Quit") != std::string::npos ||
               (top.Name == "WQuitGameDialog" && o.Name.rfind("BOk", 0) == 0);
    }
    bool OnAQuit(TPoint at) {
        const TVexForm* top = form_.Interface().TopWindow();
        if (!top) return false;
        for (const auto& object : form_.Interface().FVexObjects) {
            const auto* o = dynamic_cast<const TVexInterfaceObject*>(object.get());
            if (o && o->CanReact() && Quits(*o, *top) && at.X >= o->OriginLeft &&
                at.X < o->OriginLeft + o->Width && at.Y >= o->OriginTop &&
                at.Y < o->OriginTop + o->Height)
                return true;
        }
        return false;
    }
    void Click(TPoint at, MouseButton button = MouseButton::Left) {
        if (OnAQuit(at)) return;
        Push(EventType::MouseMove, at);
        Push(EventType::MouseDown, at, button);
        Push(EventType::MouseUp, at, button);
    }
    // A button, radio, box or list of the window on top, never one that quits.
    void ClickAnObject() {
        const TVexForm* top = form_.Interface().TopWindow();
        std::vector<const TVexInterfaceObject*> targets;
        for (const auto& object : form_.Interface().FVexObjects) {
            const auto* o = dynamic_cast<const TVexInterfaceObject*>(object.get());
            if (!o || !top || o->Parent != top || !o->CanReact()) continue;
            if (Quits(*o, *top)) continue;
            targets.push_back(o);
        }
        if (targets.empty()) return;
        const auto* o = targets[random_.Next(static_cast<int32_t>(targets.size()))];
        LastTarget = o->Name;
        Click({o->OriginLeft + 1 + random_.Next(std::max(1, o->Width - 2)),
               o->OriginTop + 1 + random_.Next(std::max(1, o->Height - 2))});
    }
    void Act() {
        const TPoint anywhere{random_.Next(800), random_.Next(600)};
        switch (random_.Next(12)) {
        case 0:
        case 1:
        case 2:
            ClickAnObject();
            break;
        case 3:
        case 4:
            Click(anywhere);
            break;
        case 5:
            Click(anywhere, MouseButton::Right);
            break;
        case 6:
        case 7:
            Push(EventType::MouseMove, anywhere);
            break;
        case 8: {
            PlatformEvent e;
            e.Type = EventType::MouseWheel;
            e.WheelDelta = random_.Next(2) ? 120 : -120;
            host_.Push(e);
            break;
        }
        case 9: {
            static const int keys[] = {vk::Space,  vk::Delete,   vk::Escape,   vk::F1 + 2,
                                       vk::F1 + 3, vk::Key0 + 1, vk::Key0 + 3, vk::Back};
            const int key = keys[random_.Next(8)];
            Push(EventType::KeyDown, {}, MouseButton::Left, key);
            Push(EventType::KeyUp, {}, MouseButton::Left, key);
            break;
        }
        case 10:
            Push(EventType::Char, {}, MouseButton::Left, 0,
                 static_cast<uint8_t>('a' + random_.Next(26)));
            break;
        default:
            break; // a pause
        }
    }
    void Count() {
        const TGame& g = form_.Game();
        if (const TVexForm* top = form_.Interface().TopWindow()) windows_.insert(top->Name);
        const bool playing = g.GameState == gsPlaying && !g.DemoPlaying;
        if (playing && !wasPlaying_) ++started_;
        if (g.LevelFinished && !wasFinished_ && playing) ++finished_;
        const TVexForm* top = form_.Interface().TopWindow();
        const bool over = top && top->Name == "WGameOverDialog";
        if (over && !wasOver_) ++lost_;
        wasPlaying_ = playing, wasFinished_ = g.LevelFinished, wasOver_ = over;
    }

    THeadlessRun game_;
    TMainForm& form_ = game_.Form;
    HeadlessHost& host_ = game_.Host;
    Random random_;
    long frames_ = 0;
    int started_ = 0, finished_ = 0, lost_ = 0;
    bool wasPlaying_ = false, wasFinished_ = false, wasOver_ = false;
    std::set<std::string> windows_;
};

int Soak(const std::vector<std::string>& args) {
    std::string dir;
    uint32_t seed = 1, minutes = 5;
    for (size_t i = 0; i + 1 < args.size(); i += 2) {
        int32_t n = 0;
        if (args[i] == "--dir") {
            dir = args[i + 1];
        } else if ((args[i] == "--seed" || args[i] == "--minutes") && TryStrToInt(args[i + 1], n) &&
                   n >= 0) {
            (args[i] == "--seed" ? seed : minutes) = static_cast<uint32_t>(n);
        } else {
            return ToolFail("usage: soak [--dir GAMEDIR] [--seed N] [--minutes M]");
        }
    }
    if (args.size() % 2) return ToolFail("usage: soak [--dir GAMEDIR] [--seed N] [--minutes M]");
    if (!dir.empty() && !std::filesystem::is_directory(dir))
        return ToolFail("no game folder " + dir);
    TSoak soak(ToolGameFolders(dir), seed);
    const long frames = static_cast<long>(minutes) * 60 * 1000 / FrameMs;
    const long five = 5L * 60 * 1000 / FrameMs;
    size_t afterFive = 0, peak = 0;
    for (long f = 0; f < frames; ++f) {
        if (!soak.Frame())
            return ToolFail("the game closed itself during the soak, frame " + std::to_string(f) +
                            " after a click on " + soak.LastTarget);
        const size_t heap = soak.Heap();
        peak = std::max(peak, heap);
        if (f + 1 == five) afterFive = heap;
    }
    const size_t final = soak.Heap();
    std::cout << soak.Report(afterFive, peak, final, soak.FrameStarts()) << "\n";
    if (soak.FrameStarts().Mismatched > 0)
        return ToolFail(std::to_string(soak.FrameStarts().Mismatched) +
                        " frames did not start as a whole copy of the still layers");
    // What the game holds after its first five minutes is what it needs: more later is a leak.
    if (afterFive > 0 && final > afterFive + afterFive / 10)
        return ToolFail("the heap grew by " +
                        std::to_string((final - afterFive) * 100 / afterFive) +
                        "% after the first five minutes");
    return 0;
}

const ToolCommand
    command("soak",
            "  soak [--dir GAMEDIR] [--seed N] [--minutes M]\n"
            "                                        play M minutes of game time "
            "with a random hand; prints what\n"
            "                                        happened as JSON, fails when the "
            "heap grows by more than\n"
            "                                        10% after the first five minutes",
            Soak);

} // namespace
