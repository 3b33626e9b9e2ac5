// Image stores: store names, capture, picture files.
#include <string>

#include "automation/Convert.h"
#include "automation/ScriptError.h"
#include "automation/mdlScreen.h"
#include "automation/mdlScreenPixels.h"

namespace ombrelt::mdlScreen {
namespace {

constexpr std::int32_t kOutsideTable = -1;
constexpr std::string_view kStorePrefix = "imagesave";
constexpr std::string_view kTempStore = "sstemp";

std::string WithoutStorePrefix(std::string_view name) {
    std::string rest;
    rest.reserve(name.size());
    std::size_t from = 0;
    for (std::size_t hit; (hit = name.find(kStorePrefix, from)) != std::string_view::npos;
         from = hit + kStorePrefix.size())
        rest.append(name.substr(from, hit - from));
    rest.append(name.substr(from));
    return rest;
}

}  // namespace

std::optional<std::int32_t> StoreIndex(std::string_view name) {
    std::string rest = WithoutStorePrefix(name);
    if (!Convert::IsNumeric(rest)) return std::nullopt;
    // A number too large for 16 bits names no store in the table (rather than
    // falling back to store 0, which a capture would then overwrite).
    std::int32_t index = kOutsideTable;
    RunStep([&] { index = Convert::ToInt16(rest); });
    return index;
}

PixelBuffer* StoreAt(AutomationState& state, std::int32_t index) {
    if (index < 0 || index > AutomationState::LastStore) return nullptr;
    if (static_cast<std::size_t>(index) >= state.ImageBuffers.size()) return nullptr;
    return &state.ImageBuffers[static_cast<std::size_t>(index)];
}

const PixelBuffer* StoreAt(const AutomationState& state, std::int32_t index) {
    return StoreAt(const_cast<AutomationState&>(state), index);
}

const PixelBuffer* detail::ReadableStore(const AutomationState& state, std::string_view name) {
    std::optional<std::int32_t> index = StoreIndex(name);
    if (!index) return nullptr;
    const PixelBuffer* buffer = StoreAt(state, *index);
    if (!buffer || buffer->Empty()) return nullptr;
    return buffer;
}

void CaptureScreen(AutomationState& state, Desktop& desktop, std::string_view store) {
    PixelBuffer* target = nullptr;
    if (store == kTempStore) {
        target = &state.TempCaptureBuffer;
    } else {
        std::optional<std::int32_t> index = StoreIndex(store);
        if (!index) return;
        target = StoreAt(state, *index);
        if (!target) throw ScriptError("Subscript out of range");
    }
    // Straight into the store, so a capture of the same size reuses its memory.
    if (!desktop.CaptureScreen(*target)) target->Clear();
}

void SaveImage(const AutomationState& state, Desktop& desktop, std::string_view store,
               const std::string& path) {
    // Nothing to save leaves whatever file is there as it is.
    const PixelBuffer* buffer = detail::ReadableStore(state, store);
    if (!buffer) return;
    desktop.SavePicture(path, *buffer);
}

void LoadImage(AutomationState& state, Desktop& desktop, std::string_view store,
               const std::string& path) {
    std::optional<std::int32_t> index = StoreIndex(store);
    if (!index) return;
    PixelBuffer* target = StoreAt(state, *index);
    if (!target) return;
    if (!desktop.LoadPicture(path, *target)) target->Clear();
}

}  // namespace ombrelt::mdlScreen
