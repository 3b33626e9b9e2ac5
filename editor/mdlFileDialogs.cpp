// The common open and save dialogs of the File commands.
#include "editor/mdlFile.h"
#include "forms/Dialogs.h"
#include "forms/Form.h"

namespace ombrelt::mdlFile {
namespace {

// The dialogs start with an empty file name; Save does not ask before
// replacing a file (the commands replace it silently).
forms::FileDialog Dialog(const std::string& title, std::string_view filter, const std::string& defaultExtension) {
    forms::FileDialog dialog;
    dialog.DialogTitle = title;
    dialog.Filter = std::string(filter);
    dialog.DefaultExt = defaultExtension;
    return dialog;
}

}  // namespace

std::string ShowOpen(const std::string& title, std::string_view filter, const std::string& defaultExtension,
                     const forms::Form* owner) {
    forms::FileDialog dialog = Dialog(title, filter, defaultExtension);
    return dialog.ShowOpen(owner ? owner->Handle() : nullptr) ? dialog.FileName : std::string();
}

std::string ShowSave(std::string_view filter, const std::string& defaultExtension, const std::string& title,
                     const forms::Form* owner) {
    forms::FileDialog dialog = Dialog(title, filter, defaultExtension);
    return dialog.ShowSave(owner ? owner->Handle() : nullptr) ? dialog.FileName : std::string();
}

}  // namespace ombrelt::mdlFile
