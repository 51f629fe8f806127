#include "builder/messages.h"

#include <string>

#include "builder/source_units.h"

namespace builder {

namespace {
std::string_view builderErrorText(int number) {
    switch (number) {
        case kErrorMainWindow:
            return "Can Not Open Main Window";
        case kErrorUndoLog:
            return "Undo/Redo LOG - Save Failed.";
        case kErrorDefaultDna:
            return "MAP Builder did not find default DNA\nRIVORERAR  will use default DNA";
        case kErrorSaveDna:
            return "Sorry! Could not save DNA?!?";
        default:
            return {};
    }
}
}  // namespace

void startupFailure(Builder& builder, std::string_view fileName) {
    std::string text(fileName);
    text += " Result:   ";
    text += "0";
    text += "   FAIL";
    builder.host.messageBox(kStartupFailureCaption, text);
    throw BuilderEnd{kExitFailure};
}

void builderError(Builder& builder, int number) {
    const std::string_view text = builderErrorText(number);
    if (text.empty()) throw BuilderEnd{kExitFailure};
    builder.host.messageBox(kBuilderErrorCaption, text);
    if (number == kErrorMainWindow) throw BuilderEnd{kExitFailure};
}

void reportWriteFailure(Builder& builder, std::string_view what, std::string_view fileName) {
    std::string text(what);
    text += "\nCould not write the file:\n";
    text += fileName;
    text += "\nThe file on disk was left as it was.";
    builder.host.messageBox(kBuilderErrorCaption, text);
}

void reportMapTooLarge(Builder& builder, std::string_view fileName, int capacity) {
    std::string text = "The MAP holds more tiles than the work map can take (";
    text += std::to_string(capacity);
    text += ").\nLoading stopped at the last free element:\n";
    text += fileName;
    builder.host.messageBox(kBuilderErrorCaption, text);
}

}  // namespace builder
