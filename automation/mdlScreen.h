#pragma once
// Screen images kept as plain pixel arrays: numbered image stores filled by
// capture or from picture files, colour ranges, and the searches scripts run
// on the stores (colour, brightness, image). Everything here is pure except
// what goes through the desktop seam.
//
// Store names: every "imagesave" is removed from the name; what is left must
// pass the numeric test and names the store of that number (halves to even).
// Any other name names no store, and the operation does nothing. A number
// outside 0 to 50 names a store outside the table.
//
// Colour range names: the eleventh character (the one after "colorrange") is
// the range's number, so ranges 0 to 9 are reachable.
//
// A test never reports what it cannot read as found: a pixel outside the image,
// an empty store or a store outside the table counts as not found.
#include <cstdint>
#include <optional>
#include <string_view>

#include "automation/AutomationState.h"
#include "automation/Desktop.h"
#include "automation/PixelBuffer.h"

namespace ombrelt::mdlScreen {

// ---- Store and range names -------------------------------------------------

// The store number a name gives, or nothing when it names no store. A number
// beyond the 16-bit range gives -1 (outside the table).
std::optional<std::int32_t> StoreIndex(std::string_view name);

// The store of that number; nullptr outside the table.
PixelBuffer* StoreAt(AutomationState& state, std::int32_t index);
const PixelBuffer* StoreAt(const AutomationState& state, std::int32_t index);

// The range number of a name; raises ScriptError when its eleventh character
// is missing or not a digit.
std::int32_t ColorRangeIndex(std::string_view name);

// ---- Capture, load, save ---------------------------------------------------

// The whole screen into the named store; "sstemp" fills TempCaptureBuffer.
// A store outside the table raises ScriptError and changes nothing. When the
// capture fails the store is left empty.
void CaptureScreen(AutomationState& state, Desktop& desktop, std::string_view store);

// Writes the store as a Windows bitmap, upright. An empty store, or a name
// that gives none in the table, leaves the file untouched. Reports nothing.
void SaveImage(const AutomationState& state, Desktop& desktop, std::string_view store,
               const std::string& path);

// Reads a picture file into the store; a file that cannot be loaded leaves
// the store empty. Reports nothing.
void LoadImage(AutomationState& state, Desktop& desktop, std::string_view store,
               const std::string& path);

// ---- Coordinates -----------------------------------------------------------

// "lx" and "ly" give the last found point; anything else is converted to a
// 16-bit integer (halves to even). Raises ScriptError when that fails.
std::int16_t ParseCoordinate(const AutomationState& state, std::string_view text);

// ---- Colour ranges and colour search ---------------------------------------

// Defines range K of the name: minimum red, blue, green, then maximum red,
// blue, green. Raises ScriptError when the name gives no range.
void CreateColorRange(AutomationState& state, std::string_view range, std::int16_t minRed,
                      std::int16_t minBlue, std::int16_t minGreen, std::int16_t maxRed,
                      std::int16_t maxBlue, std::int16_t maxGreen);

// Moves the pointer to the first pixel of the store in the range (rows top
// to bottom, each left to right) and publishes it as the last found point.
// Without a match nothing changes. A range name that gives no range uses
// range 0.
void MoveMouseToColorRange(AutomationState& state, Desktop& desktop, std::string_view store,
                           std::string_view range);

// The same within the area x1..x2, y1..y2 (both ends included); each corner
// is parsed with ParseCoordinate, and a corner that does not parse makes the
// search do nothing.
void MoveMouseToColorRangeEx(AutomationState& state, Desktop& desktop, std::string_view store,
                             std::string_view range, std::string_view x1, std::string_view y1,
                             std::string_view x2, std::string_view y2);

// Whether a pixel of the area lies in the range. On a match the last found
// point is the first match in scan order (FirstFindMode) or the last one.
bool IsPixelInArea(AutomationState& state, std::string_view store, std::string_view range,
                   std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);

// ---- Brightness and image search -------------------------------------------

// Brightness of a pixel in percent: (r + g + b) / 3 / 256 * 100; white is
// 99.609375.
double PixelBrightness(std::uint32_t pixel);

// Mean brightness of the area in percent: the exact sum of (r + g + b) / 3
// over the area, divided by its pixel count, then by 256, times 100. A point
// outside the image counts again with the pixel read before it in scan order
// (0 before any). An area without pixels or an empty store gives 0.
double GetSaturation(const AutomationState& state, std::string_view store, std::int16_t x1,
                     std::int16_t y1, std::int16_t x2, std::int16_t y2);

// Whether the area's mean brightness lies within |target| -+ |tolerance|
// (texts; not a number counts as 0). On success the last found point becomes
// (x1, y1). An area that cannot be read wholly, or has no pixels, is not found.
bool IsSaturationInArea(AutomationState& state, std::string_view store, std::string_view target,
                        std::string_view tolerance, std::int16_t x1, std::int16_t y1,
                        std::int16_t x2, std::int16_t y2);

// Whether the needle store lies in the store with its top-left pixel on a
// point of the area x1..x2, y1..y2: wholly inside the image, and every needle
// pixel's brightness within tolerance + 1 of the image pixel under it (the
// tolerance is a text, sign included; not a number counts as 0). The last
// found point becomes the first match in scan order (FirstFindMode) or the
// last one.
bool IsImageInArea(AutomationState& state, std::string_view store, std::string_view needle,
                   std::string_view tolerance, std::int16_t x1, std::int16_t y1, std::int16_t x2,
                   std::int16_t y2);

}  // namespace ombrelt::mdlScreen
