#include "builder/qt/key_mapping.h"

#include <QKeyEvent>
#include <array>
#include <string>
#include <utility>

#include "engine/media/scancodes.h"

namespace builder::qt {

namespace {
namespace dik = media::dik;

constexpr std::array<std::pair<int, int>, 27> kSpecialKeys = {{
    {Qt::Key_Left, dik::LEFT},
    {Qt::Key_Right, dik::RIGHT},
    {Qt::Key_Up, dik::UP},
    {Qt::Key_Down, dik::DOWN},
    {Qt::Key_PageUp, dik::PRIOR},
    {Qt::Key_PageDown, dik::NEXT},
    {Qt::Key_Home, dik::HOME},
    {Qt::Key_End, dik::END},
    {Qt::Key_Insert, dik::INSERT},
    {Qt::Key_Delete, dik::DELETE},
    {Qt::Key_Tab, dik::TAB},
    {Qt::Key_Backtab, dik::TAB},
    {Qt::Key_Alt, dik::LMENU},
    {Qt::Key_AltGr, dik::RMENU},
    {Qt::Key_Shift, dik::LSHIFT},
    {Qt::Key_Control, dik::LCONTROL},
    {Qt::Key_Escape, dik::ESCAPE},
    {Qt::Key_Return, dik::RETURN},
    {Qt::Key_Enter, dik::NUMPADENTER},
    {Qt::Key_Space, dik::SPACE},
    {Qt::Key_Backspace, dik::BACK},
    {Qt::Key_Minus, dik::MINUS},
    {Qt::Key_Equal, dik::EQUALS},
    {Qt::Key_Comma, dik::COMMA},
    {Qt::Key_Period, dik::PERIOD},
    {Qt::Key_Slash, dik::SLASH},
    {Qt::Key_Semicolon, dik::SEMICOLON},
}};
}  // namespace

int scanCodeOf(const QKeyEvent& event) {
    const int key = event.key();
    for (const auto& [qtKey, code] : kSpecialKeys) {
        if (qtKey == key) return code;
    }
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return media::dikFromName(std::string(1, static_cast<char>(key)));
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
        // Appended, not "F" + text: GCC 12 reports a false -Wrestrict overlap there.
        std::string name = "F";
        name += std::to_string(key - Qt::Key_F1 + 1);
        return media::dikFromName(name);
    }
    return -1;
}

}  // namespace builder::qt
