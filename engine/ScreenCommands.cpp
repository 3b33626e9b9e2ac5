// Screen, colour and image commands: captures, pictures, colour ranges, and
// the tests and values whose results land in a script variable.
#include "engine/ScreenCommands.h"

#include "automation/Convert.h"
#include "automation/ScriptError.h"
#include "automation/mdlGlobals.h"
#include "automation/mdlScreen.h"
#include "engine/CommandIds.h"

namespace ombrelt {
namespace {

namespace Id = CommandId;
using Convert::ToInt16;

// The image folder, one "\", then the name without one leading "\": always
// inside the image folder.
std::string ImagePath(const std::string& folder, std::string name) {
    std::string path = folder;
    if (path.empty() || path.back() != '\\') path += '\\';
    return path + mdlGlobals::StripLeadingBackslash(name);
}

// Writes a test's outcome into the variable named by the stored first
// parameter, in that variable's own type: "True"/"False", or 0/1 for found
// and not found. A plain name that is no variable becomes a text variable.
void WriteOutcome(SC& sc, const std::string& name, bool found) {
    RunStep([&] { sc.GetVariable(name); });
    switch (sc.ScratchType) {
        case SC::TypeString:
            sc.ScratchString = found ? "True" : "False";
            RunStep([&] { sc.AddSetVariable(name, SC::TypeString, SC::OpSet); });
            break;
        case SC::TypeLong:
            sc.ScratchLong = found ? 0 : 1;
            RunStep([&] { sc.AddSetVariable(name, SC::TypeLong, SC::OpSet); });
            break;
        case SC::TypeDouble:
            sc.ScratchDouble = found ? 0.0 : 1.0;
            RunStep([&] { sc.AddSetVariable(name, SC::TypeDouble, SC::OpSet); });
            break;
        default: break;
    }
}

// Runs a test; one whose coordinates cannot be converted, or that cannot
// read what it tests, is not found (never reported as success).
template <class Test>
void RunTest(SC& sc, CommandParams& p, int params, Test test) {
    p.Resolve(params);
    bool found = false;
    if (!RunStep([&] { found = test(); })) found = false;
    WriteOutcome(sc, p.Stored(1), found);
}

// "getsaturation", "getsaturationin": the area's mean brightness into the
// variable named by the stored first parameter, in that variable's type.
void RunBrightnessValue(SC& sc, CommandParams& p, int params, int x1, int y1, int x2, int y2) {
    p.Resolve(params);
    const std::string& name = p.Stored(1);
    RunStep([&] { sc.GetVariable(name); });
    std::int32_t type = sc.ScratchType;
    RunStep([&] {
        double brightness = mdlScreen::GetSaturation(sc.State(), p[2], ToInt16(p[x1]), ToInt16(p[y1]),
                                                     ToInt16(p[x2]), ToInt16(p[y2]));
        switch (type) {
            case SC::TypeString: sc.ScratchString = Convert::DoubleToText(brightness); break;
            case SC::TypeLong: sc.ScratchLong = Convert::RoundToInt32(brightness); break;
            case SC::TypeDouble: sc.ScratchDouble = brightness; break;
            default: break;
        }
    });
    if (type >= SC::TypeString && type <= SC::TypeDouble)
        RunStep([&] { sc.AddSetVariable(name, type, SC::OpSet); });
}

void RunFromCenterScreen(SC& sc, CommandParams& p) {
    p.Resolve(6);
    RunStep([&] {
        auto [cx, cy] = CentreOfScreen(sc.Host());
        auto corner = [](float centre, const std::string& offset) {
            return Convert::IntToText(Convert::RoundToInt32(centre + static_cast<float>(ToInt16(offset))));
        };
        std::string x1 = corner(cx, p[3]), y1 = corner(cy, p[4]);
        std::string x2 = corner(cx, p[5]), y2 = corner(cy, p[6]);
        mdlScreen::MoveMouseToColorRangeEx(sc.State(), sc.Host(), p[1], p[2], x1, y1, x2, y2);
    });
}

}  // namespace

ScreenCentre CentreOfScreen(Desktop& desktop) {
    ScreenMetrics screen = desktop.Screen();
    return {static_cast<float>(screen.WidthTwips()) / 15.0f / 2.0f,
            static_cast<float>(screen.HeightTwips()) / 15.0f / 2.0f};
}

bool RunScreenCommand(SC& sc, std::int32_t id, CommandParams& p) {
    AutomationState& state = sc.State();
    Desktop& desktop = sc.Host();
    auto pixelTest = [&](int rangeParam, int x1, int y1, int x2, int y2) {
        return [&, rangeParam, x1, y1, x2, y2] {
            return mdlScreen::IsPixelInArea(state, p[2], p[rangeParam], ToInt16(p[x1]), ToInt16(p[y1]),
                                            ToInt16(p[x2]), ToInt16(p[y2]));
        };
    };
    auto brightnessTest = [&](int target, const char* fixedTolerance, int tolerance, int x1, int y1, int x2,
                              int y2) {
        return [&, target, fixedTolerance, tolerance, x1, y1, x2, y2] {
            std::string tol = fixedTolerance ? fixedTolerance : p[tolerance];
            return mdlScreen::IsSaturationInArea(state, p[2], p[target], tol, ToInt16(p[x1]), ToInt16(p[y1]),
                                                 ToInt16(p[x2]), ToInt16(p[y2]));
        };
    };
    auto imageTest = [&](const char* fixedTolerance, int tolerance, int x1, int y1, int x2, int y2) {
        return [&, fixedTolerance, tolerance, x1, y1, x2, y2] {
            std::string tol = fixedTolerance ? fixedTolerance : p[tolerance];
            return mdlScreen::IsImageInArea(state, p[2], p[3], tol, ToInt16(p[x1]), ToInt16(p[y1]),
                                            ToInt16(p[x2]), ToInt16(p[y2]));
        };
    };

    switch (id) {
        case Id::LoadImage:
            p.Resolve(2);
            RunStep([&] { mdlScreen::LoadImage(state, desktop, p[1], ImagePath(state.ImageBaseFolder, p[2])); });
            return true;
        case Id::SaveImage:
            p.Resolve(2);
            RunStep([&] { mdlScreen::SaveImage(state, desktop, p[1], p[2]); });
            return true;
        case Id::CaptureScreen:
            p.Resolve(1);
            RunStep([&] { mdlScreen::CaptureScreen(state, desktop, p[1]); });
            return true;
        case Id::CreateColorRange:
            p.Resolve(7);
            RunStep([&] {
                mdlScreen::CreateColorRange(state, p[1], ToInt16(p[2]), ToInt16(p[3]), ToInt16(p[4]),
                                            ToInt16(p[5]), ToInt16(p[6]), ToInt16(p[7]));
            });
            return true;
        case Id::MoveMouseToColorRange:
            p.Resolve(2);
            RunStep([&] { mdlScreen::MoveMouseToColorRange(state, desktop, p[1], p[2]); });
            return true;
        case Id::MoveMouseToColorRangeEx:
            p.Resolve(6);
            RunStep([&] {
                auto corner = [&](int k) { return Convert::IntToText(ToInt16(p[k])); };
                mdlScreen::MoveMouseToColorRangeEx(state, desktop, p[1], p[2], corner(3), corner(4), corner(5),
                                                   corner(6));
            });
            return true;
        case Id::MoveMouseToColorRangeFromCenterScreen: RunFromCenterScreen(sc, p); return true;
        case Id::IsPixel: RunTest(sc, p, 5, pixelTest(5, 3, 4, 3, 4)); return true;
        case Id::IsPixelIn: RunTest(sc, p, 7, pixelTest(7, 3, 4, 5, 6)); return true;
        case Id::IsSaturation: RunTest(sc, p, 5, brightnessTest(5, "0", 0, 3, 4, 3, 4)); return true;
        case Id::IsSaturationInArea: RunTest(sc, p, 7, brightnessTest(7, "0", 0, 3, 4, 5, 6)); return true;
        case Id::IsSaturationEx: RunTest(sc, p, 6, brightnessTest(5, nullptr, 6, 3, 4, 3, 4)); return true;
        case Id::IsSaturationInAreaEx: RunTest(sc, p, 8, brightnessTest(7, nullptr, 8, 3, 4, 5, 6)); return true;
        case Id::GetSaturation: RunBrightnessValue(sc, p, 4, 3, 4, 3, 4); return true;
        case Id::GetSaturationIn: RunBrightnessValue(sc, p, 6, 3, 4, 5, 6); return true;
        case Id::IsImage: RunTest(sc, p, 5, imageTest("0", 0, 4, 5, 4, 5)); return true;
        case Id::IsImageEx: RunTest(sc, p, 6, imageTest(nullptr, 6, 4, 5, 4, 5)); return true;
        case Id::IsImageInArea: RunTest(sc, p, 7, imageTest("0", 0, 4, 5, 6, 7)); return true;
        case Id::IsImageInAreaEx: RunTest(sc, p, 8, imageTest(nullptr, 8, 4, 5, 6, 7)); return true;
        default: return false;
    }
}

}  // namespace ombrelt
