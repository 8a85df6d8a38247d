// Turning an interface file into objects: the five passes, default lines, faults, windows.
#include <gtest/gtest.h>

#include "InterfaceTestSupport.h"
#include "archive/GameError.h"
#include "interface/VexButton.h"
#include "interface/VexGrid.h"
#include "interface/VexLabel.h"

using namespace vextest;

namespace {

TEST(InterfaceLoading, CreatesObjectsAndAppliesEveryProperty) {
    TInterfaceWorld w;
    w.Load(Li({Window("WMain"),
               Widget("TVexLabel", "WMain", "LTitleWMain", 10, 20, 100, 20,
                      {{"Caption", "Hello"}, {"Alignment", "taRight"}, {"Color", "255"}})}));
    ASSERT_EQ(w.Engine.Count(), 3);
    auto& label = w.Get<TVexLabel>("LTitleWMain");
    EXPECT_EQ(label.Caption, "Hello");
    EXPECT_EQ(label.Alignment, TTextAlignment::taRight);
    EXPECT_EQ(label.CurrentColor, 255);
    EXPECT_EQ(label.Parent, &w.Get("WMain"));
    EXPECT_EQ(label.Engine, &w.Engine);
    EXPECT_EQ(w.Engine.GetClassName("LTitleWMain"), "TVexLabel");
    EXPECT_EQ(w.Engine.GetClassName("Nothing"), "");
    // Objects from the file skip Init: what the file does not set stays zero.
    EXPECT_EQ(label.Font, "");
    EXPECT_FALSE(label.Autosize);
    EXPECT_FALSE(w.Get("WMain").Visible);
}

TEST(InterfaceLoading, DefaultLinesReachObjectsBeforeAndAfterButNeverOverride) {
    TInterfaceWorld w;
    w.Load(Li({Window("WMain"), Widget("TVexLabel", "WMain", "LOne", 0, 0, 10, 10),
               Widget("TVexLabel", "WMain", "LOwn", 0, 0, 10, 10, {{"Font", "Mine"}}),
               Obj("TVexDefaults", {{"DefLine", "TVexLabel;Font;Arial12"},
                                    {"DefLine", "TVexLabel; Font ;Second"},
                                    {"DefLine", "TVexLabel;Caption;a;b c"},
                                    {"DefLine", "no separators"}}),
               Widget("TVexLabel", "WMain", "LTwo", 0, 0, 10, 10),
               Widget("TVexButton", "WMain", "BNot", 0, 0, 10, 10)}));
    EXPECT_EQ(w.Get<TVexLabel>("LOne").Font, "Arial12");
    EXPECT_EQ(w.Get<TVexLabel>("LTwo").Font, "Arial12");
    EXPECT_EQ(w.Get<TVexLabel>("LOwn").Font, "Mine");
    EXPECT_EQ(w.Get<TVexLabel>("LTwo").Caption, "a;b c"); // the value keeps its ";"
    EXPECT_EQ(w.Get<TVexButton>("BNot").Font, "");        // the class must match exactly
    ASSERT_EQ(w.Log.Lines.size(), 1u);
    EXPECT_EQ(w.Log.Lines[0],
              "[TVexInterfaceEngine.ApplyDefaultLine] DefLine does not have 3 parameters!");
}

TEST(InterfaceLoading, AFaultStopsCreationButEarlierObjectsAreComplete) {
    TInterfaceWorld w;
    w.Load(Li({Window("WMain"),
               Widget("TVexLabel", "WMain", "LFirst", 0, 0, 10, 10, {{"Caption", "x"}}),
               "<o c=\"TVexLabel\" d=\"1\"><p n=\"ParentName\">WMain</p><p n=\"Name\">LBad</p></o>",
               Widget("TVexLabel", "WMain", "LLater", 0, 0, 10, 10)}));
    EXPECT_EQ(w.Engine.FindVexObjectByName("LBad"), nullptr);
    EXPECT_EQ(w.Engine.FindVexObjectByName("LLater"), nullptr);
    EXPECT_EQ(w.Get<TVexLabel>("LFirst").Caption, "x");
    EXPECT_EQ(w.Get<TVexForm>("WMain").Children.size(), 1u);
    ASSERT_EQ(w.Log.Lines.size(), 1u);
    EXPECT_EQ(
        w.Log.Lines[0],
        "[TVexInterfaceEngine.CreateVexInterfaceObjects] Tag <o> has wrong number of attributes!");
}

TEST(InterfaceLoading, ShapeFaultMessages) {
    const std::string pre = "[TVexInterfaceEngine.CreateVexInterfaceObjects] ";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"<Other><o c=\"TVexForm\"/></Other>", pre + "XML file does not has \"VexInterface\" tag!"},
        {"<VexInterface><x/></VexInterface>", pre + "VexInterface XML file contains wrong tag!"},
        {"<VexInterface><o d=\"TVexForm\"><p n=\"Name\">W</p></o></VexInterface>",
         pre + "Tag <o> does not has \"c\" attribute!"},
        {"<VexInterface><o c=\"TVexForm\"/></VexInterface>", pre + "Tag <o> does not has subtags!"},
        {"<VexInterface><o c=\"TVexForm\"><q/></o></VexInterface>",
         pre + "[ClassName:TVexForm] Tag <o> contains wrong subtag!"},
        {"<VexInterface><o c=\"TVexForm\"><p/></o></VexInterface>",
         pre + "[ClassName:TVexForm] Tag <p> has wrong number of attributes!"},
        {"<VexInterface><o c=\"TVexForm\"><p m=\"Name\">W</p></o></VexInterface>",
         pre + "[ClassName:TVexForm] Tag <p> does not has \"n\" attribute!"},
        {"<VexInterface><o c=\"TVexDefaults\"><p n=\"Name\">W</p></o></VexInterface>",
         pre + "[ClassName:TVexDefaults] Tag <p> has wrong \"n\" attribute value!"},
        {"<VexInterface><o c=\"TVexForm\"><p n=\"Name\">W</p></o></VexInterface>",
         pre + "[ClassName:TVexForm] Attribute <n> does not has Name: \"ParentName\" or \"Name\"!"},
        {"just text", pre + "XML file does not has tags!"},
    };
    for (const auto& [file, message] : cases) {
        TInterfaceWorld w;
        w.Load(file);
        ASSERT_EQ(w.Log.Lines.size(), 1u) << file;
        EXPECT_EQ(w.Log.Lines[0], message);
        EXPECT_EQ(w.Engine.Count(), 1) << file; // only the screen
    }
}

