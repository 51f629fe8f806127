#include "simulation/touch_handlers.h"

#include <map>
#include <string>

namespace simulation {
namespace {

struct TouchTable {
    std::map<std::string, TouchHandler, std::less<>> byType;
    TouchHandler player = nullptr;
};

TouchTable& table() {
    static TouchTable handlers;
    return handlers;
}

}  // namespace

void setTouchHandler(std::string_view typeName, TouchHandler handler) {
    auto& byType = table().byType;
    if (handler == nullptr) {
        if (auto found = byType.find(typeName); found != byType.end()) byType.erase(found);
        return;
    }
    byType.insert_or_assign(std::string(typeName), handler);
}

TouchHandler touchHandlerFor(std::string_view typeName) {
    const auto& byType = table().byType;
    const auto found = byType.find(typeName);
    return found == byType.end() ? nullptr : found->second;
}

void setPlayerTouchHandler(TouchHandler handler) {
    table().player = handler;
}

TouchHandler playerTouchHandler() {
    return table().player;
}

void clearTouchHandlers() {
    table() = TouchTable{};
}

}  // namespace simulation
