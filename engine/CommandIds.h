#pragma once
// Command IDs of the script language: the language's own statements (0 to 25)
// and the desktop commands (100 to 157). A statement's ID picks its handler.
#include <cstdint>

namespace ombrelt::CommandId {

inline constexpr std::int32_t Unknown = -1;

// The language's own statements; 8, 9 and 10 double as the variable type codes.
inline constexpr std::int32_t Call = 0;
inline constexpr std::int32_t Function = 1;
inline constexpr std::int32_t EndFunction = 2;
inline constexpr std::int32_t If = 3;
inline constexpr std::int32_t Else = 4;
inline constexpr std::int32_t EndIf = 5;
inline constexpr std::int32_t While = 6;
inline constexpr std::int32_t EndWhile = 7;
inline constexpr std::int32_t String = 8;
inline constexpr std::int32_t Int = 9;
inline constexpr std::int32_t Double = 10;
inline constexpr std::int32_t Set = 11;
inline constexpr std::int32_t Add = 12;
inline constexpr std::int32_t Subtract = 13;
inline constexpr std::int32_t Divide = 14;
inline constexpr std::int32_t Multiply = 15;
inline constexpr std::int32_t Power = 16;
inline constexpr std::int32_t Tan = 17;
inline constexpr std::int32_t Cos = 18;
inline constexpr std::int32_t Sin = 19;
inline constexpr std::int32_t Log = 20;
inline constexpr std::int32_t Factorial = 21;
inline constexpr std::int32_t Message = 22;
inline constexpr std::int32_t Parse = 23;
inline constexpr std::int32_t Replace = 24;
inline constexpr std::int32_t Timer = 25;

// Desktop commands.
inline constexpr std::int32_t MsgBox = 100;
inline constexpr std::int32_t Pause = 101;
inline constexpr std::int32_t KeyUp = 102;
inline constexpr std::int32_t Start = 103;
inline constexpr std::int32_t LeftUp = 104;
inline constexpr std::int32_t PauseS = 105;
inline constexpr std::int32_t PauseM = 106;
inline constexpr std::int32_t PauseH = 107;
inline constexpr std::int32_t RightUp = 108;
inline constexpr std::int32_t KeyDown = 109;
inline constexpr std::int32_t StartEx = 110;
inline constexpr std::int32_t MiddleUp = 111;
inline constexpr std::int32_t LeftDown = 112;
inline constexpr std::int32_t LeftUpEx = 113;
inline constexpr std::int32_t SendKeys = 114;
inline constexpr std::int32_t LeftClick = 115;
inline constexpr std::int32_t RightDown = 116;
inline constexpr std::int32_t MoveMouse = 117;
inline constexpr std::int32_t RightUpEx = 118;
inline constexpr std::int32_t LoadImage = 119;
inline constexpr std::int32_t SaveImage = 120;
inline constexpr std::int32_t RightClick = 121;
inline constexpr std::int32_t LeftDownEx = 122;
inline constexpr std::int32_t MiddleDown = 123;
inline constexpr std::int32_t MiddleUpEx = 124;
inline constexpr std::int32_t FindWindow = 125;  // also "selectwindow"
inline constexpr std::int32_t RightDownEx = 126;
inline constexpr std::int32_t MiddleClick = 127;
inline constexpr std::int32_t MiddleDownEx = 128;
inline constexpr std::int32_t FindWindowEx = 130;  // also "selectsubwindow"
inline constexpr std::int32_t IgnorePauses = 131;
inline constexpr std::int32_t CaptureScreen = 132;
inline constexpr std::int32_t SetPausePercent = 133;
inline constexpr std::int32_t CreateColorRange = 135;
inline constexpr std::int32_t DeselectWindow = 136;
inline constexpr std::int32_t MoveMouseToColorRange = 137;
inline constexpr std::int32_t MoveMouseToColorRangeEx = 138;
inline constexpr std::int32_t MoveMouseToCenterScreen = 139;  // no word leads here
inline constexpr std::int32_t MoveMouseToColorRangeFromCenterScreen = 140;
inline constexpr std::int32_t OrigionalPlayTime = 141;
inline constexpr std::int32_t IsPixel = 142;
inline constexpr std::int32_t IsPixelIn = 143;
inline constexpr std::int32_t IsSaturation = 144;
inline constexpr std::int32_t IsSaturationInArea = 145;
inline constexpr std::int32_t IsSaturationEx = 146;
inline constexpr std::int32_t IsSaturationInAreaEx = 147;
inline constexpr std::int32_t EnableRepeat = 148;
inline constexpr std::int32_t DisableRepeat = 149;
inline constexpr std::int32_t GetSaturation = 150;
inline constexpr std::int32_t GetSaturationIn = 151;
inline constexpr std::int32_t IsImage = 152;
inline constexpr std::int32_t IsImageEx = 153;
inline constexpr std::int32_t IsImageInArea = 154;
inline constexpr std::int32_t IsImageInAreaEx = 155;
inline constexpr std::int32_t FirstFindMode = 156;
inline constexpr std::int32_t RandomFindMode = 157;

}  // namespace ombrelt::CommandId