TEST(InterfaceLoading, BadPropertiesReachTheCaller) {
    TInterfaceWorld bad;
    EXPECT_THROW(
        bad.Load(
            Li({Window("WMain"),
                Obj("TVexForm", {{"ParentName", "VexScreen"}, {"Name", "W2"}, {"Colour", "1"}})})),
        GameError);
    TInterfaceWorld value;
    EXPECT_THROW(value.Load(Li({Obj(
                     "TVexForm", {{"ParentName", "VexScreen"}, {"Name", "W"}, {"Left", "ten"}})})),
                 GameError);
    TInterfaceWorld enumValue;
    EXPECT_THROW(
        enumValue.Load(Li({Obj(
            "TVexForm", {{"ParentName", "VexScreen"}, {"Name", "W"}, {"HAlign", "haMiddle"}})})),
        GameError);
    TInterfaceWorld empty;
    EXPECT_THROW(empty.Load("  "), GameError);
}

TEST(InterfaceLoading, WidgetsOnWidgetsBelongToTheWindowAbove) {
    TInterfaceWorld w;
    w.Load(Li({Window("WMain"), Widget("TVexTabForm", "WMain", "TabOne", 0, 0, 100, 100),
               Widget("TVexLabel", "TabOne", "LOnTab", 0, 0, 10, 10),
               Widget("TVexLabel", "LLoopB", "LLoopA", 0, 0, 10, 10),
               Widget("TVexLabel", "LLoopA", "LLoopB", 0, 0, 10, 10)}));
    const auto& children = w.Get<TVexForm>("WMain").Children;
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0]->Name, "TabOne");
    EXPECT_EQ(children[1]->Name, "LOnTab");
    EXPECT_EQ(w.Log.Lines.size(), 2u); // the loop reaches no window: noted, not hung
}

