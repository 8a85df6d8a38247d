#include "main/progress/Demo.h"

#include <algorithm>
#include <numbers>

#include "archive/SFunctions.h"
#include "main/rules/PlayInput.h"

namespace {

std::string Attr(const std::string& name, long long value) {
    return " " + name + "=\"" + std::to_string(value) + "\"";
}

std::string Flag(const std::string& name, bool value) {
    return " " + name + "=\"" + (value ? "true" : "false") + "\"";
}

// A time in a line may pass 32 bits: the leading digits, 0 without any.
uint64_t TimeOf(const std::string& line) {
    uint64_t t = 0;
    for (char ch : GetAttr(line, "time")) {
        if (ch < '0' || ch > '9') break;
        if (t > (UINT64_MAX - 9) / 10) return UINT64_MAX;
        t = t * 10 + static_cast<uint64_t>(ch - '0');
    }
    return t;
}

bool Starts(const std::string& line, const char* tag) {
    return line.rfind(tag, 0) == 0;
}

} // namespace

std::string TDemo::Line(const std::string& event, uint32_t now) const {
    const long long t = static_cast<uint32_t>(now - start_);
    const TPoint p = game_.PointerPos;
    const std::string tag = event.substr(1, event.size() - 2);
    if (tag == "MouseMove" || tag == "MouseLDown" || tag == "MouseLUp" || tag == "MouseRDown" ||
        tag == "MouseRUp")
        return "<" + tag + Attr("x", p.X) + Attr("y", p.Y) + Attr("time", t) + " />";
    if (tag == "NewFishkaInSteck" && !game_.Steck.empty()) {
        const TFishka& f = game_.Fishkas[game_.Steck.back()];
        return "<NewFishkaInSteck" + Attr("time", t) + Attr("fishtype", f.Type) +
               Flag("quest", f.Quest) + Flag("bonus", f.Bonus) + "/>";
    }
    if (tag == "MoveSteck")
        return "<MoveSteck" + Attr("time", t) + Attr("incr", game_.FeedStep) + "/>";
    return "";
}

void TDemo::Record(const std::string& event, uint32_t now) {
    if (!game_.DemoRecording) return;
    if (event.find("<GiveBonus ") != std::string::npos) {
        Lines.push_back(event);
        return;
    }
    const std::string line = Line(event, now);
    if (!line.empty()) Lines.push_back(line);
}

void TDemo::ToggleRecording(uint32_t now) {
    if (game_.DemoRecording)
        StopRecording();
    else
        StartRecording(now);
}

void TDemo::StartRecording(uint32_t now) {
    game_.ClipperCount = Clippers;
    game_.HammerCount = Hammers;
    Lines.clear();
    const int level = flow_.Values.CurrentLevel;
    Lines.push_back(level >= 0 && level < levels_.Count() ? levels_.FileNames[level] : "");
    flow_.BNextLevelWBetweenLevelMenuMouseUp(now);
    start_ = now;
    widgets_.ChangeModal("WGame");
    game_.GameState = gsPlaying;
    flowHost_.RebuildBackground();
    game_.DemoRecording = true;
}

void TDemo::StopRecording() {
    flow_.Values.Hard = true;
    std::string text;
    for (const std::string& line : Lines)
        text += line + "\r\n";
    if (!Lines.empty()) host_.WriteDemoFile(text);
    Lines.clear();
    game_.DemoRecording = false;
}

bool TDemo::BDemoWTitleMouseUp(uint32_t now) {
    std::string text;
    if (!host_.ReadDemoFile(text)) {
        flowHost_.DebugLog(std::string("No demo to play: ") + FileName + " cannot be read");
        return false;
    }
    std::vector<std::string> lines = SplitLines(text);
    while (!lines.empty() && Trim(lines.back()).empty())
        lines.pop_back();
    if (lines.size() < 2) {
        flowHost_.DebugLog(std::string("No demo to play: ") + FileName + " holds no events");
        return false;
    }
    const auto& files = levels_.FileNames;
    const auto level = std::find(files.begin(), files.end(), Trim(lines[0]));
    if (level == files.end()) {
        // Replayed on another level, the clicks would land on the wrong board.
        flowHost_.DebugLog("No demo to play: the level \"" + lines[0] + "\" is not in the game");
        return false;
    }
    Lines = std::move(lines);
    Lines[0] = Trim(Lines[0]);
    keptValues_ = flow_.Values;
    keptMode_ = game_.Mode;
    keptHammers_ = game_.HammerCount;
    keptClippers_ = game_.ClipperCount;
    // The demo plays as it was recorded: a new game's skills and tools, the normal mode.
    flow_.Values = TProgression{};
    flow_.Values.CurrentLevel = static_cast<int>(level - files.begin());
    flow_.SetDifficulty(pmNormal);
    game_.HammerCount = Hammers;
    game_.ClipperCount = Clippers;
    game_.GameState = gsPlaying;
    flowHost_.RebuildBackground();
    game_.DemoPlaying = true;
    current_ = 1;
    flow_.BNextLevelWBetweenLevelMenuMouseUp(now);
    if (game_.GameState != gsPlaying) { // the level did not load
        StopDemo();
        return false;
    }
    start_ = now;
    due_ = 0;
    DemoStep(now);
    return true;
}

void TDemo::DemoStep(uint32_t now) {
    while (game_.DemoPlaying) {
        if (static_cast<uint64_t>(static_cast<uint32_t>(now - start_)) < due_) return;
        Handle(Lines[current_], now);
        if (!game_.DemoPlaying) return; // the level may have ended it
        if (current_ + 1 >= Lines.size()) {
            StopDemo();
            return;
        }
        ++current_;
        due_ = TimeOf(Lines[current_]);
    }
}

void TDemo::Handle(const std::string& line, uint32_t now) {
    const TPoint at{StrToIntVal(GetAttr(line, "x")), StrToIntVal(GetAttr(line, "y"))};
    if (Starts(line, "<MouseMove ")) {
        game_.PointerPos = at;
        host_.ReplayMove(at, now);
    } else if (Starts(line, "<MouseLDown ")) {
        host_.ReplayPress(ibLeft, at, now);
    } else if (Starts(line, "<MouseRDown ")) {
        host_.ReplayPress(ibRight, at, now);
    } else if (Starts(line, "<NewFishkaInSteck ")) {
        const double phase = random_.NextReal() * 2 * std::numbers::pi;
        game_.AddSteckPiece(StrToIntVal(GetAttr(line, "fishtype")),
                            GetAttr(line, "quest") == "true", GetAttr(line, "bonus") == "true",
                            phase);
    } else if (Starts(line, "<MoveSteck ")) {
        game_.StepFeed(StrToIntVal(GetAttr(line, "incr")));
    } else if (Starts(line, "<GiveBonus ")) {
        game_.GiveBonus(StrToIntVal(GetAttr(line, "ind")), now);
    }
}

void TDemo::StopDemo() {
    game_.DemoPlaying = false;
    widgets_.ChangeModal("WTitle");
    game_.GameState = gsTitle;
    flowHost_.PlayMusic(TGameFlow::MenuMusic);
    host_.SetPointerImage(PointerNormal);
    flow_.Values = keptValues_;
    game_.Mode = keptMode_;
    game_.HammerCount = keptHammers_;
    game_.ClipperCount = keptClippers_;
    flowHost_.RebuildBackground();
}

const std::string& TDemo::LevelName() const {
    static const std::string none;
    return Lines.empty() ? none : Lines[0];
}
