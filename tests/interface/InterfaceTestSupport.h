#pragma once
// A small world for interface tests: one font where every character is 10 pixels wide, a
// graphic host that records what it is asked, a method table that counts calls, and helpers
// that write interface files.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "archive/DebugLog.h"
#include "interface/VexFont.h"
#include "interface/VexForm.h"
#include "interface/VexGraphic.h"
#include "interface/VexInterfaceEngine.h"
#include "interface/VexMethodTable.h"

namespace vextest {

inline std::string FontsFile() {
    std::string metric;
    for (int k = 0; k < 225; ++k)
        metric += (k ? " " : "") + std::to_string(10 * k);
    return "<VexFonts mode=\"Creation\">\n"
           "<o c=\"TVexFont\">\n"
           "<p n=\"Name\">Arial12</p>\n"
           "<p n=\"Height\">20</p>\n"
           "<p n=\"AddCharSet\">EASTEUROPE</p>\n"
           "<p n=\"AddPicture\">Arial12East</p>\n"
           "<p n=\"AddMetric\">" +
           metric +
           "</p>\n"
           "</o>\n"
           "</VexFonts>\n";
}

struct TDrawCall {
    std::string Kind, Name; // Kind: "Draw", "DrawColored", "DrawText"
    int X = 0, Y = 0;
    uint32_t Colour = 0;
};

class TRecordingGraphic : public IVexGraphic {
  public:
    void Draw(const std::string& picture, int x, int y) override {
        Calls.push_back({"Draw", picture, x, y, 0});
    }
    void DrawRect(const std::string& picture, const TRect&, int x, int y) override {
        Calls.push_back({"DrawRect", picture, x, y, 0});
    }
    void DrawColored(const std::string& picture, uint32_t colour, int x, int y) override {
        Calls.push_back({"DrawColored", picture, x, y, colour});
    }
    void DrawString(int, int, const std::string&) override {}
    void DrawText(int x, int y, const std::string& text, int, int, uint32_t colour,
                  const std::string&, const std::string&, const std::string&) override {
        Calls.push_back({"DrawText", text, x, y, colour});
    }
    void VexPlaySound(const std::string& name) override { Sounds.push_back(name); }
    TPoint PictureSize(const std::string& picture) override {
        auto it = Sizes.find(picture);
        return it == Sizes.end() ? TPoint{} : it->second;
    }
    std::vector<TDrawCall> Of(const std::string& kind) const {
        std::vector<TDrawCall> out;
        for (const auto& c : Calls)
            if (c.Kind == kind) out.push_back(c);
        return out;
    }

    std::vector<TDrawCall> Calls;
    std::vector<std::string> Sounds;
    std::map<std::string, TPoint> Sizes;
};

class TRecordingLog : public IDebugLog {
  public:
    void Write(const std::string& message) override { Lines.push_back(message); }
    std::vector<std::string> Lines;
};

using TProps = std::vector<std::pair<std::string, std::string>>;

inline std::string Obj(const std::string& cls, const TProps& props) {
    std::string s = "  <o c=\"" + cls + "\">\n";
    for (const auto& [n, v] : props)
        s += "    <p n=\"" + n + "\">" + v + "</p>\n";
    return s + "  </o>\n";
}

inline std::string Li(const std::vector<std::string>& objects) {
    std::string s = "<VexInterface>\n";
    for (const auto& o : objects)
        s += o;
    return s + "</VexInterface>\n";
}

// A window covering the screen.
inline std::string Window(const std::string& name) {
    return Obj("TVexForm", {{"ParentName", "VexScreen"},
                            {"Name", name},
                            {"Width", "800"},
                            {"Height", "600"},
                            {"Picture", name + "Back"}});
}

// A visible widget whose screen origin is its position (windows sit at 0, 0).
inline std::string Widget(const std::string& cls, const std::string& parent,
                          const std::string& name, int left, int top, int width, int height,
                          TProps extra = {}) {
    TProps props{{"ParentName", parent},
                 {"Name", name},
                 {"Left", std::to_string(left)},
                 {"Top", std::to_string(top)},
                 {"Width", std::to_string(width)},
                 {"Height", std::to_string(height)},
                 {"OriginLeft", std::to_string(left)},
                 {"OriginTop", std::to_string(top)},
                 {"Visible", "True"}};
    props.insert(props.end(), extra.begin(), extra.end());
    return Obj(cls, props);
}

class TInterfaceWorld {
  public:
    TInterfaceWorld() : Engine(&Fonts, &Log) {
        Fonts.LoadFontsText(FontsFile());
        Engine.Graphic = &Graphic;
        Engine.Owner = &Methods;
        Engine.CreateObject("Nil", &Methods, "TVexInterfaceObject");
    }
    void Load(const std::string& text) { Engine.LoadInterfaceText(text); }
    // Counts calls of a handler under the given name.
    void Count(const std::string& method) {
        Methods.RegisterMethod(method, [this, method] { ++Calls[method]; });
    }
    template <class T = TVexInterfaceObject> T& Get(const std::string& name) {
        auto* o = dynamic_cast<T*>(Engine.FindVexObjectByName(name));
        if (!o) throw std::runtime_error("no object " + name);
        return *o;
    }
    void Click(int x, int y) {
        Engine.MouseMove(x, y);
        Engine.MouseDown(1, x, y);
        Engine.MouseUp(1, x, y);
    }

    TVexFontEngine Fonts;
    TRecordingGraphic Graphic;
    TVexMethodTable Methods;
    TRecordingLog Log;
    TVexInterfaceEngine Engine;
    std::map<std::string, int> Calls;
};

} // namespace vextest