TEST(InterfaceLoading, CreateObjectRunsInitAndNamesBySlot) {
    TInterfaceWorld w;
    w.Load(Li({Window("WMain")}));
    auto& screen = w.Get("VexScreen");
    EXPECT_EQ(screen.Width, 800);
    EXPECT_EQ(screen.Height, 600);
    while (w.Engine.Count() < 203)
        w.Engine.AddArrayItem();
    w.Engine.Defaults.SetDefLine("TVexLabel;Color;123");
    auto* label = dynamic_cast<TVexLabel*>(w.Engine.CreateObject("WMain", &w.Methods, "tvexlabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Name, "VexLabel203");
    EXPECT_EQ(label->Tag, 203);
    EXPECT_EQ(label->Font, "Arial12");
    EXPECT_EQ(label->CharSet, "EASTEUROPE");
    EXPECT_EQ(label->Caption, "VexLabel203");
    EXPECT_EQ(label->Width, 110);
    EXPECT_EQ(label->Height, 20);
    EXPECT_EQ(label->Color, 123);
    EXPECT_TRUE(label->Visible);
    EXPECT_EQ(w.Get<TVexForm>("WMain").Children.back(), label);
    auto* grid = dynamic_cast<TVexGrid*>(w.Engine.CreateObject("WMain", &w.Methods, "TVexGrid"));
    EXPECT_EQ(grid->ColWidth, "60;60;60");
    EXPECT_EQ(grid->Width, 180);
    EXPECT_THROW(w.Engine.CreateObject("WMain", &w.Methods, "TNoSuch"), GameError);
}

TEST(InterfaceProperties, ReadAndWriteByNameInDeclarationOrder) {
    TInterfaceWorld w;
    w.Load(Li({Window("WMain"), Widget("TVexButton", "WMain", "BOk", 0, 0, 10, 10)}));
    auto& b = w.Get<TVexButton>("BOk");
    SetPropValue(b, "visible", "false");
    EXPECT_EQ(GetPropValue(b, "Visible"), "False");
    SetPropValue(b, "VAlign", "vaBottom");
    EXPECT_EQ(GetPropValue(b, "VAlign"), "vaBottom");
    SetPropValue(b, "OnMouseUp", "");
    SetPropValue(b, "OnMouseUp", "ShowModal W");
    SetPropValue(b, "OnKeyDown", "");
    EXPECT_EQ(GetPropValue(b, "OnMouseUp"), "\x07\r\nShowModal W\r\n");
    EXPECT_EQ(GetPropValue(b, "OnKeyDown"), "\x07");
    const auto& props = b.Properties();
    EXPECT_EQ(props[0].Name, "ParentName");
    EXPECT_EQ(props[3].Name, "Left");
    EXPECT_EQ(props.back().Name, "DShiftY");
}

TEST(InterfaceAlignment, AlignsWithinTheParent) {
    TInterfaceWorld w;
    w.Load(Li(
        {Obj("TVexForm",
             {{"ParentName", "VexScreen"}, {"Name", "WBox"}, {"Width", "301"}, {"Height", "201"}}),
         Widget("TVexLabel", "WBox", "LMid", 0, 0, 51, 20,
                {{"HAlign", "haCenter"},
                 {"ShiftX", "4"},
                 {"VAlign", "vaBottom"},
                 {"ShiftY", "-5"}})}));
    auto& l = w.Get("LMid");
    EXPECT_EQ(l.Left, 150 + 4 - 25);
    EXPECT_EQ(l.Top, 201 - 5 - 20);
    l.SetHAlign(THAlign::haRight);
    EXPECT_EQ(l.Left, 301 + 4 - 51);
    l.SetHAlign(THAlign::haNone);
    EXPECT_EQ(l.ShiftX, 0);
    EXPECT_EQ(l.Left, 301 + 4 - 51);
}

TEST(InterfaceOrigins, ComputeOriginsAddsParentPositions) {
    TInterfaceWorld w;
    w.Load(Li({Obj("TVexForm",
                   {{"ParentName", "VexScreen"}, {"Name", "WBox"}, {"Left", "100"}, {"Top", "50"}}),
               Widget("TVexTabForm", "WBox", "TabA", 10, 20, 50, 50),
               Widget("TVexLabel", "TabA", "LDeep", 1, 2, 5, 5),
               Widget("TVexLabel", "LSelf", "LSelf", 0, 0, 5, 5)}));
    w.Engine.ComputeOrigins("VexScreen", 0, 0);
    EXPECT_EQ(w.Get("WBox").OriginLeft, 100);
    EXPECT_EQ(w.Get("TabA").OriginLeft, 110);
    EXPECT_EQ(w.Get("TabA").OriginTop, 70);
    EXPECT_EQ(w.Get("LDeep").OriginLeft, 111);
    EXPECT_EQ(w.Get("LDeep").OriginTop, 72);
}

} // namespace
